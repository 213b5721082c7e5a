// Single-line texts.
#include "host/db/AcDbText.h"

#include <cmath>
#include <utility>

#include "host/db/AcDbDatabase.h"
#include "host/db/AnnotSupport.h"
#include "host/ge/AcGePlane.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeText() { return new AcDbText; }
const Adesk::Int16 kTextVersion = 1;

bool PositiveFinite(double v) { return std::isfinite(v) && v > 0; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbText, AcDbEntity, MakeText, L"TEXT")

AcDbText::AcDbText() = default;

AcDbText::AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style, double height,
                   double rotation)
    : position_(position),
      alignment_(position),
      height_(PositiveFinite(height) ? height : 2.5),
      rotation_(zhost::NormalizeAngle(rotation)),
      text_(text ? text : L""),
      style_(style) {}

AcDbText::~AcDbText() = default;

AcGePoint3d AcDbText::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDbText::setPosition(const AcGePoint3d& pt) {
  assertWriteEnabled();
  position_ = pt;
  return Acad::eOk;
}

AcGePoint3d AcDbText::alignmentPoint() const {
  assertReadEnabled();
  return alignment_;
}

Acad::ErrorStatus AcDbText::setAlignmentPoint(const AcGePoint3d& pt) {
  assertWriteEnabled();
  alignment_ = pt;
  return Acad::eOk;
}

bool AcDbText::isDefaultAlignment() const {
  assertReadEnabled();
  return horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase;
}

double AcDbText::height() const {
  assertReadEnabled();
  return height_;
}

Acad::ErrorStatus AcDbText::setHeight(double height) {
  if (!PositiveFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  height_ = height;
  return Acad::eOk;
}

double AcDbText::rotation() const {
  assertReadEnabled();
  return rotation_;
}

Acad::ErrorStatus AcDbText::setRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  rotation_ = zhost::NormalizeAngle(angle);
  return Acad::eOk;
}

double AcDbText::widthFactor() const {
  assertReadEnabled();
  return widthFactor_;
}

Acad::ErrorStatus AcDbText::setWidthFactor(double factor) {
  if (!PositiveFinite(factor)) return Acad::eInvalidInput;
  assertWriteEnabled();
  widthFactor_ = factor;
  return Acad::eOk;
}

double AcDbText::oblique() const {
  assertReadEnabled();
  return oblique_;
}

Acad::ErrorStatus AcDbText::setOblique(double angle) {
  // The platform allows up to 85 degrees either way.
  if (!std::isfinite(angle) || std::fabs(angle) > 85.0 * M_PI / 180.0 + 1e-12) return Acad::eInvalidInput;
  assertWriteEnabled();
  oblique_ = angle;
  return Acad::eOk;
}

double AcDbText::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbText::setThickness(double thickness) {
  if (!std::isfinite(thickness)) return Acad::eInvalidInput;
  assertWriteEnabled();
  thickness_ = thickness;
  return Acad::eOk;
}

AcGeVector3d AcDbText::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbText::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = normal.normal();
  return Acad::eOk;
}

ACHAR* AcDbText::textString() const {
  assertReadEnabled();
  return acutNewString(text_.c_str());
}

const ACHAR* AcDbText::textStringConst() const {
  assertReadEnabled();
  return text_.c_str();
}

Acad::ErrorStatus AcDbText::setTextString(const ACHAR* text) {
  if (!text) return Acad::eNullPtr;
  assertWriteEnabled();
  text_ = text;
  return Acad::eOk;
}

AcDbObjectId AcDbText::textStyle() const {
  assertReadEnabled();
  return style_;
}

Acad::ErrorStatus AcDbText::setTextStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  return Acad::eOk;
}

AcDb::TextHorzMode AcDbText::horizontalMode() const {
  assertReadEnabled();
  return static_cast<AcDb::TextHorzMode>(horzMode_);
}

Acad::ErrorStatus AcDbText::setHorizontalMode(AcDb::TextHorzMode mode) {
  if (mode < AcDb::kTextLeft || mode > AcDb::kTextFit) return Acad::eInvalidInput;
  assertWriteEnabled();
  horzMode_ = static_cast<Adesk::Int16>(mode);
  return Acad::eOk;
}

AcDb::TextVertMode AcDbText::verticalMode() const {
  assertReadEnabled();
  return static_cast<AcDb::TextVertMode>(vertMode_);
}

Acad::ErrorStatus AcDbText::setVerticalMode(AcDb::TextVertMode mode) {
  if (mode < AcDb::kTextBase || mode > AcDb::kTextTop) return Acad::eInvalidInput;
  assertWriteEnabled();
  vertMode_ = static_cast<Adesk::Int16>(mode);
  return Acad::eOk;
}

bool AcDbText::isMirroredInX() const {
  assertReadEnabled();
  return mirroredX_;
}

Acad::ErrorStatus AcDbText::mirrorInX(bool mirror) {
  assertWriteEnabled();
  mirroredX_ = mirror;
  return Acad::eOk;
}

bool AcDbText::isMirroredInY() const {
  assertReadEnabled();
  return mirroredY_;
}

Acad::ErrorStatus AcDbText::mirrorInY(bool mirror) {
  assertWriteEnabled();
  mirroredY_ = mirror;
  return Acad::eOk;
}

