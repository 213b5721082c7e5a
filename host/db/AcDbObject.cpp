// Database objects.
#include "host/db/AcDbObject.h"

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbObject, AcRxObject, nullptr)

AcDbObject::AcDbObject() = default;
AcDbObject::~AcDbObject() = default;
