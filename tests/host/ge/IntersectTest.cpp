// Intersections of lines, segments, planes and arcs, as tables of cases.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "host/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

AcGeLine3d L(const AcGePoint3d& p, const AcGeVector3d& v) { return AcGeLine3d(p, v); }
AcGeLineSeg3d S(const AcGePoint3d& a, const AcGePoint3d& b) { return AcGeLineSeg3d(a, b); }

AcGeTol PointTol(double equalPoint) {
  AcGeTol tol;
  tol.setEqualPoint(equalPoint);
  return tol;
}

TEST(GeIntersect, LineWithLine) {
  struct Case {
    const char* name;
    AcGeLine3d a, b;
    bool found;
    AcGePoint3d at;
  } cases[] = {
      {"crossing", L({0, 0, 0}, {1, 1, 0}), L({0, 2, 0}, {1, 0, 0}), true, {2, 2, 0}},
      {"crossing in space", L({1, 1, 1}, {0, 0, 1}), L({0, 0, 5}, {1, 1, 0}), true, {1, 1, 5}},
      {"parallel", L({0, 0, 0}, {1, 0, 0}), L({0, 1, 0}, {2, 0, 0}), false, {}},
      {"same line", L({0, 0, 0}, {1, 0, 0}), L({5, 0, 0}, {-1, 0, 0}), false, {}},
      {"skew", L({0, 0, 0}, {1, 0, 0}), L({0, 0, 1}, {0, 1, 0}), false, {}},
      {"nearly skew within 1e-10", L({0, 0, 0}, {1, 0, 0}), L({3, 0, 0.5e-10}, {0, 1, 0}), true, {3, 0, 0}},
  };
  for (const auto& c : cases) {
    AcGePoint3d p(-7, -7, -7);
    EXPECT_EQ(c.a.intersectWith(c.b, p), c.found) << c.name;
    if (c.found) {
      EXPECT_TRUE(p.isEqualTo(c.at)) << c.name;
    }
    if (!c.found) {
      EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-7, -7, -7))) << c.name << ": untouched on a miss";
    }
  }
  // Skew lines meet once the point tolerance covers their gap (as callers retry with).
  const AcGeLine3d x(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis), y(AcGePoint3d(2, 0, 1e-4), AcGeVector3d::kYAxis);
  AcGePoint3d p;
  EXPECT_FALSE(x.intersectWith(y, p));
  EXPECT_TRUE(x.intersectWith(y, p, PointTol(2e-4)));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(2, 0, 0)));
}

TEST(GeIntersect, SegmentWithSegmentIncludingParallelAndTouching) {
  struct Case {
    const char* name;
    AcGeLineSeg3d a, b;
    bool found;
    AcGePoint3d at;
  } cases[] = {
      {"crossing", S({0, 0, 0}, {2, 2, 0}), S({0, 2, 0}, {2, 0, 0}), true, {1, 1, 0}},
      {"lines cross beyond b", S({0, 0, 0}, {4, 0, 0}), S({1, 1, 0}, {1, 3, 0}), false, {}},
      {"lines cross beyond a", S({0, 0, 0}, {1, 0, 0}), S({2, -1, 0}, {2, 1, 0}), false, {}},
      {"T touching", S({0, 0, 0}, {4, 0, 0}), S({2, 0, 0}, {2, 3, 0}), true, {2, 0, 0}},
      {"L corner", S({0, 0, 0}, {4, 0, 0}), S({4, 0, 0}, {4, 3, 0}), true, {4, 0, 0}},
      {"end within tolerance", S({0, 0, 0}, {4, 0, 0}), S({4 + 0.5e-10, 0, 0}, {4, 3, 0}), true, {4, 0, 0}},
      {"parallel apart", S({0, 0, 0}, {4, 0, 0}), S({0, 1, 0}, {4, 1, 0}), false, {}},
      {"collinear overlapping", S({0, 0, 0}, {4, 0, 0}), S({2, 0, 0}, {6, 0, 0}), false, {}},
      {"collinear end to end", S({0, 0, 0}, {4, 0, 0}), S({4, 0, 0}, {9, 0, 0}), true, {4, 0, 0}},
      {"collinear end to end reversed", S({4, 0, 0}, {0, 0, 0}), S({-3, 0, 0}, {0, 0, 0}), true, {0, 0, 0}},
      {"collinear with a gap", S({0, 0, 0}, {4, 0, 0}), S({5, 0, 0}, {9, 0, 0}), false, {}},
      {"zero length", S({1, 1, 0}, {1, 1, 0}), S({0, 0, 0}, {2, 2, 0}), false, {}},
  };
  for (const auto& c : cases) {
    AcGePoint3d p;
    EXPECT_EQ(c.a.intersectWith(c.b, p), c.found) << c.name;
    if (c.found) {
      EXPECT_TRUE(p.isEqualTo(c.at)) << c.name << " got " << p.x << "," << p.y;
    }
    AcGePoint3d q;
    EXPECT_EQ(c.b.intersectWith(c.a, q), c.found) << c.name << " (swapped)";
  }
  // A segment and an infinite line: only the segment is bounded.
  AcGePoint3d p;
  EXPECT_TRUE(AcGeLine3d(AcGePoint3d(1, 5, 0), AcGeVector3d::kYAxis)
                  .intersectWith(AcGeLineSeg3d(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 0, 0)), p));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 0, 0)));
}

