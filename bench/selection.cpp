// Selection by entity type over a large drawing: acedSSGet "X" with a type filter, for drawings
// of growing size (the cost should grow linearly with the drawing).
#include <benchmark/benchmark.h>

#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/SelectionSet.h"
#include "host/rx/ads.h"
#include "host/win/Console.h"

namespace {

// The current drawing filled with n entities, every third one a circle.
void FillCurrentDrawing(int n) {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  db->disableUndoRecording(true);
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
  for (int k = 0; k < n; ++k) {
    AcDbEntity* ent = (k % 3 == 0)
                          ? static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(k, k, 0), AcGeVector3d::kZAxis, 1))
                          : new AcDbLine(AcGePoint3d(k, 0, 0), AcGePoint3d(k, 10, 0));
    AcDbObjectId id;
    ms->appendAcDbEntity(id, ent);
    ent->close();
  }
  ms->close();
}

void BM_SelectCirclesByType(benchmark::State& state) {
  zhost::Console::instance().setQuiet(true);
  acDocManagerPtr()->newDocument();
  FillCurrentDrawing(static_cast<int>(state.range(0)));
  resbuf* filter = acutBuildList(RTDXF0, L"CIRCLE", RTNONE);
  Adesk::Int32 found = 0;
  for (auto _ : state) {
    ads_name ss;
    if (acedSSGet(L"X", nullptr, nullptr, filter, ss) != RTNORM) {
      state.SkipWithError("selection failed");
      break;
    }
    acedSSLength(ss, &found);
    acedSSFree(ss);
  }
  acutRelRb(filter);
  state.counters["selected"] = found;
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  acDocManagerPtr()->shutdown();
}
BENCHMARK(BM_SelectCirclesByType)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
