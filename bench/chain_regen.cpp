// Regenerating one chain dimension of 10, 100, 1,000 and 10,000 segments: everything the display
// asks of it (texts formatted and measured, boxes, symbols, lines) recorded as primitives. The
// time per segment should stay flat; the reported complexity says how it grows. Then the same
// number of linear dimensions rendered by python3-ezdxf (bench/peers/ezdxf_dims.py), with the
// ratio printed.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/PeerRun.h"
#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/gi/Regenerate.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

// The module's option object with its defaults and a drawing as the working database.
struct ChainEnvironment {
  ChainEnvironment() {
    SetModuleInstance(zhost::RegisterStaticModule(L"/bench/chain_regen.arx",
                                                  reinterpret_cast<const char*>(zhostResourceScript),
                                                  zhostResourceScriptSize));
    std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-XXXXXX";
    folder = mkdtemp(base.data()) ? base : std::string(".");
    zhost::SetAppDataFolder(zhost::FromUtf8(folder + "/AppData"));
    ResetIniState();
    pGlobDimOptions = &options;
    options.LoadOptions();
    OnkInitApp();
    if (!QBdim::desc()) QBdim::rxInit();
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

ChainEnvironment& Environment() {
  static ChainEnvironment environment;
  return environment;
}

// A horizontal chain of `segments` segments of 1 m, points added in order, texts formatted.
std::unique_ptr<QBdim> MakeChain(int segments) {
  Environment();
  std::unique_ptr<QBdim> chain(new QBdim(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1.5, 0),
                                         DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0, nullptr));
  for (int k = 2; k <= segments; ++k) chain->AddPointInput(AcGePoint3d(k, 0, 0), 0);
  for (int i = 1; i < chain->GetExtensions(); ++i) {
    chain->RefreshDimText(i);
    chain->PlaceText(i);
  }
  return chain;
}

double RegenSeconds(QBdim* chain) {
  zhost::RegenRecord record;
  auto start = std::chrono::steady_clock::now();
  zhost::DrawEntity(chain, record);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_RegenerateChain(benchmark::State& state) {
  const int segments = static_cast<int>(state.range(0));
  std::unique_ptr<QBdim> chain = MakeChain(segments);
  if (chain->GetExtensions() != segments + 1) {
    state.SkipWithError("the chain lost points");
    return;
  }
  size_t primitives = 0;
  for (auto _ : state) {
    zhost::RegenRecord record;
    primitives = zhost::DrawEntity(chain.get(), record).primitives.size();
    benchmark::DoNotOptimize(primitives);
  }
  state.SetItemsProcessed(state.iterations() * segments);
  state.SetComplexityN(segments);
  state.counters["primitives"] = static_cast<double>(primitives);
}

BENCHMARK(BM_RegenerateChain)->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Complexity()->Unit(benchmark::kMillisecond);

void ComparePeer() {
  const std::string script = zkbench::FindPeerScript("ezdxf_dims.py");
  for (int segments : {100, 1000}) {
    std::unique_ptr<QBdim> chain = MakeChain(segments);
    double ours = RegenSeconds(chain.get());
    for (int k = 0; k < 2; ++k) ours = std::min(ours, RegenSeconds(chain.get()));
    const double peer = script.empty() ? -1 : zkbench::RunPeerSeconds(script, {std::to_string(segments)});
    if (peer < 0 || ours <= 0) {
      std::printf("%d segments: ezdxf peer skipped (python3-ezdxf or bench/peers/ezdxf_dims.py missing)\n", segments);
      continue;
    }
    std::printf("%d segments: zhost %.4f s, ezdxf %d linear dimensions %.4f s\nratio ezdxf/zhost: %.1f\n", segments,
                ours, segments, peer, peer / ours);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ComparePeer();
  return 0;
}
