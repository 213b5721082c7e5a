// Dimension styles and their generic variable store.
#include "host/db/AcDbDimStyleTable.h"

#include <cwctype>

#include "host/db/AcDbDwgFiler.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeDimStyleRecord() { return new AcDbDimStyleTableRecord; }
AcRxObject* MakeDimStyleTable() { return new AcDbDimStyleTable; }

std::wstring Upper(const std::wstring& name) {
  std::wstring out = name;
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(c));
  return out;
}
}  // namespace

ZHOST_RX_HOST_MEMBERS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord, MakeDimStyleRecord)
ZHOST_RX_HOST_MEMBERS(AcDbDimStyleTable, AcDbSymbolTable, MakeDimStyleTable)

namespace zhost {

DimVarValue DimVarValue::Int(Adesk::Int32 v, int code) {
  DimVarValue out;
  out.kind = kInt;
  out.i = v;
  out.groupCode = code;
  return out;
}

DimVarValue DimVarValue::Real(double v, int code) {
  DimVarValue out;
  out.kind = kReal;
  out.d = v;
  out.groupCode = code;
  return out;
}

DimVarValue DimVarValue::String(const std::wstring& v, int code) {
  DimVarValue out;
  out.kind = kString;
  out.s = v;
  out.groupCode = code;
  return out;
}

DimVarValue DimVarValue::Id(AcDbObjectId v, int code) {
  DimVarValue out;
  out.kind = kId;
  out.id = v;
  out.groupCode = code;
  return out;
}

bool DimVarValue::operator==(const DimVarValue& o) const {
  if (kind != o.kind || groupCode != o.groupCode) return false;
  switch (kind) {
    case kInt: return i == o.i;
    case kReal: return d == o.d;
    case kString: return s == o.s;
    case kId: return id == o.id;
  }
  return false;
}

}  // namespace zhost

AcDbDimStyleTable::AcDbDimStyleTable() = default;
AcDbDimStyleTable::~AcDbDimStyleTable() = default;
AcDbDimStyleTableRecord::AcDbDimStyleTableRecord() = default;
AcDbDimStyleTableRecord::~AcDbDimStyleTableRecord() = default;

const zhost::DimVarValue* AcDbDimStyleTableRecord::dimVar(const std::wstring& name) const {
  assertReadEnabled();
  auto it = vars_.find(Upper(name));
  return it == vars_.end() ? nullptr : &it->second;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimVar(const std::wstring& name, const zhost::DimVarValue& value) {
  if (name.empty()) return Acad::eInvalidInput;
  assertWriteEnabled();
  vars_[Upper(name)] = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::removeDimVar(const std::wstring& name) {
  auto it = vars_.find(Upper(name));
  if (it == vars_.end()) return Acad::eKeyNotFound;
  assertWriteEnabled();
  vars_.erase(Upper(name));
  return Acad::eOk;
}

const zhost::DimVarMap& AcDbDimStyleTableRecord::dimVars() const {
  assertReadEnabled();
  return vars_;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimVars(const zhost::DimVarMap& vars) {
  assertWriteEnabled();
  vars_.clear();
  for (const auto& entry : vars) vars_[Upper(entry.first)] = entry.second;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt32(static_cast<Adesk::Int32>(vars_.size()));
  for (const auto& entry : vars_) {
    const zhost::DimVarValue& v = entry.second;
    filer->writeString(entry.first);
    filer->writeInt16(static_cast<Adesk::Int16>(v.groupCode));
    filer->writeInt8(static_cast<Adesk::Int8>(v.kind));
    switch (v.kind) {
      case zhost::DimVarValue::kInt: filer->writeInt32(v.i); break;
      case zhost::DimVarValue::kReal: filer->writeDouble(v.d); break;
      case zhost::DimVarValue::kString: filer->writeString(v.s); break;
      case zhost::DimVarValue::kId: filer->writeHardPointerId(v.id); break;
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int32 count = 0;
  if (filer->readInt32(&count) != Acad::eOk) return filer->filerStatus();
  if (count < 0 || count > 100000) {
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
    return filer->filerStatus();
  }
  zhost::DimVarMap vars;
  for (Adesk::Int32 n = 0; n < count; ++n) {
    std::wstring name;
    Adesk::Int16 code = 0;
    Adesk::Int8 kind = 0;
    filer->readString(name);
    filer->readInt16(&code);
    filer->readInt8(&kind);
    zhost::DimVarValue v;
    v.groupCode = code;
    switch (kind) {
      case zhost::DimVarValue::kInt: v.kind = zhost::DimVarValue::kInt; filer->readInt32(&v.i); break;
      case zhost::DimVarValue::kReal: v.kind = zhost::DimVarValue::kReal; filer->readDouble(&v.d); break;
      case zhost::DimVarValue::kString: v.kind = zhost::DimVarValue::kString; filer->readString(v.s); break;
      case zhost::DimVarValue::kId: {
        v.kind = zhost::DimVarValue::kId;
        AcDbHardPointerId id;
        filer->readHardPointerId(&id);
        v.id = id;
        break;
      }
      default: filer->setFilerStatus(Acad::eDwgObjectImproperlyRead); break;
    }
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    vars[Upper(name)] = v;
  }
  vars_ = vars;
  return Acad::eOk;
}
