// The database tests' entity and reactors.
#include "TestEntity.h"

#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeTestEntity() { return new TestEntity; }
AcRxObject* MakeLogReactor() { return new LogPersistentReactor; }
}  // namespace

ZHOST_RX_HOST_MEMBERS(TestEntity, AcDbEntity, MakeTestEntity)
ZHOST_RX_HOST_MEMBERS(LogPersistentReactor, AcDbObject, MakeLogReactor)

std::vector<std::wstring>& NotificationLog() {
  static std::vector<std::wstring> log;
  return log;
}

void TestEntity::setValuePartial(int v) {
  assertWriteEnabled(false, true);
  AcDbDwgFiler* filer = undoFiler();
  filer->writeAddress(TestEntity::desc());
  filer->writeInt32(value_);
  value_ = v;
}

Acad::ErrorStatus TestEntity::applyPartialUndo(AcDbDwgFiler* filer, AcRxClass* cls) {
  if (cls != TestEntity::desc()) return AcDbEntity::applyPartialUndo(filer, cls);
  Adesk::Int32 old = 0;
  if (filer->readInt32(&old) != Acad::eOk) return filer->filerStatus();
  setValuePartial(old);
  return Acad::eOk;
}

Acad::ErrorStatus TestEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt32(value_);
  return filer->filerStatus();
}

Acad::ErrorStatus TestEntity::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 v = 0;
  if (filer->readInt32(&v) != Acad::eOk) return filer->filerStatus();
  value_ = v;
  return Acad::eOk;
}

AcDbObjectId AddTestEntity(AcDbDatabase* db, int value, const wchar_t* layer) {
  AcDbBlockTableRecord* ms = nullptr;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
  TestEntity* ent = new TestEntity;
  ent->setValue(value);
  if (layer) ent->setLayer(layer);
  AcDbObjectId id;
  if (ms->appendAcDbEntity(id, ent) != Acad::eOk) delete ent;
  else ent->close();
  ms->close();
  return id;
}
