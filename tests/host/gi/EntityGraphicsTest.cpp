// What the host's entities draw: primitives in world coordinates with their markers and traits,
// the deterministic text metrics, block contents through the reference's transform, by-layer
// and by-block colours resolved.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "host/db/AcCmColor.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbText.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/gi/Regenerate.h"

namespace {

const double kPi = 3.14159265358979323846;

class EntityGraphics : public ::testing::Test {
 protected:
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase(true, true)};

  AcDbObjectId Append(AcDbEntity* ent, AcDbObjectId block = AcDbObjectId()) {
    AcDbBlockTableRecord* owner = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(owner, block.isNull() ? db->modelSpaceId() : block, AcDb::kForWrite));
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, owner->appendAcDbEntity(id, ent));
    ent->close();
    owner->close();
    return id;
  }

  AcDbObjectId AddLayer(const wchar_t* name, Adesk::UInt16 color) {
    AcDbLayerTable* table = nullptr;
    EXPECT_EQ(Acad::eOk, db->getLayerTable(table, AcDb::kForWrite));
    auto* rec = new AcDbLayerTableRecord;
    rec->setName(name);
    AcCmColor c;
    c.setColorIndex(color);
    rec->setColor(c);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, table->add(id, rec));
    rec->close();
    table->close();
    return id;
  }

  const zhost::EntityGraphics* Regen(AcDbObjectId id) {
    record.clear();
    zhost::Regenerate(db.get(), record);
    return record.find(id);
  }

  zhost::RegenRecord record;
};

TEST_F(EntityGraphics, LineIsOnePolylineWithItsLayerColourResolved) {
  AddLayer(L"Walls", 3);
  auto* line = new AcDbLine(AcGePoint3d(1, 2, 0), AcGePoint3d(11, 2, 0));
  line->setLayer(L"Walls");
  AcDbObjectId id = Append(line);
  const zhost::EntityGraphics* g = Regen(id);
  ASSERT_TRUE(g);
  ASSERT_EQ(1u, g->primitives.size());
  const zhost::Primitive& p = g->primitives[0];
  EXPECT_EQ(zhost::Primitive::kPolyline, p.kind);
  ASSERT_EQ(2u, p.points.size());
  EXPECT_TRUE(p.points[0].isEqualTo(AcGePoint3d(1, 2, 0)));
  EXPECT_TRUE(p.points[1].isEqualTo(AcGePoint3d(11, 2, 0)));
  EXPECT_EQ(256, p.colorIndex);
  EXPECT_EQ(3, p.resolvedColorIndex);
  EXPECT_EQ(id, p.entityId);
  EXPECT_EQ(db->modelSpaceId(), g->blockId);
}

TEST_F(EntityGraphics, HiddenLayersAndInvisibleEntitiesAreNotRegenerated) {
  AcDbObjectId layer = AddLayer(L"Off", 1);
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  line->setLayer(L"Off");
  AcDbObjectId onOff = Append(line);
  auto* hidden = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  hidden->setVisibility(AcDb::kInvisible);
  AcDbObjectId invisible = Append(hidden);
  AcDbLayerTableRecord* rec = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(rec, layer, AcDb::kForWrite));
  rec->setIsOff(true);
  rec->close();
  EXPECT_FALSE(Regen(onOff));
  EXPECT_FALSE(record.find(invisible));
}

