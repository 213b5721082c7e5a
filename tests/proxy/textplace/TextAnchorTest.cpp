// Anchors of segment texts for every location code, the start points of their lines, the sum's
// code and the chain label's places.
#include <gtest/gtest.h>

#include <cmath>

#include "acadobjects/Angles.h"
#include "proxy/QBdim.h"
#include "tests/proxy/textplace/TextPlaceFixture.h"

namespace {

using TextAnchor = TextPlaceFixture;

struct AnchorCase {
  int code;
  double x, y;
};

// Segment 1 runs from (0,5) to (10,5); H = 0.5, g = 0.25, T = H; a fixed code has s = g.
const AnchorCase kFixedAnchors[] = {
    {0, 5, 5.25},      {1, -0.25, 6.0},  {2, -0.25, 5.25}, {3, -0.25, 4.25}, {4, 0.25, 6.0},   {5, 0.25, 5.25},
    {6, 0.25, 4.25},   {7, 5, 6.0},      {8, 5, 5.25},     {9, 5, 4.25},     {10, 9.75, 6.0},  {11, 9.75, 5.25},
    {12, 9.75, 4.25},  {13, 10.25, 6.0}, {14, 10.25, 5.25}, {15, 10.25, 4.25}, {16, 5, 5.25},  {99, 5, 5.25},
};

TEST_F(TextAnchor, EveryFixedCodeHasItsPlaceAt1To100) {
  ChainPtr chain(HorizontalChain({0, 10}));
  ASSERT_TRUE(chain->GetPointDim(0).isEqualTo({0, 5, 0})) << PointText(chain->GetPointDim(0));
  for (const AnchorCase& c : kFixedAnchors) {
    chain->SetDimTextCode(1, c.code);
    AcGePoint3d p;
    chain->CenterPointText(p, 1, -1);
    EXPECT_NEAR(p.x, c.x, 1e-9) << "code " << c.code << " " << PointText(p);
    EXPECT_NEAR(p.y, c.y, 1e-9) << "code " << c.code << " " << PointText(p);
    // A code given explicitly gives the same place as the stored one.
    AcGePoint3d q;
    chain->CenterPointText(q, 1, c.code);
    EXPECT_TRUE(q.isEqualTo(p)) << "code " << c.code;
  }
}

TEST_F(TextAnchor, AutomaticCodesStandCloserToTheirBasePoint) {
  ChainPtr chain(HorizontalChain({0, 10}));
  const AnchorCase automatic[] = {{-2, -0.05, 5.25}, {-5, 0.1, 5.25}, {-11, 9.95, 5.25}, {-14, 10.1, 5.25}};
  for (const AnchorCase& c : automatic) {
    chain->SetDimTextCode(1, c.code);
    ASSERT_EQ(chain->GetDimTextPos(1, 0), c.code);
    EXPECT_EQ(chain->GetDimTextPos(1, 1), -c.code);
    AcGePoint3d p;
    chain->CenterPointText(p, 1, -1);
    EXPECT_NEAR(p.x, c.x, 1e-9) << "code " << c.code;
    EXPECT_NEAR(p.y, c.y, 1e-9) << "code " << c.code;
  }
}

TEST_F(TextAnchor, LinesEndStartOrCentreAtTheAnchor) {
  ChainPtr chain(HorizontalChain({0, 10}));
  struct {
    int code;
    double startOffset;  // in text widths from the anchor
  } cases[] = {{2, -1.0}, {12, -1.0}, {5, 0.0}, {14, 0.0}, {8, -0.5}, {0, -0.5}};
  for (const auto& c : cases) {
    chain->SetDimTextCode(1, c.code);
    chain->PlaceText(1);
    const AcGePoint3d anchor = chain->GetPointExt2(1);
    AcGePoint3dArray points;
    CStringArray lines;
    EXPECT_EQ(chain->GetPointText(1, points, lines, nullptr, -1), 0);
    ASSERT_EQ(points.length(), 1);
    AcGePoint3dArray corners;
    double width = 0.0, height = 0.0;
    ASSERT_EQ(chain->GetTextBox(1, 0.0, corners, width, height, nullptr, -1), 1);
    EXPECT_GT(width, 0.0);
    EXPECT_DOUBLE_EQ(height, 0.5);
    EXPECT_NEAR(points[0].x, anchor.x + c.startOffset * width, 1e-9) << "code " << c.code;
    EXPECT_NEAR(points[0].y, anchor.y, 1e-9);
    EXPECT_TRUE(corners[0].isEqualTo(points[0]));
    EXPECT_TRUE(corners[2].isEqualTo(points[0] + AcGeVector3d(width, height, 0)));
  }
}

TEST_F(TextAnchor, RaisedDigitsStandAboveTheEndOfTheBase) {
  SetGlobalString(IND_S_Measure, L"m/cm");
  SetGlobalInt(IND_I_Decimals, 4);
  ChainPtr chain(HorizontalChain({0, 1.2345}));
  chain->SetDimTextCode(1, 8);
  chain->PlaceText(1);
  AcGePoint3dArray points;
  CStringArray lines;
  ASSERT_EQ(chain->GetPointText(1, points, lines, nullptr, -1), 1);
  ASSERT_EQ(lines.GetSize(), 2);
  EXPECT_STREQ(lines[0].GetString(), L"1.23");
  EXPECT_FALSE(lines[1].IsEmpty());
  ASSERT_EQ(points.length(), 2);
  AcGePoint3dArray corners;
  double width = 0.0, height = 0.0;
  chain->GetTextBox(1, 0.0, corners, width, height, nullptr, -1);
  const double H = 0.5, r = chain->AdaptByTextHeight(IND_D_ExpTextHeight);
  EXPECT_NEAR(height, 0.66 * H + r, 1e-12);
  EXPECT_NEAR(points[1].y - points[0].y, 0.66 * H, 1e-12);
  EXPECT_GT(points[1].x, points[0].x);
  EXPECT_NEAR(points[0].x + width / 2, chain->GetPointExt2(1).x, 1e-9);
  // With raised digits a text is T = 0.66 H + r high, so a hanging text moves further down.
  AcGePoint3d below;
  chain->CenterPointText(below, 1, 9);
  EXPECT_NEAR(below.y, 5 - (0.25 + 0.66 * H + r), 1e-9);
}

TEST_F(TextAnchor, SumCodeFollowsTheLastTextAndTheLabel) {
  ChainPtr chain(HorizontalChain({0, 10, 20}));
  const int n = chain->GetExtensions();
  ASSERT_EQ(n, 3);
  EXPECT_EQ(chain->GetDimTextPos(n, 0), 5);
  chain->SetDimTextCode(n - 1, -14);
  EXPECT_EQ(chain->GetDimTextPos(n, 0), 4);
  for (const wchar_t* label : {L"2Achse A", L"3Achse A"}) {
    chain->arrayString[IND_S_DimDescription] = label;
    EXPECT_EQ(chain->GetDimTextPos(n, 0), 6) << label;
  }
  chain->arrayString[IND_S_DimDescription] = L"1Achse A";
  EXPECT_EQ(chain->GetDimTextPos(n, 0), 4);
  // The sum stands at the end of the chain: code 4 starts 0.25 after point n-1, on the line with air.
  AcGePoint3d p;
  chain->CenterPointText(p, n, -100);
  EXPECT_NEAR(p.x, 20.25, 1e-9);
  EXPECT_NEAR(p.y, 6.0, 1e-9);
}

TEST_F(TextAnchor, ChainLabelAtBothEndsOneEndOrNone) {
  ChainPtr chain(HorizontalChain({0, 10, 20}));
  struct {
    const wchar_t* option;
    int count;
  } cases[] = {{L"3Achse A", 2}, {L"1Achse A", 1}, {L"2Achse A", 1}, {L"0Achse A", 0}};
  for (const auto& c : cases) {
    chain->arrayString[IND_S_DimDescription] = c.option;
    AcGePoint3dArray points;
    CStringArray lines;
    chain->GetPointText(-100, points, lines, nullptr, -1);
    ASSERT_EQ(points.length(), c.count) << c.option;
    ASSERT_GE(lines.GetSize(), 1);
    EXPECT_STREQ(lines[0].GetString(), L"Achse A");
  }
  chain->arrayString[IND_S_DimDescription] = L"3Achse A";
  AcGePoint3dArray points;
  CStringArray lines;
  chain->GetPointText(-100, points, lines, nullptr, -1);
  AcGePoint3dArray box;
  double width = 0.0, height = 0.0;
  chain->GetTextBox(-100, 0.0, box, width, height, nullptr, -1);
  // Half a text height before the chain's start (ending there) and after its end, one gap up.
  EXPECT_NEAR(points[0].x + width, -0.25, 1e-9);
  EXPECT_NEAR(points[0].y, 5.25, 1e-9);
  EXPECT_NEAR(points[1].x, 20.25, 1e-9);
  EXPECT_NEAR(points[1].y, 5.25, 1e-9);
}

TEST_F(TextAnchor, VerticalChainTextsReadUpwardsLeftOfTheLine) {
  ChainPtr chain(new QBdim({0, 0, 0}, {0, 10, 0}, {5, 5, 0}, DIMTYPE_VERTICAL, nullptr, AcDbObjectId(), 0, nullptr));
  chain->SetDimTextCode(1, 8);
  AcGePoint3d p;
  chain->CenterPointText(p, 1, -1);
  EXPECT_NEAR(p.x, 5 - 0.25, 1e-9) << PointText(p);
  EXPECT_NEAR(p.y, 5, 1e-9) << PointText(p);
  const AcGeVector3d t = chain->TextDirection(chain->m_dRotation);
  EXPECT_NEAR(t.x, 0.0, 1e-9);
  EXPECT_NEAR(t.y, 1.0, 1e-9);
  // Past 90 degrees texts turn round so that they still read from left to right.
  const AcGeVector3d back = chain->TextDirection(kPi * 0.75);
  EXPECT_NEAR(back.x, std::sqrt(0.5), 1e-9);
  EXPECT_NEAR(back.y, -std::sqrt(0.5), 1e-9);
}

TEST_F(TextAnchor, OutOfRangeIndicesAreRefused) {
  ChainPtr chain(HorizontalChain({0, 10}));
  AcGePoint3d p(1, 2, 3);
  EXPECT_EQ(chain->SetPointText(2, p, 0), 0);
  EXPECT_EQ(chain->SetPointText(-1, p, 0), 0);
  EXPECT_EQ(chain->PlaceText(-1), 0);
  AcGePoint3dArray points;
  CStringArray lines;
  EXPECT_EQ(chain->GetPointText(5, points, lines, nullptr, -1), 0);
  EXPECT_EQ(points.length(), 0);
  // A text point off the plane is projected into it.
  AcGePoint3d off(3, 7, 4);
  EXPECT_EQ(chain->SetPointText(1, off, 0), 1);
  EXPECT_TRUE(off.isEqualTo({3, 7, 0}));
  EXPECT_TRUE(chain->GetPointExt2(1).isEqualTo({3, 7, 0}));
}

}  // namespace
