// FormatMeasure per call for the units a chain is written in most: m/cm with raised
// millimetres, millimetres, and feet with fractional inches.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "acadobjects/MeasureFormat.h"
#include "frame/ModuleHandles.h"
#include "frame/ResourceString.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

std::string MakeTempFolder() {
  std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-XXXXXX";
  return mkdtemp(base.data()) ? base : std::string();
}

void BM_FormatMeasure(benchmark::State& state) {
  SetModuleInstance(zhost::RegisterStaticModule(L"/bench/format_measure.arx",
                                                reinterpret_cast<const char*>(zhostResourceScript),
                                                zhostResourceScriptSize));
  const std::string folder = MakeTempFolder();
  zhost::SetAppDataFolder(zhost::FromUtf8(folder + "/AppData"));
  ResetIniState();
  CGlobDimOptions options;
  pGlobDimOptions = &options;
  options.LoadOptions();

  CStringArray strings;
  CUIntArray ints;
  CArray<double, double> doubles;
  strings.Copy(options.dimSet.arrayString);
  ints.Copy(options.dimSet.arrayInt);
  doubles.Copy(options.dimSet.arrayDouble);
  strings[IND_S_IniFile] = L"";
  ints[IND_I_RoundMM] = 0;
  double value = 1.2345;
  switch (state.range(0)) {
    case 0:
      strings[IND_S_Measure] = L"m/cm";
      ints[IND_I_Decimals] = 4;
      doubles[IND_D_AcadUnits] = 0.001;
      break;
    case 1:
      strings[IND_S_Measure] = L"mm";
      ints[IND_I_Decimals] = 1;
      doubles[IND_D_AcadUnits] = 1.0;
      value = 1234.5;
      break;
    default:
      strings[IND_S_Measure] = GetResString(7051);
      ints[IND_I_Decimals] = 4;
      doubles[IND_D_AcadUnits] = 1.0;
      value = 368.3;
      break;
  }
  for (auto _ : state) {
    CString text = FormatMeasure(MEASURE_CHAIN, value, strings, ints, doubles);
    benchmark::DoNotOptimize(text);
    value += 1e-7;
  }
  pGlobDimOptions = nullptr;
  ResetIniState();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_FormatMeasure)->Arg(0)->Arg(1)->Arg(2)->ArgNames({"unit"})->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
