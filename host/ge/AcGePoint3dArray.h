// AcGePoint3dArray: an AcArray of 3D points.
#pragma once

#include "host/ge/AcArray.h"
#include "host/ge/AcGePoint3d.h"

typedef AcArray<AcGePoint3d> AcGePoint3dArray;
