// AcGeDoubleArray: an AcArray of doubles (parameters, bulges, lengths).
#pragma once

#include "host/ge/AcArray.h"

typedef AcArray<double> AcGeDoubleArray;
