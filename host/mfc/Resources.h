// A module's resources and the lookups through the module state: LoadStringW for one module,
// CString::LoadString(id) through the current resource handle, then the CDynLinkLibrary chain,
// then the program. An empty string table entry counts as missing, as on Windows.
#pragma once

#include <memory>

#include "host/mfc/CString.h"
#include "host/mfc/ResourceScript.h"
#include "host/win/WinTypes.h"

namespace zhost {

// The module's parsed resource script (parsed at the first call); an empty script for a
// module without resources or a handle that is no module. Never null.
std::shared_ptr<const ResourceScript> ModuleResources(HINSTANCE module);

// The text of string `id` in `module` alone, or null (missing or empty).
const std::wstring* FindModuleString(HINSTANCE module, UINT id);
// The module whose resources give string `id` in the CString::LoadString order, or null.
HINSTANCE FindStringResourceHandle(UINT id);

}  // namespace zhost

// Copies at most size - 1 characters and a NUL; returns the number copied, 0 when the string
// is missing. With size 0 the buffer receives a read-only pointer to the text itself.
int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int size);
