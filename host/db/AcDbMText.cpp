// Multiline texts.
#include "host/db/AcDbMText.h"

#include <algorithm>
#include <cmath>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbText.h"
#include "host/db/AnnotSupport.h"
#include "host/ge/AcGePlane.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeMText() { return new AcDbMText; }
const Adesk::Int16 kMTextVersion = 1;
bool PositiveFinite(double v) { return std::isfinite(v) && v > 0; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbMText, AcDbEntity, MakeMText, L"MTEXT")

AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

AcGePoint3d AcDbMText::location() const {
  assertReadEnabled();
  return location_;
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& pt) {
  assertWriteEnabled();
  location_ = pt;
  return Acad::eOk;
}

ACHAR* AcDbMText::contents() const {
  assertReadEnabled();
  return acutNewString(contents_.c_str());
}

const ACHAR* AcDbMText::contentsConst() const {
  assertReadEnabled();
  return contents_.c_str();
}

Acad::ErrorStatus AcDbMText::setContents(const ACHAR* text) {
  if (!text) return Acad::eNullPtr;
  assertWriteEnabled();
  contents_ = text;
  return Acad::eOk;
}

double AcDbMText::textHeight() const {
  assertReadEnabled();
  return height_;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
  if (!PositiveFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  height_ = height;
  return Acad::eOk;
}

double AcDbMText::width() const {
  assertReadEnabled();
  return width_;
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
  if (!std::isfinite(width) || width < 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  width_ = width;
  return Acad::eOk;
}

double AcDbMText::rotation() const {
  assertReadEnabled();
  return zhost::PlaneAngle(normal_, direction_);
}

Acad::ErrorStatus AcDbMText::setRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  direction_ = zhost::PlaneDirection(normal_, angle);
  return Acad::eOk;
}

AcGeVector3d AcDbMText::direction() const {
  assertReadEnabled();
  return direction_;
}

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& dir) {
  AcGeVector3d inPlane = dir.orthoProject(zhost::UnitNormal(normal_));
  if (inPlane.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  direction_ = inPlane.normal();
  return Acad::eOk;
}

AcGeVector3d AcDbMText::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbMText::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  double angle = zhost::PlaneAngle(normal_, direction_);
  normal_ = normal.normal();
  direction_ = zhost::PlaneDirection(normal_, angle);
  return Acad::eOk;
}

