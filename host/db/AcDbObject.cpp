// Database objects: identity, open state, notifications, reactors, filing of the object part,
// cloning and the hooks through which undo reaches an object.
#include "host/db/AcDbObject.h"

#include <algorithm>
#include <exception>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDatabaseReactor.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDxfFiler.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbObjectReactor.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AssertionError.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/MemoryFiler.h"
#include "host/db/ObjectAccess.h"
#include "host/db/UndoRecorder.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextConv.h"

ZHOST_RX_HOST_MEMBERS(AcDbObject, AcRxObject, nullptr)

namespace zhost {

void Guarded(const wchar_t* what, const std::function<void()>& fn) {
  try {
    fn();
  } catch (CException* e) {
    e->Delete();
    DbDiagnostic(std::wstring(what) + L" ended with an exception");
  } catch (const std::exception& e) {
    DbDiagnostic(std::wstring(what) + L" ended with an exception: " + FromUtf8(e.what()));
  } catch (...) {
    DbDiagnostic(std::wstring(what) + L" ended with an exception");
  }
}

namespace {

std::string Describe(const AcDbObject* obj, const char* what) {
  std::string text = what;
  AcRxClass* cls = obj->isA();
  if (cls) text += std::string(" (") + ToUtf8(cls->name());
  if (!obj->objectId().isNull()) text += " " + ToUtf8(obj->handle().text());
  if (cls) text += ")";
  return text;
}

std::wstring Name(const AcDbObject* obj) {
  AcRxClass* cls = obj->isA();
  std::wstring text = cls ? cls->name() : L"object";
  if (!obj->objectId().isNull()) text += L" " + obj->handle().text();
  return text;
}

}  // namespace

void ObjectAccess::attach(AcDbObject* obj, ObjectStub* stub) {
  obj->stub_ = stub;
  obj->intendedDb_ = stub->database;
  stub->object = obj;
  obj->writer_ = true;
  obj->newObject_ = true;
  obj->readers_ = obj->notifiers_ = 0;
  obj->modified_ = obj->modifiedXData_ = obj->modifiedGraphics_ = obj->eraseToggled_ = false;
  obj->openedForModifySent_ = false;
  obj->before_.reset();
}

bool ObjectAccess::isOpen(const AcDbObject* obj) {
  return obj->writer_ || obj->readers_ > 0 || obj->notifiers_ > 0 || obj->notifying_;
}

bool ObjectAccess::onLockedLayer(const AcDbObject* obj) {
  const AcDbEntity* ent = AcDbEntity::cast(obj);
  if (!ent) return false;
  const AcDbLayerTableRecord* layer = AcDbLayerTableRecord::cast(PeekObject(ent->layerId()));
  return layer && layer->peekLocked();
}

void ObjectAccess::beginWrite(AcDbObject* obj) {
  obj->writer_ = true;
  obj->modified_ = obj->modifiedXData_ = obj->modifiedGraphics_ = obj->eraseToggled_ = false;
  obj->openedForModifySent_ = false;
  obj->before_.reset();
  obj->erasedBefore_ = obj->erased_;
}

Acad::ErrorStatus ObjectAccess::open(AcDbObject* obj, AcDb::OpenMode mode, bool openErased) {
  if (obj->erased_ && !openErased) return Acad::eWasErased;
  switch (mode) {
    case AcDb::kForRead:
      if (obj->writer_) return Acad::eWasOpenForWrite;
      ++obj->readers_;
      return Acad::eOk;
    case AcDb::kForWrite:
      if (obj->writer_) return Acad::eWasOpenForWrite;
      if (obj->readers_ > 0) return Acad::eWasOpenForRead;
      if (obj->notifying_ || obj->notifiers_ > 0) return Acad::eWasOpenForNotify;
      if (onLockedLayer(obj)) return Acad::eOnLockedLayer;
      beginWrite(obj);
      return Acad::eOk;
    case AcDb::kForNotify:
      ++obj->notifiers_;
      return Acad::eOk;
  }
  return Acad::eInvalidInput;
}

void ObjectAccess::deliver(AcDbObject* obj, const std::function<void(AcDbObjectReactor*)>& transient,
                           const std::function<void(AcDbObject*)>& persistent) {
  if (transient) {
    std::vector<AcDbObjectReactor*> reactors = obj->reactors_;
    for (AcDbObjectReactor* r : reactors) {
      // A reactor removed by an earlier one is not called any more.
      if (std::find(obj->reactors_.begin(), obj->reactors_.end(), r) == obj->reactors_.end()) continue;
      Guarded(L"An object reactor", [&] { transient(r); });
    }
  }
  if (persistent) {
    std::vector<AcDbObjectId> ids = obj->persistentReactors_;
    AcDbObjectId self = obj->objectId();
    for (const AcDbObjectId& id : ids) {
      if (id == self || !obj->hasPersistentReactor(id)) continue;
      AcDbObject* reactor = nullptr;
      if (acdbOpenObject(reactor, id, AcDb::kForNotify) != Acad::eOk) continue;
      Guarded(L"A persistent reactor", [&] { persistent(reactor); });
      reactor->close();
    }
  }
}

void ObjectAccess::forEachDbReactor(AcDbDatabase* db, const std::function<void(AcDbDatabaseReactor*)>& fn) {
  if (!db) return;
  std::vector<AcDbDatabaseReactor*> reactors = db->reactors();
  for (AcDbDatabaseReactor* r : reactors) {
    const std::vector<AcDbDatabaseReactor*>& now = db->reactors();
    if (std::find(now.begin(), now.end(), r) == now.end()) continue;
    Guarded(L"A database reactor", [&] { fn(r); });
  }
}

void ObjectAccess::sendChangeNotifications(AcDbObject* obj, bool modified, bool xdata, bool eraseToggled,
                                           bool graphics) {
  AcDbDatabase* db = obj->database();
  bool erased = obj->erased_;
  if (xdata) {
    deliver(obj, [obj](AcDbObjectReactor* r) { r->modifiedXData(obj); },
            [obj](AcDbObject* p) { p->modifiedXData(obj); });
  }
  if (eraseToggled) {
    deliver(obj, [obj, erased](AcDbObjectReactor* r) { r->erased(obj, erased); },
            [obj, erased](AcDbObject* p) { p->erased(obj, erased); });
    forEachDbReactor(db, [db, obj, erased](AcDbDatabaseReactor* r) { r->objectErased(db, obj, erased); });
  }
  if (modified || xdata) {
    if (graphics) {
      if (AcDbEntity* ent = AcDbEntity::cast(obj)) {
        deliver(obj,
                [ent](AcDbObjectReactor* r) {
                  if (AcDbEntityReactor* er = AcDbEntityReactor::cast(r)) er->modifiedGraphics(ent);
                },
                nullptr);
      }
    }
    deliver(obj, [obj](AcDbObjectReactor* r) { r->modified(obj); }, [obj](AcDbObject* p) { p->modified(obj); });
    forEachDbReactor(db, [db, obj](AcDbDatabaseReactor* r) { r->objectModified(db, obj); });
  }
  if (obj->undoing_ && (modified || eraseToggled)) {
    deliver(obj, [obj](AcDbObjectReactor* r) { r->modifyUndone(obj); },
            [obj](AcDbObject* p) { p->modifyUndone(obj); });
  }
}

// Ends a write-open: the object is no longer writable and (for a change of an object that is
// not new) it tells its reactors, being readable for them while it does.
void ObjectAccess::finishWrite(AcDbObject* obj, bool sendNotifications) {
  bool modified = obj->modified_, xdata = obj->modifiedXData_, toggled = obj->eraseToggled_,
       graphics = obj->modifiedGraphics_;
  bool wasNew = obj->newObject_;
  obj->writer_ = false;
  obj->newObject_ = false;
  obj->before_.reset();
  obj->modified_ = obj->modifiedXData_ = obj->modifiedGraphics_ = obj->eraseToggled_ = false;
  obj->openedForModifySent_ = false;
  AcDbDatabase* db = obj->database();
  if (db && (wasNew || modified || xdata || toggled)) db->noteChange();
  if (!sendNotifications || wasNew || !(modified || xdata || toggled)) return;
  obj->notifying_ = true;
  sendChangeNotifications(obj, modified, xdata, toggled, graphics);
  obj->notifying_ = false;
  AcDbObjectId id = obj->objectId();
  deliver(obj, [id](AcDbObjectReactor* r) { r->objectClosed(id); }, nullptr);
}

void ObjectAccess::notifyAppended(AcDbObject* obj) {
  AcDbDatabase* db = obj->database();
  forEachDbReactor(db, [db, obj](AcDbDatabaseReactor* r) { r->objectAppended(db, obj); });
}

void ObjectAccess::undoAppend(AcDbObject* obj) {
  if (obj->erased_) return;
  AcDbDatabase* db = obj->database();
  obj->erased_ = true;
  obj->undoing_ = true;
  obj->notifying_ = true;
  deliver(obj, [obj](AcDbObjectReactor* r) { r->unappended(obj); }, [obj](AcDbObject* p) { p->unappended(obj); });
  forEachDbReactor(db, [db, obj](AcDbDatabaseReactor* r) { r->objectUnAppended(db, obj); });
  obj->notifying_ = false;
  obj->undoing_ = false;
  if (db) db->noteChange();
}

void ObjectAccess::restore(AcDbObject* obj, MemoryFiler& before, bool erasedBefore) {
  beginWrite(obj);
  obj->undoing_ = true;
  before.rewind();
  before.setFilerType(AcDb::kUndoFiler);
  Acad::ErrorStatus es = Acad::eOk;
  Guarded(L"Filing an object in for undo", [&] { es = obj->dwgInFields(&before); });
  if (es != Acad::eOk) DbDiagnostic(L"undo could not file in " + Name(obj));
  obj->modified_ = true;
  obj->modifiedGraphics_ = true;
  if (obj->erased_ != erasedBefore) {
    obj->erased_ = erasedBefore;
    obj->eraseToggled_ = true;
  }
  finishWrite(obj, true);
  obj->undoing_ = false;
}

void ObjectAccess::applyPartial(AcDbObject* obj, MemoryFiler& record) {
  beginWrite(obj);
  obj->undoing_ = true;
  record.rewind();
  void* cls = nullptr;
  Acad::ErrorStatus es = record.readAddress(&cls);
  if (es == Acad::eOk) Guarded(L"Partial undo", [&] { es = obj->applyPartialUndo(&record, static_cast<AcRxClass*>(cls)); });
  if (es != Acad::eOk) DbDiagnostic(L"partial undo of " + Name(obj) + L" failed");
  obj->modified_ = true;
  obj->modifiedGraphics_ = true;
  finishWrite(obj, true);
  obj->undoing_ = false;
}

void ObjectAccess::detachForDelete(AcDbObject* obj) {
  if (isOpen(obj)) DbDiagnostic(Name(obj) + L" is still open while its database is deleted");
  std::vector<AcDbObjectReactor*> reactors = obj->reactors_;
  for (AcDbObjectReactor* r : reactors) Guarded(L"An object reactor", [&] { r->goodbye(obj); });
  obj->reactors_.clear();
  if (obj->stub_) obj->stub_->object = nullptr;
}

void ObjectAccess::takeBefore(AcDbObject* obj) {
  obj->before_ = std::make_shared<MemoryFiler>(AcDb::kUndoFiler, obj->database());
  obj->erasedBefore_ = obj->erased_;
  Acad::ErrorStatus es = Acad::eOk;
  Guarded(L"Filing an object out for undo", [&] { es = obj->dwgOutFields(obj->before_.get()); });
  if (es != Acad::eOk) {
    DbDiagnostic(L"undo could not file out " + Name(obj));
    return;
  }
  if (AcDbDatabase* db = obj->database()) db->undoRecorder().recordModify(obj, obj->before_, obj->erasedBefore_);
}

}  // namespace zhost

