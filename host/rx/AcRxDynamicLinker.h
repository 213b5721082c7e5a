// The dynamic linker: loads and unloads applications (plug-in modules and applications linked
// into the program), sends them the application messages and tells its reactors about it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/rx/AcRxAppCodes.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxObject.h"

class AcRxDLinkerReactor : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDLinkerReactor);
  virtual void rxAppWillBeLoaded(const ACHAR* moduleName) { (void)moduleName; }
  virtual void rxAppLoaded(const ACHAR* moduleName) { (void)moduleName; }
  virtual void rxAppLoadAborted(const ACHAR* moduleName) { (void)moduleName; }
  virtual void rxAppWillBeUnloaded(const ACHAR* moduleName) { (void)moduleName; }
  virtual void rxAppUnloaded(const ACHAR* moduleName) { (void)moduleName; }
  virtual void rxAppUnloadAborted(const ACHAR* moduleName) { (void)moduleName; }
};

namespace zhost {

typedef AcRx::AppRetCode (*EntryPointFn)(AcRx::AppMsgCode, void*);
typedef int (*ApiVersionFn)(int);

// A loaded application. Its address is the application id that kInitAppMsg passes.
struct AppRecord {
  std::wstring name;  // file name of a module ("Korvex.arx"), or a linked application's name
  std::wstring path;  // the module's full path; empty for a linked application
  HINSTANCE module = nullptr;
  EntryPointFn entry = nullptr;
  bool linked = false;
  bool locked = true;  // until the application calls acrxUnlockApplication
  bool mdiAware = false;
};

// The application whose entry point runs now (innermost), or null.
const AppRecord* CurrentApp();

// Applications linked into the program, loaded by name like modules (the built-in ones and
// in-process applications of tests).
void RegisterLinkedApp(const std::wstring& name, EntryPointFn entry, ApiVersionFn apiVersion = nullptr);
void UnregisterLinkedApp(const std::wstring& name);

// Marks the named application as running for the scope (while the host runs one of its
// commands), so what it registers then is counted as its own. No effect for an unknown name.
class AppScope {
 public:
  explicit AppScope(const std::wstring& appName);
  ~AppScope();
  AppScope(const AppScope&) = delete;
  AppScope& operator=(const AppScope&) = delete;

 private:
  bool pushed_ = false;
};

// How the linker reaches the open drawings: the document layer installs these.
struct DocumentHooks {
  std::function<std::vector<void*>()> documents;  // open drawings, in order
  std::function<void*()> current;
  std::function<void(void*)> makeCurrent;
};
void SetDocumentHooks(const DocumentHooks& hooks);

// Called after an application is gone, so that the layers drop what it left registered
// (commands, LISP functions, filters) and nothing points into freed code.
void AddAppUnloadListener(const std::function<void(const AppRecord&)>& listener);

}  // namespace zhost

class AcRxDynamicLinker : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);

  AcRxDynamicLinker();
  ~AcRxDynamicLinker() override;

  // Loads a module file (a linked application by its name) and initialises it: kInitAppMsg,
  // then kLoadDwgMsg for each open drawing with that drawing current. printit reports success
  // on the command line; failures are always reported.
  bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
  // kUnloadDwgMsg for each drawing, kUnloadAppMsg, then the module is freed. Refused for a
  // locked application and for one whose service has dependencies.
  bool unloadModule(const ACHAR* fileName, bool printit, bool asCmd = false);

  bool unlockApplication(void* appId) const;
  bool lockApplication(void* appId) const;
  bool isApplicationLocked(const ACHAR* name) const;
  bool registerAppMDIAware(void* appId) const;
  bool registerAppNotMDIAware(void* appId) const;

  void addReactor(AcRxDLinkerReactor* reactor);
  void removeReactor(AcRxDLinkerReactor* reactor);

  // Host side
  bool isAppLoaded(const ACHAR* name) const { return findApp(name) != nullptr; }
  const zhost::AppRecord* findApp(const ACHAR* name) const;
  std::vector<std::wstring> loadedApps() const;
  // True while an application that is not MDI-aware is loaded (the host is then SDI).
  bool anyNotMdiAware() const;
  // Sends the message to every application in load order (kLoadDwgMsg, kUnloadDwgMsg ...).
  void broadcast(AcRx::AppMsgCode msg, void* pkt);
  // Sends one message to one application, catching what it throws.
  AcRx::AppRetCode send(const zhost::AppRecord* app, AcRx::AppMsgCode msg, void* pkt);
  // The end of the session: kQuitMsg, kEndMsg, kUnloadAppMsg to every application (last loaded
  // first), then every module is freed. Locks do not apply. With keepModulesMapped the modules
  // stay mapped until releaseKeptModules: objects of their classes that still live in open
  // drawings are destroyed after the applications went, and their code must still be there.
  void quitAll(bool keepModulesMapped = false);
  void releaseKeptModules();
  // Forgets the reactors whose class lives in the module (it is about to be freed).
  void dropReactorsIn(HINSTANCE module);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))

namespace zhost {
// The linker of the system registry.
AcRxDynamicLinker* Linker();
}  // namespace zhost
