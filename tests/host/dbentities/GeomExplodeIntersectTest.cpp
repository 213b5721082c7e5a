// Explosion of polylines into lines and arcs, curve intersections with the extension modes,
// extents, object snaps and the curve parameter protocol.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbXline.h"

namespace {

struct Exploded {
  AcDbVoidPtrArray items;
  ~Exploded() {
    for (int i = 0; i < items.length(); ++i) delete static_cast<AcDbEntity*>(items[i]);
  }
  AcDbEntity* at(int i) const { return static_cast<AcDbEntity*>(items[i]); }
};

// (0,0) -> (10,0) line, (10,0) -> (10,10) half circle bulging to +x, (10,10) -> (10,10)
// nothing, (10,10) -> (0,10) clockwise quarter, closing line back to (0,0).
AcDbPolyline* MakeBulgedPolyline() {
  auto* pl = new AcDbPolyline;
  pl->addVertexAt(0, AcGePoint2d(0, 0));
  pl->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
  pl->addVertexAt(2, AcGePoint2d(10, 10));
  pl->addVertexAt(3, AcGePoint2d(10, 10), -std::tan(M_PI / 8));
  pl->addVertexAt(4, AcGePoint2d(0, 10));
  pl->setClosed(true);
  pl->setLayer(L"Walls");
  pl->setColorIndex(3);
  return pl;
}

TEST(GeomExplode, PolylineWithBulgesGivesLinesAndArcs) {
  std::unique_ptr<AcDbPolyline> pl(MakeBulgedPolyline());
  Exploded out;
  ASSERT_EQ(pl->explode(out.items), Acad::eOk);
  ASSERT_EQ(out.items.length(), 4);  // the zero-length segment gives nothing

  auto* first = AcDbLine::cast(out.at(0));
  ASSERT_TRUE(first);
  EXPECT_EQ(first->startPoint(), AcGePoint3d(0, 0, 0));
  EXPECT_EQ(first->endPoint(), AcGePoint3d(10, 0, 0));

  auto* half = AcDbArc::cast(out.at(1));
  ASSERT_TRUE(half);
  EXPECT_LT(half->center().distanceTo(AcGePoint3d(10, 5, 0)), 1e-9);
  EXPECT_NEAR(half->radius(), 5, 1e-9);
  EXPECT_NEAR(half->startAngle(), 1.5 * M_PI, 1e-9);
  EXPECT_NEAR(half->endAngle(), 0.5 * M_PI, 1e-9);

  // A clockwise bulge becomes a counter-clockwise arc from the segment's end to its start.
  auto* quarter = AcDbArc::cast(out.at(2));
  ASSERT_TRUE(quarter);
  AcGePoint3d s, e;
  quarter->getStartPoint(s);
  quarter->getEndPoint(e);
  EXPECT_LT(s.distanceTo(AcGePoint3d(0, 10, 0)), 1e-9);
  EXPECT_LT(e.distanceTo(AcGePoint3d(10, 10, 0)), 1e-9);
  EXPECT_NEAR(quarter->totalAngle(), M_PI / 2, 1e-9);
  AcGePoint3d mid, plMid;
  quarter->getPointAtParam(quarter->startAngle() + M_PI / 4, mid);
  pl->getPointAtParam(3.5, plMid);
  EXPECT_LT(mid.distanceTo(plMid), 1e-9);

  auto* closing = AcDbLine::cast(out.at(3));
  ASSERT_TRUE(closing);
  EXPECT_EQ(closing->endPoint(), AcGePoint3d(0, 0, 0));
  for (int i = 0; i < out.items.length(); ++i) {
    EXPECT_STREQ(out.at(i)->layer(), L"Walls");
    EXPECT_EQ(out.at(i)->colorIndex(), 3);
  }
}

TEST(GeomExplode, TwoDPolylineExplodesLikeTheLightweightOne) {
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(0, 0, 0));
  pts.append(AcGePoint3d(10, 0, 0));
  pts.append(AcGePoint3d(10, 10, 0));
  AcGeDoubleArray bulges;
  bulges.append(0.0);
  bulges.append(1.0);
  AcDb2dPolyline pl(AcDb::k2dSimplePoly, pts, 0.0, false, 0.6, 0.6, &bulges);
  Exploded out;
  ASSERT_EQ(pl.explode(out.items), Acad::eOk);
  ASSERT_EQ(out.items.length(), 2);
  EXPECT_TRUE(AcDbLine::cast(out.at(0)));
  auto* arc = AcDbArc::cast(out.at(1));
  ASSERT_TRUE(arc);
  EXPECT_LT(arc->center().distanceTo(AcGePoint3d(10, 5, 0)), 1e-9);

