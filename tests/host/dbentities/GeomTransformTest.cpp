// transformBy of the geometric entities against the same matrix applied by host/ge to points
// taken from the entity before: translation, rotation, mirroring and uniform scaling.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbXline.h"
#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGePlane.h"

namespace {

const double kTol = 1e-9;

struct XformCase {
  const char* name;
  AcGeMatrix3d xform;
};

std::vector<XformCase> Cases() {
  return {
      {"translate", AcGeMatrix3d::translation(AcGeVector3d(3, -4, 5))},
      {"rotate", AcGeMatrix3d::rotation(0.7, AcGeVector3d::kZAxis, AcGePoint3d(2, 1, 0))},
      {"rotate3d", AcGeMatrix3d::rotation(1.1, AcGeVector3d(1, 2, 3), AcGePoint3d(-1, 0, 4))},
      {"mirrorPlane", AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(5, 0, 0), AcGeVector3d::kXAxis))},
      {"mirrorLine", AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, -1, 0)))},
      {"mirrorZ", AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 1), AcGeVector3d::kZAxis))},
      {"scale", AcGeMatrix3d::scaling(2.5, AcGePoint3d(1, 1, 1))},
  };
}

AcGePoint3d Moved(AcGePoint3d p, const AcGeMatrix3d& m) { return p.transformBy(m); }

// Points along a curve at fractions of its parameter range.
std::vector<AcGePoint3d> Samples(const AcDbCurve& curve) {
  double s = 0, e = 0;
  EXPECT_EQ(curve.getStartParam(s), Acad::eOk);
  EXPECT_EQ(curve.getEndParam(e), Acad::eOk);
  std::vector<AcGePoint3d> pts;
  for (int k = 0; k <= 8; ++k) {
    AcGePoint3d p;
    EXPECT_EQ(curve.getPointAtParam(s + (e - s) * k / 8.0, p), Acad::eOk);
    pts.push_back(p);
  }
  return pts;
}

// The transformed curve runs through the transformed samples in the same order; a reflection
// of an arc keeps it counter-clockwise, so its direction of travel reverses.
void ExpectCurveMoved(const AcDbCurve& before, const AcDbCurve& after, const AcGeMatrix3d& m, bool reversible) {
  std::vector<AcGePoint3d> a = Samples(before), b = Samples(after);
  bool reversed = reversible && m.det() < 0;
  for (size_t k = 0; k < a.size(); ++k) {
    AcGePoint3d expected = Moved(a[reversed ? a.size() - 1 - k : k], m);
    EXPECT_LT(b[k].distanceTo(expected), 1e-7) << "sample " << k;
  }
}

TEST(GeomTransform, LineMatchesGe) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcDbLine line(AcGePoint3d(1, 2, 3), AcGePoint3d(7, -1, 2));
    line.setThickness(2);
    AcDbLine before(line.startPoint(), line.endPoint());
    ASSERT_EQ(line.transformBy(c.xform), Acad::eOk);
    ExpectCurveMoved(before, line, c.xform, false);
    EXPECT_NEAR(line.thickness(), 2 * c.xform.scale(), kTol);
    EXPECT_TRUE(line.normal().isUnitLength());
  }
}

TEST(GeomTransform, ArcStaysCounterClockwiseAndMirrorSwapsEnds) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcDbArc arc(AcGePoint3d(2, 3, 0), 4, 0.3, 2.2);
    AcDbArc before(arc.center(), arc.radius(), arc.startAngle(), arc.endAngle());
    ASSERT_EQ(arc.transformBy(c.xform), Acad::eOk);
    ExpectCurveMoved(before, arc, c.xform, true);
    EXPECT_NEAR(arc.radius(), 4 * c.xform.scale(), kTol);
    EXPECT_NEAR(arc.totalAngle(), 1.9, 1e-9);
    EXPECT_LT(arc.center().distanceTo(Moved(AcGePoint3d(2, 3, 0), c.xform)), 1e-9);
  }
}

TEST(GeomTransform, MirrorAcrossVerticalPlaneReflectsAngles) {
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1, 0.0, M_PI / 2);  // first quadrant
  ASSERT_EQ(arc.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis))), Acad::eOk);
  EXPECT_EQ(arc.normal(), AcGeVector3d::kZAxis);
  EXPECT_NEAR(arc.startAngle(), M_PI / 2, 1e-12);
  EXPECT_NEAR(arc.endAngle(), M_PI, 1e-12);
}

TEST(GeomTransform, CircleMatchesGe) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcDbCircle circle(AcGePoint3d(1, -2, 3), AcGeVector3d(0, 1, 1), 5);
    ASSERT_EQ(circle.transformBy(c.xform), Acad::eOk);
    EXPECT_LT(circle.center().distanceTo(Moved(AcGePoint3d(1, -2, 3), c.xform)), 1e-9);
    EXPECT_NEAR(circle.radius(), 5 * c.xform.scale(), kTol);
    AcGeVector3d n(0, 1, 1);
    n.transformBy(c.xform);
    EXPECT_TRUE(circle.normal().isParallelTo(n));
  }
}

