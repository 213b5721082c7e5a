// Straight chains: direction and rotation at creation, adding (duplicates refused or nudged),
// sorting (data staying with its extension), removing, the dimension line and the lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "acadobjects/Angles.h"
#include "host/win/WideFormat.h"
#include "proxy/QBdim.h"
#include "tests/proxy/geometry/ChainGeomFixture.h"

namespace {

using StraightChain = ChainGeomFixture;
using ChainPtr = std::unique_ptr<QBdim>;

CString XText(double x) { return CString(zhost::FormatWide(L"u%.0f", x)); }

// Dimension-line points ascend in x.
void ExpectSortedByX(QBdim& chain) {
  for (int k = 1; k < chain.GetExtensions(); ++k) {
    EXPECT_LT(chain.GetPointDim(k - 1).x, chain.GetPointDim(k).x) << ExtensionText(chain, k);
  }
}

TEST_F(StraightChain, VerticalInTheWorldUcsIsExactlyTheYAxis) {
  ChainPtr chain(NewChain({0, 0, 0}, {0, 10, 0}, {5, 5, 0}, DIMTYPE_VERTICAL));
  EXPECT_EQ(chain->m_vectorDim.x, 0.0);
  EXPECT_EQ(chain->m_vectorDim.y, 1.0);
  EXPECT_EQ(chain->m_vectorDim.z, 0.0);
  EXPECT_EQ(chain->m_dRotation, 1.57079632675);
  ASSERT_EQ(chain->GetExtensions(), 2);
  EXPECT_TRUE(chain->GetPointDim(0).isEqualTo({5, 0, 0})) << ExtensionText(*chain, 0);
  EXPECT_TRUE(chain->GetPointDim(1).isEqualTo({5, 10, 0})) << ExtensionText(*chain, 1);
}

TEST_F(StraightChain, AlignedRightToLeftTakesTheSmallerRotation) {
  ChainPtr chain(NewChain({10, 0, 0}, {0, 0, 0}, {5, 3, 0}, DIMTYPE_ALIGNED));
  EXPECT_TRUE(chain->m_vectorDim.isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_EQ(chain->m_dRotation, 0.0);
  EXPECT_NEAR(chain->GetDistance(1), 10.0, 1e-9);
}

TEST_F(StraightChain, HorizontalChainMeasuresAlongX) {
  ChainPtr chain(NewChain({0, 0, 0}, {30, 7, 0}, {12, 20, 0}, DIMTYPE_HORIZONTAL));
  EXPECT_TRUE(chain->m_vectorDim.isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_EQ(chain->m_dRotation, 0.0);
  EXPECT_TRUE(chain->GetPointDim(0).isEqualTo({0, 20, 0})) << ExtensionText(*chain, 0);
  EXPECT_TRUE(chain->GetPointDim(1).isEqualTo({30, 20, 0})) << ExtensionText(*chain, 1);
  EXPECT_NEAR(chain->GetDistance(1), 30.0, 1e-9);
  EXPECT_EQ(chain->GetDistance(0), chain->GetDistance(1));
  EXPECT_EQ(chain->arrayText.GetSize(), 2);
  EXPECT_EQ(chain->arrayExtFlags.GetSize(), 2);
}

TEST_F(StraightChain, CoincidingPointIsNudgedOnceThenRefused) {
  // The dimension line lies straight above p1, so p2 = p1 meets the first extension's point.
  ChainPtr chain(NewChain({0, 0, 0}, {0, 0, 0}, {0, 10, 0}, DIMTYPE_HORIZONTAL));
  ASSERT_EQ(chain->GetExtensions(), 2);
  const AcGeVector3d nudge = chain->GetPointInput(1) - chain->GetPointInput(0);
  EXPECT_NEAR(nudge.x, 1e-6, 1e-12);
  EXPECT_NEAR(nudge.y, 0.0, 1e-12);

  ChainPtr wide(NewChain({0, 0, 0}, {20, 0, 0}, {5, 10, 0}, DIMTYPE_HORIZONTAL));
  EXPECT_EQ(wide->AddPointInput({20.00005, -3, 0}, 0), -1);
  EXPECT_EQ(wide->GetExtensions(), 2);
  EXPECT_EQ(wide->AddPointInput({20.00005, -3, 0}, 1), 2);
  EXPECT_EQ(wide->GetExtensions(), 3);
}

TEST_F(StraightChain, EqualKeysMoveNothing) {
  ChainPtr chain(NewChain({0, 0, 0}, {20, 0, 0}, {5, 10, 0}, DIMTYPE_HORIZONTAL));
  // Kept although its dimension-line point is the one of extension 1: the keys are equal.
  EXPECT_EQ(chain->AddPointInput({20, -5, 0}, 1), 2);
  EXPECT_TRUE(chain->GetPointInput(2).isEqualTo({20, -5, 0}));
  EXPECT_TRUE(chain->GetPointInput(1).isEqualTo({20, 0, 0}));
  AcGePoint3dArray before = chain->arrayPoints;
  EXPECT_EQ(chain->RearrangeExtensions(1), 1);
  EXPECT_TRUE(chain->arrayPoints == before);
}

TEST_F(StraightChain, RandomOrderEndsSortedWithFlagsAndTextsOnTheirExtensions) {
  ChainPtr chain(NewChain({500, 0, 0}, {520, 0, 0}, {510, 40, 0}, DIMTYPE_HORIZONTAL));
  std::vector<double> xs;
  for (int k = 0; k < 30; ++k) xs.push_back(k * 10.0 + 5);
  std::mt19937 random(1234);
  std::shuffle(xs.begin(), xs.end(), random);
  for (double x : xs) {
    const int k = chain->AddPointInput({x, -(x / 10), 0}, 0);
    ASSERT_GE(k, 0);
    ASSERT_DOUBLE_EQ(chain->GetPointInput(k).x, x);
    chain->SetExtLineVisible(k, static_cast<int>(x) % 20 == 5 ? 0 : 1);
    if (k >= 1) chain->SetUserText(k, XText(x));
  }
  const int n = chain->GetExtensions();
  ASSERT_EQ(n, 32);
  ExpectSortedByX(*chain);
  ASSERT_EQ(chain->arrayExtFlags.GetSize(), n);
  ASSERT_EQ(chain->arrayText.GetSize(), n);
  for (int k = 0; k < n; ++k) {
    const double x = chain->GetPointInput(k).x;
    EXPECT_NEAR(chain->GetPointDim(k).y, 40.0, 1e-9);
    if (x < 500) {
      EXPECT_EQ(chain->IsExtLineVisible(k), static_cast<int>(x) % 20 == 5 ? 0 : 1) << "x=" << x;
    }
  }
  for (int k = 1; k < n; ++k) {
    const CString user = chain->GetUserText(k);
    if (!user.IsEmpty()) {
      EXPECT_EQ(user, XText(chain->GetPointInput(k).x)) << "segment " << k;
    }
  }
}

TEST_F(StraightChain, MovedExtensionTakesItsTextFlagAndAppendedText) {
  ChainPtr chain(NewChain({0, 0, 0}, {10, 0, 0}, {5, 20, 0}, DIMTYPE_HORIZONTAL));
  for (int k = 2; k < 8; ++k) ASSERT_EQ(chain->AddPointInput({k * 10.0, 0, 0}, 0), k);
  for (int k = 1; k < 8; ++k) chain->SetUserText(k, XText(k * 10.0));
  chain->SetExtLineVisible(3, 0);
  AppendingText data;
  data.strText = L"appended";
  chain->SetAppendingText(3, &data);

  // Extension 3 (x = 30) moves to x = 65 and becomes extension 6.
  EXPECT_EQ(chain->SetPointInput(3, {65, 0, 0}, 0), 6);
  ExpectSortedByX(*chain);
  EXPECT_DOUBLE_EQ(chain->GetPointInput(6).x, 65.0);
  EXPECT_EQ(chain->GetUserText(6), XText(30));
  EXPECT_EQ(chain->GetUserText(3), XText(40));
  EXPECT_EQ(chain->IsExtLineVisible(6), 0);
  EXPECT_EQ(chain->IsExtLineVisible(3), 1);
  AppendingText* found = nullptr;
  EXPECT_GE(chain->GetAppendingText(6, found), 0);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->strText, L"appended");
  // The moved segment's text stands above the middle of its new segment, at its code's place.
  AcGePoint3d place;
  chain->CenterPointText(place, 6, -1);
  EXPECT_TRUE(chain->GetPointExt2(6).isEqualTo(place)) << ExtensionText(*chain, 6);
  EXPECT_DOUBLE_EQ(place.x, 62.5);
  EXPECT_GT(place.y, 20.0);
}

TEST_F(StraightChain, RemovingKeepsTwoExtensionsAndDropsRecordAndFlag) {
  ChainPtr chain(NewChain({0, 0, 0}, {10, 0, 0}, {5, 20, 0}, DIMTYPE_HORIZONTAL));
  ASSERT_EQ(chain->AddPointInput({25, 0, 0}, 0), 2);
  ASSERT_EQ(chain->AddPointInput({45, 0, 0}, 0), 3);
  for (int k = 1; k < 4; ++k) chain->SetUserText(k, XText(k));
  chain->arrayExtFlags[0] = EXTFLAG_LEADER;
  chain->arrayExtFlags[1] = EXTFLAG_SYMBOL2;
  chain->arrayExtFlags[2] = EXTFLAG_SYMBOL3;
  chain->arrayExtFlags[3] = EXTFLAG_SYMBOL4;

  EXPECT_EQ(chain->RemoveDimExt(0), 3);
  EXPECT_EQ(chain->arrayText.GetSize(), 3);
  EXPECT_EQ(chain->GetUserText(1), XText(2));
  EXPECT_EQ(chain->GetUserText(2), XText(3));
  ASSERT_EQ(chain->arrayExtFlags.GetSize(), 3);
  EXPECT_EQ(chain->arrayExtFlags[0], EXTFLAG_SYMBOL2);
  EXPECT_EQ(chain->arrayExtFlags[2], EXTFLAG_SYMBOL4);
  EXPECT_DOUBLE_EQ(chain->GetPointInput(0).x, 10.0);

  EXPECT_EQ(chain->RemoveDimExt(1), 2);
  EXPECT_NEAR(chain->GetDistance(1), 35.0, 1e-9);
  EXPECT_EQ(chain->RemoveDimExt(0), 0);
  EXPECT_EQ(chain->RemoveDimExt(5), 0);
  EXPECT_EQ(chain->GetExtensions(), 2);
}

struct FixedLineCase {
  int type;
  AcGePoint3d p1, p2, p3;
  AcGePoint3d newLine;
};

TEST_F(StraightChain, FixedExtensionLinesStartOneUnitFromTheMovedLine) {
  SetChainInt(IND_I_ExtLine, 1);
  SetChainDouble(IND_D_ExtLineLength, 10);
  const FixedLineCase cases[] = {
      {DIMTYPE_HORIZONTAL, {0, 0, 0}, {30, -4, 0}, {12, 3, 0}, {0, 25, 0}},
      {DIMTYPE_VERTICAL, {0, 0, 0}, {5, 30, 0}, {-2, 12, 0}, {-30, 0, 0}},
      {DIMTYPE_ALIGNED, {0, 0, 0}, {30, 30, 0}, {10, 10, 0}, {-10, 10, 0}},
  };
  for (const FixedLineCase& c : cases) {
    SCOPED_TRACE(c.type);
    ChainPtr chain(NewChain(c.p1, c.p2, c.p1 + (c.newLine - c.p1) * 0.5, c.type));
    ASSERT_EQ(chain->AddPointInput(c.p3, 0), 1);
    chain->ChangePointMainDim(c.newLine, 0);
    const AcGeVector3d across = chain->GetExtDirection();
    for (int k = 0; k < chain->GetExtensions(); ++k) {
      const AcGePoint3d dim = chain->GetPointDim(k);
      const AcGePoint3d start = chain->GetPointExt1(k);
      EXPECT_NEAR(start.distanceTo(dim), 1.0, 1e-9) << ExtensionText(*chain, k);
      // On the extension line, between the line and the measured point.
      EXPECT_TRUE((start - dim).isParallelTo(across)) << ExtensionText(*chain, k);
      EXPECT_GT((chain->GetPointInput(k) - dim).dotProduct(start - dim), 0) << ExtensionText(*chain, k);
    }
  }
}

TEST_F(StraightChain, FreeExtensionLinesKeepClearOfTheMeasuredPoint) {
  SetChainInt(IND_I_ExtLine, 0);
  SetChainDouble(IND_D_OffsetFromOrigin, 2);
  SetChainDouble(IND_D_ExtendBeyondDimLine, 2);
  ChainPtr chain(NewChain({0, 0, 0}, {30, 0, 0}, {15, 10, 0}, DIMTYPE_HORIZONTAL));
  // 2 mm at 1:100 in millimetre units: 0.2 drawing units.
  EXPECT_EQ(chain->SetPointExt1(0, {0, -50, 0}, 0), 1);
  EXPECT_TRUE(chain->GetPointExt1(0).isEqualTo({0, 0.2, 0})) << ExtensionText(*chain, 0);
  EXPECT_EQ(chain->SetPointExt1(1, {30, 9.95, 0}, 0), 1);
  EXPECT_TRUE(chain->GetPointExt1(1).isEqualTo({30, 9.8, 0})) << ExtensionText(*chain, 1);
  // Beyond the line: mirrored to the side of the measured point.
  EXPECT_EQ(chain->SetPointExt1(1, {30, 13, 0}, 0), 1);
  EXPECT_TRUE(chain->GetPointExt1(1).isEqualTo({30, 7, 0})) << ExtensionText(*chain, 1);
  EXPECT_EQ(chain->SetPointExt1(2, {0, 0, 0}, 0), 0);
}

TEST_F(StraightChain, ChainInARotatedUcsMeasuresAlongItsXAxis) {
  AcGeMatrix3d ucs;
  ucs.setCoordSystem({100, 100, 0}, AcGeVector3d(0, 1, 0), AcGeVector3d(-1, 0, 0), AcGeVector3d::kZAxis);
  QBdim chain({100, 100, 0}, {100, 130, 0}, {90, 110, 0}, DIMTYPE_HORIZONTAL, nullptr, AcDbObjectId(), 0, &ucs);
  EXPECT_NEAR(chain.m_dRotation, kHalfPi, 1e-9);
  EXPECT_NEAR(chain.m_vectorDim.x, 0.0, 1e-9);
  EXPECT_NEAR(chain.m_vectorDim.y, 1.0, 1e-9);
  EXPECT_NEAR(chain.GetDistance(1), 30.0, 1e-6);
  EXPECT_NEAR(chain.GetPointDim(0).x, 90.0, 1e-6);
  EXPECT_EQ(chain.AddPointInput({100, 115, 0}, 0), 1);
  EXPECT_NEAR(chain.GetDistance(1) + chain.GetDistance(2), 30.0, 1e-6);
}

}  // namespace