TEST_F(EntityGraphics, WidePolylineSegmentIsFilledAndBulgeIsAnArc) {
  auto* pline = new AcDbPolyline;
  pline->addVertexAt(0, AcGePoint2d(0, 0), 0.0, 2.0, 2.0);
  pline->addVertexAt(1, AcGePoint2d(10, 0), 1.0, 0.0, 0.0);  // a half circle up to (10,10)
  pline->addVertexAt(2, AcGePoint2d(10, 10), 0.0, 0.0, 0.0);
  const zhost::EntityGraphics* g = Regen(Append(pline));
  ASSERT_TRUE(g);
  ASSERT_EQ(2u, g->primitives.size());
  const zhost::Primitive& wide = g->primitives[0];
  EXPECT_EQ(zhost::Primitive::kPolygon, wide.kind);
  EXPECT_TRUE(wide.filled());
  EXPECT_EQ(1, wide.marker);
  double lo = 1e9, hi = -1e9;
  for (const AcGePoint3d& q : wide.points) lo = std::min(lo, q.y), hi = std::max(hi, q.y);
  EXPECT_NEAR(-1.0, lo, 1e-9);
  EXPECT_NEAR(1.0, hi, 1e-9);
  const zhost::Primitive& arc = g->primitives[1];
  EXPECT_EQ(zhost::Primitive::kArc, arc.kind);
  EXPECT_EQ(2, arc.marker);
  EXPECT_FALSE(arc.filled());
  EXPECT_TRUE(arc.center.isEqualTo(AcGePoint3d(10, 5, 0)));
  EXPECT_NEAR(5.0, arc.radius, 1e-9);
  EXPECT_NEAR(kPi, arc.sweep, 1e-9);
}

TEST_F(EntityGraphics, TextExtentsAreDeterministicAndDependOnTheFontKind) {
  AcGiTextStyle line;
  line.setTextSize(2.5);
  AcGePoint2d box = line.extents(L"12", Adesk::kFalse, -1, Adesk::kFalse);
  EXPECT_DOUBLE_EQ(3.0, box.x);  // two digits of 0.6 x height
  EXPECT_DOUBLE_EQ(2.5, box.y);
  EXPECT_EQ(box.x, line.extents(L"12", Adesk::kFalse, -1, Adesk::kFalse).x);
  EXPECT_DOUBLE_EQ(line.extents(L"i", Adesk::kFalse, -1, Adesk::kFalse).x * 2,
                   line.extents(L"0", Adesk::kFalse, -1, Adesk::kFalse).x);
  // "%%d" is one degree sign unless raw; length cuts the text.
  EXPECT_DOUBLE_EQ(1.5, line.extents(L"%%d", Adesk::kFalse, -1, Adesk::kFalse).x);
  EXPECT_DOUBLE_EQ(5.5, line.extents(L"%%d", Adesk::kFalse, -1, Adesk::kTrue).x);  // 0.8 + 0.8 + 0.6
  EXPECT_DOUBLE_EQ(1.5, line.extents(L"12", Adesk::kFalse, 1, Adesk::kFalse).x);

  AcGiTextStyle sans = line;
  sans.setFont(L"Arial", false, false, 0, 34);
  EXPECT_TRUE(sans.isTrueType());
  EXPECT_FALSE(line.isTrueType());
  double tt = sans.extents(L"12", Adesk::kFalse, -1, Adesk::kFalse).x;
  EXPECT_NEAR(2 * 0.556 / 0.72 * 2.5, tt, 1e-9);
  EXPECT_LT(sans.extents(L"il", Adesk::kFalse, -1, Adesk::kFalse).x, sans.extents(L"MW", Adesk::kFalse, -1, Adesk::kFalse).x);
  AcGiTextStyle file;
  file.setFileName(L"fonts/DejaVuSans.TTF");
  EXPECT_TRUE(file.isTrueType());
  sans.setXScale(2.0);
  EXPECT_NEAR(2 * tt, sans.extents(L"12", Adesk::kFalse, -1, Adesk::kFalse).x, 1e-9);
}

TEST_F(EntityGraphics, CentredTextStartsHalfItsWidthLeftOfTheAlignmentPoint) {
  auto* text = new AcDbText(AcGePoint3d(0, 0, 0), L"1234", AcDbObjectId(), 2.0, kPi / 2);
  text->setHorizontalMode(AcDb::kTextCenter);
  text->setAlignmentPoint(AcGePoint3d(5, 5, 0));
  text->setTextStyle(db->textstyle());
  const zhost::EntityGraphics* g = Regen(Append(text));
  ASSERT_TRUE(g);
  ASSERT_EQ(1u, g->primitives.size());
  const zhost::Primitive& p = g->primitives[0];
  EXPECT_EQ(zhost::Primitive::kText, p.kind);
  EXPECT_EQ(L"1234", p.text);
  EXPECT_DOUBLE_EQ(2.0, p.height);
  EXPECT_NEAR(4.8, p.width, 1e-9);
  EXPECT_TRUE(p.direction.isEqualTo(AcGeVector3d(0, 1, 0)));
  EXPECT_TRUE(p.position.isEqualTo(AcGePoint3d(5, 5 - 2.4, 0)));
  EXPECT_EQ(L"Standard", p.styleName);
  EXPECT_FALSE(p.trueType);
}

