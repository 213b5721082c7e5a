// Arc chains on curves of a real drawing: an arc, a circle and an arc segment of a lightweight
// polyline; measured points on the curve, dimension points on the dimension circle, lengths along
// the curve, and the order of the extensions along it.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbPolyline.h"
#include "proxy/QBdim.h"
#include "tests/proxy/geometry/ChainGeomFixture.h"

namespace {

using ArcChain = ChainGeomFixture;
using ChainPtr = std::unique_ptr<QBdim>;

constexpr double kExactPi = 3.14159265358979323846;

// Every measured point lies at radius r and every dimension-line point at radius R about c.
void ExpectOnCircles(QBdim& chain, const AcGePoint3d& c, double r, double R) {
  for (int k = 0; k < chain.GetExtensions(); ++k) {
    EXPECT_NEAR(chain.GetPointInput(k).distanceTo(c), r, 1e-6) << ExtensionText(chain, k);
    EXPECT_NEAR(chain.GetPointDim(k).distanceTo(c), R, 1e-6) << ExtensionText(chain, k);
    // Measured point and dimension point on one radial line.
    const AcGeVector3d a = chain.GetPointInput(k) - c, b = chain.GetPointDim(k) - c;
    EXPECT_TRUE(a.isCodirectionalTo(b)) << ExtensionText(chain, k);
  }
}

TEST_F(ArcChain, OnADrawingArc) {
  AcDbObjectId arcId = Append(new AcDbArc(AcGePoint3d(0, 0, 0), 10, 0, kExactPi / 2));
  const double d = 15 / std::sqrt(2.0);
  ChainPtr chain(NewChain({10, 0, 0}, {0, 10, 0}, {d, d, 0}, DIMTYPE_ARC, arcId));
  ASSERT_EQ(chain->GetExtensions(), 2);
  EXPECT_EQ(chain->m_arcObjectId, arcId);
  ASSERT_GE(chain->m_arcPoints.length(), 7);
  EXPECT_TRUE(chain->m_arcPoints[3].isEqualTo(AcGePoint3d::kOrigin));
  ExpectOnCircles(*chain, AcGePoint3d::kOrigin, 10, 15);
  EXPECT_TRUE(chain->GetPointDim(0).isEqualTo({15, 0, 0})) << ExtensionText(*chain, 0);
  EXPECT_NEAR(chain->GetDistance(1), 5 * kExactPi, 1e-6);
  EXPECT_NEAR(chain->GetDistance(0), 5 * kExactPi, 1e-6);

  // A point between the two, off the arc: moved onto it and sorted by its parameter.
  const double m = 12 / std::sqrt(2.0);
  EXPECT_EQ(chain->AddPointInput({m, m, 0}, 0), 1);
  ASSERT_EQ(chain->GetExtensions(), 3);
  ExpectOnCircles(*chain, AcGePoint3d::kOrigin, 10, 15);
  ASSERT_EQ(chain->arrayParam.GetSize(), 3);
  EXPECT_LT(chain->arrayParam[0], chain->arrayParam[1]);
  EXPECT_LT(chain->arrayParam[1], chain->arrayParam[2]);
  EXPECT_NEAR(chain->GetDistance(1), 2.5 * kExactPi, 1e-6);
  EXPECT_NEAR(chain->GetDistance(2), 2.5 * kExactPi, 1e-6);
  EXPECT_NEAR(chain->GetDistance(0), 5 * kExactPi, 1e-6);
  // Segment texts stand just outside the dimension arc, about the middle of their segment (the
  // reading direction is taken where the text stood before, so the place is near, not exact).
  const AcGePoint3d text = chain->GetPointExt2(1);
  EXPECT_GT(text.distanceTo(AcGePoint3d::kOrigin), 15);
  EXPECT_LT(text.distanceTo(AcGePoint3d::kOrigin), 15.5);
  EXPECT_NEAR(std::atan2(text.y, text.x), kExactPi / 8, 0.02);

  EXPECT_EQ(chain->RemoveDimExt(1), 2);
  EXPECT_NEAR(chain->GetDistance(1), 5 * kExactPi, 1e-6);
}

TEST_F(ArcChain, OnACircleWithOnePointMeasuresTheWholeCircle) {
  AcDbObjectId circleId = Append(new AcDbCircle(AcGePoint3d(50, 0, 0), AcGeVector3d::kZAxis, 5));
  ChainPtr chain(NewChain({55, 0, 0}, {55, 0, 0}, {58, 0, 0}, DIMTYPE_ARC, circleId));
  ASSERT_EQ(chain->GetExtensions(), 2);
  EXPECT_EQ(chain->arrayInt[IND_I_ArcDimInputArcIsCircle], 1u);
  EXPECT_EQ(chain->arrayInt[IND_I_ArcDimAsCircle], 1u);
  EXPECT_TRUE(chain->IsFullCircleInput());
  EXPECT_NEAR(chain->GetDistance(0), 6.283185307 * 5, 1e-9);
  EXPECT_TRUE(chain->GetPointDim(0).isEqualTo({58, 0, 0})) << ExtensionText(*chain, 0);
}

TEST_F(ArcChain, OnACircleWithTwoPointsMeasuresTheArcBetween) {
  AcDbObjectId circleId = Append(new AcDbCircle(AcGePoint3d(50, 0, 0), AcGeVector3d::kZAxis, 5));
  ChainPtr chain(NewChain({55, 0, 0}, {50, 5, 0}, {58, 0, 0}, DIMTYPE_ARC, circleId));
  ASSERT_EQ(chain->GetExtensions(), 2);
  EXPECT_EQ(chain->arrayInt[IND_I_ArcDimAsCircle], 0u);
  EXPECT_FALSE(chain->IsFullCircleInput());
  ExpectOnCircles(*chain, AcGePoint3d(50, 0, 0), 5, 8);
  EXPECT_NEAR(chain->GetDistance(1), 2.5 * kExactPi, 1e-6);
}

TEST_F(ArcChain, OnAClockwisePolylineArcSegment) {
  // Segment 1 is a clockwise half circle from (10,0) over (15,5) to (20,0).
  auto* pline = new AcDbPolyline;
  pline->addVertexAt(0, AcGePoint2d(0, 0));
  pline->addVertexAt(1, AcGePoint2d(10, 0), -1.0);
  pline->addVertexAt(2, AcGePoint2d(20, 0));
  pline->addVertexAt(3, AcGePoint2d(30, 0));
  AcDbObjectId plineId = Append(pline);
  ChainPtr chain(NewChain({10, 0, 0}, {20, 0, 0}, {15, 9, 0}, DIMTYPE_ARC, plineId, 1));
  ASSERT_EQ(chain->GetExtensions(), 2);
  EXPECT_EQ(chain->m_arcSubent, 1);
  const AcGePoint3d centre(15, 0, 0);
  ExpectOnCircles(*chain, centre, 5, 9);
  EXPECT_TRUE(chain->GetPointDim(0).isEqualTo({6, 0, 0})) << ExtensionText(*chain, 0);
  EXPECT_NEAR(chain->GetDistance(1), 5 * kExactPi, 1e-6);

  EXPECT_EQ(chain->AddPointInput({15, 7, 0}, 0), 1);
  ExpectOnCircles(*chain, centre, 5, 9);
  EXPECT_TRUE(chain->GetPointInput(1).isEqualTo({15, 5, 0})) << ExtensionText(*chain, 1);
  EXPECT_NEAR(chain->GetDistance(1), 2.5 * kExactPi, 1e-6);
  EXPECT_NEAR(chain->GetDistance(2), 2.5 * kExactPi, 1e-6);
  // The texts stand on the upper half, where the segment runs.
  for (int k = 1; k < 3; ++k) {
    const AcGePoint3d text = chain->GetPointExt2(k);
    EXPECT_GT(text.distanceTo(centre), 9) << ExtensionText(*chain, k);
    EXPECT_LT(text.distanceTo(centre), 9.5) << ExtensionText(*chain, k);
    EXPECT_GT(text.y, 5) << ExtensionText(*chain, k);
  }
}

TEST_F(ArcChain, WithoutItsCurveTheArcComesFromTheMeasuredPoints) {
  AcDbObjectId arcId = Append(new AcDbArc(AcGePoint3d(0, 0, 0), 10, 0, kExactPi / 2));
  ChainPtr chain(NewChain({10, 0, 0}, {0, 10, 0}, {12, 12, 0}, DIMTYPE_ARC, arcId));
  chain->m_arcObjectId = AcDbObjectId();
  std::unique_ptr<AcGeCircArc3d> arc(chain->GetArcInput(0));
  ASSERT_NE(arc, nullptr);
  EXPECT_TRUE(arc->center().isEqualTo(AcGePoint3d::kOrigin));
  EXPECT_NEAR(arc->radius(), 10, 1e-9);
  EXPECT_NEAR(chain->GetDistance(1), 5 * kExactPi, 1e-6);
}

}  // namespace
