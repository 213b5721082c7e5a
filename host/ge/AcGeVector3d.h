// AcGeVector3d: a 3D vector (directions, normals, displacements) with the platform's tolerance
// comparisons. A transformation applies only its linear part to a vector, never its translation.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector2d.h"

class AcGeMatrix3d;
class AcGePlanarEnt;
class AcGePoint3d;

class AcGeVector3d {
 public:
  static const AcGeVector3d kIdentity;  // the zero vector (the additive identity)
  static const AcGeVector3d kXAxis;
  static const AcGeVector3d kYAxis;
  static const AcGeVector3d kZAxis;

  constexpr AcGeVector3d() = default;
  constexpr AcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
  // The 3D vector of plane vector v in the plane's axes.
  AcGeVector3d(const AcGePlanarEnt& plane, const AcGeVector2d& v);

  AcGeVector3d operator+(const AcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  AcGeVector3d operator-(const AcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  AcGeVector3d operator-() const { return {-x, -y, -z}; }
  AcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  AcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  AcGeVector3d& operator+=(const AcGeVector3d& v) { return *this = *this + v; }
  AcGeVector3d& operator-=(const AcGeVector3d& v) { return *this = *this - v; }
  AcGeVector3d& operator*=(double s) { return *this = *this * s; }
  AcGeVector3d& operator/=(double s) { return *this = *this / s; }
  // Equality within the global tolerance, like isEqualTo.
  bool operator==(const AcGeVector3d& v) const { return isEqualTo(v); }
  bool operator!=(const AcGeVector3d& v) const { return !isEqualTo(v); }
  // Index 0, 1, 2 is x, y, z; anything else throws std::out_of_range.
  double operator[](unsigned int i) const;
  double& operator[](unsigned int i);

  AcGeVector3d& set(double xx, double yy, double zz) {
    x = xx;
    y = yy;
    z = zz;
    return *this;
  }
  AcGeVector3d& setToSum(const AcGeVector3d& a, const AcGeVector3d& b) { return *this = a + b; }
  AcGeVector3d& setToProduct(const AcGeMatrix3d& m, const AcGeVector3d& v);
  AcGeVector3d& setToProduct(const AcGeVector3d& v, double s) { return *this = v * s; }
  AcGeVector3d& negate() { return *this = -*this; }
  AcGePoint3d asPoint() const;

  // Transformations. rotateBy turns counter-clockwise about axis (right-hand rule); a zero axis
  // leaves the vector as it is. mirror reflects in the plane through the origin with that normal.
  AcGeVector3d& transformBy(const AcGeMatrix3d& m);
  AcGeVector3d& rotateBy(double angle, const AcGeVector3d& axis);
  AcGeVector3d& mirror(const AcGeVector3d& normalToPlane);
  // The coordinates of this vector in the plane's axes (its normal component is dropped).
  AcGeVector2d convert2d(const AcGePlanarEnt& plane) const;

  // Lengths. normal/normalize of a zero-length vector (length <= equalVector) return it
  // unchanged; the flag forms report that as AcGe::k0This.
  double length() const;
  double lengthSqrd() const { return x * x + y * y + z * z; }
  AcGeVector3d normal(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeVector3d& normalize(const AcGeTol& tol = AcGeContext::gTol);
  AcGeVector3d& normalize(const AcGeTol& tol, AcGe::ErrorCondition& flag);
  unsigned int largestElement() const;

  double dotProduct(const AcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  AcGeVector3d crossProduct(const AcGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }

  // The unsigned angle between the vectors, in [0, pi]; 0 when either is zero-length.
  double angleTo(const AcGeVector3d& v) const;
  // The angle from this vector to v counter-clockwise about refVec, in [0, 2pi): angleTo(v)
  // when refVec . (this x v) >= 0, else 2pi - angleTo(v).
  double angleTo(const AcGeVector3d& v, const AcGeVector3d& refVec) const;

  // A vector perpendicular to this one, of the same length: the x axis that the arbitrary-axis
  // rule gives for this vector as a normal. For a vector in the XY plane that is the vector turned
  // by +90 degrees about Z; for a vector along +Z it is +X. The zero vector gives the zero vector.
  AcGeVector3d perpVector() const;

  // The component of this vector in the plane with the given normal (orthogonal projection).
  // A zero-length normal gives the vector unchanged, flagged AcGe::k0Arg1.
  AcGeVector3d orthoProject(const AcGeVector3d& planeNormal) const;
  AcGeVector3d orthoProject(const AcGeVector3d& planeNormal, const AcGeTol& tol,
                            AcGe::ErrorCondition& flag) const;
  // This vector moved along projectDirection into the plane with the given normal. A direction
  // parallel to the plane gives the vector unchanged, flagged AcGe::kPerpendicularArg1Arg2.
  AcGeVector3d project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection) const;
  AcGeVector3d project(const AcGeVector3d& planeNormal, const AcGeVector3d& projectDirection,
                       const AcGeTol& tol, AcGe::ErrorCondition& flag) const;

  // Comparisons. Zero-length vectors are never parallel, codirectional or perpendicular.
  bool isZeroLength(const AcGeTol& tol = AcGeContext::gTol) const;  // length <= equalVector
  bool isUnitLength(const AcGeTol& tol = AcGeContext::gTol) const;  // |length - 1| <= equalVector
  // |this - v| <= equalVector
  bool isEqualTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // |unit(this) x unit(v)| <= equalVector
  bool isParallelTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // |unit(this) - unit(v)| <= equalVector
  bool isCodirectionalTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;
  // |unit(this) . unit(v)| <= equalVector
  bool isPerpendicularTo(const AcGeVector3d& v, const AcGeTol& tol = AcGeContext::gTol) const;

  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

inline AcGeVector3d operator*(double s, const AcGeVector3d& v) { return v * s; }
// The matrix's linear part applied to v.
AcGeVector3d operator*(const AcGeMatrix3d& m, const AcGeVector3d& v);
