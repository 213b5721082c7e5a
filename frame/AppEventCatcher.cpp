// The dynamic-linker reactor that adds the MatchProperties extension late.
#include "frame/AppEventCatcher.h"

#include "frame/MatchProperties.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/acrx.h"
#include "settings/DebugLog.h"

namespace {

AppEventCatcher* g_pAppEventCatcher = nullptr;

AcRxDynamicLinker* DynamicLinker() { return acrxDynamicLinker; }

bool MatchPropertiesClassExists() {
  AcRxDictionary* classes = acrxClassDictionary;
  return classes && classes->at(L"MatchProperties") != nullptr;
}

}  // namespace

void AppEventCatcher::rxAppLoaded(const ACHAR*) {
  if (!IsMatchQBdimAdded()) addMatchQBdim();
}

void AppEventCatcher::rxAppUnloaded(const ACHAR* appName) {
  TraceMsgF(L"\nAppEventCatcher: %s unloaded", appName ? appName : L"");
}

void InstallAppEventCatcher() {
  AcRxDynamicLinker* linker = DynamicLinker();
  if (!linker || g_pAppEventCatcher || MatchPropertiesClassExists()) return;
  g_pAppEventCatcher = new AppEventCatcher;
  linker->addReactor(g_pAppEventCatcher);
}

void RemoveAppEventCatcher() {
  AcRxDynamicLinker* linker = DynamicLinker();
  if (!g_pAppEventCatcher) return;
  if (linker) linker->removeReactor(g_pAppEventCatcher);
  delete g_pAppEventCatcher;
  g_pAppEventCatcher = nullptr;
}

bool IsAppEventCatcherInstalled() { return g_pAppEventCatcher != nullptr; }