using zhost::ObjectAccess;

AcDbObject::AcDbObject() = default;

AcDbObject::~AcDbObject() {
  if (stub_ && stub_->object == this) {
    zhost::DbDiagnostic(L"an object was deleted while its database holds it; the database forgets it");
    stub_->object = nullptr;
  }
  acutRelRb(xdata_);
}

AcDbObjectId AcDbObject::objectId() const { return AcDbObjectId(stub_); }

AcDbHandle AcDbObject::handle() const { return stub_ ? stub_->handle : AcDbHandle(); }

AcDbDatabase* AcDbObject::database() const { return stub_ ? stub_->database : nullptr; }

AcDbDatabase* AcDbObject::intendedDatabase() const { return stub_ ? stub_->database : intendedDb_; }

Acad::ErrorStatus AcDbObject::setIntendedDatabase(AcDbDatabase* db) {
  if (stub_) return Acad::eAlreadyInDb;
  intendedDb_ = db;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId objId) {
  assertWriteEnabled();
  ownerId_ = objId;
  return Acad::eOk;
}

bool AcDbObject::isReadEnabled() const { return !stub_ || writer_ || readers_ > 0 || notifiers_ > 0 || notifying_; }
bool AcDbObject::isWriteEnabled() const { return !stub_ || writer_; }
bool AcDbObject::isNotifyEnabled() const { return isReadEnabled(); }
bool AcDbObject::isUndoing() const { return undoing_; }

