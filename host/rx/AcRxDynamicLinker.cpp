// The dynamic linker: module loading, the application messages in the host's order, locks,
// MDI awareness and the linker reactors.
#include "host/rx/AcRxDynamicLinker.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <typeinfo>

#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxService.h"
#include "host/rx/ModuleCode.h"
#include "host/rx/acrx.h"
#include "host/win/Console.h"
#include "host/win/Module.h"
#include "host/win/WideFormat.h"

ZHOST_RX_HOST_MEMBERS(AcRxDLinkerReactor, AcRxObject, nullptr)
ZHOST_RX_HOST_MEMBERS(AcRxDynamicLinker, AcRxObject, nullptr)

namespace zhost {
namespace {

struct LinkedApp {
  std::wstring name;  // as registered
  EntryPointFn entry;
  ApiVersionFn apiVersion;
};

std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towupper(c));
  return s;
}

std::map<std::wstring, LinkedApp>& LinkedApps() {
  static std::map<std::wstring, LinkedApp> apps;
  return apps;
}

std::vector<const AppRecord*>& RunningApps() {
  static std::vector<const AppRecord*> stack;
  return stack;
}

DocumentHooks& Hooks() {
  static DocumentHooks hooks;
  return hooks;
}

std::vector<std::function<void(const AppRecord&)>>& UnloadListeners() {
  static std::vector<std::function<void(const AppRecord&)>> listeners;
  return listeners;
}

void Say(const std::wstring& text) { Console::instance().print(text); }

// The file-name part of a path, and that without its extension.
std::wstring FileNameOf(const std::wstring& path) {
  size_t cut = path.find_last_of(L"/\\:");
  return cut == std::wstring::npos ? path : path.substr(cut + 1);
}
std::wstring BaseNameOf(const std::wstring& path) {
  std::wstring name = FileNameOf(path);
  size_t dot = name.find(L'.');
  return dot == std::wstring::npos || dot == 0 ? name : name.substr(0, dot);
}

const LinkedApp* FindLinked(const std::wstring& name) {
  auto& apps = LinkedApps();
  auto it = apps.find(Upper(name));
  if (it == apps.end()) it = apps.find(Upper(BaseNameOf(name)));
  return it == apps.end() ? nullptr : &it->second;
}

}  // namespace

const AppRecord* CurrentApp() { return RunningApps().empty() ? nullptr : RunningApps().back(); }

void RegisterLinkedApp(const std::wstring& name, EntryPointFn entry, ApiVersionFn apiVersion) {
  LinkedApps()[Upper(name)] = LinkedApp{name, entry, apiVersion};
}

void UnregisterLinkedApp(const std::wstring& name) { LinkedApps().erase(Upper(name)); }

void SetDocumentHooks(const DocumentHooks& hooks) { Hooks() = hooks; }

void AddAppUnloadListener(const std::function<void(const AppRecord&)>& listener) {
  UnloadListeners().push_back(listener);
}

AppScope::AppScope(const std::wstring& appName) {
  AcRxDynamicLinker* linker = Linker();
  const AppRecord* app = linker && !appName.empty() ? linker->findApp(appName.c_str()) : nullptr;
  if (!app) return;
  RunningApps().push_back(app);
  pushed_ = true;
}

AppScope::~AppScope() {
  if (pushed_) RunningApps().pop_back();
}

AcRxDynamicLinker* Linker() { return dynamic_cast<AcRxDynamicLinker*>(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER)); }

}  // namespace zhost

using zhost::AppRecord;

struct AcRxDynamicLinker::Impl {
  std::vector<std::unique_ptr<AppRecord>> apps;  // load order
  std::vector<AcRxDLinkerReactor*> reactors;
  bool keepModules = false;
  std::vector<HINSTANCE> keptModules;  // unloaded, still mapped (see quitAll)

  AppRecord* byId(void* appId) const {
    for (const auto& app : apps)
      if (app.get() == appId) return app.get();
    return nullptr;
  }

  AppRecord* byName(const std::wstring& name) const {
    std::wstring want = zhost::Upper(name);
    for (const auto& app : apps)
      if (zhost::Upper(app->name) == want || zhost::Upper(app->path) == want) return app.get();
    std::wstring base = zhost::Upper(zhost::BaseNameOf(name));
    for (const auto& app : apps)
      if (zhost::Upper(zhost::BaseNameOf(app->name)) == base) return app.get();
    return nullptr;
  }

  // Reactors may remove themselves while being told, so each call works on a copy.
  template <typename F>
  void tell(F call) {
    std::vector<AcRxDLinkerReactor*> copy = reactors;
    for (AcRxDLinkerReactor* r : copy)
      if (std::find(reactors.begin(), reactors.end(), r) != reactors.end()) call(r);
  }

