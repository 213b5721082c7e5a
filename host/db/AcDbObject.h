// AcDbObject: the root of everything a drawing database holds. An object in a database is owned
// by the database and reached through its id: open it (acdbOpenObject), use it, close() it.
// Several readers or one writer at a time; after a write-open the close sends the notifications
// (transient reactors, then persistent reactors opened for notify, then database reactors) and
// the undo layer has kept the object's state from before the first change (its own
// dwgOutFields). An object that is not in a database belongs to its creator, who deletes it;
// it is always readable and writable.
#pragma once

#include <memory>
#include <vector>

#include "host/db/AcDb.h"
#include "host/db/AcDbHandle.h"
#include "host/db/AcDbObjectId.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcDbDwgFiler;
class AcDbDxfFiler;
class AcDbObjectReactor;

namespace zhost {
class MemoryFiler;
struct ObjectStub;
class ObjectAccess;
}

class AcDbObject : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObject);

  AcDbObject();
  ~AcDbObject() override;
  AcDbObject(const AcDbObject&) = delete;
  AcDbObject& operator=(const AcDbObject&) = delete;

  // Identity.
  AcDbObjectId objectId() const;
  AcDbObjectId id() const { return objectId(); }
  AcDbObjectId ownerId() const { return ownerId_; }
  virtual Acad::ErrorStatus setOwnerId(AcDbObjectId objId);
  void getAcDbHandle(AcDbHandle& handle) const { handle = this->handle(); }
  AcDbHandle handle() const;
  // The database holding the object; null for an object not in a database.
  AcDbDatabase* database() const;
  // The database the object goes to (setDatabaseDefaults); its own database once added.
  AcDbDatabase* intendedDatabase() const;
  Acad::ErrorStatus setIntendedDatabase(AcDbDatabase* db);

  // Open state. close: the end of one open (read, write or notify, the innermost first). An
  // object not in a database cannot be closed: a diagnostic, eNotInDatabase; delete it instead.
  Acad::ErrorStatus close();
  Acad::ErrorStatus closeAndPage(Adesk::Boolean onlyWhenClean = true);
  // Ends a write-open and takes back the changes made since it was opened (no notifications).
  Acad::ErrorStatus cancel();
  // Read -> write when this is the only reader (eHadMultipleReaders otherwise; eWasNotifying
  // while the object is sending notifications).
  Acad::ErrorStatus upgradeOpen();
  // Write -> read; the notifications of the write-open are sent now.
  Acad::ErrorStatus downgradeOpen();
  // From notify to write for a change during a notification; downgradeToNotify goes back.
  Acad::ErrorStatus upgradeFromNotify(Adesk::Boolean& wasWritable);
  Acad::ErrorStatus downgradeToNotify(Adesk::Boolean wasWritable);

  bool isReadEnabled() const;
  bool isWriteEnabled() const;
  bool isNotifyEnabled() const;
  // Sending the notifications of a close.
  bool isNotifying() const { return notifying_; }
  bool isUndoing() const;
  bool isCancelling() const { return cancelling_; }
  bool isReallyClosing() const { return true; }
  bool isTransactionResident() const { return false; }
  bool isErased() const { return erased_; }
  bool isEraseStatusToggled() const { return eraseToggled_; }
  // Appended and not closed since.
  bool isNewObject() const { return newObject_; }
  // Changes during the current write-open.
  bool isModified() const { return modified_; }
  bool isModifiedXData() const { return modifiedXData_; }
  bool isModifiedGraphics() const { return modifiedGraphics_; }
  bool isPersistent() const { return stub_ != nullptr; }
  bool isReadOnly() const { return false; }
  virtual bool isAProxy() const { return false; }

  // Throw zhost::AssertionError when the object is not open that way.
  void assertReadEnabled() const;
  // Also: the first call of a write-open keeps the object's state (dwgOutFields into the undo
  // record; autoUndo false: the object records partial undo itself through undoFiler()), and
  // with recordModified marks the object modified and sends openedForModify.
  void assertWriteEnabled(Adesk::Boolean autoUndo = true, Adesk::Boolean recordModified = true);
  void assertNotifyEnabled() const;

  // Erasing: the object must be open for write. eIsAlreadyErased / eWasNotErased when nothing
  // changes. subErase is the hook derived classes refuse or prepare an erase in.
  Acad::ErrorStatus erase(Adesk::Boolean erasing = true);
  virtual Acad::ErrorStatus subErase(Adesk::Boolean erasing);

  // Extended data. xData gives a new list (the caller frees it with acutRelRb) that starts at
  // the 1001 group of the application (all applications when null or ""), null when there is
  // none. setXData takes a copy: a leading -3 group is skipped; every application named (1001)
  // must be in the registered-application table (eRegappIdNotFound); an application with no
  // group after its name loses its data; others replace theirs; the whole xdata may hold at
  // most 16383 bytes (eXdataSizeExceeded); group codes must be xdata codes (eInvalidInput).
  // Nothing changes when it fails.
  virtual resbuf* xData(const ACHAR* regappName = nullptr) const;
  virtual Acad::ErrorStatus setXData(const resbuf* xdata);
  // Bytes of the object's xdata as the limit counts them.
  int xDataSize() const;
  static constexpr int kMaxXDataSize = 16383;

  // Transient reactors (not owned, not filed).
  void addReactor(AcDbObjectReactor* reactor) const;
  void removeReactor(AcDbObjectReactor* reactor) const;
  // Persistent reactors: objects of the same database, notified opened for notify, filed.
  virtual void addPersistentReactor(AcDbObjectId objId);
  virtual Acad::ErrorStatus removePersistentReactor(AcDbObjectId objId);
  bool hasPersistentReactor(AcDbObjectId objId) const;
  AcDbObjectIdArray persistentReactors() const;
  bool hasReactor(const AcDbObjectReactor* reactor) const;

  // The extension dictionary (owned by the object), null id when there is none.
  AcDbObjectId extensionDictionary() const { return extDict_; }
  Acad::ErrorStatus createExtensionDictionary();
  // Only an empty one (eContainerNotEmpty is eNotApplicable here).
  Acad::ErrorStatus releaseExtensionDictionary();

  // Filing. The base files: SoftPointerId owner; Int32 count and SoftPointerId each persistent
  // reactor; HardOwnershipId extension dictionary; Int32 count of xdata groups, then per group
  // Int16 code and its value (String for 1000-1003 and 1005, BinaryChunk for 1004, Point3d for
  // 1010-1013, Double for 1040-1042, Int16 for 1070, Int32 for 1071).
  // A derived class calls its parent first:
  //   Acad::ErrorStatus Foo::dwgOutFields(AcDbDwgFiler* f) const {
  //     assertReadEnabled(); Acad::ErrorStatus es = AcDbEntity::dwgOutFields(f);
  //     if (es != Acad::eOk) return es; f->writeItem(kVersion); f->writeItem(m_x); ...
  //     return f->filerStatus(); }
  //   Acad::ErrorStatus Foo::dwgInFields(AcDbDwgFiler* f) {
  //     assertWriteEnabled(); Acad::ErrorStatus es = AcDbEntity::dwgInFields(f); ... }
  virtual Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer);
  virtual Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const;
  virtual Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer);
  virtual Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const;
  // Whole-object forms (the file code): dwgOutFields / dwgInFields and the filer's status.
  Acad::ErrorStatus dwgOut(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus dwgIn(AcDbDwgFiler* filer);

  // Partial undo: an object that records its own undo calls assertWriteEnabled(false, true) and
  // writes into undoFiler() its class (writeAddress(desc())) and what it needs; UNDO calls
  // applyPartialUndo(filer, class) with the filer after the class. Never null (while undo
  // recording is off the filer forgets what it gets). The base returns eWrongObjectType.
  AcDbDwgFiler* undoFiler();
  virtual Acad::ErrorStatus applyPartialUndo(AcDbDwgFiler* undoFiler, AcRxClass* classObj);

  // Marks the graphics changed (and the object modified with setModified).
  virtual void recordGraphicsModified(Adesk::Boolean setModified = true);

  // A copy outside any database: dwgOutFields into a copy filer, then dwgInFields of a new
  // object of the same class; owner, persistent reactors and extension dictionary are not
  // copied. Null for a class without constructor.
  AcRxObject* clone() const override;
  Acad::ErrorStatus copyFrom(const AcRxObject* other) override;

  // Notifications this object gets as a persistent reactor of another object (dbObj is open
  // for notify). Default: nothing.
  virtual void cancelled(const AcDbObject* dbObj);
  virtual void copied(const AcDbObject* dbObj, const AcDbObject* newObj);
  virtual void erased(const AcDbObject* dbObj, Adesk::Boolean bErasing = true);
  virtual void goodbye(const AcDbObject* dbObj);
  virtual void openedForModify(const AcDbObject* dbObj);
  virtual void modified(const AcDbObject* dbObj);
  virtual void subObjModified(const AcDbObject* dbObj, const AcDbObject* subObj);
  virtual void modifyUndone(const AcDbObject* dbObj);
  virtual void modifiedXData(const AcDbObject* dbObj);
  virtual void unappended(const AcDbObject* dbObj);
  virtual void reappended(const AcDbObject* dbObj);
  virtual void objectClosed(const AcDbObjectId objId);

 protected:
  // What derived classes may use while they file in: the owner given by the base filing.
  void setOwnerIdDirect(AcDbObjectId id) { ownerId_ = id; }

 private:
  friend class zhost::ObjectAccess;
  struct XGroup;

  zhost::ObjectStub* stub_ = nullptr;
  AcDbDatabase* intendedDb_ = nullptr;
  AcDbObjectId ownerId_;
  AcDbObjectId extDict_;
  resbuf* xdata_ = nullptr;  // 1001 groups and their values, owned
  std::vector<AcDbObjectId> persistentReactors_;
  mutable std::vector<AcDbObjectReactor*> reactors_;

  // Open state (objects in a database).
  int readers_ = 0;
  int notifiers_ = 0;
  bool writer_ = false;
  bool notifying_ = false;
  bool upgradedFromNotify_ = false;
  bool erased_ = false;
  bool newObject_ = false;
  bool cancelling_ = false;
  // Changes of the current write-open.
  bool modified_ = false;
  bool modifiedXData_ = false;
  bool modifiedGraphics_ = false;
  bool eraseToggled_ = false;
  bool openedForModifySent_ = false;
  bool undoing_ = false;
  // The state before the first change of the current write-open (cancel and undo).
  std::shared_ptr<zhost::MemoryFiler> before_;
  bool erasedBefore_ = false;
};
