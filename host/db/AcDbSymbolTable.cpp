// Symbol tables, their records and iterators.
#include "host/db/AcDbSymbolTable.h"

#include <algorithm>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/ObjectStub.h"
#include "host/db/SymbolLookup.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextCase.h"

ZHOST_RX_HOST_MEMBERS(AcDbSymbolTable, AcDbObject, nullptr)
ZHOST_RX_HOST_MEMBERS(AcDbSymbolTableRecord, AcDbObject, nullptr)

namespace zhost {

AcDbObjectId FindRecord(AcDbObjectId tableId, const std::wstring& name, bool getErased) {
  const AcDbSymbolTable* table = AcDbSymbolTable::cast(PeekObject(tableId));
  if (!table || name.empty()) return AcDbObjectId();
  AcDbObjectId erased;
  for (const AcDbObjectId& id : table->recordIds()) {
    const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(PeekObject(id));
    if (!rec || !EqualsNoCase(rec->nameString(), name)) continue;
    if (!rec->isErased()) return id;
    if (getErased && erased.isNull()) erased = id;
  }
  return erased;
}

}  // namespace zhost

namespace {

// Anonymous block names that add() numbers.
bool IsAnonymousStem(const std::wstring& name) {
  static const wchar_t* const kStems[] = {L"*U", L"*D", L"*X", L"*T", L"*E", L"*A"};
  for (const wchar_t* stem : kStems)
    if (zhost::EqualsNoCase(name, stem)) return true;
  return false;
}

}  // namespace

AcDbSymbolTable::AcDbSymbolTable() = default;
AcDbSymbolTable::~AcDbSymbolTable() = default;

AcRxClass* AcDbSymbolTable::recordClass() const { return AcDbSymbolTableRecord::desc(); }

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord) const {
  assertReadEnabled();
  recordId.setNull();
  if (!entryName || !*entryName) return Acad::eInvalidInput;
  recordId = zhost::FindRecord(objectId(), entryName, getErasedRecord);
  if (recordId.isNull() && !database()) {
    // A table outside a database (tests) looks through its own list.
    for (const AcDbObjectId& id : records_) {
      const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(zhost::PeekObject(id));
      if (rec && zhost::EqualsNoCase(rec->nameString(), entryName) && (getErasedRecord || !rec->isErased())) recordId = id;
    }
  }
  return recordId.isNull() ? Acad::eKeyNotFound : Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::getAt(const ACHAR* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
                                         bool openErasedRec) const {
  return getTypedAt(entryName, pRec, openMode, openErasedRec);
}

bool AcDbSymbolTable::has(const ACHAR* name) const {
  AcDbObjectId id;
  return getAt(name, id) == Acad::eOk;
}

bool AcDbSymbolTable::has(AcDbObjectId id) const {
  assertReadEnabled();
  if (std::find(records_.begin(), records_.end(), id) == records_.end()) return false;
  return !id.isErased();
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbSymbolTableRecord* pRecord) {
  AcDbObjectId id;
  return add(id, pRecord);
}

Acad::ErrorStatus AcDbSymbolTable::add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord) {
  recordId.setNull();
  if (!pRecord) return Acad::eNullObjectPointer;
  if (!pRecord->isKindOf(recordClass())) return Acad::eWrongObjectType;
  if (!pRecord->objectId().isNull()) return Acad::eAlreadyInDb;
  AcDbDatabase* db = database();
  if (!db) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  std::wstring name = pRecord->nameString();
  if (IsAnonymousStem(name)) {
    // "*U" becomes the first free "*U<n>".
    for (int n = 1;; ++n) {
      std::wstring candidate = name + std::to_wstring(n);
      if (zhost::FindRecord(objectId(), candidate).isNull()) {
        name = candidate;
        break;
      }
    }
    pRecord->setNameDirect(name);
  }
  if (!AcDbSymbolTableRecord::IsValidName(name, true)) return Acad::eInvalidSymbolTableName;
  if (!zhost::FindRecord(objectId(), name).isNull()) return Acad::eDuplicateRecordName;
  assertWriteEnabled(false, true);
  Acad::ErrorStatus es = db->addAcDbObject(recordId, pRecord);
  if (es != Acad::eOk) return es;
  pRecord->setOwnerId(objectId());
  records_.push_back(recordId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning,
                                               bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbSymbolTableIterator(records_, atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTable::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk || filer->filerType() != AcDb::kFileFiler) return es;
  filer->writeInt32(static_cast<Adesk::Int32>(records_.size()));
  for (const AcDbObjectId& id : records_) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTable::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk || filer->filerType() != AcDb::kFileFiler) return es;
  Adesk::Int32 count = 0;
  if (filer->readInt32(&count) != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 10000000) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  std::vector<AcDbObjectId> ids;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    AcDbHardOwnershipId id;
    if (filer->readHardOwnershipId(&id) != Acad::eOk) return filer->filerStatus();
    if (!id.isNull()) ids.push_back(id);
  }
  records_ = ids;
  return Acad::eOk;
}

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;
AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

