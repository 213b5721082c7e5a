// AcGePoint2dArray: an AcArray of 2D points.
#pragma once

#include "host/ge/AcArray.h"
#include "host/ge/AcGePoint2d.h"

typedef AcArray<AcGePoint2d> AcGePoint2dArray;
