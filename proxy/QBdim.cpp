// The chain dimension's runtime class.
#include "proxy/QBdim.h"

#include "frame/EntityClassRegistration.h"

namespace {
AcRxClass* g_pQBdimClass = nullptr;

AcRxObject* MakeQBdim() { return new QBdim; }
}  // namespace

AcRxClass* QBdim::desc() { return g_pQBdimClass; }

AcRxClass* QBdim::isA() const { return desc(); }

void QBdim::rxInit() { g_pQBdimClass = RegisterEntityClass(g_pQBdimClass, L"QBdim", L"QTRV_ZENKORA", MakeQBdim); }

void QBdim::rxUninit() { DeleteEntityClass(g_pQBdimClass); }
