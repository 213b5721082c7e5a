// Ordinate dimensions.
#include "host/db/AcDbOrdinateDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbOrdinateDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbOrdinateDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbOrdinateDimension::origin() const {
  assertReadEnabled();
  return origin_;
}

Acad::ErrorStatus AcDbOrdinateDimension::setOrigin(const AcGePoint3d& value) {
  assertWriteEnabled();
  origin_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbOrdinateDimension::definingPoint() const {
  assertReadEnabled();
  return defining_;
}

Acad::ErrorStatus AcDbOrdinateDimension::setDefiningPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  defining_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbOrdinateDimension::leaderEndPoint() const {
  assertReadEnabled();
  return leaderEnd_;
}

Acad::ErrorStatus AcDbOrdinateDimension::setLeaderEndPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  leaderEnd_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbOrdinateDimension::AcDbOrdinateDimension() = default;

AcDbOrdinateDimension::AcDbOrdinateDimension(bool useXAxis, const AcGePoint3d& definingPoint,
                                             const AcGePoint3d& leaderEndPoint, const ACHAR* dimText,
                                             AcDbObjectId dimStyle)
    : defining_(definingPoint), leaderEnd_(leaderEndPoint), xAxis_(useXAxis) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbOrdinateDimension::~AcDbOrdinateDimension() = default;

bool AcDbOrdinateDimension::isUsingXAxis() const {
  assertReadEnabled();
  return xAxis_;
}

bool AcDbOrdinateDimension::isUsingYAxis() const {
  assertReadEnabled();
  return !xAxis_;
}

Acad::ErrorStatus AcDbOrdinateDimension::useXAxis() {
  assertWriteEnabled();
  xAxis_ = true;
  updateDefaultTextPosition();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbOrdinateDimension::useYAxis() {
  assertWriteEnabled();
  xAxis_ = false;
  updateDefaultTextPosition();
  return Acad::eOk;
}

double AcDbOrdinateDimension::subMeasurement() const {
  AcGeVector3d x, y;
  zhost::PlaneAxes(planeNormal(), x, y);
  return std::fabs((defining_ - origin_).dotProduct(xAxis_ ? x : y));
}

Acad::ErrorStatus AcDbOrdinateDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const {
  AcGeVector3d along = leaderEnd_ - defining_;
  if (along.isZeroLength()) return Acad::eDegenerateGeometry;
  along.normalize();
  graphics.lines.push_back({defining_ + along * sizes.extOffset, leaderEnd_});
  graphics.textDirection = along;
  return Acad::eOk;
}

AcGePoint3d AcDbOrdinateDimension::subDefaultTextPosition() const {
  AcGeVector3d along = leaderEnd_ - defining_;
  if (along.isZeroLength()) return leaderEnd_;
  along.normalize();
  zhost::DimSizes s = sizes();
  return leaderEnd_ + along * (s.gap + zhost::TextLineWidth(displayText(), s.text, 1.0) / 2);
}

void AcDbOrdinateDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  origin_.transformBy(xform);
  defining_.transformBy(xform);
  leaderEnd_.transformBy(xform);
}

void AcDbOrdinateDimension::subListGeometry() const {
  zhost::ListText(L"type:", xAxis_ ? L"ordinate (X datum)" : L"ordinate (Y datum)");
  zhost::ListPoint(L"origin:", origin_);
  zhost::ListPoint(L"defining point:", defining_);
  zhost::ListPoint(L"leader end:", leaderEnd_);
}

Acad::ErrorStatus AcDbOrdinateDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbOrdinateDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
