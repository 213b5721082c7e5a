// zhost::WriteDxfEntity: one database entity as DXF entities. A host entity goes out in its own
// DXF form; any other entity (a module's custom entity, a proxy) goes out as what its explode
// gives, so that every DXF reader shows it; an entity without either is skipped and counted.
#pragma once

#include "host/db/AcDbHandle.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/db/DxfExportContext.h"
#include "host/db/DxfGroupWriter.h"

class AcDbEntity;

namespace zhost {

// owner: the handle of the block record the entity goes into; paperSpace marks entities of the
// paper-space layout (group 67).
void WriteDxfEntity(DxfExportContext& ctx, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner,
                    bool paperSpace);

// The name of a symbol-table record (layer, style, block ...) of an id; "" when there is none.
std::wstring DxfRecordName(const AcDbObjectId& id);

// The arbitrary-axis algorithm: a point in world coordinates seen in the object coordinate
// system of a normal (planar entities keep their points that way in DXF).
AcGePoint3d DxfWorldToOcs(const AcGePoint3d& p, const AcGeVector3d& normal);

}  // namespace zhost