void AcDbObject::assertReadEnabled() const {
  if (!isReadEnabled()) throw zhost::AssertionError(Acad::eNotOpenForRead, zhost::Describe(this, "object not open for read"));
}

void AcDbObject::assertNotifyEnabled() const {
  if (!isNotifyEnabled())
    throw zhost::AssertionError(Acad::eWasNotOpenForNotify, zhost::Describe(this, "object not open for notify"));
}

void AcDbObject::assertWriteEnabled(Adesk::Boolean autoUndo, Adesk::Boolean recordModified) {
  if (!isWriteEnabled()) throw zhost::AssertionError(Acad::eNotOpenForWrite, zhost::Describe(this, "object not open for write"));
  if (!stub_) return;
  if (autoUndo && !before_ && !newObject_ && !undoing_) ObjectAccess::takeBefore(this);
  if (!recordModified) return;
  modified_ = true;
  if (openedForModifySent_ || newObject_ || undoing_) return;
  openedForModifySent_ = true;
  ObjectAccess::deliver(this, [this](AcDbObjectReactor* r) { r->openedForModify(this); },
                        [this](AcDbObject* p) { p->openedForModify(this); });
  AcDbDatabase* db = database();
  ObjectAccess::forEachDbReactor(db, [db, this](AcDbDatabaseReactor* r) { r->objectOpenedForModify(db, this); });
}

