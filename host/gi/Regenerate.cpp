// Regeneration of spaces and single entities into the primitive record.
#include "host/gi/Regenerate.h"

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/db/AnnotSupport.h"
#include "host/db/ObjectStub.h"
#include "host/gi/HostEntityDraw.h"
#include "host/gi/RecordingDraw.h"

namespace zhost {

const EntityGraphics* RegenRecord::find(AcDbObjectId id) const {
  for (const EntityGraphics& g : entities)
    if (g.id == id) return &g;
  return nullptr;
}

size_t RegenRecord::primitiveCount() const {
  size_t n = 0;
  for (const EntityGraphics& g : entities) n += g.primitives.size();
  return n;
}

std::vector<AcDbObjectId> BlockDrawOrder(AcDbObjectId blockId) {
  std::vector<AcDbObjectId> ids;
  ReadAccess<AcDbBlockTableRecord> block(blockId);
  if (!block.get()) return ids;
  AcDbSortentsTable* sortents = nullptr;
  if (block.get()->getSortentsTable(sortents, AcDb::kForRead, false) == Acad::eOk && sortents) {
    AcDbObjectIdArray order;
    sortents->getFullDrawOrder(order);
    sortents->close();
    for (int i = 0; i < order.length(); ++i)
      if (!order[i].isErased()) ids.push_back(order[i]);
    return ids;
  }
  for (AcDbObjectId id : block.get()->entityIds())
    if (!id.isErased()) ids.push_back(id);
  return ids;
}

bool IsShown(const AcDbEntity* ent) {
  if (!ent || ent->visibility() != AcDb::kVisible) return false;
  const AcDbLayerTableRecord* layer = AcDbLayerTableRecord::cast(PeekObject(ent->layerId()));
  return !layer || (!layer->peekOff() && !layer->peekFrozen());
}

void RegenerateBlock(AcDbDatabase* db, AcDbObjectId blockId, RegenRecord& record, const RegenOptions& options) {
  EnsureHostEntityDraw();
  for (AcDbObjectId id : BlockDrawOrder(blockId)) {
    ReadAccess<AcDbEntity> ent(id);
    if (!ent.get() || !IsShown(ent.get())) continue;
    EntityGraphics graphics;
    graphics.id = id;
    graphics.blockId = blockId;
    {
      Recorder recorder(graphics, db, options.regenType, options.plotGeneration);
      recorder.drawEntity(ent.get());
    }
    record.entities.push_back(std::move(graphics));
  }
}

void Regenerate(AcDbDatabase* db, RegenRecord& record, const RegenOptions& options) {
  if (!db) return;
  if (options.modelSpace) RegenerateBlock(db, db->modelSpaceId(), record, options);
  if (options.paperSpace) RegenerateBlock(db, db->paperSpaceId(), record, options);
}

const EntityGraphics& DrawEntity(AcDbEntity* ent, RegenRecord& record, AcGiRegenType type) {
  EnsureHostEntityDraw();
  record.entities.emplace_back();
  EntityGraphics& graphics = record.entities.back();
  if (!ent) return graphics;
  graphics.id = ent->objectId();
  graphics.blockId = ent->ownerId();
  AcDbDatabase* db = ent->database() ? ent->database() : acdbHostApplicationServices()->workingDatabase();
  Recorder recorder(graphics, db, type, false);
  recorder.drawEntity(ent);
  return graphics;
}

}  // namespace zhost
