// AcDbObjectPointer<T>: an open object that closes itself. It opens by id (openStatus() tells
// the result) or takes a new object (create(), acquire()); at the end it closes an object that
// is in a database and deletes one that is not.
#pragma once

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"

template <class T>
class AcDbObjectPointer {
 public:
  AcDbObjectPointer() = default;
  AcDbObjectPointer(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false) {
    open(id, mode, openErased);
  }
  ~AcDbObjectPointer() { closeOrDelete(); }
  AcDbObjectPointer(const AcDbObjectPointer&) = delete;
  AcDbObjectPointer& operator=(const AcDbObjectPointer&) = delete;

  Acad::ErrorStatus open(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForRead, bool openErased = false) {
    closeOrDelete();
    status_ = acdbOpenObject(object_, id, mode, openErased);
    return status_;
  }
  Acad::ErrorStatus openStatus() const { return status_; }
  // A new T owned by the pointer.
  Acad::ErrorStatus create() {
    closeOrDelete();
    object_ = new T();
    status_ = Acad::eOk;
    return status_;
  }
  // Takes an open (or new) object; the caller's pointer becomes null.
  Acad::ErrorStatus acquire(T*& pObj) {
    closeOrDelete();
    object_ = pObj;
    pObj = nullptr;
    status_ = object_ ? Acad::eOk : Acad::eNullObjectPointer;
    return status_;
  }
  // Gives the object back to the caller (still open); the pointer forgets it.
  Acad::ErrorStatus release(T*& pObj) {
    pObj = object_;
    object_ = nullptr;
    status_ = Acad::eNullObjectPointer;
    return Acad::eOk;
  }
  // Closes (or deletes) now.
  Acad::ErrorStatus close() {
    closeOrDelete();
    return Acad::eOk;
  }

  T* object() const { return object_; }
  T* operator->() const { return object_; }
  operator T*() const { return object_; }  // NOLINT

 private:
  void closeOrDelete() {
    if (!object_) return;
    if (object_->objectId().isNull())
      delete object_;
    else
      object_->close();
    object_ = nullptr;
    status_ = Acad::eNullObjectPointer;
  }

  T* object_ = nullptr;
  Acad::ErrorStatus status_ = Acad::eNullObjectPointer;
};

typedef AcDbObjectPointer<AcDbObject> AcDbObjectPointerBase;
typedef AcDbObjectPointer<AcDbEntity> AcDbEntityPointer;
