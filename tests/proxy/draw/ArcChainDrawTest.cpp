// Arc chains: the dimension arc drawn once with its overshoot, ticks at 45° to the arc, the arc
// symbol over the texts, and the chain drawn as a whole circle.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "host/db/AcDbArc.h"
#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using zhost::Primitive;
using ChainPtr = std::unique_ptr<QBdim>;

constexpr double kExactPi = 3.14159265358979323846;
const double kS = 0.4, kX = 0.2;

class ArcChainDrawTest : public ChainDrawFixture {
 protected:
  // A quarter arc of radius 10 about the origin, measured with its dimension arc at radius 15,
  // with a third point at 45°.
  QBdim* QuarterChain() {
    arcId = Append(new AcDbArc(AcGePoint3d(0, 0, 0), 10, 0, kExactPi / 2));
    const double d = 15 / std::sqrt(2.0);
    QBdim* chain = new QBdim({10, 0, 0}, {0, 10, 0}, {d, d, 0}, DIMTYPE_ARC, nullptr, arcId, 0, nullptr);
    const double m = 10 / std::sqrt(2.0);
    chain->AddPointInput({m, m, 0}, 0);
    FormatTexts(chain);
    return chain;
  }
  AcDbObjectId arcId;
};

TEST_F(ArcChainDrawTest, DimensionArcIsDrawnOnceWithItsOvershoot) {
  ChainPtr chain(QuarterChain());
  ASSERT_EQ(chain->GetExtensions(), 3);
  const std::vector<Primitive> prims = Draw(chain.get());
  const std::vector<Primitive> arcs = OfKind(prims, Primitive::kArc);
  std::vector<Primitive> dimArcs = OfKind(WithMarker(prims, 6), Primitive::kArc);
  ASSERT_EQ(dimArcs.size(), 1u);
  EXPECT_TRUE(OfKind(WithMarker(prims, 9), Primitive::kArc).empty());
  const Primitive& arc = dimArcs[0];
  EXPECT_NEAR(arc.center.distanceTo(AcGePoint3d::kOrigin), 0.0, 1e-6);
  EXPECT_NEAR(arc.radius, 15.0, 1e-6);
  // A quarter circle lengthened by X at each end.
  EXPECT_NEAR(arc.sweep, kExactPi / 2 + 2 * kX / 15, 1e-6);
}

TEST_F(ArcChainDrawTest, TicksStandAt45DegreesToTheArc) {
  ChainPtr chain(QuarterChain());
  const std::vector<Primitive> prims = Draw(chain.get());
  for (int k = 0; k < 3; ++k) {
    std::vector<Primitive> lines = OfKind(WithMarker(prims, 3 * k + 3), Primitive::kPolyline);
    ASSERT_FALSE(lines.empty()) << "point " << k;
    const Primitive& tick = lines.back();
    ASSERT_EQ(tick.points.size(), 2u);
    const AcGePoint3d P = chain->GetPointDim(k);
    AcGeVector3d v = tick.points[1] - tick.points[0];
    EXPECT_NEAR(v.length(), std::sqrt(2.0) * kS, 1e-9) << "point " << k;
    AcGeVector3d radial = P - AcGePoint3d::kOrigin;
    v.normalize();
    radial.normalize();
    EXPECT_NEAR(std::fabs(v.dotProduct(radial)), std::sqrt(0.5), 1e-6) << "point " << k;
  }
}

TEST_F(ArcChainDrawTest, TextsCarryTheArcSymbol) {
  ChainPtr chain(QuarterChain());
  const std::vector<Primitive> prims = Draw(chain.get());
  for (int k = 1; k < 3; ++k) {
    const std::vector<Primitive> text = WithMarker(prims, 3 * k + 1);
    EXPECT_EQ(OfKind(text, Primitive::kText).size(), 1u) << "segment " << k;
    EXPECT_EQ(OfKind(text, Primitive::kArc).size(), 1u) << "segment " << k;
  }
}

TEST_F(ArcChainDrawTest, AsCircleDrawsTheWholeCircleAndArrowPairs) {
  ChainPtr chain(QuarterChain());
  chain->arrayInt.SetAtGrow(IND_I_ArcDimAsCircle, 1);
  chain->SetSymbolType(-1, 4);
  const std::vector<Primitive> prims = Draw(chain.get());
  const std::vector<Primitive> circles = OfKind(WithMarker(prims, 6), Primitive::kCircle);
  ASSERT_EQ(circles.size(), 1u);
  EXPECT_NEAR(circles[0].radius, 15.0, 1e-6);
  for (int k = 0; k < 3; ++k)
    EXPECT_EQ(OfKind(WithMarker(prims, 3 * k + 3), Primitive::kPolygon).size(), 2u) << "point " << k;
}

}  // namespace
