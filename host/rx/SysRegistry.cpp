// The system registry and its standing dictionaries. It lives for the whole process: modules'
// objects in it are theirs to remove when they unload.
#include <functional>

#include "host/rx/AcRxDictionary.h"
#include "host/rx/AcRxDynamicLinker.h"

namespace {

unsigned& Generation() {
  static unsigned generation = 1;
  return generation;
}

AcRxDictionary* MakeRegistry() {
  AcRxDictionary* registry = new AcRxDictionary(false);
  registry->atPut(ACRX_CLASS_DICTIONARY, new AcRxDictionary(false));
  registry->atPut(ACRX_SERVICE_DICTIONARY, new AcRxDictionary(false));
  registry->atPut(ACRX_DYNAMIC_LINKER, new AcRxDynamicLinker());
  return registry;
}

}  // namespace

AcRxDictionary* acrxSysRegistry() {
  static AcRxDictionary* registry = MakeRegistry();
  return registry;
}

namespace zhost {

AcRxDictionary* SystemDictionary(const wchar_t* name) {
  return dynamic_cast<AcRxDictionary*>(acrxSysRegistry()->at(name));
}

unsigned ClassGeneration() { return Generation(); }
void BumpClassGeneration() { ++Generation(); }

}  // namespace zhost
