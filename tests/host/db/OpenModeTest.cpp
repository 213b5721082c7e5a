// Open modes: readers and writers, erased objects, locked layers, objects outside a database.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

namespace {

class OpenModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::SetDbDiagnosticsQuiet(true);
    db_.reset(new AcDbDatabase(true, true));
    id_ = AddTestEntity(db_.get(), 5);
  }
  void TearDown() override { zhost::SetDbDiagnosticsQuiet(false); }
  std::unique_ptr<AcDbDatabase> db_;
  AcDbObjectId id_;
};

}  // namespace

TEST_F(OpenModeTest, SecondOpenByMode) {
  struct Case {
    AcDb::OpenMode first, second;
    Acad::ErrorStatus expected;
  } cases[] = {
      {AcDb::kForRead, AcDb::kForRead, Acad::eOk},
      {AcDb::kForRead, AcDb::kForWrite, Acad::eWasOpenForRead},
      {AcDb::kForWrite, AcDb::kForRead, Acad::eWasOpenForWrite},
      {AcDb::kForWrite, AcDb::kForWrite, Acad::eWasOpenForWrite},
      {AcDb::kForNotify, AcDb::kForWrite, Acad::eWasOpenForNotify},
      {AcDb::kForWrite, AcDb::kForNotify, Acad::eOk},
  };
  for (const Case& c : cases) {
    AcDbObject* a = nullptr;
    AcDbObject* b = nullptr;
    ASSERT_EQ(acdbOpenObject(a, id_, c.first), Acad::eOk);
    EXPECT_EQ(acdbOpenObject(b, id_, c.second), c.expected) << c.first << "," << c.second;
    if (b) b->close();
    a->close();
    // Everything closed: a write-open works again.
    ASSERT_EQ(acdbOpenObject(a, id_, AcDb::kForWrite), Acad::eOk);
    a->close();
  }
}

TEST_F(OpenModeTest, AssertionsThrowAndUpgradeRules) {
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(ent->value(), 5);
  EXPECT_THROW(ent->setValue(6), zhost::AssertionError);
  TestEntity* second = nullptr;
  ASSERT_EQ(acdbOpenObject(second, id_, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(ent->upgradeOpen(), Acad::eHadMultipleReaders);
  second->close();
  ASSERT_EQ(ent->upgradeOpen(), Acad::eOk);
  ent->setValue(6);
  ASSERT_EQ(ent->downgradeOpen(), Acad::eOk);
  EXPECT_FALSE(ent->isWriteEnabled());
  EXPECT_EQ(ent->value(), 6);
  ent->close();
  EXPECT_THROW(ent->value(), zhost::AssertionError);
  AcDbLayerTableRecord* wrongKind = nullptr;
  EXPECT_EQ(acdbOpenObject(wrongKind, id_, AcDb::kForRead), Acad::eNotThatKindOfClass);
  AcDbObject* any = nullptr;
  ASSERT_EQ(acdbOpenObject(any, id_, AcDb::kForWrite), Acad::eOk);  // nothing was left open
  any->close();
  AcDbEntity* notEntity = nullptr;
  EXPECT_EQ(acdbOpenAcDbEntity(notEntity, db_->layerZero()), Acad::eNotAnEntity);
  EXPECT_EQ(acdbOpenObject(any, AcDbObjectId::kNull), Acad::eNullObjectId);
}

TEST_F(OpenModeTest, ErasedObjectsOpenOnlyWhenAsked) {
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, id_, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(obj->erase(), Acad::eOk);
  EXPECT_EQ(obj->erase(), Acad::eIsAlreadyErased);
  obj->close();
  EXPECT_EQ(acdbOpenObject(obj, id_, AcDb::kForRead), Acad::eWasErased);
  EXPECT_EQ(obj, nullptr);
  ASSERT_EQ(acdbOpenObject(obj, id_, AcDb::kForWrite, true), Acad::eOk);
  ASSERT_EQ(obj->erase(false), Acad::eOk);
  obj->close();
  ASSERT_EQ(acdbOpenObject(obj, id_, AcDb::kForRead), Acad::eOk);
  obj->close();
}

TEST_F(OpenModeTest, LockedLayerRefusesWrite) {
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db_->getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  AcDbLayerTableRecord* locked = new AcDbLayerTableRecord;
  locked->setName(L"Locked");
  locked->setIsLocked(true);
  ASSERT_EQ(layers->add(locked), Acad::eOk);
  locked->close();
  layers->close();
  AcDbObjectId onLocked = AddTestEntity(db_.get(), 1, L"locked");
  AcDbObject* obj = nullptr;
  EXPECT_EQ(acdbOpenObject(obj, onLocked, AcDb::kForWrite), Acad::eOnLockedLayer);
  ASSERT_EQ(acdbOpenObject(obj, onLocked, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(obj->upgradeOpen(), Acad::eOnLockedLayer);
  obj->close();
}

TEST_F(OpenModeTest, ObjectsOutsideADatabaseBelongToTheCaller) {
  TestEntity* loose = new TestEntity;
  EXPECT_TRUE(loose->isWriteEnabled());
  loose->setValue(3);
  unsigned before = zhost::DbDiagnosticCount();
  EXPECT_EQ(loose->close(), Acad::eNotInDatabase);
  EXPECT_EQ(zhost::DbDiagnosticCount(), before + 1);
  EXPECT_EQ(loose->value(), 3);
  delete loose;
  {
    AcDbEntityPointer pointer;
    ASSERT_EQ(pointer.open(id_, AcDb::kForWrite), Acad::eOk);
    EXPECT_TRUE(pointer->isWriteEnabled());
  }
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, id_, AcDb::kForWrite), Acad::eOk);  // the pointer closed it
  obj->close();
}

TEST(DatabaseLifetimeTest, OpenObjectsAtDeletionAreReported) {
  zhost::SetDbDiagnosticsQuiet(true);
  AcDbDatabase* db = new AcDbDatabase(true, true);
  AcDbObjectId id = AddTestEntity(db, 1);
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, id, AcDb::kForWrite), Acad::eOk);
  unsigned before = zhost::DbDiagnosticCount();
  delete db;
  EXPECT_GT(zhost::DbDiagnosticCount(), before);
  zhost::SetDbDiagnosticsQuiet(false);
}
