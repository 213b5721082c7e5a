// The DXF filer base class and the in-memory DXF filer.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "host/db/AcDbDxfFiler.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbDxfFiler, AcRxObject, nullptr)

AcDbDxfFiler::~AcDbDxfFiler() = default;

namespace zhost {

namespace {

enum class DxfKind { kString, kReal, kPoint, kShort, kLong, kInt64, kHandle, kBinary, kBool };

// How a group code carries its value.
DxfKind KindOf(int code) {
  if ((code >= 10 && code <= 17) || (code >= 110 && code <= 112) || code == 210 || (code >= 1010 && code <= 1013))
    return DxfKind::kPoint;
  if ((code >= 18 && code <= 59) || (code >= 140 && code <= 149) || (code >= 460 && code <= 469) ||
      (code >= 1014 && code <= 1059))
    return DxfKind::kReal;
  if ((code >= 60 && code <= 79) || (code >= 170 && code <= 179) || (code >= 270 && code <= 289) ||
      (code >= 370 && code <= 389) || (code >= 400 && code <= 409) || code == 1070)
    return DxfKind::kShort;
  if ((code >= 90 && code <= 99) || (code >= 420 && code <= 429) || (code >= 440 && code <= 459) || code == 1071)
    return DxfKind::kLong;
  if (code >= 160 && code <= 169) return DxfKind::kInt64;
  if (code >= 290 && code <= 299) return DxfKind::kBool;
  if ((code >= 310 && code <= 319) || code == 1004) return DxfKind::kBinary;
  if (code == 5 || code == 105 || (code >= 320 && code <= 369) || (code >= 390 && code <= 399) ||
      (code >= 480 && code <= 481))
    return DxfKind::kHandle;
  return DxfKind::kString;
}

std::wstring HexBytes(const void* buffer, size_t length) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring out;
  const unsigned char* p = static_cast<const unsigned char*>(buffer);
  for (size_t i = 0; i < length; ++i) {
    out += kDigits[p[i] >> 4];
    out += kDigits[p[i] & 0xF];
  }
  return out;
}

}  // namespace

MemoryDxfFiler::MemoryDxfFiler(AcDb::FilerType type, AcDbDatabase* database) : type_(type), database_(database) {}
MemoryDxfFiler::~MemoryDxfFiler() = default;

std::wstring MemoryDxfFiler::RealText(double value, int precision) {
  char buffer[64];
  if (!std::isfinite(value)) value = 0.0;
  if (precision >= 0 && precision <= 16)
    std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  else
    std::snprintf(buffer, sizeof buffer, "%.16g", value);
  std::wstring out;
  for (const char* p = buffer; *p; ++p) out += static_cast<wchar_t>(*p);
  if (out.find_first_of(L".eEn") == std::wstring::npos) out += L".0";
  return out;
}

Acad::ErrorStatus MemoryDxfFiler::put(int code, std::wstring value) {
  if (status_ != Acad::eOk) return status_;
  groups_.push_back(DxfGroup{code, std::move(value)});
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDxfFiler::writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id) {
  return put(code, id.handle().text());
}
Acad::ErrorStatus MemoryDxfFiler::writeString(AcDb::DxfCode code, const ACHAR* value) {
  return put(code, value ? value : L"");
}
Acad::ErrorStatus MemoryDxfFiler::writeBool(AcDb::DxfCode code, bool value) { return put(code, value ? L"1" : L"0"); }
Acad::ErrorStatus MemoryDxfFiler::writeInt8(AcDb::DxfCode code, Adesk::Int8 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeInt16(AcDb::DxfCode code, Adesk::Int16 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeInt32(AcDb::DxfCode code, Adesk::Int32 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeInt64(AcDb::DxfCode code, Adesk::Int64 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value) { return put(code, std::to_wstring(value)); }
Acad::ErrorStatus MemoryDxfFiler::writeDouble(AcDb::DxfCode code, double value, int precision) {
  return put(code, RealText(value, precision));
}
Acad::ErrorStatus MemoryDxfFiler::writePoint2d(AcDb::DxfCode code, const AcGePoint2d& value, int precision) {
  put(code, RealText(value.x, precision));
  return put(code + 10, RealText(value.y, precision));
}
Acad::ErrorStatus MemoryDxfFiler::writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int precision) {
  put(code, RealText(value.x, precision));
  put(code + 10, RealText(value.y, precision));
  return put(code + 20, RealText(value.z, precision));
}
Acad::ErrorStatus MemoryDxfFiler::writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision) {
  put(code, RealText(value.x, precision));
  put(code + 10, RealText(value.y, precision));
  return put(code + 20, RealText(value.z, precision));
}
Acad::ErrorStatus MemoryDxfFiler::writeScale3d(AcDb::DxfCode code, const AcGeScale3d& value, int precision) {
  put(code, RealText(value.sx, precision));
  put(code + 1, RealText(value.sy, precision));
  return put(code + 2, RealText(value.sz, precision));
}
Acad::ErrorStatus MemoryDxfFiler::writeBytes(AcDb::DxfCode code, const void* buffer, Adesk::UIntPtr length) {
  if (length && !buffer) return status_ = Acad::eInvalidInput;
  // DXF binary groups carry at most 127 bytes each.
  const unsigned char* p = static_cast<const unsigned char*>(buffer);
  if (length == 0) return put(code, L"");
  for (Adesk::UIntPtr at = 0; at < length; at += 127) put(code, HexBytes(p + at, std::min<Adesk::UIntPtr>(127, length - at)));
  return status_;
}
Acad::ErrorStatus MemoryDxfFiler::writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value) { return put(code, value.text()); }

