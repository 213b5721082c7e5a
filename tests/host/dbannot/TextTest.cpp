// Texts and multiline texts: transformations (mirrored texts stay readable), the deterministic
// text box, multiline explode, and refused values.
#include <gtest/gtest.h>

#include <cmath>

#include "host/db/AcDbMText.h"
#include "host/db/AcDbText.h"
#include "host/ge/AcGePlane.h"
#include "tests/host/dbannot/AnnotTestSupport.h"

namespace {

const AcGePoint3d O(0, 0, 0);

struct TextTransformCase {
  const char* name;
  AcGeMatrix3d xform;
  double rotationBefore;
  AcGePoint3d position;
  double rotation, height, widthFactor;
};

TEST(Text, TransformMovesTurnsScalesAndKeepsMirroredTextReadable) {
  const AcGePlane yzPlane(O, AcGeVector3d::kXAxis);  // mirror line: the y axis
  const AcGePlane xzPlane(O, AcGeVector3d::kYAxis);  // mirror line: the x axis
  const TextTransformCase cases[] = {
      {"move", AcGeMatrix3d::translation(AcGeVector3d(1, 2, 0)), 0, {11, 7, 0}, 0, 2, 1},
      {"rotate 90 about the origin", AcGeMatrix3d::rotation(M_PI / 2, AcGeVector3d::kZAxis), 0, {-5, 10, 0}, M_PI / 2, 2, 1},
      {"scale 3", AcGeMatrix3d::scaling(3), 0, {30, 15, 0}, 0, 6, 1},
      {"mirror at the y axis", AcGeMatrix3d::mirroring(yzPlane), 0, {-10, 5, 0}, 0, 2, 1},
      {"mirror at the x axis", AcGeMatrix3d::mirroring(xzPlane), 0, {10, -5, 0}, 0, 2, 1},
      {"mirror a turned text at the y axis", AcGeMatrix3d::mirroring(yzPlane), M_PI / 6, {-10, 5, 0}, 2 * M_PI - M_PI / 6,
       2, 1},
      {"mirror a turned text at the x axis", AcGeMatrix3d::mirroring(xzPlane), M_PI / 6, {10, -5, 0}, 2 * M_PI - M_PI / 6,
       2, 1},
  };
  for (const TextTransformCase& c : cases) {
    SCOPED_TRACE(c.name);
    AcDbText text(AcGePoint3d(10, 5, 0), L"ABC", AcDbObjectId::kNull, 2.0, c.rotationBefore);
    ASSERT_EQ(text.transformBy(c.xform), Acad::eOk);
    EXPECT_TRUE(text.position().isEqualTo(c.position));
    EXPECT_NEAR(text.rotation(), c.rotation, 1e-9);
    EXPECT_NEAR(text.height(), c.height, 1e-9);
    EXPECT_NEAR(text.widthFactor(), c.widthFactor, 1e-9);
    EXPECT_TRUE(text.normal().isEqualTo(AcGeVector3d::kZAxis));
  }
}

TEST(Text, MirroredTwoPointTextRunsFromItsOtherEnd) {
  AcDbText text(AcGePoint3d(0, 0, 0), L"fit");
  text.setHorizontalMode(AcDb::kTextFit);
  text.setAlignmentPoint(AcGePoint3d(10, 0, 0));
  ASSERT_EQ(text.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(20, 0, 0), AcGeVector3d::kXAxis))), Acad::eOk);
  EXPECT_TRUE(text.position().isEqualTo(AcGePoint3d(30, 0, 0)));
  EXPECT_TRUE(text.alignmentPoint().isEqualTo(AcGePoint3d(40, 0, 0)));
  EXPECT_NEAR(text.rotation(), 0.0, 1e-9);
}

TEST(Text, NonUniformScalingChangesTheWidthFactor) {
  AcDbText text(O, L"wide", AcDbObjectId::kNull, 2.0);
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2;  // x doubled, y kept
  ASSERT_EQ(text.transformBy(stretch), Acad::eOk);
  EXPECT_NEAR(text.height(), 2.0, 1e-9);
  EXPECT_NEAR(text.widthFactor(), 2.0, 1e-9);
  AcGeMatrix3d flatten;
  flatten(1, 1) = 0;
  EXPECT_EQ(text.transformBy(flatten), Acad::eCannotScaleNonUniformly);
  EXPECT_NEAR(text.height(), 2.0, 1e-9);
}

struct BoxCase {
  const char* name;
  AcDb::TextHorzMode horz;
  AcDb::TextVertMode vert;
  AcGePoint3d min, max;
};