TEST(GeIntersect, LinearWithPlane) {
  const AcGePlane z5(AcGePoint3d(0, 0, 5), AcGeVector3d::kZAxis);
  struct Case {
    const char* name;
    const AcGeLinearEnt3d* ent;
    bool found;
    AcGePoint3d at;
  };
  const AcGeLine3d slanted(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 1));
  const AcGeLine3d inPlane(AcGePoint3d(0, 0, 5), AcGeVector3d::kXAxis);
  const AcGeLine3d above(AcGePoint3d(0, 0, 6), AcGeVector3d::kYAxis);
  const AcGeLineSeg3d shortSeg(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 4));
  const AcGeLineSeg3d longSeg(AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 10));
  const Case cases[] = {
      {"slanted line", &slanted, true, {5, 0, 5}},
      {"line in the plane", &inPlane, false, {}},
      {"parallel line", &above, false, {}},
      {"segment short of the plane", &shortSeg, false, {}},
      {"segment through the plane", &longSeg, true, {1, 1, 5}},
  };
  for (const auto& c : cases) {
    AcGePoint3d p;
    EXPECT_EQ(c.ent->intersectWith(z5, p), c.found) << c.name;
    if (c.found) {
      EXPECT_TRUE(p.isEqualTo(c.at)) << c.name;
    }
    AcGePoint3d q;
    EXPECT_EQ(z5.intersectWith(*c.ent, q), c.found) << c.name;
  }
  // Two planes share a line.
  AcGeLine3d common;
  EXPECT_TRUE(z5.intersectWith(AcGePlane(AcGePoint3d(3, 0, 0), AcGeVector3d::kXAxis), common));
  EXPECT_TRUE(common.isOn(AcGePoint3d(3, 17, 5)));
  EXPECT_TRUE(common.direction().isParallelTo(AcGeVector3d::kYAxis));
  EXPECT_FALSE(z5.intersectWith(AcGePlane::kXYPlane, common));
}

