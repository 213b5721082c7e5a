// Exploding a chain: the lines, solids, circles, arcs and texts it draws become entities on the
// chain's layer, the text-related ones in the text colour; no sum and no masks.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "acadobjects/EntityServices.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using ChainExplode = ChainDrawFixture;
using ChainPtr = std::unique_ptr<QBdim>;

constexpr double kExactPi = 3.14159265358979323846;

TEST_F(ChainExplode, LinesSolidsCirclesAndTextsOnTheChainsLayer) {
  AcDbObjectId layerId;
  ASSERT_EQ(CreateLayer(db, L"BEMASSUNG", 3, &layerId), Acad::eOk);
  SetGeneralInt(IND_OPT_B_ShowSumOfDim, 1);
  SetGeneralInt(IND_OPT_B_WipeOut, 1);
  QBdim* chain = HorizontalChain({0, 10, 25, 40});
  chain->arrayInt.SetAt(IND_I_WipeOutStatus, 1);
  chain->SetSymbolType(0, 4);
  chain->SetSymbolType(1, 2);
  chain->SetSymbolType(2, 3);
  chain->setLayer(layerId);
  chain->setColorIndex(1);
  const AcDbObjectId id = Append(chain);

  QBdim* open = nullptr;
  ASSERT_EQ(acdbOpenObject(open, id, AcDb::kForRead), Acad::eOk);
  ExplodedSet set;
  EXPECT_EQ(open->explode(set.items), Acad::eOk);
  const int textColor = open->GetTextColor();
  open->close();

  const std::vector<AcDbLine*> lines = set.all<AcDbLine>();
  const std::vector<AcDbSolid*> solids = set.all<AcDbSolid>();
  const std::vector<AcDbCircle*> circles = set.all<AcDbCircle>();
  const std::vector<AcDbText*> texts = set.all<AcDbText>();
  // 4 extension lines, 3 dimension-line pieces, a tick at the last point.
  EXPECT_EQ(lines.size(), 8u);
  EXPECT_EQ(solids.size(), 1u) << "the arrow head at the first point; no masks";
  EXPECT_EQ(circles.size(), 2u);
  ASSERT_EQ(texts.size(), 3u) << "three segment texts, no sum";
  EXPECT_EQ(static_cast<int>(lines.size() + solids.size() + circles.size() + texts.size()), set.items.length());
  for (int k = 0; k < set.items.length(); ++k)
    EXPECT_EQ(static_cast<AcDbEntity*>(set.items[k])->layerId(), layerId);
  for (AcDbText* text : texts) EXPECT_EQ(text->colorIndex(), textColor);
  EXPECT_EQ(textColor, 4);
  EXPECT_NEAR(texts[0]->height(), 0.5, 1e-9);
}

TEST_F(ChainExplode, ArcChainGivesItsDimensionArc) {
  const AcDbObjectId arcId = Append(new AcDbArc(AcGePoint3d(0, 0, 0), 10, 0, kExactPi / 2));
  const double d = 15 / std::sqrt(2.0);
  ChainPtr chain(new QBdim({10, 0, 0}, {0, 10, 0}, {d, d, 0}, DIMTYPE_ARC, nullptr, arcId, 0, nullptr));
  FormatTexts(chain.get());
  ExplodedSet set;
  EXPECT_EQ(chain->explode(set.items), Acad::eOk);
  // The dimension arc and the arc symbol over the text.
  const std::vector<AcDbArc*> arcs = set.all<AcDbArc>();
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_NEAR(arcs[0]->radius(), 15.0, 1e-6);
  EXPECT_EQ(set.all<AcDbText>().size(), 1u);
}

}  // namespace
