// Appending, layers, erasing, the add-on's own entities, draw order and graphics updates.
#include "acadobjects/EntityServices.h"

#include <set>

#include "acadobjects/DocLocks.h"
#include "acadobjects/DocumentServices.h"
#include "acadobjects/Messages.h"
#include "acadobjects/ServiceGuard.h"
#include "frame/ResourceString.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/ed/CommandLine.h"
#include "host/rx/AcRxClass.h"
#include "proxy/QBdim.h"
#include "proxy/QBdimHeight.h"

namespace {

const int kLockedLayerMessage = 32903;

bool IsKindWanted(AcRxClass* cls, int kind) {
  if (!cls) return false;
  const int k = kind < 0 ? -kind : kind;
  if ((k == 1 || k == 2) && cls->isDerivedFrom(QBdim::desc())) return true;
  if ((k == 1 || k == 3) && cls->isDerivedFrom(QBdimHeight::desc())) return true;
  return false;
}

// Opens the layer of `entity` for `mode`; null (and the message) when it cannot.
AcDbLayerTableRecord* OpenLayerOf(AcDbEntity* entity, AcDb::OpenMode mode) {
  const AcDbObjectId layerId = entity->layerId();
  if (layerId.isNull()) return nullptr;
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, layerId, mode) != Acad::eOk) {
    acutPrintf(L"\nAny problem on layer table");
    return nullptr;
  }
  return layer;
}

void CollectFromBlock(AcDbObjectId blockId, int kind, AcDbObjectIdArray& ids, std::set<AcDbObjectId>& visited, int& count);

void CollectFromBlockReference(AcDbObjectId refId, int kind, AcDbObjectIdArray& ids,
                               std::set<AcDbObjectId>& visited, int& count);

void CollectFromBlock(AcDbObjectId blockId, int kind, AcDbObjectIdArray& ids, std::set<AcDbObjectId>& visited, int& count) {
  if (!visited.insert(blockId).second) return;
  AcDbBlockTableRecord* block = nullptr;
  if (acdbOpenObject(block, blockId, AcDb::kForRead) != Acad::eOk) return;
  if (block->isFromExternalReference() || block->isFromOverlayReference()) {
    block->close();
    return;
  }
  AcDbBlockTableRecordIterator* it = nullptr;
  block->newIterator(it);
  block->close();
  for (; it && !it->done(); it->step()) {
    AcDbObjectId id;
    if (it->getEntityId(id) != Acad::eOk) continue;
    if (IsKindWanted(id.objectClass(), kind)) {
      ids.append(id);
      ++count;
    } else if (kind < 0) {
      CollectFromBlockReference(id, kind, ids, visited, count);
    }
  }
  delete it;
}

// The definition of a block reference (never an external or overlay reference).
void CollectFromBlockReference(AcDbObjectId refId, int kind, AcDbObjectIdArray& ids,
                               std::set<AcDbObjectId>& visited, int& count) {
  AcRxClass* cls = refId.objectClass();
  if (!cls || !cls->isDerivedFrom(AcDbBlockReference::desc())) return;
  AcDbBlockReference* reference = nullptr;
  if (acdbOpenObject(reference, refId, AcDb::kForRead) != Acad::eOk) return;
  const AcDbObjectId blockId = reference->blockTableRecord();
  reference->close();
  CollectFromBlock(blockId, kind, ids, visited, count);
}

void ForEachOpenForWrite(const AcDbObjectIdArray& ids, void (*change)(AcDbEntity*)) {
  for (int i = 0; i < ids.length(); ++i) {
    if (!ids[i].isValid() || ids[i].isErased()) continue;
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, ids[i], AcDb::kForRead) != Acad::eOk) continue;
    if (entity->upgradeOpen() == Acad::eOk) {
      change(entity);
      entity->downgradeOpen();
    }
    entity->close();
  }
}

}  // namespace

Acad::ErrorStatus AppendEntity(AcDbEntity* entity, const wchar_t* layer, int color, AcDbObjectId* id) {
  if (!entity) return Acad::eNullObjectPointer;
  return GuardedService(L"AppendEntity", Acad::eInvalidInput, [&] {
    AcDbDatabase* db = CurDwg();
    if (!db) return Acad::eNoDatabase;
    CDocLockScope lock(db, L"AppendEntity");
    if (layer && *layer) SetLayer(db, entity, layer, color);
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) {
      acutPrintf(L"\nCannot get block table.");
      return Acad::eNotOpenForRead;
    }
    AcDbBlockTableRecord* space = nullptr;
    Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
    if (es != Acad::eOk) return es;
    AcDbObjectId newId;
    es = space->appendAcDbEntity(newId, entity);
    space->close();
    if (es != Acad::eOk) return es;
    entity->closeAndPage();
    if (id) *id = newId;
    return Acad::eOk;
  });
}

