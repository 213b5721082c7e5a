// A module's resources and the lookups through the module state: LoadStringW for one module,
// CString::LoadString(id) through the current resource handle, then the CDynLinkLibrary chain,
// then the program. An empty string table entry counts as missing, as on Windows. Dialog
// templates, menus, icons, bitmaps and toolbars are found in the same order.
#pragma once

#include <memory>
#include <vector>

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

// The modules in the order every resource lookup takes them: the current resource handle,
// the CDynLinkLibrary chain (newest first), the program; each module once.
std::vector<HINSTANCE> ResourceSearchOrder();

// Dialog templates, menus, icons, bitmaps and toolbars in the ResourceSearchOrder; null when
// no module has one. `from` (when given) receives the module that had it. The pointers stay
// valid while that module stays loaded.
const DialogTemplate* FindDialogTemplate(UINT id, HINSTANCE* from = nullptr);
const MenuTemplate* FindMenuTemplate(UINT id, HINSTANCE* from = nullptr);
const ImageResource* FindIconResource(UINT id, HINSTANCE* from = nullptr);
const ImageResource* FindBitmapResource(UINT id, HINSTANCE* from = nullptr);
const ToolbarResource* FindToolbarResource(UINT id, HINSTANCE* from = nullptr);

}  // namespace zhost

// Copies at most size - 1 characters and a NUL; returns the number copied, 0 when the string
// is missing. With size 0 the buffer receives a read-only pointer to the text itself.
int LoadStringW(HINSTANCE module, UINT id, LPWSTR buffer, int size);
