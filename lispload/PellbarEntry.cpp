// The LISP loader module: its DLL entry, the host's module entry points and the two LISP
// functions it defines in every drawing.
#include <string>

#include "host/ed/CommandLine.h"
#include "host/ed/Lisp.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/rx/acrx.h"
#include "host/rx/ads.h"
#include "host/win/Module.h"
#include "lispload/LoaderNames.h"

namespace {

constexpr int kLoaderFunctionCode = 1;
constexpr int kFolderFunctionCode = 2;
constexpr int kApiVersion = 0x150000;

HINSTANCE g_hInstance = nullptr;
bool g_bFirstDocument = true;
int g_iHostApiVersion = 0;

// The module's own path and everything derived from it, computed once.
struct LoaderIdentity {
  std::wstring modulePath;
  std::wstring loaderFunction;
  std::wstring folderFunction;
  std::wstring folder;
  bool supported = false;
};

std::wstring ReadModulePath() {
  wchar_t buffer[pellbar::kModulePathBufferSize] = {0};
  // A cut path still ends in a NUL; it is longer than the loader supports either way.
  GetModuleFileNameW(g_hInstance, buffer, pellbar::kModulePathBufferSize);
  return std::wstring(buffer);
}

const LoaderIdentity& Identity() {
  static const LoaderIdentity identity = [] {
    LoaderIdentity id;
    id.modulePath = ReadModulePath();
    id.supported = pellbar::IsSupportedModulePath(id.modulePath);
    const std::wstring base = pellbar::BaseNameOf(id.modulePath);
    id.loaderFunction = pellbar::LoaderFunctionName(base);
    id.folderFunction = pellbar::FolderFunctionName(base);
    id.folder = pellbar::FolderOf(id.modulePath);
    return id;
  }();
  return identity;
}

void ReportUnsupportedPath(const LoaderIdentity& id) {
  acutPrintf(L"\nPellbar: the module path has %d characters; at most %d are supported.",
             static_cast<int>(id.modulePath.size()), static_cast<int>(pellbar::kMaxModulePathLength - 1));
  acutPrintf(L"\nPellbar: \"%s\" is not loaded. Install the module in a folder with a shorter path.",
             pellbar::LoadPathOf(id.modulePath).c_str());
}

void OnInitApp(void* packet) {
  acrxUnlockApplication(packet);
  AcRxObject* linker = acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER);
  if (!linker || !linker->isA()->isDerivedFrom(AcRxDynamicLinker::desc())) return;
  static_cast<AcRxDynamicLinker*>(linker)->registerAppMDIAware(packet);
}

void OnLoadDrawing() {
  const LoaderIdentity& id = Identity();
  const bool first = g_bFirstDocument;
  g_bFirstDocument = false;
  if (!id.supported) {
    if (first) ReportUnsupportedPath(id);
    return;
  }
  if (first) {
    acedDefun(id.loaderFunction.c_str(), kLoaderFunctionCode);
    ads_queueexpr((L"(" + id.loaderFunction + L")").c_str());
  }
  acedDefun(id.folderFunction.c_str(), kFolderFunctionCode);
}

void OnInvokeFunction() {
  const LoaderIdentity& id = Identity();
  if (acedGetFunCode() == kLoaderFunctionCode) {
    acedUndef(id.loaderFunction.c_str(), kLoaderFunctionCode);
    ads_queueexpr(pellbar::LoadExpression(id.modulePath).c_str());
    acedRetList(nullptr);
    return;
  }
  acedRetStr(id.folder.c_str());
}

}  // namespace

ZHOST_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_hInstance = instance;
  return TRUE;
}

ZHOST_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* packet) {
  try {
    switch (msg) {
      case AcRx::kInitAppMsg:
        OnInitApp(packet);
        break;
      case AcRx::kLoadDwgMsg:
        OnLoadDrawing();
        break;
      case AcRx::kInvkSubrMsg:
        OnInvokeFunction();
        break;
      default:
        break;
    }
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\nPellbar: problem on message %d.", static_cast<int>(msg));
  } catch (...) {
    acutPrintf(L"\nPellbar: problem on message %d.", static_cast<int>(msg));
  }
  return AcRx::kRetOK;
}

// The host's first call gets the version this module was built for; the host's own version is
// kept and later calls get the same answer.
ZHOST_EXPORT int acrxGetApiVersion(int hostVersion) {
  g_iHostApiVersion = hostVersion;
  return kApiVersion;
}
