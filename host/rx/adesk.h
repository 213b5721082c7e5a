// The platform's fixed-size integer and boolean types (namespace Adesk): one definition shared
// with the geometry layer, so both headers may meet in one translation unit.
#pragma once

#include "host/ge/adesk.h"

namespace Adesk {
typedef bool Bool8;
}  // namespace Adesk
