// The construction-line entity.
#include "host/db/AcDbXline.h"

#include <cmath>

#include "host/ge/AcGeLine3d.h"
#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbXline, AcDbCurve, L"XLINE")

namespace {
const Adesk::Int16 kVersion = 1;
}

AcDbXline::AcDbXline() = default;
AcDbXline::~AcDbXline() = default;

const std::vector<zhost::GeomField<AcDbXline>>& AcDbXline::fields() {
  static const std::vector<zhost::GeomField<AcDbXline>> table = {
      zhost::PointField<AcDbXline>(L"basepoint,", AcDb::kDxfXCoord, &AcDbXline::base_),
      zhost::VectorField<AcDbXline>(L"direction", static_cast<AcDb::DxfCode>(11), &AcDbXline::dir_),
  };
  return table;
}

AcGePoint3d AcDbXline::basePoint() const {
  assertReadEnabled();
  return base_;
}
AcGeVector3d AcDbXline::unitDir() const {
  assertReadEnabled();
  return dir_;
}
Acad::ErrorStatus AcDbXline::setBasePoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  base_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::setUnitDir(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  dir_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getPointAtParam(double param, AcGePoint3d& point) const {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  point = basePoint() + dir_ * param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  AcGeLine3d line(basePoint(), dir_);
  if (!line.isOn(point)) return Acad::ePointNotOnEntity;
  param = (point - base_).dotProduct(dir_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getDistAtParam(double param, double& dist) const {
  if (!std::isfinite(param)) return Acad::eInvalidInput;
  dist = param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getParamAtDist(double dist, double& param) const {
  if (!std::isfinite(dist)) return Acad::eInvalidInput;
  param = dist;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::getFirstDeriv(double, AcGeVector3d& firstDeriv) const {
  firstDeriv = unitDir();
  return Acad::eOk;
}

bool AcDbXline::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  zhost::CurvePiece piece = zhost::CurvePiece::line(basePoint(), base_ + dir_);
  piece.unbounded = true;
  pieces.push_back(piece);
  return true;
}

Acad::ErrorStatus AcDbXline::subTransformBy(const AcGeMatrix3d& xform) {
  AcGeVector3d dir = dir_;
  dir.transformBy(xform);
  if (dir.isZeroLength()) return Acad::eDegenerateGeometry;
  assertWriteEnabled();
  base_.transformBy(xform);
  dir_ = dir.normal();
  return Acad::eOk;
}

void AcDbXline::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
  zhost::geom::ListPoint(L"second point,", base_ + dir_);
}

Acad::ErrorStatus AcDbXline::subGetGeomExtents(AcDbExtents&) const { return Acad::eInvalidExtents; }

Acad::ErrorStatus AcDbXline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d& pickPoint,
                                               const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                               AcDbIntArray&) const {
  assertReadEnabled();
  if (osnapMode == AcDb::kOsModeMid) snapPoints.append(base_);
  if (osnapMode == AcDb::kOsModeNear) snapPoints.append(AcGeLine3d(base_, dir_).closestPointTo(pickPoint));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  gripPoints.append(basePoint());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  for (int k = 0; k < indices.length(); ++k)
    if (indices[k] == 0) return setBasePoint(basePoint() + offset);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  stretchPoints.append(basePoint());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXline::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveGripPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbXline::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbXline::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbXline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbXline");
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
