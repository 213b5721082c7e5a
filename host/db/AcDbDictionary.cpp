// Dictionaries.
#include "host/db/AcDbDictionary.h"

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbOpenObject.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextCase.h"

namespace {
AcRxObject* MakeDictionary() { return new AcDbDictionary; }

std::wstring Key(const std::wstring& name) {
  std::wstring key = name;
  for (wchar_t& c : key) c = zhost::FoldCase(c);
  return key;
}
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbDictionary, AcDbObject, MakeDictionary)

AcDbDictionary::AcDbDictionary() = default;
AcDbDictionary::~AcDbDictionary() = default;

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObjectId& entryObj) const {
  assertReadEnabled();
  entryObj.setNull();
  if (!entryName) return Acad::eInvalidKey;
  auto it = entries_.find(Key(entryName));
  if (it == entries_.end() || it->second.id.isErased()) return Acad::eKeyNotFound;
  entryObj = it->second.id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const {
  entryObj = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(entryName, id);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(entryObj, id, mode);
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, std::wstring& name) const {
  assertReadEnabled();
  for (const auto& e : entries_) {
    if (e.second.id != objId) continue;
    name = e.second.name;
    return Acad::eOk;
  }
  return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcDbDictionary::nameAt(AcDbObjectId objId, ACHAR*& name) const {
  name = nullptr;
  std::wstring text;
  Acad::ErrorStatus es = nameAt(objId, text);
  if (es == Acad::eOk) name = acutNewString(text.c_str());
  return es;
}

bool AcDbDictionary::has(const ACHAR* entryName) const {
  AcDbObjectId id;
  return getAt(entryName, id) == Acad::eOk;
}

bool AcDbDictionary::has(AcDbObjectId objId) const {
  std::wstring name;
  return !objId.isNull() && nameAt(objId, name) == Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key) {
  AcDbObjectId id;
  return remove(key, id);
}

Acad::ErrorStatus AcDbDictionary::remove(const ACHAR* key, AcDbObjectId& returnId) {
  returnId.setNull();
  if (!key) return Acad::eInvalidKey;
  auto it = entries_.find(Key(key));
  if (it == entries_.end()) return Acad::eKeyNotFound;
  assertWriteEnabled();
  returnId = it->second.id;
  entries_.erase(it);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::remove(AcDbObjectId objId) {
  std::wstring name;
  if (nameAt(objId, name) != Acad::eOk) return Acad::eKeyNotFound;
  return remove(name.c_str());
}

Acad::ErrorStatus AcDbDictionary::setName(const ACHAR* oldName, const ACHAR* newName) {
  if (!oldName || !newName || !*newName) return Acad::eInvalidKey;
  auto it = entries_.find(Key(oldName));
  if (it == entries_.end()) return Acad::eKeyNotFound;
  if (Key(oldName) != Key(newName) && entries_.count(Key(newName))) return Acad::eDuplicateKey;
  assertWriteEnabled();
  Entry e = it->second;
  entries_.erase(it);
  e.name = newName;
  entries_[Key(newName)] = e;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionary::setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId) {
  retObjId.setNull();
  if (!srchKey || !*srchKey) return Acad::eInvalidKey;
  if (!newValue) return Acad::eNullObjectPointer;
  AcDbDatabase* db = database();
  if (!db) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (newValue == this) return Acad::eSelfReference;
  if (newValue->database() && newValue->database() != db) return Acad::eWrongDatabase;
  assertWriteEnabled();
  AcDbObjectId id = newValue->objectId();
  if (id.isNull()) {
    Acad::ErrorStatus es = db->addAcDbObject(id, newValue);
    if (es != Acad::eOk) return es;
  }
  auto it = entries_.find(Key(srchKey));
  if (it != entries_.end() && it->second.id != id) {
    AcDbObject* old = nullptr;
    if (acdbOpenObject(old, it->second.id, AcDb::kForWrite) == Acad::eOk) {
      old->erase();
      old->close();
    }
  }
  entries_[Key(srchKey)] = Entry{srchKey, id};
  if (newValue->isWriteEnabled()) {
    newValue->setOwnerId(objectId());
  } else {
    AcDbObject* value = nullptr;
    if (acdbOpenObject(value, id, AcDb::kForWrite) == Acad::eOk) {
      value->setOwnerId(objectId());
      value->close();
    }
  }
  retObjId = id;
  return Acad::eOk;
}

AcDbDictionaryIterator* AcDbDictionary::newIterator() const {
  assertReadEnabled();
  std::vector<Entry> live;
  for (const Entry& e : entries()) {
    if (!e.id.isErased()) live.push_back(e);
  }
  return new AcDbDictionaryIterator(live);
}

std::vector<AcDbDictionary::Entry> AcDbDictionary::entries() const {
  std::vector<Entry> out;
  for (const auto& e : entries_) out.push_back(e.second);
  return out;
}

Acad::ErrorStatus AcDbDictionary::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt32(static_cast<Adesk::Int32>(entries_.size()));
  for (const auto& e : entries_) {
    filer->writeString(e.second.name);
    filer->writeHardOwnershipId(e.second.id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDictionary::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 count = 0;
  if (filer->readInt32(&count) != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 10000000) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  std::map<std::wstring, Entry> entries;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    std::wstring name;
    AcDbHardOwnershipId id;
    filer->readString(name);
    filer->readHardOwnershipId(&id);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    entries[Key(name)] = Entry{name, id};
  }
  entries_ = entries;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDictionaryIterator::getObject(AcDbObject*& pObject, AcDb::OpenMode mode) const {
  pObject = nullptr;
  if (done()) return Acad::eInvalidIndex;
  return acdbOpenObject(pObject, entries_[pos_].id, mode);
}

bool AcDbDictionaryIterator::setPosition(AcDbObjectId objId) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].id != objId) continue;
    pos_ = i;
    return true;
  }
  return false;
}
