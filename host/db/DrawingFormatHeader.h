// The header variables of a drawing file: what a database's header holds (handle seed, root
// objects, current layer, styles, colour, sizes, units and every other variable by name) as
// named typed values, and back.
#pragma once

#include <string>
#include <vector>

#include "host/db/DrawingFormat.h"

class AcDbDatabase;

namespace zhost {

// The database's header as file variables.
std::vector<DrawingHeaderVariable> CollectHeaderVariables(AcDbDatabase* db);
// The handles of the root objects a file must have, in AcDbDatabase::RootObject order (0 when a
// variable is missing); false with a message for a missing root or one of the wrong type.
bool RootHandles(const std::vector<DrawingHeaderVariable>& variables, std::vector<uint64_t>& roots,
                 std::wstring& error);
// Sets the database's header from file variables once its objects are read: roots, current
// records, values and the handle seed. False with a message for a value the database refuses
// (a current layer that is no layer, a negative size, a handle seed below a handle in use ...).
bool ApplyHeaderVariables(AcDbDatabase* db, const std::vector<DrawingHeaderVariable>& variables, std::wstring& error);

}  // namespace zhost
