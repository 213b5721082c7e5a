// The "acmatch" application.
#include "host/db/MatchPropertiesApp.h"

#include "host/db/AcDbMatchProperties.h"
#include "host/rx/acrx.h"

namespace zhost {

const wchar_t* const kMatchPropertiesApp = L"acmatch";

namespace {

const wchar_t* const kService = L"MatchProperties";

void Init(void* appId) {
  acrxUnlockApplication(appId);
  if (AcRxDynamicLinker* linker = Linker()) linker->registerAppMDIAware(appId);
  acrxRegisterService(kService);
  if (AcRxDictionary* classes = SystemDictionary(ACRX_CLASS_DICTIONARY))
    classes->atPut(kService, AcDbMatchProperties::desc());
  acrxBuildClassHierarchy();
}

void Unload() {
  if (AcRxDictionary* classes = SystemDictionary(ACRX_CLASS_DICTIONARY)) classes->remove(kService);
  if (AcRxDictionary* services = SystemDictionary(ACRX_SERVICE_DICTIONARY))
    delete services->remove(kService);
}

AcRx::AppRetCode Entry(AcRx::AppMsgCode msg, void* pkt) {
  if (msg == AcRx::kInitAppMsg) Init(pkt);
  if (msg == AcRx::kUnloadAppMsg) Unload();
  return AcRx::kRetOK;
}

int ApiVersion(int) { return ZHOST_API_VERSION; }

}  // namespace

void RegisterMatchPropertiesApp() { RegisterLinkedApp(kMatchPropertiesApp, Entry, ApiVersion); }

}  // namespace zhost
