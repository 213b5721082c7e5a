// Locale-independent case folding for names (sections, keys, module file names).
#include "host/win/TextCase.h"

namespace zhost {

wchar_t FoldCase(wchar_t ch) {
  unsigned c = static_cast<unsigned>(ch);
  if (c >= 'A' && c <= 'Z') return static_cast<wchar_t>(c + 32);
  if (c < 0xC0) return ch;
  if (c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);  // Latin-1 letters
  if (c >= 0x100 && c <= 0x137 && (c & 1) == 0) return static_cast<wchar_t>(c + 1);
  if (c >= 0x139 && c <= 0x148 && (c & 1) == 1) return static_cast<wchar_t>(c + 1);
  if (c >= 0x14A && c <= 0x177 && (c & 1) == 0) return static_cast<wchar_t>(c + 1);
  if (c == 0x178) return static_cast<wchar_t>(0xFF);
  if (c >= 0x179 && c <= 0x17E && (c & 1) == 1) return static_cast<wchar_t>(c + 1);
  if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return static_cast<wchar_t>(c + 32);  // Greek
  if (c >= 0x410 && c <= 0x42F) return static_cast<wchar_t>(c + 32);                // Cyrillic
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 80);
  return ch;
}

bool EqualsNoCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace zhost
