// Marks over a chain: wide polylines over a text, an extension line or a dimension-line piece in
// model space; the segment highlight replacing the previous one; the lasting manual-text mark on
// its layer with its extended data.
#include <gtest/gtest.h>

#include <memory>

#include "acadobjects/XDataRecords.h"
#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSymbolTable.h"
#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using ChainMarks = ChainDrawFixture;

struct MarkInfo {
  bool open = false, erased = false, closed = false;
  int vertices = 0;
  double width = 0.0;
  AcGePoint3d start;
  std::wstring layer;
  CString xdata;
};

MarkInfo ReadMark(AcDbObjectId id) {
  MarkInfo info;
  AcDb2dPolyline* mark = nullptr;
  if (acdbOpenObject(mark, id, AcDb::kForRead, true) != Acad::eOk || !mark) return info;
  info.open = true;
  info.erased = mark->isErased();
  info.closed = mark->isClosed();
  info.vertices = mark->numVerts();
  info.width = mark->defaultStartWidth();
  mark->getStartPoint(info.start);
  info.layer = mark->layer();
  int value = -1;
  GetXDataString(mark, XDATA_APP_UT_MARK, info.xdata, value);
  mark->close();
  return info;
}

TEST_F(ChainMarks, MarksOfEveryType) {
  std::unique_ptr<QBdim> chain(HorizontalChain({0, 10, 25}));
  struct Case {
    int type, index, vertices;
    bool closed;
    AcGePoint3d start;
  };
  const Case cases[] = {{2, 1, 2, false, {10, 0, 0}}, {3, 2, 2, false, {25, 5, 0}}, {3, 0, 2, false, {0, 5, 0}}};
  for (const Case& c : cases) {
    AcDbObjectId id;
    chain->MakeMark(id, c.index, c.type);
    const MarkInfo info = ReadMark(id);
    ASSERT_TRUE(info.open) << "type " << c.type;
    EXPECT_EQ(info.vertices, c.vertices) << "type " << c.type;
    EXPECT_EQ(info.closed, c.closed) << "type " << c.type;
    EXPECT_NEAR(info.width, 0.06, 1e-12) << "0.6 mm at 1:100";
    EXPECT_TRUE(info.start.isEqualTo(c.start)) << "type " << c.type;
    EXPECT_TRUE(info.xdata.IsEmpty());
  }
  AcDbObjectId text;
  chain->MakeMark(text, 1, 1);
  EXPECT_EQ(ReadMark(text).vertices, 4);
  EXPECT_TRUE(ReadMark(text).closed);

  AcDbObjectId none;
  EXPECT_TRUE(chain->MakeMark(none, 3, 2).isNull()) << "no extension 3";
  EXPECT_TRUE(chain->MakeMark(none, -1, 1).isNull());
}

TEST_F(ChainMarks, ManualTextMarkLastsOnItsLayerWithItsRecord) {
  options->dimSet.arrayString.SetAtGrow(IND_S_UTextMarkLayer, L"MANUELL");
  std::unique_ptr<QBdim> chain(HorizontalChain({0, 10}));
  AcDbObjectId id;
  chain->MakeMark(id, 1, 4);
  const MarkInfo info = ReadMark(id);
  ASSERT_TRUE(info.open);
  EXPECT_EQ(info.layer, L"MANUELL");
  EXPECT_EQ(info.xdata, L"DIM_MARK");
  EXPECT_EQ(info.vertices, 4);
}

TEST_F(ChainMarks, SegmentHighlightReplacesThePreviousOne) {
  std::unique_ptr<QBdim> chain(HorizontalChain({0, 10, 25}));
  EXPECT_EQ(chain->ShowSegmentMarks(2, 1), 4);
  AcDbObjectIdArray first;
  // The marks are the last four entities of model space.
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    first.append(id);
  }
  delete it;
  space->close();
  ASSERT_EQ(first.length(), 4);

  EXPECT_EQ(chain->ShowSegmentMarks(0, 1), 4) << "segment 1 stands for 0";
  for (int k = 0; k < first.length(); ++k) EXPECT_TRUE(ReadMark(first[k]).erased) << k;
  EXPECT_EQ(chain->ShowSegmentMarks(1, 0), 0);
}

}  // namespace
