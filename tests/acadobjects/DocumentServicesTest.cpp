// Files and drawings on disk (saving, reading into the cache, file checks) and the system
// variables the services read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "acadobjects/DocumentServices.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SysVars.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

class DocumentServicesTest : public DbServicesFixture {
 protected:
  CString Path(const char* name) { return CString(zhost::FromUtf8(dir.path() + "/" + name).c_str()); }
};

TEST_F(DocumentServicesTest, FileChecksTellFilesFromFoldersAndMissingPaths) {
  zktest::WriteFileBytes(dir.path() + "/there.txt", "x");
  EXPECT_TRUE(FileExists(Path("there.txt")));
  EXPECT_FALSE(FileExists(CString(zhost::FromUtf8(dir.path()).c_str())));
  EXPECT_FALSE(FileExists(Path("missing.dwg")));
  EXPECT_FALSE(FileExists(L""));
  EXPECT_TRUE(CheckFileExists(Path("there.txt")));
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_FALSE(CheckFileExists(Path("missing.dwg")));
  EXPECT_NE(Transcript().find(L"Datei '" + std::wstring(Path("missing.dwg").GetString()) + L"' nicht gefunden..."),
            std::wstring::npos);
}

TEST_F(DocumentServicesTest, IsNotDwgLooksAtTheFileNameEnd) {
  auto db = SideDatabase();
  struct Case {
    const wchar_t* name;
    bool notDwg;
  } cases[] = {{L"C:\\a\\plan.DWG", false}, {L"plan.dwg", false}, {L"plan.dxf", true}, {L"", true}};
  for (const Case& c : cases) {
    db->setFileName(c.name);
    EXPECT_EQ(IsNotDwg(db.get()), c.notDwg) << c.name;
  }
  EXPECT_TRUE(IsNotDwg(nullptr));
}

TEST_F(DocumentServicesTest, SavedDrawingsAreReadOnceIntoTheCache) {
  auto db = SideDatabase();
  const AcDbObjectId line = AddLine(db.get());
  const CString path = Path("Plan.dwg");
  ASSERT_EQ(SaveAs(db.get(), path), Acad::eOk);
  ASSERT_TRUE(FileExists(path));

  CExternalDwgCache cache;
  const CString handle(line.handle().text().c_str());
  AcDbDatabase* read = GetExternalDwg(cache, path + L":" + handle);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(cache.GetSize(), 1);
  EXPECT_FALSE(read->hasDocument());
  EXPECT_FALSE(Handle2ObjectId(read, handle).isNull());
  EXPECT_EQ(GetExternalDwg(cache, path), read);  // cached
  EXPECT_EQ(cache.GetSize(), 1);

  zktest::WriteFileBytes(dir.path() + "/broken.dwg", "not a drawing");
  zktest::WriteFileBytes(dir.path() + "/plan.txt", "x");
  EXPECT_EQ(GetExternalDwg(cache, Path("broken.dwg") + L":1A"), nullptr);
  EXPECT_EQ(GetExternalDwg(cache, Path("missing.dwg")), nullptr);
  EXPECT_EQ(GetExternalDwg(cache, Path("plan.txt")), nullptr);
  EXPECT_EQ(cache.GetSize(), 1);
  FreeExternalDwgs(cache);
  EXPECT_EQ(cache.GetSize(), 0);
}

TEST_F(DocumentServicesTest, SaveAsWritesTheFileUnderTheNameItHasOnDisk) {
  auto db = SideDatabase();
  ASSERT_EQ(SaveAs(db.get(), Path("Plan.dwg")), Acad::eOk);
  const std::string before = zktest::ReadFileBytes(dir.path() + "/Plan.dwg");
  AddLine(db.get());
  ASSERT_EQ(SaveAs(db.get(), Path("PLAN.dwg")), Acad::eOk);
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    const std::string name = entry.path().filename().string();
    if (CString(zhost::FromUtf8(name).c_str()).CompareNoCase(L"plan.dwg") == 0) names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Plan.dwg"}));  // no second file in another case
  EXPECT_NE(zktest::ReadFileBytes(dir.path() + "/Plan.dwg"), before);

  EXPECT_NE(SaveAs(db.get(), Path("no/such/folder/plan.dwg")), Acad::eOk);
  EXPECT_NE(Transcript().find(L"\nSave error: "), std::wstring::npos);
}

TEST_F(DocumentServicesTest, SystemVariablesAreReadByTypeAndGiveZeroWhenUnknown) {
  NewDocument();
  EXPECT_EQ(GetAcadVarI(L"NO_SUCH_VARIABLE"), 0);
  EXPECT_EQ(GetAcadVarD(L"NO_SUCH_VARIABLE"), 0.0);
  EXPECT_EQ(GetAcadVarI(L"TILEMODE"), 1);
  EXPECT_FALSE(IsPaperSpace());
  EXPECT_FALSE(IsInFloatingViewport());

  zhost::SysVars& vars = zhost::SysVars::instance();
  zhost::SysVarValue tilemode, cvport;
  vars.get(L"TILEMODE", tilemode);
  vars.get(L"CVPORT", cvport);
  vars.set(L"TILEMODE", zhost::SysVarValue::Int(0));
  vars.set(L"CVPORT", zhost::SysVarValue::Int(1));
  EXPECT_TRUE(IsPaperSpace());
  EXPECT_FALSE(IsInFloatingViewport());
  vars.set(L"CVPORT", zhost::SysVarValue::Int(3));
  EXPECT_FALSE(IsPaperSpace());
  EXPECT_TRUE(IsInFloatingViewport());
  vars.set(L"TILEMODE", tilemode);
  vars.set(L"CVPORT", cvport);

  EXPECT_EQ(GetActiveCommand(true), CString());
  EXPECT_FALSE(IsAutoCADLT());
}

TEST_F(DocumentServicesTest, ActiveCommandsHideTheAddOnsOwnUnlessAsked) {
  NewDocument();
  CString own, ownIncluded, foreign;
  zhost::CommandProcessor& processor = zhost::CommandProcessor::instance();
  processor.addBuiltin(L"QTRV_PROBE", [&] {
    own = GetActiveCommand(false);
    ownIncluded = GetActiveCommand(true);
  });
  processor.addBuiltin(L"ZKPROBE", [&] { foreign = GetActiveCommand(false); });
  ASSERT_TRUE(processor.runCommand(L"qtrv_probe"));
  ASSERT_TRUE(processor.runCommand(L"ZKPROBE"));
  EXPECT_EQ(own, CString());
  EXPECT_EQ(ownIncluded, CString(L"QTRV_PROBE"));
  EXPECT_EQ(foreign, CString(L"ZKPROBE"));
}

TEST_F(DocumentServicesTest, AnnotationScaleComesFromTheDrawing) {
  AcDbDatabase* db = NewDocument()->database();
  EXPECT_EQ(GetCurAnnotationScale(db), 1.0);
  auto side = SideDatabase();
  side->extraHeaderVariables()[L"CANNOSCALE"] = L"1:50";
  EXPECT_DOUBLE_EQ(GetCurAnnotationScale(side.get()), 0.02);
  EXPECT_TRUE(IsAnnotativeScaleName(L"bmaß"));
  EXPECT_TRUE(IsAnnotativeScaleName(L"BMAß"));
  EXPECT_FALSE(IsAnnotativeScaleName(L"1:100"));
  EXPECT_FALSE(IsAnnotativeScaleName(nullptr));
}

}  // namespace
