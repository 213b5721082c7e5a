// Circular arcs: three-point construction, parameters, closest points, tangents and transformations.
#include <gtest/gtest.h>

#include <cmath>

#include "host/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

TEST(GeArc, ThreePointArcsRunCounterClockwiseThroughTheMiddlePoint) {
  struct Case {
    const char* name;
    AcGePoint3d a, b, c;
    AcGePoint3d center;
    double radius;
    AcGeVector3d normal;
    double sweep;
  } cases[] = {
      {"upper half, ccw", {5, 0, 0}, {0, 5, 0}, {-5, 0, 0}, {0, 0, 0}, 5, {0, 0, 1}, kPi},
      {"upper half, cw", {-5, 0, 0}, {0, 5, 0}, {5, 0, 0}, {0, 0, 0}, 5, {0, 0, -1}, kPi},
      {"three quarters", {1, 0, 0}, {-1, 0, 0}, {0, -1, 0}, {0, 0, 0}, 1, {0, 0, 1}, 1.5 * kPi},
      {"small arc off origin", {12, 10, 3}, {10 + std::sqrt(2.0), 10 + std::sqrt(2.0), 3}, {10, 12, 3},
       {10, 10, 3}, 2, {0, 0, 1}, kPi / 2},
      {"vertical plane", {0, 0, 1}, {0, 1, 0}, {0, 0, -1}, {0, 0, 0}, 1, {-1, 0, 0}, kPi},
  };
  for (const auto& c : cases) {
    const AcGeCircArc3d arc(c.a, c.b, c.c);
    EXPECT_TRUE(arc.center().isEqualTo(c.center, AcGeTol())) << c.name;
    EXPECT_NEAR(arc.radius(), c.radius, 1e-12) << c.name;
    EXPECT_TRUE(arc.normal().isEqualTo(c.normal)) << c.name;
    EXPECT_NEAR(arc.startAng(), 0.0, 1e-15) << c.name;
    EXPECT_NEAR(arc.endAng() - arc.startAng(), c.sweep, 1e-12) << c.name;
    EXPECT_TRUE(arc.startPoint().isEqualTo(c.a)) << c.name;
    EXPECT_TRUE(arc.endPoint().isEqualTo(c.c)) << c.name;
    EXPECT_TRUE(arc.isOn(c.b)) << c.name;
    const double mid = arc.paramOf(c.b);
    EXPECT_GT(mid, arc.startAng()) << c.name;
    EXPECT_LT(mid, arc.endAng()) << c.name;
    EXPECT_NEAR(arc.length(), c.radius * c.sweep, 1e-12) << c.name;
  }
}

TEST(GeArc, CollinearOrEqualPointsLeaveTheArcUnchangedWithAnError) {
  struct Case {
    AcGePoint3d a, b, c;
    AcGe::ErrorCondition want;
  } cases[] = {
      {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, AcGe::kLinearlyDependentArg1Arg2Arg3},
      {{0, 0, 0}, {0, 0, 0}, {2, 2, 2}, AcGe::kEqualArg1Arg2},
      {{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, AcGe::kEqualArg1Arg3},
  };
  for (const auto& c : cases) {
    AcGeCircArc3d arc(AcGePoint3d(7, 7, 7), AcGeVector3d::kZAxis, 3);
    AcGe::ErrorCondition flag = AcGe::kOk;
    arc.set(c.a, c.b, c.c, flag);
    EXPECT_EQ(flag, c.want);
    EXPECT_TRUE(arc.center().isEqualTo(AcGePoint3d(7, 7, 7)));
    EXPECT_EQ(arc.radius(), 3.0);
  }
  const AcGeCircArc3d fresh(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0));
  EXPECT_TRUE(std::isfinite(fresh.radius()) && std::isfinite(fresh.center().x));
}

