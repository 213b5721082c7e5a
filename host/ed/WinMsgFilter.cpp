// The registered message filters.
#include "host/ed/WinMsgFilter.h"

#include <algorithm>

#include "host/rx/ModuleCode.h"
#include "host/win/Module.h"

namespace zhost {

static std::vector<AcedFilterWinMsgFn>& Filters() {
  static std::vector<AcedFilterWinMsgFn> filters;
  return filters;
}

const std::vector<AcedFilterWinMsgFn>& MessageFilters() { return Filters(); }

// A filter of a module about to be freed is dropped with it.
static void DropFiltersOf(HINSTANCE module) {
  auto& filters = Filters();
  filters.erase(std::remove_if(filters.begin(), filters.end(),
                               [&](AcedFilterWinMsgFn fn) {
                                 return AddressInModule(reinterpret_cast<const void*>(fn), module);
                               }),
                filters.end());
}

[[maybe_unused]] static const bool hooked = (AddModuleReleaseHook(DropFiltersOf), true);

bool FilterMessage(MSG* msg) {
  std::vector<AcedFilterWinMsgFn> copy = Filters();  // a filter may remove itself
  for (AcedFilterWinMsgFn fn : copy)
    if (std::find(Filters().begin(), Filters().end(), fn) != Filters().end() && fn(msg)) return true;
  return false;
}

}  // namespace zhost

bool acedRegisterFilterWinMsg(const AcedFilterWinMsgFn pfn) {
  auto& filters = zhost::Filters();
  if (!pfn || std::find(filters.begin(), filters.end(), pfn) != filters.end()) return false;
  filters.push_back(pfn);
  return true;
}

bool acedRemoveFilterWinMsg(const AcedFilterWinMsgFn pfn) {
  auto& filters = zhost::Filters();
  auto it = std::find(filters.begin(), filters.end(), pfn);
  if (it == filters.end()) return false;
  filters.erase(it);
  return true;
}
