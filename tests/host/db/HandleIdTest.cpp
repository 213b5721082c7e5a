// Handles and ids: text forms, uniqueness, slots for handles not read yet, objects added under
// their own handle.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

TEST(HandleTest, TextFormAndParsing) {
  struct Case {
    Adesk::UInt64 value;
    const wchar_t* text;
  } cases[] = {{0, L"0"}, {1, L"1"}, {0x2F, L"2F"}, {0xABCDEF0123ULL, L"ABCDEF0123"}, {~0ULL, L"FFFFFFFFFFFFFFFF"}};
  for (const Case& c : cases) {
    AcDbHandle h(c.value);
    EXPECT_EQ(h.text(), c.text);
    ACHAR buffer[17];
    h.getIntoAsciiBuffer(buffer);
    EXPECT_STREQ(buffer, c.text);
    EXPECT_EQ(AcDbHandle(c.text), h);
  }
  AcDbHandle parsed;
  EXPECT_TRUE(AcDbHandle::parse(L"00002f", parsed));
  EXPECT_EQ(parsed.value(), 0x2Fu);
  for (const wchar_t* bad : {L"", L"G1", L"12 ", L"-1", L"10000000000000000"}) {
    AcDbHandle h(Adesk::UInt64(7));
    EXPECT_FALSE(AcDbHandle::parse(bad, h)) << bad;
    EXPECT_EQ(h.value(), 7u);
  }
  ACHAR small[2];
  EXPECT_FALSE(AcDbHandle(Adesk::UInt64(0x123)).getIntoAsciiBuffer(small, 2));
  EXPECT_STREQ(small, L"");
  AcDbHandle h(Adesk::UInt64(0xFF));
  ++h;
  EXPECT_EQ(h.text(), L"100");
}

TEST(ObjectIdTest, HandlesAreUniqueAndIdsStable) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbObjectId a = AddTestEntity(db.get(), 1), b = AddTestEntity(db.get(), 2);
  ASSERT_FALSE(a.isNull());
  EXPECT_NE(a.handle(), b.handle());
  EXPECT_EQ(a.database(), db.get());
  EXPECT_EQ(a.objectClass(), TestEntity::desc());
  AcDbObjectId again;
  ASSERT_EQ(db->getAcDbObjectId(again, false, a.handle()), Acad::eOk);
  EXPECT_EQ(again, a);
  EXPECT_GT(db->handseed(), b.handle());
  // Erased objects keep their id.
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, a, AcDb::kForWrite), Acad::eOk);
  obj->erase();
  obj->close();
  EXPECT_TRUE(a.isErased());
  EXPECT_TRUE(a.isValid());
  ASSERT_EQ(db->getAcDbObjectId(again, false, a.handle()), Acad::eOk);
  EXPECT_EQ(again, a);
  ads_name name;
  acdbGetAdsName(name, b);
  AcDbObjectId back;
  ASSERT_EQ(acdbGetObjectId(back, name), Acad::eOk);
  EXPECT_EQ(back, b);
}

TEST(ObjectIdTest, FileReaderSlotsAndGivenHandles) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, true));
  AcDbObjectId forward;
  EXPECT_EQ(db->getAcDbObjectId(forward, false, AcDbHandle(Adesk::UInt64(0x500))), Acad::eUnknownHandle);
  ASSERT_EQ(db->getAcDbObjectId(forward, true, AcDbHandle(Adesk::UInt64(0x500))), Acad::eOk);
  EXPECT_FALSE(forward.isValid());
  EXPECT_EQ(forward.handle().value(), 0x500u);

  TestEntity* ent = new TestEntity;
  AcDbObjectId id;
  ASSERT_EQ(db->addObjectWithHandle(ent, AcDbHandle(Adesk::UInt64(0x500)), id), Acad::eOk);
  EXPECT_EQ(id, forward);  // the slot made before the object is its id
  EXPECT_TRUE(ent->isWriteEnabled());
  ent->close();
  TestEntity* other = new TestEntity;
  AcDbObjectId otherId;
  EXPECT_EQ(db->addObjectWithHandle(other, AcDbHandle(Adesk::UInt64(0x500)), otherId), Acad::eHandleInUse);
  delete other;
  EXPECT_GT(db->handseed().value(), 0x500u);
  EXPECT_EQ(db->setHandseed(AcDbHandle(Adesk::UInt64(0x100))), Acad::eInvalidInput);
}
