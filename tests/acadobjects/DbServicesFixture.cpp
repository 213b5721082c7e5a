// Fixture of the document and database service tests.
#include "tests/acadobjects/DbServicesFixture.h"

#include "acadobjects/DocLocks.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"

void DbServicesFixture::SetUp() {
  AcadObjectsFixture::SetUp();
  UnlockAll();
}

void DbServicesFixture::TearDown() {
  UnlockAll();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  for (AcApDocument* doc : m_docs) acDocManagerPtr()->closeDocument(doc, nullptr);
  m_docs.clear();
  AcadObjectsFixture::TearDown();
}

AcApDocument* DbServicesFixture::NewDocument() {
  AcApDocument* doc = acDocManagerPtr()->newDocument();
  EXPECT_NE(doc, nullptr);
  m_docs.push_back(doc);
  acDocManagerPtr()->setCurDocument(doc);
  acdbHostApplicationServices()->setWorkingDatabase(doc->database());
  return doc;
}

std::unique_ptr<AcDbDatabase> DbServicesFixture::SideDatabase() {
  return std::unique_ptr<AcDbDatabase>(new AcDbDatabase(true, true));
}

AcDbObjectId DbServicesFixture::AddLayer(AcDbDatabase* db, const wchar_t* name, bool frozen, bool locked) {
  AcDbLayerTable* table = nullptr;
  EXPECT_EQ(db->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  AcDbLayerTableRecord* record = nullptr;
  if (table->getAt(name, id) == Acad::eOk) {
    EXPECT_EQ(acdbOpenObject(record, id, AcDb::kForWrite), Acad::eOk);
  } else {
    record = new AcDbLayerTableRecord;
    record->setName(name);
    EXPECT_EQ(table->add(id, record), Acad::eOk);
  }
  table->close();
  record->setIsFrozen(frozen);
  record->setIsLocked(locked);
  record->close();
  return id;
}

void DbServicesFixture::LayerState(AcDbObjectId layer, bool& frozen, bool& locked) {
  AcDbLayerTableRecord* record = nullptr;
  ASSERT_EQ(acdbOpenObject(record, layer, AcDb::kForRead), Acad::eOk);
  frozen = record->isFrozen();
  locked = record->isLocked();
  record->close();
}

AcDbObjectId DbServicesFixture::Append(AcDbObjectId block, AcDbEntity* entity) {
  AcDbBlockTableRecord* record = nullptr;
  EXPECT_EQ(acdbOpenObject(record, block, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  EXPECT_EQ(record->appendAcDbEntity(id, entity), Acad::eOk);
  record->close();
  entity->close();
  return id;
}

AcDbObjectId DbServicesFixture::AddLine(AcDbDatabase* db, const wchar_t* layer, AcDbObjectId block) {
  AcDbLine* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  line->setLayer(layer);
  return Append(block.isNull() ? db->modelSpaceId() : block, line);
}

AcDbObjectId DbServicesFixture::AddBlock(AcDbDatabase* db, const wchar_t* name, const wchar_t* xrefPath) {
  AcDbBlockTable* table = nullptr;
  EXPECT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbBlockTableRecord* record = new AcDbBlockTableRecord;
  record->setName(name);
  if (xrefPath) record->setPathName(xrefPath);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, record), Acad::eOk);
  record->close();
  table->close();
  return id;
}
