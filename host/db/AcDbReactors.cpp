// The reactor base classes.
#include "host/db/AcDbDatabaseReactor.h"
#include "host/db/AcDbObjectReactor.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbObjectReactor, AcRxObject, nullptr)
ZHOST_RX_HOST_MEMBERS(AcDbEntityReactor, AcDbObjectReactor, nullptr)
ZHOST_RX_HOST_MEMBERS(AcDbDatabaseReactor, AcRxObject, nullptr)

AcDbObjectReactor::~AcDbObjectReactor() = default;
AcDbEntityReactor::~AcDbEntityReactor() = default;
AcDbDatabaseReactor::~AcDbDatabaseReactor() = default;
