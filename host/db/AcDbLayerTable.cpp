// Layers.
#include "host/db/AcDbLayerTable.h"

#include "host/db/AcDbDwgFiler.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeLayerRecord() { return new AcDbLayerTableRecord; }
AcRxObject* MakeLayerTable() { return new AcDbLayerTable; }
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbLayerTableRecord, AcDbSymbolTableRecord, MakeLayerRecord)
ZHOST_RX_HOST_MEMBERS(AcDbLayerTable, AcDbSymbolTable, MakeLayerTable)

AcDbLayerTable::AcDbLayerTable() = default;
AcDbLayerTable::~AcDbLayerTable() = default;

AcDbLayerTableRecord::AcDbLayerTableRecord() { color_.setColorIndex(7); }
AcDbLayerTableRecord::~AcDbLayerTableRecord() = default;

bool AcDbLayerTableRecord::isFrozen() const {
  assertReadEnabled();
  return frozen_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  assertWriteEnabled();
  frozen_ = frozen;
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isOff() const {
  assertReadEnabled();
  return off_;
}

void AcDbLayerTableRecord::setIsOff(bool off) {
  assertWriteEnabled();
  off_ = off;
}

bool AcDbLayerTableRecord::isLocked() const {
  assertReadEnabled();
  return locked_;
}

void AcDbLayerTableRecord::setIsLocked(bool locked) {
  assertWriteEnabled();
  locked_ = locked;
}

bool AcDbLayerTableRecord::VPDFLT() const {
  assertReadEnabled();
  return vpdflt_;
}

void AcDbLayerTableRecord::setVPDFLT(bool frozen) {
  assertWriteEnabled();
  vpdflt_ = frozen;
}

bool AcDbLayerTableRecord::isPlottable() const {
  assertReadEnabled();
  return plottable_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plot) {
  assertWriteEnabled();
  plottable_ = plot;
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isHidden() const {
  assertReadEnabled();
  return hidden_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsHidden(bool hidden) {
  assertWriteEnabled();
  hidden_ = hidden;
  return Acad::eOk;
}

AcCmColor AcDbLayerTableRecord::color() const {
  assertReadEnabled();
  return color_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setColor(const AcCmColor& color) {
  if (!color.isByACI() && !color.isByColor()) return Acad::eInvalidInput;
  if (color.isByACI() && (color.colorIndex() < 1 || color.colorIndex() > 255)) return Acad::eInvalidInput;
  assertWriteEnabled();
  color_ = color;
  return Acad::eOk;
}

const AcCmEntityColor& AcDbLayerTableRecord::entityColor() const {
  assertReadEnabled();
  return color_.entityColor();
}

AcDbObjectId AcDbLayerTableRecord::linetypeObjectId() const {
  assertReadEnabled();
  return linetype_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId id) {
  assertWriteEnabled();
  linetype_ = id;
  return Acad::eOk;
}

AcDb::LineWeight AcDbLayerTableRecord::lineWeight() const {
  assertReadEnabled();
  return lineWeight_;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  if (weight == AcDb::kLnWtByLayer || weight == AcDb::kLnWtByBlock) return Acad::eInvalidInput;
  assertWriteEnabled();
  lineWeight_ = weight;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBoolean(frozen_);
  filer->writeBoolean(off_);
  filer->writeBoolean(locked_);
  filer->writeBoolean(vpdflt_);
  filer->writeBoolean(plottable_);
  filer->writeBoolean(hidden_);
  const AcCmEntityColor& c = color_.entityColor();
  filer->writeUInt8(static_cast<Adesk::UInt8>(c.colorMethod()));
  filer->writeInt16(c.colorIndex());
  filer->writeUInt32((Adesk::UInt32(c.red()) << 16) | (Adesk::UInt32(c.green()) << 8) | c.blue());
  filer->writeHardPointerId(linetype_);
  filer->writeInt16(static_cast<Adesk::Int16>(lineWeight_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  bool flags[6] = {false, false, false, false, true, false};
  for (bool& f : flags) filer->readBoolean(&f);
  Adesk::UInt8 method = 0;
  Adesk::Int16 index = 7, weight = AcDb::kLnWtByLwDefault;
  Adesk::UInt32 rgb = 0;
  AcDbHardPointerId linetype;
  filer->readUInt8(&method);
  filer->readInt16(&index);
  filer->readUInt32(&rgb);
  filer->readHardPointerId(&linetype);
  filer->readInt16(&weight);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  frozen_ = flags[0];
  off_ = flags[1];
  locked_ = flags[2];
  vpdflt_ = flags[3];
  plottable_ = flags[4];
  hidden_ = flags[5];
  AcCmColor color;
  if (method == AcCmEntityColor::kByColor)
    color.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8), static_cast<Adesk::UInt8>(rgb));
  else
    color.setColorIndex(static_cast<Adesk::UInt16>(index >= 1 && index <= 255 ? index : 7));
  color_ = color;
  linetype_ = linetype;
  // A value from a file may be anything; only line weights are kept.
  lineWeight_ = (weight >= AcDb::kLnWtByLwDefault && weight <= AcDb::kLnWt211) ? static_cast<AcDb::LineWeight>(weight)
                                                                               : AcDb::kLnWtByLwDefault;
  return Acad::eOk;
}
