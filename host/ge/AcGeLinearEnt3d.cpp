// AcGeLinearEnt3d: projections onto and intersections of straight curves.
#include "host/ge/AcGeLinearEnt3d.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlanarEnt.h"

void AcGeLinearEnt3d::getLine(AcGeLine3d& line) const { line.set(point_, vector_); }

double AcGeLinearEnt3d::clampParam(double t) const {
  if (!bounded()) return t;
  return std::min(std::max(t, kLowParam), kHighParam);
}

bool AcGeLinearEnt3d::paramInRange(double t, const AcGeTol& tol) const {
  if (!bounded()) return true;
  const double len = vector_.length();
  const double slack = len > 0.0 ? tol.equalPoint() / len : 0.0;
  return t >= kLowParam - slack && t <= kHighParam + slack;
}

double AcGeLinearEnt3d::paramOf(const AcGePoint3d& p, const AcGeTol&) const {
  const double len2 = vector_.lengthSqrd();
  if (len2 == 0.0) return 0.0;
  return clampParam((p - point_).dotProduct(vector_) / len2);
}

AcGePoint3d AcGeLinearEnt3d::closestPointTo(const AcGePoint3d& p, const AcGeTol& tol) const {
  return evalPoint(paramOf(p, tol));
}

double AcGeLinearEnt3d::length(double fromParam, double toParam, double) const {
  return std::fabs(toParam - fromParam) * vector_.length();
}

AcGeEntity3d& AcGeLinearEnt3d::transformBy(const AcGeMatrix3d& m) {
  const AcGePoint3d end = m * (point_ + vector_);
  point_ = m * point_;
  vector_ = end - point_;
  return *this;
}

bool AcGeLinearEnt3d::isParallelTo(const AcGeLinearEnt3d& other, const AcGeTol& tol) const {
  return vector_.isParallelTo(other.vector_, tol);
}

bool AcGeLinearEnt3d::isPerpendicularTo(const AcGeLinearEnt3d& other, const AcGeTol& tol) const {
  return vector_.isPerpendicularTo(other.vector_, tol);
}

bool AcGeLinearEnt3d::isColinearTo(const AcGeLinearEnt3d& other, const AcGeTol& tol) const {
  if (!isParallelTo(other, tol)) return false;
  AcGeLine3d carrier;
  getLine(carrier);
  return carrier.isOn(other.point_, tol);
}

bool AcGeLinearEnt3d::touchEndToEnd(const AcGeLinearEnt3d& other, AcGePoint3d& point, const AcGeTol& tol) const {
  if (!bounded() || !other.bounded() || !isColinearTo(other, tol)) return false;
  // The other's ends in this entity's (unclamped) parameter.
  const double len2 = vector_.lengthSqrd();
  double a = (other.point_ - point_).dotProduct(vector_) / len2;
  double b = (other.point_ + other.vector_ - point_).dotProduct(vector_) / len2;
  if (b < a) std::swap(a, b);
  const double lo = std::max(a, kLowParam), hi = std::min(b, kHighParam);
  const double len = std::sqrt(len2);
  // Overlap of more than a point, or a gap: no single intersection.
  if (std::fabs(hi - lo) * len > tol.equalPoint()) return false;
  point = evalPoint(clampParam(0.5 * (lo + hi)));
  return true;
}

bool AcGeLinearEnt3d::intersectWith(const AcGeLinearEnt3d& other, AcGePoint3d& point, const AcGeTol& tol) const {
  if (vector_.isZeroLength(tol) || other.vector_.isZeroLength(tol)) return false;
  if (isParallelTo(other, tol)) return touchEndToEnd(other, point, tol);

  // Nearest points of the two carrier lines: point_ + s*u and other.point_ + t*v.
  const AcGeVector3d& u = vector_;
  const AcGeVector3d& v = other.vector_;
  const AcGeVector3d w = point_ - other.point_;
  const double a = u.dotProduct(u), b = u.dotProduct(v), c = v.dotProduct(v);
  const double d = u.dotProduct(w), e = v.dotProduct(w);
  const double denom = a * c - b * b;
  if (denom <= 0.0) return false;
  const double s = (b * e - c * d) / denom;
  const double t = (a * e - b * d) / denom;
  if (!paramInRange(s, tol) || !other.paramInRange(t, tol)) return false;
  const AcGePoint3d mine = evalPoint(clampParam(s));
  const AcGePoint3d theirs = other.evalPoint(other.clampParam(t));
  if (!mine.isEqualTo(theirs, tol)) return false;
  point = mine;
  return true;
}

bool AcGeLinearEnt3d::intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& point, const AcGeTol& tol) const {
  if (vector_.isZeroLength(tol)) return false;
  const AcGeVector3d n = plane.normal();
  const double un = vector_.normal(tol).dotProduct(n);
  if (std::fabs(un) <= tol.equalVector()) return false;
  const double t = (plane.pointOnPlane() - point_).dotProduct(n) / vector_.dotProduct(n);
  if (!paramInRange(t, tol)) return false;
  point = evalPoint(clampParam(t));
  return true;
}
