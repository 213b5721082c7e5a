// AcGePlanarEnt: plane frames, distances, projections and plane intersections.
#include "host/ge/AcGePlanarEnt.h"

#include <cmath>

#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeLinearEnt3d.h"
#include "host/ge/AcGeMatrix3d.h"

bool AcGePlanarEnt::setFrame(const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v) {
  const AcGeVector3d n = u.crossProduct(v);
  if (u.isZeroLength() || v.isZeroLength() || n.length() <= AcGeContext::gTol.equalVector() * u.length() * v.length())
    return false;
  origin_ = origin;
  normal_ = n.normal();
  uAxis_ = u.normal();
  vAxis_ = normal_.crossProduct(uAxis_);
  return true;
}

bool AcGePlanarEnt::setFrame(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return false;
  const AcGeVector3d n = normal.normal();
  const AcGeVector3d u = n.perpVector().normal();
  return setFrame(origin, u, n.crossProduct(u));
}

void AcGePlanarEnt::getCoefficients(double& a, double& b, double& c, double& d) const {
  a = normal_.x;
  b = normal_.y;
  c = normal_.z;
  d = -origin_.asVector().dotProduct(normal_);
}

AcGePoint2d AcGePlanarEnt::paramOf(const AcGePoint3d& p) const {
  const AcGeVector3d w = p - origin_;
  return {w.dotProduct(uAxis_), w.dotProduct(vAxis_)};
}

double AcGePlanarEnt::distanceTo(const AcGePoint3d& p) const { return std::fabs(signedDistanceTo(p)); }

AcGePoint3d AcGePlanarEnt::project(const AcGePoint3d& p, const AcGeVector3d& projectDirection,
                                   const AcGeTol& tol) const {
  if (projectDirection.isZeroLength(tol)) return closestPointTo(p);
  const AcGeVector3d d = projectDirection.normal(tol);
  const double dn = d.dotProduct(normal_);
  if (std::fabs(dn) <= tol.equalVector()) return closestPointTo(p);
  return p - d * (signedDistanceTo(p) / dn);
}

bool AcGePlanarEnt::intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& point, const AcGeTol& tol) const {
  return line.intersectWith(*this, point, tol);
}

bool AcGePlanarEnt::intersectWith(const AcGePlanarEnt& plane, AcGeLine3d& line, const AcGeTol& tol) const {
  if (isParallelTo(plane, tol)) return false;
  // The point of the common line nearest the world origin: a combination of the two normals.
  const AcGeVector3d& n1 = normal_;
  const AcGeVector3d& n2 = plane.normal_;
  const double h1 = origin_.asVector().dotProduct(n1);
  const double h2 = plane.origin_.asVector().dotProduct(n2);
  const double c = n1.dotProduct(n2);
  const double det = 1.0 - c * c;
  const double a1 = (h1 - h2 * c) / det;
  const double a2 = (h2 - h1 * c) / det;
  const AcGePoint3d p = (n1 * a1 + n2 * a2).asPoint();
  line.set(p, n1.crossProduct(n2).normal());
  return true;
}

AcGeEntity3d& AcGePlanarEnt::transformBy(const AcGeMatrix3d& m) {
  const AcGePoint3d o = m * origin_;
  const AcGeVector3d u = m * uAxis_;
  const AcGeVector3d v = m * vAxis_;
  setFrame(o, u, v);
  return *this;
}
