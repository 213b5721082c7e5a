// The lines of a straight chain: selection markers per part, the extension overshoot and the
// dimension-line overshoot at the ends, and what switches them off.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using zhost::Primitive;
using ChainLines = ChainDrawFixture;
using ChainPtr = std::unique_ptr<QBdim>;

// S = 0.4 (TickSize 4), O = 0.2 (ExtendBeyondDimLine 2), X = 0.2 (ExtendBeyondTick 2).
const double kS = 0.4, kO = 0.2, kX = 0.2;

bool Near(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < 1e-6; }

::testing::AssertionResult IsLine(const Primitive& p, const AcGePoint3d& a, const AcGePoint3d& b) {
  if (p.kind != Primitive::kPolyline || p.points.size() != 2) return ::testing::AssertionFailure() << "not a line";
  if ((Near(p.points[0], a) && Near(p.points[1], b)) || (Near(p.points[0], b) && Near(p.points[1], a)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "line (" << p.points[0].x << "," << p.points[0].y << ")-("
                                       << p.points[1].x << "," << p.points[1].y << ")";
}

TEST_F(ChainLines, MarkersNameTextsExtensionsAndDimensionLinePieces) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  ASSERT_EQ(chain->GetExtensions(), 3);
  const std::vector<Primitive> prims = Draw(chain.get());
  const double xs[3] = {0, 10, 25};
  for (int k = 0; k < 3; ++k) {
    // Extension line k from its start near the measured point to O beyond the dimension line.
    const std::vector<Primitive> ext = WithMarker(prims, 3 * k + 2);
    ASSERT_EQ(ext.size(), 1u) << "extension " << k;
    const AcGePoint3d start = chain->GetPointExt1(k);
    EXPECT_TRUE(IsLine(ext[0], start, AcGePoint3d(xs[k], 5 + kO, 0))) << "extension " << k;
    // Symbol (and, from k = 1, the piece of dimension line that ends at P_k).
    const std::vector<Primitive> dim = WithMarker(prims, 3 * k + 3);
    EXPECT_EQ(dim.size(), k == 0 ? 1u : 2u) << "dimension " << k;
  }
  for (int k = 1; k < 3; ++k) {
    const std::vector<Primitive> texts = OfKind(WithMarker(prims, 3 * k + 1), Primitive::kText);
    ASSERT_EQ(texts.size(), 1u) << "text " << k;
    EXPECT_EQ(texts[0].text, std::wstring(chain->GetDimText(k).GetString()));
  }
  EXPECT_TRUE(WithMarker(prims, 0).empty());
  EXPECT_TRUE(WithMarker(prims, 3 * 3 + 1).empty()) << "no sum by default";
}

TEST_F(ChainLines, DimensionLineOvershootsBothEndsOfTwoExtensionChain) {
  ChainPtr chain(HorizontalChain({0, 10}));
  const std::vector<Primitive> pieces = OfKind(WithMarker(Draw(chain.get()), 6), Primitive::kPolyline);
  ASSERT_EQ(pieces.size(), 2u);  // the line and the tick
  EXPECT_TRUE(IsLine(pieces[0], AcGePoint3d(-kX, 5, 0), AcGePoint3d(10 + kX, 5, 0)));
}

TEST_F(ChainLines, OvershootOnlyAtTheOuterEndsOfLongerChains) {
  ChainPtr chain(HorizontalChain({0, 10, 25, 40}));
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_TRUE(IsLine(WithMarker(prims, 6)[0], AcGePoint3d(-kX, 5, 0), AcGePoint3d(10, 5, 0)));
  EXPECT_TRUE(IsLine(WithMarker(prims, 9)[0], AcGePoint3d(10, 5, 0), AcGePoint3d(25, 5, 0)));
  EXPECT_TRUE(IsLine(WithMarker(prims, 12)[0], AcGePoint3d(25, 5, 0), AcGePoint3d(40 + kX, 5, 0)));
}

TEST_F(ChainLines, VerticalChainOvershootsAlongY) {
  ChainPtr chain(new QBdim({0, 0, 0}, {0, 10, 0}, {5, 0, 0}, DIMTYPE_VERTICAL, nullptr, AcDbObjectId(), 0, nullptr));
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_TRUE(IsLine(WithMarker(prims, 6)[0], AcGePoint3d(5, -kX, 0), AcGePoint3d(5, 10 + kX, 0)));
  EXPECT_TRUE(IsLine(WithMarker(prims, 2)[0], chain->GetPointExt1(0), AcGePoint3d(5 + kO, 0, 0)));
}

TEST_F(ChainLines, ArrowsSwitchTheOvershootOff) {
  SetChainInt(IND_I_LastType, 4);
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_TRUE(IsLine(OfKind(WithMarker(prims, 6), Primitive::kPolyline)[0], {0, 5, 0}, {10, 5, 0}));
  EXPECT_TRUE(IsLine(OfKind(WithMarker(prims, 9), Primitive::kPolyline)[0], {10, 5, 0}, {25, 5, 0}));
}

TEST_F(ChainLines, ArrowAtAnInnerPointEndsTheOvershootForTheFollowingPieces) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  chain->SetSymbolType(1, 4);
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_TRUE(IsLine(OfKind(WithMarker(prims, 6), Primitive::kPolyline)[0], {0, 5, 0}, {10, 5, 0}));
  EXPECT_TRUE(IsLine(OfKind(WithMarker(prims, 9), Primitive::kPolyline)[0], {10, 5, 0}, {25, 5, 0}));
}

