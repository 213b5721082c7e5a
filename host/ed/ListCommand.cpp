// LIST: each selected entity's own list() on the command line, in the order picked.
#include "host/ed/ListCommand.h"

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/EditCommands.h"

namespace zhost {

namespace {

void ListCommand() {
  for (const AcDbObjectId& id : SelectObjects()) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) {
      PrintLine(L"An object could not be read for listing.");
      continue;
    }
    entity->list();
    entity->close();
  }
}

}  // namespace

void RegisterListCommand() { CommandProcessor::instance().addBuiltin(L"LIST", ListCommand); }

}  // namespace zhost
