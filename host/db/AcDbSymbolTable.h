// The symbol-table bases: a table (AcDbSymbolTable) owns named records (AcDbSymbolTableRecord);
// names are compared without regard to case, erased records are skipped unless asked for. A
// table's records are reached by name (getAt, has), by iterator or by id; add() puts a new
// record (not yet in a database) into the table's database, open for write for the caller, who
// closes it. Each concrete table has typed getAt/newIterator forms for its record class.
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbObject.h"

class AcDbSymbolTableIterator;
class AcDbSymbolTableRecord;

class AcDbSymbolTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
  AcDbSymbolTable();
  ~AcDbSymbolTable() override;

  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord = false) const;
  Acad::ErrorStatus getAt(const ACHAR* entryName, AcDbSymbolTableRecord*& pRec, AcDb::OpenMode openMode,
                          bool openErasedRec = false) const;
  Acad::ErrorStatus getIdAt(const ACHAR* entryName, AcDbObjectId& recordId, bool getErasedRecord = false) const {
    return getAt(entryName, recordId, getErasedRecord);
  }
  bool has(const ACHAR* name) const;
  bool has(AcDbObjectId id) const;
  // eNullObjectPointer, eWrongObjectType (record class of another table), eAlreadyInDb,
  // eNotInDatabase (table not in one), eNotOpenForWrite (table), eInvalidSymbolTableName,
  // eDuplicateRecordName.
  Acad::ErrorStatus add(AcDbSymbolTableRecord* pRecord);
  Acad::ErrorStatus add(AcDbObjectId& recordId, AcDbSymbolTableRecord* pRecord);
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // The class of the records this table holds.
  virtual AcRxClass* recordClass() const;
  // Host: the record ids in order (erased ones included).
  const std::vector<AcDbObjectId>& recordIds() const { return records_; }

  // Files the record list for kFileFiler only (Int32 count, HardOwnershipId each).
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 protected:
  template <class R>
  Acad::ErrorStatus getTypedAt(const ACHAR* name, R*& rec, AcDb::OpenMode mode, bool openErased) const;

 private:
  std::vector<AcDbObjectId> records_;
};

class AcDbSymbolTableRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
  AcDbSymbolTableRecord();
  ~AcDbSymbolTableRecord() override;

  // A new string the caller frees with acutDelString.
  Acad::ErrorStatus getName(ACHAR*& pName) const;
  // The record's own text, valid while the record is open and not renamed.
  Acad::ErrorStatus getName(const ACHAR*& pName) const;
  Acad::ErrorStatus getName(std::wstring& name) const;
  const std::wstring& nameString() const { return name_; }
  // eInvalidSymbolTableName for an empty name or one with  < > / \ " : ; ? * | , = `  (a '|'
  // is allowed in names from external references, which the file code sets); eDuplicateRecordName
  // when another record of the table has it.
  Acad::ErrorStatus setName(const ACHAR* pName);
  // From an external reference ("XREF|NAME").
  bool isDependent() const { return name_.find(L'|') != std::wstring::npos; }
  bool isResolved() const { return true; }
  static bool IsValidName(const std::wstring& name, bool allowBar = false);

  // String name.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

  // Host: a name set without checks (file reading).
  void setNameDirect(const std::wstring& name) { name_ = name; }

 private:
  std::wstring name_;
};

class AcDbSymbolTableIterator {
 public:
  virtual ~AcDbSymbolTableIterator();
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& pRecord, AcDb::OpenMode openMode = AcDb::kForRead,
                              bool openErasedRec = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);
  Acad::ErrorStatus seek(const AcDbSymbolTableRecord* pRecord);

  // Host: over a snapshot of the table's records.
  explicit AcDbSymbolTableIterator(std::vector<AcDbObjectId> ids, bool atBeginning = true, bool skipDeleted = true);

 protected:
  template <class R>
  Acad::ErrorStatus getTypedRecord(R*& rec, AcDb::OpenMode mode, bool openErased) const;

 private:
  void skip(bool forward);
  std::vector<AcDbObjectId> ids_;
  long pos_ = 0;
};

// The typed members of a table class; its record and iterator classes are declared before.
#define ZHOST_SYMBOL_TABLE_MEMBERS(RECORD, ITERATOR)                                                 \
  using AcDbSymbolTable::getAt;                                                                       \
  using AcDbSymbolTable::newIterator;                                                                 \
  Acad::ErrorStatus getAt(const ACHAR* entryName, RECORD*& pRec, AcDb::OpenMode openMode,            \
                          bool openErasedRec = false) const {                                         \
    return getTypedAt(entryName, pRec, openMode, openErasedRec);                                      \
  }                                                                                                   \
  Acad::ErrorStatus newIterator(ITERATOR*& pIterator, bool atBeginning = true,                       \
                                bool skipDeleted = true) const {                                      \
    pIterator = new ITERATOR(recordIds(), atBeginning, skipDeleted);                                  \
    return Acad::eOk;                                                                                 \
  }                                                                                                   \
  AcRxClass* recordClass() const override { return RECORD::desc(); }

#define ZHOST_SYMBOL_TABLE_ITERATOR(ITERATOR, RECORD)                                                \
  class ITERATOR : public AcDbSymbolTableIterator {                                                   \
   public:                                                                                            \
    using AcDbSymbolTableIterator::AcDbSymbolTableIterator;                                           \
    using AcDbSymbolTableIterator::getRecord;                                                         \
    Acad::ErrorStatus getRecord(RECORD*& pRecord, AcDb::OpenMode openMode = AcDb::kForRead,          \
                                bool openErasedRec = false) const {                                   \
      return getTypedRecord(pRecord, openMode, openErasedRec);                                        \
    }                                                                                                 \
  };

#include "host/db/AcDbOpenObject.h"

template <class R>
Acad::ErrorStatus AcDbSymbolTable::getTypedAt(const ACHAR* name, R*& rec, AcDb::OpenMode mode, bool openErased) const {
  rec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getAt(name, id, openErased);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(rec, id, mode, openErased);
}

template <class R>
Acad::ErrorStatus AcDbSymbolTableIterator::getTypedRecord(R*& rec, AcDb::OpenMode mode, bool openErased) const {
  rec = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getRecordId(id);
  if (es != Acad::eOk) return es;
  return acdbOpenObject(rec, id, mode, openErased);
}
