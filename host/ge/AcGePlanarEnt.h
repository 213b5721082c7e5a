// AcGePlanarEnt: the base of planes: an origin and two unit, perpendicular axes (u, v) with
// normal = u x v. Plane coordinates (u, v) of a point are its offsets along the axes.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeEntity3d.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeLine3d;
class AcGeLinearEnt3d;

class AcGePlanarEnt : public AcGeEntity3d {
 public:
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kPlanarEnt || AcGeEntity3d::isKindOf(id); }

  AcGePoint3d pointOnPlane() const { return origin_; }
  AcGeVector3d normal() const { return normal_; }
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& uAxis, AcGeVector3d& vAxis) const {
    origin = origin_;
    uAxis = uAxis_;
    vAxis = vAxis_;
  }
  // ax + by + cz + d = 0 with (a, b, c) the unit normal.
  void getCoefficients(double& a, double& b, double& c, double& d) const;

  AcGePoint3d evalPoint(const AcGePoint2d& param) const { return origin_ + uAxis_ * param.x + vAxis_ * param.y; }
  AcGePoint2d paramOf(const AcGePoint3d& p) const;

  // Positive on the side the normal points to.
  double signedDistanceTo(const AcGePoint3d& p) const { return (p - origin_).dotProduct(normal_); }
  double distanceTo(const AcGePoint3d& p) const;
  AcGePoint3d closestPointTo(const AcGePoint3d& p) const { return p - normal_ * signedDistanceTo(p); }
  // Along projectDirection; a direction parallel to the plane gives the orthogonal projection.
  AcGePoint3d project(const AcGePoint3d& p, const AcGeVector3d& projectDirection,
                      const AcGeTol& tol = AcGeContext::gTol) const;
  bool isOn(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override {
    return distanceTo(p) <= tol.equalPoint();
  }

  bool intersectWith(const AcGeLinearEnt3d& line, AcGePoint3d& point,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // The line the two planes share; none for parallel planes.
  bool intersectWith(const AcGePlanarEnt& plane, AcGeLine3d& line,
                     const AcGeTol& tol = AcGeContext::gTol) const;

  bool isParallelTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const {
    return normal_.isParallelTo(plane.normal_, tol);
  }
  bool isPerpendicularTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const {
    return normal_.isPerpendicularTo(plane.normal_, tol);
  }
  bool isCoplanarTo(const AcGePlanarEnt& plane, const AcGeTol& tol = AcGeContext::gTol) const {
    return isParallelTo(plane, tol) && isOn(plane.origin_, tol);
  }

  // Mirroring flips the normal with the axes, so the plane stays right-handed in u, v, normal.
  AcGeEntity3d& transformBy(const AcGeMatrix3d& m) override;

 protected:
  AcGePlanarEnt() = default;
  AcGePlanarEnt(const AcGePlanarEnt&) = default;
  AcGePlanarEnt& operator=(const AcGePlanarEnt&) = default;

  // Builds the orthonormal frame from origin and two spanning vectors; false (and no change)
  // when they do not span a plane.
  bool setFrame(const AcGePoint3d& origin, const AcGeVector3d& u, const AcGeVector3d& v);
  // Builds the frame from a normal with u = normal.perpVector(); false for a zero normal.
  bool setFrame(const AcGePoint3d& origin, const AcGeVector3d& normal);

  AcGePoint3d origin_;
  AcGeVector3d uAxis_{1.0, 0.0, 0.0};
  AcGeVector3d vAxis_{0.0, 1.0, 0.0};
  AcGeVector3d normal_{0.0, 0.0, 1.0};
};
