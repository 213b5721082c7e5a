// The geometry helpers of the chain dimension: tolerant intersections, clamping and extending of
// points, arcs of drawing curves and back, and the projection onto a plane.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "acadobjects/CurveHelpers.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPolyline.h"
#include "host/ge/AcGeLine3d.h"
#include "host/ge/AcGeLineSeg3d.h"
#include "host/win/Console.h"

namespace {

constexpr double kExactPi = 3.14159265358979323846;
using ArcPtr = std::unique_ptr<AcGeCircArc3d>;

AcGeLine3d Line(const AcGePoint3d& point, const AcGeVector3d& direction) { return AcGeLine3d(point, direction); }

class CurveHelpers : public ::testing::Test {
 protected:
  void SetUp() override { zhost::Console::instance().clearTranscript(); }
  static std::wstring Transcript() { return zhost::Console::instance().transcript(); }
};

// 0,0 - 10,0 (line), 10,0 - 20,0 (counter-clockwise half circle below), 20,0 - 30,0 (line),
// 30,0 - 40,0 (clockwise half circle above).
std::unique_ptr<AcDbPolyline> TwoArcPolyline() {
  std::unique_ptr<AcDbPolyline> pline(new AcDbPolyline);
  pline->addVertexAt(0, AcGePoint2d(0, 0));
  pline->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
  pline->addVertexAt(2, AcGePoint2d(20, 0));
  pline->addVertexAt(3, AcGePoint2d(30, 0), -1.0);
  pline->addVertexAt(4, AcGePoint2d(40, 0));
  return pline;
}

TEST_F(CurveHelpers, LinesMeetAlsoWhenTheyMissByALittle) {
  AcGePoint3d p;
  EXPECT_TRUE(MyIntersect(Line({0, 0, 0}, {1, 1, 0}), Line({0, 4, 0}, {1, -1, 0}), p));
  EXPECT_TRUE(p.isEqualTo({2, 2, 0}));
  // Skew by 0.0005: found by the widened tolerances.
  EXPECT_TRUE(MyIntersect(Line({0, 0, 0}, {1, 0, 0}), Line({5, -1, 0.0005}, {0, 1, 0}), p));
  EXPECT_NEAR(p.x, 5, 1e-6);
  EXPECT_FALSE(MyIntersect(Line({0, 0, 0}, {1, 0, 0}), Line({0, 1, 0}, {1, 0, 0}), p));
}

TEST_F(CurveHelpers, CircleOfAnArcAgainstALine) {
  // A quarter arc: the full circle counts.
  const AcGeCircArc3d arc({0, 0, 0}, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, 5, 0, kExactPi / 2);
  AcGePoint3d a, b;
  EXPECT_EQ(IntersectCircleLine(arc, Line({-10, 0, 0}, {1, 0, 0}), a, b), 2);
  EXPECT_TRUE(a.isEqualTo({-5, 0, 0}) || b.isEqualTo({-5, 0, 0}));
  EXPECT_EQ(IntersectCircleLine(arc, Line({0, 5, 0}, {1, 0, 0}), a, b), 1);
  EXPECT_TRUE(a.isEqualTo({0, 5, 0}));
  EXPECT_TRUE(b.isEqualTo(a));
  EXPECT_EQ(IntersectCircleLine(arc, Line({0, 7, 0}, {1, 0, 0}), a, b), 0);

  AcGePoint3d p;
  ASSERT_TRUE(MyIntersect(arc, Line({0, 0, 0}, {1, 1, 0}), p, {-1, -1, 0}));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-5, -5, 0) / std::sqrt(2.0)));
  // The curve decides when only one of the two points lies on it.
  ASSERT_TRUE(MyIntersect(arc, Line({0, 0, 0}, {1, 1, 0}), p, {-1, -1, 0}, &arc));
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(5, 5, 0) / std::sqrt(2.0)));
  EXPECT_FALSE(MyIntersect(arc, Line({0, 9, 0}, {1, 0, 0}), p, {0, 0, 0}));
}

struct BoundaryCase {
  AcGePoint3d p;
  AcGePoint3d expected;
};

TEST_F(CurveHelpers, BoundaryPointIsClampedToTheStretch) {
  const AcGePoint3d a(0, 0, 0), b(10, 0, 0);
  const BoundaryCase cases[] = {
      {{5, 3, 0}, {5, 0, 0}},     // projected onto the line
      {{-4, 1, 0}, {1, 0, 0}},    // before a: ra after a
      {{0.5, 0, 0}, {1, 0, 0}},   // too near a
      {{9.9, -2, 0}, {8, 0, 0}},  // too near b: rb before b
      {{30, 0, 0}, {8, 0, 0}},
  };
  for (const BoundaryCase& c : cases) {
    AcGePoint3d p = c.p;
    EXPECT_EQ(SetBoundaryPoint(p, a, 1, b, 2), 1);
    EXPECT_TRUE(p.isEqualTo(c.expected)) << c.p.x << "," << c.p.y << " -> " << p.x << "," << p.y;
  }
  AcGePoint3d p(3, 3, 0);
  EXPECT_EQ(SetBoundaryPoint(p, a, 1, a, 2), 0);
  EXPECT_TRUE(p.isEqualTo({3, 3, 0}));
}

