// The module registry: loading, counting and unloading modules, and their symbols.
#include "host/win/Module.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "host/mfc/Exceptions.h"
#include "host/win/TextCase.h"
#include "host/win/TextConv.h"

namespace {

typedef BOOL (*DllMainFn)(HINSTANCE, DWORD, LPVOID);

struct Registry {
  std::recursive_mutex mutex;
  std::vector<std::unique_ptr<HINSTANCE__>> modules;
  std::vector<void (*)(HINSTANCE)> releaseHooks;
};

// Never destroyed: modules may be freed from other static destructors at exit.
Registry& TheRegistry() {
  static Registry* registry = new Registry;
  return *registry;
}

std::string ExecutablePath() {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::wstring FileNameOf(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

HINSTANCE FindByPath(Registry& r, const std::wstring& path) {
  for (auto& m : r.modules)
    if (m->path == path) return m.get();
  return nullptr;
}

// The canonical path of the file a load names, or "" when there is none.
std::string ResolveModulePath(const std::wstring& path) {
  std::string p = zhost::ToFsPath(path);
  std::vector<std::string> candidates;
  if (p.find('/') == std::string::npos) candidates.push_back(FolderOf(ExecutablePath()) + "/" + p);
  candidates.push_back(p);
  char resolved[PATH_MAX];
  for (const auto& c : candidates)
    if (::access(c.c_str(), F_OK) == 0 && ::realpath(c.c_str(), resolved)) return resolved;
  return std::string();
}

void* OwnSymbol(void* dl, const char* name) {
  if (!dl || !name) return nullptr;
  ::dlerror();
  void* symbol = ::dlsym(dl, name);
  if (!symbol) return nullptr;
  struct link_map* own = nullptr;
  if (::dlinfo(dl, RTLD_DI_LINKMAP, &own) != 0 || !own) return nullptr;
  Dl_info info;
  struct link_map* where = nullptr;
  if (!::dladdr1(symbol, &info, reinterpret_cast<void**>(&where), RTLD_DL_LINKMAP)) return nullptr;
  return where == own ? symbol : nullptr;
}

void TakeResourceScript(HINSTANCE module) {
  const char* script = static_cast<const char*>(OwnSymbol(module->dl, "zhostResourceScript"));
  if (!script) return;
  const auto* size = static_cast<const unsigned long*>(OwnSymbol(module->dl, "zhostResourceScriptSize"));
  module->resourceScript.assign(script, size ? *size : std::strlen(script));
  module->hasResourceScript = true;
}

// DllMain's answer; a module that has none agrees. An exception counts as a refusal.
bool CallDllMain(HINSTANCE module, DWORD reason) {
  auto entry = reinterpret_cast<DllMainFn>(OwnSymbol(module->dl, "DllMain"));
  if (!entry) return true;
  try {
    return entry(module, reason, nullptr) != FALSE;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return false;
}

void Forget(Registry& r, HINSTANCE module) {
  for (auto it = r.modules.begin(); it != r.modules.end(); ++it)
    if (it->get() == module) {
      r.modules.erase(it);
      return;
    }
}

void Unload(Registry& r, HINSTANCE module, bool detach) {
  if (detach) CallDllMain(module, DLL_PROCESS_DETACH);
  std::vector<void (*)(HINSTANCE)> hooks = r.releaseHooks;
  for (auto hook : hooks) hook(module);
  void* dl = module->dl;
  Forget(r, module);
  if (dl) ::dlclose(dl);
}

HINSTANCE CreateHostModule(Registry& r) {
  auto module = std::make_unique<HINSTANCE__>();
  module->path = zhost::FromUtf8(ExecutablePath());
  module->dl = ::dlopen(nullptr, RTLD_NOW);
  module->refCount = 1;
  module->isStatic = true;
  TakeResourceScript(module.get());
  r.modules.insert(r.modules.begin(), std::move(module));
  return r.modules.front().get();
}

}  // namespace

namespace zhost {

HINSTANCE HostModule() {
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  static HINSTANCE host = CreateHostModule(r);
  return host;
}

HINSTANCE LoadModule(const std::wstring& path, std::wstring* error) {
  HostModule();
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  auto fail = [&](DWORD code, const std::wstring& why) -> HINSTANCE {
    SetLastError(code);
    if (error) *error = why;
    return nullptr;
  };
  std::string file = ResolveModulePath(path);
  if (file.empty()) return fail(ERROR_MOD_NOT_FOUND, L"module not found: " + path);
  std::wstring canonical = FromUtf8(file);
  if (HINSTANCE loaded = FindByPath(r, canonical)) {
    if (!loaded->isStatic) ++loaded->refCount;
    return loaded;
  }
  void* dl = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!dl) {
    const char* why = ::dlerror();
    return fail(ERROR_BAD_EXE_FORMAT, L"cannot load module " + canonical + L": " + FromUtf8(why ? why : "?"));
  }
  auto record = std::make_unique<HINSTANCE__>();
  HINSTANCE module = record.get();
  module->path = canonical;
  module->dl = dl;
  module->refCount = 1;
  TakeResourceScript(module);
  r.modules.push_back(std::move(record));
  if (!CallDllMain(module, DLL_PROCESS_ATTACH)) {
    Unload(r, module, true);
    return fail(ERROR_DLL_INIT_FAILED, L"module refused to initialise: " + canonical);
  }
  return module;
}

bool FreeModule(HINSTANCE module) {
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  if (!IsModule(module)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (module->isStatic || --module->refCount > 0) return true;
  Unload(r, module, true);
  return true;
}

void* ModuleSymbol(HINSTANCE module, const char* name) {
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  if (!IsModule(module)) return nullptr;
  return OwnSymbol(module->dl, name);
}

std::wstring ModulePath(HINSTANCE module) {
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  return IsModule(module) ? module->path : std::wstring();
}

bool IsModule(HINSTANCE module) {
  if (!module) return false;
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  for (auto& m : r.modules)
    if (m.get() == module) return true;
  return false;
}

std::vector<HINSTANCE> LoadedModules() {
  HostModule();
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  std::vector<HINSTANCE> out;
  for (auto& m : r.modules) out.push_back(m.get());
  return out;
}

HINSTANCE RegisterStaticModule(const std::wstring& path, const char* resourceScript, size_t size) {
  HostModule();
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  HINSTANCE module = FindByPath(r, path);
  if (!module) {
    r.modules.push_back(std::make_unique<HINSTANCE__>());
    module = r.modules.back().get();
    module->path = path;
    module->refCount = 1;
    module->isStatic = true;
  }
  module->hasResourceScript = resourceScript != nullptr;
  module->resourceScript = resourceScript ? std::string(resourceScript, size) : std::string();
  module->resources.reset();
  return module;
}

void AddModuleReleaseHook(void (*hook)(HINSTANCE module)) {
  Registry& r = TheRegistry();
  std::lock_guard<std::recursive_mutex> lock(r.mutex);
  for (auto h : r.releaseHooks)
    if (h == hook) return;
  r.releaseHooks.push_back(hook);
}

}  // namespace zhost

HMODULE LoadLibraryW(LPCWSTR path) {
  if (!path || !*path) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return zhost::LoadModule(path, nullptr);
}

HMODULE LoadLibraryExW(LPCWSTR path, HANDLE, DWORD) { return LoadLibraryW(path); }

BOOL FreeLibrary(HMODULE module) { return zhost::FreeModule(module) ? TRUE : FALSE; }

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (!zhost::IsModule(module)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  void* symbol = zhost::ModuleSymbol(module, name);
  if (!symbol) SetLastError(ERROR_PROC_NOT_FOUND);
  return reinterpret_cast<FARPROC>(symbol);
}

HMODULE GetModuleHandleW(LPCWSTR name) {
  if (!name) return zhost::HostModule();
  std::wstring wanted = name;
  bool byPath = wanted.find_first_of(L"/\\") != std::wstring::npos;
  if (byPath) wanted = zhost::FromUtf8(zhost::ToFsPath(wanted));
  for (HINSTANCE m : zhost::LoadedModules()) {
    const std::wstring& candidate = byPath ? m->path : FileNameOf(m->path);
    if (zhost::EqualsNoCase(candidate, wanted)) return m;
  }
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD size) {
  if (!module) module = zhost::HostModule();
  if (!zhost::IsModule(module)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  std::wstring path = zhost::ModulePath(module);
  if (!buffer || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (path.size() < size) {
    std::wmemcpy(buffer, path.c_str(), path.size() + 1);
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(path.size());
  }
  std::wmemcpy(buffer, path.c_str(), size - 1);
  buffer[size - 1] = 0;
  SetLastError(ERROR_INSUFFICIENT_BUFFER);
  return size;
}