TEST(GeArc, ParametersAreAnglesFromRefVecAboutTheNormal) {
  const AcGeCircArc3d arc(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, AcGeVector3d(0, 1, 0), 2, kPi / 4, 1.75 * kPi);
  struct Case {
    AcGePoint3d p;
    double param;
  } cases[] = {
      {{1, 4, 0}, 2 * kPi},                     // refVec direction: outside, nearer the end
      {{-1, 2, 0}, kPi / 2},                    // a quarter turn from +y about +z is -x
      {{1, 0, 0}, kPi},
      {{3, 2, 0}, 1.5 * kPi},
      {{1 - std::sqrt(2.0), 2 + std::sqrt(2.0), 0}, kPi / 4},  // the start
      {{-1, 2, 9}, kPi / 2},                    // off the plane: its projection counts
  };
  for (const auto& c : cases) {
    const double t = arc.paramOf(c.p);
    const double want = c.param <= arc.endAng() ? c.param : arc.endAng();  // clamped to the nearer end
    EXPECT_NEAR(t, want, 1e-12) << c.p.x << "," << c.p.y;
  }
  // evalPoint(paramOf(p)) gives p back for points on the arc, all around.
  for (double t = arc.startAng(); t <= arc.endAng(); t += 0.1) {
    const AcGePoint3d p = arc.evalPoint(t);
    EXPECT_TRUE(arc.isOn(p));
    EXPECT_TRUE(arc.evalPoint(arc.paramOf(p)).isEqualTo(p)) << t;
    double param = -1;
    EXPECT_TRUE(arc.isOn(p, param));
    EXPECT_NEAR(param, t, 1e-9);
  }
  // isOn writes the parameter only for a point on the arc.
  double untouched = 42;
  EXPECT_FALSE(arc.isOn(AcGePoint3d(1, 4, 0), untouched));  // in the gap of the arc
  EXPECT_EQ(untouched, 42);
  AcGeInterval range;
  arc.getInterval(range);
  EXPECT_NEAR(range.lowerBound(), kPi / 4, 1e-15);
  EXPECT_NEAR(range.upperBound(), 1.75 * kPi, 1e-15);
}

