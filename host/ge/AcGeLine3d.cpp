// AcGeLine3d: the coordinate axes as lines.
#include "host/ge/AcGeLine3d.h"

const AcGeLine3d AcGeLine3d::kXAxis(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis);
const AcGeLine3d AcGeLine3d::kYAxis(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis);
const AcGeLine3d AcGeLine3d::kZAxis(AcGePoint3d::kOrigin, AcGeVector3d::kZAxis);
