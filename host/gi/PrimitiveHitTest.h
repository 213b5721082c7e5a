// Hit testing on recorded primitives, in the XY plane (a plan view): the distance from a pick
// point to a primitive's geometry (0 inside a filled outline, a filled circle or a text's box)
// and the selection marker of the primitive nearest to it.
#pragma once

#include <vector>

#include "host/ge/AcGePoint3d.h"
#include "host/ge/adesk.h"
#include "host/gi/Primitive.h"

class AcDbEntity;

namespace zhost {

double PrimitiveDistance(const Primitive& p, const AcGePoint3d& pt);

// The nearest primitive's distance and marker (the first one drawn among equally near ones);
// false for a list without primitives.
bool NearestPrimitive(const std::vector<Primitive>& primitives, const AcGePoint3d& pt, double& distance,
                      Adesk::GsMarker& marker);

// Draws the entity (standard display) and measures to what it drew; false when it drew nothing.
bool DrawnDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance, Adesk::GsMarker& marker);

}  // namespace zhost
