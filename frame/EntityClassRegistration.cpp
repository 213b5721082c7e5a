// Registering and deleting the module's entity classes.
#include "frame/EntityClassRegistration.h"

#include "host/rx/AcRxDictionary.h"
#include "host/rx/acrx.h"

const wchar_t* const kEntityClassAppName =
    L"Quillbar - zenkora|Product Desc: Quillbar - zenkora|Company: Quillbar ltd|WEB Address: www.quillbar.example";

AcRxClass* RegisterEntityClass(AcRxClass* kept, const wchar_t* name, const wchar_t* dxfName,
                               AcRxPseudoConstructor create) {
  AcRxDictionary* classes = acrxClassDictionary;
  AcRxObject* existing = classes ? classes->at(name) : nullptr;
  if (existing) {
    if (existing == kept) return kept;
    acrx_abort(L"Class mismatch");
  }
  return newAcRxClass(name, L"AcDbEntity", kEntityDwgVersion, kEntityMaintenanceVersion, kEntityProxyFlags,
                      create, dxfName, kEntityClassAppName);
}

void DeleteEntityClass(AcRxClass*& kept) {
  if (!kept) return;
  deleteAcRxClass(kept);
  kept = nullptr;
}
