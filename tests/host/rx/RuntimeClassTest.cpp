// Runtime classes, the system registry's dictionaries, protocol extensions and services.
#include <gtest/gtest.h>

#include <memory>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbMatchProperties.h"
#include "host/rx/acrx.h"

namespace {

class Shape : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(Shape);
};
class Square : public Shape {
 public:
  ACRX_DECLARE_MEMBERS(Square);
};
ACRX_NO_CONS_DEFINE_MEMBERS(Shape, AcRxObject)
ACRX_CONS_DEFINE_MEMBERS(Square, Shape, 1)

class Mark : public AcRxObject {};

TEST(RuntimeClasses, KindOfAndCastFollowTheHierarchy) {
  Shape::rxInit();
  Square::rxInit();
  acrxBuildClassHierarchy();
  Square square;
  Shape shape;
  EXPECT_EQ(square.isA(), Square::desc());
  EXPECT_TRUE(square.isKindOf(Shape::desc()));
  EXPECT_TRUE(square.isKindOf(AcRxObject::desc()));
  EXPECT_FALSE(shape.isKindOf(Square::desc()));
  EXPECT_EQ(Shape::cast(&square), &square);
  EXPECT_EQ(Square::cast(&shape), nullptr);
  EXPECT_EQ(Square::cast(nullptr), nullptr);
  EXPECT_STREQ(Square::desc()->myParent()->name(), L"Shape");
  std::unique_ptr<AcRxObject> made(Square::desc()->create());
  ASSERT_TRUE(made);
  EXPECT_EQ(made->isA(), Square::desc());
  EXPECT_EQ(Shape::desc()->create(), nullptr);
}

TEST(RuntimeClasses, HostClassesExistFromTheStart) {
  AcDbEntity entity;
  EXPECT_TRUE(entity.isKindOf(AcDbObject::desc()));
  EXPECT_EQ(AcDbEntity::cast(&entity), &entity);
  AcRxDictionary* classes = acrxClassDictionary;
  ASSERT_TRUE(classes);
  EXPECT_EQ(classes->at(L"AcDbEntity"), AcDbEntity::desc());
  EXPECT_TRUE(AcRxDictionary::cast(acrxSysRegistry()->at(ACRX_SERVICE_DICTIONARY)));
  EXPECT_TRUE(acrxDynamicLinker);
}

TEST(RuntimeClasses, ParentRegisteredLaterIsFoundAndDeletionIsSeen) {
  AcRxClass* child = newAcRxClass(L"LateChild", L"LateParent", 31, 125, 3071, nullptr, L"LATE_CHILD", L"app|x");
  ASSERT_TRUE(child);
  EXPECT_EQ(child->myParent(), nullptr);
  AcRxClass* parent = newAcRxClass(L"LateParent", L"AcDbEntity");
  acrxBuildClassHierarchy();
  EXPECT_EQ(child->myParent(), parent);
  EXPECT_TRUE(child->isDerivedFrom(AcDbEntity::desc()));
  int dwg = 0, maint = 0;
  child->getClassVersion(dwg, maint);
  EXPECT_EQ(dwg, 31);
  EXPECT_EQ(maint, 125);
  EXPECT_EQ(child->proxyFlags(), 3071);
  EXPECT_STREQ(child->dxfName(), L"LATE_CHILD");
  EXPECT_EQ(newAcRxClass(L"LateChild", L"Other"), child) << "an existing class is kept";

  deleteAcRxClass(parent);
  EXPECT_EQ(acrxClassDictionary->at(L"LateParent"), nullptr);
  EXPECT_EQ(child->myParent(), nullptr);
  EXPECT_FALSE(child->isDerivedFrom(AcDbEntity::desc()));
  deleteAcRxClass(child);
  EXPECT_FALSE(acrxClassDictionary->has(L"LateChild"));
}

TEST(RuntimeClasses, ModuleClassCacheSeesReRegistration) {
  Shape::rxInit();
  AcRxClass* first = Shape::desc();
  ASSERT_TRUE(first);
  deleteAcRxClass(first);
  EXPECT_EQ(Shape::desc(), nullptr);
  Shape::rxInit();
  EXPECT_TRUE(Shape::desc());
  EXPECT_STREQ(Shape::desc()->name(), L"Shape");
}

TEST(Dictionary, StoresReplacesRemovesAndIterates) {
  AcRxDictionary dict(true);
  AcRxObject* a = new Mark;
  AcRxObject* b = new Mark;
  EXPECT_EQ(dict.atPut(L"b", a), nullptr);
  EXPECT_EQ(dict.atPut(L"b", b), a) << "the previous object is handed back";
  delete a;
  dict.atPut(L"a", new Mark);
  EXPECT_EQ(dict.numEntries(), 2u);
  EXPECT_EQ(dict.at(L"B"), nullptr) << "keys are case-sensitive";
  std::unique_ptr<AcRxDictionaryIterator> it(dict.newIterator());
  std::vector<std::wstring> keys;
  for (; !it->done(); it->next()) keys.push_back(it->key());
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"a", L"b"}));
  EXPECT_TRUE(dict.resetKey(L"b", L"c"));
  EXPECT_EQ(dict.at(L"c"), b);
  EXPECT_FALSE(dict.resetKey(L"a", L"c")) << "a key in use is refused";
  delete dict.remove(L"c");
  EXPECT_EQ(dict.remove(L"c"), nullptr);
  EXPECT_EQ(dict.at(nullptr), nullptr);
}

class Describe : public AcRxObject {
 public:
  explicit Describe(int v) : value(v) {}
  int value;
};

TEST(ProtocolExtension, QueryFindsTheNearestClassAndDelRemoves) {
  AcRxClass* protocol = AcDbMatchProperties::desc();
  Describe onObject(1), onEntity(2);
  AcDbObject::desc()->addX(protocol, &onObject);
  EXPECT_EQ(AcDbEntity::desc()->addX(protocol, &onEntity), nullptr);
  AcDbEntity entity;
  AcDbObject object;
  EXPECT_EQ(entity.queryX(protocol), &onEntity);
  EXPECT_EQ(object.queryX(protocol), &onObject);
  EXPECT_EQ(AcDbEntity::desc()->delX(protocol), &onEntity);
  EXPECT_EQ(entity.queryX(protocol), &onObject) << "the parent's extension applies after delX";
  EXPECT_EQ(AcDbObject::desc()->delX(protocol), &onObject);
  EXPECT_EQ(entity.queryX(protocol), nullptr);
  EXPECT_EQ(AcDbObject::desc()->delX(protocol), nullptr);
}

TEST(Services, RegisterOnceAndCountDependencies) {
  AcRxObject* obj = acrxRegisterService(L"TestService");
  ASSERT_TRUE(obj);
  EXPECT_EQ(acrxRegisterService(L"TestService"), obj);
  EXPECT_TRUE(acrxServiceIsRegistered(L"TestService"));
  AcRxService* service = AcRxService::cast(acrxServiceDictionary->at(L"TestService"));
  ASSERT_EQ(service, obj);
  service->addDependency();
  service->addDependency();
  EXPECT_EQ(service->dependencyCount(), 2);
  EXPECT_FALSE(service->unloadable());
  service->removeDependency();
  service->removeDependency();
  service->removeDependency();
  EXPECT_EQ(service->dependencyCount(), 0) << "never below zero";
  EXPECT_TRUE(service->unloadable());
  delete acrxServiceDictionary->remove(L"TestService");
}

}  // namespace
