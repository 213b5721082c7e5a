// zhost::ObjectAccess: the database layer's own access to an object's slot and open state (not
// for module code): attaching objects to databases, opening, the notifications of a close, undo.
#pragma once

#include <functional>

#include "host/db/AcDbObject.h"
#include "host/db/MemoryFiler.h"
#include "host/db/ObjectStub.h"

class AcDbDatabaseReactor;

namespace zhost {

class ObjectAccess {
 public:
  static ObjectStub* stub(const AcDbObject* obj) { return obj->stub_; }
  // Puts a new object into a database slot, open for write as a new object.
  static void attach(AcDbObject* obj, ObjectStub* stub);
  // What acdbOpenObject does (the checks and the new open state).
  static Acad::ErrorStatus open(AcDbObject* obj, AcDb::OpenMode mode, bool openErased);
  static bool isOpen(const AcDbObject* obj);
  static void setErased(AcDbObject* obj, bool erased) { obj->erased_ = erased; }
  // Object-side notifications of an append or its undo.
  static void notifyAppended(AcDbObject* obj);
  static void undoAppend(AcDbObject* obj);
  // Undo: files the state back in (or applies a partial record) and notifies.
  static void restore(AcDbObject* obj, MemoryFiler& before, bool erasedBefore);
  static void applyPartial(AcDbObject* obj, MemoryFiler& record);
  // Database reactors, with the database's reactor list copied first (a reactor may remove
  // itself) and each callback's exceptions caught.
  static void forEachDbReactor(AcDbDatabase* db, const std::function<void(AcDbDatabaseReactor*)>& fn);
  // The database is going: transient reactors hear goodbye, the object forgets its slot.
  static void detachForDelete(AcDbObject* obj);
  // Whether an entity's layer is locked.
  static bool onLockedLayer(const AcDbObject* obj);

  // Open-state steps and notification delivery (the object code).
  static void beginWrite(AcDbObject* obj);
  static void finishWrite(AcDbObject* obj, bool sendNotifications);
  static void sendChangeNotifications(AcDbObject* obj, bool modified, bool xdata, bool eraseToggled, bool graphics);
  static void deliver(AcDbObject* obj, const std::function<void(AcDbObjectReactor*)>& transient,
                      const std::function<void(AcDbObject*)>& persistent);
  static void takeBefore(AcDbObject* obj);
};

// Runs fn, catching and reporting what it throws (reactor callbacks, object hooks).
void Guarded(const wchar_t* what, const std::function<void()>& fn);

}  // namespace zhost
