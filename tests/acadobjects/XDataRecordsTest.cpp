// The extended-data records on real drawings: layouts, removal, 16-bit integers, the fill-up
// from the chain-dimension options, the one-character rule and the write discipline.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "acadobjects/XDataRecords.h"
#include "frame/AppReactors.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbText.h"
#include "settings/GlobDimOptions.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

struct Group {
  int code;
  std::wstring text;
  long long number;
  bool operator==(const Group& o) const { return code == o.code && text == o.text && number == o.number; }
};

std::vector<Group> Groups(const resbuf* list) {
  std::vector<Group> groups;
  for (const resbuf* rb = list; rb; rb = rb->rbnext) {
    if (rb->restype == 1000 || rb->restype == 1001)
      groups.push_back({rb->restype, rb->resval.rstring, 0});
    else if (rb->restype == 1070)
      groups.push_back({rb->restype, L"", rb->resval.rint});
    else
      groups.push_back({rb->restype, L"", static_cast<long long>(rb->resval.rreal * 1000)});
  }
  return groups;
}

class XDataRecordsTest : public DbServicesFixture {
 protected:
  void SetUp() override {
    DbServicesFixture::SetUp();
    m_pOldOptions = pGlobDimOptions;
    pGlobDimOptions = nullptr;
    m_pDoc = NewDocument();
    m_pDb = m_pDoc->database();
  }
  void TearDown() override {
    pGlobDimOptions = m_pOldOptions;
    DbServicesFixture::TearDown();
  }

  // The xdata of `id` for `app` as groups.
  std::vector<Group> Record(AcDbObjectId id, const wchar_t* app) {
    AcDbObject* object = nullptr;
    EXPECT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    resbuf* list = object->xData(app);
    object->close();
    std::vector<Group> groups = Groups(list);
    acutRelRb(list);
    return groups;
  }

  // Runs `write` on the object `id` opened for read, then closes it.
  template <class Write>
  void WithObject(AcDbObjectId id, Write write) {
    AcDbObject* object = nullptr;
    ASSERT_EQ(acdbOpenObject(object, id, AcDb::kForRead), Acad::eOk);
    write(object);
    object->close();
  }

  CGlobDimOptions* m_pOldOptions = nullptr;
  AcApDocument* m_pDoc = nullptr;
  AcDbDatabase* m_pDb = nullptr;
};

