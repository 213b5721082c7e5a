// Rotated (horizontal, vertical, any angle) linear dimensions.
#include "host/db/AcDbRotatedDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbRotatedDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbRotatedDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbRotatedDimension::xLine1Point() const {
  assertReadEnabled();
  return xLine1_;
}

Acad::ErrorStatus AcDbRotatedDimension::setXLine1Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine1_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbRotatedDimension::xLine2Point() const {
  assertReadEnabled();
  return xLine2_;
}

Acad::ErrorStatus AcDbRotatedDimension::setXLine2Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine2_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbRotatedDimension::dimLinePoint() const {
  assertReadEnabled();
  return dimLine_;
}

Acad::ErrorStatus AcDbRotatedDimension::setDimLinePoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  dimLine_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbRotatedDimension::AcDbRotatedDimension() = default;

AcDbRotatedDimension::AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point,
                                           const AcGePoint3d& xLine2Point, const AcGePoint3d& dimLinePoint,
                                           const ACHAR* dimText, AcDbObjectId dimStyle)
    : xLine1_(xLine1Point), xLine2_(xLine2Point), dimLine_(dimLinePoint), rotation_(zhost::NormalizeAngle(rotation)) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbRotatedDimension::~AcDbRotatedDimension() = default;

double AcDbRotatedDimension::rotation() const {
  assertReadEnabled();
  return rotation_;
}

Acad::ErrorStatus AcDbRotatedDimension::setRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  rotation_ = zhost::NormalizeAngle(angle);
  updateDefaultTextPosition();
  return Acad::eOk;
}

double AcDbRotatedDimension::oblique() const {
  assertReadEnabled();
  return oblique_;
}

Acad::ErrorStatus AcDbRotatedDimension::setOblique(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  oblique_ = angle;
  return Acad::eOk;
}

double AcDbRotatedDimension::subMeasurement() const {
  return std::fabs((xLine2_ - xLine1_).dotProduct(zhost::PlaneDirection(planeNormal(), rotation_)));
}

Acad::ErrorStatus AcDbRotatedDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const {
  linearGraphics(xLine1_, xLine2_, dimLine_, zhost::PlaneDirection(planeNormal(), rotation_), graphics, sizes);
  return Acad::eOk;
}

AcGePoint3d AcDbRotatedDimension::subDefaultTextPosition() const {
  AcGeVector3d dir = zhost::PlaneDirection(planeNormal(), rotation_);
  AcGePoint3d a1 = dimLine_ + dir * (xLine1_ - dimLine_).dotProduct(dir);
  AcGePoint3d a2 = dimLine_ + dir * (xLine2_ - dimLine_).dotProduct(dir);
  return textAbove(a1 + (a2 - a1) / 2, dir);
}

void AcDbRotatedDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d& newNormal) {
  AcGeVector3d dir = zhost::PlaneDirection(planeNormal(), rotation_);
  dir.transformBy(xform);
  xLine1_.transformBy(xform);
  xLine2_.transformBy(xform);
  dimLine_.transformBy(xform);
  if (!dir.isZeroLength()) rotation_ = zhost::PlaneAngle(newNormal, dir);
}

void AcDbRotatedDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"rotated");
  zhost::ListPoint(L"extension line 1:", xLine1_);
  zhost::ListPoint(L"extension line 2:", xLine2_);
  zhost::ListPoint(L"dimension line:", dimLine_);
  zhost::ListAngle(L"rotation:", rotation_);
}

Acad::ErrorStatus AcDbRotatedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbRotatedDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
