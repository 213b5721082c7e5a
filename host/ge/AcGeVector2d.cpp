// AcGeVector2d: lengths, angles and tolerance comparisons of plane vectors.
#include "host/ge/AcGeVector2d.h"

#include <cmath>
#include <stdexcept>

namespace {
const double kPi = 3.14159265358979323846;
}  // namespace

const AcGeVector2d AcGeVector2d::kIdentity(0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);

double AcGeVector2d::operator[](unsigned int i) const {
  if (i == 0) return x;
  if (i == 1) return y;
  throw std::out_of_range("AcGeVector2d index");
}

double& AcGeVector2d::operator[](unsigned int i) {
  if (i == 0) return x;
  if (i == 1) return y;
  throw std::out_of_range("AcGeVector2d index");
}

AcGeVector2d& AcGeVector2d::rotateBy(double a) {
  const double c = std::cos(a), s = std::sin(a);
  return set(c * x - s * y, s * x + c * y);
}

double AcGeVector2d::length() const { return std::hypot(x, y); }

AcGeVector2d AcGeVector2d::normal(const AcGeTol& tol) const {
  if (isZeroLength(tol)) return *this;
  return *this / length();
}

AcGeVector2d& AcGeVector2d::normalize(const AcGeTol& tol) { return *this = normal(tol); }

double AcGeVector2d::angle() const {
  if (x == 0.0 && y == 0.0) return 0.0;
  double a = std::atan2(y, x);
  if (a < 0) a += 2 * kPi;
  return a >= 2 * kPi ? 0.0 : a;
}

double AcGeVector2d::angleTo(const AcGeVector2d& v) const {
  return std::atan2(std::fabs(crossProduct(v)), dotProduct(v));
}

bool AcGeVector2d::isZeroLength(const AcGeTol& tol) const { return length() <= tol.equalVector(); }

bool AcGeVector2d::isUnitLength(const AcGeTol& tol) const {
  return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool AcGeVector2d::isEqualTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  return (*this - v).length() <= tol.equalVector();
}

bool AcGeVector2d::isParallelTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal(tol).crossProduct(v.normal(tol))) <= tol.equalVector();
}

bool AcGeVector2d::isCodirectionalTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal(tol).isEqualTo(v.normal(tol), tol);
}

bool AcGeVector2d::isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
}
