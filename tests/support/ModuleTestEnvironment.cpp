// The add-on's running state for in-process tests.
#include "tests/support/ModuleTestEnvironment.h"

#include <cstdlib>
#include <map>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace zktest {

namespace {

// A static module is registered once per name and process.
HINSTANCE StaticModule(const std::string& name) {
  static std::map<std::string, HINSTANCE> modules;
  HINSTANCE& module = modules[name];
  if (!module)
    module = zhost::RegisterStaticModule(zhost::FromUtf8(std::string(ZK_BIN_DIR) + "/" + name),
                                         reinterpret_cast<const char*>(zhostResourceScript),
                                         zhostResourceScriptSize);
  return module;
}

}  // namespace

ModuleTestEnvironment::ModuleTestEnvironment(const TempDir& dir, const std::string& moduleName, bool running)
    : running_(running) {
  const char* tmp = std::getenv("TMPDIR");
  hadTmpDir_ = tmp != nullptr;
  if (tmp) oldTmpDir_ = tmp;
  WriteFileBytes(dir.file("tmp/.keep"), "");
  setenv("TMPDIR", (dir.path() + "/tmp/").c_str(), 1);
  SetModuleInstance(StaticModule(moduleName));
  zhost::SetAppDataFolder(dir.wpath() + L"/AppData");
  zhost::Console::instance().clearTranscript();
  ResetIniState();
  options_ = new CGlobDimOptions;
  pGlobDimOptions = options_;
  options_->LoadOptions();
  // With the option object in place this only marks the module as running.
  if (running_) OnkInitApp();
}

ModuleTestEnvironment::~ModuleTestEnvironment() {
  if (running_) SetAppUnloaded();
  DeleteDebugLog();
  dropOptions();
  ResetIniState();
  if (hadTmpDir_) {
    setenv("TMPDIR", oldTmpDir_.c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

void ModuleTestEnvironment::dropOptions() {
  if (pGlobDimOptions == options_) pGlobDimOptions = nullptr;
  delete options_;
  options_ = nullptr;
}

}  // namespace zktest
