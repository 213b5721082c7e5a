// AcGeCircArc3d: construction, parametrisation and intersections of circular arcs.
#include "host/ge/AcGeCircArc3d.h"

#include <algorithm>
#include <cmath>

#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeLinearEnt3d.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlane.h"

namespace {
const double kPi = 3.14159265358979323846;
const double kTwoPi = 2 * kPi;
}  // namespace

AcGeCircArc3d::AcGeCircArc3d() = default;

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, double radius) {
  set(center, normal, radius);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& refVec,
                             double radius, double startAng, double endAng) {
  set(center, normal, refVec, radius, startAng, endAng);
}

AcGeCircArc3d::AcGeCircArc3d(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end) {
  set(start, mid, end);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& center, const AcGeVector3d& normal, double radius) {
  const AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal;
  return set(center, n, n.perpVector(), radius, 0.0, kTwoPi);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& center, const AcGeVector3d& normal, const AcGeVector3d& refVec,
                                  double radius, double startAng, double endAng) {
  center_ = center;
  setAxes(normal, refVec);
  setRadius(radius);
  return setAngles(startAng, endAng);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end) {
  AcGe::ErrorCondition flag;
  return set(start, mid, end, flag);
}

AcGeCircArc3d& AcGeCircArc3d::set(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end,
                                  AcGe::ErrorCondition& flag) {
  const AcGeTol& tol = AcGeContext::gTol;
  if (start.isEqualTo(mid, tol)) return flag = AcGe::kEqualArg1Arg2, *this;
  if (start.isEqualTo(end, tol)) return flag = AcGe::kEqualArg1Arg3, *this;
  if (mid.isEqualTo(end, tol)) return flag = AcGe::kEqualArg2Arg3, *this;
  const AcGeVector3d a = start - end, b = mid - end;
  const AcGeVector3d axb = a.crossProduct(b);
  if (a.isParallelTo(b, tol)) return flag = AcGe::kLinearlyDependentArg1Arg2Arg3, *this;
  // Circumcentre of the triangle, relative to end.
  const AcGeVector3d rel = (b * a.lengthSqrd() - a * b.lengthSqrd()).crossProduct(axb) / (2.0 * axb.lengthSqrd());
  const AcGePoint3d c = end + rel;
  // (mid - start) x (end - mid) points to the side from which start -> mid -> end turns left.
  const AcGeVector3d n = (mid - start).crossProduct(end - mid);
  center_ = c;
  normal_ = n.normal();
  refVec_ = (start - c).normal();
  radius_ = start.distanceTo(c);
  startAng_ = 0.0;
  endAng_ = angleOf(end - c);
  if (endAng_ == 0.0) endAng_ = kTwoPi;
  flag = AcGe::kOk;
  return *this;
}

bool AcGeCircArc3d::isClosed(const AcGeTol& tol) const {
  return radius_ * (kTwoPi - (endAng_ - startAng_)) <= tol.equalPoint();
}

void AcGeCircArc3d::getPlane(AcGePlane& plane) const { plane.set(center_, refVec_, binormal()); }