TEST_F(ChainLines, HiddenExtensionLineIsNotDrawn) {
  ChainPtr chain(HorizontalChain({0, 10}));
  chain->SetExtLineVisible(1, 0);
  const std::vector<Primitive> prims = Draw(chain.get());
  EXPECT_EQ(WithMarker(prims, 2).size(), 1u);
  EXPECT_TRUE(WithMarker(prims, 5).empty());
}

TEST_F(ChainLines, OneExtensionOrNoOptionsDrawNothing) {
  ChainPtr chain(HorizontalChain({0, 10}));
  ChainPtr single(new QBdim);
  single->arrayPoints.append(chain->arrayPoints.asArrayPtr()[0]);
  for (int k = 1; k < 4; ++k) single->arrayPoints.append(chain->arrayPoints[k]);
  single->arrayDouble.Copy(chain->arrayDouble);
  single->arrayString.Copy(chain->arrayString);
  single->arrayInt.Copy(chain->arrayInt);
  EXPECT_TRUE(Draw(single.get()).empty());
  chain->arrayInt.RemoveAll();
  EXPECT_TRUE(Draw(chain.get()).empty());
}

TEST_F(ChainLines, MeasuredPointCrossesWhenShown) {
  SetGeneralInt(IND_OPT_B_ShowInputPoints, 1);
  ChainPtr chain(HorizontalChain({0, 10}));
  const std::vector<Primitive> ext = WithMarker(Draw(chain.get()), 2);
  ASSERT_EQ(ext.size(), 3u);  // the extension line and the two lines of the cross
  // Size S/5 at ±45° about the measured point (0,0).
  const double d = kS / 5 / std::sqrt(2.0);
  EXPECT_TRUE(IsLine(ext[1], {d, d, 0}, {-d, -d, 0}));
  EXPECT_TRUE(IsLine(ext[2], {-d, d, 0}, {d, -d, 0}));
}

}  // namespace

namespace {

TEST_F(ChainLines, DrawnForDisplayHideExplodeAndProxyButNotAnUnknownRegeneration) {
  std::unique_ptr<QBdim> chain(HorizontalChain({0, 10}));
  const size_t display = Draw(chain.get()).size();
  ASSERT_GT(display, 0u);
  for (AcGiRegenType type : {kAcGiHideOrShadeCommand, kAcGiRenderCommand, kAcGiForExplode, kAcGiSaveWorldDrawForProxy})
    EXPECT_EQ(Draw(chain.get(), false, type).size(), display) << "type " << type;
  EXPECT_TRUE(Draw(chain.get(), false, eAcGiRegenTypeInvalid).empty());
}

}  // namespace
