// The shared drawing primitives in both behaviours: what each draws into a context and which
// entities it creates for an explosion; and the text style a chain draws with.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <utility>
#include <memory>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/AcDbXline.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/gi/RecordingDraw.h"
#include "proxy/ChainDrawPrimitives.h"
#include "tests/proxy/draw/ChainDrawFixture.h"

namespace {

using zhost::Primitive;
using DrawPrimitives = ChainDrawFixture;

constexpr double kExactPi = 3.14159265358979323846;

// An entity that draws whatever the test hands it.
class ProbeEntity : public AcDbEntity {
 public:
  explicit ProbeEntity(std::function<void(AcGiWorldDraw*)> draw) : draw_(std::move(draw)) {}
  Adesk::Boolean subWorldDraw(AcGiWorldDraw* wd) override {
    draw_(wd);
    return Adesk::kTrue;
  }

 private:
  std::function<void(AcGiWorldDraw*)> draw_;
};

// Runs `draw` with the graphics layer's recording world-draw context; what it drew.
std::vector<Primitive> Record(AcDbDatabase* db, std::function<void(AcGiWorldDraw*)> draw) {
  zhost::EntityGraphics graphics;
  zhost::Recorder recorder(graphics, db, kAcGiStandardDisplay, false);
  ProbeEntity probe(std::move(draw));
  recorder.drawEntity(&probe);
  return graphics.primitives;
}

AcDbObjectId AddStyle(AcDbDatabase* db, const wchar_t* name, const wchar_t* font, double xScale) {
  AcDbTextStyleTable* table = nullptr;
  EXPECT_EQ(db->getTextStyleTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbTextStyleTableRecord* record = new AcDbTextStyleTableRecord;
  record->setName(name);
  record->setFileName(font);
  record->setXScale(xScale);
  record->setObliquingAngle(0.1);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, record), Acad::eOk);
  record->close();
  table->close();
  return id;
}

TEST_F(DrawPrimitives, PolygonsAndArrowHeads) {
  const AcGePoint3d square[4] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  const std::vector<Primitive> drawn = Record(db, [&](AcGiWorldDraw* wd) {
    DrawPolygon(wd, nullptr, square, 4, true);
    DrawPolygon(wd, nullptr, square, 4, false);
  });
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_TRUE(drawn[0].filled());
  EXPECT_FALSE(drawn[1].filled()) << "the fill is switched off again";

  ExplodedSet set;
  DrawPolygon(nullptr, &set.items, square, 4, true);
  DrawPolygon(nullptr, &set.items, square, 3, true);
  EXPECT_EQ(set.all<AcDbSolid>().size(), 2u);
  ExplodedSet outline;
  DrawPolygon(nullptr, &outline.items, square, 4, false);
  const std::vector<AcDbLine*> lines = outline.all<AcDbLine>();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0]->startPoint().isEqualTo(square[0]));
  EXPECT_TRUE(lines[0]->endPoint().isEqualTo(square[3])) << "the closing line comes first";

  ExplodedSet arrow;
  DrawArrowHead(nullptr, &arrow.items, {0, 0, 0}, {1, 0, 0}, 2.0, 0.5);
  ASSERT_EQ(arrow.all<AcDbSolid>().size(), 1u);
  AcGePoint3d corner;
  arrow.all<AcDbSolid>()[0]->getPointAt(1, corner);
  EXPECT_TRUE(corner.isEqualTo({2, 0.5, 0}) || corner.isEqualTo({2, -0.5, 0}));
}

