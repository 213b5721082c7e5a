// Linetypes.
#include "host/db/AcDbLinetypeTable.h"

#include "host/db/AcDbDwgFiler.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeLinetypeRecord() { return new AcDbLinetypeTableRecord; }
AcRxObject* MakeLinetypeTable() { return new AcDbLinetypeTable; }
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbLinetypeTableRecord, AcDbSymbolTableRecord, MakeLinetypeRecord)
ZHOST_RX_HOST_MEMBERS(AcDbLinetypeTable, AcDbSymbolTable, MakeLinetypeTable)

AcDbLinetypeTable::AcDbLinetypeTable() = default;
AcDbLinetypeTable::~AcDbLinetypeTable() = default;
AcDbLinetypeTableRecord::AcDbLinetypeTableRecord() = default;
AcDbLinetypeTableRecord::~AcDbLinetypeTableRecord() = default;

Acad::ErrorStatus AcDbLinetypeTableRecord::comments(const ACHAR*& pString) const {
  assertReadEnabled();
  pString = comments_.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setComments(const ACHAR* pString) {
  assertWriteEnabled();
  comments_ = pString ? pString : L"";
  return Acad::eOk;
}

double AcDbLinetypeTableRecord::patternLength() const {
  assertReadEnabled();
  return patternLength_;
}

void AcDbLinetypeTableRecord::setPatternLength(double length) {
  assertWriteEnabled();
  patternLength_ = length;
}

int AcDbLinetypeTableRecord::numDashes() const {
  assertReadEnabled();
  return static_cast<int>(dashes_.size());
}

void AcDbLinetypeTableRecord::setNumDashes(int count) {
  assertWriteEnabled();
  dashes_.resize(count > 0 ? static_cast<size_t>(count) : 0, 0.0);
}

double AcDbLinetypeTableRecord::dashLengthAt(int index) const {
  assertReadEnabled();
  return index >= 0 && index < static_cast<int>(dashes_.size()) ? dashes_[static_cast<size_t>(index)] : 0.0;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::setDashLengthAt(int index, double value) {
  if (index < 0 || index >= static_cast<int>(dashes_.size())) return Acad::eInvalidIndex;
  assertWriteEnabled();
  dashes_[static_cast<size_t>(index)] = value;
  return Acad::eOk;
}

bool AcDbLinetypeTableRecord::isScaledToFit() const {
  assertReadEnabled();
  return scaledToFit_;
}

void AcDbLinetypeTableRecord::setIsScaledToFit(bool scaledToFit) {
  assertWriteEnabled();
  scaledToFit_ = scaledToFit;
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(comments_);
  filer->writeDouble(patternLength_);
  filer->writeBoolean(scaledToFit_);
  filer->writeInt32(static_cast<Adesk::Int32>(dashes_.size()));
  for (double d : dashes_) filer->writeDouble(d);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLinetypeTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  std::wstring comments;
  double length = 0.0;
  bool fit = false;
  Adesk::Int32 count = 0;
  filer->readString(comments);
  filer->readDouble(&length);
  filer->readBoolean(&fit);
  filer->readInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 12 * 1024) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  std::vector<double> dashes(static_cast<size_t>(count), 0.0);
  for (double& d : dashes) filer->readDouble(&d);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  comments_ = comments;
  patternLength_ = length;
  scaledToFit_ = fit;
  dashes_ = dashes;
  return Acad::eOk;
}