TEST_F(CurveHelpers, ExtendPointMovesAwayFromTheReference) {
  AcGePoint3d p(3, 4, 0);
  EXPECT_EQ(SetExtendPoint(p, {0, 0, 0}, 5), 1);
  EXPECT_TRUE(p.isEqualTo({6, 8, 0}));
  EXPECT_EQ(SetExtendPoint(p, p, 5), 0);
  EXPECT_TRUE(p.isEqualTo({6, 8, 0}));
}

TEST_F(CurveHelpers, ArcsOfArcCircleAndPolylineSegments) {
  const AcDbArc dbArc(AcGePoint3d(1, 2, 0), 3, kExactPi / 4, kExactPi);
  ArcPtr arc(Curve2GeArc(&dbArc, 0));
  ASSERT_NE(arc, nullptr);
  EXPECT_TRUE(arc->center().isEqualTo({1, 2, 0}));
  EXPECT_NEAR(arc->radius(), 3, 1e-12);
  AcGePoint3d start, end;
  dbArc.getStartPoint(start);
  dbArc.getEndPoint(end);
  EXPECT_TRUE(arc->startPoint().isEqualTo(start));
  EXPECT_TRUE(arc->endPoint().isEqualTo(end));

  const AcDbCircle circle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2);
  arc.reset(Curve2GeArc(&circle, 0));
  ASSERT_NE(arc, nullptr);
  EXPECT_TRUE(arc->isClosed());
  EXPECT_NEAR(arc->length(), 4 * kExactPi, 1e-9);

  std::unique_ptr<AcDbPolyline> pline = TwoArcPolyline();
  for (int subent : {1, 3}) {
    arc.reset(Curve2GeArc(pline.get(), subent));
    ASSERT_NE(arc, nullptr) << subent;
    // From the segment's start to its end, whichever way it turns.
    EXPECT_TRUE(arc->startPoint().isEqualTo({subent * 10.0, 0, 0})) << subent;
    EXPECT_TRUE(arc->endPoint().isEqualTo({subent * 10.0 + 10, 0, 0})) << subent;
    EXPECT_TRUE(arc->isOn({subent * 10.0 + 5, subent == 1 ? -5.0 : 5.0, 0})) << subent;
  }
  EXPECT_EQ(Curve2GeArc(pline.get(), 0), nullptr);
  EXPECT_EQ(Curve2GeArc(pline.get(), 4), nullptr);
  EXPECT_NE(Transcript().find(L"Polyline2GeArc Subent=4 total=5"), std::wstring::npos);

  const AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_EQ(Curve2GeArc(&line, 0), nullptr);
  EXPECT_NE(Transcript().find(L"Curve2GeArc - unsupported object"), std::wstring::npos);
}

TEST_F(CurveHelpers, ArcBetweenPointsOfAPolyline) {
  std::unique_ptr<AcDbPolyline> pline = TwoArcPolyline();
  // On both arcs: the one with the higher index.
  ArcPtr arc(ArcBetweenPoints(pline.get(), {15, -5, 0}, {35, 5, 0}));
  ASSERT_NE(arc, nullptr);
  EXPECT_TRUE(arc->center().isEqualTo({35, 0, 0}));
  // Both on lines: the first arc from the lower to the higher line segment.
  arc.reset(ArcBetweenPoints(pline.get(), {25, 0, 0}, {5, 0, 0}));
  ASSERT_NE(arc, nullptr);
  EXPECT_TRUE(arc->center().isEqualTo({15, 0, 0}));
  EXPECT_EQ(ArcBetweenPoints(pline.get(), {5, 0, 0}, {7, 0, 0}), nullptr);
  EXPECT_EQ(ArcBetweenPoints(pline.get(), {5, 0, 0}, {5, 9, 0}), nullptr);
  const AcDbLine line(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  EXPECT_EQ(ArcBetweenPoints(&line, {0, 0, 0}, {1, 0, 0}), nullptr);
}

TEST_F(CurveHelpers, GeometricArcBecomesTheSameDrawingArc) {
  // A reference vector other than the plane's own x axis, and a normal other than z.
  const AcGeVector3d normal = AcGeVector3d(0, 1, 1).normal();
  const AcGeVector3d ref = AcGeVector3d(1, 1, -1).normal();
  const AcGeCircArc3d arc({1, 2, 3}, normal, ref, 4, 0.5, 2.0);
  std::unique_ptr<AcDbArc> dbArc(GeArc2DbArc(arc));
  AcGePoint3d start, end;
  dbArc->getStartPoint(start);
  dbArc->getEndPoint(end);
  EXPECT_TRUE(start.isEqualTo(arc.startPoint()));
  EXPECT_TRUE(end.isEqualTo(arc.endPoint()));
  EXPECT_NEAR(dbArc->radius(), 4, 1e-12);
}

TEST_F(CurveHelpers, ProjectionOntoAPlane) {
  EXPECT_TRUE(ProjectToPlane({1, 2, 7}, {0, 0, 3}, AcGeVector3d::kZAxis).isEqualTo({1, 2, 3}));
  EXPECT_TRUE(ProjectToPlane({1, 2, 7}, {5, 0, 0}, AcGeVector3d::kXAxis).isEqualTo({5, 2, 7}));
  EXPECT_TRUE(ProjectToPlane({1, 2, 7}, {5, 0, 0}, AcGeVector3d()).isEqualTo({1, 2, 7}));
}

}  // namespace
