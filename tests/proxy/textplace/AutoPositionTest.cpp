// The automatic choice of location codes and the re-placing of all texts of a chain.
#include <gtest/gtest.h>

#include <vector>

#include "acadobjects/TextBoxes.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimTextMetrics.h"
#include "tests/proxy/textplace/TextPlaceFixture.h"

namespace {

using AutoPosition = TextPlaceFixture;

double TextWidth(QBdim& chain, int k) {
  AcGePoint3dArray corners;
  double w = 0.0, h = 0.0;
  chain.GetTextBox(k, 0.0, corners, w, h, nullptr, 0);
  return w;
}

// Pairs of texts of the chain whose boxes overlap, as "i/j".
std::vector<std::string> OverlappingTexts(QBdim& chain) {
  std::vector<std::string> pairs;
  const int n = chain.GetExtensions();
  for (int i = 1; i < n; ++i) {
    for (int j = i + 1; j < n; ++j) {
      if (BoxesOverlap(BoxOf(chain, i), BoxOf(chain, j))) pairs.push_back(std::to_string(i) + "/" + std::to_string(j));
    }
  }
  return pairs;
}

TEST_F(AutoPosition, CandidatesFollowThePreferenceList) {
  // The loaded default "0,14,2,13,15,3": no 7 or 9, so no 8 is inserted.
  EXPECT_EQ(qbtext::AutoPositionCandidates(false), (std::vector<int>{14, 2, 13, 15, 3}));
  EXPECT_EQ(qbtext::AutoPositionCandidates(true), (std::vector<int>{2, 14, 1, 3, 15}));
  SetAutoPosOrder({7, 14});
  EXPECT_EQ(qbtext::AutoPositionCandidates(false), (std::vector<int>{8, 7, 14}));
  SetAutoPosOrder({14, 9, 7});
  EXPECT_EQ(qbtext::AutoPositionCandidates(false), (std::vector<int>{14, 8, 9, 7}));
}

TEST_F(AutoPosition, SegmentLongerThanItsTextIsCentred) {
  ChainPtr chain(HorizontalChain({0, 10}));
  SetAutoPosOrder({2});
  chain->SetDimTextCode(1, -5);
  EXPECT_EQ(chain->FindAutoPosition(1), 8);
  chain->PlaceText(1);
  EXPECT_EQ(chain->GetDimTextPos(1, 0), -8);
  EXPECT_TRUE(chain->GetPointExt2(1).isEqualTo({5, 5.25, 0})) << PointText(chain->GetPointExt2(1));
}

TEST_F(AutoPosition, NoPassingCandidateGivesAutomatic8) {
  ChainPtr chain(HorizontalChain({0, 0.4, 0.8, 1.2, 1.6, 2.0}));
  ASSERT_GT(TextWidth(*chain, 3), 0.4);
  SetAutoPosOrder({2});
  chain->SetDimTextCode(3, -2);
  chain->PlaceText(3);
  EXPECT_EQ(chain->GetDimTextPos(3, 0), -8);
}

TEST_F(AutoPosition, NearTheEndStartAndEndCodesChangeRoles) {
  ChainPtr chain(HorizontalChain({0, 0.4, 0.8, 1.2}));
  const int last = chain->GetExtensions() - 1;
  AcGePoint3d away(0, 30, 0);
  chain->SetPointText(last - 1, away, 0);
  SetAutoPosOrder({2});
  // A start code at the last segment needs room in the segment before it.
  EXPECT_EQ(chain->FindAutoPosition(last), 8);
  SetGeneralInt(IND_OPT_B_AutoPosFlag1, 1);
  EXPECT_EQ(chain->FindAutoPosition(last), 14);
  // The chain label at the end takes code 14's place.
  chain->arrayString[IND_S_DimDescription] = L"2Achse";
  EXPECT_EQ(chain->FindAutoPosition(last), 8);
}

TEST_F(AutoPosition, ChainLabelAtTheStartBlocksCode2OfTheFirstSegment) {
  ChainPtr chain(HorizontalChain({0, 0.4, 0.8}));
  SetAutoPosOrder({2});
  EXPECT_EQ(chain->FindAutoPosition(1), 2);
  chain->arrayString[IND_S_DimDescription] = L"1Achse";
  EXPECT_EQ(chain->FindAutoPosition(1), 8);
}

TEST_F(AutoPosition, CrowdedChainGetsTextsThatDoNotOverlap) {
  ChainPtr chain(HorizontalChain({0, 0.4, 3, 3.4, 6, 6.4, 9, 9.3, 12}));
  ASSERT_GT(TextWidth(*chain, 1), 0.4);
  ASSERT_EQ(chain->AdjustTexts('C'), 1);
  EXPECT_FALSE(OverlappingTexts(*chain).empty());
  ASSERT_EQ(chain->AdjustTexts('A'), 1);
  const int n = chain->GetExtensions();
  for (int k = 1; k < n; ++k) EXPECT_LT(chain->GetDimTextPos(k, 0), 0) << k;
  const std::vector<std::string> pairs = OverlappingTexts(*chain);
  EXPECT_TRUE(pairs.empty()) << pairs.front();
  // The long segments keep their texts in the middle.
  EXPECT_EQ(chain->GetDimTextPos(2, 1), 8);
  EXPECT_EQ(chain->GetDimTextPos(4, 1), 8);
}

TEST_F(AutoPosition, AdjustModesSetPlaceOrKeepTexts) {
  ChainPtr chain(HorizontalChain({0, 10, 20, 30}));
  ASSERT_EQ(chain->AdjustTexts('C'), 1);
  for (int k = 1; k < 4; ++k) {
    EXPECT_EQ(chain->GetDimTextPos(k, 0), 8);
    EXPECT_TRUE(chain->GetPointExt2(k).isEqualTo({10.0 * k - 5, 5.25, 0})) << PointText(chain->GetPointExt2(k));
  }
  // 'G' leaves a text that was moved by hand and places the others.
  AcGePoint3d moved(12, 8, 0);
  chain->SetPointText(2, moved, 0);
  chain->SetDimTextCode(3, 7);
  AcGePoint3d nearPlace(25.0005, 5.25, 0);
  chain->SetPointText(3, nearPlace, 0);
  ASSERT_EQ(chain->AdjustTextsKeepMoved(), 1);
  EXPECT_TRUE(chain->GetPointExt2(2).isEqualTo(moved));
  EXPECT_TRUE(chain->GetPointExt2(3).isEqualTo(nearPlace));
  chain->SetDimTextCode(3, 8);
  ASSERT_EQ(chain->AdjustTexts('G'), 1);
  EXPECT_TRUE(chain->GetPointExt2(3).isEqualTo({25, 5.25, 0})) << PointText(chain->GetPointExt2(3));
  // Mode 0 follows the AutoPosition switch.
  SetGeneralInt(IND_OPT_B_AutoPosition, 1);
  chain->AdjustTexts(0);
  EXPECT_EQ(chain->GetDimTextPos(2, 0), -8);
  SetGeneralInt(IND_OPT_B_AutoPosition, 0);
  chain->AdjustTexts(0);
  EXPECT_EQ(chain->GetDimTextPos(2, 0), 8);
  EXPECT_TRUE(chain->GetPointExt2(2).isEqualTo({15, 5.25, 0}));
  EXPECT_EQ(chain->AdjustTexts('R'), 1);
}

}  // namespace