TEST_F(EntityGraphics, MTextDrawsOneTextPerParagraphWithoutFormattingCodes) {
  auto* mtext = new AcDbMText;
  mtext->setLocation(AcGePoint3d(0, 10, 0));
  mtext->setTextHeight(3.0);
  mtext->setContents(L"\\A1;Line one\\PLine {\\H2x;two}");
  const zhost::EntityGraphics* g = Regen(Append(mtext));
  ASSERT_TRUE(g);
  ASSERT_EQ(2u, g->primitives.size());
  EXPECT_EQ(L"Line one", g->primitives[0].text);
  EXPECT_EQ(L"Line two", g->primitives[1].text);
  EXPECT_NEAR(7.0, g->primitives[0].position.y, 1e-9);  // top-left: the first baseline one height down
  EXPECT_NEAR(2.0, g->primitives[1].position.y, 1e-9);  // one pitch (5/3 height) further
}

TEST_F(EntityGraphics, BlockReferenceDrawsItsBlockTransformedWithByBlockColour) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(Acad::eOk, db->getBlockTable(table, AcDb::kForWrite));
  auto* block = new AcDbBlockTableRecord;
  block->setName(L"Mark");
  AcDbObjectId blockId;
  ASSERT_EQ(Acad::eOk, table->add(blockId, block));
  block->close();
  table->close();
  Append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), blockId);
  auto* circle = new AcDbCircle(AcGePoint3d(1, 0, 0), AcGeVector3d::kZAxis, 0.5);
  circle->setColorIndex(0);
  Append(circle, blockId);

  auto* ref = new AcDbBlockReference(AcGePoint3d(10, 5, 0), blockId);
  ref->setScaleFactors(AcGeScale3d(2.0));
  ref->setRotation(kPi / 2);
  ref->setColorIndex(1);
  const zhost::EntityGraphics* g = Regen(Append(ref));
  ASSERT_TRUE(g);
  ASSERT_EQ(2u, g->primitives.size());
  const zhost::Primitive& line = g->primitives[0];
  EXPECT_TRUE(line.points[0].isEqualTo(AcGePoint3d(10, 5, 0)));
  EXPECT_TRUE(line.points[1].isEqualTo(AcGePoint3d(10, 7, 0)));
  EXPECT_EQ(256, line.colorIndex);
  const zhost::Primitive& c = g->primitives[1];
  EXPECT_EQ(zhost::Primitive::kCircle, c.kind);
  EXPECT_TRUE(c.center.isEqualTo(AcGePoint3d(10, 7, 0)));
  EXPECT_NEAR(1.0, c.radius, 1e-9);
  EXPECT_EQ(0, c.colorIndex);
  EXPECT_EQ(1, c.resolvedColorIndex);
}

TEST_F(EntityGraphics, DimensionWithoutBlockDrawsWhatItExplodesInto) {
  auto* dim = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(5, 5, 0),
                                       L"", AcDbObjectId());
  const zhost::EntityGraphics* g = Regen(Append(dim));
  ASSERT_TRUE(g);
  int texts = 0, lines = 0, fills = 0;
  for (const zhost::Primitive& p : g->primitives) {
    if (p.kind == zhost::Primitive::kText) {
      ++texts;
      EXPECT_NE(std::wstring::npos, p.text.find(L"10")) << std::string(p.text.begin(), p.text.end());
    }
    if (p.kind == zhost::Primitive::kPolyline) ++lines;
    if (p.filled()) ++fills;
  }
  EXPECT_EQ(1, texts);
  EXPECT_GE(lines, 3);  // the dimension line and two extension lines
  EXPECT_EQ(2, fills);  // the arrowheads
}

}  // namespace
