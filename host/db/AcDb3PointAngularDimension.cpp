// Angular dimensions by vertex and two points.
#include "host/db/AcDb3PointAngularDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDb3PointAngularDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDb3PointAngularDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDb3PointAngularDimension::centerPoint() const {
  assertReadEnabled();
  return center_;
}

Acad::ErrorStatus AcDb3PointAngularDimension::setCenterPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  center_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb3PointAngularDimension::xLine1Point() const {
  assertReadEnabled();
  return xLine1_;
}

Acad::ErrorStatus AcDb3PointAngularDimension::setXLine1Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine1_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb3PointAngularDimension::xLine2Point() const {
  assertReadEnabled();
  return xLine2_;
}

Acad::ErrorStatus AcDb3PointAngularDimension::setXLine2Point(const AcGePoint3d& value) {
  assertWriteEnabled();
  xLine2_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb3PointAngularDimension::arcPoint() const {
  assertReadEnabled();
  return arcPoint_;
}

Acad::ErrorStatus AcDb3PointAngularDimension::setArcPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  arcPoint_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDb3PointAngularDimension::AcDb3PointAngularDimension() = default;

AcDb3PointAngularDimension::AcDb3PointAngularDimension(const AcGePoint3d& centerPoint, const AcGePoint3d& xLine1Point,
                                                       const AcGePoint3d& xLine2Point, const AcGePoint3d& arcPoint,
                                                       const ACHAR* dimText, AcDbObjectId dimStyle)
    : center_(centerPoint), xLine1_(xLine1Point), xLine2_(xLine2Point), arcPoint_(arcPoint) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDb3PointAngularDimension::~AcDb3PointAngularDimension() = default;

double AcDb3PointAngularDimension::subMeasurement() const {
  if ((xLine1_ - center_).isZeroLength() || (xLine2_ - center_).isZeroLength()) return 0.0;
  double start = 0, end = 0;
  angleOnSide(center_, xLine1_, xLine2_, arcPoint_, start, end);
  return zhost::NormalizeAngle(end - start);
}

Acad::ErrorStatus AcDb3PointAngularDimension::subGraphics(zhost::DimGraphics& graphics,
                                                          const zhost::DimSizes& sizes) const {
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

AcGePoint3d AcDb3PointAngularDimension::subDefaultTextPosition() const {
  double radius = arcPoint_.distanceTo(center_);
  double start = 0, end = 0;
  angleOnSide(center_, xLine1_, xLine2_, arcPoint_, start, end);
  double mid = start + zhost::NormalizeAngle(end - start) / 2;
  AcGeVector3d ray = zhost::PlaneDirection(planeNormal(), mid);
  return textAbove(center_ + ray * radius, zhost::UnitNormal(planeNormal()).crossProduct(ray));
}

void AcDb3PointAngularDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  center_.transformBy(xform);
  xLine1_.transformBy(xform);
  xLine2_.transformBy(xform);
  arcPoint_.transformBy(xform);
}

void AcDb3PointAngularDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"angular (3 points)");
  zhost::ListPoint(L"center:", center_);
  zhost::ListPoint(L"extension line 1:", xLine1_);
  zhost::ListPoint(L"extension line 2:", xLine2_);
  zhost::ListPoint(L"arc point:", arcPoint_);
}

Acad::ErrorStatus AcDb3PointAngularDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDb3PointAngularDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
