// AcGeCircArc2d: construction and evaluation of plane arcs.
#include "host/ge/AcGeCircArc2d.h"

#include <algorithm>
#include <cmath>

#include "host/ge/AcGeContext.h"

namespace {
const double kTwoPi = 2 * 3.14159265358979323846;
}  // namespace

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& center, double radius, double startAng, double endAng,
                                  const AcGeVector2d& refVec, bool isClockWise) {
  center_ = center;
  radius_ = std::fabs(radius);
  refVec_ = refVec.isZeroLength() ? AcGeVector2d::kXAxis : refVec.normal();
  clockWise_ = isClockWise;
  double sweep = endAng - startAng;
  if (!std::isfinite(sweep)) sweep = kTwoPi;
  if (sweep < 0.0) sweep += kTwoPi * std::ceil(-sweep / kTwoPi);
  startAng_ = std::isfinite(startAng) ? startAng : 0.0;
  endAng_ = startAng_ + std::min(sweep, kTwoPi);
  return *this;
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& start, const AcGePoint2d& mid, const AcGePoint2d& end) {
  AcGe::ErrorCondition flag;
  return set(start, mid, end, flag);
}

AcGeCircArc2d& AcGeCircArc2d::set(const AcGePoint2d& start, const AcGePoint2d& mid, const AcGePoint2d& end,
                                  AcGe::ErrorCondition& flag) {
  const AcGeVector2d a = mid - start, b = end - start;
  const double turn = a.crossProduct(b);
  if (start.isEqualTo(mid) || start.isEqualTo(end) || mid.isEqualTo(end) ||
      std::fabs(turn) <= AcGeContext::gTol.equalVector() * a.length() * b.length()) {
    flag = AcGe::kLinearlyDependentArg1Arg2Arg3;
    return *this;
  }
  // Circumcentre relative to start.
  const double d = 2.0 * turn;
  const AcGeVector2d rel((b.y * a.lengthSqrd() - a.y * b.lengthSqrd()) / d,
                         (a.x * b.lengthSqrd() - b.x * a.lengthSqrd()) / d);
  center_ = start + rel;
  radius_ = rel.length();
  clockWise_ = turn < 0.0;
  refVec_ = (start - center_).normal();
  startAng_ = 0.0;
  const AcGeVector2d toEnd = end - center_;
  double e = std::atan2(toEnd.dotProduct(side()), toEnd.dotProduct(refVec_));
  if (e <= 0.0) e += kTwoPi;
  endAng_ = e;
  flag = AcGe::kOk;
  return *this;
}

AcGeVector2d AcGeCircArc2d::side() const {
  const AcGeVector2d left(-refVec_.y, refVec_.x);
  return clockWise_ ? -left : left;
}

AcGePoint2d AcGeCircArc2d::evalPoint(double param) const {
  return center_ + (refVec_ * std::cos(param) + side() * std::sin(param)) * radius_;
}
