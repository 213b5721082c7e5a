// The command table and its registration.
#include "frame/CommandTable.h"

#include "host/rx/acrx.h"

const std::vector<AppCommandRow>& AppCommandTable() {
  // A row joins the table (in the documented command order) once its work is part of the
  // module; no command's work is part of this version yet.
  static const std::vector<AppCommandRow> rows = {};
  return rows;
}

AcEdCommandStack* AppCommandStack() {
  AcRxObject* object = acrxSysRegistry()->at(ACRX_COMMAND_DOCK);
  return AcEdCommandStack::cast(object);
}

void RegisterAppCommands() {
  for (const AppCommandRow& row : AppCommandTable()) {
    AcEdCommandStack* stack = AppCommandStack();
    if (!stack) return;
    stack->addCommand(kAppCommandGroup, row.globalName, row.localName, row.flags, row.handler, nullptr, -1,
                      nullptr, nullptr);
  }
}

void RemoveAppCommands() {
  AcEdCommandStack* stack = AppCommandStack();
  if (stack) stack->removeGroup(kAppCommandGroup);
}
