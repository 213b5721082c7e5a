// AppEventCatcher: waits for the MatchProperties service when it was missing at init and adds
// the module's extension at the next application load.
#pragma once

#include "host/rx/AcRxDynamicLinker.h"

class AppEventCatcher : public AcRxDLinkerReactor {
 public:
  void rxAppLoaded(const ACHAR* appName) override;
  void rxAppUnloaded(const ACHAR* appName) override;
};

// Installs the catcher on the dynamic linker when none exists and MatchProperties is missing.
void InstallAppEventCatcher();
// Takes the catcher off the dynamic linker and deletes it.
void RemoveAppEventCatcher();
bool IsAppEventCatcherInstalled();