AcDbMText::AttachmentPoint AcDbMText::attachment() const {
  assertReadEnabled();
  return static_cast<AttachmentPoint>(attachment_);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
  if (attachment < kTopLeft || attachment > kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  attachment_ = static_cast<Adesk::Int16>(attachment);
  return Acad::eOk;
}

double AcDbMText::lineSpacingFactor() const {
  assertReadEnabled();
  return lineSpacing_;
}

Acad::ErrorStatus AcDbMText::setLineSpacingFactor(double factor) {
  // The platform's range.
  if (!std::isfinite(factor) || factor < 0.25 || factor > 4.0) return Acad::eInvalidInput;
  assertWriteEnabled();
  lineSpacing_ = factor;
  return Acad::eOk;
}

AcDbObjectId AcDbMText::textStyle() const {
  assertReadEnabled();
  return style_;
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId style) {
  assertWriteEnabled();
  style_ = style;
  return Acad::eOk;
}

std::vector<std::wstring> AcDbMText::lines() const {
  assertReadEnabled();
  std::vector<std::wstring> result(1);
  for (size_t i = 0; i < contents_.size(); ++i) {
    wchar_t c = contents_[i];
    if (c == L'\\' && i + 1 < contents_.size() && (contents_[i + 1] == L'P' || contents_[i + 1] == L'\\')) {
      // "\P" ends a paragraph; "\\" is a backslash.
      if (contents_[i + 1] == L'P')
        result.emplace_back();
      else
        result.back() += L'\\';
      ++i;
      continue;
    }
    if (c == L'\n') {
      result.emplace_back();
      continue;
    }
    if (c != L'\r') result.back() += c;
  }
  return result;
}

double AcDbMText::pitch() const { return height_ * lineSpacing_ * 5.0 / 3.0; }

AcGePoint3d AcDbMText::blockTop(size_t lineCount) const {
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(direction_);
  double blockHeight = height_ + pitch() * static_cast<double>(lineCount > 0 ? lineCount - 1 : 0);
  int row = (attachment_ - 1) / 3;
  if (row == 1) return location_ + up * (blockHeight / 2);
  if (row == 2) return location_ + up * blockHeight;
  return location_;
}

void AcDbMText::getBoundingPoints(AcGePoint3d corners[4]) const {
  assertReadEnabled();
  std::vector<std::wstring> textLines = lines();
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(direction_);
  double widest = width_;
  for (const std::wstring& line : textLines) widest = std::max(widest, zhost::TextLineWidth(line, height_, 1.0));
  double blockHeight = height_ + pitch() * static_cast<double>(textLines.size() - 1);
  AcGePoint3d top = blockTop(textLines.size());
  int column = (attachment_ - 1) % 3;
  AcGePoint3d topLeft = top - direction_ * (widest * column / 2.0);
  corners[3] = topLeft;
  corners[2] = topLeft + direction_ * widest;
  corners[0] = topLeft - up * blockHeight;
  corners[1] = corners[0] + direction_ * widest;
}

void AcDbMText::subSetDatabaseDefaults(AcDbDatabase* pDb) {
  if (!pDb) return;
  if (PositiveFinite(pDb->textsize())) height_ = pDb->textsize();
  if (!pDb->textstyle().isNull()) style_ = pDb->textstyle();
}

Acad::ErrorStatus AcDbMText::subTransformBy(const AcGeMatrix3d& xform) {
  zhost::TextFrameChange change;
  if (!zhost::TransformTextFrame(xform, normal_, zhost::PlaneAngle(normal_, direction_), change) ||
      !PositiveFinite(change.heightScale))
    return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  location_.transformBy(xform);
  height_ *= change.heightScale;
  width_ *= change.widthScale;
  normal_ = change.normal;
  direction_ = zhost::PlaneDirection(normal_, change.rotation);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::subExplode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  std::vector<std::wstring> textLines = lines();
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(direction_);
  AcGePoint3d top = blockTop(textLines.size());
  double rotation = zhost::PlaneAngle(normal_, direction_);
  static const AcDb::TextHorzMode kModes[] = {AcDb::kTextLeft, AcDb::kTextCenter, AcDb::kTextRight};
  AcDb::TextHorzMode mode = kModes[(attachment_ - 1) % 3];
  for (size_t i = 0; i < textLines.size(); ++i) {
    if (textLines[i].empty()) continue;
    AcGePoint3d base = top - up * (height_ + pitch() * static_cast<double>(i));
    AcDbText* text = new AcDbText(base, textLines[i].c_str(), style_, height_, rotation);
    text->setNormal(normal_);
    text->setHorizontalMode(mode);
    text->setAlignmentPoint(base);
    text->setPropertiesFrom(this);
    entitySet.append(text);
  }
  return Acad::eOk;
}

void AcDbMText::subList() const {
  assertReadEnabled();
  zhost::ListPoint(L"Location:", location_);
  zhost::ListReal(L"Width:", width_);
  zhost::ListVector(L"Normal:", normal_);
  zhost::ListAngle(L"Rotation:", zhost::PlaneAngle(normal_, direction_));
  zhost::ListText(L"Text style:", L"\"" + zhost::SymbolName(style_) + L"\"");
  zhost::ListReal(L"Text height:", height_);
  static const wchar_t* const kAttachments[] = {L"TopLeft",    L"TopCenter",    L"TopRight",
                                                L"MiddleLeft", L"MiddleCenter", L"MiddleRight",
                                                L"BottomLeft", L"BottomCenter", L"BottomRight"};
  zhost::ListText(L"Attachment:", kAttachments[attachment_ - 1]);
  zhost::ListReal(L"Line spacing factor:", lineSpacing_);
  zhost::ListText(L"Contents:", contents_);
}

Acad::ErrorStatus AcDbMText::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcGePoint3d corners[4];
  getBoundingPoints(corners);
  extents = AcDbExtents();
  for (const AcGePoint3d& p : corners) extents.addPoint(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(location_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int i = 0; i < indices.length(); ++i)
    if (indices[i] == 0) location_ += offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane = AcGePlane(location_, zhost::UnitNormal(normal_));
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, kMTextVersion, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbMText::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, kMTextVersion, [this](auto&& file) { forEachField(*this, file); });
  if (es != Acad::eOk) return es;
  if (attachment_ < kTopLeft || attachment_ > kBottomRight || direction_.isZeroLength()) return Acad::eDwgObjectImproperlyRead;
  return Acad::eOk;
}
