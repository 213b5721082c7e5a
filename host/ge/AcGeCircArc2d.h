// AcGeCircArc2d: a circular arc in the plane (arc segments of lightweight polylines). Angles are
// measured from refVec in the arc's own turning sense: counter-clockwise, or clockwise when
// isClockWise() is set, so the arc always runs from startAng to endAng in its sense:
//   evalPoint(t) = center + radius * (cos t * refVec + sin t * side), side = refVec turned by
//   +90 degrees (counter-clockwise arcs) or -90 degrees (clockwise arcs).
#pragma once

#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGeVector2d.h"

class AcGeCircArc2d {
 public:
  AcGeCircArc2d() = default;  // the counter-clockwise unit circle about the origin
  AcGeCircArc2d(const AcGePoint2d& center, double radius, double startAng, double endAng,
                const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false) {
    set(center, radius, startAng, endAng, refVec, isClockWise);
  }
  AcGeCircArc2d(const AcGePoint2d& start, const AcGePoint2d& mid, const AcGePoint2d& end) { set(start, mid, end); }

  // A zero refVec counts as the x axis; the sweep is normalised as for 3D arcs (0 ... 2pi).
  AcGeCircArc2d& set(const AcGePoint2d& center, double radius, double startAng, double endAng,
                     const AcGeVector2d& refVec = AcGeVector2d::kXAxis, bool isClockWise = false);
  // From start through mid to end; clockwise when that is the way the three points turn. Points
  // on one line leave the arc unchanged and set the flag to AcGe::kLinearlyDependentArg1Arg2Arg3.
  AcGeCircArc2d& set(const AcGePoint2d& start, const AcGePoint2d& mid, const AcGePoint2d& end);
  AcGeCircArc2d& set(const AcGePoint2d& start, const AcGePoint2d& mid, const AcGePoint2d& end,
                     AcGe::ErrorCondition& flag);

  AcGePoint2d center() const { return center_; }
  double radius() const { return radius_; }
  double startAng() const { return startAng_; }
  double endAng() const { return endAng_; }
  AcGeVector2d refVec() const { return refVec_; }
  bool isClockWise() const { return clockWise_; }
  AcGePoint2d evalPoint(double param) const;
  AcGePoint2d startPoint() const { return evalPoint(startAng_); }
  AcGePoint2d endPoint() const { return evalPoint(endAng_); }
  double length() const { return radius_ * (endAng_ - startAng_); }

 private:
  AcGeVector2d side() const;

  AcGePoint2d center_;
  double radius_ = 1.0;
  double startAng_ = 0.0;
  double endAng_ = 2 * 3.14159265358979323846;
  AcGeVector2d refVec_{1.0, 0.0};
  bool clockWise_ = false;
};
