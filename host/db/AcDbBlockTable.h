// The block table and its records. A block table record owns entities in the order they were
// appended, which is also the draw order unless its sort-ents table says otherwise. Every
// database has "*Model_Space" and "*Paper_Space" (ACDB_MODEL_SPACE, ACDB_PAPER_SPACE). A record
// with a path name is an external reference; the file code resolves it (setXrefDatabase).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbSymbolTable.h"
#include "host/ge/AcGePoint3d.h"

#define ACDB_MODEL_SPACE L"*Model_Space"
#define ACDB_PAPER_SPACE L"*Paper_Space"

class AcDbBlockTableRecordIterator;
class AcDbSortentsTable;

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // The record must be in a database and open for write (eNotInDatabase, eNotOpenForWrite);
  // the entity new (eNullObjectPointer, eAlreadyInDb). The entity enters the database open for
  // write (the caller closes it), its owner is this record, its layer and linetype names are
  // resolved there; database reactors hear objectAppended. Undo removes it again.
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* pEntity);
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity);
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  AcGePoint3d origin() const;
  Acad::ErrorStatus setOrigin(const AcGePoint3d& pt);
  Acad::ErrorStatus comments(const ACHAR*& pString) const;
  Acad::ErrorStatus setComments(const ACHAR* pString);

  // "*Model_Space" and "*Paper_Space..." records.
  bool isLayout() const;
  // Names "*U...", "*D..." and other '*' names that are not layouts; add() turns a record named
  // exactly "*U" (or "*D", "*X", "*T", "*E", "*A") into the next free "*U<n>".
  bool isAnonymous() const;
  bool hasAttributeDefinitions() const { return hasAttdefs_; }
  void setHasAttributeDefinitions(bool has) { hasAttdefs_ = has; }

  // External references.
  bool isFromExternalReference() const { return !path_.empty(); }
  bool isFromOverlayReference() const { return !path_.empty() && overlay_; }
  Acad::ErrorStatus setIsFromOverlayReference(bool overlay);
  Acad::ErrorStatus pathName(const ACHAR*& pPath) const;
  Acad::ErrorStatus setPathName(const ACHAR* pathStr);
  AcDb::XrefStatus xrefStatus() const;
  // The resolved reference drawing (null while unresolved, or with incUnres false when it is
  // not resolved).
  AcDbDatabase* getXrefDatabase(bool incUnres = false) const;
  // Host (file code): the drawing read for this reference; the record deletes it.
  void setXrefDatabase(AcDbDatabase* db, AcDb::XrefStatus status);

  // The draw order in the extension dictionary ("ACAD_SORTENTS"), created when asked for.
  Acad::ErrorStatus getSortentsTable(AcDbSortentsTable*& pSortents, AcDb::OpenMode openMode,
                                     bool createIfNecessary = false);

  // Host: the owned entity ids in append order (erased ones included).
  const std::vector<AcDbObjectId>& entityIds() const { return entities_; }
  // Host (file code): an entity read from a file, already in the database.
  void addEntityIdDirect(AcDbObjectId id) { entities_.push_back(id); }

  // After the name: Point3d origin, String comments, String path, Boolean overlay, Boolean
  // attributes; for kFileFiler also Int32 count and HardOwnershipId per entity.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  std::vector<AcDbObjectId> entities_;
  AcGePoint3d origin_;
  std::wstring comments_, path_;
  bool overlay_ = false;
  bool hasAttdefs_ = false;
  std::unique_ptr<AcDbDatabase> xrefDb_;
  AcDb::XrefStatus xrefStatus_ = AcDb::kXrfNotAnXref;
};

class AcDbBlockTableRecordIterator {
 public:
  ~AcDbBlockTableRecordIterator();
  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& entityId) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode = AcDb::kForRead,
                              bool openErasedEntity = false) const;
  Acad::ErrorStatus seek(AcDbObjectId id);
  Acad::ErrorStatus seek(const AcDbEntity* pEntity);
  AcDbObjectId blockTableRecordId() const { return owner_; }

  // Host: over a snapshot of the record's entities (appending while iterating is safe).
  AcDbBlockTableRecordIterator(AcDbObjectId owner, std::vector<AcDbObjectId> ids, bool atBeginning, bool skipDeleted);

 private:
  void skip(bool forward);
  AcDbObjectId owner_;
  std::vector<AcDbObjectId> ids_;
  long pos_ = 0;
};

ZHOST_SYMBOL_TABLE_ITERATOR(AcDbBlockTableIterator, AcDbBlockTableRecord)

class AcDbBlockTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTable);
  AcDbBlockTable();
  ~AcDbBlockTable() override;
  ZHOST_SYMBOL_TABLE_MEMBERS(AcDbBlockTableRecord, AcDbBlockTableIterator)
};
