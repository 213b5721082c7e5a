// Drawing databases: slots and handles, the default drawing, header variables, reactors.
#include "host/db/AcDbDatabase.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabaseReactor.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/ObjectAccess.h"
#include "host/db/SymbolLookup.h"
#include "host/db/UndoRecorder.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbDatabase, AcRxObject, nullptr)

namespace {

std::set<const AcDbDatabase*>& LiveDatabases() {
  static std::set<const AcDbDatabase*> live;
  return live;
}

// Adds a record to an open table and closes it; the id.
template <class Table, class Record>
AcDbObjectId AddRecord(Table* table, Record* rec, const wchar_t* name) {
  rec->setName(name);
  AcDbObjectId id;
  if (table->add(id, rec) != Acad::eOk) {
    delete rec;
    return id;
  }
  rec->close();
  return id;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefaultDrawing, bool noDocument)
    : noDocument_(noDocument), undo_(new zhost::UndoRecorder(this)) {
  LiveDatabases().insert(this);
  if (buildDefaultDrawing) buildDefaults();
}

AcDbDatabase::~AcDbDatabase() {
  deleting_ = true;
  std::vector<AcDbDatabaseReactor*> reactors = reactors_;
  for (AcDbDatabaseReactor* r : reactors) zhost::Guarded(L"A database reactor", [&] { r->goodbye(this); });
  reactors_.clear();
  acdbHostApplicationServices()->forgetDatabase(this);
  // Objects first (newest first), then the undo record that refers to their slots.
  std::vector<AcDbObject*> objects;
  for (auto& entry : stubs_)
    if (entry.second->object) objects.push_back(entry.second->object);
  std::reverse(objects.begin(), objects.end());
  for (AcDbObject* obj : objects) zhost::ObjectAccess::detachForDelete(obj);
  for (AcDbObject* obj : objects) delete obj;
  undo_.reset();
  LiveDatabases().erase(this);
}

bool AcDbDatabase::isAlive(const AcDbDatabase* db) { return db && LiveDatabases().count(db) > 0; }

void AcDbDatabase::buildDefaults() {
  undo_->setDisabled(true);
  auto root = [this](RootObject which, AcDbObject* obj) {
    AcDbObjectId id;
    addAcDbObject(id, obj);
    obj->close();
    tables_[which] = id;
  };
  root(kBlock, new AcDbBlockTable);
  root(kLayer, new AcDbLayerTable);
  root(kTextStyle, new AcDbTextStyleTable);
  root(kLinetype, new AcDbLinetypeTable);
  root(kRegApp, new AcDbRegAppTable);
  root(kDimStyle, new AcDbDimStyleTable);
  root(kNamedObjects, new AcDbDictionary);

  AcDbLinetypeTable* linetypes = nullptr;
  if (getLinetypeTable(linetypes, AcDb::kForWrite) == Acad::eOk) {
    AddRecord(linetypes, new AcDbLinetypeTableRecord, L"ByBlock");
    AddRecord(linetypes, new AcDbLinetypeTableRecord, L"ByLayer");
    AcDbLinetypeTableRecord* continuous = new AcDbLinetypeTableRecord;
    continuous->setComments(L"Solid line");
    AddRecord(linetypes, continuous, L"Continuous");
    linetypes->close();
  }
  AcDbLayerTable* layers = nullptr;
  if (getLayerTable(layers, AcDb::kForWrite) == Acad::eOk) {
    AcDbLayerTableRecord* zero = new AcDbLayerTableRecord;
    zero->setLinetypeObjectId(continuousLinetype());
    clayer_ = AddRecord(layers, zero, L"0");
    layers->close();
  }
  AcDbBlockTable* blocks = nullptr;
  if (getBlockTable(blocks, AcDb::kForWrite) == Acad::eOk) {
    AddRecord(blocks, new AcDbBlockTableRecord, ACDB_MODEL_SPACE);
    AddRecord(blocks, new AcDbBlockTableRecord, ACDB_PAPER_SPACE);
    blocks->close();
  }
  AcDbTextStyleTable* styles = nullptr;
  if (getTextStyleTable(styles, AcDb::kForWrite) == Acad::eOk) {
    textstyle_ = AddRecord(styles, new AcDbTextStyleTableRecord, L"Standard");
    styles->close();
  }
  AcDbDimStyleTable* dimstyles = nullptr;
  if (getDimStyleTable(dimstyles, AcDb::kForWrite) == Acad::eOk) {
    dimstyle_ = AddRecord(dimstyles, new AcDbDimStyleTableRecord, L"Standard");
    dimstyles->close();
  }
  AcDbRegAppTable* apps = nullptr;
  if (getRegAppTable(apps, AcDb::kForWrite) == Acad::eOk) {
    AddRecord(apps, new AcDbRegAppTableRecord, L"ACAD");
    apps->close();
  }
  celtype_ = byLayerLinetype();
  cecolor_.setByLayer();
  dbmod_ = 0;
  undo_->setDisabled(false);
}

zhost::ObjectStub* AcDbDatabase::stubOf(const AcDbHandle& handle) const {
  auto it = stubs_.find(handle.value());
  return it == stubs_.end() ? nullptr : it->second.get();
}

zhost::ObjectStub* AcDbDatabase::newStub(const AcDbHandle& handle) {
  std::unique_ptr<zhost::ObjectStub> stub(new zhost::ObjectStub);
  stub->database = this;
  stub->handle = handle;
  zhost::ObjectStub* raw = stub.get();
  stubs_[handle.value()] = std::move(stub);
  if (handle >= handseed_) handseed_ = AcDbHandle(handle.value() + 1);
  return raw;
}

Acad::ErrorStatus AcDbDatabase::addObject(AcDbObject* obj, zhost::ObjectStub* stub) {
  zhost::ObjectAccess::attach(obj, stub);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* pObj) {
  AcDbObjectId id;
  return addAcDbObject(id, pObj);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& objId, AcDbObject* pObj) {
  objId.setNull();
  if (!pObj) return Acad::eNullObjectPointer;
  if (!pObj->objectId().isNull()) return Acad::eAlreadyInDb;
  AcDbHandle handle = handseed_;
  while (stubs_.count(handle.value())) handle.increment();
  zhost::ObjectStub* stub = newStub(handle);
  addObject(pObj, stub);
  objId = AcDbObjectId(stub);
  undo_->recordAppend(pObj);
  zhost::ObjectAccess::notifyAppended(pObj);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addObjectWithHandle(AcDbObject* pObj, const AcDbHandle& handle, AcDbObjectId& objId) {
  objId.setNull();
  if (!pObj) return Acad::eNullObjectPointer;
  if (!pObj->objectId().isNull()) return Acad::eAlreadyInDb;
  if (handle.isNull()) return Acad::eInvalidInput;
  zhost::ObjectStub* stub = stubOf(handle);
  if (stub && stub->object) return Acad::eHandleInUse;
  if (!stub) stub = newStub(handle);
  addObject(pObj, stub);
  objId = AcDbObjectId(stub);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& retId, bool createIfNotFound, const AcDbHandle& objHandle,
                                                Adesk::UInt32) {
  retId.setNull();
  if (objHandle.isNull()) return Acad::eInvalidInput;
  zhost::ObjectStub* stub = stubOf(objHandle);
  if (!stub && createIfNotFound) stub = newStub(objHandle);
  if (!stub) return Acad::eUnknownHandle;
  retId = AcDbObjectId(stub);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setHandseed(const AcDbHandle& handle) {
  if (handle.isNull()) return Acad::eInvalidInput;
  if (!stubs_.empty() && handle.value() <= stubs_.rbegin()->first) return Acad::eInvalidInput;
  handseed_ = handle;
  return Acad::eOk;
}

void AcDbDatabase::getAllObjectIds(AcDbObjectIdArray& ids) const {
  ids.removeAll();
  for (const auto& entry : stubs_)
    if (entry.second->object) ids.append(AcDbObjectId(entry.second.get()));
}

int AcDbDatabase::numObjects(bool includeErased) const {
  int n = 0;
  for (const auto& entry : stubs_) {
    const AcDbObject* obj = entry.second->object;
    if (obj && (includeErased || !obj->isErased())) ++n;
  }
  return n;
}

template <class T>
Acad::ErrorStatus AcDbDatabase::openRoot(RootObject which, T*& pObj, AcDb::OpenMode mode) {
  pObj = nullptr;
  if (tables_[which].isNull()) return Acad::eNullObjectId;
  return acdbOpenObject(pObj, tables_[which], mode);
}

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& pTable, AcDb::OpenMode mode) { return openRoot(kBlock, pTable, mode); }
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& pTable, AcDb::OpenMode mode) { return openRoot(kLayer, pTable, mode); }
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& pTable, AcDb::OpenMode mode) {
  return openRoot(kTextStyle, pTable, mode);
}
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& pTable, AcDb::OpenMode mode) {
  return openRoot(kDimStyle, pTable, mode);
}
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& pTable, AcDb::OpenMode mode) {
  return openRoot(kLinetype, pTable, mode);
}
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& pTable, AcDb::OpenMode mode) { return openRoot(kRegApp, pTable, mode); }
Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& pDict, AcDb::OpenMode mode) {
  return openRoot(kNamedObjects, pDict, mode);
}

