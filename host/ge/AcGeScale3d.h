// AcGeScale3d: scale factors along x, y and z (block references, non-uniform scaling).
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeTol.h"

class AcGeMatrix3d;

class AcGeScale3d {
 public:
  static const AcGeScale3d kIdentity;

  constexpr AcGeScale3d() = default;
  explicit AcGeScale3d(double s) : sx(s), sy(s), sz(s) {}
  constexpr AcGeScale3d(double x, double y, double z) : sx(x), sy(y), sz(z) {}

  AcGeScale3d operator*(const AcGeScale3d& s) const { return {sx * s.sx, sy * s.sy, sz * s.sz}; }
  AcGeScale3d operator*(double s) const { return {sx * s, sy * s, sz * s}; }
  AcGeScale3d& operator*=(const AcGeScale3d& s) { return *this = *this * s; }
  AcGeScale3d& operator*=(double s) { return *this = *this * s; }
  bool operator==(const AcGeScale3d& s) const { return isEqualTo(s); }
  bool operator!=(const AcGeScale3d& s) const { return !isEqualTo(s); }
  // Index 0, 1, 2 is sx, sy, sz; anything else throws std::out_of_range.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);

  AcGeScale3d& set(double x, double y, double z) {
    sx = x;
    sy = y;
    sz = z;
    return *this;
  }
  AcGeScale3d& setToProduct(const AcGeScale3d& a, const AcGeScale3d& b) { return *this = a * b; }
  // A zero factor has no inverse: invert leaves it unchanged and returns false.
  bool invert();
  AcGeScale3d inverse() const;
  // All factors equal within equalVector.
  bool isProportional(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isEqualTo(const AcGeScale3d& s, const AcGeTol& tol = AcGeContext::gTol) const;

  // The scaling matrix about the origin, and the factors of a matrix (the lengths of its axes).
  AcGeMatrix3d& getMatrix(AcGeMatrix3d& m) const;
  AcGeScale3d& extractScale(const AcGeMatrix3d& m);
  operator AcGeMatrix3d() const;

  double sx = 1.0;
  double sy = 1.0;
  double sz = 1.0;
};
