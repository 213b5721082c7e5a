// AcGeIntArray: an AcArray of ints.
#pragma once

#include "host/ge/AcArray.h"

typedef AcArray<int> AcGeIntArray;
