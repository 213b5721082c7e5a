// The DXF forms of the host's own entities (line, arc, circle, point, xline, solid, polylines,
// texts, block references, dimensions) and what their writers share.
#pragma once

#include "host/db/AcDbHandle.h"
#include "host/db/DxfExportContext.h"
#include "host/db/DxfGroupWriter.h"

class AcDbEntity;

namespace zhost {

// The entity being written and where it goes.
struct DxfEntityHead {
  DxfExportContext* ctx;
  DxfGroupWriter* out;
  const AcDbEntity* ent;
  AcDbHandle handle, owner;
  bool paperSpace;
  const AcDbEntity* xdataSource;  // an exploded entity whose extended data this piece carries
  int depth;

  // 0 TYPE, handle, owner, AcDbEntity with layer, linetype, colour (62 and 420), line weight,
  // linetype scale, visibility; then the class's subclass marker when given.
  void writeCommon(const char* dxfType, const char* subclass) const;
  // The extended data (last groups of the entity) and the count of written entities.
  void writeXData() const;
};

// Writes a host entity in its DXF form. exactClass: only when the entity is of the host class
// itself; otherwise also for a class derived from one. False when no host form fits.
bool WriteHostEntity(const DxfEntityHead& head, bool exactClass);

// Writes an entity that belongs to another one's picture (a dimension's block) with a new handle.
void WriteDxfPiece(const DxfEntityHead& parent, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner);

}  // namespace zhost
