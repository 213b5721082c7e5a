// The texts a chain draws: colour from the text-height map, the background mask only with the
// chain's text background on (in the background colour, white on a plot), leaders by code, the
// sum with its frame, manual-text marks, appended texts and the chain label.
#include <gtest/gtest.h>

#include <memory>

#include "host/db/AcCmEntityColor.h"
#include "host/win/TextConv.h"
#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using zhost::Primitive;
using ChainTexts = ChainDrawFixture;
using ChainPtr = std::unique_ptr<QBdim>;

TEST_F(ChainTexts, TextsTakeTheColourOfTheirHeight) {
  ChainPtr chain(HorizontalChain({0, 10}));
  const std::vector<Primitive> texts = OfKind(Draw(chain.get()), Primitive::kText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(chain->GetTextColor(), 4);  // the default map gives 50 -> 4
  EXPECT_EQ(texts[0].colorIndex, 4);
  EXPECT_NEAR(texts[0].height, 0.5, 1e-9);
}

TEST_F(ChainTexts, RaisedMillimetresStandSmallerAfterTheirBase) {
  options->dimSet.arrayString.SetAt(IND_S_Measure, L"m/cm");
  SetChainInt(IND_I_Decimals, 3);
  ChainPtr chain(HorizontalChain({0, 0.845}));
  const std::vector<Primitive> texts = OfKind(WithMarker(Draw(chain.get()), 4), Primitive::kText);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, L"84");
  EXPECT_EQ(texts[1].text, L"5");
  EXPECT_NEAR(texts[0].height, 0.5, 1e-9);
  EXPECT_NEAR(texts[1].height, chain->AdaptByTextHeight(IND_D_ExpTextHeight), 1e-9);
  EXPECT_GT(texts[1].position.x, texts[0].position.x + texts[0].width - 1e-9);
  EXPECT_GT(texts[1].position.y, texts[0].position.y);
}

TEST_F(ChainTexts, MaskOnlyWithTheTextBackgroundAndBeforeItsText) {
  options->bkColor = AcCmEntityColor(10, 20, 30);
  SetGeneralInt(IND_OPT_B_WipeOut, 0);
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  EXPECT_TRUE(OfKind(Draw(chain.get()), Primitive::kPolygon).empty());

  chain->arrayInt.SetAt(IND_I_WipeOutStatus, 1);
  for (bool plot : {false, true}) {
    const std::vector<Primitive> prims = Draw(chain.get(), plot);
    for (int k = 1; k < 3; ++k) {
      const std::vector<Primitive> text = WithMarker(prims, 3 * k + 1);
      ASSERT_EQ(text.size(), 2u) << "segment " << k;
      ASSERT_EQ(text[0].kind, Primitive::kPolygon);
      EXPECT_TRUE(text[0].filled());
      EXPECT_EQ(text[1].kind, Primitive::kText);
      const AcCmEntityColor expected = plot ? AcCmEntityColor(255, 255, 255) : AcCmEntityColor(10, 20, 30);
      EXPECT_EQ(text[0].trueColor, expected) << "plot " << plot;
      EXPECT_EQ(text[1].colorIndex, 4) << "the text keeps its colour";
      // The mask reaches height/15 around the text.
      const double m = 0.5 / 15;
      EXPECT_NEAR(text[0].points[0].x, text[1].position.x - m, 1e-9);
      EXPECT_NEAR(text[0].points[1].x - text[0].points[0].x, text[1].width + 2 * m, 1e-9);
    }
  }
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_WipeOut], 0u) << "the global switch is restored";
}

TEST_F(ChainTexts, LeaderAtCode7NotAt8UnlessMovedByHand) {
  ChainPtr chain(HorizontalChain({0, 10}));
  chain->SetLeader(1, 1);
  auto leaderLines = [&] { return OfKind(WithMarker(Draw(chain.get()), 4), Primitive::kPolyline).size(); };

  chain->SetDimTextCode(1, 7);
  chain->PlaceText(1);
  EXPECT_EQ(chain->HasLeader(1), 1);
  EXPECT_GE(leaderLines(), 1u);

  chain->SetDimTextCode(1, 8);
  chain->PlaceText(1);
  EXPECT_EQ(chain->HasLeader(1), 0);
  EXPECT_EQ(leaderLines(), 0u);

  AcGePoint3d moved = chain->GetPointExt2(1) + AcGeVector3d(0, 3, 0);
  chain->SetPointText(1, moved, 1);
  EXPECT_EQ(chain->HasLeader(1), 1);
  const std::vector<Primitive> lines = OfKind(WithMarker(Draw(chain.get()), 4), Primitive::kPolyline);
  ASSERT_GE(lines.size(), 1u);
  // The leader starts in the middle of the segment, on the dimension line.
  EXPECT_TRUE(lines[0].points[0].isEqualTo({5, 5, 0}));

  SetGeneralInt(IND_OPT_B_LeadersShow, 0);
  EXPECT_EQ(leaderLines(), 0u);
}

