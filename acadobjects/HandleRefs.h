// Handles as texts and reference texts across drawings: the handle alone for an entity of the
// reference drawing, "<file>:<handle>" for an entity of another drawing, "<xref block>:<handle>"
// for an entity of an external reference. A reader splits at the last ":" so drive letters
// survive.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/mfc/CString.h"

class AcDbDatabase;
class AcDbEntity;
class AcDbObject;

// The handle text of `object` ("" for null).
CString EntityToHandle(const AcDbObject* object);
// The reference text of `entity` as seen from the drawing `referenceDb`.
CString EntityXref2Handle(const AcDbObject* entity, AcDbDatabase* referenceDb);
// The id a reference text names, or null. `db` (the current drawing when null) is the reference
// drawing. A drawing part containing ".dwg" is looked up among the open documents, any other
// among the external references of `db`; a drawing part that is `db`'s own file name means `db`.
// No id is created for an unknown handle.
AcDbObjectId Handle2ObjectId(AcDbDatabase* db, const wchar_t* referenceText);
// The entity a reference text names, opened for read (the caller closes it), or null.
AcDbEntity* Handle2Object(AcDbDatabase* db, const wchar_t* referenceText);
