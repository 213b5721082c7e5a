// The add-on's extended-data records on a host line survive saving and reopening the drawing, and
// an independent DXF reader finds them in the export.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "acadobjects/XDataRecords.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/DwgFile.h"
#include "host/db/DxfWriter.h"
#include "host/mfc/Collections.h"
#include "host/win/TextConv.h"
#include "settings/GlobDimOptions.h"
#include "tests/acadobjects/DbServicesFixture.h"
#include "tests/support/EzdxfReader.h"

namespace {

class XDataPersistence : public DbServicesFixture {
 protected:
  void SetUp() override {
    DbServicesFixture::SetUp();
    oldOptions_ = pGlobDimOptions;
    pGlobDimOptions = nullptr;  // no fill-up: the records read back exactly as written
    db_ = NewDocument()->database();
    lineId_ = AddLine(db_);
    strings_.Add(L"1:50");
    strings_.Add(L"Standard");
    ints_.Add(3);
    ints_.Add(70000);  // keeps its low 16 bits
    reals_.Add(2.5);
    AcDbObject* line = nullptr;
    ASSERT_EQ(acdbOpenObject(line, lineId_, AcDb::kForWrite), Acad::eOk);
    EXPECT_EQ(SetZenkoraObject(line, true), 1);
    EXPECT_EQ(SetXDataArrays(line, XDATA_APP_DATA, &strings_, &ints_, &reals_), 1);
    handle_ = line->handle();
    line->close();
  }
  void TearDown() override {
    pGlobDimOptions = oldOptions_;
    DbServicesFixture::TearDown();
  }

  CGlobDimOptions* oldOptions_ = nullptr;
  AcDbDatabase* db_ = nullptr;
  AcDbObjectId lineId_;
  AcDbHandle handle_;
  CStringArray strings_;
  CUIntArray ints_;
  CArray<double, double> reals_;
};

TEST_F(XDataPersistence, RecordsSurviveSaveAndReopen) {
  const std::wstring path = dir.wpath() + L"/marked.dwg";
  std::wstring error;
  ASSERT_EQ(zhost::WriteDrawingFile(db_, path, error), Acad::eOk) << zhost::ToUtf8(error);
  std::unique_ptr<AcDbDatabase> reread(zhost::ReadDrawingFile(path, error));
  ASSERT_TRUE(reread) << zhost::ToUtf8(error);

  AcDbObjectId id;
  ASSERT_EQ(reread->getAcDbObjectId(id, false, handle_), Acad::eOk);
  AcDbObject* line = nullptr;
  ASSERT_EQ(acdbOpenObject(line, id, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(IsZenkoraObject(line));
  CStringArray strings;
  CUIntArray ints;
  CArray<double, double> reals;
  EXPECT_EQ(GetXData(line, XDATA_APP_DATA, &strings, &ints, &reals), 1);
  line->close();
  ASSERT_EQ(strings.GetSize(), 2);
  EXPECT_EQ(strings[0], L"1:50");
  EXPECT_EQ(strings[1], L"Standard");
  ASSERT_EQ(ints.GetSize(), 2);
  EXPECT_EQ(ints[0], 3u);
  EXPECT_EQ(ints[1], 4464u);
  ASSERT_EQ(reals.GetSize(), 1);
  EXPECT_DOUBLE_EQ(reals[0], 2.5);
}

TEST_F(XDataPersistence, RecordsAppearInTheDxfExport) {
  if (zktest::EzdxfPython().empty()) GTEST_SKIP() << "python3-ezdxf is not importable (make setup installs it)";
  const std::string path = dir.file("marked.dxf");
  std::wstring error;
  ASSERT_TRUE(zhost::WriteDxf(db_, zhost::FromUtf8(path), error)) << zhost::ToUtf8(error);
  zktest::EzdxfReport report = zktest::ReadWithEzdxf(path);
  ASSERT_TRUE(report.ok) << report.errors;
  const std::string handle = zhost::ToUtf8(handle_.text());
  EXPECT_TRUE(report.has(R"({"appid": "ZENKORA_OBJECT"})")) << report.output;
  EXPECT_TRUE(report.has(R"({"appid": "ZENKORA_DATA"})")) << report.output;
  EXPECT_NE("", report.find({"\"handle\": \"" + handle + "\"",
                             R"("ZENKORA_OBJECT": [[1001, "ZENKORA_OBJECT"], [1000, "_ZENKORA_"], [1070, 100]])",
                             R"("ZENKORA_DATA": [[1001, "ZENKORA_DATA"], [1000, "1:50"], [1000, "Standard"], [1070, 3], [1070, 4464], [1040, 2.5]])"}))
      << report.output;
}

}  // namespace