int NewLayerColor(int color) { return color >= 1 && color <= 255 ? color : 7; }

Acad::ErrorStatus CreateLayer(AcDbDatabase* db, const wchar_t* name, int color, AcDbObjectId* id) {
  if (!db || !name || !*name) return Acad::eInvalidInput;
  return GuardedService(L"CreateLayer", Acad::eInvalidInput, [&] {
    AcDbLayerTable* table = nullptr;
    Acad::ErrorStatus es = db->getLayerTable(table, AcDb::kForRead);
    if (es != Acad::eOk) return es;
    AcDbObjectId layerId;
    if (table->getAt(name, layerId) == Acad::eOk) {
      table->close();
      if (id) *id = layerId;
      return Acad::eOk;
    }
    es = table->upgradeOpen();
    if (es == Acad::eOk) {
      AcDbLayerTableRecord* record = new AcDbLayerTableRecord;
      record->setName(name);
      record->setIsFrozen(false);
      record->setIsOff(false);
      record->setVPDFLT(false);
      record->setIsLocked(false);
      AcCmColor layerColor;
      layerColor.setColorIndex(static_cast<Adesk::UInt16>(NewLayerColor(color)));
      record->setColor(layerColor);
      record->setLinetypeObjectId(db->continuousLinetype());
      es = table->add(layerId, record);
      if (es == Acad::eOk) {
        record->close();
      } else {
        delete record;
      }
    }
    table->close();
    if (es != Acad::eOk) {
      ShowMessageFormat(L"Chyba %d pri vytváraní vrstvy %s", static_cast<int>(es), name);
      return es;
    }
    if (id) *id = layerId;
    return Acad::eOk;
  });
}

Acad::ErrorStatus SetLayer(AcDbDatabase* db, AcDbEntity* entity, const wchar_t* layer, int color) {
  if (!db || !entity || !layer || !*layer) return Acad::eInvalidInput;
  return GuardedService(L"SetLayer", Acad::eInvalidInput, [&] {
    CDocLockScope lock(db, L"SetLayer");
    AcDbObjectId layerId;
    Acad::ErrorStatus es = CreateLayer(db, layer, color, &layerId);
    if (es != Acad::eOk) return es;
    const bool upgraded = entity->isPersistent() && !entity->isWriteEnabled();
    if (upgraded && (es = entity->upgradeOpen()) != Acad::eOk) return es;
    es = entity->isPersistent() ? entity->setLayer(layerId) : entity->setLayer(layer);
    if (upgraded) entity->downgradeOpen();
    return es;
  });
}

int ReleaseLayer(AcDbEntity* entity) {
  if (!entity) return 0;
  return GuardedService(L"ReleaseLayer", 0, [&] {
    AcDbLayerTableRecord* layer = OpenLayerOf(entity, AcDb::kForRead);
    if (!layer) return 0;
    int flags = 0;
    if (layer->isFrozen()) flags |= LAYER_WAS_FROZEN;
    if (layer->isLocked()) flags |= LAYER_WAS_LOCKED;
    if (flags && layer->upgradeOpen() == Acad::eOk) {
      if (flags & LAYER_WAS_FROZEN) layer->setIsFrozen(false);
      if (flags & LAYER_WAS_LOCKED) layer->setIsLocked(false);
    } else if (flags) {
      acutPrintf(L"\nAny problem on layer table");
      flags = 0;
    }
    layer->close();
    return flags;
  });
}

void RestoreLayer(AcDbEntity* entity, int flags) {
  if (!entity || !(flags & (LAYER_WAS_FROZEN | LAYER_WAS_LOCKED))) return;
  GuardedServiceVoid(L"RestoreLayer", [&] {
    AcDbLayerTableRecord* layer = OpenLayerOf(entity, AcDb::kForWrite);
    if (!layer) return;
    if (flags & LAYER_WAS_LOCKED) layer->setIsLocked(true);
    if (flags & LAYER_WAS_FROZEN) layer->setIsFrozen(true);
    layer->close();
  });
}

