// Hit testing at a point with an aperture: the distance from a point to an entity's geometry
// (per entity class; for any other class, custom entities included, the primitives it draws,
// else its extents), the entities of a block record hit at a point, topmost first, with the
// selection marker of the primitive nearest to the pick, and window/crossing tests. All in the
// XY plane (a plan view): heights are ignored.
#pragma once

#include <vector>

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/adesk.h"

class AcDbEntity;

namespace zhost {

// The distance in the XY plane from pt to the entity; false when it has no geometry to measure.
bool EntityDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance);
// PICKBOX as drawing units.
double PickAperture();

// Can a pick or a window see the entity (visible, its layer neither off nor frozen)?
bool IsPickable(const AcDbEntity* ent);

// The entities of the block record in draw order, bottom first, erased ones left out.
std::vector<AcDbObjectId> DrawOrder(AcDbObjectId blockId);
// The pickable entities of the block record within the aperture of pt, topmost first.
std::vector<AcDbObjectId> HitEntities(AcDbObjectId blockId, const AcGePoint3d& pt, double aperture);

// One entity a pick found: marker is the selection marker of the drawn primitive nearest to
// the pick point (0 when the entity drew none).
struct PickHit {
  AcDbObjectId id;
  Adesk::GsMarker marker = 0;
  double distance = 0.0;
};
std::vector<PickHit> HitEntitiesWithMarkers(AcDbObjectId blockId, const AcGePoint3d& pt, double aperture);
// Window: the entity's extents lie inside the box; crossing: they meet it and (for entities
// that can measure a distance) the geometry itself crosses or lies inside it.
bool InWindow(const AcDbEntity* ent, const AcGePoint3d& corner1, const AcGePoint3d& corner2, bool crossing);

}  // namespace zhost
