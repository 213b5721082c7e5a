// Proxies: an object of a class the host does not know keeps the class's items and files them
// back unchanged; a registered class is created by name.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

TEST(ProxyTest, UnknownClassKeepsItsItemsExactly) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbObjectId target = AddTestEntity(db.get(), 1);

  // What a module's entity filed: the common part, then its own items.
  AcDbEntity source;
  zhost::MemoryFiler written(AcDb::kFileFiler, db.get());
  source.dwgOutFields(&written);
  size_t common = written.items().size();
  written.writeInt16(3);
  written.writeString(L"chain");
  written.writeHardPointerId(target);
  written.writePoint3d(AcGePoint3d(1, 2, 3));

  AcDbObject* obj = zhost::CreateObjectOfClass(L"QBdimUnknown", L"QBDIM_UNKNOWN", L"Some app", AcDb::kEraseAllowed, true);
  AcDbProxyEntity* proxy = AcDbProxyEntity::cast(obj);
  ASSERT_NE(proxy, nullptr);
  EXPECT_STREQ(proxy->originalClassName(), L"QBdimUnknown");
  written.rewind();
  ASSERT_EQ(proxy->dwgInFields(&written), Acad::eOk);
  EXPECT_EQ(proxy->proxyData().items.size(), 4u);
  AcDbObjectIdArray refs;
  proxy->getReferenceId(refs);
  ASSERT_EQ(refs.length(), 1);
  EXPECT_EQ(refs[0], target);

  zhost::MemoryFiler rewritten(AcDb::kFileFiler, db.get());
  ASSERT_EQ(proxy->dwgOutFields(&rewritten), Acad::eOk);
  ASSERT_EQ(rewritten.items().size(), written.items().size());
  for (size_t i = common; i < written.items().size(); ++i) EXPECT_TRUE(rewritten.items()[i] == written.items()[i]) << i;
  delete proxy;

  TestEntity::desc();  // the class is registered
  AcDbObject* known = zhost::CreateObjectOfClass(L"TestEntity", L"", L"", 0, true);
  EXPECT_NE(TestEntity::cast(known), nullptr);
  delete known;
  AcDbObject* plain = zhost::CreateObjectOfClass(L"NoSuchObject", L"", L"", 0, false);
  EXPECT_NE(AcDbProxyObject::cast(plain), nullptr);
  delete plain;
}

TEST(ProxyTest, ProxyFlagsDecideWhatIsAllowed) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbProxyEntity* proxy = AcDbProxyEntity::cast(zhost::CreateObjectOfClass(L"X", L"X", L"", 0, true));
  AcDbObjectId id;
  ASSERT_EQ(ms->appendAcDbEntity(id, proxy), Acad::eOk);
  EXPECT_EQ(proxy->erase(), Acad::eNotAllowedForThisProxy);
  EXPECT_EQ(proxy->transformBy(AcGeMatrix3d::kIdentity), Acad::eNotAllowedForThisProxy);
  EXPECT_FALSE(proxy->isErased());
  proxy->close();
  ms->close();
}
