// Arc-length dimensions.
#include "host/db/AcDbArcDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbArcDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbArcDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbArcDimension::centerPoint() const {
  assertReadEnabled();
  return center_;
}

Acad::ErrorStatus AcDbArcDimension::setCenterPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  center_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbArcDimension::xLine1Point() const {
  assertReadEnabled();
  return xLine1_;
}

Acad::ErrorStatus AcDbArcDimension::setXLine1Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine1_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbArcDimension::xLine2Point() const {
  assertReadEnabled();
  return xLine2_;
}

Acad::ErrorStatus AcDbArcDimension::setXLine2Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine2_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbArcDimension::arcPoint() const {
  assertReadEnabled();
  return arcPoint_;
}

Acad::ErrorStatus AcDbArcDimension::setArcPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  arcPoint_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbArcDimension::AcDbArcDimension() = default;

AcDbArcDimension::AcDbArcDimension(const AcGePoint3d& centerPoint, const AcGePoint3d& xLine1Point,
                                   const AcGePoint3d& xLine2Point, const AcGePoint3d& arcPoint, const ACHAR* dimText,
                                   AcDbObjectId dimStyle)
    : center_(centerPoint), xLine1_(xLine1Point), xLine2_(xLine2Point), arcPoint_(arcPoint) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbArcDimension::~AcDbArcDimension() = default;

double AcDbArcDimension::subMeasurement() const {
  if ((xLine1_ - center_).isZeroLength() || (xLine2_ - center_).isZeroLength()) return 0.0;
  double start = 0, end = 0;
  angleOnSide(center_, xLine1_, xLine2_, arcPoint_, start, end);
  return xLine1_.distanceTo(center_) * zhost::NormalizeAngle(end - start);
}

Acad::ErrorStatus AcDbArcDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const {
  double radius = arcPoint_.distanceTo(center_);
  if ((xLine1_ - center_).isZeroLength() || (xLine2_ - center_).isZeroLength() || radius <= 0)
    return Acad::eDegenerateGeometry;
  double start = 0, end = 0;
  angleOnSide(center_, xLine1_, xLine2_, arcPoint_, start, end);
  bool swapped = start != zhost::PlaneAngle(planeNormal(), xLine1_ - center_);
  double d1 = xLine1_.distanceTo(center_), d2 = xLine2_.distanceTo(center_);
  angularGraphics(center_, start, end, radius, swapped ? d2 : d1, swapped ? d1 : d2, graphics, sizes);
  return Acad::eOk;
}

AcGePoint3d AcDbArcDimension::subDefaultTextPosition() const {
  double start = 0, end = 0;
  angleOnSide(center_, xLine1_, xLine2_, arcPoint_, start, end);
  double mid = start + zhost::NormalizeAngle(end - start) / 2;
  AcGeVector3d ray = zhost::PlaneDirection(planeNormal(), mid);
  return textAbove(center_ + ray * arcPoint_.distanceTo(center_), zhost::UnitNormal(planeNormal()).crossProduct(ray));
}

void AcDbArcDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  center_.transformBy(xform);
  xLine1_.transformBy(xform);
  xLine2_.transformBy(xform);
  arcPoint_.transformBy(xform);
}

void AcDbArcDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"arc length");
  zhost::ListPoint(L"center:", center_);
  zhost::ListPoint(L"extension line 1:", xLine1_);
  zhost::ListPoint(L"extension line 2:", xLine2_);
  zhost::ListPoint(L"arc point:", arcPoint_);
}

Acad::ErrorStatus AcDbArcDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbArcDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
