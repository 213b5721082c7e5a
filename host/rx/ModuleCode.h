// Whether an address (a function, a vtable) lies in a given module's code or data, so the host
// can drop what a module left registered before the module's memory goes away.
#pragma once

#include "host/win/WinTypes.h"

namespace zhost {

bool AddressInModule(const void* address, HINSTANCE module);

}  // namespace zhost