bool AcDbSymbolTableRecord::IsValidName(const std::wstring& name, bool allowBar) {
  if (name.empty() || name.size() > 255) return false;
  if (name.find_first_of(allowBar ? L"<>/\\\":;?*,=`" : L"<>/\\\":;?*|,=`", name[0] == L'*' ? 1 : 0) !=
      std::wstring::npos)
    return false;
  return name.find_first_not_of(L" ") != std::wstring::npos;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(ACHAR*& pName) const {
  assertReadEnabled();
  pName = acutNewString(name_.c_str());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(const ACHAR*& pName) const {
  assertReadEnabled();
  pName = name_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::getName(std::wstring& name) const {
  assertReadEnabled();
  name = name_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* pName) {
  if (!pName) return Acad::eNullPtr;
  std::wstring name = pName;
  bool anonymousStem = name.size() == 2 && name[0] == L'*';
  if (!anonymousStem && !IsValidName(name)) return Acad::eInvalidSymbolTableName;
  if (!ownerId().isNull()) {
    AcDbObjectId other = zhost::FindRecord(ownerId(), name);
    if (!other.isNull() && other != objectId()) return Acad::eDuplicateRecordName;
  }
  assertWriteEnabled();
  name_ = name;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(name_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSymbolTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring name;
  if (filer->readString(name) != Acad::eOk) return filer->filerStatus();
  name_ = name;
  return Acad::eOk;
}

AcDbSymbolTableIterator::AcDbSymbolTableIterator(std::vector<AcDbObjectId> ids, bool atBeginning, bool skipDeleted)
    : ids_(std::move(ids)) {
  start(atBeginning, skipDeleted);
}

AcDbSymbolTableIterator::~AcDbSymbolTableIterator() = default;

void AcDbSymbolTableIterator::skip(bool forward) {
  while (!done() && ids_[static_cast<size_t>(pos_)].isErased()) pos_ += forward ? 1 : -1;
}

void AcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted) {
  pos_ = atBeginning ? 0 : static_cast<long>(ids_.size()) - 1;
  if (skipDeleted) skip(atBeginning);
}

bool AcDbSymbolTableIterator::done() const { return pos_ < 0 || pos_ >= static_cast<long>(ids_.size()); }

void AcDbSymbolTableIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  pos_ += forward ? 1 : -1;
  if (skipDeleted) skip(forward);
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecordId(AcDbObjectId& id) const {
  if (done()) return Acad::eInvalidIndex;
  id = ids_[static_cast<size_t>(pos_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode,
                                                     bool openErasedRec) const {
  return getTypedRecord(pRecord, openMode, openErasedRec);
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(AcDbObjectId id) {
  auto it = std::find(ids_.begin(), ids_.end(), id);
  if (it == ids_.end()) return Acad::eKeyNotFound;
  pos_ = static_cast<long>(it - ids_.begin());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSymbolTableIterator::seek(const AcDbSymbolTableRecord* pRecord) {
  if (!pRecord) return Acad::eNullObjectPointer;
  return seek(pRecord->objectId());
}