TEST_F(DrawPrimitives, SectorsXlinesAndArcs) {
  const std::vector<Primitive> drawn = Record(db, [&](AcGiWorldDraw* wd) {
    DrawSector(wd, nullptr, {0, 0, 0}, 2.0, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, kExactPi / 2);
    DrawXline(wd, nullptr, {1, 1, 0}, AcGeVector3d::kYAxis);
    DrawArc3P(wd, nullptr, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  });
  ASSERT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[0].kind, Primitive::kArc);
  EXPECT_EQ(drawn[0].arcType, kAcGiArcSector);
  EXPECT_TRUE(drawn[0].filled());
  EXPECT_EQ(drawn[1].kind, Primitive::kXline);
  EXPECT_EQ(drawn[2].kind, Primitive::kPolyline);
  EXPECT_NEAR(drawn[2].points[0].distanceTo(drawn[2].points[1]), 2000000.0, 1e-3);
  EXPECT_EQ(drawn[3].kind, Primitive::kArc);
  EXPECT_NEAR(drawn[3].radius, 1.0, 1e-9);

  ExplodedSet set;
  DrawSector(nullptr, &set.items, {0, 0, 0}, 2.0, AcGeVector3d::kZAxis, AcGeVector3d::kXAxis, kExactPi / 2);
  DrawXline(nullptr, &set.items, {1, 1, 0}, AcGeVector3d(0, 3, 0));
  DrawArc3P(nullptr, &set.items, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0});
  ASSERT_EQ(set.all<AcDbPolyline>().size(), 1u);
  AcDbPolyline* sector = set.all<AcDbPolyline>()[0];
  ASSERT_EQ(sector->numVerts(), 2u);
  double bulge = 0, start = 0, end = 0;
  sector->getBulgeAt(0, bulge);
  sector->getWidthsAt(0, start, end);
  EXPECT_NEAR(bulge, 0.4142, 1e-12);
  EXPECT_NEAR(start, 2.0, 1e-12);
  AcGePoint3d second;
  sector->getPointAt(1, second);
  EXPECT_TRUE(second.isEqualTo({0, 1, 0}));
  ASSERT_EQ(set.all<AcDbXline>().size(), 1u);
  EXPECT_TRUE(set.all<AcDbXline>()[0]->unitDir().isEqualTo(AcGeVector3d::kYAxis));
  ASSERT_EQ(set.all<AcDbArc>().size(), 1u);
  EXPECT_NEAR(set.all<AcDbArc>()[0]->radius(), 1.0, 1e-9);
}

TEST_F(DrawPrimitives, TextsWithAndWithoutStyle) {
  const AcDbObjectId styleId = AddStyle(db, L"Schmal", L"romans.shx", 0.8);
  AcGiTextStyle style;
  ASSERT_EQ(LoadTextStyle(style, styleId), Acad::eOk);
  EXPECT_EQ(std::wstring(style.styleName()), L"Schmal");
  EXPECT_EQ(std::wstring(style.fileName()), L"romans.shx");
  EXPECT_DOUBLE_EQ(style.xScale(), 0.8);
  EXPECT_NE(LoadTextStyle(style, AcDbObjectId::kNull), Acad::eOk);

  const AcGeVector3d dir(0, 2, 0);
  const std::vector<Primitive> drawn = Record(db, [&](AcGiWorldDraw* wd) {
    DrawTextItem(wd, nullptr, {1, 1, 0}, AcGeVector3d::kZAxis, dir, L"125", 0.5, &style, styleId, 3);
    DrawTextItem(wd, nullptr, {1, 1, 0}, AcGeVector3d::kZAxis, dir, L"125", 0.5, nullptr, AcDbObjectId(), 3);
  });
  ASSERT_EQ(drawn.size(), 2u);
  EXPECT_NEAR(drawn[0].height, 0.5, 1e-12);
  EXPECT_NEAR(drawn[0].widthFactor, 0.8, 1e-12);
  EXPECT_TRUE(drawn[0].direction.isEqualTo(AcGeVector3d::kYAxis));
  EXPECT_NEAR(drawn[1].widthFactor, 1.0, 1e-12);
  EXPECT_NEAR(style.textSize(), 0.0, 1e-12) << "the caller's style keeps its size";

  ExplodedSet set;
  DrawTextItem(nullptr, &set.items, {1, 1, 0}, AcGeVector3d::kZAxis, dir, L"125", 0.5, &style, styleId, 3);
  ASSERT_EQ(set.all<AcDbText>().size(), 1u);
  AcDbText* text = set.all<AcDbText>()[0];
  EXPECT_EQ(text->textStyle(), styleId);
  EXPECT_NEAR(text->rotation(), kExactPi / 2, 1e-9);
  EXPECT_NEAR(text->widthFactor(), 0.8, 1e-12);
  EXPECT_NEAR(text->oblique(), 0.1, 1e-12);
  EXPECT_EQ(text->colorIndex(), 3);
}

TEST_F(DrawPrimitives, TrueTypeChainTextsTakeTheTrueTypeColour) {
  std::unique_ptr<QBdim> chain(HorizontalChain({0, 10}));
  chain->m_idTextStyle = AddStyle(db, L"Arial", L"arial.ttf", 1.0);
  EXPECT_EQ(chain->GetTextColor(), 7);
  const std::vector<Primitive> texts = OfKind(Draw(chain.get()), Primitive::kText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].colorIndex, 7);
  EXPECT_EQ(texts[0].styleName, L"Arial");
  chain->m_idTextStyle = AddStyle(db, L"Linie", L"txt", 1.0);
  EXPECT_EQ(chain->GetTextColor(), 4);
}

}  // namespace
