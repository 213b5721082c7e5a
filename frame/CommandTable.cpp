// The command table and its registration.
#include "frame/CommandTable.h"

#include "frame/MainPalette.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/acrx.h"

namespace {

// Each command catches what its work throws: nothing reaches the host's command loop.
template <void (*Work)()>
void Guarded() {
  try {
    Work();
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

void ZenkoraCommand() { Guarded<&OpenMainPalette>(); }
void SelectZenkoraObjectsEntry() { Guarded<&SelectZenkoraObjectsCommand>(); }

}  // namespace

const std::vector<AppCommandRow>& AppCommandTable() {
  // A row joins the table (in the documented command order) once its work is part of the
  // module.
  static const std::vector<AppCommandRow> rows = {
      {L"QTRV_Zenkora", L"QTRV_Zenkora", ACRX_CMD_MODAL, &ZenkoraCommand},
      {L"QTRV_SelectZenkoraObjects", L"QTRV_DimSelectObjects", ACRX_CMD_USEPICKSET | ACRX_CMD_REDRAW,
       &SelectZenkoraObjectsEntry},
  };
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
