// The runtime layer in one include: classes, dictionaries, services, the dynamic linker and the
// application functions of the module contract.
#pragma once

#include "host/rx/AcRxAppCodes.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcRxService.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"
#include "host/rx/ads.h"

bool acrxUnlockApplication(void* appId);
bool acrxLockApplication(void* appId);
bool acrxApplicationIsLocked(const ACHAR* modulename);
bool acrxLoadModule(const ACHAR* moduleName, bool printit, bool asCmd = false);
bool acrxUnloadModule(const ACHAR* moduleName, bool asCmd = false);
bool acrxLoadApp(const ACHAR* appname, bool asCmd = false);
bool acrxUnloadApp(const ACHAR* appname, bool asCmd = false);

// A fatal error: the message goes to the command line and standard error, then the program ends.
[[noreturn]] void acrx_abort(const ACHAR* format, ...);
