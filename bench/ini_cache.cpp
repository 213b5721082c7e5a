// INI lookups through the cache against direct reads from the disk.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "host/mfc/CString.h"
#include "host/win/Files.h"
#include "host/win/Profile.h"
#include "host/win/TextConv.h"
#include "settings/IniFiles.h"

namespace {

struct IniFixture {
  std::string folder;
  std::wstring file;
  IniFixture() {
    std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-XXXXXX";
    folder = mkdtemp(base.data()) ? base : std::string();
    zhost::SetAppDataFolder(zhost::FromUtf8(folder + "/AppData"));
    ResetIniState();
    file = zhost::FromUtf8(folder + "/Options.ini");
    // A file of the size of a working option file: 20 sections of 40 keys.
    for (int s = 0; s < 20; ++s) {
      CString section;
      section.Format(L"Section%d", s);
      for (int k = 0; k < 40; ++k) {
        CString key, value;
        key.Format(L"Key%d", k);
        value.Format(L"value %d/%d", s, k);
        WritePrivateProfileStringW(section, key, value, file.c_str());
      }
    }
  }
  ~IniFixture() {
    ResetIniState();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

void BM_CachedRead(benchmark::State& state) {
  IniFixture fixture;
  int i = 0;
  for (auto _ : state) {
    CString key;
    key.Format(L"Key%d", i++ % 40);
    benchmark::DoNotOptimize(ReadEntryFromIni(fixture.file.c_str(), L"Section10", key).GetLength());
  }
}
BENCHMARK(BM_CachedRead);

void BM_DirectRead(benchmark::State& state) {
  IniFixture fixture;
  int i = 0;
  for (auto _ : state) {
    CString key;
    key.Format(L"Key%d", i++ % 40);
    benchmark::DoNotOptimize(ReadEntryFromDisk(fixture.file.c_str(), L"Section10", key).GetLength());
  }
}
BENCHMARK(BM_DirectRead);

}  // namespace

BENCHMARK_MAIN();
