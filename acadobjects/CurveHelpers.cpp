// Geometry helpers of the chain dimension: intersections, clamping, arcs of curve entities.
#include "acadobjects/CurveHelpers.h"

#include <cmath>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbPolyline.h"
#include "host/ed/CommandLine.h"
#include "host/ge/AcGeCircArc2d.h"
#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGePlane.h"
#include "host/mfc/Exceptions.h"
#include "settings/DebugLog.h"

namespace {

AcGeTol TolOf(double value) {
  AcGeTol tol;
  tol.setEqualPoint(value);
  tol.setEqualVector(value);
  return tol;
}

AcGeCircArc3d* ArcOfDbArc(const AcDbArc* arc) {
  const AcGeVector3d normal = arc->normal();
  return new AcGeCircArc3d(arc->center(), normal, normal.perpVector(), arc->radius(), arc->startAngle(),
                           arc->endAngle());
}

AcGeCircArc3d* ArcOfCircle(const AcDbCircle* circle) {
  auto* arc = new AcGeCircArc3d;
  arc->set(circle->center(), circle->normal(), circle->radius());
  return arc;
}

// The open segment of the polyline (the closing one excluded) of kind `kind` on which p lies; -1
// when there is none. With several, the one with the highest index.
int SegmentOfPoint(const AcDbPolyline* pline, const AcGePoint3d& p, AcDbPolyline::SegType kind) {
  const int segments = static_cast<int>(pline->numVerts()) - 1;
  int found = -1;
  for (int i = 0; i < segments; ++i) {
    if (pline->segType(static_cast<unsigned int>(i)) != kind) continue;
    bool on = false;
    if (kind == AcDbPolyline::kArc) {
      AcGeCircArc3d arc;
      on = pline->getArcSegAt(static_cast<unsigned int>(i), arc) == Acad::eOk && arc.isOn(p, AcGeContext::gTol);
    } else {
      AcGeLineSeg3d seg;
      on = pline->getLineSegAt(static_cast<unsigned int>(i), seg) == Acad::eOk && seg.isOn(p, AcGeContext::gTol);
    }
    if (on) found = i;
  }
  return found;
}

AcGeCircArc3d* PolylineArcBetween(const AcDbPolyline* pline, const AcGePoint3d& p1, const AcGePoint3d& p2) {
  const int arc1 = SegmentOfPoint(pline, p1, AcDbPolyline::kArc);
  const int arc2 = SegmentOfPoint(pline, p2, AcDbPolyline::kArc);
  if (arc1 >= 0 || arc2 >= 0) return Polyline2GeArc(pline, arc1 > arc2 ? arc1 : arc2);
  const int line1 = SegmentOfPoint(pline, p1, AcDbPolyline::kLine);
  const int line2 = SegmentOfPoint(pline, p2, AcDbPolyline::kLine);
  if (line1 < 0 || line2 < 0) return nullptr;
  const int from = line1 < line2 ? line1 : line2;
  const int to = line1 < line2 ? line2 : line1;
  for (int i = from; i <= to; ++i) {
    if (pline->segType(static_cast<unsigned int>(i)) == AcDbPolyline::kArc) return Polyline2GeArc(pline, i);
  }
  return nullptr;
}

}  // namespace

bool MyIntersect(const AcGeLinearEnt3d& line1, const AcGeLinearEnt3d& line2, AcGePoint3d& p) {
  if (line1.intersectWith(line2, p, AcGeContext::gTol)) return true;
  for (int k = 1; k <= 100; ++k) {
    if (line1.intersectWith(line2, p, TolOf(k * 1e-5))) return true;
  }
  TraceMsg(line1.isParallelTo(line2) ? L"\nMyIntersect: lines are parallel " : L"\nMyIntersect: no intersection ");
  return false;
}

int IntersectCircleLine(const AcGeCircArc3d& arc, const AcGeLinearEnt3d& line, AcGePoint3d& p1, AcGePoint3d& p2) {
  AcGeCircArc3d circle;
  circle.set(arc.center(), arc.normal(), arc.radius());
  int count = 0;
  if (circle.intersectWith(line, count, p1, p2, AcGeContext::gTol) && count > 0) {
    if (count == 1) p2 = p1;
    return count;
  }
  for (int k = 1; k <= 100; ++k) {
    count = 0;
    if (circle.intersectWith(line, count, p1, p2, TolOf(k * 0.0001)) && count > 0) {
      if (count == 1) p2 = p1;
      return count;
    }
  }
  return 0;
}

