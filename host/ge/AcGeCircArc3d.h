// AcGeCircArc3d: a circular arc or full circle in 3D. The parameter is the angle in radians from
// refVec, counter-clockwise about normal (right-hand rule), so the arc always runs
// counter-clockwise from startAng to endAng as seen from the side the normal points to:
//   evalPoint(t) = center + radius * (cos t * refVec + sin t * (normal x refVec)).
// normal and refVec are kept unit and perpendicular; endAng - startAng lies in [0, 2pi].
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeCurve3d.h"
#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeLine3d;
class AcGeLinearEnt3d;
class AcGePlane;

class AcGeCircArc3d : public AcGeCurve3d {
 public:
  AcGeCircArc3d();  // unit circle about the origin in the XY plane
  AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& refVec,
                double radius, double startAng = 0.0, double endAng = 2 * 3.14159265358979323846);
  AcGeCircArc3d(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end);

  // A full circle; refVec is normal.perpVector().
  AcGeCircArc3d& set(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  // A zero normal is taken as +Z; refVec is made perpendicular to the normal (normal.perpVector()
  // when it has no such component); a negative radius counts by its magnitude. An endAng below
  // startAng is moved up by whole turns; a sweep above 2pi becomes 2pi.
  AcGeCircArc3d& set(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& refVec,
                     double radius, double startAng, double endAng);
  // The arc from start through mid to end: the normal is oriented so that the arc runs
  // counter-clockwise, refVec points from the center to start, startAng is 0 and endAng the angle
  // of end. Points on one line (or equal points) leave the arc unchanged; the flag form reports
  // that as AcGe::kLinearlyDependentArg1Arg2Arg3.
  AcGeCircArc3d& set(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end);
  AcGeCircArc3d& set(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end,
                     AcGe::ErrorCondition& flag);

  AcGePoint3d center() const { return center_; }
  AcGeVector3d normal() const { return normal_; }
  AcGeVector3d refVec() const { return refVec_; }
  double radius() const { return radius_; }
  double startAng() const { return startAng_; }
  double endAng() const { return endAng_; }
  AcGePoint3d startPoint() const { return evalPoint(startAng_); }
  AcGePoint3d endPoint() const { return evalPoint(endAng_); }
  bool isClosed(const AcGeTol& tol = AcGeContext::gTol) const;
  void getPlane(AcGePlane& plane) const;

  AcGeCircArc3d& setCenter(const AcGePoint3d& center);
  AcGeCircArc3d& setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec);
  AcGeCircArc3d& setRefVec(const AcGeVector3d& refVec) { return setAxes(normal_, refVec); }
  AcGeCircArc3d& setRadius(double radius);
  AcGeCircArc3d& setAngles(double startAng, double endAng);

  // Intersections with a line or segment and with another arc, 0, 1 or 2 points, each on both
  // entities. Points come in the order of the line's parameter; a single point is stored in both p1
  // and p2; without a point p1 and p2 are untouched. Tangency within equalPoint counts as one point;
  // concentric arcs (also equal ones) have none.
  bool intersectWith(const AcGeLinearEnt3d& line, int& count, AcGePoint3d& p1, AcGePoint3d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;
  bool intersectWith(const AcGeCircArc3d& arc, int& count, AcGePoint3d& p1, AcGePoint3d& p2,
                     const AcGeTol& tol = AcGeContext::gTol) const;

  // The tangent line at a point of the arc, running in the arc's direction; false when the
  // point is not on the arc.
  bool tangent(const AcGePoint3d& point, AcGeLine3d& line, const AcGeTol& tol = AcGeContext::gTol) const;

  AcGe::EntityId type() const override { return AcGe::kCircArc3d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kCircArc3d || AcGeCurve3d::isKindOf(id); }
  AcGeEntity3d* copy() const override { return new AcGeCircArc3d(*this); }

  AcGePoint3d evalPoint(double param) const override;
  // The angle of p about the normal (p projected into the arc's plane), taken in the turn that
  // starts at startAng and clamped to the arc, so a point off the arc gives the nearer end.
  // The center gives startAng.
  double paramOf(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override;
  AcGePoint3d closestPointTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override;
  // In the plane, at the radius and within the angles, each within equalPoint (in distance).
  bool isOn(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override;
  bool isOn(const AcGePoint3d& p, double& param, const AcGeTol& tol = AcGeContext::gTol) const {
    return AcGeCurve3d::isOn(p, param, tol);
  }
  void getInterval(AcGeInterval& interval) const override;
  bool hasStartPoint(AcGePoint3d& p) const override;
  bool hasEndPoint(AcGePoint3d& p) const override;
  double length() const { return radius_ * (endAng_ - startAng_); }
  double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const override;
  // Flips the normal; the same points, now from the old end to the old start.
  AcGeCurve3d& reverseParam() override;
  // Exact for rigid motions, mirroring and uniform scaling; under other transformations the
  // radius follows the scaling of refVec.
  AcGeEntity3d& transformBy(const AcGeMatrix3d& m) override;

 private:
  AcGeVector3d binormal() const { return normal_.crossProduct(refVec_); }
  // Angle of a vector about the normal from refVec, in [0, 2pi).
  double angleOf(const AcGeVector3d& v) const;
  // Intersections of the full circle with an infinite line (ordered along its direction).
  int circleLinePoints(const AcGePoint3d& linePoint, const AcGeVector3d& unitDir, AcGePoint3d pts[2],
                       const AcGeTol& tol) const;
  int coplanarCirclePoints(const AcGeCircArc3d& arc, AcGePoint3d pts[2], const AcGeTol& tol) const;

  AcGePoint3d center_;
  AcGeVector3d normal_{0.0, 0.0, 1.0};
  AcGeVector3d refVec_{1.0, 0.0, 0.0};
  double radius_ = 1.0;
  double startAng_ = 0.0;
  double endAng_ = 2 * 3.14159265358979323846;
};
