// Plan distances to polylines, outlines, circles, arcs, construction lines and text boxes.
#include "host/gi/PrimitiveHitTest.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/db/AcDbEntity.h"
#include "host/gi/Regenerate.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;
const double kFar = std::numeric_limits<double>::max();

struct P2 {
  double x, y;
};

P2 Plan(const AcGePoint3d& p) { return {p.x, p.y}; }

// Distance to the segment a-b; t range [tmin, tmax] of the line a + t (b - a).
double LineDistance(P2 a, P2 b, P2 p, double tmin, double tmax) {
  double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0.0;
  t = std::max(tmin, std::min(tmax, t));
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool Inside(const std::vector<P2>& poly, P2 p) {
  bool in = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
    if ((poly[i].y > p.y) != (poly[j].y > p.y) &&
        p.x < (poly[j].x - poly[i].x) * (p.y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
      in = !in;
  return in;
}

double OutlineDistance(const std::vector<P2>& pts, P2 p, bool closed, bool filled) {
  if (pts.empty()) return kFar;
  if (pts.size() == 1) return std::hypot(p.x - pts[0].x, p.y - pts[0].y);
  if (filled && pts.size() >= 3 && Inside(pts, p)) return 0.0;
  double best = kFar;
  for (size_t i = 0; i + 1 < pts.size(); ++i) best = std::min(best, LineDistance(pts[i], pts[i + 1], p, 0, 1));
  if (closed) best = std::min(best, LineDistance(pts.back(), pts.front(), p, 0, 1));
  return best;
}

AcGePoint3d ArcPoint(const Primitive& a, double angle) {
  AcGeVector3d v = a.normal.crossProduct(a.startVector);
  return a.center + (a.startVector * std::cos(angle) + v * std::sin(angle)) * a.radius;
}

double ArcDistance(const Primitive& a, P2 p) {
  bool filled = a.filled();
  bool plan = std::fabs(std::fabs(a.normal.z) - 1.0) < 1e-9;
  if (plan && a.sweep >= 2 * kPi - 1e-9) {
    double d = std::hypot(p.x - a.center.x, p.y - a.center.y);
    return filled ? std::max(0.0, d - a.radius) : std::fabs(d - a.radius);
  }
  // Through samples: fine enough at the scale of a pick box.
  int n = std::max(16, static_cast<int>(std::ceil(a.sweep / (kPi / 180))));
  std::vector<P2> pts;
  for (int i = 0; i <= n; ++i) pts.push_back(Plan(ArcPoint(a, a.sweep * i / n)));
  if (a.arcType == kAcGiArcSector) pts.push_back(Plan(a.center));
  bool closed = filled || a.arcType != kAcGiArcSimple;
  return OutlineDistance(pts, p, closed, filled);
}

double TextDistance(const Primitive& t, P2 p) {
  AcGeVector3d up = t.normal.crossProduct(t.direction) * t.height;
  AcGeVector3d along = t.direction * t.width;
  std::vector<P2> box = {Plan(t.position), Plan(t.position + along), Plan(t.position + along + up),
                         Plan(t.position + up)};
  return OutlineDistance(box, p, true, true);
}

}  // namespace

double PrimitiveDistance(const Primitive& prim, const AcGePoint3d& pt) {
  P2 p = Plan(pt);
  std::vector<P2> pts;
  for (const AcGePoint3d& q : prim.points) pts.push_back(Plan(q));
  switch (prim.kind) {
    case Primitive::kPolyline:
      return OutlineDistance(pts, p, false, false);
    case Primitive::kPolygon:
      return OutlineDistance(pts, p, true, prim.filled());
    case Primitive::kCircle:
    case Primitive::kArc:
      return ArcDistance(prim, p);
    case Primitive::kXline:
      return pts.size() < 2 ? kFar : LineDistance(pts[0], pts[1], p, -kFar, kFar);
    case Primitive::kRay:
      return pts.size() < 2 ? kFar : LineDistance(pts[0], pts[1], p, 0, kFar);
    case Primitive::kText:
      return TextDistance(prim, p);
  }
  return kFar;
}

bool NearestPrimitive(const std::vector<Primitive>& primitives, const AcGePoint3d& pt, double& distance,
                      Adesk::GsMarker& marker) {
  bool found = false;
  for (const Primitive& prim : primitives) {
    double d = PrimitiveDistance(prim, pt);
    if (!std::isfinite(d) || d == kFar || (found && d >= distance)) continue;
    found = true;
    distance = d;
    marker = prim.marker;
  }
  return found;
}

bool DrawnDistance(const AcDbEntity* ent, const AcGePoint3d& pt, double& distance, Adesk::GsMarker& marker) {
  if (!ent) return false;
  RegenRecord record;
  // Drawing reads the entity; the platform's draw protocol is not const.
  const EntityGraphics& drawn = DrawEntity(const_cast<AcDbEntity*>(ent), record);
  return NearestPrimitive(drawn.primitives, pt, distance, marker);
}

}  // namespace zhost
