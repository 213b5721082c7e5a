// Init, unload and final unload of the module.
#include "frame/AppLifecycle.h"

#include "frame/AppReactors.h"
#include "frame/AppRegistration.h"
#include "frame/CommandTable.h"
#include "frame/DocumentLocks.h"
#include "frame/LanguageModule.h"
#include "frame/MainPalette.h"
#include "frame/MessageFilter.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/ModuleState.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

namespace {

bool g_bUnloaded = true;
// Set by the first init, cleared by the final unload: nothing to undo without an init.
bool g_bFinalUnloadPending = false;

// The final unload runs when the module's statics go away, after the host's last message.
struct FinalUnloadAtStaticDestruction {
  ~FinalUnloadAtStaticDestruction() { FinalUnload(); }
} g_finalUnloadAtExit;

void DeleteDebugLogFile() {
  if (DeleteDebugLog()) return;
  const CString path = GetDebugLogPath();
  acutPrintf(L"\nFile %s cannot be removed...", path.GetString());
}

}  // namespace

bool IsAppUnloaded() { return g_bUnloaded; }

void SetAppUnloaded() { g_bUnloaded = true; }

void OnkInitApp() {
  g_bUnloaded = false;
  if (pGlobDimOptions) {
    TraceMsg(L"\nOnkInitApp: the application is already initialised");
    return;
  }
  g_bFinalUnloadPending = true;
  pGlobDimOptions = new CGlobDimOptions;
  pGlobDimOptions->LoadOptions();
  LoadLanguageModule();
  RegisterAppObjects();
}

void UnloadApp() {
  try {
    EndApp(true, true);
    RemoveAppService();
    ReleaseHeldDocumentLocks();
    StopAppReactors();
    FlushIni();
    RemoveAppMessageFilter();
    AfxSetResourceHandle(acedGetAcadResourceInstance());
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\nUnloadApp: exception");
  } catch (...) {
    TraceMsg(L"\nUnloadApp: exception");
  }
}

void FinalUnload() {
  if (!g_bFinalUnloadPending) return;
  g_bFinalUnloadPending = false;
  try {
    DeleteEntityClasses();
    RemoveAppCommands();
    delete pGlobDimOptions;
    pGlobDimOptions = nullptr;
    DeleteDebugLogFile();
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}
