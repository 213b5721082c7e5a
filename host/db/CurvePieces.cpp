// Straight and circular curve pieces, their intersections and chain parameters.
#include "host/db/CurvePieces.h"

#include <algorithm>
#include <cmath>

#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeMatrix3d.h"

namespace zhost {

CurvePiece CurvePiece::line(const AcGePoint3d& a, const AcGePoint3d& b) {
  CurvePiece piece;
  piece.seg.set(a, b);
  return piece;
}

CurvePiece CurvePiece::circArc(const AcGeCircArc3d& arc, bool reversed) {
  CurvePiece piece;
  piece.isArc = true;
  piece.arc = arc;
  piece.reversed = reversed;
  return piece;
}

AcGePoint3d CurvePiece::startPoint() const { return pointAt(0.0); }
AcGePoint3d CurvePiece::endPoint() const { return pointAt(1.0); }

double CurvePiece::length() const { return isArc ? arc.length() : seg.length(); }

AcGePoint3d CurvePiece::pointAt(double t) const {
  if (!isArc) return seg.evalPoint(t);
  double sweep = arc.endAng() - arc.startAng();
  return arc.evalPoint(reversed ? arc.endAng() - t * sweep : arc.startAng() + t * sweep);
}

AcGeVector3d CurvePiece::derivAt(double t) const {
  if (!isArc) return seg.endPoint() - seg.startPoint();
  double sweep = arc.endAng() - arc.startAng();
  double a = reversed ? arc.endAng() - t * sweep : arc.startAng() + t * sweep;
  AcGeVector3d ref = arc.refVec(), perp = arc.normal().crossProduct(ref);
  AcGeVector3d d = (perp * std::cos(a) - ref * std::sin(a)) * (arc.radius() * sweep);
  return reversed ? -d : d;
}

double CurvePiece::paramOf(const AcGePoint3d& p) const {
  if (!isArc) return seg.paramOf(p);
  double sweep = arc.endAng() - arc.startAng();
  if (sweep <= 0) return 0.0;
  double t = (arc.paramOf(p) - arc.startAng()) / sweep;
  return reversed ? 1.0 - t : t;
}

AcGePoint3d CurvePiece::closestPointTo(const AcGePoint3d& p) const {
  return isArc ? arc.closestPointTo(p) : seg.closestPointTo(p);
}

namespace {

void AddUnique(AcGePoint3dArray& points, const AcGePoint3d& p) {
  for (int i = 0; i < points.length(); ++i)
    if (points[i].isEqualTo(p)) return;
  points.append(p);
}

// Arcs extended to circles, single lines to infinite lines.
CurvePiece Extended(const CurvePiece& piece) {
  CurvePiece out = piece;
  if (piece.isArc) {
    out.arc.setAngles(0.0, 2 * M_PI);
  } else {
    out.unbounded = true;
  }
  return out;
}

void IntersectPair(const CurvePiece& a, const CurvePiece& b, AcGePoint3dArray& points) {
  AcGeLine3d lineA(a.seg.startPoint(), a.seg.endPoint() - a.seg.startPoint());
  AcGeLine3d lineB(b.seg.startPoint(), b.seg.endPoint() - b.seg.startPoint());
  const AcGeLinearEnt3d& linA = a.unbounded ? static_cast<const AcGeLinearEnt3d&>(lineA) : a.seg;
  const AcGeLinearEnt3d& linB = b.unbounded ? static_cast<const AcGeLinearEnt3d&>(lineB) : b.seg;
  int count = 0;
  AcGePoint3d p1, p2;
  if (!a.isArc && !b.isArc) {
    if (a.seg.length() > 0 && b.seg.length() > 0 && linA.intersectWith(linB, p1)) AddUnique(points, p1);
    return;
  }
  bool hit = false;
  if (a.isArc && b.isArc) {
    hit = a.arc.intersectWith(b.arc, count, p1, p2);
  } else if (a.isArc) {
    hit = b.seg.length() > 0 && a.arc.intersectWith(linB, count, p1, p2);
  } else {
    hit = a.seg.length() > 0 && b.arc.intersectWith(linA, count, p1, p2);
  }
  if (!hit || count == 0) return;
  AddUnique(points, p1);
  if (count > 1) AddUnique(points, p2);
}

}  // namespace

void IntersectPieces(const std::vector<CurvePiece>& a, bool extendA, const std::vector<CurvePiece>& b, bool extendB,
                     AcGePoint3dArray& points) {
  std::vector<CurvePiece> ea = a, eb = b;
  if (extendA && ea.size() == 1) ea[0] = Extended(ea[0]);
  if (extendB && eb.size() == 1) eb[0] = Extended(eb[0]);
  for (const CurvePiece& pa : ea)
    for (const CurvePiece& pb : eb) IntersectPair(pa, pb, points);
}

namespace {

// The piece and local parameter of a chain parameter (clamped to the chain).
size_t PieceOf(const std::vector<CurvePiece>& pieces, double param, double& t) {
  double last = static_cast<double>(pieces.size());
  param = std::max(0.0, std::min(param, last));
  size_t i = std::min(static_cast<size_t>(std::floor(param)), pieces.size() - 1);
  t = param - static_cast<double>(i);
  return i;
}

}  // namespace

AcGePoint3d ChainPointAt(const std::vector<CurvePiece>& pieces, double param) {
  double t = 0;
  size_t i = PieceOf(pieces, param, t);
  return pieces[i].pointAt(t);
}

AcGeVector3d ChainDerivAt(const std::vector<CurvePiece>& pieces, double param) {
  double t = 0;
  size_t i = PieceOf(pieces, param, t);
  return pieces[i].derivAt(t);
}

double ChainDistAt(const std::vector<CurvePiece>& pieces, double param) {
  double t = 0;
  size_t i = PieceOf(pieces, param, t);
  double dist = 0;
  for (size_t k = 0; k < i; ++k) dist += pieces[k].length();
  return dist + t * pieces[i].length();
}

double ChainParamAtDist(const std::vector<CurvePiece>& pieces, double dist) {
  double walked = 0;
  for (size_t k = 0; k < pieces.size(); ++k) {
    double len = pieces[k].length();
    if (dist <= walked + len || k + 1 == pieces.size()) {
      double t = len > 0 ? (dist - walked) / len : 0.0;
      return static_cast<double>(k) + std::max(0.0, std::min(1.0, t));
    }
    walked += len;
  }
  return 0.0;
}

double ChainClosest(const std::vector<CurvePiece>& pieces, const AcGePoint3d& p, AcGePoint3d& nearest) {
  double bestParam = 0, bestDist = -1;
  for (size_t k = 0; k < pieces.size(); ++k) {
    AcGePoint3d q = pieces[k].closestPointTo(p);
    double d = q.distanceTo(p);
    if (bestDist >= 0 && d >= bestDist) continue;
    bestDist = d;
    nearest = q;
    bestParam = static_cast<double>(k) + pieces[k].paramOf(q);
  }
  return bestParam;
}

double ChainLength(const std::vector<CurvePiece>& pieces) {
  double len = 0;
  for (const CurvePiece& piece : pieces) len += piece.length();
  return len;
}

CurvePiece BulgeSegment(const AcGePoint2d& a, const AcGePoint2d& b, double bulge, double elevation,
                        const AcGeVector3d& normal) {
  AcGeMatrix3d toWorld = AcGeMatrix3d::planeToWorld(normal);
  AcGePoint3d wa = AcGePoint3d(a.x, a.y, elevation), wb = AcGePoint3d(b.x, b.y, elevation);
  wa.transformBy(toWorld);
  wb.transformBy(toWorld);
  if (bulge == 0.0 || a.isEqualTo(b)) return CurvePiece::line(wa, wb);
  AcGeVector2d chord = b - a;
  AcGeVector2d left(-chord.y, chord.x);
  AcGePoint2d c = a + chord * 0.5 + left * ((1.0 - bulge * bulge) / (4.0 * bulge));
  double radius = c.distanceTo(a);
  double angA = (a - c).angle(), angB = (b - c).angle();
  bool ccw = bulge > 0;
  double start = ccw ? angA : angB, end = ccw ? angB : angA;
  while (end <= start) end += 2 * M_PI;
  AcGePoint3d wc(c.x, c.y, elevation);
  wc.transformBy(toWorld);
  AcGeVector3d ref = AcGeVector3d::kXAxis;
  ref.transformBy(toWorld);
  AcGeCircArc3d arc(wc, normal.normal(), ref, radius, start, end);
  return CurvePiece::circArc(arc, !ccw);
}

void AddArcExtents(const AcGeCircArc3d& arc, AcGePoint3dArray& points) {
  points.append(arc.startPoint());
  points.append(arc.endPoint());
  AcGeVector3d x = arc.refVec(), y = arc.normal().crossProduct(x);
  for (unsigned k = 0; k < 3; ++k) {
    double t0 = std::atan2(y[k], x[k]);
    for (double t : {t0, t0 + M_PI}) {
      double a = t;
      while (a < arc.startAng()) a += 2 * M_PI;
      while (a > arc.startAng() + 2 * M_PI) a -= 2 * M_PI;
      if (a <= arc.endAng()) points.append(arc.evalPoint(a));
    }
  }
}

}  // namespace zhost
