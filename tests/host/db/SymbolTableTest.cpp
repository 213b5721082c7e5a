// Symbol tables: the defaults of a new database, names without regard to case, records that
// refuse bad or duplicate names, iteration.
#include <gtest/gtest.h>

#include <memory>

#include "TestEntity.h"

TEST(SymbolTableTest, NewDatabaseHasTheDefaults) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  struct Case {
    AcDbObjectId table;
    const wchar_t* name;
  } cases[] = {{db->blockTableId(), L"*MODEL_SPACE"}, {db->blockTableId(), L"*paper_space"},
               {db->layerTableId(), L"0"},            {db->textStyleTableId(), L"standard"},
               {db->dimStyleTableId(), L"STANDARD"},  {db->linetypeTableId(), L"bylayer"},
               {db->linetypeTableId(), L"ByBlock"},   {db->linetypeTableId(), L"CONTINUOUS"},
               {db->regAppTableId(), L"acad"}};
  for (const Case& c : cases) {
    AcDbSymbolTable* table = nullptr;
    ASSERT_EQ(acdbOpenObject(table, c.table, AcDb::kForRead), Acad::eOk);
    EXPECT_TRUE(table->has(c.name)) << c.name;
    table->close();
  }
  EXPECT_EQ(db->clayer(), db->layerZero());
  EXPECT_EQ(db->celtype(), db->byLayerLinetype());
  AcDbLayerTableRecord* zero = nullptr;
  ASSERT_EQ(acdbOpenObject(zero, db->layerZero(), AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(zero->color().colorIndex(), 7);
  EXPECT_EQ(zero->linetypeObjectId(), db->continuousLinetype());
  zero->close();
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(ms->isLayout());
  EXPECT_FALSE(ms->isAnonymous());
  ms->close();
}

TEST(SymbolTableTest, AddGetAndIterate) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db->getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  AcDbLayerTableRecord* dims = new AcDbLayerTableRecord;
  ASSERT_EQ(dims->setName(L"Bema\u00dfung"), Acad::eOk);
  AcDbObjectId dimsId;
  ASSERT_EQ(layers->add(dimsId, dims), Acad::eOk);
  dims->close();
  AcDbLayerTableRecord* dup = new AcDbLayerTableRecord;
  dup->setName(L"BEMA\u00dfUNG");
  EXPECT_EQ(layers->add(dup), Acad::eDuplicateRecordName);
  EXPECT_EQ(dup->setName(L"bad<name"), Acad::eInvalidSymbolTableName);
  delete dup;
  AcDbLayerTableRecord* unnamed = new AcDbLayerTableRecord;
  EXPECT_EQ(layers->add(unnamed), Acad::eInvalidSymbolTableName);
  delete unnamed;  // a refused record stays the caller's
  AcDbTextStyleTableRecord* wrong = new AcDbTextStyleTableRecord;
  wrong->setName(L"X");
  EXPECT_EQ(layers->add(wrong), Acad::eWrongObjectType);
  delete wrong;

  AcDbObjectId found;
  EXPECT_EQ(layers->getAt(L"bema\u00dfung", found), Acad::eOk);
  EXPECT_EQ(found, dimsId);
  AcDbLayerTableRecord* rec = nullptr;
  layers->close();
  ASSERT_EQ(db->getLayerTable(layers, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(layers->getAt(L"BEMA\u00dfUNG", rec, AcDb::kForWrite), Acad::eOk);
  rec->setIsFrozen(true);
  rec->close();
  AcDbLayerTableIterator* it = nullptr;
  layers->newIterator(it);
  std::vector<std::wstring> names;
  for (; !it->done(); it->step()) {
    AcDbLayerTableRecord* r = nullptr;
    ASSERT_EQ(it->getRecord(r), Acad::eOk);
    names.push_back(r->nameString());
    r->close();
  }
  delete it;
  layers->close();
  EXPECT_EQ(names, (std::vector<std::wstring>{L"0", L"Bema\u00dfung"}));
}

TEST(SymbolTableTest, EntitiesResolveLayersWhenAppended) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbObjectId id = AddTestEntity(db.get(), 1, L"NewLayer");
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(acdbOpenAcDbEntity(ent, id, AcDb::kForWrite), Acad::eOk);
  EXPECT_STREQ(ent->layer(), L"NewLayer");
  EXPECT_FALSE(ent->layerId().isNull());
  EXPECT_EQ(ent->setLayer(L"missing"), Acad::eKeyNotFound);
  EXPECT_EQ(ent->setLayer(L"0"), Acad::eOk);
  EXPECT_STREQ(ent->linetype(), L"ByLayer");
  ent->close();
}

TEST(SymbolTableTest, AnonymousBlocksAreNumbered) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(true, true));
  AcDbBlockTable* blocks = nullptr;
  ASSERT_EQ(db->getBlockTable(blocks, AcDb::kForWrite), Acad::eOk);
  std::vector<std::wstring> names;
  for (int i = 0; i < 2; ++i) {
    AcDbBlockTableRecord* rec = new AcDbBlockTableRecord;
    ASSERT_EQ(rec->setName(L"*U"), Acad::eOk);
    ASSERT_EQ(blocks->add(rec), Acad::eOk);
    EXPECT_TRUE(rec->isAnonymous());
    names.push_back(rec->nameString());
    rec->close();
  }
  blocks->close();
  EXPECT_EQ(names, (std::vector<std::wstring>{L"*U1", L"*U2"}));
}
