// Upper-casing independent of the locale: ASCII and Latin-1 letters, then the C library.
#include "host/ed/UpperCase.h"

#include <cwctype>

namespace zhost {

static wchar_t Upper(wchar_t c) {
  if (c >= L'a' && c <= L'z') return static_cast<wchar_t>(c - 32);
  if (c < 0x80) return c;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<wchar_t>(c - 32);
  return static_cast<wchar_t>(std::towupper(c));
}

std::wstring UpperCase(std::wstring text) {
  for (auto& c : text) c = Upper(c);
  return text;
}

bool SameUpper(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

}  // namespace zhost