TEST(GeArc, AnglesNormaliseAndTheReferenceIsMadePerpendicular) {
  AcGeCircArc3d arc(AcGePoint3d::kOrigin, AcGeVector3d(0, 0, 2), AcGeVector3d(1, 0, 1), -3, 1.5 * kPi, 0.5 * kPi);
  EXPECT_EQ(arc.radius(), 3.0);
  EXPECT_TRUE(arc.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_TRUE(arc.refVec().isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_NEAR(arc.endAng() - arc.startAng(), kPi, 1e-12);  // the end moved up by a turn
  arc.setAngles(0, 10 * kPi);
  EXPECT_TRUE(arc.isClosed());
  EXPECT_NEAR(arc.length(), 6 * kPi, 1e-12);
  AcGePoint3d start;
  EXPECT_FALSE(arc.hasStartPoint(start));
  // Full circle: refVec from the arbitrary-axis rule.
  const AcGeCircArc3d circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 1);
  EXPECT_TRUE(circle.refVec().isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_TRUE(AcGeCircArc3d(AcGePoint3d::kOrigin, AcGeVector3d::kIdentity, 1).normal().isEqualTo(AcGeVector3d::kZAxis));
}

TEST(GeArc, ClosestPointTangentAndPlane) {
  const AcGeCircArc3d upper(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 5, 0, kPi);
  EXPECT_TRUE(upper.closestPointTo(AcGePoint3d(0, 10, 3)).isEqualTo(AcGePoint3d(0, 5, 0)));
  EXPECT_TRUE(upper.closestPointTo(AcGePoint3d(1, -10, 0)).isEqualTo(AcGePoint3d(5, 0, 0)));
  EXPECT_TRUE(upper.closestPointTo(AcGePoint3d(-1, -10, 0)).isEqualTo(AcGePoint3d(-5, 0, 0)));
  EXPECT_TRUE(upper.closestPointTo(AcGePoint3d::kOrigin).isEqualTo(upper.startPoint()));
  EXPECT_NEAR(upper.distanceTo(AcGePoint3d(0, 10, 0)), 5.0, 1e-12);

  AcGeLine3d tangent;
  EXPECT_TRUE(upper.tangent(AcGePoint3d(0, 5, 0), tangent));
  EXPECT_TRUE(tangent.direction().isCodirectionalTo(-AcGeVector3d::kXAxis));  // runs with the arc
  EXPECT_TRUE(tangent.isOn(AcGePoint3d(3, 5, 0)));
  EXPECT_FALSE(upper.tangent(AcGePoint3d(0, -5, 0), tangent));

  AcGePlane plane;
  AcGeCircArc3d(AcGePoint3d(0, 0, 4), AcGeVector3d::kYAxis, 2).getPlane(plane);
  EXPECT_TRUE(plane.normal().isParallelTo(AcGeVector3d::kYAxis));
  EXPECT_TRUE(plane.isOn(AcGePoint3d(9, 0, -9)));
}

TEST(GeArc, TransformationsKeepTheArcsPoints) {
  const AcGeCircArc3d arc(AcGePoint3d(1, 1, 0), AcGePoint3d(3, 3, 0), AcGePoint3d(5, 1, 0));
  const AcGeMatrix3d moves[] = {
      AcGeMatrix3d::rotation(0.8, AcGeVector3d(1, 2, 3), AcGePoint3d(4, 0, 1)),
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis)),
      AcGeMatrix3d::scaling(2.5, AcGePoint3d(1, 1, 1)) * AcGeMatrix3d::translation(AcGeVector3d(0, 0, 9)),
  };
  for (const auto& m : moves) {
    AcGeCircArc3d moved(arc);
    moved.transformBy(m);
    for (double t = arc.startAng(); t <= arc.endAng(); t += 0.25) {
      const AcGePoint3d p = m * arc.evalPoint(t);
      EXPECT_TRUE(moved.isOn(p, AcGeTol())) << t;
    }
    EXPECT_TRUE(moved.startPoint().isEqualTo(m * arc.startPoint()));
    EXPECT_TRUE(moved.endPoint().isEqualTo(m * arc.endPoint()));
  }
  // Reversing swaps the ends and keeps the points.
  AcGeCircArc3d reversed(arc);
  reversed.reverseParam();
  EXPECT_TRUE(reversed.startPoint().isEqualTo(arc.endPoint()));
  EXPECT_TRUE(reversed.endPoint().isEqualTo(arc.startPoint()));
  EXPECT_TRUE(reversed.isOn(AcGePoint3d(3, 3, 0)));
  EXPECT_NEAR(reversed.length(), arc.length(), 1e-12);
  EXPECT_GE(reversed.startAng(), 0.0);
}

}  // namespace

namespace {

TEST(GeArc2d, ThreePointsSetTheTurningSense) {
  struct Case {
    AcGePoint2d a, b, c;
    bool clockwise;
    double sweep;
  } cases[] = {
      {{1, 0}, {0, 1}, {-1, 0}, false, 3.14159265358979323846},
      {{-1, 0}, {0, 1}, {1, 0}, true, 3.14159265358979323846},
      {{1, 0}, {-std::sqrt(0.5), -std::sqrt(0.5)}, {0, 1}, true, 1.5 * 3.14159265358979323846},
  };
  for (const auto& c : cases) {
    const AcGeCircArc2d arc(c.a, c.b, c.c);
    EXPECT_EQ(arc.isClockWise(), c.clockwise);
    EXPECT_TRUE(arc.center().isEqualTo(AcGePoint2d::kOrigin));
    EXPECT_NEAR(arc.endAng() - arc.startAng(), c.sweep, 1e-12);
    EXPECT_TRUE(arc.startPoint().isEqualTo(c.a));
    EXPECT_TRUE(arc.endPoint().isEqualTo(c.c));
    EXPECT_TRUE(arc.evalPoint(0.5 * (arc.startAng() + arc.endAng())).isEqualTo(c.b));
  }
  AcGeCircArc2d kept;
  AcGe::ErrorCondition flag = AcGe::kOk;
  kept.set(AcGePoint2d(0, 0), AcGePoint2d(1, 1), AcGePoint2d(2, 2), flag);
  EXPECT_EQ(flag, AcGe::kLinearlyDependentArg1Arg2Arg3);
  EXPECT_EQ(kept.radius(), 1.0);
}

}  // namespace