TEST(GeIntersect, LineWithArcGivesZeroOneOrTwoPoints) {
  // Upper half of the circle of radius 5 about the origin.
  const AcGeCircArc3d upper(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 5, 0, kPi);
  const AcGeCircArc3d circle(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis, 5);
  struct Case {
    const char* name;
    const AcGeCircArc3d* arc;
    AcGeLine3d line;
    int count;
    AcGePoint3d p1, p2;
  } cases[] = {
      {"through the circle", &circle, L({-10, 3, 0}, {1, 0, 0}), 2, {-4, 3, 0}, {4, 3, 0}},
      {"reverse direction orders the points", &circle, L({10, 3, 0}, {-1, 0, 0}), 2, {4, 3, 0}, {-4, 3, 0}},
      {"tangent", &circle, L({0, 5, 0}, {1, 0, 0}), 1, {0, 5, 0}, {0, 5, 0}},
      {"miss", &circle, L({0, 6, 0}, {1, 0, 0}), 0, {}, {}},
      {"only one point on the half arc", &upper, L({-3, -10, 0}, {0, 1, 0}), 1, {-3, 4, 0}, {-3, 4, 0}},
      {"both points off the half arc", &upper, L({-10, -3, 0}, {1, 0, 0}), 0, {}, {}},
      {"crossing the plane on the circle", &circle, L({3, 4, -2}, {0, 0, 1}), 1, {3, 4, 0}, {3, 4, 0}},
      {"crossing the plane inside", &circle, L({1, 1, -2}, {0, 0, 1}), 0, {}, {}},
      {"parallel above the plane", &circle, L({-10, 0, 1}, {1, 0, 0}), 0, {}, {}},
  };
  for (const auto& c : cases) {
    int count = -1;
    AcGePoint3d p1, p2;
    EXPECT_EQ(c.arc->intersectWith(c.line, count, p1, p2), c.count > 0) << c.name;
    EXPECT_EQ(count, c.count) << c.name;
    if (c.count == 0) continue;
    EXPECT_TRUE(p1.isEqualTo(c.p1)) << c.name << " p1 " << p1.x << "," << p1.y;
    EXPECT_TRUE(p2.isEqualTo(c.p2)) << c.name << " p2 " << p2.x << "," << p2.y;
  }
  // A segment bounds the result, and a near tangent counts once the tolerance covers the gap.
  int count = 0;
  AcGePoint3d p1, p2;
  circle.intersectWith(AcGeLineSeg3d(AcGePoint3d(0, 3, 0), AcGePoint3d(10, 3, 0)), count, p1, p2);
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(4, 3, 0)));
  const AcGeLine3d nearTangent(AcGePoint3d(0, 5.00005, 0), AcGeVector3d::kXAxis);
  circle.intersectWith(nearTangent, count, p1, p2);
  EXPECT_EQ(count, 0);
  circle.intersectWith(nearTangent, count, p1, p2, PointTol(1e-4));
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(p1.isEqualTo(AcGePoint3d(0, 5, 0)));
}

TEST(GeIntersect, ArcWithArc) {
  const AcGeVector3d z = AcGeVector3d::kZAxis;
  struct Case {
    const char* name;
    AcGeCircArc3d a, b;
    int count;
  } cases[] = {
      {"two points", {{0, 0, 0}, z, 5}, {{8, 0, 0}, z, 5}, 2},
      {"outer tangent", {{0, 0, 0}, z, 5}, {{10, 0, 0}, z, 5}, 1},
      {"inner tangent", {{0, 0, 0}, z, 5}, {{2, 0, 0}, z, 3}, 1},
      {"apart", {{0, 0, 0}, z, 5}, {{11, 0, 0}, z, 5}, 0},
      {"one inside the other", {{0, 0, 0}, z, 5}, {{1, 0, 0}, z, 1}, 0},
      {"concentric", {{0, 0, 0}, z, 5}, {{0, 0, 0}, z, 3}, 0},
      {"equal circles", {{0, 0, 0}, z, 5}, {{0, 0, 0}, -z, 5}, 0},
      {"parallel planes", {{0, 0, 0}, z, 5}, {{8, 0, 1}, z, 5}, 0},
      {"half arc keeps one", {{0, 0, 0}, z, {1, 0, 0}, 5, 0, kPi}, {{8, 0, 0}, z, 5}, 1},
      {"perpendicular planes", {{0, 0, 0}, z, 5}, {{8, 0, 0}, {0, 1, 0}, 3}, 1},
      {"perpendicular planes crossing twice", {{0, 0, 0}, z, 5}, {{0, 0, 0}, {0, 1, 0}, 5}, 2},
  };
  for (const auto& c : cases) {
    int count = -1;
    AcGePoint3d p1, p2;
    c.a.intersectWith(c.b, count, p1, p2);
    EXPECT_EQ(count, c.count) << c.name;
    if (count == 0) continue;
    EXPECT_TRUE(c.a.isOn(p1) && c.b.isOn(p1) && c.a.isOn(p2) && c.b.isOn(p2)) << c.name;
    if (count == 2) {
      EXPECT_FALSE(p1.isEqualTo(p2)) << c.name;
    }
  }
  int count = 0;
  AcGePoint3d p1, p2;
  AcGeCircArc3d(AcGePoint3d(0, 0, 0), z, 5).intersectWith(AcGeCircArc3d(AcGePoint3d(8, 0, 0), z, 5), count, p1, p2);
  EXPECT_TRUE((p1.isEqualTo(AcGePoint3d(4, 3, 0)) && p2.isEqualTo(AcGePoint3d(4, -3, 0))) ||
              (p1.isEqualTo(AcGePoint3d(4, -3, 0)) && p2.isEqualTo(AcGePoint3d(4, 3, 0))));
}

}  // namespace
