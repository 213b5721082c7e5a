// The module's own instance handle and access to the language module handle and path.
#pragma once

#include "host/mfc/CString.h"
#include "host/win/WinTypes.h"

// This module's instance, stored by the DLL entry point on process attach.
HINSTANCE GetModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// The language resource module now loaded, or null when the module's own resources are in use.
// Both are owned by frame/LanguageModule.cpp.
HINSTANCE GetLanguageModule();
CString GetLoadedLanguageModulePath();
