// Opening objects by id. Several readers or one writer: a read-open of an object open for write
// gives eWasOpenForWrite; a write-open of an object open for read eWasOpenForRead, of one open
// for write eWasOpenForWrite, of one sending notifications eWasOpenForNotify; an erased object
// opens only with openErased (eWasErased); a write-open of an entity on a locked layer gives
// eOnLockedLayer; a null id eNullObjectId, an id without object eUnknownHandle. kForNotify
// always opens. Every successful open is ended by one close().
#pragma once

#include "host/db/AcDb.h"
#include "host/db/AcDbObject.h"
#include "host/db/AcDbObjectId.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbEntity;

Acad::ErrorStatus acdbOpenObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead,
                                 bool openErased = false);
Acad::ErrorStatus acdbOpenAcDbObject(AcDbObject*& pObj, AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead,
                                     bool openErased = false);
// eNotAnEntity (nothing left open) when the object is not an entity.
Acad::ErrorStatus acdbOpenAcDbEntity(AcDbEntity*& pEnt, AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead,
                                     bool openErased = false);

// Typed open: eNotThatKindOfClass (nothing left open) when the object is not a T.
template <class T>
Acad::ErrorStatus acdbOpenObject(T*& pObj, AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead,
                                 bool openErased = false) {
  pObj = nullptr;
  AcDbObject* object = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(object, id, mode, openErased);
  if (es != Acad::eOk) return es;
  T* typed = T::cast(object);
  if (!typed) {
    object->close();
    return Acad::eNotThatKindOfClass;
  }
  pObj = typed;
  return Acad::eOk;
}
