// AcDbDictionary: named entries (keys compared without regard to case) that the dictionary owns:
// the database's named-objects dictionary and objects' extension dictionaries.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/db/AcDbObject.h"

class AcDbDictionaryIterator;

class AcDbDictionary : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionary);
  AcDbDictionary();
  ~AcDbDictionary() override;

  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObject*& entryObj, AcDb::OpenMode mode) const;
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& entryObj) const;
  // eKeyNotFound when the id is no entry; the name is a new string (acutDelString).
  Acad::ErrorStatus nameAt(AcDbObjectId objId, ACHAR*& name) const;
  Acad::ErrorStatus nameAt(AcDbObjectId objId, std::wstring& name) const;
  bool has(const ACHAR* entryName) const;
  bool has(AcDbObjectId objId) const;
  Adesk::UInt32 numEntries() const { return static_cast<Adesk::UInt32>(entries_.size()); }

  // Removal leaves the object in the database without owner (the caller erases it or gives it
  // a new owner).
  Acad::ErrorStatus remove(const ACHAR* key);
  Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& returnId);
  Acad::ErrorStatus remove(AcDbObjectId objId);
  Acad::ErrorStatus setName(const ACHAR* oldName, const ACHAR* newName);
  // The dictionary must be in a database and open for write. A new object enters the database
  // (open for write for the caller); an object already in this database is just re-owned. An
  // entry of the same key is replaced and its old object erased.
  Acad::ErrorStatus setAt(const ACHAR* srchKey, AcDbObject* newValue, AcDbObjectId& retObjId);

  // A new iterator over the entries in key order (the caller deletes it).
  AcDbDictionaryIterator* newIterator() const;

  // Int32 count, then per entry String key and HardOwnershipId (for every filer type).
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

  // Host (file code and undo).
  struct Entry {
    std::wstring name;
    AcDbObjectId id;
  };
  std::vector<Entry> entries() const;

 private:
  std::map<std::wstring, Entry> entries_;  // by folded key
};

class AcDbDictionaryIterator {
 public:
  explicit AcDbDictionaryIterator(std::vector<AcDbDictionary::Entry> entries) : entries_(std::move(entries)) {}
  const ACHAR* name() const { return done() ? L"" : entries_[pos_].name.c_str(); }
  AcDbObjectId objectId() const { return done() ? AcDbObjectId::kNull : entries_[pos_].id; }
  Acad::ErrorStatus getObject(AcDbObject*& pObject, AcDb::OpenMode mode = AcDb::kForRead) const;
  bool done() const { return pos_ >= entries_.size(); }
  bool next() {
    if (!done()) ++pos_;
    return !done();
  }
  bool setPosition(AcDbObjectId objId);

 private:
  std::vector<AcDbDictionary::Entry> entries_;
  size_t pos_ = 0;
};
