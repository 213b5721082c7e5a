// acdbUcsMatrix: the current user coordinate system of a drawing as a matrix.
#pragma once

#include "host/ge/AcGeMatrix3d.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

// The matrix whose columns are the UCS axes and origin (local to world). The host keeps a UCS
// in the header variables UCSORG, UCSXDIR and UCSYDIR ("x,y,z" each); without them, or with a
// degenerate pair of axes, the UCS is the world system. db null: the working database.
Acad::ErrorStatus acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* db = nullptr);
