// The module instance handle.
#include "frame/ModuleHandles.h"

namespace {
HINSTANCE g_hModuleInstance = nullptr;
}

HINSTANCE GetModuleInstance() { return g_hModuleInstance; }

void SetModuleInstance(HINSTANCE instance) { g_hModuleInstance = instance; }