double AcDbText::lineWidth() const {
  if (horzMode_ == AcDb::kTextAlign || horzMode_ == AcDb::kTextFit) return position_.distanceTo(alignment_);
  return zhost::TextLineWidth(text_, height_, widthFactor_);
}

// Where the baseline of the text box starts, from the justification's reference point.
AcGePoint3d AcDbText::baselineStart() const {
  AcGeVector3d dir = zhost::PlaneDirection(normal_, rotation_);
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(dir);
  if (horzMode_ == AcDb::kTextAlign || horzMode_ == AcDb::kTextFit) return position_;
  if (horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase) return position_;
  double w = lineWidth();
  AcGePoint3d start = alignment_;
  if (horzMode_ == AcDb::kTextCenter || horzMode_ == AcDb::kTextMid) start -= dir * (w / 2);
  if (horzMode_ == AcDb::kTextRight) start -= dir * w;
  if (horzMode_ == AcDb::kTextMid || vertMode_ == AcDb::kTextVertMid) return start - up * (height_ / 2);
  if (vertMode_ == AcDb::kTextTop) return start - up * height_;
  return start;
}

void AcDbText::getBoundingPoints(AcGePoint3d corners[4]) const {
  assertReadEnabled();
  AcGeVector3d dir = zhost::PlaneDirection(normal_, rotation_);
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(dir);
  AcGePoint3d start = baselineStart();
  double w = lineWidth();
  corners[0] = start;
  corners[1] = start + dir * w;
  corners[2] = start + dir * w + up * height_;
  corners[3] = start + up * height_;
}

void AcDbText::subSetDatabaseDefaults(AcDbDatabase* pDb) {
  if (!pDb) return;
  if (PositiveFinite(pDb->textsize())) height_ = pDb->textsize();
  if (!pDb->textstyle().isNull()) style_ = pDb->textstyle();
}

Acad::ErrorStatus AcDbText::subTransformBy(const AcGeMatrix3d& xform) {
  zhost::TextFrameChange change;
  if (!zhost::TransformTextFrame(xform, normal_, rotation_, change) || !PositiveFinite(change.heightScale) ||
      !PositiveFinite(change.widthScale))
    return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  position_.transformBy(xform);
  alignment_.transformBy(xform);
  height_ *= change.heightScale;
  widthFactor_ *= change.widthScale / change.heightScale;
  rotation_ = change.rotation;
  normal_ = change.normal;
  // A reversed two-point text runs from its other end now.
  if (change.reversed && (horzMode_ == AcDb::kTextAlign || horzMode_ == AcDb::kTextFit))
    std::swap(position_, alignment_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::subExplode(AcDbVoidPtrArray&) const { return Acad::eNotApplicable; }

void AcDbText::subList() const {
  assertReadEnabled();
  zhost::ListText(L"Style =", L"\"" + zhost::SymbolName(style_) + L"\"");
  zhost::ListPoint(L"start point,", position_);
  if (!(horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase))
    zhost::ListPoint(L"alignment point,", alignment_);
  zhost::ListReal(L"height", height_);
  zhost::ListText(L"text", text_);
  zhost::ListAngle(L"rotation angle", rotation_);
  zhost::ListReal(L"width scale factor", widthFactor_);
  zhost::ListAngle(L"obliquing angle", oblique_);
  static const wchar_t* const kHorz[] = {L"left", L"center", L"right", L"aligned", L"middle", L"fit"};
  static const wchar_t* const kVert[] = {L"baseline", L"bottom", L"middle", L"top"};
  zhost::ListText(L"justification", std::wstring(kHorz[horzMode_]) + L", " + kVert[vertMode_]);
  if (!normal_.isParallelTo(AcGeVector3d(0, 0, 1)) || normal_.z < 0) zhost::ListVector(L"extrusion direction", normal_);
}

Acad::ErrorStatus AcDbText::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcGePoint3d corners[4];
  getBoundingPoints(corners);
  extents = AcDbExtents();
  for (const AcGePoint3d& p : corners) extents.addPoint(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d&,
                                              const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                              AcDbIntArray&) const {
  assertReadEnabled();
  if (osnapMode != AcDb::kOsModeIns) return Acad::eOk;
  bool useAlignment = !(horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase) &&
                      horzMode_ != AcDb::kTextAlign && horzMode_ != AcDb::kTextFit;
  snapPoints.append(useAlignment ? alignment_ : position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(position_);
  if (!(horzMode_ == AcDb::kTextLeft && vertMode_ == AcDb::kTextBase)) gripPoints.append(alignment_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int i = 0; i < indices.length(); ++i) {
    if (indices[i] == 0) position_ += offset;
    if (indices[i] == 1) alignment_ += offset;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane = AcGePlane(position_, zhost::UnitNormal(normal_));
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbText::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, kTextVersion, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbText::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, kTextVersion, [this](auto&& file) { forEachField(*this, file); });
  if (es != Acad::eOk) return es;
  if (horzMode_ < AcDb::kTextLeft || horzMode_ > AcDb::kTextFit || vertMode_ < AcDb::kTextBase ||
      vertMode_ > AcDb::kTextTop)
    return Acad::eDwgObjectImproperlyRead;
  return Acad::eOk;
}
