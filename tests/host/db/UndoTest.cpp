// Undo through command groups: modifications filed back in, appends taken away, erasures
// reverted, partial undo records, and recording switched off.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

namespace {

int ValueOf(AcDbObjectId id) {
  TestEntity* ent = nullptr;
  if (acdbOpenObject(ent, id, AcDb::kForRead, true) != Acad::eOk) return -1;
  int v = ent->value();
  ent->close();
  return v;
}

void SetValue(AcDbObjectId id, int v, bool partial = false) {
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id, AcDb::kForWrite), Acad::eOk);
  if (partial)
    ent->setValuePartial(v);
  else
    ent->setValue(v);
  ent->close();
}

class UndoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.reset(new AcDbDatabase(true, true));
    undo_ = &db_->undoRecorder();
    undo_->beginGroup(L"LINE");
    id_ = AddTestEntity(db_.get(), 1);
    undo_->endGroup();
  }
  std::unique_ptr<AcDbDatabase> db_;
  zhost::UndoRecorder* undo_ = nullptr;
  AcDbObjectId id_;
};

}  // namespace

TEST_F(UndoTest, GroupsUndoNewestFirst) {
  undo_->beginGroup(L"MOVE");
  SetValue(id_, 2);
  SetValue(id_, 3);  // the first change of the group is what is kept
  undo_->endGroup();
  undo_->beginGroup(L"ERASE");
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, id_, AcDb::kForWrite), Acad::eOk);
  obj->erase();
  obj->close();
  undo_->endGroup();
  undo_->beginGroup(L"REDRAW");  // an empty group does not count
  undo_->endGroup();
  EXPECT_EQ(undo_->groupNames(), (std::vector<std::wstring>{L"LINE", L"MOVE", L"ERASE"}));

  LogDbReactor reactor;
  db_->addReactor(&reactor);
  NotificationLog().clear();
  EXPECT_EQ(undo_->undo(1), std::vector<std::wstring>{L"ERASE"});
  EXPECT_FALSE(id_.isErased());
  EXPECT_EQ(NotificationLog(), (std::vector<std::wstring>{L"db:unerased", L"db:modified"}));
  EXPECT_EQ(ValueOf(id_), 3);
  EXPECT_EQ(undo_->undo(1), std::vector<std::wstring>{L"MOVE"});
  EXPECT_EQ(ValueOf(id_), 1);
  NotificationLog().clear();
  EXPECT_EQ(undo_->undo(5), std::vector<std::wstring>{L"LINE"});
  EXPECT_TRUE(id_.isErased());
  EXPECT_EQ(NotificationLog(), std::vector<std::wstring>{L"db:unappended"});
  EXPECT_TRUE(undo_->undo(1).empty());
  db_->removeReactor(&reactor);
}

TEST_F(UndoTest, XDataAndLayerComeBack) {
  AcDbRegAppTable* apps = nullptr;
  ASSERT_EQ(db_->getRegAppTable(apps, AcDb::kForWrite), Acad::eOk);
  AcDbRegAppTableRecord* app = new AcDbRegAppTableRecord;
  app->setName(L"APP");
  apps->add(app);
  app->close();
  apps->close();
  undo_->beginGroup(L"CHANGE");
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  resbuf* xd = acutBuildList(1001, L"APP", 1000, L"x", 0);
  ent->setXData(xd);
  acutRelRb(xd);
  ent->setColorIndex(1);
  ent->close();
  undo_->endGroup();
  undo_->undo(1);
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(ent->xData(), nullptr);
  EXPECT_EQ(ent->colorIndex(), 256);
  ent->close();
}

TEST_F(UndoTest, PartialUndoRecords) {
  undo_->beginGroup(L"EDIT");
  SetValue(id_, 10, true);
  SetValue(id_, 20, true);
  undo_->endGroup();
  EXPECT_EQ(ValueOf(id_), 20);
  undo_->undo(1);
  EXPECT_EQ(ValueOf(id_), 1);
}

TEST_F(UndoTest, DisabledRecordingKeepsNothing) {
  db_->disableUndoRecording(true);
  EXPECT_FALSE(db_->undoRecording());
  undo_->beginGroup(L"SILENT");
  SetValue(id_, 5);
  AddTestEntity(db_.get(), 6);
  undo_->endGroup();
  db_->disableUndoRecording(false);
  EXPECT_EQ(undo_->groupNames(), std::vector<std::wstring>{L"LINE"});
  EXPECT_EQ(ValueOf(id_), 5);
}

TEST_F(UndoTest, CancelTakesBackTheOpen) {
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->setValue(42);
  ent->erase();
  ent->cancel();
  EXPECT_FALSE(id_.isErased());
  EXPECT_EQ(ValueOf(id_), 1);
}
