// AcGeVector3dArray: an AcArray of 3D vectors.
#pragma once

#include "host/ge/AcArray.h"
#include "host/ge/AcGeVector3d.h"

typedef AcArray<AcGeVector3d> AcGeVector3dArray;