TEST(GeomTransform, PolylineWithBulgesMatchesGe) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcDbPolyline pl;
    pl.addVertexAt(0, AcGePoint2d(0, 0), 0.0, 0.5, 0.5);
    pl.addVertexAt(1, AcGePoint2d(10, 0), 1.0);
    pl.addVertexAt(2, AcGePoint2d(10, 10), -0.4);
    pl.addVertexAt(3, AcGePoint2d(0, 12));
    pl.setElevation(1.0);
    std::unique_ptr<AcDbPolyline> before(static_cast<AcDbPolyline*>(pl.clone()));
    ASSERT_EQ(pl.transformBy(c.xform), Acad::eOk);
    ExpectCurveMoved(*before, pl, c.xform, false);
    double sw = 0, ew = 0;
    pl.getWidthsAt(0, sw, ew);
    EXPECT_NEAR(sw, 0.5 * c.xform.scale(), kTol);
    EXPECT_NEAR(pl.length(), before->length() * c.xform.scale(), 1e-7);
  }
}

TEST(GeomTransform, TwoDPolylineMatchesGe) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcGePoint3dArray pts;
    pts.append(AcGePoint3d(0, 0, 0));
    pts.append(AcGePoint3d(4, 0, 0));
    pts.append(AcGePoint3d(4, 3, 0));
    AcGeDoubleArray bulges;
    bulges.append(0.5);
    bulges.append(0.0);
    AcDb2dPolyline pl(AcDb::k2dSimplePoly, pts, 2.0, false, 0.0, 0.0, &bulges);
    std::unique_ptr<AcDb2dPolyline> before(static_cast<AcDb2dPolyline*>(pl.clone()));
    ASSERT_EQ(pl.transformBy(c.xform), Acad::eOk);
    ExpectCurveMoved(*before, pl, c.xform, false);
  }
}

TEST(GeomTransform, PointSolidAndXlineMatchGe) {
  for (const XformCase& c : Cases()) {
    SCOPED_TRACE(c.name);
    AcDbPoint point(AcGePoint3d(1, 2, 3));
    ASSERT_EQ(point.transformBy(c.xform), Acad::eOk);
    EXPECT_LT(point.position().distanceTo(Moved(AcGePoint3d(1, 2, 3), c.xform)), 1e-9);

    AcGePoint3d corners[] = {{0, 0, 0}, {2, 0, 0}, {0, 1, 0}, {2, 1, 0}};
    AcDbSolid solid(corners[0], corners[1], corners[2], corners[3]);
    ASSERT_EQ(solid.transformBy(c.xform), Acad::eOk);
    for (Adesk::UInt16 i = 0; i < 4; ++i) {
      AcGePoint3d p;
      ASSERT_EQ(solid.getPointAt(i, p), Acad::eOk);
      EXPECT_LT(p.distanceTo(Moved(corners[i], c.xform)), 1e-9);
    }

    AcDbXline xline;
    xline.setBasePoint(AcGePoint3d(1, 1, 0));
    xline.setUnitDir(AcGeVector3d(1, 1, 0));
    ASSERT_EQ(xline.transformBy(c.xform), Acad::eOk);
    AcGeLine3d expected(Moved(AcGePoint3d(1, 1, 0), c.xform), Moved(AcGePoint3d(2, 2, 0), c.xform));
    EXPECT_LT(expected.distanceTo(xline.basePoint()), 1e-9);
    EXPECT_TRUE(xline.unitDir().isParallelTo(expected.direction()));
    EXPECT_TRUE(xline.unitDir().isUnitLength());
  }
}

TEST(GeomTransform, NonUniformScalingIsRefusedForCircularGeometry) {
  AcGeMatrix3d stretch;
  stretch.entry[0][0] = 2.0;
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1, 0, 1);
  EXPECT_EQ(arc.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(arc.radius(), 1.0);
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1);
  EXPECT_EQ(circle.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  AcDbPolyline pl;
  pl.addVertexAt(0, AcGePoint2d(0, 0), 1.0);
  pl.addVertexAt(1, AcGePoint2d(1, 0));
  EXPECT_EQ(pl.transformBy(stretch), Acad::eCannotScaleNonUniformly);
  pl.setBulgeAt(0, 0.0);
  ASSERT_EQ(pl.transformBy(stretch), Acad::eOk);
  AcGePoint3d end;
  pl.getPointAt(1u, end);
  EXPECT_EQ(end, AcGePoint3d(2, 0, 0));
  AcDbLine line(AcGePoint3d(1, 1, 0), AcGePoint3d(2, 2, 0));
  ASSERT_EQ(line.transformBy(stretch), Acad::eOk);
  EXPECT_EQ(line.endPoint(), AcGePoint3d(4, 2, 0));
}

}  // namespace