TEST_F(XDataRecordsTest, ObjectRecordIsWrittenRecognisedAndRemoved) {
  const AcDbObjectId text = Append(m_pDb->modelSpaceId(), new AcDbText(AcGePoint3d(0, 0, 0), L"abc"));
  WithObject(text, [](AcDbObject* o) { EXPECT_EQ(SetZenkoraObject(o, true), 1); });
  EXPECT_EQ(Record(text, XDATA_APP_OBJECT),
            (std::vector<Group>{{1001, L"ZENKORA_OBJECT", 0}, {1000, L"_ZENKORA_", 0}, {1070, L"", 1}}));
  EXPECT_TRUE(IsZenkoraObject(text));
  AcDbRegAppTable* apps = nullptr;
  ASSERT_EQ(m_pDb->getRegAppTable(apps, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(apps->has(L"ZENKORA_OBJECT"));
  apps->close();

  WithObject(text, [](AcDbObject* o) { EXPECT_EQ(SetZenkoraObject(o, false), 1); });
  EXPECT_TRUE(Record(text, XDATA_APP_OBJECT).empty());
  EXPECT_FALSE(IsZenkoraObject(text));
  EXPECT_EQ(m_pDoc->lockCount(), 0);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(XDataRecordsTest, ADimensionGetsTypeCode10) {
  const AcDbObjectId dim = Append(m_pDb->modelSpaceId(), new AcDbRotatedDimension);
  WithObject(dim, [](AcDbObject* o) { EXPECT_EQ(SetZenkoraObject(o, true), 1); });
  EXPECT_EQ(Record(dim, XDATA_APP_OBJECT),
            (std::vector<Group>{{1001, L"ZENKORA_OBJECT", 0}, {1000, L"_ZENKORA_", 0}, {1070, L"", 10}}));
  EXPECT_TRUE(IsZenkoraObject(dim));
  WithObject(dim, [](AcDbObject* o) { SetZenkoraObject(o, false); });
  EXPECT_FALSE(IsZenkoraObject(dim));
}

TEST_F(XDataRecordsTest, TypeCodesAndTheZeroCodeThatMeansNotFormatted) {
  AcDbText text;
  AcDbMText mtext;
  EXPECT_EQ(ObjectTypeCode(&text), 1);
  EXPECT_EQ(ObjectTypeCode(&mtext), 2);
  const AcDbObjectId line = AddLine(m_pDb);
  WithObject(line, [](AcDbObject* o) {
    EXPECT_EQ(ObjectTypeCode(o), 100);
    SetXData(o, XDATA_APP_OBJECT, XDATA_OBJECT_MARKER, 0);
  });
  EXPECT_EQ(ObjectTypeCode(nullptr), 100);
  EXPECT_FALSE(IsZenkoraObject(line));
  EXPECT_FALSE(IsZenkoraObject(AcDbObjectId()));
}

TEST_F(XDataRecordsTest, IntegersKeepTheirLow16BitsAndReadBackSignExtended) {
  const AcDbObjectId line = AddLine(m_pDb);
  CUIntArray ints;
  ints.Add(70000);
  ints.Add(static_cast<UINT>(-1));
  ints.Add(5);
  WithObject(line, [&](AcDbObject* o) { SetXDataArrays(o, XDATA_APP_DATA, nullptr, &ints, nullptr); });
  CUIntArray read;
  WithObject(line, [&](AcDbObject* o) { GetXData(o, XDATA_APP_DATA, nullptr, &read, nullptr); });
  ASSERT_EQ(read.GetSize(), 3);
  EXPECT_EQ(read[0], 4464u);
  EXPECT_EQ(read[1], 0xFFFFFFFFu);
  EXPECT_EQ(read[2], 5u);
}

TEST_F(XDataRecordsTest, GetXDataFillsUpFromTheChainDimensionOptions) {
  std::unique_ptr<CGlobDimOptions> options(new CGlobDimOptions);
  pGlobDimOptions = options.get();
  ModeOptionSet& chain = options->SetOfMode(MODE_DIM);
  chain.Reset();
  for (INT_PTR i = 0; i < chain.arrayDouble.GetSize(); ++i) chain.arrayDouble[i] = 100.0 + i;
  for (INT_PTR i = 0; i < chain.arrayInt.GetSize(); ++i) chain.arrayInt[i] = static_cast<UINT>(200 + i);
  for (INT_PTR i = 0; i < chain.arrayString.GetSize(); ++i) chain.arrayString[i].Format(L"s%d", static_cast<int>(i));

  const AcDbObjectId line = AddLine(m_pDb);
  CStringArray strings;
  CUIntArray ints;
  CArray<double, double> reals;
  WithObject(line, [&](AcDbObject* o) { GetXData(o, L"zenkora_data", &strings, &ints, &reals); });
  ASSERT_EQ(reals.GetSize(), 18);
  ASSERT_EQ(ints.GetSize(), 27);
  ASSERT_EQ(strings.GetSize(), 13);
  EXPECT_EQ(reals[17], 117.0);
  EXPECT_EQ(ints[0], 200u);
  EXPECT_EQ(strings[12], CString(L"s12"));

  CArray<double, double> ten;
  for (int i = 0; i < 10; ++i) ten.Add(i + 0.5);
  CStringArray two;
  two.Add(L"1:50   ");
  two.Add(L"Standard");
  WithObject(line, [&](AcDbObject* o) { SetXDataArrays(o, XDATA_APP_DATA, &two, nullptr, &ten); });
  WithObject(line, [&](AcDbObject* o) { GetXData(o, XDATA_APP_DATA, &strings, &ints, &reals); });
  ASSERT_EQ(reals.GetSize(), 18);
  EXPECT_EQ(reals[9], 9.5);
  EXPECT_EQ(reals[10], 110.0);
  EXPECT_EQ(reals[17], 117.0);
  EXPECT_EQ(strings[0], CString(L"1:50"));  // right-trimmed
  EXPECT_EQ(strings[2], CString(L"s2"));
  EXPECT_EQ(ints.GetSize(), 27);

  // Another application is not filled up.
  WithObject(line, [&](AcDbObject* o) { GetXData(o, XDATA_APP_TEMP, &strings, &ints, &reals); });
  EXPECT_EQ(reals.GetSize(), 0);
  EXPECT_EQ(strings.GetSize(), 0);
}

TEST_F(XDataRecordsTest, ArraysFormWritesStringsIntsRealsInThatOrderAndRemovesWithoutArrays) {
  const AcDbObjectId line = AddLine(m_pDb);
  CStringArray strings;
  strings.Add(L"a");
  CUIntArray ints;
  ints.Add(7);
  CArray<double, double> reals;
  reals.Add(1.5);
  WithObject(line, [&](AcDbObject* o) { SetXDataArrays(o, XDATA_APP_DATA, &strings, &ints, &reals); });
  EXPECT_EQ(Record(line, XDATA_APP_DATA),
            (std::vector<Group>{{1001, L"ZENKORA_DATA", 0}, {1000, L"a", 0}, {1070, L"", 7}, {1040, L"", 1500}}));
  WithObject(line, [&](AcDbObject* o) { SetXDataArrays(o, XDATA_APP_DATA, nullptr, nullptr, nullptr); });
  EXPECT_TRUE(Record(line, XDATA_APP_DATA).empty());
}

TEST_F(XDataRecordsTest, AnEntityOnALockedFrozenLayerGetsItsRecordAndTheLayerIsShutAgain) {
  const AcDbObjectId layer = AddLayer(m_pDb, L"SHUT", true, true);
  const AcDbObjectId line = AddLine(m_pDb, L"SHUT");
  bReactorPaused = 0;
  WithObject(line, [](AcDbObject* o) { EXPECT_EQ(SetXData(o, XDATA_APP_UT_MARK, XDATA_DIM_MARK, 0), 1); });
  EXPECT_EQ(Record(line, XDATA_APP_UT_MARK),
            (std::vector<Group>{{1001, L"ZENKORA_UT_MARK", 0}, {1000, L"DIM_MARK", 0}, {1070, L"", 0}}));
  bool frozen = false, locked = false;
  LayerState(layer, frozen, locked);
  EXPECT_TRUE(frozen);
  EXPECT_TRUE(locked);
  EXPECT_EQ(bReactorPaused, 0);
  EXPECT_EQ(m_pDoc->lockCount(), 0);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(XDataRecordsTest, GetXDataStringSkipsOneCharacterTextsAndTakesTheLast16BitValue) {
  const AcDbObjectId line = AddLine(m_pDb);
  CStringArray strings;
  strings.Add(L"A");
  strings.Add(L"DIM_MARK  ");
  strings.Add(L"LATER");
  CUIntArray ints;
  ints.Add(3);
  ints.Add(9);
  WithObject(line, [&](AcDbObject* o) { SetXDataArrays(o, XDATA_APP_UT_MARK, &strings, &ints, nullptr); });
  CString text = L"old";
  int value = -5;
  WithObject(line, [&](AcDbObject* o) { EXPECT_TRUE(GetXDataString(o, XDATA_APP_UT_MARK, text, value)); });
  EXPECT_EQ(text, CString(L"DIM_MARK"));
  EXPECT_EQ(value, 9);

  WithObject(line, [&](AcDbObject* o) { EXPECT_FALSE(GetXDataString(o, XDATA_APP_TEMP, text, value)); });
  EXPECT_EQ(text, CString());
  EXPECT_EQ(value, 0);
}

TEST_F(XDataRecordsTest, ARefusedWriteIsReportedAndKeepsTheOldRecord) {
  const AcDbObjectId line = AddLine(m_pDb);
  WithObject(line, [](AcDbObject* o) { SetXData(o, XDATA_APP_TEMP, L"1A", 1); });
  const std::wstring huge(20000, L'x');
  WithObject(line, [&](AcDbObject* o) { EXPECT_EQ(SetXData(o, XDATA_APP_TEMP, huge.c_str(), 1), 1); });
  EXPECT_EQ(BoxTexts(), (std::vector<std::wstring>{L"SetXData - Acad::eXdataSizeExceeded "}));
  EXPECT_EQ(Record(line, XDATA_APP_TEMP),
            (std::vector<Group>{{1001, L"ZENKORA_TEMP", 0}, {1000, L"1A", 0}, {1070, L"", 1}}));
}

}  // namespace
