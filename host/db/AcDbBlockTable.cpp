// Block definitions: the block table, its records and the entities they own.
#include "host/db/AcDbBlockTable.h"

#include <algorithm>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/db/ObjectAccess.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextCase.h"

namespace {
AcRxObject* MakeBlockRecord() { return new AcDbBlockTableRecord; }
AcRxObject* MakeBlockTable() { return new AcDbBlockTable; }
const wchar_t* const kSortentsKey = L"ACAD_SORTENTS";
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbBlockTableRecord, AcDbSymbolTableRecord, MakeBlockRecord)
ZHOST_RX_HOST_MEMBERS(AcDbBlockTable, AcDbSymbolTable, MakeBlockTable)

AcDbBlockTable::AcDbBlockTable() = default;
AcDbBlockTable::~AcDbBlockTable() = default;
AcDbBlockTableRecord::AcDbBlockTableRecord() = default;
AcDbBlockTableRecord::~AcDbBlockTableRecord() = default;

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbEntity* pEntity) {
  AcDbObjectId id;
  return appendAcDbEntity(id, pEntity);
}

Acad::ErrorStatus AcDbBlockTableRecord::appendAcDbEntity(AcDbObjectId& pOutputId, AcDbEntity* pEntity) {
  pOutputId.setNull();
  if (!pEntity) return Acad::eNullObjectPointer;
  if (!pEntity->objectId().isNull()) return Acad::eAlreadyInDb;
  AcDbDatabase* db = database();
  if (!db) return Acad::eNotInDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  pEntity->resolveSymbols(db);
  assertWriteEnabled(false, true);
  pEntity->setOwnerId(objectId());
  Acad::ErrorStatus es = db->addAcDbObject(pOutputId, pEntity);
  if (es != Acad::eOk) return es;
  entities_.push_back(pOutputId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::newIterator(AcDbBlockTableRecordIterator*& pIterator, bool atBeginning,
                                                    bool skipDeleted) const {
  assertReadEnabled();
  pIterator = new AcDbBlockTableRecordIterator(objectId(), entities_, atBeginning, skipDeleted);
  return Acad::eOk;
}

AcGePoint3d AcDbBlockTableRecord::origin() const {
  assertReadEnabled();
  return origin_;
}

Acad::ErrorStatus AcDbBlockTableRecord::setOrigin(const AcGePoint3d& pt) {
  assertWriteEnabled();
  origin_ = pt;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::comments(const ACHAR*& pString) const {
  assertReadEnabled();
  pString = comments_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setComments(const ACHAR* pString) {
  assertWriteEnabled();
  comments_ = pString ? pString : L"";
  return Acad::eOk;
}

bool AcDbBlockTableRecord::isLayout() const {
  const std::wstring& n = nameString();
  return zhost::EqualsNoCase(n, ACDB_MODEL_SPACE) ||
         (n.size() >= 12 && zhost::EqualsNoCase(n.substr(0, 12), ACDB_PAPER_SPACE));
}

bool AcDbBlockTableRecord::isAnonymous() const { return !nameString().empty() && nameString()[0] == L'*' && !isLayout(); }

Acad::ErrorStatus AcDbBlockTableRecord::setIsFromOverlayReference(bool overlay) {
  assertWriteEnabled();
  overlay_ = overlay;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::pathName(const ACHAR*& pPath) const {
  assertReadEnabled();
  pPath = path_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecord::setPathName(const ACHAR* pathStr) {
  assertWriteEnabled();
  path_ = pathStr ? pathStr : L"";
  if (path_.empty()) {
    xrefDb_.reset();
    xrefStatus_ = AcDb::kXrfNotAnXref;
  } else if (xrefStatus_ == AcDb::kXrfNotAnXref) {
    xrefStatus_ = AcDb::kXrfUnresolved;
  }
  return Acad::eOk;
}

AcDb::XrefStatus AcDbBlockTableRecord::xrefStatus() const { return path_.empty() ? AcDb::kXrfNotAnXref : xrefStatus_; }

AcDbDatabase* AcDbBlockTableRecord::getXrefDatabase(bool incUnres) const {
  if (!xrefDb_) return nullptr;
  if (!incUnres && xrefStatus_ != AcDb::kXrfResolved) return nullptr;
  return xrefDb_.get();
}

void AcDbBlockTableRecord::setXrefDatabase(AcDbDatabase* db, AcDb::XrefStatus status) {
  xrefDb_.reset(db);
  xrefStatus_ = path_.empty() ? AcDb::kXrfNotAnXref : status;
}

Acad::ErrorStatus AcDbBlockTableRecord::getSortentsTable(AcDbSortentsTable*& pSortents, AcDb::OpenMode openMode,
                                                         bool createIfNecessary) {
  pSortents = nullptr;
  AcDbDatabase* db = database();
  if (!db) return Acad::eNotInDatabase;
  AcDbObjectId dictId = extensionDictionary();
  if ((dictId.isNull() || dictId.isErased()) && !createIfNecessary) return Acad::eKeyNotFound;
  if (dictId.isNull() || dictId.isErased()) {
    // A record open for read is raised for the creation and lowered again.
    bool raised = false;
    if (!isWriteEnabled()) {
      if (upgradeOpen() != Acad::eOk) return Acad::eNotOpenForWrite;
      raised = true;
    }
    Acad::ErrorStatus es = createExtensionDictionary();
    if (raised) downgradeOpen();
    if (es != Acad::eOk) return es;
    dictId = extensionDictionary();
  }
  AcDbDictionary* dict = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(dict, dictId, AcDb::kForRead);
  if (es != Acad::eOk) return es;
  AcDbObjectId sortId;
  es = dict->getAt(kSortentsKey, sortId);
  if (es != Acad::eOk && createIfNecessary) {
    dict->upgradeOpen();
    AcDbSortentsTable* table = new AcDbSortentsTable;
    table->setBlockId(objectId());
    es = dict->setAt(kSortentsKey, table, sortId);
    if (es != Acad::eOk)
      delete table;
    else
      table->close();
  }
  dict->close();
  if (es != Acad::eOk) return es;
  return acdbOpenObject(pSortents, sortId, openMode);
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(origin_);
  filer->writeString(comments_);
  filer->writeString(path_);
  filer->writeBoolean(overlay_);
  filer->writeBoolean(hasAttdefs_);
  if (filer->filerType() == AcDb::kFileFiler) {
    filer->writeInt32(static_cast<Adesk::Int32>(entities_.size()));
    for (const AcDbObjectId& id : entities_) filer->writeHardOwnershipId(id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcGePoint3d origin;
  std::wstring comments, path;
  bool overlay = false, attdefs = false;
  filer->readPoint3d(&origin);
  filer->readString(comments);
  filer->readString(path);
  filer->readBoolean(&overlay);
  filer->readBoolean(&attdefs);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (filer->filerType() == AcDb::kFileFiler) {
    Adesk::Int32 count = 0;
    if (filer->readInt32(&count) != Acad::eOk) return filer->filerStatus();
    if (count < 0 || count > 100000000) {
      filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
      return filer->filerStatus();
    }
    std::vector<AcDbObjectId> ids;
    for (Adesk::Int32 i = 0; i < count; ++i) {
      AcDbHardOwnershipId id;
      if (filer->readHardOwnershipId(&id) != Acad::eOk) return filer->filerStatus();
      if (!id.isNull()) ids.push_back(id);
    }
    entities_ = ids;
  }
  origin_ = origin;
  comments_ = comments;
  if (path != path_) setPathName(path.c_str());
  overlay_ = overlay;
  hasAttdefs_ = attdefs;
  return Acad::eOk;
}

AcDbBlockTableRecordIterator::AcDbBlockTableRecordIterator(AcDbObjectId owner, std::vector<AcDbObjectId> ids,
                                                           bool atBeginning, bool skipDeleted)
    : owner_(owner), ids_(std::move(ids)) {
  start(atBeginning, skipDeleted);
}

AcDbBlockTableRecordIterator::~AcDbBlockTableRecordIterator() = default;

void AcDbBlockTableRecordIterator::skip(bool forward) {
  while (!done() && ids_[static_cast<size_t>(pos_)].isErased()) pos_ += forward ? 1 : -1;
}

void AcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted) {
  pos_ = atBeginning ? 0 : static_cast<long>(ids_.size()) - 1;
  if (skipDeleted) skip(atBeginning);
}

bool AcDbBlockTableRecordIterator::done() const { return pos_ < 0 || pos_ >= static_cast<long>(ids_.size()); }

void AcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted) {
  if (done()) return;
  pos_ += forward ? 1 : -1;
  if (skipDeleted) skip(forward);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntityId(AcDbObjectId& entityId) const {
  if (done()) return Acad::eInvalidIndex;
  entityId = ids_[static_cast<size_t>(pos_)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::getEntity(AcDbEntity*& pEntity, AcDb::OpenMode openMode,
                                                          bool openErasedEntity) const {
  pEntity = nullptr;
  AcDbObjectId id;
  Acad::ErrorStatus es = getEntityId(id);
  if (es != Acad::eOk) return es;
  return acdbOpenAcDbEntity(pEntity, id, openMode, openErasedEntity);
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(AcDbObjectId id) {
  auto it = std::find(ids_.begin(), ids_.end(), id);
  if (it == ids_.end()) return Acad::eKeyNotFound;
  pos_ = static_cast<long>(it - ids_.begin());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockTableRecordIterator::seek(const AcDbEntity* pEntity) {
  if (!pEntity) return Acad::eNullObjectPointer;
  return seek(pEntity->objectId());
}
