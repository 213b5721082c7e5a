// AcGePoint3d: transformations and projections of 3D points.
#include "host/ge/AcGePoint3d.h"

#include <cmath>
#include <stdexcept>

#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlanarEnt.h"

const AcGePoint3d AcGePoint3d::kOrigin(0.0, 0.0, 0.0);

AcGePoint3d::AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& p) { *this = plane.evalPoint(p); }

double AcGePoint3d::operator[](unsigned int i) const {
  if (i == 0) return x;
  if (i == 1) return y;
  if (i == 2) return z;
  throw std::out_of_range("AcGePoint3d index");
}

double& AcGePoint3d::operator[](unsigned int i) {
  if (i == 0) return x;
  if (i == 1) return y;
  if (i == 2) return z;
  throw std::out_of_range("AcGePoint3d index");
}

AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p) {
  const auto& e = m.entry;
  AcGePoint3d r(e[0][0] * p.x + e[0][1] * p.y + e[0][2] * p.z + e[0][3],
                e[1][0] * p.x + e[1][1] * p.y + e[1][2] * p.z + e[1][3],
                e[2][0] * p.x + e[2][1] * p.y + e[2][2] * p.z + e[2][3]);
  // Affine matrices have w = 1; a projective last row is honoured when it is usable.
  const double w = e[3][0] * p.x + e[3][1] * p.y + e[3][2] * p.z + e[3][3];
  if (w != 1.0 && w != 0.0 && std::isfinite(w)) r /= w;
  return r;
}

AcGePoint3d& AcGePoint3d::setToProduct(const AcGeMatrix3d& m, const AcGePoint3d& p) { return *this = m * p; }

AcGePoint3d& AcGePoint3d::transformBy(const AcGeMatrix3d& m) { return *this = m * *this; }

AcGePoint3d& AcGePoint3d::rotateBy(double angle, const AcGeVector3d& axis, const AcGePoint3d& wrtPoint) {
  return transformBy(AcGeMatrix3d::rotation(angle, axis, wrtPoint));
}

AcGePoint3d& AcGePoint3d::mirror(const AcGePlanarEnt& plane) {
  return *this -= plane.normal() * (2.0 * plane.signedDistanceTo(*this));
}

AcGePoint3d& AcGePoint3d::scaleBy(double factor, const AcGePoint3d& wrtPoint) {
  return *this = wrtPoint + (*this - wrtPoint) * factor;
}

AcGePoint3d AcGePoint3d::orthoProject(const AcGePlanarEnt& plane) const { return plane.closestPointTo(*this); }

AcGePoint3d AcGePoint3d::project(const AcGePlanarEnt& plane, const AcGeVector3d& projectDirection) const {
  return plane.project(*this, projectDirection);
}

AcGePoint2d AcGePoint3d::convert2d(const AcGePlanarEnt& plane) const { return plane.paramOf(*this); }
