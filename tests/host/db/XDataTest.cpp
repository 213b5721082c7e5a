// Extended data: registered applications, removal by name alone, the size limit, copies in and
// out.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TestEntity.h"

namespace {

class XDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.reset(new AcDbDatabase(true, true));
    AcDbRegAppTable* apps = nullptr;
    ASSERT_EQ(db_->getRegAppTable(apps, AcDb::kForWrite), Acad::eOk);
    for (const wchar_t* name : {L"ZENKORA_OBJECT", L"ZENKORA_DATA"}) {
      AcDbRegAppTableRecord* app = new AcDbRegAppTableRecord;
      app->setName(name);
      ASSERT_EQ(apps->add(app), Acad::eOk);
      app->close();
    }
    apps->close();
    ASSERT_EQ(acdbOpenObject(ent_, AddTestEntity(db_.get(), 0), AcDb::kForWrite), Acad::eOk);
  }
  void TearDown() override { ent_->close(); }

  int Groups(const ACHAR* app) const {
    resbuf* rb = ent_->xData(app);
    int n = 0;
    for (resbuf* p = rb; p; p = p->rbnext) ++n;
    acutRelRb(rb);
    return n;
  }

  std::unique_ptr<AcDbDatabase> db_;
  TestEntity* ent_ = nullptr;
};

}  // namespace

TEST_F(XDataTest, ApplicationsMustBeRegistered) {
  resbuf* rb = acutBuildList(1001, L"NOT_THERE", 1000, L"x", 0);
  EXPECT_EQ(ent_->setXData(rb), Acad::eRegappIdNotFound);
  acutRelRb(rb);
  EXPECT_EQ(ent_->xData(), nullptr);
}

TEST_F(XDataTest, ReplaceAndRemoveByNameAlone) {
  resbuf* a = acutBuildList(-3, 1001, L"ZENKORA_OBJECT", 1000, L"_ZENKORA_", 1070, 10, 1001, L"zenkora_data", 1040, 2.5, 0);
  ASSERT_EQ(ent_->setXData(a), Acad::eOk);
  acutRelRb(a);
  EXPECT_EQ(Groups(L"ZENKORA_OBJECT"), 3);
  EXPECT_EQ(Groups(L"zenkora_object"), 3);  // names without regard to case
  EXPECT_EQ(Groups(nullptr), 5);

  resbuf* replace = acutBuildList(1001, L"ZENKORA_OBJECT", 1070, 0, 0);
  ASSERT_EQ(ent_->setXData(replace), Acad::eOk);
  acutRelRb(replace);
  EXPECT_EQ(Groups(L"ZENKORA_OBJECT"), 2);
  EXPECT_EQ(Groups(L"ZENKORA_DATA"), 2);  // other applications keep theirs

  resbuf* remove = acutBuildList(-3, 1001, L"ZENKORA_OBJECT", 0);
  ASSERT_EQ(ent_->setXData(remove), Acad::eOk);
  acutRelRb(remove);
  EXPECT_EQ(ent_->xData(L"ZENKORA_OBJECT"), nullptr);
  EXPECT_EQ(Groups(nullptr), 2);
}

TEST_F(XDataTest, SizeLimitRefusesAndKeepsOldData) {
  resbuf* first = acutBuildList(1001, L"ZENKORA_DATA", 1000, L"keep", 0);
  ASSERT_EQ(ent_->setXData(first), Acad::eOk);
  acutRelRb(first);
  std::wstring text(250, L'x');
  resbuf* head = acutBuildList(1001, L"ZENKORA_OBJECT", 0);
  resbuf* tail = head;
  for (int i = 0; i < 70; ++i) {
    tail->rbnext = acutBuildList(1000, text.c_str(), 0);
    tail = tail->rbnext;
  }
  EXPECT_EQ(ent_->setXData(head), Acad::eXdataSizeExceeded);
  acutRelRb(head);
  EXPECT_EQ(Groups(nullptr), 2);
  EXPECT_LE(ent_->xDataSize(), AcDbObject::kMaxXDataSize);
}

TEST_F(XDataTest, BadListsAreRefused) {
  resbuf* noApp = acutBuildList(1000, L"x", 0);
  EXPECT_EQ(ent_->setXData(noApp), Acad::eInvalidInput);
  acutRelRb(noApp);
  resbuf* badCode = acutBuildList(1001, L"ZENKORA_DATA", 70, 1, 0);
  EXPECT_EQ(ent_->setXData(badCode), Acad::eInvalidInput);
  acutRelRb(badCode);
  resbuf* openBrace = acutBuildList(1001, L"ZENKORA_DATA", 1002, L"{", 0);
  EXPECT_EQ(ent_->setXData(openBrace), Acad::eInvalidInput);
  acutRelRb(openBrace);
}

TEST_F(XDataTest, DataIsCopiedInAndOut) {
  resbuf* rb = acutBuildList(1001, L"ZENKORA_DATA", 1000, L"original", 0);
  ASSERT_EQ(ent_->setXData(rb), Acad::eOk);
  acutDelString(rb->rbnext->resval.rstring);
  rb->rbnext->resval.rstring = acutNewString(L"changed");
  acutRelRb(rb);
  resbuf* out = ent_->xData(L"ZENKORA_DATA");
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(out->restype, 1001);
  EXPECT_STREQ(out->rbnext->resval.rstring, L"original");
  acutDelString(out->rbnext->resval.rstring);
  out->rbnext->resval.rstring = acutNewString(L"mine");
  acutRelRb(out);
  resbuf* again = ent_->xData(L"ZENKORA_DATA");
  EXPECT_STREQ(again->rbnext->resval.rstring, L"original");
  acutRelRb(again);
}

TEST_F(XDataTest, SurvivesAFilerRoundTrip) {
  const double point[3] = {1, 2, 3};
  resbuf* rb = acutBuildList(1001, L"ZENKORA_DATA", 1000, L"a", 1070, -1, 1071, 70000, 1040, 1.5, 1010, point, 0);
  ASSERT_EQ(ent_->setXData(rb), Acad::eOk);
  acutRelRb(rb);
  TestEntity* copy = TestEntity::cast(ent_->clone());
  ASSERT_NE(copy, nullptr);
  resbuf* out = copy->xData(L"ZENKORA_DATA");
  ASSERT_NE(out, nullptr);
  const resbuf* p = out->rbnext;
  EXPECT_STREQ(p->resval.rstring, L"a");
  EXPECT_EQ(p->rbnext->resval.rint, -1);
  EXPECT_EQ(p->rbnext->rbnext->resval.rlong, 70000);
  EXPECT_EQ(p->rbnext->rbnext->rbnext->resval.rreal, 1.5);
  EXPECT_EQ(p->rbnext->rbnext->rbnext->rbnext->resval.rpoint[2], 3.0);
  acutRelRb(out);
  delete copy;
}
