// Registration of the module's entity classes in the "ClassDictionary", shared by both
// entity classes.
#pragma once

#include "host/rx/AcRxClass.h"

// The application name the host shows for proxies of the classes when the module is missing.
extern const wchar_t* const kEntityClassAppName;

constexpr int kEntityDwgVersion = 31;
constexpr int kEntityMaintenanceVersion = 125;
// The ten edit permissions (erase ... plot style name) and material; no proxy warning stays off.
constexpr int kEntityProxyFlags = 3071;

// The class of that name: `kept` is the class this module registered before (or null). A class
// of that name that is not `kept` aborts with "Class mismatch"; a missing one is created.
AcRxClass* RegisterEntityClass(AcRxClass* kept, const wchar_t* name, const wchar_t* dxfName,
                               AcRxPseudoConstructor create);
// Deletes the class (when there is one) and clears `kept`.
void DeleteEntityClass(AcRxClass*& kept);
