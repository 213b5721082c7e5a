// The editing commands (ERASE, MOVE, COPY, ROTATE, MIRROR, EXPLODE) and the object selection
// they share with LIST. Entities on a locked layer are left as they are, and the command says
// how many were.
#pragma once

#include <vector>

#include "host/db/AcDbObjectId.h"

class AcDbEntity;

namespace zhost {

void RegisterEditCommands();

// "Select objects: " through the selection functions; empty when nothing was picked or the
// selection was cancelled.
std::vector<AcDbObjectId> SelectObjects();
// Whether the entity's layer is locked.
bool OnLockedLayer(const AcDbEntity* entity);
// Tells how many objects were skipped because their layer is locked (nothing when none were).
void SayLocked(int count);

}  // namespace zhost
