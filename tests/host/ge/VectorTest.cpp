// Vectors and points: angles, perpendiculars, projections and the tolerance edges of comparisons.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "host/ge/AcGe.h"

namespace {

const double kPi = 3.14159265358979323846;

TEST(GeVector, AngleToWithReferenceCoversTheFullTurnAroundTheSeam) {
  const AcGeVector3d z = AcGeVector3d::kZAxis;
  struct Case {
    double degrees;  // direction of the second vector in the XY plane
    AcGeVector3d ref;
    double want;
  } cases[] = {
      {0.0, z, 0.0},
      {90.0, z, kPi / 2},
      {180.0, z, kPi},
      {270.0, z, 1.5 * kPi},
      {359.999, z, 2 * kPi - 0.001 * kPi / 180},
      {0.001, z, 0.001 * kPi / 180},
      {90.0, -z, 1.5 * kPi},   // the other way round
      {-0.001, -z, 0.001 * kPi / 180},
  };
  for (const auto& c : cases) {
    const double a = c.degrees * kPi / 180;
    const AcGeVector3d v(std::cos(a), std::sin(a), 0.0);
    const double got = AcGeVector3d::kXAxis.angleTo(v, c.ref);
    EXPECT_NEAR(got, c.want, 1e-12) << c.degrees;
    EXPECT_GE(got, 0.0);
    EXPECT_LT(got, 2 * kPi);
  }
  // Without a reference the angle is unsigned, 0 ... pi, and exact near the ends.
  EXPECT_NEAR(AcGeVector3d(1, 1e-9, 0).angleTo(AcGeVector3d::kXAxis), 1e-9, 1e-20);
  EXPECT_NEAR(AcGeVector3d(-1, 0, 0).angleTo(AcGeVector3d::kXAxis), kPi, 1e-15);
  EXPECT_NEAR(AcGeVector3d(0, -1, 0).angleTo(AcGeVector3d::kXAxis), kPi / 2, 1e-15);
  EXPECT_EQ(AcGeVector3d::kIdentity.angleTo(AcGeVector3d::kXAxis), 0.0);
}

TEST(GeVector, PerpVectorTurnsPlaneVectorsAndGivesXForTheZAxis) {
  EXPECT_TRUE(AcGeVector3d(2, 0, 0).perpVector().isEqualTo(AcGeVector3d(0, 2, 0)));
  EXPECT_TRUE(AcGeVector3d(0.6, 0.8, 0).perpVector().isEqualTo(AcGeVector3d(-0.8, 0.6, 0)));
  EXPECT_TRUE(AcGeVector3d::kZAxis.perpVector().isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_TRUE((-AcGeVector3d::kZAxis).perpVector().isEqualTo(-AcGeVector3d::kXAxis));
  const AcGeVector3d slanted(1, 2, 3);
  EXPECT_TRUE(slanted.perpVector().isPerpendicularTo(slanted));
  EXPECT_NEAR(slanted.perpVector().length(), slanted.length(), 1e-12);
  EXPECT_TRUE(AcGeVector3d::kIdentity.perpVector().isZeroLength());
}

TEST(GeVector, ZeroLengthInputGivesDefinedResultsAndFlags) {
  AcGeVector3d tiny(1e-13, 0, 0);
  AcGe::ErrorCondition flag = AcGe::kOk;
  tiny.normalize(AcGeContext::gTol, flag);
  EXPECT_EQ(flag, AcGe::k0This);
  EXPECT_EQ(tiny.x, 1e-13);  // unchanged, not NaN
  AcGeVector3d v(3, 4, 0);
  v.normalize(AcGeContext::gTol, flag);
  EXPECT_EQ(flag, AcGe::kOk);
  EXPECT_TRUE(v.isUnitLength());
  EXPECT_TRUE(AcGeVector3d::kIdentity.normal().isZeroLength());
  EXPECT_FALSE(AcGeVector3d::kIdentity.isParallelTo(AcGeVector3d::kXAxis));
  EXPECT_FALSE(AcGeVector3d::kIdentity.isPerpendicularTo(AcGeVector3d::kXAxis));
  // A zero axis rotates nothing.
  EXPECT_TRUE(AcGeVector3d(1, 2, 3).rotateBy(1.0, AcGeVector3d::kIdentity).isEqualTo(AcGeVector3d(1, 2, 3)));
}

TEST(GeVector, ComparisonsHonourTheGivenTolerance) {
  AcGeTol loose;
  loose.setEqualVector(1e-3);
  struct Case {
    AcGeVector3d a, b;
    bool parallel, codirectional, perpendicular;
    const AcGeTol* tol;
  } cases[] = {
      {{1, 0, 0}, {5, 0, 0}, true, true, false, &AcGeContext::gTol},
      {{1, 0, 0}, {-5, 0, 0}, true, false, false, &AcGeContext::gTol},
      {{1, 0, 0}, {1, 1e-9, 0}, false, false, false, &AcGeContext::gTol},
      {{1, 0, 0}, {1, 1e-9, 0}, true, true, false, &loose},
      {{1, 0, 0}, {1e-13, 1, 0}, false, false, true, &AcGeContext::gTol},
      {{1, 0, 0}, {1e-4, 1, 0}, false, false, true, &loose},
      {{1, 0, 0}, {1e-2, 1, 0}, false, false, false, &loose},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.a.isParallelTo(c.b, *c.tol), c.parallel) << c.b.x << "," << c.b.y;
    EXPECT_EQ(c.a.isCodirectionalTo(c.b, *c.tol), c.codirectional) << c.b.x << "," << c.b.y;
    EXPECT_EQ(c.a.isPerpendicularTo(c.b, *c.tol), c.perpendicular) << c.b.x << "," << c.b.y;
  }
}

TEST(GePoint, EqualityIsDistanceAtMostEqualPoint) {
  const AcGePoint3d p(1, 2, 3);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1 + 0.5e-10, 2, 3)));
  EXPECT_FALSE(p.isEqualTo(AcGePoint3d(1 + 2e-10, 2, 3)));
  AcGeTol tol;
  tol.setEqualPoint(0.625);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1.375, 2.5, 3), tol));  // distance exactly 0.625
  EXPECT_FALSE(p.isEqualTo(AcGePoint3d(1.375, 2.5001, 3), tol));
  EXPECT_TRUE(p == AcGePoint3d(1, 2, 3 + 1e-11));
  EXPECT_THROW(p[3], std::out_of_range);
  EXPECT_EQ(p[2], 3.0);
}

