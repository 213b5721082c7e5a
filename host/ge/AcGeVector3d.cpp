// AcGeVector3d: lengths, angles, projections and tolerance comparisons of 3D vectors.
#include "host/ge/AcGeVector3d.h"

#include <cmath>
#include <stdexcept>

#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlanarEnt.h"
#include "host/ge/AcGePoint3d.h"

const AcGeVector3d AcGeVector3d::kIdentity(0.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kXAxis(1.0, 0.0, 0.0);
const AcGeVector3d AcGeVector3d::kYAxis(0.0, 1.0, 0.0);
const AcGeVector3d AcGeVector3d::kZAxis(0.0, 0.0, 1.0);

namespace {
const double kPi = 3.14159265358979323846;
const double kTwoPi = 2 * kPi;
// The arbitrary-axis rule switches to the world y axis inside this cone around z.
const double kArbitraryAxisLimit = 1.0 / 64.0;
}  // namespace

AcGeVector3d::AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& v) {
  AcGePoint3d origin;
  AcGeVector3d u, w;
  plane.getCoordSystem(origin, u, w);
  *this = u * v.x + w * v.y;
}

double AcGeVector3d::operator[](unsigned int i) const {
  if (i == 0) return x;
  if (i == 1) return y;
  if (i == 2) return z;
  throw std::out_of_range("AcGeVector3d index");
}

double& AcGeVector3d::operator[](unsigned int i) {
  if (i == 0) return x;
  if (i == 1) return y;
  if (i == 2) return z;
  throw std::out_of_range("AcGeVector3d index");
}

AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v) {
  const auto& e = m.entry;
  return {e[0][0] * v.x + e[0][1] * v.y + e[0][2] * v.z, e[1][0] * v.x + e[1][1] * v.y + e[1][2] * v.z,
          e[2][0] * v.x + e[2][1] * v.y + e[2][2] * v.z};
}

AcGeVector3d& AcGeVector3d::setToProduct(const AcGeMatrix3d& m, const AcGeVector3d& v) { return *this = m * v; }

AcGePoint3d AcGeVector3d::asPoint() const { return {x, y, z}; }

AcGeVector3d& AcGeVector3d::transformBy(const AcGeMatrix3d& m) { return *this = m * *this; }

AcGeVector3d& AcGeVector3d::rotateBy(double angle, const AcGeVector3d& axis) {
  return transformBy(AcGeMatrix3d::rotation(angle, axis));
}

AcGeVector3d& AcGeVector3d::mirror(const AcGeVector3d& normalToPlane) {
  if (normalToPlane.isZeroLength()) return *this;
  const AcGeVector3d n = normalToPlane.normal();
  return *this -= n * (2.0 * dotProduct(n));
}

AcGeVector2d AcGeVector3d::convert2d(const AcGePlanarEnt& plane) const {
  AcGePoint3d origin;
  AcGeVector3d u, v;
  plane.getCoordSystem(origin, u, v);
  return {dotProduct(u), dotProduct(v)};
}

double AcGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

AcGeVector3d AcGeVector3d::normal(const AcGeTol& tol) const {
  if (isZeroLength(tol)) return *this;
  return *this / length();
}

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol) { return *this = normal(tol); }

AcGeVector3d& AcGeVector3d::normalize(const AcGeTol& tol, AcGe::ErrorCondition& flag) {
  flag = isZeroLength(tol) ? AcGe::k0This : AcGe::kOk;
  return normalize(tol);
}

unsigned int AcGeVector3d::largestElement() const {
  const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
  if (ax >= ay && ax >= az) return 0;
  return ay >= az ? 1 : 2;
}

double AcGeVector3d::angleTo(const AcGeVector3d& v) const {
  // atan2 keeps full precision near 0 and pi, where acos of the dot product does not.
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double AcGeVector3d::angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const {
  const double a = angleTo(v);
  if (refVec.dotProduct(crossProduct(v)) >= 0.0) return a;
  const double b = kTwoPi - a;
  return b >= kTwoPi ? 0.0 : b;
}

AcGeVector3d AcGeVector3d::perpVector() const {
  const double len = length();
  if (len == 0.0) return *this;
  const bool nearZ = std::fabs(x) < kArbitraryAxisLimit * len && std::fabs(y) < kArbitraryAxisLimit * len;
  const AcGeVector3d perp = (nearZ ? kYAxis : kZAxis).crossProduct(*this);
  return perp * (len / perp.length());
}

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal) const {
  AcGe::ErrorCondition flag;
  return orthoProject(planeNormal, AcGeContext::gTol, flag);
}

AcGeVector3d AcGeVector3d::orthoProject(const AcGeVector3d& planeNormal, const AcGeTol& tol,
                                        AcGe::ErrorCondition& flag) const {
  if (planeNormal.isZeroLength(tol)) {
    flag = AcGe::k0Arg1;
    return *this;
  }
  flag = AcGe::kOk;
  const AcGeVector3d n = planeNormal.normal(tol);
  return *this - n * dotProduct(n);
}

AcGeVector3d AcGeVector3d::project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection) const {
  AcGe::ErrorCondition flag;
  return project(planeNormal, projectDirection, AcGeContext::gTol, flag);
}

AcGeVector3d AcGeVector3d::project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection,
                                   const AcGeTol& tol, AcGe::ErrorCondition& flag) const {
  if (planeNormal.isZeroLength(tol)) {
    flag = AcGe::k0Arg1;
    return *this;
  }
  if (projectDirection.isZeroLength(tol)) {
    flag = AcGe::k0Arg2;
    return *this;
  }
  const AcGeVector3d n = planeNormal.normal(tol);
  const AcGeVector3d d = projectDirection.normal(tol);
  const double dn = d.dotProduct(n);
  if (std::fabs(dn) <= tol.equalVector()) {
    flag = AcGe::kPerpendicularArg1Arg2;
    return *this;
  }
  flag = AcGe::kOk;
  return *this - d * (dotProduct(n) / dn);
}

bool AcGeVector3d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

bool AcGeVector3d::isUnitLength(const AcGeTol& tol) const { return std::fabs(length() - 1.0) <= tol.equalVector(); }

bool AcGeVector3d::isEqualTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

bool AcGeVector3d::isParallelTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal(tol).crossProduct(v.normal(tol)).length() <= tol.equalVector();
}

bool AcGeVector3d::isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal(tol).isEqualTo(v.normal(tol), tol);
}

bool AcGeVector3d::isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
}
