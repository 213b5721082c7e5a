// Registered applications.
#include "host/db/AcDbRegAppTable.h"

#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeRegAppRecord() { return new AcDbRegAppTableRecord; }
AcRxObject* MakeRegAppTable() { return new AcDbRegAppTable; }
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, MakeRegAppRecord)
ZHOST_RX_HOST_MEMBERS(AcDbRegAppTable, AcDbSymbolTable, MakeRegAppTable)

AcDbRegAppTableRecord::AcDbRegAppTableRecord() = default;
AcDbRegAppTableRecord::~AcDbRegAppTableRecord() = default;
AcDbRegAppTable::AcDbRegAppTable() = default;
AcDbRegAppTable::~AcDbRegAppTable() = default;
