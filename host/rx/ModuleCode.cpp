// Module membership of addresses through the dynamic loader.
#include "host/rx/ModuleCode.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <string>

#include "host/win/Module.h"
#include "host/win/TextConv.h"

namespace zhost {

bool AddressInModule(const void* address, HINSTANCE module) {
  if (!address || !module) return false;
  Dl_info info;
  if (!::dladdr(address, &info) || !info.dli_fname) return false;
  char resolved[PATH_MAX];
  std::string owner = ::realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
  return owner == ToUtf8(ModulePath(module));
}

}  // namespace zhost