TEST_F(ChainTexts, SumWithItsFrameOnlyForLongerChains) {
  SetGeneralInt(IND_OPT_B_ShowSumOfDim, 1);
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  const std::vector<Primitive> sum = WithMarker(Draw(chain.get()), 3 * 3 + 1);
  ASSERT_EQ(OfKind(sum, Primitive::kText).size(), 1u);
  EXPECT_EQ(OfKind(sum, Primitive::kText)[0].text, std::wstring(chain->GetDimText(3).GetString()));
  EXPECT_EQ(OfKind(sum, Primitive::kPolyline).size(), 4u);

  ChainPtr two(HorizontalChain({0, 10}));
  EXPECT_TRUE(WithMarker(Draw(two.get()), 3 * 2 + 1).empty());
}

TEST_F(ChainTexts, ManualTextOutOfToleranceIsUnderlinedUnlessIgnored) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  chain->SetUserText(1, L"12");
  ASSERT_EQ(chain->IsUserTextOutOfTolerance(1), 1);
  const std::vector<Primitive> marked = WithMarker(Draw(chain.get()), 4);
  ASSERT_EQ(OfKind(marked, Primitive::kPolyline).size(), 1u);
  AcGePoint3d a, b;
  ASSERT_EQ(chain->GetPointsTextUser(1, a, b), 1);
  EXPECT_TRUE(OfKind(marked, Primitive::kPolyline)[0].points[0].isEqualTo(a));
  EXPECT_TRUE(OfKind(WithMarker(Draw(chain.get()), 7), Primitive::kPolyline).empty());

  SetGeneralInt(IND_OPT_B_IgnoreUserTextTolerance, 1);
  EXPECT_TRUE(OfKind(WithMarker(Draw(chain.get()), 4), Primitive::kPolyline).empty());
}

TEST_F(ChainTexts, AppendedTextsOfASegmentAndStrayOnesRemoved) {
  ChainPtr chain(HorizontalChain({0, 10, 25}));
  AppendingText own;
  own.strText = L"Zusatz";
  own.iPosition = 0;
  chain->SetAppendingText(2, &own);
  AppendingText* stray = new AppendingText;
  stray->strText = L"stray";
  stray->iExt = 0;
  chain->AppendTextList.Add(stray);
  ASSERT_EQ(chain->AppendTextList.GetSize(), 2);

  const std::vector<Primitive> seg2 = OfKind(WithMarker(Draw(chain.get()), 7), Primitive::kText);
  ASSERT_EQ(seg2.size(), 2u);
  EXPECT_EQ(seg2[1].text, L"Zusatz");
  ASSERT_EQ(chain->AppendTextList.GetSize(), 1);
  EXPECT_EQ(chain->AppendingTextAt(0)->strText, L"Zusatz");
  EXPECT_NE(Transcript().find(L" *APP TEXT 1./2 Ext=0/3* "), std::wstring::npos) << zhost::ToUtf8(Transcript());
}

TEST_F(ChainTexts, ChainLabelAtBothEnds) {
  ChainPtr chain(HorizontalChain({0, 10}));
  chain->arrayString.SetAt(IND_S_DimDescription, L"3Achse A");
  int labels = 0;
  for (const Primitive& p : OfKind(Draw(chain.get()), Primitive::kText)) labels += p.text == L"Achse A";
  EXPECT_EQ(labels, 2);
  chain->arrayString.SetAt(IND_S_DimDescription, L"0Achse A");
  labels = 0;
  for (const Primitive& p : OfKind(Draw(chain.get()), Primitive::kText)) labels += p.text == L"Achse A";
  EXPECT_EQ(labels, 0);
}

}  // namespace
