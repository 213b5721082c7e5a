// The resource switch and the string loaders, against module records with their own string
// tables and the real English language module.
#include <gtest/gtest.h>

#include <string>

#include "frame/LanguageModule.h"
#include "frame/ModuleHandles.h"
#include "frame/ResourceOverride.h"
#include "frame/ResourceString.h"
#include "host/mfc/ModuleState.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/IniFiles.h"
#include "tests/support/TempDir.h"

namespace {

constexpr UINT kProbeId = 32897;  // "<beibehalten>" in the module's own (German) resources

std::string StringTableScript(const std::string& text) {
  return "STRINGTABLE\nBEGIN\n  32897, \"" + text + "\"\n  61000, \"second\"\nEND\n";
}

// A module record for code linked into the test, with its own string table.
HINSTANCE StaticModule(const std::string& path, const std::string& script) {
  return zhost::RegisterStaticModule(std::wstring(path.begin(), path.end()), script.c_str(), script.size());
}

class ResourceStringTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousResource_ = AfxGetResourceHandle();
    FreeLanguageModule();
  }
  void TearDown() override {
    FreeLanguageModule();
    SetModuleInstance(nullptr);
    AfxSetResourceHandle(previousResource_);
  }
  HINSTANCE previousResource_ = nullptr;
};

TEST_F(ResourceStringTest, WithoutAnyModuleTheOverrideChangesNothing) {
  SetModuleInstance(nullptr);
  HINSTANCE before = AfxGetResourceHandle();
  {
    CTemporaryResourceOverride scope;
    EXPECT_FALSE(scope.IsActive());
    EXPECT_EQ(AfxGetResourceHandle(), before);
  }
  EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST_F(ResourceStringTest, OverrideUsesTheModuleAndPutsTheHandleBack) {
  HINSTANCE module = StaticModule(ZK_BIN_DIR "/frame-test-a.arx", StringTableScript("Modul"));
  SetModuleInstance(module);
  HINSTANCE before = AfxGetResourceHandle();
  ASSERT_NE(before, module);
  {
    CTemporaryResourceOverride scope;
    EXPECT_TRUE(scope.IsActive());
    EXPECT_EQ(AfxGetResourceHandle(), module);
    {
      CTemporaryResourceOverride nested;
      EXPECT_EQ(AfxGetResourceHandle(), module);
    }
    EXPECT_EQ(AfxGetResourceHandle(), module);
  }
  EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST_F(ResourceStringTest, LoadResStringSharesOneBufferThatTheNextCallOverwrites) {
  SetModuleInstance(StaticModule(ZK_BIN_DIR "/frame-test-b.arx", StringTableScript("erster")));
  const wchar_t* first = LoadResString(kProbeId);
  EXPECT_STREQ(first, L"erster");
  const wchar_t* second = LoadResString(61000);
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, L"second");
  EXPECT_STREQ(LoadResString(12345), L"");
  EXPECT_EQ(GetResString(kProbeId), CString(L"erster"));
}

TEST_F(ResourceStringTest, LongStringIsCutToTheBufferNeverOverrun) {
  const std::string longText(kResStringBufferSize + 500, 'x');
  SetModuleInstance(StaticModule(ZK_BIN_DIR "/frame-test-c.arx", StringTableScript(longText)));
  const wchar_t* text = LoadResString(kProbeId);
  EXPECT_EQ(std::wcslen(text), static_cast<size_t>(kResStringBufferSize - 1));
  EXPECT_EQ(GetResString(kProbeId).GetLength(), static_cast<int>(longText.size()));
}

// The language module named by the main INI file replaces the module's strings; a language
// whose file exists nowhere frees it again.
TEST_F(ResourceStringTest, LanguageModuleReplacesTheStringsUntilALanguageIsMissing) {
  zktest::TempDir appData;
  zhost::SetAppDataFolder(appData.wpath());
  ResetIniState();
  SetModuleInstance(StaticModule(ZK_BIN_DIR "/frame-test-d.arx", StringTableScript("<beibehalten>")));

  WriteEntryDeferred(GetIniFileName(), L"LastStatus", L"Language", L"ENU");
  EXPECT_EQ(GetLanguageModulePath(), CString(ZK_BIN_DIR L"/zenkoraENU.lng"));
  LoadLanguageModule();
  ASSERT_NE(GetLanguageModule(), nullptr);
  const CString english = GetResString(kProbeId);
  EXPECT_NE(english, CString(L"<beibehalten>"));
  EXPECT_FALSE(english.IsEmpty());

  WriteEntryDeferred(GetIniFileName(), L"LastStatus", L"Language", L"XYZ");
  const CString missing = GetLanguageModulePath();
  EXPECT_EQ(missing, GetUserDataFolder() + L"zenkoraXYZ.lng");
  LoadLanguageModule();
  EXPECT_EQ(GetLanguageModule(), nullptr);
  EXPECT_EQ(GetResString(kProbeId), CString(L"<beibehalten>"));

  // A value that is a path instead of a language suffix names no language module.
  for (const wchar_t* path : {L"/../bin/zenkoraENU", L"..\\ENU", L"C:ENU"}) {
    WriteEntryDeferred(GetIniFileName(), L"LastStatus", L"Language", path);
    EXPECT_TRUE(GetLanguageModulePath().IsEmpty()) << zhost::ToUtf8(path);
    LoadLanguageModule();
    EXPECT_EQ(GetLanguageModule(), nullptr);
  }
  ResetIniState();
}

}  // namespace
