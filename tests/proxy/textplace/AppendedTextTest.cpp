// Appended texts: set and removed by extension or anchor, hanging below their segment text and
// following it unless placed by hand.
#include <gtest/gtest.h>

#include "host/win/Console.h"
#include "proxy/QBdim.h"
#include "tests/proxy/textplace/TextPlaceFixture.h"

namespace {

using AppendedText = TextPlaceFixture;

// H = 0.5 and g = 0.25: an appended text hangs 2g + 1.4H = 1.2 below its segment text point.
const double kBelow = 1.2;

TEST_F(AppendedText, FollowsItsTextUnlessPlacedByHand) {
  ChainPtr chain(HorizontalChain({0, 10}));
  chain->AdjustTexts('C');
  AppendingText data;
  data.strText = L"OKFF";
  data.iPosition = 0;
  data.ptPosition.set(40, 40, 0);
  ASSERT_EQ(chain->SetAppendingText(0, &data), 0);
  ASSERT_EQ(chain->AppendTextList.GetSize(), 1);
  AppendingText* rec = chain->AppendingTextAt(0);
  EXPECT_EQ(rec->iExt, 1);
  EXPECT_TRUE(rec->ptPosition.isEqualTo({5, 5.25 - kBelow, 0})) << PointText(rec->ptPosition);

  AcGePoint3d p(3, 6, 0);
  chain->SetPointText(1, p, 0);
  EXPECT_TRUE(rec->ptPosition.isEqualTo({5, 5.25 - kBelow, 0})) << PointText(rec->ptPosition);
  chain->SetPointText(1, p, 1);
  EXPECT_TRUE(rec->ptPosition.isEqualTo({3, 6 - kBelow, 0})) << PointText(rec->ptPosition);

  rec->iPosition = 1;
  AcGePoint3d q(7, 7, 0);
  chain->SetPointText(1, q, 0);
  EXPECT_TRUE(rec->ptPosition.isEqualTo({7, 7 - kBelow, 0})) << PointText(rec->ptPosition);

  EXPECT_EQ(chain->SetAppendingText(1, nullptr), 0);
  EXPECT_EQ(chain->AppendTextList.GetSize(), 0);
}

TEST_F(AppendedText, FoundAndReAnchoredByItsAnchor) {
  ChainPtr chain(HorizontalChain({0, 10, 20}));
  chain->AdjustTexts('C');
  const AcGePoint3d anchor = chain->GetPointExt2(2);
  AppendingText data;
  data.strText = L"UK RD";
  ASSERT_EQ(chain->SetAppendingTextAt(anchor, &data, 2), 0);
  AppendingText* found = nullptr;
  ASSERT_EQ(chain->GetAppendingTextAt(anchor, found), 0);
  EXPECT_EQ(found->iExt, 2);
  EXPECT_TRUE(found->ptPosition.isEqualTo({15, 5.25 - kBelow, 0})) << PointText(found->ptPosition);

  const AcGePoint3d moved(16, 6, 0);
  EXPECT_EQ(chain->SetAppendingTextPoint(anchor, moved, 0), 1);
  EXPECT_EQ(chain->GetAppendingTextAt(anchor, found), -1);
  ASSERT_EQ(chain->GetAppendingTextAt(moved, found), 0);
  EXPECT_EQ(found->iExt, 2);

  EXPECT_EQ(chain->SetAppendingTextPoint(anchor, moved, 0), 0);
  EXPECT_NE(zhost::Console::instance().transcript().find(L"DEBUG: !SetAppendingTextPoint"), std::wstring::npos);
  EXPECT_EQ(chain->SetAppendingTextPos(5, found), 0);
  EXPECT_EQ(chain->SetAppendingTextPos(1, nullptr), 0);
}

}  // namespace
