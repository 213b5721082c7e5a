// Namespace AcGe: the error conditions that geometry functions report and the entity kinds.
#pragma once

namespace AcGe {

enum ErrorCondition {
  kOk = 0,
  k0This,                          // this vector is zero-length
  k0Arg1,                          // the first argument is zero-length
  k0Arg2,
  kPerpendicularArg1Arg2,
  kEqualArg1Arg2,
  kEqualArg1Arg3,
  kEqualArg2Arg3,
  kLinearlyDependentArg1Arg2Arg3,  // three points on one line
  kArg1TooBig,
  kArg1OnThis,
  kArg1InsideThis,
  kNonCoplanarGeometry,
  kDegenerateGeometry,
  kSingularPoint
};

enum EntityId {
  kEntity3d,
  kCurve3d,
  kLinearEnt3d,
  kLine3d,
  kLineSeg3d,
  kCircArc3d,
  kPlanarEnt,
  kPlane
};

}  // namespace AcGe
