// The language resource module: a resource-only module with the same resource ids as this
// module in another language, chosen by key "Language" of section "LastStatus".
#pragma once

#include "host/mfc/CString.h"

// Loads the language module named by the main INI file, unless it is the one already loaded.
// A language whose file exists nowhere frees the previous module: the module's own (German)
// resources are used then.
void LoadLanguageModule();

// The path of the language module for the language now configured: beside this module when the
// file is there, otherwise in the user data folder (returned whether or not it exists). Empty
// for a language value holding a path separator or drive colon: no language module then.
CString GetLanguageModulePath();

// Frees the language module, if one is loaded, and forgets its path.
void FreeLanguageModule();
