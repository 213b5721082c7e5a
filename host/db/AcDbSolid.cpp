// The filled solid entity.
#include "host/db/AcDbSolid.h"

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbSolid, AcDbEntity, L"SOLID")

namespace {
const Adesk::Int16 kVersion = 1;
}

AcDbSolid::AcDbSolid() = default;
AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2)
    : p0_(pt0), p1_(pt1), p2_(pt2), p3_(pt2) {}
AcDbSolid::AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3)
    : p0_(pt0), p1_(pt1), p2_(pt2), p3_(pt3) {}
AcDbSolid::~AcDbSolid() = default;

const std::vector<zhost::GeomField<AcDbSolid>>& AcDbSolid::fields() {
  static const std::vector<zhost::GeomField<AcDbSolid>> table = {
      zhost::PointField<AcDbSolid>(L"first point,", AcDb::kDxfXCoord, &AcDbSolid::p0_),
      zhost::PointField<AcDbSolid>(L"second point,", static_cast<AcDb::DxfCode>(11), &AcDbSolid::p1_),
      zhost::PointField<AcDbSolid>(L"third point,", static_cast<AcDb::DxfCode>(12), &AcDbSolid::p2_),
      zhost::PointField<AcDbSolid>(L"fourth point,", static_cast<AcDb::DxfCode>(13), &AcDbSolid::p3_),
      zhost::ListedIfSet(zhost::DistanceField<AcDbSolid>(L"Thickness =", AcDb::kDxfThickness, &AcDbSolid::thickness_)),
      zhost::ListedIfSet(zhost::VectorField<AcDbSolid>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDbSolid::normal_)),
  };
  return table;
}

Acad::ErrorStatus AcDbSolid::getPointAt(Adesk::UInt16 index, AcGePoint3d& point) const {
  assertReadEnabled();
  const AcGePoint3d* corners[] = {&p0_, &p1_, &p2_, &p3_};
  if (index > 3) return Acad::eInvalidIndex;
  point = *corners[index];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::setPointAt(Adesk::UInt16 index, const AcGePoint3d& point) {
  if (index > 3) return Acad::eInvalidIndex;
  assertWriteEnabled();
  AcGePoint3d* corners[] = {&p0_, &p1_, &p2_, &p3_};
  *corners[index] = point;
  return Acad::eOk;
}

double AcDbSolid::thickness() const {
  assertReadEnabled();
  return thickness_;
}
AcGeVector3d AcDbSolid::normal() const {
  assertReadEnabled();
  return normal_;
}
Acad::ErrorStatus AcDbSolid::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::subTransformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  for (AcGePoint3d* p : {&p0_, &p1_, &p2_, &p3_}) p->transformBy(xform);
  normal_ = zhost::TransformedNormal(xform, normal_);
  thickness_ *= xform.scale();
  return Acad::eOk;
}

void AcDbSolid::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
}

Acad::ErrorStatus AcDbSolid::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  for (const AcGePoint3d& p : {p0_, p1_, p2_, p3_}) {
    extents.addPoint(p);
    extents.addPoint(p + normal_ * thickness_);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                               const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                               AcDbIntArray&) const {
  assertReadEnabled();
  if (osnapMode != AcDb::kOsModeEnd) return Acad::eOk;
  for (const AcGePoint3d& p : {p0_, p1_, p2_, p3_}) snapPoints.append(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  return subGetStretchPoints(gripPoints);
}

Acad::ErrorStatus AcDbSolid::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveStretchPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbSolid::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  assertReadEnabled();
  for (const AcGePoint3d& p : {p0_, p1_, p2_, p3_}) stretchPoints.append(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  AcGePoint3d* corners[] = {&p0_, &p1_, &p2_, &p3_};
  for (int k = 0; k < indices.length(); ++k)
    if (indices[k] >= 0 && indices[k] < 4) *corners[indices[k]] += offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSolid::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSolid::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbSolid::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbTrace");
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
