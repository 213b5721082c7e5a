// Radius dimensions.
#include "host/db/AcDbRadialDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbRadialDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbRadialDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbRadialDimension::center() const {
  assertReadEnabled();
  return center_;
}

Acad::ErrorStatus AcDbRadialDimension::setCenter(const AcGePoint3d& value) {
  assertWriteEnabled();
  center_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbRadialDimension::chordPoint() const {
  assertReadEnabled();
  return chord_;
}

Acad::ErrorStatus AcDbRadialDimension::setChordPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  chord_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

double AcDbRadialDimension::leaderLength() const {
  assertReadEnabled();
  return leader_;
}

Acad::ErrorStatus AcDbRadialDimension::setLeaderLength(double length) {
  if (!std::isfinite(length) || length < 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  leader_ = length;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbRadialDimension::AcDbRadialDimension() = default;

AcDbRadialDimension::AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
                                         const ACHAR* dimText, AcDbObjectId dimStyle)
    : center_(center), chord_(chordPoint), leader_(std::isfinite(leaderLength) && leaderLength > 0 ? leaderLength : 0.0) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbRadialDimension::~AcDbRadialDimension() = default;

double AcDbRadialDimension::subMeasurement() const { return chord_.distanceTo(center_); }

Acad::ErrorStatus AcDbRadialDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes&) const {
  AcGeVector3d out = chord_ - center_;
  if (out.isZeroLength()) return Acad::eDegenerateGeometry;
  out.normalize();
  graphics.lines.push_back({center_, chord_ + out * leader_});
  graphics.arrows.push_back({chord_, -out});
  graphics.textDirection = out;
  return Acad::eOk;
}

AcGePoint3d AcDbRadialDimension::subDefaultTextPosition() const {
  AcGeVector3d out = chord_ - center_;
  if (out.isZeroLength()) return chord_;
  out.normalize();
  zhost::DimSizes s = sizes();
  double half = zhost::TextLineWidth(displayText(), s.text, 1.0) / 2;
  return chord_ + out * (leader_ + s.gap + half);
}

void AcDbRadialDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  AcGeVector3d out = chord_ - center_;
  double before = out.length();
  center_.transformBy(xform);
  chord_.transformBy(xform);
  if (before > 0) leader_ *= chord_.distanceTo(center_) / before;
}

void AcDbRadialDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"radius");
  zhost::ListPoint(L"center:", center_);
  zhost::ListPoint(L"chord point:", chord_);
  zhost::ListReal(L"leader length:", leader_);
}

Acad::ErrorStatus AcDbRadialDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbRadialDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
