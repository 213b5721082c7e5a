// Drawing databases.
#include "host/db/AcDbDatabase.h"

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbDatabase, AcRxObject, nullptr)

AcDbDatabase::AcDbDatabase(bool, bool noDocument) : noDocument_(noDocument) {}
AcDbDatabase::~AcDbDatabase() = default;
