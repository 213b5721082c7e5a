// Block references in a real database: the block transform, explode into transformed copies,
// extents, and transformations (mirrors give a negative X scale).
#include <gtest/gtest.h>

#include <cmath>

#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbText.h"
#include "host/ge/AcGePlane.h"
#include "tests/host/dbannot/AnnotTestSupport.h"

namespace {

// A database with block "PART" (origin 1,1): a line (1,1)-(3,1), a text at (1,2) height 1,
// and an erased line.
class BlockReferenceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db_.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* block = new AcDbBlockTableRecord;
    block->setName(L"PART");
    block->setOrigin(AcGePoint3d(1, 1, 0));
    ASSERT_EQ(table->add(blockId_, block), Acad::eOk);
    table->close();
    auto* line = new AcDbLine(AcGePoint3d(1, 1, 0), AcGePoint3d(3, 1, 0));
    line->setColorIndex(2);
    ASSERT_EQ(block->appendAcDbEntity(line), Acad::eOk);
    line->close();
    auto* text = new AcDbText(AcGePoint3d(1, 2, 0), L"T", AcDbObjectId::kNull, 1.0);
    ASSERT_EQ(block->appendAcDbEntity(text), Acad::eOk);
    text->close();
    auto* gone = new AcDbLine(AcGePoint3d(50, 50, 0), AcGePoint3d(60, 60, 0));
    ASSERT_EQ(block->appendAcDbEntity(gone), Acad::eOk);
    gone->erase();
    gone->close();
    block->close();
  }

  AcDbDatabase db_;
  AcDbObjectId blockId_;
};

TEST_F(BlockReferenceTest, BlockTransformMapsTheOriginToThePosition) {
  AcDbBlockReference ref(AcGePoint3d(10, 20, 0), blockId_);
  ref.setScaleFactors(AcGeScale3d(2, 3, 1));
  ref.setRotation(M_PI / 2);
  AcGeMatrix3d m = ref.blockTransform();
  EXPECT_TRUE((m * AcGePoint3d(1, 1, 0)).isEqualTo(AcGePoint3d(10, 20, 0)));
  // One unit along the block's x: scaled by 2, turned to +y.
  EXPECT_TRUE((m * AcGePoint3d(2, 1, 0)).isEqualTo(AcGePoint3d(10, 22, 0)));
  EXPECT_TRUE((m * AcGePoint3d(1, 2, 0)).isEqualTo(AcGePoint3d(7, 20, 0)));
}