  // Sends the message to the application once for each open drawing, that drawing current.
  void perDocument(AcRxDynamicLinker& linker, AppRecord* app, AcRx::AppMsgCode msg) {
    const zhost::DocumentHooks& hooks = zhost::Hooks();
    if (!hooks.documents) return;
    void* previous = hooks.current ? hooks.current() : nullptr;
    for (void* doc : hooks.documents()) {
      if (hooks.makeCurrent) hooks.makeCurrent(doc);
      linker.send(app, msg, doc);
    }
    if (hooks.makeCurrent && previous) hooks.makeCurrent(previous);
  }

  // Frees the module and lets the layers drop what it left behind.
  void release(AppRecord* app) {
    removeLeftoverServices(*app);
    AppRecord copy = *app;
    apps.erase(std::remove_if(apps.begin(), apps.end(), [&](const auto& a) { return a.get() == app; }),
               apps.end());
    if (copy.module && keepModules) {
      keptModules.push_back(copy.module);
    } else if (copy.module) {
      zhost::FreeModule(copy.module);
    }
    for (const auto& listener : zhost::UnloadListeners()) listener(copy);
  }

  // Services the application registered through acrxRegisterService are host objects and go
  // with it; anything else is the application's to remove.
  static void removeLeftoverServices(const AppRecord& app) {
    AcRxDictionary* services = zhost::SystemDictionary(ACRX_SERVICE_DICTIONARY);
    if (!services) return;
    std::unique_ptr<AcRxDictionaryIterator> it(services->newIterator());
    for (; !it->done(); it->next()) {
      AcRxService* service = dynamic_cast<AcRxService*>(it->object());
      if (!service || service->ownerApp() != app.name || typeid(*service) != typeid(AcRxService)) continue;
      services->remove(it->key());
      delete service;
    }
  }

  // The name of a service of the application that others still depend on, or "".
  static std::wstring busyService(const AppRecord& app, int* count) {
    AcRxDictionary* services = zhost::SystemDictionary(ACRX_SERVICE_DICTIONARY);
    if (!services) return L"";
    std::unique_ptr<AcRxDictionaryIterator> it(services->newIterator());
    for (; !it->done(); it->next()) {
      AcRxService* service = dynamic_cast<AcRxService*>(it->object());
      if (!service || service->ownerApp() != app.name || service->unloadable()) continue;
      *count = service->dependencyCount();
      return it->key();
    }
    return L"";
  }
};

namespace {

// A module about to be freed must not stay a reactor: later notifications would call into
// freed code.
void DropReactorsOf(HINSTANCE module) {
  if (AcRxDynamicLinker* linker = zhost::Linker()) linker->dropReactorsIn(module);
}

}  // namespace

AcRxDynamicLinker::AcRxDynamicLinker() : impl_(new Impl) { zhost::AddModuleReleaseHook(DropReactorsOf); }

void AcRxDynamicLinker::dropReactorsIn(HINSTANCE module) {
  auto& reactors = impl_->reactors;
  reactors.erase(std::remove_if(reactors.begin(), reactors.end(),
                                [&](AcRxDLinkerReactor* r) {
                                  return zhost::AddressInModule(*reinterpret_cast<void* const*>(r), module);
                                }),
                 reactors.end());
}
AcRxDynamicLinker::~AcRxDynamicLinker() = default;