AcDbObjectId AcDbDatabase::modelSpaceId() const { return zhost::FindRecord(tables_[kBlock], ACDB_MODEL_SPACE); }
AcDbObjectId AcDbDatabase::paperSpaceId() const { return zhost::FindRecord(tables_[kBlock], ACDB_PAPER_SPACE); }
AcDbObjectId AcDbDatabase::currentSpaceId() const { return tilemode_ ? modelSpaceId() : paperSpaceId(); }
AcDbObjectId AcDbDatabase::byLayerLinetype() const { return zhost::FindRecord(tables_[kLinetype], L"ByLayer"); }
AcDbObjectId AcDbDatabase::byBlockLinetype() const { return zhost::FindRecord(tables_[kLinetype], L"ByBlock"); }
AcDbObjectId AcDbDatabase::continuousLinetype() const { return zhost::FindRecord(tables_[kLinetype], L"Continuous"); }
AcDbObjectId AcDbDatabase::layerZero() const { return zhost::FindRecord(tables_[kLayer], L"0"); }

Acad::ErrorStatus AcDbDatabase::checkRecord(AcDbObjectId id, AcRxClass* cls) const {
  if (id.isNull()) return Acad::eNullObjectId;
  if (id.database() != this) return Acad::eWrongDatabase;
  AcDbObject* obj = zhost::PeekObject(id);
  if (!obj) return Acad::eUnknownHandle;
  if (!obj->isKindOf(cls)) return Acad::eWrongObjectType;
  if (obj->isErased()) return Acad::eWasErased;
  return Acad::eOk;
}

