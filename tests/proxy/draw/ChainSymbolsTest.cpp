// The symbols at the dimension-line points: every type's shape and size, the tick's rotation with
// the chain, the arrow heads' directions, and nothing at all with a symbol size of 0.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using zhost::Primitive;
using ChainSymbols = ChainDrawFixture;
using ChainPtr = std::unique_ptr<QBdim>;

const double kS = 0.4;

// What stands at dimension-line point k besides the dimension-line piece.
std::vector<Primitive> SymbolAt(const std::vector<Primitive>& prims, int k) {
  std::vector<Primitive> found = WithMarker(prims, 3 * k + 3);
  if (k >= 1 && !found.empty()) found.erase(found.begin());
  return found;
}

double Length(const Primitive& p) { return p.points[0].distanceTo(p.points[1]); }
// The angle of a line in degrees, in [0, 180).
double LineDegrees(const Primitive& p) {
  const AcGeVector3d v = p.points[1] - p.points[0];
  double deg = std::atan2(v.y, v.x) * 180.0 / 3.14159265358979;
  while (deg < 0) deg += 180.0;
  while (deg >= 180.0 - 1e-6) deg -= 180.0;
  return deg;
}

TEST_F(ChainSymbols, EveryTypeHasItsShape) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  struct Case {
    int type;
    size_t count;
    Primitive::Kind kind;
    bool filled;
  };
  const Case cases[] = {{0, 0, Primitive::kPolyline, false}, {1, 1, Primitive::kPolyline, false},
                        {2, 1, Primitive::kCircle, true},    {3, 1, Primitive::kCircle, false},
                        {5, 2, Primitive::kPolyline, false}, {7, 1, Primitive::kPolyline, false}};
  for (const Case& c : cases) {
    chain->SetSymbolType(-1, c.type);
    const std::vector<Primitive> symbol = SymbolAt(Draw(chain.get()), 1);
    ASSERT_EQ(symbol.size(), c.count) << "type " << c.type;
    for (const Primitive& p : symbol) {
      EXPECT_EQ(p.kind, c.kind) << "type " << c.type;
      EXPECT_EQ(p.filled(), c.filled) << "type " << c.type;
      if (p.kind == Primitive::kCircle) {
        EXPECT_NEAR(p.radius, kS / 4, 1e-9);
        EXPECT_TRUE(p.center.isEqualTo({10, 5, 0}));
      }
    }
    if (c.type == 1 || c.type == 7) {
      EXPECT_NEAR(Length(symbol[0]), std::sqrt(2.0) * kS, 1e-9) << "type " << c.type;
      EXPECT_NEAR(LineDegrees(symbol[0]), 45.0, 1e-6) << "type " << c.type;
    }
    if (c.type == 5) {
      EXPECT_NEAR(Length(symbol[0]), kS, 1e-9);
      EXPECT_NEAR(LineDegrees(symbol[0]), 45.0, 1e-6);
      EXPECT_NEAR(LineDegrees(symbol[1]), 135.0, 1e-6);
    }
  }
}

TEST_F(ChainSymbols, TickTurnsWithTheChain) {
  // An aligned chain at 30°: the tick stands at 30° + 45°.
  const double a = 30.0 * 3.14159265358979 / 180.0;
  const AcGePoint3d p2(20 * std::cos(a), 20 * std::sin(a), 0);
  const AcGePoint3d line(-3 * std::sin(a), 3 * std::cos(a), 0);
  ChainPtr chain(new QBdim({0, 0, 0}, p2, line, DIMTYPE_ALIGNED, nullptr, AcDbObjectId(), 0, nullptr));
  const std::vector<Primitive> tick = SymbolAt(Draw(chain.get()), 1);
  ASSERT_EQ(tick.size(), 1u);
  EXPECT_NEAR(LineDegrees(tick[0]), 75.0, 1e-4);
  EXPECT_NEAR(Length(tick[0]), std::sqrt(2.0) * kS, 1e-9);
}

TEST_F(ChainSymbols, ArrowHeadsPointOutwardAtTheEndsAndBothWaysInside) {
  SetChainInt(IND_I_LastType, 4);
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  const std::vector<Primitive> prims = Draw(chain.get());
  const double xs[3] = {0, 10, 25};
  const size_t counts[3] = {1, 2, 1};
  for (int k = 0; k < 3; ++k) {
    const std::vector<Primitive> heads = SymbolAt(prims, k);
    ASSERT_EQ(heads.size(), counts[k]) << "point " << k;
    for (const Primitive& head : heads) {
      ASSERT_EQ(head.kind, Primitive::kPolygon);
      EXPECT_TRUE(head.filled());
      ASSERT_EQ(head.points.size(), 3u);
      EXPECT_TRUE(head.points[0].isEqualTo({xs[k], 5, 0}));
      EXPECT_NEAR(head.points[1].distanceTo(head.points[2]), 2 * kS / 5, 1e-9);
    }
    // The body lies toward the inside of the chain: the tip points outward.
    const double bodyX[3] = {kS, 10 + 10, 25 - kS};  // for k = 1 the sum of both heads' bodies
    const double body = k == 1 ? heads[0].points[1].x + heads[1].points[1].x : heads[0].points[1].x;
    EXPECT_NEAR(body, bodyX[k], 1e-9) << "point " << k;
  }
}

TEST_F(ChainSymbols, SymbolSizeZeroDrawsNoSymbolsAndZeroCrosses) {
  SetChainDouble(IND_D_TickSize, 0.0);
  SetGeneralInt(IND_OPT_B_ShowInputPoints, 1);
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  const std::vector<Primitive> prims = Draw(chain.get());
  for (int k = 0; k < 3; ++k) EXPECT_TRUE(SymbolAt(prims, k).empty()) << "point " << k;
  const std::vector<Primitive> ext = WithMarker(prims, 2);
  ASSERT_EQ(ext.size(), 3u);
  EXPECT_NEAR(Length(ext[1]), 0.0, 1e-12);
}

TEST_F(ChainSymbols, SymbolOverridePerExtension) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  chain->SetSymbolType(1, 2);
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_EQ(SymbolAt(prims, 0)[0].kind, Primitive::kPolyline);
  EXPECT_EQ(SymbolAt(prims, 1)[0].kind, Primitive::kCircle);
  EXPECT_EQ(SymbolAt(prims, 2)[0].kind, Primitive::kPolyline);
}

}  // namespace