AcRx::AppRetCode AcRxDynamicLinker::send(const AppRecord* app, AcRx::AppMsgCode msg, void* pkt) {
  if (!app || !app->entry) return AcRx::kRetError;
  auto& running = zhost::RunningApps();
  running.push_back(app);
  AcRx::AppRetCode result = AcRx::kRetError;
  try {
    result = app->entry(msg, pkt);
  } catch (CException* e) {
    e->Delete();
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" failed on message %d.", app->name.c_str(), int(msg)));
  } catch (...) {
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" failed on message %d.", app->name.c_str(), int(msg)));
  }
  running.pop_back();
  return result;
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool /*asCmd*/) {
  std::wstring request = fileName ? fileName : L"";
  if (request.empty()) {
    zhost::Say(L"\nNo application name given.");
    return false;
  }
  if (const AppRecord* loaded = impl_->byName(request)) {
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" is already loaded.", loaded->name.c_str()));
    return true;
  }
  auto app = std::make_unique<AppRecord>();
  zhost::ApiVersionFn apiVersion = nullptr;
  if (const zhost::LinkedApp* linked = zhost::FindLinked(request)) {
    app->name = linked->name;
    app->linked = true;
    app->entry = linked->entry;
    apiVersion = linked->apiVersion;
  } else {
    std::wstring error;
    HINSTANCE module = zhost::LoadModule(request, &error);
    if (!module) {
      zhost::Say(zhost::FormatWide(L"\nCannot load \"%s\": %s", request.c_str(), error.c_str()));
      return false;
    }
    app->path = zhost::ModulePath(module);
    app->name = zhost::FileNameOf(app->path);
    app->module = module;
    for (const auto& other : impl_->apps) {
      if (other->module != module) continue;
      zhost::FreeModule(module);
      zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" is already loaded.", other->name.c_str()));
      return true;
    }
    apiVersion = reinterpret_cast<zhost::ApiVersionFn>(zhost::ModuleSymbol(module, "acrxGetApiVersion"));
    app->entry = reinterpret_cast<zhost::EntryPointFn>(zhost::ModuleSymbol(module, "acrxEntryPoint"));
    const wchar_t* missing = !apiVersion ? L"acrxGetApiVersion" : (!app->entry ? L"acrxEntryPoint" : nullptr);
    if (missing) {
      zhost::Say(zhost::FormatWide(L"\nCannot load \"%s\": it is not an application of this host (no %s).",
                                   request.c_str(), missing));
      zhost::FreeModule(module);
      return false;
    }
  }
  std::wstring name = app->name;
  impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppWillBeLoaded(name.c_str()); });
  if (apiVersion) {
    int version = apiVersion(ZHOST_API_VERSION);
    if ((version >> 16) != (ZHOST_API_VERSION >> 16)) {
      zhost::Say(zhost::FormatWide(
          L"\nCannot load \"%s\": it was built for API version %d.%d (0x%X); this host runs %d.%d.",
          name.c_str(), version >> 16, (version >> 8) & 0xFF, unsigned(version), ZHOST_API_VERSION >> 16,
          (ZHOST_API_VERSION >> 8) & 0xFF));
      if (app->module) zhost::FreeModule(app->module);
      impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppLoadAborted(name.c_str()); });
      return false;
    }
  }
  AppRecord* record = app.get();
  impl_->apps.push_back(std::move(app));
  if (send(record, AcRx::kInitAppMsg, record) != AcRx::kRetOK) {
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" failed to initialise and is unloaded.", name.c_str()));
    impl_->release(record);
    impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppLoadAborted(name.c_str()); });
    return false;
  }
  const zhost::DocumentHooks& hooks = zhost::Hooks();
  size_t openDrawings = hooks.documents ? hooks.documents().size() : 0;
  if (!record->mdiAware && openDrawings > 1) {
    zhost::Say(zhost::FormatWide(L"\nCannot load \"%s\": it is not MDI-aware and %d drawings are open. "
                                 L"Close all drawings but one first.",
                                 name.c_str(), int(openDrawings)));
    send(record, AcRx::kUnloadAppMsg, record);
    impl_->release(record);
    impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppLoadAborted(name.c_str()); });
    return false;
  }
  impl_->perDocument(*this, record, AcRx::kLoadDwgMsg);
  if (printit) zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" loaded.", name.c_str()));
  impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppLoaded(name.c_str()); });
  return true;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool printit, bool /*asCmd*/) {
  std::wstring request = fileName ? fileName : L"";
  AppRecord* app = impl_->byName(request);
  if (!app) {
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" is not loaded.", request.c_str()));
    return false;
  }
  std::wstring name = app->name;
  if (app->locked) {
    zhost::Say(zhost::FormatWide(
        L"\nCannot unload \"%s\": the application is locked (it has not called acrxUnlockApplication).",
        name.c_str()));
    return false;
  }
  int dependencies = 0;
  std::wstring busy = Impl::busyService(*app, &dependencies);
  if (!busy.empty()) {
    zhost::Say(zhost::FormatWide(L"\nCannot unload \"%s\": %d application(s) depend on its service \"%s\".",
                                 name.c_str(), dependencies, busy.c_str()));
    return false;
  }
  impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppWillBeUnloaded(name.c_str()); });
  impl_->perDocument(*this, app, AcRx::kUnloadDwgMsg);
  if (send(app, AcRx::kUnloadAppMsg, app) != AcRx::kRetOK) {
    zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" refused to unload.", name.c_str()));
    impl_->perDocument(*this, app, AcRx::kLoadDwgMsg);
    impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppUnloadAborted(name.c_str()); });
    return false;
  }
  impl_->release(app);
  if (printit) zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" unloaded.", name.c_str()));
  impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppUnloaded(name.c_str()); });
  return true;
}

