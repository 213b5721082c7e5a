// Drawing files: saving and reading a drawing of 100,000 entities (entities per second, and the
// time against plainly reading the same file's bytes in the same run), and opening and closing
// objects.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DwgFile.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"

namespace {

// A drawing of n entities (lines and circles) in model space.
std::unique_ptr<AcDbDatabase> MakeDrawing(int n, std::vector<AcDbObjectId>* ids = nullptr) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  db->disableUndoRecording(true);
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
  for (int k = 0; k < n; ++k) {
    AcDbEntity* ent = (k % 2) ? static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(k, k, 0), AcGeVector3d(0, 0, 1), 1 + k % 7))
                              : new AcDbLine(AcGePoint3d(k, 0, 0), AcGePoint3d(k, 10, 0));
    AcDbObjectId id;
    ms->appendAcDbEntity(id, ent);
    ent->close();
    if (ids) ids->push_back(id);
  }
  ms->close();
  return db;
}

struct TempFile {
  std::string folder, path;
  TempFile() {
    std::string base = std::filesystem::temp_directory_path().string() + "/zkbench-dwg-XXXXXX";
    folder = mkdtemp(base.data()) ? base : std::string(".");
    path = folder + "/drawing.dwg";
  }
  ~TempFile() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

void BM_SaveDrawing(benchmark::State& state) {
  zhost::SetDbDiagnosticsQuiet(true);
  const int n = static_cast<int>(state.range(0));
  std::unique_ptr<AcDbDatabase> db = MakeDrawing(n);
  TempFile file;
  const std::wstring path = zhost::FromUtf8(file.path);
  for (auto _ : state) {
    if (db->saveAs(path.c_str()) != Acad::eOk) state.SkipWithError("save failed");
  }
  state.counters["entities/s"] = benchmark::Counter(double(n) * state.iterations(), benchmark::Counter::kIsRate);
}

// Reading the drawing, and the plain read of its bytes in the same run: ratio = drawing read
// time / byte read time.
void BM_ReadDrawing(benchmark::State& state) {
  zhost::SetDbDiagnosticsQuiet(true);
  const int n = static_cast<int>(state.range(0));
  TempFile file;
  const std::wstring path = zhost::FromUtf8(file.path);
  MakeDrawing(n)->saveAs(path.c_str());
  double drawingSeconds = 0, byteSeconds = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    std::wstring error;
    std::unique_ptr<AcDbDatabase> db(zhost::ReadDrawingFile(path, error));
    auto t1 = std::chrono::steady_clock::now();
    if (!db) state.SkipWithError("read failed");
    std::string bytes;
    DWORD code = 0;
    zhost::ReadWholeFile(file.path, bytes, &code);
    benchmark::DoNotOptimize(bytes.data());
    auto t2 = std::chrono::steady_clock::now();
    drawingSeconds += std::chrono::duration<double>(t1 - t0).count();
    byteSeconds += std::chrono::duration<double>(t2 - t1).count();
    state.PauseTiming();
    db.reset();
    state.ResumeTiming();
  }
  state.counters["entities/s"] = double(n) * state.iterations() / (drawingSeconds > 0 ? drawingSeconds : 1);
  state.counters["ratio_to_bytes"] = byteSeconds > 0 ? drawingSeconds / byteSeconds : 0;
}

void BM_OpenCloseObjects(benchmark::State& state) {
  zhost::SetDbDiagnosticsQuiet(true);
  std::vector<AcDbObjectId> ids;
  std::unique_ptr<AcDbDatabase> db = MakeDrawing(static_cast<int>(state.range(0)), &ids);
  for (auto _ : state) {
    for (const AcDbObjectId& id : ids) {
      AcDbEntity* ent = nullptr;
      if (acdbOpenObject(ent, id, AcDb::kForRead) == Acad::eOk) ent->close();
    }
  }
  state.counters["opens/s"] = benchmark::Counter(double(ids.size()) * state.iterations(), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(BM_SaveDrawing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDrawing)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenCloseObjects)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
