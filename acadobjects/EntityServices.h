// Services on the entities of a drawing: appending, layers (creation, temporary release, the
// locked-layer test), erasing, finding the add-on's own entities, draw order, graphics updates,
// the pickfirst set and selection by type.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;
class AcDbEntity;

// Layer-release flags of ReleaseLayer / RestoreLayer.
const int LAYER_WAS_FROZEN = 2;
const int LAYER_WAS_LOCKED = 4;

// Appends the new `entity` to "*Model_Space" of the current drawing, on `layer` (SetLayer with
// `color`; a null or empty name leaves the entity's layer) and closes it. The drawing is locked
// for the call when it is not. eOk: the database owns the entity (its id in *id); otherwise the
// caller still owns it. "\nCannot get block table." when the block table cannot be opened.
Acad::ErrorStatus AppendEntity(AcDbEntity* entity, const wchar_t* layer, int color, AcDbObjectId* id = nullptr);

// The colour a new layer gets: 1..255 as given, 7 for anything else (0, by layer, 256 and above).
int NewLayerColor(int color);
// Creates layer `name` in `db` when it is missing: thawed, on, not frozen in new viewports,
// unlocked, NewLayerColor(color), linetype "CONTINUOUS". A failed add shows
// "Chyba %d pri vytváraní vrstvy %s". *id: the layer's id.
Acad::ErrorStatus CreateLayer(AcDbDatabase* db, const wchar_t* name, int color, AcDbObjectId* id = nullptr);
// CreateLayer, then `entity` (open, or new) is put on the layer; an entity open for read is
// upgraded for the change and downgraded again. The document is locked for the call.
Acad::ErrorStatus SetLayer(AcDbDatabase* db, AcDbEntity* entity, const wchar_t* layer, int color);

// Thaws and unlocks the layer of `entity` for a change: LAYER_WAS_FROZEN | LAYER_WAS_LOCKED for
// what it did (0: nothing). RestoreLayer locks (4) and freezes (2) it again. Failures print
// "\nAny problem on layer table".
int ReleaseLayer(AcDbEntity* entity);
void RestoreLayer(AcDbEntity* entity, int flags);
// True when the layer of `entity` is locked; with `print` string resource 32903 goes to the
// command line.
bool IsOnLockedLayer(AcDbEntity* entity, bool print);

// Erases the object `id` of `db` (its layer released for the moment); locks for the call.
Acad::ErrorStatus EraseObject(AcDbDatabase* db, AcDbObjectId id);

// Appends the ids of model space's chains (kind 1 or 2) and height marks (kind 1 or 3) of `db`
// (the current drawing when null) to `ids`; a negative kind also walks the block definitions of
// block references (not external or overlay references), recursively, each definition once.
// Returns the number of ids appended.
int GetZenkoraObjects(AcDbObjectIdArray& ids, int kind, AcDbDatabase* db = nullptr);

// Moves every chain and height mark of model space to the top of the draw order.
void TextToFront();
// Moves each entity to the bottom (or top) of its owner's draw order; locks for the call.
void MyDraworder(const AcDbObjectIdArray& ids, bool toBottom);
// Records a graphics change on every valid id.
void ObjectsGraphicsModified(const AcDbObjectIdArray& ids);

// Makes the ids the pickfirst set; `ids` is emptied in every case.
void SetPickfirst(AcDbObjectIdArray& ids);
// Asks for objects whose type matches `pattern` (or `pattern2`, when given), with `prompt` on
// the command line, while the palette is hidden; appends their ids. The number selected.
int SelectByType(AcDbObjectIdArray& ids, const wchar_t* prompt, const wchar_t* pattern, const wchar_t* pattern2 = nullptr);

// Redraws every chain and height mark of model space after resetting one status option
// (what 1: sums, 2: text backgrounds, 3: alternate units and plan alignment, else the marks'
// positions), records a graphics change on those of paper space and refreshes the display.
void RegenerateAll(int what);
