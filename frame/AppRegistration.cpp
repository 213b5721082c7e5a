// The init-time registration steps.
#include "frame/AppRegistration.h"

#include "frame/AppReactors.h"
#include "frame/CommandTable.h"
#include "frame/MainPalette.h"
#include "frame/MatchProperties.h"
#include "frame/MessageFilter.h"
#include "frame/ResourceOverride.h"
#include "host/ed/CommandLine.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/acrx.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimHeight.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

void RegisterAppService() {
  AcRxDictionary* services = acrxServiceDictionary;
  if (services && services->at(kAppServiceName)) return;
  acrxRegisterService(kAppServiceName);
}

void RemoveAppService() {
  AcRxDictionary* services = acrxServiceDictionary;
  if (!services) return;
  delete services->remove(kAppServiceName);
}

void RegisterEntityClasses() {
  QBdim::rxInit();
  QBdimHeight::rxInit();
}

void DeleteEntityClasses() {
  QBdim::rxUninit();
  QBdimHeight::rxUninit();
}

void RegisterAppObjects() {
  CTemporaryResourceOverride useModuleResources;
  RegisterAppService();
  RegisterEntityClasses();
  acrxBuildClassHierarchy();

  if (!addMatchQBdim()) {
    TraceMsg(L"\nMatchProperties is not available yet: the extension is added when it is loaded");
    acedPostCommandPrompt();
  }

  RegisterAppCommands();
  StartAppReactors();
  RegisterAppMessageFilter();

  if (pGlobDimOptions && ReadGeneralInfoInt(L"ShowAppWindow") == 1) OpenMainPalette();
}
