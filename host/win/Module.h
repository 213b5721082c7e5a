// Modules: the running program, plug-in and resource-only modules loaded with dlopen, and
// records for module code linked into the program. A module carries its resources as the
// exported symbols `zhostResourceScript` (NUL-terminated UTF-8 resource script) and
// `zhostResourceScriptSize`; its exported extern "C" BOOL DllMain(HINSTANCE, DWORD, LPVOID)
// is called with DLL_PROCESS_ATTACH at the first load and DLL_PROCESS_DETACH at the last free.
// Module paths are file-system paths with "/".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/win/LastError.h"
#include "host/win/WinTypes.h"

namespace zhost {
struct ResourceScript;
}

struct HINSTANCE__ {
  std::wstring path;            // canonical path of the file
  void* dl = nullptr;           // dlopen handle (the program's own for the program)
  int refCount = 0;             // loads not yet freed; static records are never unloaded
  bool isStatic = false;        // the program or code linked into it
  bool hasResourceScript = false;
  std::string resourceScript;   // the module's resource script, copied at load
  // Parsed on first use by the resource layer (host/mfc/Resources.h).
  std::shared_ptr<const zhost::ResourceScript> resources;
};

typedef intptr_t (*FARPROC)();

#define LOAD_LIBRARY_AS_DATAFILE 0x00000002
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x00000020

namespace zhost {

// Loads the module (dlopen RTLD_NOW | RTLD_LOCAL), counted per canonical path. A bare file
// name is looked for beside the program first, then in the current folder. When the module's
// DllMain refuses the attach, it gets DLL_PROCESS_DETACH, is unloaded again and null returned.
// On failure `error` (when given) says why and GetLastError() is set.
HINSTANCE LoadModule(const std::wstring& path, std::wstring* error);
// Releases one load; at the last: DllMain(DLL_PROCESS_DETACH), the release hooks, dlclose.
// False for a handle that is not a loaded module.
bool FreeModule(HINSTANCE module);
// The module's own exported symbol (not one of a library it uses), or null.
void* ModuleSymbol(HINSTANCE module, const char* name);
std::wstring ModulePath(HINSTANCE module);
// True while `module` is a live module record.
bool IsModule(HINSTANCE module);
std::vector<HINSTANCE> LoadedModules();

HINSTANCE HostModule();
// A module record for module code linked into the program (tests of module code); the script
// is copied. Registering a path again replaces that record's resources.
HINSTANCE RegisterStaticModule(const std::wstring& path, const char* resourceScript, size_t size);

// Called for a module about to be unloaded, after its DllMain detach and before dlclose.
void AddModuleReleaseHook(void (*hook)(HINSTANCE module));

}  // namespace zhost

HMODULE LoadLibraryW(LPCWSTR path);
HMODULE LoadLibraryExW(LPCWSTR path, HANDLE reserved, DWORD flags);
BOOL FreeLibrary(HMODULE module);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
// NULL: the program. A name: an already loaded module with that file name (case-insensitive)
// or that path; the load count is not changed.
HMODULE GetModuleHandleW(LPCWSTR name);
// Copies at most size - 1 characters and a NUL. Returns the length copied; when the path was
// cut, `size` with ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size);

inline HMODULE LoadLibrary(LPCWSTR path) { return LoadLibraryW(path); }
inline HMODULE GetModuleHandle(LPCWSTR name) { return GetModuleHandleW(name); }
inline DWORD GetModuleFileName(HMODULE m, LPWSTR b, DWORD n) { return GetModuleFileNameW(m, b, n); }
