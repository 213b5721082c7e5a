// AcGeMatrix3d: products, inversion by Gaussian elimination and the transformation builders.
#include "host/ge/AcGeMatrix3d.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGePlanarEnt.h"

namespace {
const double kPi = 3.14159265358979323846;
}  // namespace

const AcGeMatrix3d AcGeMatrix3d::kIdentity;

namespace {

typedef double Grid[4][4];

double largestEntry(const Grid& a) {
  double m = 0.0;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) m = std::max(m, std::fabs(a[r][c]));
  return m;
}

// Gauss-Jordan elimination with partial pivoting. Reduces a to the identity while applying the
// same row operations to inv (when given); returns false when a pivot is negligible against the
// largest entry. det receives the determinant.
bool eliminate(Grid& a, Grid* inv, double relTol, double& det) {
  const double limit = relTol * largestEntry(a);
  det = 1.0;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
    if (std::fabs(a[pivot][col]) <= limit || a[pivot][col] == 0.0) {
      det = 0.0;
      return false;
    }
    if (pivot != col) {
      std::swap(a[pivot], a[col]);
      if (inv) std::swap((*inv)[pivot], (*inv)[col]);
      det = -det;
    }
    const double p = a[col][col];
    det *= p;
    for (int c = 0; c < 4; ++c) {
      a[col][c] /= p;
      if (inv) (*inv)[col][c] /= p;
    }
    for (int r = 0; r < 4; ++r) {
      if (r == col) continue;
      const double f = a[r][col];
      if (f == 0.0) continue;
      for (int c = 0; c < 4; ++c) {
        a[r][c] -= f * a[col][c];
        if (inv) (*inv)[r][c] -= f * (*inv)[col][c];
      }
    }
  }
  return true;
}

void copyGrid(const Grid& from, Grid& to) {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) to[r][c] = from[r][c];
}

}  // namespace


AcGeMatrix3d AcGeMatrix3d::operator*(const AcGeMatrix3d& m) const {
  AcGeMatrix3d r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double s = 0.0;
      for (int k = 0; k < 4; ++k) s += entry[i][k] * m.entry[k][j];
      r.entry[i][j] = s;
    }
  return r;
}

bool AcGeMatrix3d::isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol) const {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (std::fabs(entry[r][c] - m.entry[r][c]) > tol.equalVector()) return false;
  return true;
}

double AcGeMatrix3d::operator()(unsigned int row, unsigned int column) const {
  if (row > 3 || column > 3) throw std::out_of_range("AcGeMatrix3d index");
  return entry[row][column];
}

double& AcGeMatrix3d::operator()(unsigned int row, unsigned int column) {
  if (row > 3 || column > 3) throw std::out_of_range("AcGeMatrix3d index");
  return entry[row][column];
}

bool AcGeMatrix3d::inverse(AcGeMatrix3d& inv, double tol) const {
  Grid a;
  copyGrid(entry, a);
  AcGeMatrix3d result;
  double det = 0.0;
  if (!eliminate(a, &result.entry, tol, det)) {
    inv.setToIdentity();
    return false;
  }
  inv = result;
  return true;
}

AcGeMatrix3d& AcGeMatrix3d::invert() {
  AcGeMatrix3d inv;
  if (inverse(inv, AcGeContext::gTol.equalVector())) *this = inv;
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::inverse() const {
  AcGeMatrix3d m(*this);
  return m.invert();
}

bool AcGeMatrix3d::isSingular(const AcGeTol& tol) const {
  Grid a;
  copyGrid(entry, a);
  double det = 0.0;
  return !eliminate(a, nullptr, tol.equalVector(), det);
}

double AcGeMatrix3d::det() const {
  Grid a;
  copyGrid(entry, a);
  double d = 0.0;
  eliminate(a, nullptr, 0.0, d);
  return d;
}

AcGeMatrix3d& AcGeMatrix3d::transposeIt() {
  for (int r = 0; r < 4; ++r)
    for (int c = r + 1; c < 4; ++c) std::swap(entry[r][c], entry[c][r]);
  return *this;
}

AcGeMatrix3d AcGeMatrix3d::transpose() const {
  AcGeMatrix3d m(*this);
  return m.transposeIt();
}

bool AcGeMatrix3d::isScaledOrtho(const AcGeTol& tol) const {
  AcGePoint3d o;
  AcGeVector3d x, y, z;
  getCoordSystem(o, x, y, z);
  return x.isPerpendicularTo(y, tol) && y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

bool AcGeMatrix3d::isUniScaledOrtho(const AcGeTol& tol) const {
  if (!isScaledOrtho(tol)) return false;
  AcGePoint3d o;
  AcGeVector3d x, y, z;
  getCoordSystem(o, x, y, z);
  const double lx = x.length();
  const double limit = tol.equalVector() * std::max(lx, 1.0);
  return std::fabs(y.length() - lx) <= limit && std::fabs(z.length() - lx) <= limit;
}

double AcGeMatrix3d::scale() const {
  AcGePoint3d o;
  AcGeVector3d x, y, z;
  getCoordSystem(o, x, y, z);
  return std::max({x.length(), y.length(), z.length()});
}

AcGeVector3d AcGeMatrix3d::translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }

AcGeMatrix3d& AcGeMatrix3d::setToIdentity() {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToTranslation(const AcGeVector3d& v) {
  setToIdentity();
  return setTranslation(v);
}

AcGeMatrix3d& AcGeMatrix3d::setTranslation(const AcGeVector3d& v) {
  entry[0][3] = v.x;
  entry[1][3] = v.y;
  entry[2][3] = v.z;
  return *this;
}

AcGeMatrix3d& AcGeMatrix3d::setToRotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  setToIdentity();
  if (axis.isZeroLength()) return *this;
  const AcGeVector3d u = axis.normal();
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  const double r[3][3] = {{t * u.x * u.x + c, t * u.x * u.y - s * u.z, t * u.x * u.z + s * u.y},
                          {t * u.x * u.y + s * u.z, t * u.y * u.y + c, t * u.y * u.z - s * u.x},
                          {t * u.x * u.z - s * u.y, t * u.y * u.z + s * u.x, t * u.z * u.z + c}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] = r[i][j];
  // The center stays where it is: translation = center - R * center.
  const AcGeVector3d cv = center.asVector();
  return setTranslation(cv - *this * cv);
}

AcGeMatrix3d& AcGeMatrix3d::setToScaling(double s, const AcGePoint3d& center) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) entry[i][i] = s;
  return setTranslation(center.asVector() * (1.0 - s));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePlanarEnt& plane) {
  setToIdentity();
  const AcGeVector3d n = plane.normal();
  const double nv[3] = {n.x, n.y, n.z};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) entry[i][j] -= 2.0 * nv[i] * nv[j];
  const double d = plane.pointOnPlane().asVector().dotProduct(n);
  return setTranslation(n * (2.0 * d));
}

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGePoint3d& point) { return setToScaling(-1.0, point); }

