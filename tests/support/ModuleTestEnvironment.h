// The add-on's running state for in-process tests of its objects: the module's resources as a
// static module, a fresh application-data folder and temporary folder inside the test's
// TempDir, the option object loaded with its defaults and, when asked, the module marked as
// running. The destructor undoes all of it in the reverse order. Only test programs that link
// the add-on's objects may use it.
#pragma once

#include <string>

#include "tests/support/TempDir.h"

class CGlobDimOptions;

namespace zktest {

class ModuleTestEnvironment {
 public:
  // moduleName: the file name the static module takes beside the programs ("chaindraw-test.arx");
  // running: OnkInitApp after the options are loaded (filing needs it), SetAppUnloaded at the end.
  ModuleTestEnvironment(const TempDir& dir, const std::string& moduleName, bool running = true);
  ~ModuleTestEnvironment();
  ModuleTestEnvironment(const ModuleTestEnvironment&) = delete;
  ModuleTestEnvironment& operator=(const ModuleTestEnvironment&) = delete;

  CGlobDimOptions* options() const { return options_; }
  // Deletes the option object early (tests of what happens without one).
  void dropOptions();

 private:
  CGlobDimOptions* options_ = nullptr;
  bool running_ = false;
  bool hadTmpDir_ = false;
  std::string oldTmpDir_;
};

}  // namespace zktest
