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

void FormatFixture::SetUp() {
  env_ = std::make_unique<zktest::ModuleTestEnvironment>(dir, "format-test.arx", false);
  options = env_->options();
  zhost::Console::instance().setQuiet(true);
}

void FormatFixture::TearDown() {
  env_.reset();
  options = nullptr;
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