TEST(Text, ExtentsAreHeightTimesCharactersTimesPointSix) {
  // "ABCDE" at height 2: 5 x 2 x 0.6 = 6 wide; justified at (10, 10).
  const BoxCase cases[] = {
      {"left baseline", AcDb::kTextLeft, AcDb::kTextBase, {10, 10, 0}, {16, 12, 0}},
      {"center", AcDb::kTextCenter, AcDb::kTextBase, {7, 10, 0}, {13, 12, 0}},
      {"right top", AcDb::kTextRight, AcDb::kTextTop, {4, 8, 0}, {10, 10, 0}},
      {"middle", AcDb::kTextMid, AcDb::kTextBase, {7, 9, 0}, {13, 11, 0}},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    AcDbText text(AcGePoint3d(10, 10, 0), L"ABCDE", AcDbObjectId::kNull, 2.0);
    text.setHorizontalMode(c.horz);
    text.setVerticalMode(c.vert);
    text.setAlignmentPoint(AcGePoint3d(10, 10, 0));
    AcDbExtents box;
    ASSERT_EQ(text.getGeomExtents(box), Acad::eOk);
    EXPECT_TRUE(box.minPoint().isEqualTo(c.min));
    EXPECT_TRUE(box.maxPoint().isEqualTo(c.max));
  }
  AcDbText turned(O, L"ABCDE", AcDbObjectId::kNull, 2.0, M_PI / 2);
  AcDbExtents box;
  ASSERT_EQ(turned.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(box.minPoint().isEqualTo(AcGePoint3d(-2, 0, 0)));
  EXPECT_TRUE(box.maxPoint().isEqualTo(AcGePoint3d(0, 6, 0)));
}

TEST(Text, BadValuesAreRefusedAndChangeNothing) {
  AcDbText text(O, L"x", AcDbObjectId::kNull, 2.0);
  EXPECT_EQ(text.setHeight(0), Acad::eInvalidInput);
  EXPECT_EQ(text.setHeight(NAN), Acad::eInvalidInput);
  EXPECT_EQ(text.setWidthFactor(-1), Acad::eInvalidInput);
  EXPECT_EQ(text.setOblique(1.6), Acad::eInvalidInput);
  EXPECT_EQ(text.setNormal(AcGeVector3d(0, 0, 0)), Acad::eInvalidInput);
  EXPECT_EQ(text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(9)), Acad::eInvalidInput);
  EXPECT_EQ(text.setTextString(nullptr), Acad::eNullPtr);
  EXPECT_DOUBLE_EQ(text.height(), 2.0);
  EXPECT_DOUBLE_EQ(text.widthFactor(), 1.0);
  EXPECT_STREQ(text.textStringConst(), L"x");
  ACHAR* copy = text.textString();
  EXPECT_STREQ(copy, L"x");
  acutDelString(copy);
  AcDbVoidPtrArray set;
  EXPECT_EQ(text.explode(set), Acad::eNotApplicable);
  EXPECT_EQ(set.length(), 0);
}

TEST(MText, ExplodesIntoOneTextPerLine) {
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(10, 20, 0));
  mtext.setTextHeight(3);
  mtext.setContents(L"first\\Psecond\\P\\Pfourth \\\\ end");
  mtext.setColorIndex(5);
  zktest::Exploded parts(&mtext);
  ASSERT_EQ(parts.status, Acad::eOk);
  std::vector<AcDbText*> texts = parts.all<AcDbText>();
  ASSERT_EQ(texts.size(), 3u);  // the empty third line makes no text but keeps its place
  EXPECT_STREQ(texts[0]->textStringConst(), L"first");
  EXPECT_STREQ(texts[2]->textStringConst(), L"fourth \\ end");
  // Top-left: the first baseline one height below the location, then 5/3 height apart.
  EXPECT_TRUE(texts[0]->position().isEqualTo(AcGePoint3d(10, 17, 0)));
  EXPECT_TRUE(texts[1]->position().isEqualTo(AcGePoint3d(10, 12, 0)));
  EXPECT_TRUE(texts[2]->position().isEqualTo(AcGePoint3d(10, 2, 0)));
  for (AcDbText* t : texts) {
    EXPECT_DOUBLE_EQ(t->height(), 3.0);
    EXPECT_EQ(t->colorIndex(), 5);
  }
}

TEST(MText, AttachmentPlacesTheLinesAndTheBox) {
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(0, 0, 0));
  mtext.setTextHeight(3);
  mtext.setContents(L"ab\\Pabcd");  // widest line 4 x 3 x 0.6 = 7.2; 3 + 5 = 8 high
  mtext.setAttachment(AcDbMText::kBottomRight);
  AcDbExtents box;
  ASSERT_EQ(mtext.getGeomExtents(box), Acad::eOk);
  EXPECT_TRUE(box.minPoint().isEqualTo(AcGePoint3d(-7.2, 0, 0)));
  EXPECT_TRUE(box.maxPoint().isEqualTo(AcGePoint3d(0, 8, 0)));
  zktest::Exploded parts(&mtext);
  std::vector<AcDbText*> texts = parts.all<AcDbText>();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1]->horizontalMode(), AcDb::kTextRight);
  EXPECT_TRUE(texts[1]->alignmentPoint().isEqualTo(AcGePoint3d(0, 0, 0)));
  EXPECT_EQ(mtext.setAttachment(static_cast<AcDbMText::AttachmentPoint>(0)), Acad::eInvalidInput);
}

TEST(MText, TransformTurnsTheDirectionAndScalesHeightAndWidth) {
  AcDbMText mtext;
  mtext.setLocation(AcGePoint3d(1, 0, 0));
  mtext.setTextHeight(2);
  mtext.setWidth(10);
  ASSERT_EQ(mtext.transformBy(AcGeMatrix3d::rotation(M_PI / 2, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2)),
            Acad::eOk);
  EXPECT_TRUE(mtext.location().isEqualTo(AcGePoint3d(0, 2, 0)));
  EXPECT_TRUE(mtext.direction().isEqualTo(AcGeVector3d::kYAxis));
  EXPECT_NEAR(mtext.rotation(), M_PI / 2, 1e-9);
  EXPECT_NEAR(mtext.textHeight(), 4, 1e-9);
  EXPECT_NEAR(mtext.width(), 20, 1e-9);
  // Mirrored at the x axis the text would run downwards and mirrored: it keeps running upwards.
  ASSERT_EQ(mtext.transformBy(AcGeMatrix3d::mirroring(AcGePlane(O, AcGeVector3d::kYAxis))), Acad::eOk);
  EXPECT_TRUE(mtext.location().isEqualTo(AcGePoint3d(0, -2, 0)));
  EXPECT_NEAR(mtext.rotation(), M_PI / 2, 1e-9);
  EXPECT_TRUE(mtext.normal().isEqualTo(AcGeVector3d::kZAxis));
}

}  // namespace
