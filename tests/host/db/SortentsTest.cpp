// Draw order: the sort-ents table of a block, created on demand in its extension dictionary.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

namespace {

std::vector<AcDbObjectId> Order(AcDbDatabase* db) {
  AcDbBlockTableRecord* ms = nullptr;
  EXPECT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbSortentsTable* table = nullptr;
  EXPECT_EQ(ms->getSortentsTable(table, AcDb::kForRead, true), Acad::eOk);
  AcDbObjectIdArray ids;
  table->getFullDrawOrder(ids);
  table->close();
  ms->close();
  return std::vector<AcDbObjectId>(ids.asArrayPtr(), ids.asArrayPtr() + ids.length());
}

}  // namespace

TEST(SortentsTest, MoveToTopAndBottom) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbObjectId a = AddTestEntity(db.get(), 1), b = AddTestEntity(db.get(), 2), c = AddTestEntity(db.get(), 3);
  EXPECT_EQ(Order(db.get()), (std::vector<AcDbObjectId>{a, b, c}));

  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbSortentsTable* table = nullptr;
  ASSERT_EQ(ms->getSortentsTable(table, AcDb::kForWrite, false), Acad::eOk);  // made by Order
  AcDbObjectIdArray ids;
  ids.append(a);
  ASSERT_EQ(table->moveToTop(ids), Acad::eOk);
  ids.setAt(0, c);
  ASSERT_EQ(table->moveToBottom(ids), Acad::eOk);
  AcDbObjectIdArray foreign;
  foreign.append(db->layerZero());
  EXPECT_EQ(table->moveToTop(foreign), Acad::eInvalidInput);
  table->close();
  ms->close();
  EXPECT_EQ(Order(db.get()), (std::vector<AcDbObjectId>{c, b, a}));

  AcDbObjectId d = AddTestEntity(db.get(), 4);  // new entities are drawn on top
  EXPECT_EQ(Order(db.get()), (std::vector<AcDbObjectId>{c, b, a, d}));
  AcDbObject* obj = nullptr;
  ASSERT_EQ(acdbOpenObject(obj, b, AcDb::kForWrite), Acad::eOk);
  obj->erase();
  obj->close();
  EXPECT_EQ(Order(db.get()), (std::vector<AcDbObjectId>{c, a, d}));

  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbDictionary* dict = nullptr;
  ASSERT_EQ(acdbOpenObject(dict, ms->extensionDictionary(), AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(dict->has(L"acad_sortents"));
  dict->close();
  ms->close();
}