TEST_F(BlockReferenceTest, ExplodeGivesTransformedCopiesOfTheLiveEntities) {
  AcDbBlockReference ref(AcGePoint3d(10, 20, 0), blockId_);
  ref.setScaleFactors(AcGeScale3d(2));
  ref.setRotation(M_PI / 2);
  zktest::Exploded parts(&ref);
  ASSERT_EQ(parts.status, Acad::eOk);
  ASSERT_EQ(parts.entities.size(), 2u);  // the erased line stays out
  std::vector<AcDbLine*> lines = parts.all<AcDbLine>();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0]->startPoint().isEqualTo(AcGePoint3d(10, 20, 0)));
  EXPECT_TRUE(lines[0]->endPoint().isEqualTo(AcGePoint3d(10, 24, 0)));
  EXPECT_EQ(lines[0]->colorIndex(), 2);
  EXPECT_TRUE(lines[0]->objectId().isNull());
  std::vector<AcDbText*> texts = parts.all<AcDbText>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0]->position().isEqualTo(AcGePoint3d(8, 20, 0)));
  EXPECT_NEAR(texts[0]->height(), 2.0, 1e-9);
  EXPECT_NEAR(texts[0]->rotation(), M_PI / 2, 1e-9);
  // The block itself is unchanged.
  AcDbBlockTableRecord* block = nullptr;
  ASSERT_EQ(acdbOpenObject(block, blockId_, AcDb::kForRead), Acad::eOk);
  AcDbLine* original = nullptr;
  ASSERT_EQ(acdbOpenObject(original, block->entityIds()[0], AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(original->endPoint().isEqualTo(AcGePoint3d(3, 1, 0)));
  original->close();
  block->close();
}

TEST_F(BlockReferenceTest, ExplodeWithoutABlockFails) {
  AcDbBlockReference ref(AcGePoint3d(0, 0, 0), AcDbObjectId::kNull);
  zktest::Exploded parts(&ref);
  EXPECT_EQ(parts.status, Acad::eNullObjectId);
  EXPECT_TRUE(parts.entities.empty());
  AcDbExtents box;
  EXPECT_EQ(ref.getGeomExtents(box), Acad::eInvalidExtents);
}

TEST_F(BlockReferenceTest, ExtentsAreTheBlocksThroughTheTransform) {
  AcDbBlockReference ref(AcGePoint3d(10, 20, 0), blockId_);
  ref.setScaleFactors(AcGeScale3d(2));
  AcDbExtents box;
  ASSERT_EQ(ref.getGeomExtents(box), Acad::eOk);
  // Line 10..14 on y 20; text "T" from (10,22), 1.2 wide and 2 high.
  EXPECT_TRUE(box.minPoint().isEqualTo(AcGePoint3d(10, 20, 0)));
  EXPECT_TRUE(box.maxPoint().isEqualTo(AcGePoint3d(14, 24, 0)));
}

TEST_F(BlockReferenceTest, TransformComposesWithTheBlockTransform) {
  const AcGeMatrix3d cases[] = {
      AcGeMatrix3d::translation(AcGeVector3d(5, 5, 0)),
      AcGeMatrix3d::rotation(0.3, AcGeVector3d::kZAxis, AcGePoint3d(2, 2, 0)),
      AcGeMatrix3d::scaling(0.5, AcGePoint3d(1, 0, 0)),
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(4, 0, 0), AcGeVector3d::kXAxis)),
      AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 1, 0).normal())),
  };
  for (const AcGeMatrix3d& xform : cases) {
    AcDbBlockReference ref(AcGePoint3d(10, 20, 0), blockId_);
    ref.setScaleFactors(AcGeScale3d(2, 3, 1));
    ref.setRotation(0.4);
    AcGeMatrix3d expected = xform * ref.blockTransform();
    ASSERT_EQ(ref.transformBy(xform), Acad::eOk);
    EXPECT_TRUE(ref.blockTransform().isEqualTo(expected));
    EXPECT_TRUE(ref.normal().isEqualTo(AcGeVector3d::kZAxis));
  }
  AcDbBlockReference mirrored(AcGePoint3d(0, 0, 0), blockId_);
  ASSERT_EQ(mirrored.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis))),
            Acad::eOk);
  EXPECT_DOUBLE_EQ(mirrored.scaleFactors().sx, -1.0);
  // A shear has no position, scale and rotation.
  AcDbBlockReference sheared(AcGePoint3d(0, 0, 0), blockId_);
  AcGeMatrix3d shear;
  shear(0, 1) = 0.5;
  EXPECT_EQ(sheared.transformBy(shear), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(sheared.setScaleFactors(AcGeScale3d(0, 1, 1)), Acad::eInvalidInput);
}

TEST_F(BlockReferenceTest, ExplodeOfAReferenceInTheDrawing) {
  AcDbBlockTableRecord* model = nullptr;
  ASSERT_EQ(acdbOpenObject(model, db_.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* ref = new AcDbBlockReference(AcGePoint3d(0, 0, 0), blockId_);
  AcDbObjectId refId;
  ASSERT_EQ(model->appendAcDbEntity(refId, ref), Acad::eOk);
  ref->close();
  model->close();
  AcDbBlockReference* opened = nullptr;
  ASSERT_EQ(acdbOpenObject(opened, refId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(opened->blockTableRecord(), blockId_);
  zktest::Exploded parts(opened);
  EXPECT_EQ(parts.status, Acad::eOk);
  EXPECT_EQ(parts.entities.size(), 2u);
  std::wstring listed = zktest::Printed([opened] { opened->list(); });
  EXPECT_NE(listed.find(L"Block Name: \"PART\""), std::wstring::npos) << std::string(listed.begin(), listed.end());
  EXPECT_NE(listed.find(L"at point, X=    0.0000  Y=    0.0000  Z=    0.0000"), std::wstring::npos);
  opened->close();
}

}  // namespace
