// The module's commands: one table, registered in its order into the group "QTRV_ZENKORA".
#pragma once

#include <vector>

#include "host/ed/AcEdCommandStack.h"

constexpr const ACHAR* kAppCommandGroup = L"QTRV_ZENKORA";

struct AppCommandRow {
  const ACHAR* globalName;
  const ACHAR* localName;
  int flags;
  AcRxFunctionPtr handler;
};

// The rows in registration order.
const std::vector<AppCommandRow>& AppCommandTable();

// The host's command stack, when it exists and is one.
AcEdCommandStack* AppCommandStack();

// addCommand for every row, without UI context, with function code -1 and no resource handle.
void RegisterAppCommands();
// removeGroup of the command group.
void RemoveAppCommands();
