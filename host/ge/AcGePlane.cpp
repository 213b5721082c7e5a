// AcGePlane: the coordinate planes and the ways to build a plane.
#include "host/ge/AcGePlane.h"

#include <cmath>

const AcGePlane AcGePlane::kXYPlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis, AcGeVector3d::kYAxis);
const AcGePlane AcGePlane::kYZPlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis, AcGeVector3d::kZAxis);
const AcGePlane AcGePlane::kZXPlane(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis);

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& normal) {
  setFrame(origin, normal);
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV) {
  AcGe::ErrorCondition flag;
  return set(pntU, origin, pntV, flag);
}

AcGePlane& AcGePlane::set(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV,
                          AcGe::ErrorCondition& flag) {
  flag = setFrame(origin, pntU - origin, pntV - origin) ? AcGe::kOk : AcGe::kLinearlyDependentArg1Arg2Arg3;
  return *this;
}

AcGePlane& AcGePlane::set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis) {
  setFrame(origin, uAxis, vAxis);
  return *this;
}

AcGePlane& AcGePlane::set(double a, double b, double c, double d) {
  const AcGeVector3d n(a, b, c);
  const double len2 = n.lengthSqrd();
  if (len2 == 0.0) return *this;
  return set((n * (-d / len2)).asPoint(), n);
}