AcGeCircArc3d& AcGeCircArc3d::setCenter(const AcGePoint3d& center) {
  center_ = center;
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAxes(const AcGeVector3d& normal, const AcGeVector3d& refVec) {
  normal_ = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  AcGeVector3d r = refVec.orthoProject(normal_);
  if (r.isZeroLength()) r = normal_.perpVector();
  refVec_ = r.normal();
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setRadius(double radius) {
  radius_ = std::fabs(radius);
  return *this;
}

AcGeCircArc3d& AcGeCircArc3d::setAngles(double startAng, double endAng) {
  double sweep = endAng - startAng;
  if (!std::isfinite(sweep)) sweep = kTwoPi;
  if (sweep < 0.0) sweep += kTwoPi * std::ceil(-sweep / kTwoPi);
  startAng_ = std::isfinite(startAng) ? startAng : 0.0;
  endAng_ = startAng_ + std::min(sweep, kTwoPi);
  return *this;
}

double AcGeCircArc3d::angleOf(const AcGeVector3d& v) const {
  double a = std::atan2(v.dotProduct(binormal()), v.dotProduct(refVec_));
  if (a < 0.0) a += kTwoPi;
  return a >= kTwoPi ? 0.0 : a;
}

AcGePoint3d AcGeCircArc3d::evalPoint(double param) const {
  return center_ + (refVec_ * std::cos(param) + binormal() * std::sin(param)) * radius_;
}

double AcGeCircArc3d::paramOf(const AcGePoint3d& p, const AcGeTol& tol) const {
  const AcGeVector3d w = (p - center_).orthoProject(normal_);
  if (w.length() <= tol.equalPoint()) return startAng_;
  double a = angleOf(w);
  // Into the turn that begins at startAng.
  a = startAng_ + std::fmod(a - std::fmod(startAng_, kTwoPi) + 2 * kTwoPi, kTwoPi);
  if (a <= endAng_) return a;
  // Beyond the end: whichever end is angularly nearer.
  return (a - endAng_) <= (startAng_ + kTwoPi - a) ? endAng_ : startAng_;
}

AcGePoint3d AcGeCircArc3d::closestPointTo(const AcGePoint3d& p, const AcGeTol& tol) const {
  return evalPoint(paramOf(p, tol));
}

bool AcGeCircArc3d::isOn(const AcGePoint3d& p, const AcGeTol& tol) const {
  const AcGeVector3d w = p - center_;
  if (std::fabs(w.dotProduct(normal_)) > tol.equalPoint()) return false;
  const AcGeVector3d inPlane = w.orthoProject(normal_);
  if (std::fabs(inPlane.length() - radius_) > tol.equalPoint()) return false;
  if (radius_ <= tol.equalPoint()) return true;
  return p.distanceTo(closestPointTo(p, tol)) <= tol.equalPoint();
}

void AcGeCircArc3d::getInterval(AcGeInterval& interval) const { interval.set(startAng_, endAng_); }

bool AcGeCircArc3d::hasStartPoint(AcGePoint3d& p) const {
  if (isClosed()) return false;
  p = startPoint();
  return true;
}

bool AcGeCircArc3d::hasEndPoint(AcGePoint3d& p) const {
  if (isClosed()) return false;
  p = endPoint();
  return true;
}

double AcGeCircArc3d::length(double fromParam, double toParam, double) const {
  return radius_ * std::fabs(toParam - fromParam);
}

AcGeCurve3d& AcGeCircArc3d::reverseParam() {
  // With the normal flipped, angle t becomes -t; start from the old end to keep the points.
  const double oldStart = startAng_, oldEnd = endAng_;
  normal_ = -normal_;
  startAng_ = -oldEnd;
  endAng_ = -oldStart;
  if (startAng_ < 0.0) {
    const double turns = std::ceil(-startAng_ / kTwoPi);
    startAng_ += turns * kTwoPi;
    endAng_ += turns * kTwoPi;
  }
  return *this;
}

AcGeEntity3d& AcGeCircArc3d::transformBy(const AcGeMatrix3d& m) {
  const AcGeVector3d r = m * refVec_;
  const AcGeVector3d b = m * binormal();
  if (r.isZeroLength() || b.isZeroLength() || r.isParallelTo(b)) return *this;
  center_ = m * center_;
  radius_ *= r.length();
  // The normal follows the images of the axes, so a mirror image still runs from the image of
  // the start to the image of the end.
  normal_ = r.crossProduct(b).normal();
  refVec_ = r.normal();
  return *this;
}

int AcGeCircArc3d::circleLinePoints(const AcGePoint3d& linePoint, const AcGeVector3d& unitDir, AcGePoint3d pts[2],
                                    const AcGeTol& tol) const {
  const double dn = unitDir.dotProduct(normal_);
  if (std::fabs(dn) > tol.equalVector()) {
    // The line crosses the circle's plane in one point.
    pts[0] = linePoint + unitDir * ((center_ - linePoint).dotProduct(normal_) / dn);
    const double off = std::fabs(pts[0].distanceTo(center_) - radius_);
    return off <= tol.equalPoint() ? 1 : 0;
  }
  if (std::fabs((linePoint - center_).dotProduct(normal_)) > tol.equalPoint()) return 0;
  const AcGePoint3d foot = linePoint + unitDir * (center_ - linePoint).dotProduct(unitDir);
  const double d = foot.distanceTo(center_);
  if (d > radius_ + tol.equalPoint()) return 0;
  if (std::fabs(d - radius_) <= tol.equalPoint()) {
    pts[0] = d > 0.0 ? center_ + (foot - center_) * (radius_ / d) : foot;
    return 1;
  }
  const double h = std::sqrt(std::max(radius_ * radius_ - d * d, 0.0));
  pts[0] = foot - unitDir * h;
  pts[1] = foot + unitDir * h;
  return 2;
}

bool AcGeCircArc3d::intersectWith(const AcGeLinearEnt3d& line, int& count, AcGePoint3d& p1, AcGePoint3d& p2,
                                  const AcGeTol& tol) const {
  count = 0;
  const AcGeVector3d dir = line.direction();
  if (dir.isZeroLength(tol)) return false;
  AcGePoint3d pts[2];
  const int n = circleLinePoints(line.pointOnLine(), dir, pts, tol);
  AcGePoint3d found[2];
  for (int i = 0; i < n; ++i)
    if (isOn(pts[i], tol) && line.isOn(pts[i], tol)) found[count++] = pts[i];
  if (count == 0) return false;
  p1 = found[0];
  p2 = found[count - 1];
  return true;
}

int AcGeCircArc3d::coplanarCirclePoints(const AcGeCircArc3d& arc, AcGePoint3d pts[2], const AcGeTol& tol) const {
  const AcGeVector3d between = (arc.center_ - center_).orthoProject(normal_);
  const double d = between.length();
  const double r1 = radius_, r2 = arc.radius_;
  if (d <= tol.equalPoint()) return 0;
  if (d > r1 + r2 + tol.equalPoint() || d < std::fabs(r1 - r2) - tol.equalPoint()) return 0;
  const AcGeVector3d e = between / d;
  const double a = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
  const double h2 = r1 * r1 - a * a;
  const AcGePoint3d base = center_ + e * a;
  if (h2 <= tol.equalPoint() * tol.equalPoint()) {
    pts[0] = center_ + e * (a >= 0.0 ? r1 : -r1);
    return 1;
  }
  const AcGeVector3d across = normal_.crossProduct(e) * std::sqrt(h2);
  pts[0] = base + across;
  pts[1] = base - across;
  return 2;
}

bool AcGeCircArc3d::intersectWith(const AcGeCircArc3d& arc, int& count, AcGePoint3d& p1, AcGePoint3d& p2,
                                  const AcGeTol& tol) const {
  count = 0;
  AcGePoint3d pts[2];
  int n = 0;
  if (normal_.isParallelTo(arc.normal_, tol)) {
    if (std::fabs((arc.center_ - center_).dotProduct(normal_)) > tol.equalPoint()) return false;
    n = coplanarCirclePoints(arc, pts, tol);
  } else {
    // Different planes: the candidates lie on the line the planes share.
    AcGePlane mine, theirs;
    getPlane(mine);
    arc.getPlane(theirs);
    AcGeLine3d common;
    if (!mine.intersectWith(theirs, common, tol)) return false;
    n = circleLinePoints(common.pointOnLine(), common.direction(), pts, tol);
  }
  AcGePoint3d found[2];
  for (int i = 0; i < n; ++i)
    if (isOn(pts[i], tol) && arc.isOn(pts[i], tol)) found[count++] = pts[i];
  if (count == 0) return false;
  p1 = found[0];
  p2 = found[count - 1];
  return true;
}

bool AcGeCircArc3d::tangent(const AcGePoint3d& point, AcGeLine3d& line, const AcGeTol& tol) const {
  if (!isOn(point, tol) || radius_ <= tol.equalPoint()) return false;
  const double t = paramOf(point, tol);
  line.set(evalPoint(t), refVec_ * -std::sin(t) + binormal() * std::cos(t));
  return true;
}
