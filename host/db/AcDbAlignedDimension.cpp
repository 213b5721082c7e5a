// Aligned linear dimensions.
#include "host/db/AcDbAlignedDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbAlignedDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbAlignedDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbAlignedDimension::xLine1Point() const {
  assertReadEnabled();
  return xLine1_;
}

Acad::ErrorStatus AcDbAlignedDimension::setXLine1Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine1_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbAlignedDimension::xLine2Point() const {
  assertReadEnabled();
  return xLine2_;
}

Acad::ErrorStatus AcDbAlignedDimension::setXLine2Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine2_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbAlignedDimension::dimLinePoint() const {
  assertReadEnabled();
  return dimLine_;
}

Acad::ErrorStatus AcDbAlignedDimension::setDimLinePoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  dimLine_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbAlignedDimension::AcDbAlignedDimension() = default;

AcDbAlignedDimension::AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                                           const AcGePoint3d& dimLinePoint, const ACHAR* dimText,
                                           AcDbObjectId dimStyle)
    : xLine1_(xLine1Point), xLine2_(xLine2Point), dimLine_(dimLinePoint) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbAlignedDimension::~AcDbAlignedDimension() = default;

double AcDbAlignedDimension::oblique() const {
  assertReadEnabled();
  return oblique_;
}

Acad::ErrorStatus AcDbAlignedDimension::setOblique(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  oblique_ = angle;
  return Acad::eOk;
}

// The measured direction: along the two origins (as seen in the dimension's plane).
static AcGeVector3d AlignedDirection(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGeVector3d& normal) {
  AcGeVector3d dir = (p2 - p1).orthoProject(zhost::UnitNormal(normal));
  return dir.isZeroLength() ? zhost::PlaneDirection(normal, 0.0) : dir.normal();
}

double AcDbAlignedDimension::subMeasurement() const {
  return (xLine2_ - xLine1_).orthoProject(zhost::UnitNormal(planeNormal())).length();
}

Acad::ErrorStatus AcDbAlignedDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const {
  linearGraphics(xLine1_, xLine2_, dimLine_, AlignedDirection(xLine1_, xLine2_, planeNormal()), graphics, sizes);
  return Acad::eOk;
}

AcGePoint3d AcDbAlignedDimension::subDefaultTextPosition() const {
  AcGeVector3d dir = AlignedDirection(xLine1_, xLine2_, planeNormal());
  AcGePoint3d a1 = dimLine_ + dir * (xLine1_ - dimLine_).dotProduct(dir);
  AcGePoint3d a2 = dimLine_ + dir * (xLine2_ - dimLine_).dotProduct(dir);
  return textAbove(a1 + (a2 - a1) / 2, dir);
}

void AcDbAlignedDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  xLine1_.transformBy(xform);
  xLine2_.transformBy(xform);
  dimLine_.transformBy(xform);
}

void AcDbAlignedDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"aligned");
  zhost::ListPoint(L"extension line 1:", xLine1_);
  zhost::ListPoint(L"extension line 2:", xLine2_);
  zhost::ListPoint(L"dimension line:", dimLine_);
}

Acad::ErrorStatus AcDbAlignedDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbAlignedDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
