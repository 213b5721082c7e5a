// The MatchProperties protocol class.
#include "host/db/AcDbMatchProperties.h"

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbMatchProperties, AcRxObject, nullptr)