bool MyIntersect(const AcGeCircArc3d& arc, const AcGeLinearEnt3d& line, AcGePoint3d& p, const AcGePoint3d& nearPoint,
                 const AcGeCurve3d* curve) {
  AcGePoint3d p1, p2;
  if (IntersectCircleLine(arc, line, p1, p2) == 0) return false;
  p = p1.distanceTo(nearPoint) <= p2.distanceTo(nearPoint) ? p1 : p2;
  if (curve && !p1.isEqualTo(p2)) {
    const AcGeTol tol = TolOf(0.001);
    const bool on1 = curve->isOn(p1, tol);
    const bool on2 = curve->isOn(p2, tol);
    if (on1 && !on2) p = p1;
    if (on2 && !on1) p = p2;
  }
  return true;
}

int SetBoundaryPoint(AcGePoint3d& p, const AcGePoint3d& a, double ra, const AcGePoint3d& b, double rb) {
  if (a.isEqualTo(b)) return 0;
  const AcGeLine3d lineMain(a, b);
  const AcGeVector3d dir = (b - a).normal();
  AcGePoint3d planePoint = lineMain.closestPointTo(p);
  if (!dir.isParallelTo(AcGeVector3d::kZAxis)) {
    // The plane that holds the line and the z direction: the projection falls on the line for
    // points in the line's own xy plane.
    const AcGePlane plane(a, dir, AcGeVector3d::kZAxis);
    const AcGePoint3d projected = p.orthoProject(plane);
    if (lineMain.isOn(projected)) {
      planePoint = projected;
    } else {
      acutPrintf(L"\n !lineMain.isOn( planePoint ) ");
    }
  }
  const double length = a.distanceTo(b);
  double t = (planePoint - a).dotProduct(dir);
  if (t < ra) t = ra;
  if (t > length - rb) t = length - rb;
  p = a + dir * t;
  return 1;
}

int SetExtendPoint(AcGePoint3d& p, const AcGePoint3d& ref, double r) {
  if (p.isEqualTo(ref)) return 0;
  p += (p - ref).normal() * r;
  return 1;
}

AcGeCircArc3d* Polyline2GeArc(const AcDbPolyline* pline, int subent) {
  if (!pline) return nullptr;
  const int total = static_cast<int>(pline->numVerts());
  if (subent < 0 || subent >= total - 1) {
    acutPrintf(L"\nPolyline2GeArc Subent=%d total=%d", subent, total);
    return nullptr;
  }
  const auto index = static_cast<unsigned int>(subent);
  if (pline->segType(index) != AcDbPolyline::kArc) return nullptr;
  auto* arc = new AcGeCircArc3d;
  AcGeCircArc2d arc2d;
  Acad::ErrorStatus es = pline->getArcSegAt(index, *arc);
  if (es == Acad::eOk) es = pline->getArcSegAt(index, arc2d);
  if (es != Acad::eOk) {
    acutPrintf(L"\nFailed to get segment at %d.  e=%d", subent, static_cast<int>(es));
    delete arc;
    return nullptr;
  }
  // The 3D arc always turns counter-clockwise about the normal; a clockwise segment runs the
  // other way, so it is reversed to run from the segment's start to its end.
  if (arc2d.isClockWise()) arc->reverseParam();
  return arc;
}

AcGeCircArc3d* Curve2GeArc(const AcDbEntity* entity, int subent) {
  if (!entity) return nullptr;
  if (const AcDbArc* arc = AcDbArc::cast(entity)) return ArcOfDbArc(arc);
  if (const AcDbPolyline* pline = AcDbPolyline::cast(entity)) return Polyline2GeArc(pline, subent);
  if (const AcDbCircle* circle = AcDbCircle::cast(entity)) return ArcOfCircle(circle);
  acutPrintf(L"\n Curve2GeArc - unsupported object ...");
  return nullptr;
}

AcGeCircArc3d* ArcBetweenPoints(const AcDbEntity* entity, const AcGePoint3d& p1, const AcGePoint3d& p2) {
  if (!entity) return nullptr;
  try {
    if (const AcDbArc* arc = AcDbArc::cast(entity)) return ArcOfDbArc(arc);
    if (const AcDbCircle* circle = AcDbCircle::cast(entity)) return ArcOfCircle(circle);
    if (const AcDbPolyline* pline = AcDbPolyline::cast(entity)) return PolylineArcBetween(pline, p1, p2);
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\n ERROR on GeArc getting...");
  } catch (...) {
    acutPrintf(L"\n ERROR on GeArc getting...");
  }
  return nullptr;
}

AcDbArc* GeArc2DbArc(const AcGeCircArc3d& arc) {
  const AcGeVector3d normal = arc.normal();
  // Drawing arcs count their angles from the plane's own x axis, geometric arcs from refVec.
  const double shift = normal.perpVector().angleTo(arc.refVec(), normal);
  return new AcDbArc(arc.center(), normal, arc.radius(), arc.startAng() + shift, arc.endAng() + shift);
}

AcGePoint3d ProjectToPlane(const AcGePoint3d& p, const AcGePoint3d& planePoint, const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return p;
  return p.orthoProject(AcGePlane(planePoint, normal));
}
