// The height mark's runtime class.
#include "proxy/QBdimHeight.h"

#include "frame/EntityClassRegistration.h"

namespace {
AcRxClass* g_pQBdimHeightClass = nullptr;

AcRxObject* MakeQBdimHeight() { return new QBdimHeight; }
}  // namespace

AcRxClass* QBdimHeight::desc() { return g_pQBdimHeightClass; }

AcRxClass* QBdimHeight::isA() const { return desc(); }

void QBdimHeight::rxInit() {
  g_pQBdimHeightClass =
      RegisterEntityClass(g_pQBdimHeightClass, L"QBdimHeight", L"QTRV_DIM_HEIGHT", MakeQBdimHeight);
}

void QBdimHeight::rxUninit() { DeleteEntityClass(g_pQBdimHeightClass); }
