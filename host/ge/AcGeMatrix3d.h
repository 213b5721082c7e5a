// AcGeMatrix3d: a 4x4 affine transformation acting on column vectors (p' = M * p), so that
// A * B applies B first and then A. The columns of the linear part are the images of the x, y and
// z axes, the last column is the translation.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeLine3d;
class AcGePlanarEnt;

class AcGeMatrix3d {
 public:
  static const AcGeMatrix3d kIdentity;

  constexpr AcGeMatrix3d() : entry{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}} {}  // the identity

  // Products and comparison.
  AcGeMatrix3d operator*(const AcGeMatrix3d& m) const;
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& m) { return *this = *this * m; }
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& left) { return *this = left * *this; }
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& right) { return *this = *this * right; }
  AcGeMatrix3d& setToProduct(const AcGeMatrix3d& a, const AcGeMatrix3d& b) { return *this = a * b; }
  bool operator==(const AcGeMatrix3d& m) const { return isEqualTo(m); }
  bool operator!=(const AcGeMatrix3d& m) const { return !isEqualTo(m); }
  // Every entry within tol.equalVector() of the other's.
  bool isEqualTo(const AcGeMatrix3d& m, const AcGeTol& tol = AcGeContext::gTol) const;
  // Row access; a row outside 0..3 throws std::out_of_range.
  double operator()(unsigned int row, unsigned int column) const;
  double& operator()(unsigned int row, unsigned int column);

  // Inversion. A singular matrix (see isSingular) is left unchanged by invert(), inverse()
  // returns it unchanged, and the checked form returns false and sets inv to the identity.
  AcGeMatrix3d& invert();
  AcGeMatrix3d inverse() const;
  bool inverse(AcGeMatrix3d& inv, double tol) const;
  // Singular when Gaussian elimination meets a pivot not above equalVector times the largest
  // entry, so the test does not depend on the drawing's scale.
  bool isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  double det() const;
  AcGeMatrix3d& transposeIt();
  AcGeMatrix3d transpose() const;

  // Properties of the linear part.
  bool isIdentity(const AcGeTol& tol = AcGeContext::gTol) const { return isEqualTo(kIdentity, tol); }
  // Axes mutually perpendicular and not zero; uni-scaled also means equally long.
  bool isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  bool isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  // The largest length of the images of the unit axes.
  double scale() const;
  // The translation part.
  AcGeVector3d translation() const;

  // Builders (each replaces the whole matrix).
  AcGeMatrix3d& setToIdentity();
  AcGeMatrix3d& setToTranslation(const AcGeVector3d& v);
  AcGeMatrix3d& setTranslation(const AcGeVector3d& v);  // keeps the linear part
  // Counter-clockwise about axis through center (right-hand rule); a zero axis gives the identity.
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                              const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToScaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  // Reflection in a plane; reflection through a point (p' = 2c - p); reflection through a line
  // (the half turn about it).
  AcGeMatrix3d& setToMirroring(const AcGePlanarEnt& plane);
  AcGeMatrix3d& setToMirroring(const AcGePoint3d& point);
  AcGeMatrix3d& setToMirroring(const AcGeLine3d& line);
  // The matrix whose columns are the axes and the origin: it maps local coordinates of that
  // system to world coordinates. The axes are taken as given.
  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis,
                               const AcGeVector3d& yAxis, const AcGeVector3d& zAxis);
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                      AcGeVector3d& zAxis) const;
  // Maps the "from" system onto the "to" system: the from-origin to the to-origin, each from-axis
  // to the matching to-axis. A degenerate from-system gives the identity.
  AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                   const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                   const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                   const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  // World <-> plane coordinates. For a bare normal the plane runs through the origin and its x axis
  // follows the arbitrary-axis rule (AcGeVector3d::perpVector); for a plane its own origin and axes.
  AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
  AcGeMatrix3d& setToWorldToPlane(const AcGePlanarEnt& plane);
  AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
  AcGeMatrix3d& setToPlaneToWorld(const AcGePlanarEnt& plane);

  // The same builders as values.
  static AcGeMatrix3d translation(const AcGeVector3d& v);
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                               const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d scaling(double scale, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d mirroring(const AcGePlanarEnt& plane);
  static AcGeMatrix3d mirroring(const AcGePoint3d& point);
  static AcGeMatrix3d mirroring(const AcGeLine3d& line);
  static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                    const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                    const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                    const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
  static AcGeMatrix3d worldToPlane(const AcGePlanarEnt& plane);
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
  static AcGeMatrix3d planeToWorld(const AcGePlanarEnt& plane);

  double entry[4][4];
};
