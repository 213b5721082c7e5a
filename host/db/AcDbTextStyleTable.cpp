// Text styles.
#include "host/db/AcDbTextStyleTable.h"

#include <cmath>

#include "host/db/AcDbDwgFiler.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeStyleRecord() { return new AcDbTextStyleTableRecord; }
AcRxObject* MakeStyleTable() { return new AcDbTextStyleTable; }
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, MakeStyleRecord)
ZHOST_RX_HOST_MEMBERS(AcDbTextStyleTable, AcDbSymbolTable, MakeStyleTable)

AcDbTextStyleTable::AcDbTextStyleTable() = default;
AcDbTextStyleTable::~AcDbTextStyleTable() = default;
AcDbTextStyleTableRecord::AcDbTextStyleTableRecord() = default;
AcDbTextStyleTableRecord::~AcDbTextStyleTableRecord() = default;

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(const ACHAR*& fileName) const {
  assertReadEnabled();
  fileName = file_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* fileName) {
  assertWriteEnabled();
  file_ = fileName ? fileName : L"";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(const ACHAR*& fileName) const {
  assertReadEnabled();
  fileName = bigFont_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* fileName) {
  assertWriteEnabled();
  bigFont_ = fileName ? fileName : L"";
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::textSize() const {
  assertReadEnabled();
  return size_;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
  if (!(size >= 0) || !std::isfinite(size)) return Acad::eInvalidInput;
  assertWriteEnabled();
  size_ = size;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::xScale() const {
  assertReadEnabled();
  return xScale_;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double scale) {
  if (!(scale > 0) || !std::isfinite(scale)) return Acad::eInvalidInput;
  assertWriteEnabled();
  xScale_ = scale;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::obliquingAngle() const {
  assertReadEnabled();
  return oblique_;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  oblique_ = angle;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::priorSize() const {
  assertReadEnabled();
  return priorSize_;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setPriorSize(double size) {
  if (!(size > 0) || !std::isfinite(size)) return Acad::eInvalidInput;
  assertWriteEnabled();
  priorSize_ = size;
  return Acad::eOk;
}

bool AcDbTextStyleTableRecord::isShapeFile() const {
  assertReadEnabled();
  return shape_;
}

void AcDbTextStyleTableRecord::setIsShapeFile(bool shape) {
  assertWriteEnabled();
  shape_ = shape;
}

bool AcDbTextStyleTableRecord::isVertical() const {
  assertReadEnabled();
  return vertical_;
}

void AcDbTextStyleTableRecord::setIsVertical(bool vertical) {
  assertWriteEnabled();
  vertical_ = vertical;
}

Adesk::UInt8 AcDbTextStyleTableRecord::flagBits() const {
  assertReadEnabled();
  return flags_;
}

void AcDbTextStyleTableRecord::setFlagBits(Adesk::UInt8 flags) {
  assertWriteEnabled();
  flags_ = flags;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::font(ACHAR*& pTypeface, bool& bold, bool& italic, int& charset,
                                                 int& pitchAndFamily) const {
  assertReadEnabled();
  pTypeface = acutNewString(typeface_.c_str());
  bold = bold_;
  italic = italic_;
  charset = charset_;
  pitchAndFamily = pitch_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFont(const ACHAR* pTypeface, bool bold, bool italic, int charset,
                                                    int pitchAndFamily) {
  assertWriteEnabled();
  typeface_ = pTypeface ? pTypeface : L"";
  bold_ = bold;
  italic_ = italic;
  charset_ = charset;
  pitch_ = pitchAndFamily;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(file_);
  filer->writeString(bigFont_);
  filer->writeDouble(size_);
  filer->writeDouble(xScale_);
  filer->writeDouble(oblique_);
  filer->writeDouble(priorSize_);
  filer->writeBoolean(shape_);
  filer->writeBoolean(vertical_);
  filer->writeUInt8(flags_);
  filer->writeString(typeface_);
  filer->writeBoolean(bold_);
  filer->writeBoolean(italic_);
  filer->writeInt32(charset_);
  filer->writeInt32(pitch_);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring file, bigFont, typeface;
  double size = 0, xScale = 1, oblique = 0, prior = 2.5;
  bool shape = false, vertical = false, bold = false, italic = false;
  Adesk::UInt8 flags = 0;
  Adesk::Int32 charset = 0, pitch = 0;
  filer->readString(file);
  filer->readString(bigFont);
  filer->readDouble(&size);
  filer->readDouble(&xScale);
  filer->readDouble(&oblique);
  filer->readDouble(&prior);
  filer->readBoolean(&shape);
  filer->readBoolean(&vertical);
  filer->readUInt8(&flags);
  filer->readString(typeface);
  filer->readBoolean(&bold);
  filer->readBoolean(&italic);
  filer->readInt32(&charset);
  filer->readInt32(&pitch);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  file_ = file;
  bigFont_ = bigFont;
  size_ = std::isfinite(size) && size >= 0 ? size : 0.0;
  xScale_ = std::isfinite(xScale) && xScale > 0 ? xScale : 1.0;
  oblique_ = std::isfinite(oblique) ? oblique : 0.0;
  priorSize_ = std::isfinite(prior) && prior > 0 ? prior : 2.5;
  shape_ = shape;
  vertical_ = vertical;
  flags_ = flags;
  typeface_ = typeface;
  bold_ = bold;
  italic_ = italic;
  charset_ = charset;
  pitch_ = pitch;
  return Acad::eOk;
}
