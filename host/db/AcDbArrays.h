// The database layer's arrays: pointers (explode results, reactor lists) and integers.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcArray.h"

typedef AcArray<void*> AcDbVoidPtrArray;
typedef AcArray<int> AcDbIntArray;
typedef AcArray<AcDbHandle> AcDbHandleArray;