Acad::ErrorStatus AcDbObject::close() {
  if (!stub_) {
    zhost::DbDiagnostic(L"close() of an object that is not in a database: delete it instead");
    return Acad::eNotInDatabase;
  }
  if (writer_ && upgradedFromNotify_) {
    downgradeToNotify(false);
  }
  if (writer_) {
    ObjectAccess::finishWrite(this, true);
    return Acad::eOk;
  }
  if (readers_ > 0) {
    --readers_;
    return Acad::eOk;
  }
  if (notifiers_ > 0) {
    --notifiers_;
    return Acad::eOk;
  }
  zhost::DbDiagnostic(L"close() of an object that is not open");
  return Acad::eNotOpenForRead;
}

Acad::ErrorStatus AcDbObject::closeAndPage(Adesk::Boolean) { return close(); }

Acad::ErrorStatus AcDbObject::cancel() {
  if (!stub_) return Acad::eNotInDatabase;
  if (!writer_) return close();
  cancelling_ = true;
  if (newObject_) {
    // A new object taken back is gone from the drawing.
    erased_ = true;
  } else if (before_) {
    std::shared_ptr<zhost::MemoryFiler> before = before_;
    undoing_ = true;
    before->rewind();
    zhost::Guarded(L"Cancelling an open", [&] { dwgInFields(before.get()); });
    undoing_ = false;
    erased_ = erasedBefore_;
  }
  modified_ = modifiedXData_ = modifiedGraphics_ = eraseToggled_ = false;
  ObjectAccess::deliver(this, [this](AcDbObjectReactor* r) { r->cancelled(this); }, nullptr);
  ObjectAccess::finishWrite(this, false);
  upgradedFromNotify_ = false;
  cancelling_ = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (!stub_ || writer_) return writer_ ? Acad::eWasOpenForWrite : Acad::eOk;
  if (notifying_) return Acad::eWasNotifying;
  if (readers_ > 1) return Acad::eHadMultipleReaders;
  if (readers_ == 0) return notifiers_ > 0 ? Acad::eWasOpenForNotify : Acad::eNotOpenForRead;
  if (notifiers_ > 0) return Acad::eWasOpenForNotify;
  if (ObjectAccess::onLockedLayer(this)) return Acad::eOnLockedLayer;
  readers_ = 0;
  ObjectAccess::beginWrite(this);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (!stub_) return Acad::eOk;
  if (!writer_) return Acad::eWasOpenForRead;
  if (upgradedFromNotify_) return downgradeToNotify(false);
  readers_ = 1;
  ObjectAccess::finishWrite(this, true);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeFromNotify(Adesk::Boolean& wasWritable) {
  wasWritable = isWriteEnabled();
  if (wasWritable) return Acad::eOk;
  if (!notifying_ && notifiers_ == 0) return readers_ > 0 ? Acad::eWasOpenForRead : Acad::eWasNotOpenForNotify;
  bool notifying = notifying_;
  ObjectAccess::beginWrite(this);
  notifying_ = notifying;
  upgradedFromNotify_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeToNotify(Adesk::Boolean wasWritable) {
  if (wasWritable) return Acad::eOk;
  if (!writer_ || !upgradedFromNotify_) return Acad::eWasNotOpenForWrite;
  // Changes made while notifying are not sent round again (that could go on for ever).
  upgradedFromNotify_ = false;
  bool notifying = notifying_;
  ObjectAccess::finishWrite(this, false);
  notifying_ = notifying;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::erase(Adesk::Boolean erasing) {
  if (!stub_) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (erasing == erased_) return erasing ? Acad::eIsAlreadyErased : Acad::eWasNotErased;
  Acad::ErrorStatus es = subErase(erasing);
  if (es != Acad::eOk) return es;
  assertWriteEnabled(true, false);
  erased_ = erasing;
  eraseToggled_ = !eraseToggled_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::subErase(Adesk::Boolean) { return Acad::eOk; }

void AcDbObject::addReactor(AcDbObjectReactor* reactor) const {
  if (!reactor || hasReactor(reactor)) return;
  reactors_.push_back(reactor);
}

void AcDbObject::removeReactor(AcDbObjectReactor* reactor) const {
  reactors_.erase(std::remove(reactors_.begin(), reactors_.end(), reactor), reactors_.end());
}

bool AcDbObject::hasReactor(const AcDbObjectReactor* reactor) const {
  return std::find(reactors_.begin(), reactors_.end(), reactor) != reactors_.end();
}

void AcDbObject::addPersistentReactor(AcDbObjectId objId) {
  if (objId.isNull() || hasPersistentReactor(objId)) return;
  assertWriteEnabled();
  persistentReactors_.push_back(objId);
}

Acad::ErrorStatus AcDbObject::removePersistentReactor(AcDbObjectId objId) {
  if (!hasPersistentReactor(objId)) return Acad::eKeyNotFound;
  assertWriteEnabled();
  persistentReactors_.erase(std::remove(persistentReactors_.begin(), persistentReactors_.end(), objId),
                            persistentReactors_.end());
  return Acad::eOk;
}

bool AcDbObject::hasPersistentReactor(AcDbObjectId objId) const {
  return std::find(persistentReactors_.begin(), persistentReactors_.end(), objId) != persistentReactors_.end();
}

AcDbObjectIdArray AcDbObject::persistentReactors() const {
  AcDbObjectIdArray ids;
  for (const AcDbObjectId& id : persistentReactors_) ids.append(id);
  return ids;
}

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
  AcDbDatabase* db = database();
  if (!db) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (!extDict_.isNull() && !extDict_.isErased()) return Acad::eAlreadyInDb;
  AcDbDictionary* dict = new AcDbDictionary;
  AcDbObjectId id;
  Acad::ErrorStatus es = db->addAcDbObject(id, dict);
  if (es != Acad::eOk) {
    delete dict;
    return es;
  }
  dict->setOwnerId(objectId());
  dict->close();
  assertWriteEnabled();
  extDict_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary() {
  if (extDict_.isNull()) return Acad::eOk;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  AcDbDictionary* dict = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(dict, extDict_, AcDb::kForWrite, true);
  if (es != Acad::eOk) return es;
  if (dict->numEntries() > 0) {
    dict->close();
    return Acad::eNotApplicable;
  }
  if (!dict->isErased()) dict->erase();
  dict->close();
  assertWriteEnabled();
  extDict_.setNull();
  return Acad::eOk;
}

// Filing of the object part. Xdata values are filed by group-code range.
Acad::ErrorStatus AcDbObject::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  if (!filer) return Acad::eNullPtr;
  filer->writeSoftPointerId(ownerId_);
  filer->writeInt32(static_cast<Adesk::Int32>(persistentReactors_.size()));
  for (const AcDbObjectId& id : persistentReactors_) filer->writeSoftPointerId(id);
  filer->writeHardOwnershipId(extDict_);
  Adesk::Int32 count = 0;
  for (const resbuf* rb = xdata_; rb; rb = rb->rbnext) ++count;
  filer->writeInt32(count);
  for (const resbuf* rb = xdata_; rb; rb = rb->rbnext) {
    int code = rb->restype;
    filer->writeInt16(static_cast<Adesk::Int16>(code));
    if (code == 1004) {
      filer->writeBChunk(rb->resval.rbinary);
    } else if (code >= 1010 && code <= 1013) {
      filer->writePoint3d(AcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]));
    } else if (code >= 1040 && code <= 1042) {
      filer->writeDouble(rb->resval.rreal);
    } else if (code == 1070) {
      filer->writeInt16(rb->resval.rint);
    } else if (code == 1071) {
      filer->writeInt32(rb->resval.rlong);
    } else {
      filer->writeString(rb->resval.rstring ? rb->resval.rstring : L"");
    }
  }
  return filer->filerStatus();
}

namespace {

// The group codes extended data can hold: anything else in a file is damage, refused before a
// value is allocated for it.
bool IsFiledXDataCode(int code) {
  return (code >= 1000 && code <= 1005) || (code >= 1010 && code <= 1013) || (code >= 1040 && code <= 1042) ||
         code == 1070 || code == 1071;
}

}  // namespace

Acad::ErrorStatus AcDbObject::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  if (!filer) return Acad::eNullPtr;
  AcDbSoftPointerId owner;
  filer->readSoftPointerId(&owner);
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 1000000) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  std::vector<AcDbObjectId> reactors;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbSoftPointerId id;
    filer->readSoftPointerId(&id);
    if (!id.isNull()) reactors.push_back(id);
  }
  AcDbHardOwnershipId dict;
  filer->readHardOwnershipId(&dict);
  Adesk::Int32 groups = 0;
  filer->readInt32(&groups);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (groups < 0 || groups > kMaxXDataSize) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (Adesk::Int32 i = 0; i < groups && filer->filerStatus() == Acad::eOk; ++i) {
    Adesk::Int16 code = 0;
    if (filer->readInt16(&code) != Acad::eOk) break;
    if (!IsFiledXDataCode(code)) {
      filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
      break;
    }
    resbuf* rb = acutNewRb(code);
    if (code == 1004) {
      filer->readBChunk(&rb->resval.rbinary);
    } else if (code >= 1010 && code <= 1013) {
      AcGePoint3d p;
      filer->readPoint3d(&p);
      rb->resval.rpoint[0] = p.x;
      rb->resval.rpoint[1] = p.y;
      rb->resval.rpoint[2] = p.z;
    } else if (code >= 1040 && code <= 1042) {
      filer->readDouble(&rb->resval.rreal);
    } else if (code == 1070) {
      filer->readInt16(&rb->resval.rint);
    } else if (code == 1071) {
      Adesk::Int32 v = 0;
      filer->readInt32(&v);
      rb->resval.rlong = v;
    } else {
      std::wstring text;
      filer->readString(text);
      rb->resval.rstring = acutNewString(text.c_str());
    }
    *tail = rb;
    tail = &rb->rbnext;
  }
  if (filer->filerStatus() != Acad::eOk) {
    acutRelRb(head);
    return filer->filerStatus();
  }
  ownerId_ = owner;
  persistentReactors_ = reactors;
  extDict_ = dict;
  acutRelRb(xdata_);
  xdata_ = head;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  if (!filer) return Acad::eNullPtr;
  filer->writeAcDbHandle(AcDb::kDxfHandle, handle());
  if (!persistentReactors_.empty()) {
    filer->writeString(AcDb::kDxfControlString, L"{ACAD_REACTORS");
    for (const AcDbObjectId& id : persistentReactors_) filer->writeObjectId(AcDb::kDxfSoftPointerId, id);
    filer->writeString(AcDb::kDxfControlString, L"}");
  }
  if (!extDict_.isNull()) {
    filer->writeString(AcDb::kDxfControlString, L"{ACAD_XDICTIONARY");
    filer->writeObjectId(AcDb::kDxfHardOwnershipId, extDict_);
    filer->writeString(AcDb::kDxfControlString, L"}");
  }
  filer->writeObjectId(AcDb::kDxfSoftPointerId, ownerId_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  // The object part (handle, owner, reactors) is read by the DXF reader itself.
  assertWriteEnabled();
  return filer ? filer->filerStatus() : Acad::eNullPtr;
}

