// The list of the host's own classes, noted at load time and created on demand.
#include <vector>

#include "host/rx/AcRxObject.h"

namespace zhost {

namespace {

// Function-local, so that noting works whatever order the library's statics start in.
std::vector<AcRxClass* (*)()>& Noted() {
  static std::vector<AcRxClass* (*)()> noted;
  return noted;
}

}  // namespace

HostClassRegistrar::HostClassRegistrar(AcRxClass* (*desc)()) { Noted().push_back(desc); }

void EnsureHostClasses() {
  // desc() registers a class only when it is missing, so running the list again is cheap.
  std::vector<AcRxClass* (*)()> noted = Noted();
  for (AcRxClass* (*desc)() : noted) desc();
}

}  // namespace zhost
