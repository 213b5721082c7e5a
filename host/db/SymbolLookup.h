// Looking records up by name without opening anything (the host's own checks: registered
// applications for xdata, layers and linetypes of appended entities).
#pragma once

#include <string>

#include "host/db/AcDbObjectId.h"

namespace zhost {

// The record of that name (compared without regard to case) in a symbol table; erased records
// only with getErased (and only when no record of the name is alive). Null when missing.
AcDbObjectId FindRecord(AcDbObjectId tableId, const std::wstring& name, bool getErased = false);

}  // namespace zhost
