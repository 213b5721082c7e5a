// Building a horizontal chain of 100 and of 1,000 extensions with AddPointInput, the points in a
// random order (fixed seed): every point is placed, sorted into the chain and its texts are
// refreshed. The sort moves the new extension to its place by swaps, so a chain of n points
// costs about n^2 swaps in the worst case; the reported complexity shows how it grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

std::string MakeTempFolder() {
  std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-XXXXXX";
  return mkdtemp(base.data()) ? base : std::string();
}

// The module's option object with its defaults and a drawing as the working database.
struct ChainEnvironment {
  ChainEnvironment() {
    SetModuleInstance(zhost::RegisterStaticModule(L"/bench/chain_build.arx",
                                                  reinterpret_cast<const char*>(zhostResourceScript),
                                                  zhostResourceScriptSize));
    folder = MakeTempFolder();
    zhost::SetAppDataFolder(zhost::FromUtf8(folder + "/AppData"));
    ResetIniState();
    pGlobDimOptions = &options;
    options.LoadOptions();
    OnkInitApp();
    acdbHostApplicationServices()->setWorkingDatabase(&db);
  }
  ~ChainEnvironment() {
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    SetAppUnloaded();
    pGlobDimOptions = nullptr;
    ResetIniState();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  std::string folder;
  CGlobDimOptions options;
  AcDbDatabase db{true, true};
};

void BM_BuildChainInRandomOrder(benchmark::State& state) {
  ChainEnvironment environment;
  const int count = static_cast<int>(state.range(0));
  std::vector<double> xs;
  for (int k = 0; k < count; ++k) xs.push_back(10.0 + k * 7.5);
  std::mt19937 random(20171011);
  std::shuffle(xs.begin(), xs.end(), random);
  for (auto _ : state) {
    QBdim chain(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0), AcGePoint3d(2, 50, 0), DIMTYPE_HORIZONTAL, nullptr,
                AcDbObjectId(), 0, nullptr);
    for (double x : xs) benchmark::DoNotOptimize(chain.AddPointInput(AcGePoint3d(x, -(x / 100), 0), 0));
    if (chain.GetExtensions() != count + 2) state.SkipWithError("points were lost");
  }
  state.SetComplexityN(count);
}

BENCHMARK(BM_BuildChainInRandomOrder)->Arg(100)->Arg(1000)->Complexity()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
