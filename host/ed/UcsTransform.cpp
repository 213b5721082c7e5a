// The current UCS over the drawing's header variables, and acedTrans.
#include "host/ed/UcsTransform.h"

#include <cmath>
#include <string>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDimension.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbObjectId.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbUcs.h"
#include "host/win/WideFormat.h"

namespace zhost {

namespace {

AcDbDatabase* Resolve(AcDbDatabase* db) {
  if (db) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services ? services->workingDatabase() : nullptr;
}

std::wstring Triple(double x, double y, double z) {
  auto number = [](double v) { return FormatWide(L"%.17g", v == 0.0 ? 0.0 : v); };
  return number(x) + L"," + number(y) + L"," + number(z);
}

// The normal of the entity classes that have their own coordinate system; world z otherwise.
AcGeVector3d NormalOf(const AcDbEntity* ent) {
  if (auto* e = AcDbCircle::cast(ent)) return e->normal();
  if (auto* e = AcDbArc::cast(ent)) return e->normal();
  if (auto* e = AcDbPolyline::cast(ent)) return e->normal();
  if (auto* e = AcDb2dPolyline::cast(ent)) return e->normal();
  if (auto* e = AcDbText::cast(ent)) return e->normal();
  if (auto* e = AcDbMText::cast(ent)) return e->normal();
  if (auto* e = AcDbBlockReference::cast(ent)) return e->normal();
  if (auto* e = AcDbSolid::cast(ent)) return e->normal();
  if (auto* e = AcDbDimension::cast(ent)) return e->normal();
  return AcGeVector3d::kZAxis;
}

// The local-to-world matrix of one coordinate-system argument of acedTrans.
bool SystemMatrix(const resbuf* rb, AcGeMatrix3d& mat) {
  if (!rb) return false;
  switch (rb->restype) {
    case RTSHORT:
      if (rb->resval.rint == 0) {
        mat = AcGeMatrix3d::kIdentity;
        return true;
      }
      if (rb->resval.rint == 1 || rb->resval.rint == 2) {
        mat = UcsToWorldMatrix();
        return true;
      }
      return false;
    case RT3DPOINT: {
      AcGeVector3d normal(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
      if (normal.isZeroLength()) return false;
      mat = EcsToWorldMatrix(normal);
      return true;
    }
    case RTENAME: {
      AcDbObjectId id;
      if (acdbGetObjectId(id, rb->resval.rlname) != Acad::eOk) return false;
      AcDbEntity* ent = nullptr;
      if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return false;
      mat = EcsToWorldMatrix(NormalOf(ent));
      ent->close();
      return true;
    }
    default:
      return false;
  }
}

}  // namespace

AcGeMatrix3d UcsToWorldMatrix(AcDbDatabase* db) {
  AcGeMatrix3d mat;
  db = Resolve(db);
  if (!db || acdbUcsMatrix(mat, db) != Acad::eOk) return AcGeMatrix3d::kIdentity;
  return mat;
}

AcGePoint3d UcsToWorld(const AcGePoint3d& p, AcDbDatabase* db) { return UcsToWorldMatrix(db) * p; }

AcGePoint3d WorldToUcs(const AcGePoint3d& p, AcDbDatabase* db) { return UcsToWorldMatrix(db).inverse() * p; }

AcGeVector3d UcsToWorld(const AcGeVector3d& v, AcDbDatabase* db) { return UcsToWorldMatrix(db) * v; }

AcGeVector3d WorldToUcs(const AcGeVector3d& v, AcDbDatabase* db) { return UcsToWorldMatrix(db).inverse() * v; }

Ucs CurrentUcs(AcDbDatabase* db) {
  AcGeMatrix3d mat = UcsToWorldMatrix(db);
  Ucs ucs;
  AcGeVector3d z;
  mat.getCoordSystem(ucs.origin, ucs.xAxis, ucs.yAxis, z);
  return ucs;
}

bool SetCurrentUcs(const Ucs& ucs, AcDbDatabase* db) {
  db = Resolve(db);
  if (!db) return false;
  AcGeVector3d z = ucs.xAxis.crossProduct(ucs.yAxis);
  if (ucs.xAxis.isZeroLength() || z.length() < 1e-10 * ucs.xAxis.length() * ucs.yAxis.length()) return false;
  AcGeVector3d x = ucs.xAxis.normal();
  AcGeVector3d y = z.normal().crossProduct(x);
  auto& vars = db->extraHeaderVariables();
  vars[L"UCSORG"] = Triple(ucs.origin.x, ucs.origin.y, ucs.origin.z);
  vars[L"UCSXDIR"] = Triple(x.x, x.y, x.z);
  vars[L"UCSYDIR"] = Triple(y.x, y.y, y.z);
  return true;
}

AcGeMatrix3d EcsToWorldMatrix(const AcGeVector3d& normal) {
  // The arbitrary-axis rule of the drawing format: near the world z axis the x axis comes from
  // world y x normal, elsewhere from world z x normal.
  AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  const double limit = 1.0 / 64.0;
  AcGeVector3d x = (std::fabs(n.x) < limit && std::fabs(n.y) < limit) ? AcGeVector3d::kYAxis.crossProduct(n)
                                                                       : AcGeVector3d::kZAxis.crossProduct(n);
  x.normalize();
  AcGeVector3d y = n.crossProduct(x).normal();
  AcGeMatrix3d mat;
  mat.setCoordSystem(AcGePoint3d::kOrigin, x, y, n);
  return mat;
}

}  // namespace zhost

int acedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result) {
  if (!pt || !result) return RTERROR;
  AcGeMatrix3d fromMat, toMat;
  if (!zhost::SystemMatrix(from, fromMat) || !zhost::SystemMatrix(to, toMat)) return RTERROR;
  AcGeMatrix3d mat = toMat.inverse() * fromMat;
  double out[3];
  if (disp) {
    AcGeVector3d v = mat * AcGeVector3d(pt[0], pt[1], pt[2]);
    out[0] = v.x, out[1] = v.y, out[2] = v.z;
  } else {
    AcGePoint3d p = mat * AcGePoint3d(pt[0], pt[1], pt[2]);
    out[0] = p.x, out[1] = p.y, out[2] = p.z;
  }
  // result may be pt itself.
  for (int i = 0; i < 3; ++i) result[i] = out[i];
  return RTNORM;
}
