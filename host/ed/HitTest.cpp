// The per-class distance table, apertures, draw order and window tests.
#include "host/ed/HitTest.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCurve.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/ed/SysVars.h"
#include "host/ge/AcGeLineSeg3d.h"
#include "host/gi/PrimitiveHitTest.h"
#if __has_include("host/db/AcDbPoint.h")
#include "host/db/AcDbPoint.h"
#define ZHOST_HIT_POINT 1
#endif
#if __has_include("host/db/AcDbBlockReference.h")
#include "host/db/AcDbBlockReference.h"
#define ZHOST_HIT_BLOCKREF 1
#endif

namespace zhost {

namespace {

typedef std::function<bool(const AcDbEntity*, const AcGePoint3d&, double&)> DistanceFn;

double PlanDistance(const AcGePoint3d& a, const AcGePoint3d& b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool CurveDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance) {
  const AcDbCurve* curve = AcDbCurve::cast(ent);
  AcGePoint3d onCurve;
  if (!curve || curve->getClosestPointTo(pt, onCurve) != Acad::eOk) return false;
  distance = PlanDistance(pt, onCurve);
  return true;
}

// The distance to a box in the plan: 0 inside.
double BoxDistance(const AcDbExtents& box, const AcGePoint3d& pt) {
  double dx = std::max({box.minPoint().x - pt.x, 0.0, pt.x - box.maxPoint().x});
  double dy = std::max({box.minPoint().y - pt.y, 0.0, pt.y - box.maxPoint().y});
  return std::hypot(dx, dy);
}

bool ExtentsDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance) {
  AcDbExtents box;
  if (ent->getGeomExtents(box) != Acad::eOk || !box.isValid()) return false;
  distance = BoxDistance(box, pt);
  return true;
}

#ifdef ZHOST_HIT_POINT
bool PointDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance) {
  const AcDbPoint* point = AcDbPoint::cast(ent);
  if (!point) return false;
  distance = PlanDistance(pt, point->position());
  return true;
}
#endif

#ifdef ZHOST_HIT_BLOCKREF
// The nearest entity of the block, measured in the block's own coordinates and scaled back.
bool BlockReferenceDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance) {
  const AcDbBlockReference* ref = AcDbBlockReference::cast(ent);
  if (!ref) return false;
  AcGeMatrix3d xform = ref->blockTransform();
  AcGePoint3d local = pt;
  local.transformBy(xform.inverse());
  double scale = xform.scale();
  bool found = false;
  distance = std::numeric_limits<double>::max();
  for (AcDbObjectId id : DrawOrder(ref->blockTableRecord())) {
    AcDbEntity* inner = nullptr;
    if (acdbOpenObject(inner, id, AcDb::kForRead) != Acad::eOk) continue;
    double d = 0;
    if (IsPickable(inner) && EntityDistance(inner, local, d)) {
      found = true;
      distance = std::min(distance, d * (scale > 0 ? scale : 1.0));
    }
    inner->close();
  }
  return found;
}
#endif

// Most specific classes first; the first class the entity is a kind of measures it.
const std::vector<std::pair<AcRxClass*, DistanceFn>>& DistanceTable() {
  static const std::vector<std::pair<AcRxClass*, DistanceFn>> table = {
#ifdef ZHOST_HIT_BLOCKREF
      {AcDbBlockReference::desc(), BlockReferenceDistance},
#endif
#ifdef ZHOST_HIT_POINT
      {AcDbPoint::desc(), PointDistance},
#endif
      {AcDbCurve::desc(), CurveDistance},
  };
  return table;
}

