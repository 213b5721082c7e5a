// AcGeVector2d: a vector in the plane (plane coordinates of 3D geometry, text directions).
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeTol.h"

class AcGeVector2d {
 public:
  static const AcGeVector2d kIdentity;  // the zero vector (the additive identity)
  static const AcGeVector2d kXAxis;
  static const AcGeVector2d kYAxis;

  constexpr AcGeVector2d() = default;
  constexpr AcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  AcGeVector2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGeVector2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-() const { return {-x, -y}; }
  AcGeVector2d operator*(double s) const { return {x * s, y * s}; }
  AcGeVector2d operator/(double s) const { return {x / s, y / s}; }
  AcGeVector2d& operator+=(const AcGeVector2d& v) { return *this = *this + v; }
  AcGeVector2d& operator-=(const AcGeVector2d& v) { return *this = *this - v; }
  AcGeVector2d& operator*=(double s) { return *this = *this * s; }
  AcGeVector2d& operator/=(double s) { return *this = *this / s; }
  bool operator==(const AcGeVector2d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector2d& v) const { return !isEqualTo(v); }
  // Index 0 is x, 1 is y; anything else throws std::out_of_range.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);

  AcGeVector2d& set(double xx, double yy) {
    x = xx;
    y = yy;
    return *this;
  }
  AcGeVector2d& negate() { return *this = -*this; }
  AcGeVector2d& rotateBy(double angle);

  double length() const;
  double lengthSqrd() const { return x * x + y * y; }
  // A zero-length vector is returned unchanged.
  AcGeVector2d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector2d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  double dotProduct(const AcGeVector2d& v) const { return x * v.x + y * v.y; }
  // The z component of the 3D cross product.
  double crossProduct(const AcGeVector2d& v) const { return x * v.y - y * v.x; }
  // The angle from the x axis, counter-clockwise, in [0, 2pi); 0 for the zero vector.
  double angle() const;
  // The unsigned angle between the two vectors, in [0, pi].
  double angleTo(const AcGeVector2d& v) const;

  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isParallelTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isCodirectionalTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeVector2d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double x = 0.0;
  double y = 0.0;
};

inline AcGeVector2d operator*(double s, const AcGeVector2d& v) { return v * s; }
