// Chain dimension filing: a drawing of 10,000 chains encoded into the drawing format and decoded
// back (chains per second), with the option object loaded from a temporary appdata folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DwgFile.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

const int kExtensionsPerChain = 6;

// The option object with its defaults, the module marked as running, the chain class known.
class ChainEnvironment {
 public:
  ChainEnvironment() {
    std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-chain-XXXXXX";
    folder_ = mkdtemp(base.data()) ? base : std::string(".");
    SetModuleInstance(zhost::RegisterStaticModule(L"/bench/chain_filing.arx",
                                                  reinterpret_cast<const char*>(zhostResourceScript),
                                                  zhostResourceScriptSize));
    zhost::SetAppDataFolder(zhost::FromUtf8(folder_ + "/AppData"));
    ResetIniState();
    pGlobDimOptions = &options_;
    options_.LoadOptions();
    OnkInitApp();
    if (!QBdim::desc()) QBdim::rxInit();
    zhost::SetDbDiagnosticsQuiet(true);
  }
  ~ChainEnvironment() {
    SetAppUnloaded();
    pGlobDimOptions = nullptr;
    ResetIniState();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
  }

 private:
  std::string folder_;
  CGlobDimOptions options_;
};

QBdim* MakeChain(int k) {
  QBdim* chain = new QBdim;
  chain->Initialize(0);
  chain->m_xyzAxis[0] = AcGeVector3d::kXAxis;
  chain->m_xyzAxis[1] = AcGeVector3d::kYAxis;
  chain->m_xyzAxis[2] = AcGeVector3d::kZAxis;
  chain->m_vectorDim = AcGeVector3d::kXAxis;
  const double y = k * 10.0;
  for (int e = 0; e < kExtensionsPerChain; ++e) {
    const double x = e * 125.0;
    chain->arrayPoints.append(AcGePoint3d(x, y, 0));
    chain->arrayPoints.append(AcGePoint3d(x, y + 1, 0));
    chain->arrayPoints.append(AcGePoint3d(x, y + 5, 0));
    chain->arrayPoints.append(AcGePoint3d(x - 62.5, y + 5, 0));
    chain->arrayText.Add(e == 0 ? CString() : CString(zhost::FormatWide(L"1,25#%d@@@cm", e % 16)));
    chain->arrayExtFlags.Add(e % 3 == 0 ? EXTFLAG_LEADER : 0);
  }
  AppendingText* text = new AppendingText;
  text->iExt = 2;
  text->strText = L"OK FFB";
  chain->AppendTextList.Add(text);
  return chain;
}

std::unique_ptr<AcDbDatabase> MakeChainDrawing(int n) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  db->disableUndoRecording(true);
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
  for (int k = 0; k < n; ++k) {
    QBdim* chain = MakeChain(k);
    AcDbObjectId id;
    ms->appendAcDbEntity(id, chain);
    chain->close();
  }
  ms->close();
  return db;
}

void BM_EncodeChains(benchmark::State& state) {
  ChainEnvironment env;
  const int n = static_cast<int>(state.range(0));
  std::unique_ptr<AcDbDatabase> db = MakeChainDrawing(n);
  for (auto _ : state) {
    std::string bytes;
    std::wstring error;
    if (zhost::EncodeDrawing(db.get(), bytes, error) != Acad::eOk) state.SkipWithError("encode failed");
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["chains/s"] = benchmark::Counter(double(n) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_DecodeChains(benchmark::State& state) {
  ChainEnvironment env;
  const int n = static_cast<int>(state.range(0));
  std::string bytes;
  std::wstring error;
  if (zhost::EncodeDrawing(MakeChainDrawing(n).get(), bytes, error) != Acad::eOk) {
    state.SkipWithError("encode failed");
    return;
  }
  for (auto _ : state) {
    std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, true));
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    if (zhost::DecodeDrawing(data, bytes.size(), db.get(), error) != Acad::eOk) state.SkipWithError("decode failed");
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
  state.counters["chains/s"] = benchmark::Counter(double(n) * state.iterations(), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_EncodeChains)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeChains)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