  AcDbObjectIterator* it = pl.vertexIterator();
  int count = 0;
  for (it->start(); !it->done(); it->step()) {
    auto* v = AcDb2dVertex::cast(it->entity());
    ASSERT_TRUE(v);
    EXPECT_EQ(v->startWidth(), 0.6);
    ++count;
  }
  delete it;
  EXPECT_EQ(count, 3);
}

TEST(GeomExplode, SimpleEntitiesAreNotExplodable) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1);
  AcDbArc arc(AcGePoint3d(0, 0, 0), 1, 0, 1);
  AcDbPoint point(AcGePoint3d(0, 0, 0));
  for (const AcDbEntity* e : {static_cast<const AcDbEntity*>(&line), static_cast<const AcDbEntity*>(&circle),
                              static_cast<const AcDbEntity*>(&arc), static_cast<const AcDbEntity*>(&point)}) {
    AcDbVoidPtrArray out;
    EXPECT_EQ(e->explode(out), Acad::eNotApplicable);
    EXPECT_EQ(out.length(), 0);
  }
}

struct IntersectCase {
  const char* name;
  std::function<AcDbEntity*()> a, b;
  AcDb::Intersect mode;
  std::vector<AcGePoint3d> expected;
};

AcDbEntity* Line(double x1, double y1, double x2, double y2) {
  return new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0));
}

std::vector<IntersectCase> IntersectCases() {
  auto unitArc = [] { return static_cast<AcDbEntity*>(new AcDbArc(AcGePoint3d(0, 0, 0), 5, 0, M_PI / 2)); };
  auto circle = [] { return static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 5)); };
  return {
      {"crossingLines",
       [] { return Line(0, 0, 10, 10); },
       [] { return Line(0, 10, 10, 0); },
       AcDb::kOnBothOperands,
       {{5, 5, 0}}},
      {"shortLineMisses",
       [] { return Line(0, 0, 2, 2); },
       [] { return Line(0, 10, 10, 0); },
       AcDb::kOnBothOperands,
       {}},
      {"shortLineExtended",
       [] { return Line(0, 0, 2, 2); },
       [] { return Line(0, 10, 10, 0); },
       AcDb::kExtendThis,
       {{5, 5, 0}}},
      {"extendWrongOperand", [] { return Line(0, 0, 2, 2); }, [] { return Line(0, 10, 10, 0); }, AcDb::kExtendArg, {}},
      {"extendBoth", [] { return Line(0, 0, 1, 1); }, [] { return Line(10, 0, 9, 1); }, AcDb::kExtendBoth, {{5, 5, 0}}},
      {"lineThroughCircle", [] { return Line(-10, 3, 10, 3); }, circle, AcDb::kOnBothOperands, {{-4, 3, 0}, {4, 3, 0}}},
      {"lineThroughArc", [] { return Line(-10, 3, 10, 3); }, unitArc, AcDb::kOnBothOperands, {{4, 3, 0}}},
      {"arcExtendedToCircle", [] { return Line(-10, 3, 10, 3); }, unitArc, AcDb::kExtendArg, {{-4, 3, 0}, {4, 3, 0}}},
      {"circles",
       circle,
       [] { return static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(8, 0, 0), AcGeVector3d::kZAxis, 5)); },
       AcDb::kOnBothOperands,
       {{4, 3, 0}, {4, -3, 0}}},
      {"polylineThroughVertexOnce",
       [] { return static_cast<AcDbEntity*>(MakeBulgedPolyline()); },
       [] { return Line(-4, -2, 24, 12); },
       AcDb::kOnBothOperands,
       {{0, 0, 0}, {10 + 2 * std::sqrt(5.0), 5 + std::sqrt(5.0), 0}}},
      {"polylineArcSegment",
       [] { return static_cast<AcDbEntity*>(MakeBulgedPolyline()); },
       [] { return Line(12, 5, 20, 5); },
       AcDb::kOnBothOperands,
       {{15, 5, 0}}},
      {"xlineAlwaysInfinite",
       [] {
         auto* x = new AcDbXline;
         x->setBasePoint(AcGePoint3d(100, 0, 0));
         x->setUnitDir(AcGeVector3d(0, 1, 0));
         return static_cast<AcDbEntity*>(x);
       },
       [] { return Line(0, 7, 1, 7); },
       AcDb::kExtendArg,
       {{100, 7, 0}}},
  };
}

