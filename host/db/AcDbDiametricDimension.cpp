// Diameter dimensions.
#include "host/db/AcDbDiametricDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* Make() { return new AcDbDiametricDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbDiametricDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDbDiametricDimension::chordPoint() const {
  assertReadEnabled();
  return chord_;
}

Acad::ErrorStatus AcDbDiametricDimension::setChordPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  chord_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDbDiametricDimension::farChordPoint() const {
  assertReadEnabled();
  return farChord_;
}

Acad::ErrorStatus AcDbDiametricDimension::setFarChordPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  farChord_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

double AcDbDiametricDimension::leaderLength() const {
  assertReadEnabled();
  return leader_;
}

Acad::ErrorStatus AcDbDiametricDimension::setLeaderLength(double length) {
  if (!std::isfinite(length) || length < 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  leader_ = length;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbDiametricDimension::AcDbDiametricDimension() = default;

AcDbDiametricDimension::AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint,
                                               double leaderLength, const ACHAR* dimText, AcDbObjectId dimStyle)
    : chord_(chordPoint), farChord_(farChordPoint), leader_(std::isfinite(leaderLength) && leaderLength > 0 ? leaderLength : 0.0) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDbDiametricDimension::~AcDbDiametricDimension() = default;

double AcDbDiametricDimension::subMeasurement() const { return chord_.distanceTo(farChord_); }

Acad::ErrorStatus AcDbDiametricDimension::subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes&) const {
  AcGeVector3d across = chord_ - farChord_;
  if (across.isZeroLength()) return Acad::eDegenerateGeometry;
  across.normalize();
  graphics.lines.push_back({farChord_, chord_ + across * leader_});
  graphics.arrows.push_back({chord_, -across});
  graphics.arrows.push_back({farChord_, across});
  graphics.textDirection = across;
  return Acad::eOk;
}

AcGePoint3d AcDbDiametricDimension::subDefaultTextPosition() const {
  AcGeVector3d across = chord_ - farChord_;
  if (across.isZeroLength()) return chord_;
  return textAbove(farChord_ + across / 2, across.normal());
}

void AcDbDiametricDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  double before = chord_.distanceTo(farChord_);
  chord_.transformBy(xform);
  farChord_.transformBy(xform);
  if (before > 0) leader_ *= chord_.distanceTo(farChord_) / before;
}

void AcDbDiametricDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"diameter");
  zhost::ListPoint(L"chord point:", chord_);
  zhost::ListPoint(L"far chord point:", farChord_);
  zhost::ListReal(L"leader length:", leader_);
}

Acad::ErrorStatus AcDbDiametricDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbDiametricDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
