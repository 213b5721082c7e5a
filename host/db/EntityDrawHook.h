// The graphics of the host's own entities: the graphics layer installs the function that draws
// an entity whose class has no subWorldDraw of its own (AcDbEntity::subWorldDraw calls it), so
// the database layer needs nothing of the graphics layer but its draw context type.
#pragma once

#include "host/ge/adesk.h"

class AcDbEntity;
class AcGiWorldDraw;

namespace zhost {

typedef Adesk::Boolean (*HostEntityDrawFn)(AcDbEntity* ent, AcGiWorldDraw* mode);

void SetHostEntityDraw(HostEntityDrawFn fn);
// Null until the graphics layer is there: the entity then draws nothing.
HostEntityDrawFn HostEntityDraw();

}  // namespace zhost
