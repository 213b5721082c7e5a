// LIST output of the geometric entities in a real database: class name, layer and handle from
// the common part, then the labelled geometry; and the geometry hooks on database-resident
// entities (write-open, undo-free copies by explode).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/win/Console.h"

namespace {

class GeomList : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::Console::instance().setQuiet(true);
    db_.reset(new AcDbDatabase(true, true));
  }
  void TearDown() override { zhost::Console::instance().setQuiet(false); }

  AcDbObjectId append(AcDbEntity* ent) {
    AcDbBlockTableRecord* ms = nullptr;
    EXPECT_EQ(acdbOpenObject(ms, db_->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    EXPECT_EQ(ms->appendAcDbEntity(id, ent), Acad::eOk);
    ent->close();
    ms->close();
    return id;
  }

  std::wstring listed(AcDbObjectId id) {
    zhost::Console::instance().clearTranscript();
    AcDbEntity* ent = nullptr;
    EXPECT_EQ(acdbOpenObject(ent, id, AcDb::kForRead), Acad::eOk);
    ent->list();
    std::wstring handle = ent->handle().text();
    ent->close();
    std::wstring text = zhost::Console::instance().transcript();
    EXPECT_NE(text.find(L"Handle = " + handle), std::wstring::npos) << std::string(text.begin(), text.end());
    return text;
  }

  static bool has(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

  std::unique_ptr<AcDbDatabase> db_;
};

TEST_F(GeomList, LineListsEndPointsLengthAndAngle) {
  auto* line = new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(4, 6, 0));
  line->setLayer(L"Axes");
  std::wstring text = listed(append(line));
  EXPECT_TRUE(has(text, L"LINE")) << std::string(text.begin(), text.end());
  EXPECT_TRUE(has(text, L"Layer: \"Axes\""));
  EXPECT_TRUE(has(text, L"from point, X=    1.0000  Y=    2.0000  Z=    0.0000"));
  EXPECT_TRUE(has(text, L"to point, X=    4.0000  Y=    6.0000  Z=    0.0000"));
  EXPECT_TRUE(has(text, L"Length =     5.0000"));
  EXPECT_TRUE(has(text, L"Angle in XY Plane =    53.1301"));
}

TEST_F(GeomList, ArcListsCenterRadiusAndAnglesInDegrees) {
  std::wstring text = listed(append(new AcDbArc(AcGePoint3d(0, 0, 0), 2, M_PI / 2, M_PI)));
  EXPECT_TRUE(has(text, L"ARC"));
  EXPECT_TRUE(has(text, L"radius     2.0000"));
  EXPECT_TRUE(has(text, L"start angle    90.0000"));
  EXPECT_TRUE(has(text, L"end angle   180.0000"));
  EXPECT_TRUE(has(text, L"length     3.1416"));
}

TEST_F(GeomList, PolylineListsVerticesAndArcSegments) {
  auto* pl = new AcDbPolyline;
  pl->addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  pl->addVertexAt(1, AcGePoint2d(4, 0));
  std::wstring text = listed(append(pl));
  EXPECT_TRUE(has(text, L"LWPOLYLINE"));
  EXPECT_TRUE(has(text, L"Open"));
  EXPECT_TRUE(has(text, L"at point X=    4.0000  Y=    0.0000"));
  EXPECT_TRUE(has(text, L"bulge     1.0000"));
  EXPECT_TRUE(has(text, L"center X=    2.0000  Y=    0.0000"));
  EXPECT_TRUE(has(text, L"length     6.2832"));
}

TEST_F(GeomList, TransformOfADatabaseEntityNeedsWriteOpenAndIsKept) {
  AcDbObjectId id = append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  AcDbLine* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  EXPECT_NE(line->transformBy(AcGeMatrix3d::translation(AcGeVector3d(5, 0, 0))), Acad::eOk);
  ASSERT_EQ(line->upgradeOpen(), Acad::eOk);
  ASSERT_EQ(line->transformBy(AcGeMatrix3d::translation(AcGeVector3d(5, 0, 0))), Acad::eOk);
  line->close();
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(line->startPoint(), AcGePoint3d(5, 0, 0));
  line->close();
}

}  // namespace
