// Fixture of the settings tests.
#include "tests/settings/SettingsFixture.h"

#include <cstdlib>

#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/Profile.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

HINSTANCE TestModule() {
  static HINSTANCE module = zhost::RegisterStaticModule(
      zhost::FromUtf8(std::string(ZK_BIN_DIR) + "/settings-test.arx"),
      reinterpret_cast<const char*>(zhostResourceScript), zhostResourceScriptSize);
  return module;
}

}  // namespace

void SettingsFixture::SetUp() {
  // The temporary folder (trace log, fallback main INI folder) is the test's own.
  const char* tmp = getenv("TMPDIR");
  hadTmpDir_ = tmp != nullptr;
  if (tmp) oldTmpDir_ = tmp;
  zktest::WriteFileBytes(dir.file("tmp/.keep"), "");
  setenv("TMPDIR", (dir.path() + "/tmp/").c_str(), 1);
  SetModuleInstance(TestModule());
  zhost::SetAppDataFolder(dir.wpath() + L"/AppData");
  zhost::Console::instance().clearTranscript();
  zhost::Console::instance().clearAnswers();
  ResetIniState();
}

void SettingsFixture::TearDown() {
  DeleteDebugLog();
  pGlobDimOptions = nullptr;
  delete options;
  options = nullptr;
  ResetIniState();
  if (hadTmpDir_) {
    setenv("TMPDIR", oldTmpDir_.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

CGlobDimOptions& SettingsFixture::Options() {
  if (!options) {
    options = new CGlobDimOptions;
    pGlobDimOptions = options;
  }
  return *options;
}

std::string SettingsFixture::UserFolder() const { return dir.path() + "/AppData/quillbar/zenkora/"; }
std::wstring SettingsFixture::UserFolderW() const { return dir.wpath() + L"/AppData\\quillbar\\zenkora\\"; }
std::wstring SettingsFixture::MainIniW() const { return UserFolderW() + L"Zenkora.ini"; }
std::string SettingsFixture::MainIni() const { return UserFolder() + "Zenkora.ini"; }
std::wstring SettingsFixture::FileW(const std::string& name) const { return zhost::FromUtf8(dir.file(name)); }
std::wstring SettingsFixture::Transcript() const { return zhost::Console::instance().transcript(); }

std::wstring DiskValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
  wchar_t buffer[4096] = {0};
  GetPrivateProfileStringW(section, key, L"", buffer, 4096, file.c_str());
  return buffer;
}