TEST(GeomIntersect, CurvePairs) {
  for (const IntersectCase& c : IntersectCases()) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbEntity> a(c.a()), b(c.b());
    AcGePoint3dArray pts;
    ASSERT_EQ(a->intersectWith(b.get(), c.mode, pts), Acad::eOk);
    ASSERT_EQ(pts.length(), static_cast<int>(c.expected.size()));
    for (const AcGePoint3d& want : c.expected) {
      bool found = false;
      for (int i = 0; i < pts.length(); ++i) found = found || pts[i].distanceTo(want) < 1e-9;
      EXPECT_TRUE(found) << want.x << "," << want.y;
    }
  }
}

TEST(GeomIntersect, NonCurveIsNotApplicable) {
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbPoint point(AcGePoint3d(0, 0, 0));
  AcGePoint3dArray pts;
  EXPECT_EQ(line.intersectWith(&point, AcDb::kOnBothOperands, pts), Acad::eNotApplicable);
}

TEST(GeomExtents, BoxesOfTheClasses) {
  struct Case {
    const char* name;
    std::function<AcDbEntity*()> make;
    AcGePoint3d min, max;
  };
  const Case cases[] = {
      {"line", [] { return Line(3, -1, -2, 4); }, {-2, -1, 0}, {3, 4, 0}},
      {"arcQuadrantInside",
       [] { return static_cast<AcDbEntity*>(new AcDbArc(AcGePoint3d(0, 0, 0), 2, M_PI / 4, 3 * M_PI / 4)); },
       {-std::sqrt(2.0), std::sqrt(2.0), 0},
       {std::sqrt(2.0), 2, 0}},
      {"circle",
       [] { return static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2)); },
       {-1, -1, 0},
       {3, 3, 0}},
      {"polylineArc", [] { return static_cast<AcDbEntity*>(MakeBulgedPolyline()); }, {0, 0, 0}, {15, 10, 0}},
      {"solid",
       [] {
         return static_cast<AcDbEntity*>(
             new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(1, 3, 0)));
       },
       {0, 0, 0},
       {4, 3, 0}},
      {"point", [] { return static_cast<AcDbEntity*>(new AcDbPoint(AcGePoint3d(2, 3, 4))); }, {2, 3, 4}, {2, 3, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbEntity> e(c.make());
    AcDbExtents ext;
    ASSERT_EQ(e->getGeomExtents(ext), Acad::eOk);
    EXPECT_LT(ext.minPoint().distanceTo(c.min), 1e-9);
    EXPECT_LT(ext.maxPoint().distanceTo(c.max), 1e-9);
  }
  AcDbXline xline;
  AcDbExtents ext;
  EXPECT_EQ(xline.getGeomExtents(ext), Acad::eInvalidExtents);
}

