// Opening objects by id.
#include "host/db/AcDbOpenObject.h"

#include "host/db/AcDbEntity.h"
#include "host/db/ObjectAccess.h"

Acad::ErrorStatus acdbOpenObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  pObj = nullptr;
  if (id.isNull()) return Acad::eNullObjectId;
  AcDbObject* obj = zhost::PeekObject(id);
  if (!obj) return Acad::eUnknownHandle;
  Acad::ErrorStatus es = zhost::ObjectAccess::open(obj, mode, openErased);
  if (es == Acad::eOk) pObj = obj;
  return es;
}

Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  return acdbOpenObject(pObj, id, mode, openErased);
}

Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode, bool openErased) {
  pEnt = nullptr;
  AcDbObject* obj = zhost::PeekObject(id);
  if (obj && !AcDbEntity::cast(obj)) return Acad::eNotAnEntity;
  AcDbObject* opened = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(opened, id, mode, openErased);
  if (es == Acad::eOk) pEnt = AcDbEntity::cast(opened);
  return es;
}
