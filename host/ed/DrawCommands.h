// The drawing commands (LINE, ARC, CIRCLE, PLINE, TEXT, MTEXT, DIMLINEAR, DIMALIGNED) and what
// every command that adds entities shares: the drawing it works on and the append with the
// drawing's current layer, colour, linetype and text style.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

class AcDbDatabase;
class AcDbEntity;

namespace zhost {

void RegisterDrawCommands();

// The current document's database (null when no drawing is open).
AcDbDatabase* CommandDatabase();
AcGePoint3d ToPoint(const ads_point pt);
void ToAdsPoint(const AcGePoint3d& p, ads_point out);

// Appends a new entity to the current space of db. With useDefaults it first takes the
// drawing's current layer, colour, linetype and text style. On success the entity is closed
// (never touch the pointer again) and its id returned; on failure it is deleted.
Acad::ErrorStatus AppendEntity(AcDbDatabase* db, AcDbEntity* entity, bool useDefaults, AcDbObjectId* id = nullptr);
// Appends to the given owner (a block table record) of db: copies and exploded parts go where
// their source was. Same ownership rules as AppendEntity.
Acad::ErrorStatus AppendEntityTo(AcDbObjectId owner, AcDbEntity* entity, AcDbObjectId* id = nullptr);

}  // namespace zhost
