// The point entity.
#include "host/db/AcDbPoint.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbPoint, AcDbEntity, L"POINT")

namespace {
const Adesk::Int16 kVersion = 1;
}

AcDbPoint::AcDbPoint() = default;
AcDbPoint::AcDbPoint(const AcGePoint3d& position) : position_(position) {}
AcDbPoint::~AcDbPoint() = default;

const std::vector<zhost::GeomField<AcDbPoint>>& AcDbPoint::fields() {
  static const std::vector<zhost::GeomField<AcDbPoint>> table = {
      zhost::PointField<AcDbPoint>(L"at point,", AcDb::kDxfXCoord, &AcDbPoint::position_),
      zhost::ListedIfSet(zhost::DistanceField<AcDbPoint>(L"Thickness =", AcDb::kDxfThickness, &AcDbPoint::thickness_)),
      zhost::ListedIfSet(zhost::VectorField<AcDbPoint>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDbPoint::normal_)),
      zhost::AngleField<AcDbPoint>(nullptr, AcDb::kDxfAngle, &AcDbPoint::ecsRotation_),
  };
  return table;
}

AcGePoint3d AcDbPoint::position() const {
  assertReadEnabled();
  return position_;
}
double AcDbPoint::thickness() const {
  assertReadEnabled();
  return thickness_;
}
AcGeVector3d AcDbPoint::normal() const {
  assertReadEnabled();
  return normal_;
}
double AcDbPoint::ecsRotation() const {
  assertReadEnabled();
  return ecsRotation_;
}

Acad::ErrorStatus AcDbPoint::setPosition(const AcGePoint3d& value) {
  assertWriteEnabled();
  position_ = value;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbPoint::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::setEcsRotation(double value) {
  if (!std::isfinite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  ecsRotation_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subTransformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  position_.transformBy(xform);
  normal_ = zhost::TransformedNormal(xform, normal_);
  thickness_ *= xform.scale();
  return Acad::eOk;
}

void AcDbPoint::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
}

Acad::ErrorStatus AcDbPoint::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  extents.addPoint(position_);
  extents.addPoint(position_ + normal_ * thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                               const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                               AcDbIntArray&) const {
  assertReadEnabled();
  if (osnapMode == AcDb::kOsModeNode || osnapMode == AcDb::kOsModeNear) snapPoints.append(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  gripPoints.append(position());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  for (int k = 0; k < indices.length(); ++k)
    if (indices[k] == 0) return setPosition(position() + offset);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  stretchPoints.append(position());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPoint::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveGripPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbPoint::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbPoint::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbPoint::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbPoint");
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
