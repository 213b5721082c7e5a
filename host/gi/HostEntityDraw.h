// The graphics of the host's own entities, by class: what AcDbEntity::subWorldDraw draws for a
// class without a draw of its own. Classes without an entry draw what their explode gives.
#pragma once

#include "host/ge/adesk.h"

class AcDbEntity;
class AcGiWorldDraw;

namespace zhost {

Adesk::Boolean DrawHostEntity(AcDbEntity* ent, AcGiWorldDraw* mode);
// Installs DrawHostEntity as the database layer's entity draw (done at load; idempotent).
void EnsureHostEntityDraw();

}  // namespace zhost
