// AcGeLinearEnt3d: the base of straight curves (infinite lines, segments). The curve is
// point + t * vector; the parameter runs along the vector the entity was built with, so a
// segment runs from 0 at its start to 1 at its end. direction() is that vector made unit.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeCurve3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeLine3d;
class AcGePlanarEnt;

class AcGeLinearEnt3d : public AcGeCurve3d {
 public:
  bool isKindOf(AcGe::EntityId id) const override {
    return id == AcGe::kLinearEnt3d || AcGeCurve3d::isKindOf(id);
  }

  AcGePoint3d pointOnLine() const { return point_; }
  AcGeVector3d direction() const { return vector_.normal(); }
  // The infinite line that carries this entity, with the same parametrisation.
  void getLine(AcGeLine3d& line) const;

  // The one point that two entities share. Within tol: skew lines closer than equalPoint meet at
  // the point of this entity nearest the other, and parallel means |unit directions' cross
  // product| <= equalVector. Parallel lines have no intersection, except two collinear bounded
  // entities that touch end to end in a single point. The point lies on this entity.
  bool intersectWith(const AcGeLinearEnt3d& other, AcGePoint3d& point,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  // The point where the entity crosses the plane; none when it runs parallel to the plane
  // (|unit direction . normal| <= equalVector), also when it lies in it.
  bool intersectWith(const AcGePlanarEnt& plane, AcGePoint3d& point,
                     const AcGeTol& tol = AcGeContext::gTol) const;

  bool isParallelTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const;
  bool isPerpendicularTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const;
  // Both on one infinite line.
  bool isColinearTo(const AcGeLinearEnt3d& other, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGePoint3d evalPoint(double param) const override { return point_ + vector_ * param; }
  // The parameter of the foot of the perpendicular from p (clamped to the entity's interval);
  // 0 for a degenerate entity.
  double paramOf(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override;
  using AcGeCurve3d::isOn;
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  AcGeEntity3d& transformBy(const AcGeMatrix3d& m) override;

 protected:
  AcGeLinearEnt3d(const AcGePoint3d& point, const AcGeVector3d& vector) : point_(point), vector_(vector) {}
  AcGeLinearEnt3d(const AcGeLinearEnt3d&) = default;
  AcGeLinearEnt3d& operator=(const AcGeLinearEnt3d&) = default;

  // The parameter range; a segment is bounded at both ends, a line at neither.
  virtual bool bounded() const = 0;
  double clampParam(double t) const;
  // Whether t lies in the range, allowing tol.equalPoint() of distance beyond either end.
  bool paramInRange(double t, const AcGeTol& tol) const;
  // The lower and upper parameter of a bounded entity.
  static constexpr double kLowParam = 0.0;
  static constexpr double kHighParam = 1.0;

  AcGePoint3d point_;
  AcGeVector3d vector_;

 private:
  bool touchEndToEnd(const AcGeLinearEnt3d& other, AcGePoint3d& point, const AcGeTol& tol) const;
};
