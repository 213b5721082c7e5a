// Module records: the program's path with Windows truncation, loading the real language module,
// load counting, lookups by name, and loads that must fail.
#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "tests/support/TempDir.h"

namespace {

std::wstring Executable() {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  return zhost::FromUtf8(std::string(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

const std::wstring kLanguageModule = zhost::FromUtf8(ZK_BIN_DIR "/zenkoraENU.lng");

TEST(Module, FileNameOfTheProgramWithWindowsTruncation) {
  std::wstring exe = Executable();
  ASSERT_FALSE(exe.empty());
  wchar_t buffer[PATH_MAX];
  SetLastError(77);
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, PATH_MAX), exe.size());
  EXPECT_EQ(std::wstring(buffer), exe);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));

  DWORD exact = static_cast<DWORD>(exe.size() + 1);
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, exact), exe.size());

  DWORD shortSize = 5;
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, shortSize), shortSize);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(std::wstring(buffer), exe.substr(0, shortSize - 1));

  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(exe.size())), exe.size());  // cut by one
  EXPECT_EQ(std::wstring(buffer), exe.substr(0, exe.size() - 1));
  EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 0), 0u);
  EXPECT_EQ(GetModuleHandleW(nullptr), zhost::HostModule());
}

TEST(Module, LoadsTheLanguageModuleAndCountsLoads) {
  std::wstring error;
  HINSTANCE module = zhost::LoadModule(kLanguageModule, &error);
  ASSERT_NE(module, nullptr) << error;
  EXPECT_EQ(zhost::ModulePath(module), kLanguageModule);
  EXPECT_NE(zhost::ModuleSymbol(module, "zhostResourceScript"), nullptr);
  EXPECT_TRUE(module->hasResourceScript);
  // Only the module's own exports: not what the C library exports.
  EXPECT_EQ(zhost::ModuleSymbol(module, "malloc"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "acrxEntryPoint"), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));

  std::wstring windowsStyle = kLanguageModule;
  windowsStyle.replace(windowsStyle.rfind(L'/'), 1, L"\\");
  HMODULE again = LoadLibraryW(windowsStyle.c_str());
  EXPECT_EQ(again, module);
  EXPECT_EQ(GetModuleHandleW(L"ZENKORAenu.LNG"), module);
  EXPECT_EQ(GetModuleHandleW(kLanguageModule.c_str()), module);
  wchar_t buffer[PATH_MAX];
  EXPECT_EQ(GetModuleFileNameW(module, buffer, PATH_MAX), kLanguageModule.size());

  EXPECT_TRUE(FreeLibrary(again));
  EXPECT_TRUE(zhost::IsModule(module));  // one load left
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_FALSE(zhost::IsModule(module));
  EXPECT_EQ(GetModuleHandleW(L"zenkoraENU.lng"), nullptr);
  EXPECT_FALSE(FreeLibrary(module));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(Module, LoadsThatFail) {
  zktest::TempDir dir;
  zktest::WriteFileBytes(dir.file("bad.arx"), "this is no shared object");
  std::wstring error;
  EXPECT_EQ(zhost::LoadModule(zhost::FromUtf8(dir.file("bad.arx")), &error), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_BAD_EXE_FORMAT));
  EXPECT_NE(error.find(L"bad.arx"), std::wstring::npos);
  EXPECT_EQ(LoadLibraryW(zhost::FromUtf8(dir.file("missing.lng")).c_str()), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
  EXPECT_FALSE(FreeLibrary(nullptr));
  EXPECT_EQ(GetModuleFileNameW(reinterpret_cast<HMODULE>(&error), nullptr, 0), 0u);  // no module record
}

TEST(Module, StaticModulesAndTheProgramStay) {
  const char script[] = "STRINGTABLE BEGIN 1 \"x\" END";
  HINSTANCE module = zhost::RegisterStaticModule(L"/opt/zhost/StaticTest.arx", script, sizeof script - 1);
  EXPECT_EQ(GetModuleHandleW(L"statictest.ARX"), module);
  EXPECT_EQ(module->resourceScript, script);
  EXPECT_EQ(zhost::RegisterStaticModule(L"/opt/zhost/StaticTest.arx", nullptr, 0), module);
  EXPECT_FALSE(module->hasResourceScript);
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_TRUE(FreeLibrary(zhost::HostModule()));
  EXPECT_TRUE(zhost::IsModule(module));
  EXPECT_TRUE(zhost::IsModule(zhost::HostModule()));
}

}  // namespace
