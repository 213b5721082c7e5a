// AcGePoint3d: a 3D point with the platform's transformations, projections and tolerance tests.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeMatrix3d;
class AcGePlanarEnt;
class AcGeLine3d;

class AcGePoint3d {
 public:
  static const AcGePoint3d kOrigin;

  constexpr AcGePoint3d() = default;
  constexpr AcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The point of the plane with plane coordinates p.
  AcGePoint3d(const AcGePlanarEnt& plane, const AcGePoint2d& p);

  AcGePoint3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGePoint3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-(const AcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  AcGePoint3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
  AcGePoint3d& operator-=(const AcGeVector3d& v) { return *this = *this - v; }
  // Scaling about the origin (as the platform's point operators do).
  AcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGePoint3d& operator*=(double s) { return *this = *this * s; }
  AcGePoint3d& operator/=(double s) { return *this = *this / s; }
  // Equality within the global tolerance, like isEqualTo.
  bool operator==(const AcGePoint3d& p) const { return isEqualTo(p); }
  bool operator!=(const AcGePoint3d& p) const { return !isEqualTo(p); }
  // Index 0, 1, 2 is x, y, z; anything else throws std::out_of_range.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);

  AcGePoint3d& set(double xx, double yy, double zz) {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  AcGePoint3d& set(const AcGePlanarEnt& plane, const AcGePoint2d& p) { return *this = AcGePoint3d(plane, p); }
  AcGePoint3d& setToSum(const AcGePoint3d& p, const AcGeVector3d& v) { return *this = p + v; }
  AcGePoint3d& setToProduct(const AcGeMatrix3d& m, const AcGePoint3d& p);
  AcGeVector3d asVector() const { return {x, y, z}; }

  // Transformations. rotateBy turns about the axis through wrtPoint (right-hand rule).
  AcGePoint3d& transformBy(const AcGeMatrix3d& m);
  AcGePoint3d& rotateBy(double angle, const AcGeVector3d& axis, const AcGePoint3d& wrtPoint = kOrigin);
  AcGePoint3d& mirror(const AcGePlanarEnt& plane);
  AcGePoint3d& scaleBy(double factor, const AcGePoint3d& wrtPoint = kOrigin);

  // Projections onto a plane. orthoProject is the foot of the perpendicular; project moves the
  // point along projectDirection and, when that runs parallel to the plane, falls back to the
  // orthogonal projection.
  AcGePoint3d orthoProject(const AcGePlanarEnt& plane) const;
  AcGePoint3d project(const AcGePlanarEnt& plane, const AcGeVector3d& projectDirection) const;
  // The plane coordinates of the orthogonal projection of this point.
  AcGePoint2d convert2d(const AcGePlanarEnt& plane) const;

  double distanceTo(const AcGePoint3d& p) const { return (*this - p).length(); }
  // Equal when the distance is at most tol.equalPoint().
  bool isEqualTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint();
  }

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The whole affine transformation applied to p.
AcGePoint3d operator*(const AcGeMatrix3d& m, const AcGePoint3d& p);
inline AcGePoint3d operator*(double s, const AcGePoint3d& p) { return p * s; }