TEST(GePoint, ProjectionsOntoPlanes) {
  const AcGePlane tilted(AcGePoint3d(0, 0, 5), AcGeVector3d(0, 1, 1));
  const AcGePoint3d p(2, 3, 1);
  const AcGePoint3d foot = p.orthoProject(tilted);
  EXPECT_TRUE(tilted.isOn(foot));
  EXPECT_TRUE((p - foot).isParallelTo(tilted.normal()));
  // Along z onto the tilted plane: y + z = 5.
  EXPECT_TRUE(p.project(tilted, AcGeVector3d::kZAxis).isEqualTo(AcGePoint3d(2, 3, 2)));
  // A direction parallel to the plane falls back to the orthogonal projection.
  EXPECT_TRUE(p.project(tilted, AcGeVector3d(1, 0, 0)).isEqualTo(foot));
  EXPECT_TRUE(AcGePoint3d(4, 5, 7).orthoProject(AcGePlane::kXYPlane).isEqualTo(AcGePoint3d(4, 5, 0)));
  // Plane coordinates round-trip.
  const AcGePoint2d uv = foot.convert2d(tilted);
  EXPECT_TRUE(AcGePoint3d(tilted, uv).isEqualTo(foot));

  // Vector projections.
  const AcGeVector3d v(1, 2, 3);
  EXPECT_TRUE(v.orthoProject(AcGeVector3d::kZAxis).isEqualTo(AcGeVector3d(1, 2, 0)));
  EXPECT_TRUE(v.project(AcGeVector3d::kZAxis, AcGeVector3d(1, 0, 1)).isEqualTo(AcGeVector3d(-2, 2, 0)));
  AcGe::ErrorCondition flag = AcGe::kOk;
  EXPECT_TRUE(v.project(AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, AcGeContext::gTol, flag).isEqualTo(v));
  EXPECT_EQ(flag, AcGe::kPerpendicularArg1Arg2);
  v.orthoProject(AcGeVector3d::kIdentity, AcGeContext::gTol, flag);
  EXPECT_EQ(flag, AcGe::k0Arg1);
}

TEST(GePoint, RotateMirrorAndScaleAboutAPoint) {
  AcGePoint3d p(2, 0, 0);
  p.rotateBy(kPi / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 0, 0));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(1, 1, 0)));
  p.mirror(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-1, 1, 0)));
  p.scaleBy(3, AcGePoint3d(0, 1, 0));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-3, 1, 0)));
}

TEST(GePlane, ConstructionFormsAndDegenerateInput) {
  // The three-point form: origin in the middle, normal (u - o) x (v - o).
  const AcGePlane p3(AcGePoint3d(1, 0, 0), AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0));
  EXPECT_TRUE(p3.normal().isEqualTo(AcGeVector3d::kZAxis));
  EXPECT_TRUE(p3.pointOnPlane().isEqualTo(AcGePoint3d::kOrigin));
  AcGePlane kept(AcGePoint3d(0, 0, 2), AcGeVector3d::kXAxis);
  AcGe::ErrorCondition flag = AcGe::kOk;
  kept.set(AcGePoint3d(1, 1, 1), AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 2), flag);
  EXPECT_EQ(flag, AcGe::kLinearlyDependentArg1Arg2Arg3);
  EXPECT_TRUE(kept.normal().isEqualTo(AcGeVector3d::kXAxis));
  kept.set(AcGePoint3d::kOrigin, AcGeVector3d::kIdentity);
  EXPECT_TRUE(kept.normal().isEqualTo(AcGeVector3d::kXAxis));
  // Coefficients: 2z - 4 = 0.
  const AcGePlane byCoefficients(0, 0, 2, -4);
  EXPECT_NEAR(byCoefficients.signedDistanceTo(AcGePoint3d(7, 8, 5)), 3.0, 1e-12);
  EXPECT_NEAR(byCoefficients.signedDistanceTo(AcGePoint3d(7, 8, -1)), -3.0, 1e-12);
  double a, b, c, d;
  byCoefficients.getCoefficients(a, b, c, d);
  EXPECT_NEAR(c, 1.0, 1e-15);
  EXPECT_NEAR(d, -2.0, 1e-15);
  // Axes are unit, perpendicular and right-handed.
  AcGePoint3d o;
  AcGeVector3d u, v;
  AcGePlane(AcGePoint3d(1, 2, 3), AcGeVector3d(1, 1, 1)).getCoordSystem(o, u, v);
  EXPECT_TRUE(u.isUnitLength() && v.isUnitLength() && u.isPerpendicularTo(v));
  EXPECT_TRUE(u.crossProduct(v).isCodirectionalTo(AcGeVector3d(1, 1, 1)));
}

}  // namespace