TEST(GeomOsnap, EndMidCenterQuadrantNode) {
  AcGeMatrix3d view;
  AcDbIntArray ids;
  auto snaps = [&](const AcDbEntity& e, AcDb::OsnapMode mode) {
    AcGePoint3dArray pts;
    EXPECT_EQ(e.getOsnapPoints(mode, 0, AcGePoint3d(), AcGePoint3d(), view, pts, ids), Acad::eOk);
    return pts;
  };
  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 2, 0));
  EXPECT_EQ(snaps(line, AcDb::kOsModeEnd).length(), 2);
  EXPECT_EQ(snaps(line, AcDb::kOsModeMid)[0], AcGePoint3d(2, 1, 0));
  AcDbArc arc(AcGePoint3d(1, 1, 0), 2, 0.1, M_PI + 0.1);
  EXPECT_EQ(snaps(arc, AcDb::kOsModeCen)[0], AcGePoint3d(1, 1, 0));
  AcGePoint3dArray quads = snaps(arc, AcDb::kOsModeQuad);
  ASSERT_EQ(quads.length(), 2);  // 90 and 180 degrees
  EXPECT_LT(quads[0].distanceTo(AcGePoint3d(1, 3, 0)), 1e-9);
  AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1);
  EXPECT_EQ(snaps(circle, AcDb::kOsModeQuad).length(), 4);
  AcDbPoint point(AcGePoint3d(5, 5, 5));
  EXPECT_EQ(snaps(point, AcDb::kOsModeNode)[0], AcGePoint3d(5, 5, 5));
  std::unique_ptr<AcDbPolyline> pl(MakeBulgedPolyline());
  AcGePoint3dArray centers = snaps(*pl, AcDb::kOsModeCen);
  ASSERT_EQ(centers.length(), 2);
  EXPECT_LT(centers[0].distanceTo(AcGePoint3d(10, 5, 0)), 1e-9);
}

TEST(GeomCurve, ParametersDistancesAndClosestPoints) {
  std::unique_ptr<AcDbPolyline> pl(MakeBulgedPolyline());
  double end = 0, dist = 0, param = 0;
  ASSERT_EQ(pl->getEndParam(end), Acad::eOk);
  EXPECT_EQ(end, 5.0);
  EXPECT_TRUE(pl->isClosed());
  ASSERT_EQ(pl->getDistAtParam(1.5, dist), Acad::eOk);
  EXPECT_NEAR(dist, 10 + 5 * M_PI / 2, 1e-9);
  AcGePoint3d p;
  ASSERT_EQ(pl->getPointAtParam(1.5, p), Acad::eOk);
  EXPECT_LT(p.distanceTo(AcGePoint3d(15, 5, 0)), 1e-9);
  ASSERT_EQ(pl->getParamAtPoint(AcGePoint3d(15, 5, 0), param), Acad::eOk);
  EXPECT_NEAR(param, 1.5, 1e-9);
  EXPECT_EQ(pl->getParamAtPoint(AcGePoint3d(50, 50, 0), param), Acad::ePointNotOnEntity);
  EXPECT_EQ(pl->getPointAtParam(9.0, p), Acad::eInvalidInput);
  double area = 0;
  ASSERT_EQ(pl->getArea(area), Acad::eOk);
  double quarterSegment = 50.0 * (M_PI / 2 - 1) / 2;  // the inward quarter arc (r^2 = 50) cuts this off
  EXPECT_NEAR(area, 100 + M_PI * 25 / 2 - quarterSegment, 1e-9);

  AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcGePoint3d onCurve;
  ASSERT_EQ(line.getClosestPointTo(AcGePoint3d(20, 5, 0), onCurve), Acad::eOk);
  EXPECT_EQ(onCurve, AcGePoint3d(10, 0, 0));
  ASSERT_EQ(line.getClosestPointTo(AcGePoint3d(20, 5, 0), onCurve, true), Acad::eOk);
  EXPECT_EQ(onCurve, AcGePoint3d(20, 0, 0));
  ASSERT_EQ(line.getDistAtPoint(AcGePoint3d(4, 0, 0), dist), Acad::eOk);
  EXPECT_EQ(dist, 4.0);
  AcGeVector3d deriv;
  ASSERT_EQ(line.getFirstDeriv(2.0, deriv), Acad::eOk);
  EXPECT_EQ(deriv, AcGeVector3d::kXAxis);

  AcDbArc arc(AcGePoint3d(0, 0, 0), 2, 1.5 * M_PI, 0.5 * M_PI);  // crosses angle 0
  double s = 0, e = 0;
  arc.getStartParam(s);
  arc.getEndParam(e);
  EXPECT_NEAR(e - s, M_PI, 1e-12);
  ASSERT_EQ(arc.getParamAtPoint(AcGePoint3d(2, 0, 0), param), Acad::eOk);
  ASSERT_EQ(arc.getDistAtParam(param, dist), Acad::eOk);
  EXPECT_NEAR(dist, M_PI, 1e-9);
  ASSERT_EQ(arc.getFirstDeriv(2 * M_PI, deriv), Acad::eOk);
  EXPECT_TRUE(deriv.isCodirectionalTo(AcGeVector3d::kYAxis));
}