// Segments of a box in the plan (for crossing tests of curves).
bool CurveCrossesBox(const AcDbEntity* ent, const AcGePoint3d& lo, const AcGePoint3d& hi) {
  const AcDbCurve* curve = AcDbCurve::cast(ent);
  if (!curve) return true;
  AcGePoint3d centre((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, 0);
  AcGePoint3d onCurve;
  if (curve->getClosestPointTo(centre, onCurve) != Acad::eOk) return true;
  if (onCurve.x >= lo.x && onCurve.x <= hi.x && onCurve.y >= lo.y && onCurve.y <= hi.y) return true;
  // Sample the curve: its pieces are lines and arcs, so a fine sampling is exact enough at the
  // scale of a selection box.
  double start = 0, end = 0;
  if (curve->getStartParam(start) != Acad::eOk || curve->getEndParam(end) != Acad::eOk) return true;
  const int kSamples = 256;
  for (int i = 0; i <= kSamples; ++i) {
    AcGePoint3d p;
    if (curve->getPointAtParam(start + (end - start) * i / kSamples, p) != Acad::eOk) continue;
    if (p.x >= lo.x && p.x <= hi.x && p.y >= lo.y && p.y <= hi.y) return true;
  }
  return false;
}

}  // namespace

bool EntityDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance) {
  if (!ent) return false;
  for (const auto& entry : DistanceTable())
    if (ent->isKindOf(entry.first)) return entry.second(ent, pt, distance);
  Adesk::GsMarker marker = 0;
  if (DrawnDistance(ent, pt, distance, marker)) return true;
  return ExtentsDistance(ent, pt, distance);
}

double PickAperture() {
  SysVarValue v;
  if (SysVars::instance().get(L"PICKBOX", v) != RTNORM) return 3.0;
  return static_cast<double>(v.i);
}

bool IsPickable(const AcDbEntity* ent) {
  if (!ent || ent->visibility() != AcDb::kVisible) return false;
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, ent->layerId(), AcDb::kForRead) != Acad::eOk) return true;
  bool shown = !layer->isOff() && !layer->isFrozen();
  layer->close();
  return shown;
}

std::vector<AcDbObjectId> DrawOrder(AcDbObjectId blockId) {
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecord* block = nullptr;
  if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return ids;
  AcDbSortentsTable* sortents = nullptr;
  if (block->getSortentsTable(sortents, AcDb::kForRead, false) == Acad::eOk && sortents) {
    AcDbObjectIdArray order;
    sortents->getFullDrawOrder(order);
    sortents->close();
    for (int i = 0; i < order.length(); ++i) ids.push_back(order[i]);
  } else {
    for (AcDbObjectId id : block->entityIds())
      if (!id.isErased()) ids.push_back(id);
  }
  block->close();
  return ids;
}

std::vector<AcDbObjectId> HitEntities(AcDbObjectId blockId, const AcGePoint3d& pt, double aperture) {
  std::vector<AcDbObjectId> hits;
  for (const PickHit& hit : HitEntitiesWithMarkers(blockId, pt, aperture)) hits.push_back(hit.id);
  return hits;
}

std::vector<PickHit> HitEntitiesWithMarkers(AcDbObjectId blockId, const AcGePoint3d& pt, double aperture) {
  std::vector<PickHit> hits;
  std::vector<AcDbObjectId> order = DrawOrder(blockId);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, *it, AcDb::kForRead) != Acad::eOk) continue;
    PickHit hit;
    hit.id = *it;
    if (IsPickable(ent) && EntityDistance(ent, pt, hit.distance) && hit.distance <= aperture) {
      double drawnDistance = 0;
      if (!DrawnDistance(ent, pt, drawnDistance, hit.marker)) hit.marker = 0;
      hits.push_back(hit);
    }
    ent->close();
  }
  return hits;
}

bool InWindow(const AcDbEntity* ent, const AcGePoint3d& corner1, const AcGePoint3d& corner2, bool crossing) {
  AcDbExtents box;
  if (!ent || ent->getGeomExtents(box) != Acad::eOk || !box.isValid()) return false;
  AcGePoint3d lo(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y), 0);
  AcGePoint3d hi(std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y), 0);
  const AcGePoint3d& a = box.minPoint();
  const AcGePoint3d& b = box.maxPoint();
  bool inside = a.x >= lo.x && b.x <= hi.x && a.y >= lo.y && b.y <= hi.y;
  if (inside || !crossing) return inside;
  bool meets = a.x <= hi.x && b.x >= lo.x && a.y <= hi.y && b.y >= lo.y;
  return meets && CurveCrossesBox(ent, lo, hi);
}

}  // namespace zhost
