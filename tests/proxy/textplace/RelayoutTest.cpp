// Re-laying whole chains: the mirroring of texts across the dimension line, regeneration after
// option changes and the refresh after an editor command.
#include <gtest/gtest.h>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "proxy/QBdim.h"
#include "tests/proxy/textplace/TextPlaceFixture.h"

namespace {

using Relayout = TextPlaceFixture;

// A text point off its code's place whose box (0.5 high, from its base line up) straddles y = 5.
const AcGePoint3d kAcross(3, 4.9, 0);

TEST_F(Relayout, RepairingRefreshMirrorsTextsAcrossTheLine) {
  for (int type : {0, -1}) {
    ChainPtr chain(HorizontalChain({0, 10, 20}));
    chain->AdjustTexts('C');
    AcGePoint3d across = kAcross;
    chain->SetPointText(1, across, 0);
    AcGePoint3d below(15, 3, 0);
    chain->SetPointText(2, below, 0);
    ASSERT_EQ(chain->DimRefresh(type), 1);
    EXPECT_TRUE(chain->GetPointExt2(1).isEqualTo({3, 5.1, 0})) << type << " " << PointText(chain->GetPointExt2(1));
    EXPECT_TRUE(chain->GetPointExt2(2).isEqualTo(below)) << type << " " << PointText(chain->GetPointExt2(2));
  }
}

TEST_F(Relayout, KeepingRefreshNeverMirrors) {
  ChainPtr chain(HorizontalChain({0, 10, 20}));
  chain->AdjustTexts('C');
  AcGePoint3d across = kAcross;
  chain->SetPointText(1, across, 0);
  ASSERT_EQ(chain->DimRefresh(1), 1);
  const AcGePoint3d p = chain->GetPointExt2(1);
  EXPECT_FALSE(p.isEqualTo({3, 5.1, 0})) << PointText(p);
  EXPECT_TRUE(p.isEqualTo({5, 5.25, 0})) << PointText(p);
}

TEST_F(Relayout, RegenerateKeepsTextsAndTakesTheGlobalDelimiter) {
  ChainPtr chain(HorizontalChain({0, 10, 20}));
  chain->AdjustTexts('C');
  AcGePoint3d moved(12, 8, 0);
  chain->SetPointText(2, moved, 0);
  SetGlobalString(IND_S_Delimiter, L",");
  const int mode = options->iCurrentMode;
  options->iCurrentMode = MODE_TEXT;
  ASSERT_EQ(chain->Regenerate(1), 1);
  EXPECT_EQ(options->iCurrentMode, MODE_TEXT);
  options->iCurrentMode = mode;
  EXPECT_STREQ(chain->arrayString[IND_S_Delimiter].GetString(), L",");
  EXPECT_TRUE(chain->GetPointExt2(2).isEqualTo(moved)) << PointText(chain->GetPointExt2(2));
  EXPECT_TRUE(chain->GetPointExt2(1).isEqualTo({5, 5.25, 0})) << PointText(chain->GetPointExt2(1));
}

TEST_F(Relayout, RefreshOfAChainInTheDrawingRestoresItsOpenMode) {
  QBdim* chain = HorizontalChain({0, 10, 20});
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  ASSERT_EQ(space->appendAcDbEntity(id, chain), Acad::eOk);
  space->close();
  chain->close();

  QBdim* opened = nullptr;
  ASSERT_EQ(acdbOpenObject(opened, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(opened->Refresh(), 1);
  EXPECT_FALSE(opened->isWriteEnabled());
  EXPECT_EQ(opened->GetExtensions(), 3);
  EXPECT_TRUE(opened->GetPointDim(2).isEqualTo({20, 5, 0})) << PointText(opened->GetPointDim(2));
  EXPECT_EQ(opened->Regenerate(0), 1);
  EXPECT_FALSE(opened->isWriteEnabled());
  opened->close();
}

}  // namespace
