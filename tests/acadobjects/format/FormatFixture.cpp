// Fixture of the formatter tests.
#include "tests/acadobjects/format/FormatFixture.h"

#include <cstdlib>

#include "frame/ModuleHandles.h"
#include "host/win/Console.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

HINSTANCE TestModule() {
  static HINSTANCE module = zhost::RegisterStaticModule(
      zhost::FromUtf8(std::string(ZK_BIN_DIR) + "/format-test.arx"),
      reinterpret_cast<const char*>(zhostResourceScript), zhostResourceScriptSize);
  return module;
}

}  // namespace

void FormatFixture::SetUp() {
  const char* tmp = getenv("TMPDIR");
  hadTmpDir_ = tmp != nullptr;
  if (tmp) oldTmpDir_ = tmp;
  zktest::WriteFileBytes(dir.file("tmp/.keep"), "");
  setenv("TMPDIR", (dir.path() + "/tmp/").c_str(), 1);
  SetModuleInstance(TestModule());
  zhost::SetAppDataFolder(dir.wpath() + L"/AppData");
  zhost::Console::instance().setQuiet(true);
  zhost::Console::instance().clearTranscript();
  ResetIniState();
  options = new CGlobDimOptions;
  pGlobDimOptions = options;
  options->LoadOptions();
}

void FormatFixture::TearDown() {
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

OptionArrays FormatFixture::Set(const wchar_t* unit, int decimals, double acadUnits) const {
  OptionArrays set;
  set.strings.Copy(options->dimSet.arrayString);
  set.ints.Copy(options->dimSet.arrayInt);
  set.doubles.Copy(options->dimSet.arrayDouble);
  set.strings[IND_S_Measure] = unit;
  set.strings[IND_S_Delimiter] = L".";
  set.strings[IND_S_IniFile] = L"";
  set.ints[IND_I_Decimals] = static_cast<UINT>(decimals);
  set.ints[IND_I_RoundMM] = 0;
  set.ints[IND_I_TrimZero] = 0;
  set.ints[IND_I_MCmFrom10] = 0;
  set.doubles[IND_D_AcadUnits] = acadUnits;
  return set;
}