AcGeMatrix3d& AcGeMatrix3d::setToMirroring(const AcGeLine3d& line) {
  return setToRotation(kPi, line.direction(), line.pointOnLine());
}

AcGeMatrix3d& AcGeMatrix3d::setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                                           const AcGeVector3d& yAxis, const AcGeVector3d& zAxis) {
  setToIdentity();
  const AcGeVector3d* axes[3] = {&xAxis, &yAxis, &zAxis};
  for (int c = 0; c < 3; ++c) {
    entry[0][c] = axes[c]->x;
    entry[1][c] = axes[c]->y;
    entry[2][c] = axes[c]->z;
  }
  return setTranslation(origin.asVector());
}

void AcGeMatrix3d::getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                                  AcGeVector3d& zAxis) const {
  origin.set(entry[0][3], entry[1][3], entry[2][3]);
  xAxis.set(entry[0][0], entry[1][0], entry[2][0]);
  yAxis.set(entry[0][1], entry[1][1], entry[2][1]);
  zAxis.set(entry[0][2], entry[1][2], entry[2][2]);
}

AcGeMatrix3d& AcGeMatrix3d::setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                               const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                               const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                               const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  AcGeMatrix3d from, to, fromInverse;
  from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
  to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
  if (!from.inverse(fromInverse, AcGeContext::gTol.equalVector())) return setToIdentity();
  return *this = to * fromInverse;
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return setToIdentity();
  const AcGeVector3d z = normal.normal();
  const AcGeVector3d x = z.perpVector().normal();
  return setCoordSystem(AcGePoint3d::kOrigin, x, z.crossProduct(x), z);
}

AcGeMatrix3d& AcGeMatrix3d::setToPlaneToWorld(const AcGePlanarEnt& plane) {
  AcGePoint3d o;
  AcGeVector3d u, v;
  plane.getCoordSystem(o, u, v);
  return setCoordSystem(o, u, v, plane.normal());
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGeVector3d& normal) {
  // The plane frames are orthonormal, so the inverse always exists.
  return setToPlaneToWorld(normal).invert();
}

AcGeMatrix3d& AcGeMatrix3d::setToWorldToPlane(const AcGePlanarEnt& plane) { return setToPlaneToWorld(plane).invert(); }

AcGeMatrix3d AcGeMatrix3d::translation(const AcGeVector3d& v) { return AcGeMatrix3d().setToTranslation(v); }

AcGeMatrix3d AcGeMatrix3d::rotation(double angle, const AcGeVector3d& axis, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToRotation(angle, axis, center);
}

AcGeMatrix3d AcGeMatrix3d::scaling(double s, const AcGePoint3d& center) {
  return AcGeMatrix3d().setToScaling(s, center);
}

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePlanarEnt& plane) { return AcGeMatrix3d().setToMirroring(plane); }

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGePoint3d& point) { return AcGeMatrix3d().setToMirroring(point); }

AcGeMatrix3d AcGeMatrix3d::mirroring(const AcGeLine3d& line) { return AcGeMatrix3d().setToMirroring(line); }

AcGeMatrix3d AcGeMatrix3d::alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                         const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                         const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                         const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis) {
  return AcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis, toYAxis,
                                           toZAxis);
}

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGeVector3d& normal) { return AcGeMatrix3d().setToWorldToPlane(normal); }

AcGeMatrix3d AcGeMatrix3d::worldToPlane(const AcGePlanarEnt& plane) { return AcGeMatrix3d().setToWorldToPlane(plane); }

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGeVector3d& normal) { return AcGeMatrix3d().setToPlaneToWorld(normal); }

AcGeMatrix3d AcGeMatrix3d::planeToWorld(const AcGePlanarEnt& plane) { return AcGeMatrix3d().setToPlaneToWorld(plane); }