Acad::ErrorStatus AcDbObject::dwgOut(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = dwgOutFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbObject::dwgIn(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = dwgInFields(filer);
  return es != Acad::eOk ? es : filer->filerStatus();
}

AcDbDwgFiler* AcDbObject::undoFiler() {
  assertWriteEnabled(false, true);
  static zhost::NullFiler scratch;
  AcDbDatabase* db = database();
  if (!db || newObject_) {
    scratch.forget();
    return &scratch;
  }
  return db->undoRecorder().partialFiler(this);
}

Acad::ErrorStatus AcDbObject::applyPartialUndo(AcDbDwgFiler*, AcRxClass*) { return Acad::eWrongObjectType; }

void AcDbObject::recordGraphicsModified(Adesk::Boolean setModified) {
  assertWriteEnabled(false, setModified);
  modifiedGraphics_ = true;
}

AcRxObject* AcDbObject::clone() const {
  AcRxClass* cls = isA();
  AcRxObject* made = cls ? cls->create() : nullptr;
  AcDbObject* copy = AcDbObject::cast(made);
  if (!copy) {
    delete made;
    return nullptr;
  }
  if (copy->copyFrom(this) != Acad::eOk) {
    delete copy;
    return nullptr;
  }
  copy->intendedDb_ = intendedDatabase();
  return copy;
}

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
  const AcDbObject* src = AcDbObject::cast(other);
  if (!src || src->isA() != isA()) return Acad::eWrongObjectType;
  if (src == this) return Acad::eOk;
  zhost::MemoryFiler filer(AcDb::kCopyFiler, src->database());
  Acad::ErrorStatus es = src->dwgOutFields(&filer);
  if (es != Acad::eOk) return es;
  filer.rewind();
  es = dwgInFields(&filer);
  if (es != Acad::eOk) return es;
  ownerId_.setNull();
  extDict_.setNull();
  persistentReactors_.clear();
  return Acad::eOk;
}

void AcDbObject::cancelled(const AcDbObject*) {}
void AcDbObject::copied(const AcDbObject*, const AcDbObject*) {}
void AcDbObject::erased(const AcDbObject*, Adesk::Boolean) {}
void AcDbObject::goodbye(const AcDbObject*) {}
void AcDbObject::openedForModify(const AcDbObject*) {}
void AcDbObject::modified(const AcDbObject*) {}
void AcDbObject::subObjModified(const AcDbObject*, const AcDbObject*) {}
void AcDbObject::modifyUndone(const AcDbObject*) {}
void AcDbObject::modifiedXData(const AcDbObject*) {}
void AcDbObject::unappended(const AcDbObject*) {}
void AcDbObject::reappended(const AcDbObject*) {}
void AcDbObject::objectClosed(const AcDbObjectId) {}
