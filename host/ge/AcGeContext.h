// AcGeContext: the process-wide geometry settings, above all the default tolerance gTol that every
// comparison uses when the caller passes none.
#pragma once

#include "host/ge/AcGeTol.h"

struct AcGeContext {
  static AcGeTol gTol;
};