TEST(GeomPolyline, VertexAccessAndSegments) {
  AcDbPolyline pl;
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kEmpty);
  pl.addVertexAt(5, AcGePoint2d(0, 0));  // past the end: appended
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kPoint);
  pl.addVertexAt(1, AcGePoint2d(2, 0), 1.0);
  pl.addVertexAt(2, AcGePoint2d(2, 2));
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kLine);
  EXPECT_EQ(pl.segType(1), AcDbPolyline::kArc);
  EXPECT_EQ(pl.segType(2), AcDbPolyline::kEmpty);
  AcGeCircArc3d arc3;
  EXPECT_EQ(pl.getArcSegAt(0, arc3), Acad::eWrongObjectType);
  ASSERT_EQ(pl.getArcSegAt(1, arc3), Acad::eOk);
  EXPECT_LT(arc3.center().distanceTo(AcGePoint3d(2, 1, 0)), 1e-9);
  AcGeCircArc2d arc2;
  ASSERT_EQ(pl.getArcSegAt(1, arc2), Acad::eOk);
  EXPECT_LT(arc2.center().distanceTo(AcGePoint2d(2, 1)), 1e-9);
  AcGeLineSeg3d seg;
  ASSERT_EQ(pl.getLineSegAt(0, seg), Acad::eOk);
  EXPECT_EQ(seg.endPoint(), AcGePoint3d(2, 0, 0));
  double bulge = 0;
  EXPECT_EQ(pl.getBulgeAt(7, bulge), Acad::eInvalidIndex);
  EXPECT_EQ(pl.removeVertexAt(3), Acad::eInvalidIndex);
  ASSERT_EQ(pl.removeVertexAt(0), Acad::eOk);
  EXPECT_EQ(pl.numVerts(), 2u);
  EXPECT_EQ(pl.segType(0), AcDbPolyline::kArc);
  EXPECT_FALSE(pl.isOnlyLines());

  pl.setNormal(AcGeVector3d(0, 0, -1));
  pl.setElevation(3);
  AcGePoint3d world;
  ASSERT_EQ(pl.getPointAt(0u, world), Acad::eOk);
  EXPECT_LT(world.distanceTo(AcGePoint3d(-2, 0, -3)), 1e-9);  // plane x axis is -X for a -Z normal
}

}  // namespace
