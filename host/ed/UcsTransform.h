// The current user coordinate system of a drawing (kept in its header variables UCSORG, UCSXDIR
// and UCSYDIR, read by acdbUcsMatrix), the conversions between it and the world, and acedTrans.
#pragma once

#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/ads.h"

class AcDbDatabase;

// Translates a point (disp 0) or a displacement (disp non-zero) from one coordinate system to
// another. A system is an RTSHORT code (0 world, 1 current UCS, 2 display: the plan view of the
// UCS here), an RTENAME (the entity's own coordinate system: the arbitrary-axis system of its
// normal, the world for entities without one) or an RT3DPOINT extrusion vector. RTNORM, or
// RTERROR for a missing argument, an unknown code (3, paper space, has no viewport here) or an
// entity that cannot be opened.
int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);

namespace zhost {

// The UCS of db (the working database when null) as a local-to-world matrix.
AcGeMatrix3d UcsToWorldMatrix(AcDbDatabase* db = nullptr);
AcGePoint3d UcsToWorld(const AcGePoint3d& p, AcDbDatabase* db = nullptr);
AcGePoint3d WorldToUcs(const AcGePoint3d& p, AcDbDatabase* db = nullptr);
AcGeVector3d UcsToWorld(const AcGeVector3d& v, AcDbDatabase* db = nullptr);
AcGeVector3d WorldToUcs(const AcGeVector3d& v, AcDbDatabase* db = nullptr);

// The current UCS's origin and axes in world coordinates.
struct Ucs {
  AcGePoint3d origin;
  AcGeVector3d xAxis = AcGeVector3d::kXAxis;
  AcGeVector3d yAxis = AcGeVector3d::kYAxis;
};
Ucs CurrentUcs(AcDbDatabase* db = nullptr);
// Makes ucs the current UCS of db; false when there is no database or the axes span no plane.
// The axes are stored normalised, the y axis made perpendicular to the x axis.
bool SetCurrentUcs(const Ucs& ucs, AcDbDatabase* db = nullptr);

// The coordinate system of an entity's own coordinates (the arbitrary-axis system of normal).
AcGeMatrix3d EcsToWorldMatrix(const AcGeVector3d& normal);

}  // namespace zhost
