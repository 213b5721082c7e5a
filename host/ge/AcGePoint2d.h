// AcGePoint2d: a point in the plane (coordinates of a 3D point in a plane's coordinate system).
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector2d.h"

class AcGePoint2d {
 public:
  static const AcGePoint2d kOrigin;

  constexpr AcGePoint2d() = default;
  constexpr AcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  AcGePoint2d operator+(const AcGeVector2d& v) const { return {x + v.x, y + v.y}; }
  AcGePoint2d operator-(const AcGeVector2d& v) const { return {x - v.x, y - v.y}; }
  AcGeVector2d operator-(const AcGePoint2d& p) const { return {x - p.x, y - p.y}; }
  AcGePoint2d& operator+=(const AcGeVector2d& v) { return *this = *this + v; }
  AcGePoint2d& operator-=(const AcGeVector2d& v) { return *this = *this - v; }
  AcGePoint2d operator*(double s) const { return {x * s, y * s}; }
  AcGePoint2d operator/(double s) const { return {x / s, y / s}; }
  bool operator==(const AcGePoint2d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint2d& p) const { return !isEqualTo(p); }
  // Index 0 is x, 1 is y; anything else throws std::out_of_range.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);

  AcGePoint2d& set(double xx, double yy) {
    x = xx;
    y = yy;
    return *this;
  }
  AcGeVector2d asVector() const { return {x, y}; }
  double distanceTo(const AcGePoint2d& p) const { return (*this - p).length(); }
  // Equal when the distance is at most tol.equalPoint().
  bool isEqualTo(const AcGePoint2d& p, const AcGeTol& tol = AcGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint();
  }

  double x = 0.0;
  double y = 0.0;
};