Acad::ErrorStatus MemoryDxfFiler::writeItem(const resbuf& rb) {
  int code = rb.restype;
  switch (KindOf(code)) {
    case DxfKind::kPoint:
      return writePoint3d(static_cast<AcDb::DxfCode>(code), AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]));
    case DxfKind::kReal: return writeDouble(static_cast<AcDb::DxfCode>(code), rb.resval.rreal);
    case DxfKind::kShort: return put(code, std::to_wstring(rb.resval.rint));
    case DxfKind::kLong: return put(code, std::to_wstring(rb.resval.rlong));
    case DxfKind::kInt64: return put(code, std::to_wstring(rb.resval.mnInt64));
    case DxfKind::kBool: return put(code, rb.resval.rint ? L"1" : L"0");
    case DxfKind::kBinary: return writeBytes(static_cast<AcDb::DxfCode>(code), rb.resval.rbinary.buf, rb.resval.rbinary.clen > 0 ? rb.resval.rbinary.clen : 0);
    case DxfKind::kHandle:
    case DxfKind::kString:
      return put(code, rb.resval.rstring ? rb.resval.rstring : L"");
  }
  return status_;
}

Acad::ErrorStatus MemoryDxfFiler::readItem(resbuf* rb) {
  if (status_ != Acad::eOk) return status_;
  if (!rb) return Acad::eInvalidInput;
  if (pos_ >= groups_.size()) return status_ = Acad::eEndOfFile;
  lastStart_ = pos_;
  canPushBack_ = true;
  const DxfGroup& g = groups_[pos_++];
  rb->restype = static_cast<short>(g.code);
  rb->rbnext = nullptr;
  const wchar_t* text = g.value.c_str();
  switch (KindOf(g.code)) {
    case DxfKind::kPoint: {
      rb->resval.rpoint[0] = std::wcstod(text, nullptr);
      rb->resval.rpoint[1] = rb->resval.rpoint[2] = 0.0;
      for (int k = 1; k <= 2; ++k) {
        if (pos_ < groups_.size() && groups_[pos_].code == g.code + 10 * k)
          rb->resval.rpoint[k] = std::wcstod(groups_[pos_++].value.c_str(), nullptr);
      }
      break;
    }
    case DxfKind::kReal: rb->resval.rreal = std::wcstod(text, nullptr); break;
    case DxfKind::kShort:
    case DxfKind::kBool: rb->resval.rint = static_cast<short>(std::wcstol(text, nullptr, 10)); break;
    case DxfKind::kLong: rb->resval.rlong = static_cast<int32_t>(std::wcstol(text, nullptr, 10)); break;
    case DxfKind::kInt64: rb->resval.mnInt64 = std::wcstoll(text, nullptr, 10); break;
    case DxfKind::kBinary: {
      size_t n = g.value.size() / 2;
      rb->resval.rbinary.clen = static_cast<short>(n);
      rb->resval.rbinary.buf = n ? static_cast<char*>(std::malloc(n)) : nullptr;
      for (size_t i = 0; i < n; ++i) {
        wchar_t pair[3] = {g.value[2 * i], g.value[2 * i + 1], 0};
        rb->resval.rbinary.buf[i] = static_cast<char>(std::wcstol(pair, nullptr, 16));
      }
      break;
    }
    case DxfKind::kHandle:
    case DxfKind::kString: rb->resval.rstring = acutNewString(text); break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDxfFiler::pushBackItem() {
  if (!canPushBack_) return Acad::eInvalidInput;
  pos_ = lastStart_;
  canPushBack_ = false;
  return Acad::eOk;
}

bool MemoryDxfFiler::atSubclassData(const ACHAR* subClassName) {
  if (pos_ >= groups_.size() || groups_[pos_].code != AcDb::kDxfSubclass) return false;
  if (!subClassName || groups_[pos_].value != subClassName) return false;
  ++pos_;
  return true;
}

bool MemoryDxfFiler::atExtendedData() { return pos_ >= groups_.size() || groups_[pos_].code == AcDb::kDxfRegAppName; }

bool MemoryDxfFiler::atEndOfObject() { return pos_ >= groups_.size() || groups_[pos_].code == 0; }

}  // namespace zhost
