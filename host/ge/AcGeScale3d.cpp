// AcGeScale3d: factor arithmetic and the conversions to and from matrices.
#include "host/ge/AcGeScale3d.h"

#include <cmath>
#include <stdexcept>

#include "host/ge/AcGeMatrix3d.h"

const AcGeScale3d AcGeScale3d::kIdentity(1.0, 1.0, 1.0);

double AcGeScale3d::operator[](unsigned int i) const {
  if (i == 0) return sx;
  if (i == 1) return sy;
  if (i == 2) return sz;
  throw std::out_of_range("AcGeScale3d index");
}

double& AcGeScale3d::operator[](unsigned int i) {
  if (i == 0) return sx;
  if (i == 1) return sy;
  if (i == 2) return sz;
  throw std::out_of_range("AcGeScale3d index");
}

bool AcGeScale3d::invert() {
  if (sx == 0.0 || sy == 0.0 || sz == 0.0) return false;
  set(1.0 / sx, 1.0 / sy, 1.0 / sz);
  return true;
}

AcGeScale3d AcGeScale3d::inverse() const {
  AcGeScale3d s(*this);
  s.invert();
  return s;
}

bool AcGeScale3d::isProportional(const AcGeTol& tol) const {
  return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sx - sz) <= tol.equalVector();
}

bool AcGeScale3d::isEqualTo(const AcGeScale3d& s, const AcGeTol& tol) const {
  return std::fabs(sx - s.sx) <= tol.equalVector() && std::fabs(sy - s.sy) <= tol.equalVector() &&
         std::fabs(sz - s.sz) <= tol.equalVector();
}

AcGeMatrix3d& AcGeScale3d::getMatrix(AcGeMatrix3d& m) const {
  m.setToIdentity();
  m.entry[0][0] = sx;
  m.entry[1][1] = sy;
  m.entry[2][2] = sz;
  return m;
}

AcGeScale3d& AcGeScale3d::extractScale(const AcGeMatrix3d& m) {
  AcGePoint3d origin;
  AcGeVector3d x, y, z;
  m.getCoordSystem(origin, x, y, z);
  return set(x.length(), y.length(), z.length());
}

AcGeScale3d::operator AcGeMatrix3d() const {
  AcGeMatrix3d m;
  return getMatrix(m);
}
