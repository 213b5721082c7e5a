// Handles: text form and parsing.
#include "host/db/AcDbHandle.h"

#include <cwchar>

const AcDbHandle AcDbHandle::kNull;

bool AcDbHandle::parse(const ACHAR* text, AcDbHandle& out) {
  if (!text || !*text) return false;
  Adesk::UInt64 value = 0;
  int digits = 0;
  for (const ACHAR* p = text; *p; ++p) {
    ACHAR c = *p;
    int d;
    if (c >= L'0' && c <= L'9')
      d = c - L'0';
    else if (c >= L'A' && c <= L'F')
      d = c - L'A' + 10;
    else if (c >= L'a' && c <= L'f')
      d = c - L'a' + 10;
    else
      return false;
    if (value == 0 && d == 0) continue;  // leading zeros do not count towards the 16 digits
    if (++digits > 16) return false;
    value = (value << 4) | Adesk::UInt64(d);
  }
  out = AcDbHandle(value);
  return true;
}

AcDbHandle::AcDbHandle(const ACHAR* text) {
  if (!parse(text, *this)) value_ = 0;
}

std::wstring AcDbHandle::text() const {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  if (value_ == 0) return L"0";
  std::wstring out;
  for (Adesk::UInt64 v = value_; v; v >>= 4) out.insert(out.begin(), kDigits[v & 0xF]);
  return out;
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer) const {
  if (!buffer) return;
  std::wstring t = text();
  std::wmemcpy(buffer, t.c_str(), t.size() + 1);
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, size_t nBufLen) const {
  if (!buffer || nBufLen == 0) return false;
  std::wstring t = text();
  if (t.size() + 1 > nBufLen) {
    buffer[0] = L'\0';
    return false;
  }
  std::wmemcpy(buffer, t.c_str(), t.size() + 1);
  return true;
}
