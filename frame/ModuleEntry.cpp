// The module's entry points: the DLL entry, the API version and the host's message handler.
#include "frame/AppEventCatcher.h"
#include "frame/AppLifecycle.h"
#include "frame/AppReactors.h"
#include "frame/LanguageModule.h"
#include "frame/LispFunctions.h"
#include "frame/MatchProperties.h"
#include "frame/ModuleHandles.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/ModuleState.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/rx/acrx.h"
#include "host/rx/ads.h"
#include "settings/DebugLog.h"

namespace {

constexpr int kApiVersion = 0x150000;

AFX_EXTENSION_MODULE KorvexDLL = {};

void OnInitAppMessage(void* packet) {
  AcRxDynamicLinker* linker = acrxDynamicLinker;
  if (linker) {
    if (!linker->unlockApplication(packet)) TraceMsg(L"\nkInitAppMsg: the application stays locked");
    linker->registerAppMDIAware(packet);
  }
  InstallAppEventCatcher();
  OnkInitApp();
}

void OnUnloadAppMessage() {
  if (IsAppUnloaded()) return;
  AFX_MODULE_STATE* state = AfxGetModuleState();
  HINSTANCE remembered = state ? state->m_hCurrentResourceHandle : nullptr;
  RemoveAppEventCatcher();
  RemoveMatchQBdim();
  UnloadApp();
  SetAppUnloaded();
  if (remembered && remembered != GetModuleInstance()) AfxSetResourceHandle(remembered);
}

void OnLoadDrawingMessage() {
  DefineLispFunctions();
  AttachDatabaseReactorToCurrentDrawing();
}

// The result the host gets for the message; only a LISP function call reports one of its own.
int Dispatch(AcRx::AppMsgCode msg, void* packet) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      OnInitAppMessage(packet);
      break;
    case AcRx::kUnloadAppMsg:
    case AcRx::kEndMsg:
    case AcRx::kQuitMsg:
      OnUnloadAppMessage();
      break;
    case AcRx::kLoadDwgMsg:
      OnLoadDrawingMessage();
      break;
    case AcRx::kUnloadDwgMsg:
      UndefineLispFunctions();
      break;
    case AcRx::kInvkSubrMsg:
      return InvokeLispFunction();
    case AcRx::kSaveMsg:
    case AcRx::kDependencyMsg:
    case AcRx::kNoDependencyMsg:
      TraceMsgF(L"\nacrxEntryPoint: message %d", static_cast<int>(msg));
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}

}  // namespace

ZHOST_EXPORT BOOL DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
  if (dwReason == DLL_PROCESS_ATTACH) {
    if (!AfxInitExtensionModule(KorvexDLL, hInstance)) return 0;
    SetModuleInstance(hInstance);
    new CDynLinkLibrary(KorvexDLL);
  } else if (dwReason == DLL_PROCESS_DETACH) {
    AfxTermExtensionModule(KorvexDLL);
    FreeLanguageModule();
  }
  return 1;
}

ZHOST_EXPORT int acrxGetApiVersion(int) { return kApiVersion; }

ZHOST_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* packet) {
  if (msg < AcRx::kInitAppMsg || msg > AcRx::kNoDependencyMsg) return AcRx::kRetOK;
  try {
    // A LISP call that failed is reported as failed, so that the host raises its error.
    const int result = Dispatch(msg, packet);
    if (msg == AcRx::kInvkSubrMsg && (result == RSERR || result < 0)) return AcRx::kRetError;
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\nANY PROBLEM on %d message... ", static_cast<int>(msg));
  } catch (...) {
    acutPrintf(L"\nANY PROBLEM on %d message... ", static_cast<int>(msg));
  }
  return AcRx::kRetOK;
}
