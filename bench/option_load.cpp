// LoadOptions on an option file that holds every key of every mode set.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "frame/ModuleHandles.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/Profile.h"
#include "host/win/TextConv.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "settings/OptionTable.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

std::string MakeTempFolder() {
  std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-XXXXXX";
  return mkdtemp(base.data()) ? base : std::string();
}

// An option file with a value under every key of every set, and a main file naming it.
std::wstring PrepareFiles(const std::string& folder) {
  std::wstring optionFile = zhost::FromUtf8(folder + "/AllKeys.ini");
  for (int mode : {MODE_DIM, MODE_HEIGHT, MODE_TEXT}) {
    CString section = CGlobDimOptions::SectionPrefix(mode) + L"MainOptions";
    bool height = mode == MODE_HEIGHT;
    for (size_t i = 0; i < kOptionKeyCount; ++i) {
      const OptionKeyRow& row = kOptionKeys[i];
      if (row.type == OT_GEN_INT || row.type == OT_GEN_STRING) continue;
      const wchar_t* key = height && row.heightKey ? row.heightKey : row.key;
      const wchar_t* value = row.type == OT_STRING ? L"1:100" : L"2";
      WritePrivateProfileStringW(section, key, value, optionFile.c_str());
    }
    CGlobDimOptions::MakeDefaultIniValues(optionFile.c_str(), mode);
  }
  for (size_t i = 0; i < kOptionKeyCount; ++i) {
    const OptionKeyRow& row = kOptionKeys[i];
    if (row.type == OT_GEN_INT) WritePrivateProfileStringW(L"General Info", row.key, L"1", optionFile.c_str());
  }
  return optionFile;
}

void BM_LoadOptions(benchmark::State& state) {
  SetModuleInstance(zhost::RegisterStaticModule(L"/bench/option_load.arx",
                                                reinterpret_cast<const char*>(zhostResourceScript),
                                                zhostResourceScriptSize));
  std::string folder = MakeTempFolder();
  zhost::SetAppDataFolder(zhost::FromUtf8(folder + "/AppData"));
  ResetIniState();
  std::wstring optionFile = PrepareFiles(folder);
  ResetIniState();
  WritePrivateProfileStringW(L"General Info", L"CurOptionsFile", optionFile.c_str(), GetIniFileName());
  CGlobDimOptions options;
  pGlobDimOptions = &options;
  bool cold = state.range(0) != 0;
  for (auto _ : state) {
    // Cold: every value comes from the disk, as at the first load of a session.
    if (cold) ResetIniState();
    options.LoadOptions();
    benchmark::DoNotOptimize(options.dimSet.arrayDouble[IND_D_TextHeight]);
  }
  pGlobDimOptions = nullptr;
  ResetIniState();
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}
BENCHMARK(BM_LoadOptions)->Arg(1)->Arg(0)->ArgNames({"cold"})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
