// AcGeCurve3d: the base of parametric 3D curves. A curve maps its parameter interval to points;
// paramOf of a point off the curve gives the parameter of the curve's nearest point.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeEntity3d.h"
#include "host/ge/AcGeInterval.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"

class AcGeCurve3d : public AcGeEntity3d {
 public:
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kCurve3d || AcGeEntity3d::isKindOf(id); }

  virtual AcGePoint3d evalPoint(double param) const = 0;
  virtual double paramOf(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGePoint3d closestPointTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  double distanceTo(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const {
    return p.distanceTo(closestPointTo(p, tol));
  }

  // On the curve when the nearest curve point is within equalPoint. The parameter form writes
  // param only when the point is on the curve, so a caller's initial value survives a miss.
  bool isOn(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const override {
    return distanceTo(p, tol) <= tol.equalPoint();
  }
  bool isOn(const AcGePoint3d& p, double& param, const AcGeTol& tol = AcGeContext::gTol) const {
    if (!isOn(p, tol)) return false;
    param = paramOf(p, tol);
    return true;
  }

  virtual void getInterval(AcGeInterval& interval) const = 0;
  // False (and p untouched) for a curve without that end.
  virtual bool hasStartPoint(AcGePoint3d& p) const = 0;
  virtual bool hasEndPoint(AcGePoint3d& p) const = 0;
  // The length of the curve between two parameters (in either order).
  virtual double length(double fromParam, double toParam, double tol = AcGeContext::gTol.equalPoint()) const = 0;
  // Runs the curve the other way round: the start becomes the end.
  virtual AcGeCurve3d& reverseParam() = 0;

 protected:
  AcGeCurve3d() = default;
  AcGeCurve3d(const AcGeCurve3d&) = default;
  AcGeCurve3d& operator=(const AcGeCurve3d&) = default;
};
