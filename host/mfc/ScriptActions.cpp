// The installed source of script actions for modal elements.
#include "host/mfc/ScriptActions.h"

#include "host/win/MessageQueue.h"

namespace zhost {

namespace {
bool (*g_source)() = nullptr;
}

void SetScriptActionSource(bool (*source)()) { g_source = source; }

bool RunNextScriptAction() {
  PumpMessages();  // the gap before the user's next action
  return g_source && g_source();
}

}  // namespace zhost
