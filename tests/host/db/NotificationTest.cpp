// Notifications after a change: transient reactors, then persistent reactors (open for notify),
// then database reactors; a reactor may remove itself while it is being notified.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

namespace {

std::vector<std::wstring> Log(std::initializer_list<const wchar_t*> items) {
  std::vector<std::wstring> out;
  for (const wchar_t* item : items) out.push_back(item);
  return out;
}

class NotificationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.reset(new AcDbDatabase(true, true));
    db_->addReactor(&dbReactor_);
    NotificationLog().clear();
    id_ = AddTestEntity(db_.get(), 1);
    AcDbDictionary* nod = nullptr;
    ASSERT_EQ(db_->getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
    LogPersistentReactor* reactor = new LogPersistentReactor;
    ASSERT_EQ(nod->setAt(L"REACTOR", reactor, reactorId_), Acad::eOk);
    reactor->close();
    nod->close();
    TestEntity* ent = nullptr;
    ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
    ent->addReactor(&transient_);
    ent->addPersistentReactor(reactorId_);
    ent->close();
    NotificationLog().clear();
  }
  void TearDown() override {
    db_->removeReactor(&dbReactor_);
    db_.reset();
  }
  std::unique_ptr<AcDbDatabase> db_;
  LogDbReactor dbReactor_;
  LogObjectReactor transient_{L"transient"};
  AcDbObjectId id_, reactorId_;
};

}  // namespace

TEST_F(NotificationTest, AppendIsAnnouncedToTheDatabaseReactor) {
  AddTestEntity(db_.get(), 2);
  EXPECT_EQ(NotificationLog(), Log({L"db:appended"}));
}

TEST_F(NotificationTest, ModifyNotifiesAfterCloseInOrder) {
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->setValue(7);
  EXPECT_TRUE(NotificationLog().empty());  // nothing before the close
  ent->close();
  EXPECT_EQ(NotificationLog(), Log({L"transient:modified", L"persistent:modified", L"db:modified"}));
}

TEST_F(NotificationTest, EraseAndXDataNotify) {
  AcDbRegAppTable* apps = nullptr;
  ASSERT_EQ(db_->getRegAppTable(apps, AcDb::kForWrite), Acad::eOk);
  AcDbRegAppTableRecord* app = new AcDbRegAppTableRecord;
  app->setName(L"TESTAPP");
  apps->add(app);
  app->close();
  apps->close();
  NotificationLog().clear();

  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  resbuf* xd = acutBuildList(1001, L"TESTAPP", 1070, 1, 0);
  ASSERT_EQ(ent->setXData(xd), Acad::eOk);
  acutRelRb(xd);
  ent->close();
  EXPECT_EQ(NotificationLog(), Log({L"transient:xdata", L"transient:modified", L"persistent:modified", L"db:modified"}));

  NotificationLog().clear();
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->erase();
  ent->close();
  EXPECT_EQ(NotificationLog(), Log({L"transient:erased", L"persistent:erased", L"db:erased"}));
}

namespace {

// Removes itself and a second reactor from the object while it is told of a change.
class SelfRemovingReactor : public AcDbObjectReactor {
 public:
  AcDbObjectReactor* other = nullptr;
  int calls = 0;
  void modified(const AcDbObject* obj) override {
    ++calls;
    obj->removeReactor(this);
    obj->removeReactor(other);
  }
};

}  // namespace

TEST_F(NotificationTest, ReactorMayRemoveItselfWhileNotified) {
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->removeReactor(&transient_);
  std::unique_ptr<SelfRemovingReactor> remover(new SelfRemovingReactor);
  std::unique_ptr<LogObjectReactor> later(new LogObjectReactor(L"later"));
  remover->other = later.get();
  ent->addReactor(remover.get());
  ent->addReactor(later.get());
  ent->setValue(2);
  ent->close();
  EXPECT_EQ(remover->calls, 1);
  EXPECT_EQ(NotificationLog(), Log({L"persistent:modified", L"db:modified"}));  // "later" was removed first
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->setValue(3);
  ent->close();
  EXPECT_EQ(remover->calls, 1);
}

namespace {

// Changes the notifying object from its notification (upgradeFromNotify / downgradeToNotify).
class ChangingReactor : public AcDbObjectReactor {
 public:
  Acad::ErrorStatus upgrade = Acad::eNotImplementedYet;
  void modified(const AcDbObject* obj) override {
    AcDbObject* o = const_cast<AcDbObject*>(obj);
    EXPECT_EQ(o->upgradeOpen(), Acad::eWasNotifying);
    Adesk::Boolean wasWritable = true;
    upgrade = o->upgradeFromNotify(wasWritable);
    EXPECT_FALSE(wasWritable);
    static_cast<TestEntity*>(o)->setValue(99);
    o->downgradeToNotify(wasWritable);
  }
};

}  // namespace

TEST_F(NotificationTest, NotifiedObjectCanBeChangedFromNotify) {
  ChangingReactor changer;
  TestEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  ent->addReactor(&changer);
  ent->setValue(2);
  ent->close();
  EXPECT_EQ(changer.upgrade, Acad::eOk);
  ASSERT_EQ(acdbOpenObject(ent, id_, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(ent->value(), 99);
  ent->removeReactor(&changer);
  ent->close();
}
