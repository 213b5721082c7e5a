// Regeneration: every shown entity of a drawing's spaces drawn through its worldDraw (and
// viewportDraw when worldDraw asks for it) into a RegenRecord, and single entities drawn for
// hit testing and tests.
#pragma once

#include <vector>

#include "host/db/AcDbObjectId.h"
#include "host/gi/AcGi.h"
#include "host/gi/Primitive.h"

class AcDbDatabase;
class AcDbEntity;

namespace zhost {

struct RegenOptions {
  bool modelSpace = true;
  bool paperSpace = true;
  AcGiRegenType regenType = kAcGiStandardDisplay;
  bool plotGeneration = false;
};

// Entities that are invisible or on a layer that is off or frozen are left out. The record is
// appended to.
void Regenerate(AcDbDatabase* db, RegenRecord& record, const RegenOptions& options = RegenOptions());
// The same for one space or block.
void RegenerateBlock(AcDbDatabase* db, AcDbObjectId blockId, RegenRecord& record,
                     const RegenOptions& options = RegenOptions());

// Draws one entity (shown or not, in a drawing or not) and appends what it drew to the record.
const EntityGraphics& DrawEntity(AcDbEntity* ent, RegenRecord& record, AcGiRegenType type = kAcGiStandardDisplay);

// The entities of a block record in draw order, bottom first, erased ones left out.
std::vector<AcDbObjectId> BlockDrawOrder(AcDbObjectId blockId);

// Whether the display shows the entity: visible, its layer neither off nor frozen.
bool IsShown(const AcDbEntity* ent);

}  // namespace zhost