bool IsOnLockedLayer(AcDbEntity* entity, bool print) {
  if (!entity) return false;
  return GuardedService(L"IsOnLockedLayer", false, [&] {
    AcDbLayerTableRecord* layer = OpenLayerOf(entity, AcDb::kForRead);
    if (!layer) return false;
    const bool locked = layer->isLocked();
    layer->close();
    if (locked && print) acutPrintf(L"\n%s", LoadResString(kLockedLayerMessage));
    return locked;
  });
}

Acad::ErrorStatus EraseObject(AcDbDatabase* db, AcDbObjectId id) {
  return GuardedService(L"EraseObject", Acad::eInvalidInput, [&] {
    CDocLockScope lock(db ? db : id.database(), L"EraseObject");
    AcDbEntity* entity = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(entity, id, AcDb::kForRead);
    if (es != Acad::eOk) return es;
    const int flags = ReleaseLayer(entity);
    es = entity->upgradeOpen();
    if (es == Acad::eOk) es = entity->erase();
    RestoreLayer(entity, flags);
    entity->close();
    return es;
  });
}

int GetZenkoraObjects(AcDbObjectIdArray& ids, int kind, AcDbDatabase* db) {
  return GuardedService(L"GetZenkoraObjects", 0, [&] {
    if (!db) db = CurDwg();
    if (!db) return 0;
    std::set<AcDbObjectId> visited;
    int count = 0;
    CollectFromBlock(db->modelSpaceId(), kind, ids, visited, count);
    return count;
  });
}

namespace {

Acad::ErrorStatus MoveInDrawOrder(AcDbObjectId blockId, const AcDbObjectIdArray& ids, bool toBottom) {
  AcDbBlockTableRecord* block = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(block, blockId, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  AcDbSortentsTable* order = nullptr;
  es = block->getSortentsTable(order, AcDb::kForWrite, true);
  block->close();
  if (es != Acad::eOk) return es;
  es = toBottom ? order->moveToBottom(ids) : order->moveToTop(ids);
  order->close();
  return es;
}

}  // namespace

void TextToFront() {
  GuardedServiceVoid(L"TextToFront", [] {
    AcDbDatabase* db = CurDwg();
    if (!db) return;
    AcDbObjectIdArray ids;
    if (GetZenkoraObjects(ids, 1, db) == 0) return;
    CDocLockScope lock(db, L"TextToFront");
    MoveInDrawOrder(db->modelSpaceId(), ids, false);
  });
}

void MyDraworder(const AcDbObjectIdArray& ids, bool toBottom) {
  GuardedServiceVoid(L"MyDraworder", [&] {
    for (int i = 0; i < ids.length(); ++i) {
      if (!ids[i].isValid()) continue;
      CDocLockScope lock(ids[i].database(), L"MyDraworder");
      AcDbEntity* entity = nullptr;
      if (acdbOpenObject(entity, ids[i], AcDb::kForRead) != Acad::eOk) continue;
      const AcDbObjectId owner = entity->blockId();
      entity->close();
      AcDbObjectIdArray one;
      one.append(ids[i]);
      const Acad::ErrorStatus es = MoveInDrawOrder(owner, one, toBottom);
      if (es != Acad::eOk) TraceMsgF(L"MyDraworder: %d\n", static_cast<int>(es));
    }
  });
}

void ObjectsGraphicsModified(const AcDbObjectIdArray& ids) {
  GuardedServiceVoid(L"ObjectsGraphicsModified",
                     [&] { ForEachOpenForWrite(ids, [](AcDbEntity* e) { e->recordGraphicsModified(true); }); });
}

void RegenerateAll(int what) {
  GuardedServiceVoid(L"RegenerateAll", [&] {
    AcDbDatabase* db = CurDwg();
    if (!db) return;
    // The status options (sum, text background, alternate units, plan alignment) and the
    // height marks' positions from their base points are reset here once the chain and the
    // height mark carry them; until then every one of them is only redrawn.
    (void)what;
    AcDbObjectIdArray ids;
    GetZenkoraObjects(ids, 1, db);
    std::set<AcDbObjectId> visited;
    int count = 0;
    CollectFromBlock(db->paperSpaceId(), 1, ids, visited, count);
    CDocLockScope lock(db, L"RegenerateAll");
    ObjectsGraphicsModified(ids);
    DwgRefresh();
  });
}