void AcDbDatabase::headerWillChange(const ACHAR* name) {
  zhost::ObjectAccess::forEachDbReactor(this, [this, name](AcDbDatabaseReactor* r) { r->headerSysVarWillChange(this, name); });
}

void AcDbDatabase::headerChanged(const ACHAR* name) {
  ++dbmod_;
  zhost::ObjectAccess::forEachDbReactor(this, [this, name](AcDbDatabaseReactor* r) { r->headerSysVarChanged(this, name, true); });
}

#define ZHOST_ID_HEADER(SETTER, MEMBER, CLASS, NAME)          \
  Acad::ErrorStatus AcDbDatabase::SETTER(AcDbObjectId objId) { \
    Acad::ErrorStatus es = checkRecord(objId, CLASS::desc());  \
    if (es != Acad::eOk) return es;                            \
    headerWillChange(NAME);                                    \
    MEMBER = objId;                                            \
    headerChanged(NAME);                                       \
    return Acad::eOk;                                          \
  }
ZHOST_ID_HEADER(setClayer, clayer_, AcDbLayerTableRecord, L"CLAYER")
ZHOST_ID_HEADER(setTextstyle, textstyle_, AcDbTextStyleTableRecord, L"TEXTSTYLE")
ZHOST_ID_HEADER(setDimstyle, dimstyle_, AcDbDimStyleTableRecord, L"DIMSTYLE")
ZHOST_ID_HEADER(setCeltype, celtype_, AcDbLinetypeTableRecord, L"CELTYPE")
#undef ZHOST_ID_HEADER

#define ZHOST_POSITIVE_HEADER(SETTER, MEMBER, NAME)                         \
  Acad::ErrorStatus AcDbDatabase::SETTER(double value) {                   \
    if (!(value > 0) || !std::isfinite(value)) return Acad::eInvalidInput; \
    headerWillChange(NAME);                                                \
    MEMBER = value;                                                        \
    headerChanged(NAME);                                                   \
    return Acad::eOk;                                                      \
  }
ZHOST_POSITIVE_HEADER(setTextsize, textsize_, L"TEXTSIZE")
ZHOST_POSITIVE_HEADER(setLtscale, ltscale_, L"LTSCALE")
ZHOST_POSITIVE_HEADER(setCeltscale, celtscale_, L"CELTSCALE")
ZHOST_POSITIVE_HEADER(setDimscale, dimscale_, L"DIMSCALE")
#undef ZHOST_POSITIVE_HEADER

Acad::ErrorStatus AcDbDatabase::setCecolor(const AcCmColor& color) {
  headerWillChange(L"CECOLOR");
  cecolor_ = color;
  headerChanged(L"CECOLOR");
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setTilemode(bool mode) {
  headerWillChange(L"TILEMODE");
  tilemode_ = mode;
  headerChanged(L"TILEMODE");
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setInsunits(AcDb::UnitsValue units) {
  if (units < AcDb::kUnitsUndefined || units > AcDb::kUnitsMax) return Acad::eInvalidInput;
  headerWillChange(L"INSUNITS");
  insunits_ = units;
  headerChanged(L"INSUNITS");
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setCelweight(AcDb::LineWeight weight) {
  if (weight < AcDb::kLnWtByLwDefault || weight > AcDb::kLnWt211) return Acad::eInvalidInput;
  headerWillChange(L"CELWEIGHT");
  celweight_ = weight;
  headerChanged(L"CELWEIGHT");
  return Acad::eOk;
}

void AcDbDatabase::addReactor(AcDbDatabaseReactor* pReactor) const {
  if (!pReactor || std::find(reactors_.begin(), reactors_.end(), pReactor) != reactors_.end()) return;
  reactors_.push_back(pReactor);
}

Acad::ErrorStatus AcDbDatabase::removeReactor(AcDbDatabaseReactor* pReactor) const {
  auto it = std::find(reactors_.begin(), reactors_.end(), pReactor);
  if (it == reactors_.end()) return Acad::eKeyNotFound;
  reactors_.erase(it);
  return Acad::eOk;
}

void AcDbDatabase::disableUndoRecording(Adesk::Boolean disable) { undo_->setDisabled(disable); }

bool AcDbDatabase::undoRecording() const { return !undo_->disabled(); }