void AcRxDynamicLinker::quitAll(bool keepModulesMapped) {
  impl_->keepModules = keepModulesMapped;
  std::vector<AppRecord*> order;
  for (auto it = impl_->apps.rbegin(); it != impl_->apps.rend(); ++it) order.push_back(it->get());
  for (AppRecord* app : order) send(app, AcRx::kQuitMsg, nullptr);
  for (AppRecord* app : order) send(app, AcRx::kEndMsg, nullptr);
  for (AppRecord* app : order) {
    std::wstring name = app->name;
    impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppWillBeUnloaded(name.c_str()); });
    send(app, AcRx::kUnloadAppMsg, app);
  }
  for (AppRecord* app : order) {
    std::wstring name = app->name;
    bool builtIn = app->linked;
    impl_->release(app);
    if (!builtIn) zhost::Say(zhost::FormatWide(L"\nApplication \"%s\" unloaded.", name.c_str()));
    impl_->tell([&](AcRxDLinkerReactor* r) { r->rxAppUnloaded(name.c_str()); });
  }
  impl_->keepModules = false;
}

void AcRxDynamicLinker::releaseKeptModules() {
  std::vector<HINSTANCE> modules;
  modules.swap(impl_->keptModules);
  for (auto it = modules.rbegin(); it != modules.rend(); ++it) zhost::FreeModule(*it);
}

void AcRxDynamicLinker::broadcast(AcRx::AppMsgCode msg, void* pkt) {
  std::vector<AppRecord*> order;
  for (const auto& app : impl_->apps) order.push_back(app.get());
  for (AppRecord* app : order)
    if (impl_->byId(app)) send(app, msg, pkt);
}

bool AcRxDynamicLinker::unlockApplication(void* appId) const {
  AppRecord* app = impl_->byId(appId);
  if (!app) return false;
  app->locked = false;
  return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) const {
  AppRecord* app = impl_->byId(appId);
  if (!app) return false;
  app->locked = true;
  return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const ACHAR* name) const {
  const AppRecord* app = impl_->byName(name ? name : L"");
  return app && app->locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) const {
  AppRecord* app = impl_->byId(appId);
  if (!app) return false;
  app->mdiAware = true;
  return true;
}

bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId) const {
  AppRecord* app = impl_->byId(appId);
  if (!app) return false;
  app->mdiAware = false;
  return true;
}

void AcRxDynamicLinker::addReactor(AcRxDLinkerReactor* reactor) {
  if (!reactor) return;
  if (std::find(impl_->reactors.begin(), impl_->reactors.end(), reactor) == impl_->reactors.end())
    impl_->reactors.push_back(reactor);
}

void AcRxDynamicLinker::removeReactor(AcRxDLinkerReactor* reactor) {
  impl_->reactors.erase(std::remove(impl_->reactors.begin(), impl_->reactors.end(), reactor),
                        impl_->reactors.end());
}

const AppRecord* AcRxDynamicLinker::findApp(const ACHAR* name) const { return impl_->byName(name ? name : L""); }

std::vector<std::wstring> AcRxDynamicLinker::loadedApps() const {
  std::vector<std::wstring> names;
  for (const auto& app : impl_->apps) names.push_back(app->name);
  return names;
}

bool AcRxDynamicLinker::anyNotMdiAware() const {
  return std::any_of(impl_->apps.begin(), impl_->apps.end(), [](const auto& a) { return !a->mdiAware; });
}

// The application functions of the module contract.

bool acrxUnlockApplication(void* appId) {
  AcRxDynamicLinker* linker = zhost::Linker();
  return linker && linker->unlockApplication(appId);
}

bool acrxLockApplication(void* appId) {
  AcRxDynamicLinker* linker = zhost::Linker();
  return linker && linker->lockApplication(appId);
}

bool acrxApplicationIsLocked(const ACHAR* modulename) {
  AcRxDynamicLinker* linker = zhost::Linker();
  return linker && linker->isApplicationLocked(modulename);
}

bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd) {
  AcRxDynamicLinker* linker = zhost::Linker();
  return linker && linker->loadModule(moduleName, printit, asCmd);
}

bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd) {
  AcRxDynamicLinker* linker = zhost::Linker();
  return linker && linker->unloadModule(moduleName, false, asCmd);
}

bool acrxLoadApp(const ACHAR* appname, bool asCmd) { return acrxLoadModule(appname, false, asCmd); }
bool acrxUnloadApp(const ACHAR* appname, bool asCmd) { return acrxUnloadModule(appname, asCmd); }
