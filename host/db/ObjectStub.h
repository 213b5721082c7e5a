// zhost::ObjectStub: a database's slot for one handle. The id of an object is the address of its
// slot, so ids stay valid (and compare equal) for the database's whole life: a slot exists from
// the moment a handle is known (also before its object is read from a file) and is freed only
// with its database.
#pragma once

#include "host/db/AcDbHandle.h"

class AcDbDatabase;
class AcDbObject;

namespace zhost {

struct ObjectStub {
  AcDbDatabase* database = nullptr;
  AcDbHandle handle;
  AcDbObject* object = nullptr;  // null until the object exists, and after it was deleted
};

// The object of an id without opening it (host code that only looks, e.g. symbol-table name
// lookups); null for a null id or a slot without object.
AcDbObject* PeekObject(const class AcDbObjectId& id);

}  // namespace zhost
