// Windows-convention wide printf on top of the C library's vswprintf.
#include "host/win/WideFormat.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace zhost {

std::wstring TranslateWideFormat(const wchar_t* format) {
  std::wstring out;
  if (!format) return out;
  for (const wchar_t* p = format; *p; ++p) {
    if (*p != L'%') {
      out += *p;
      continue;
    }
    out += L'%';
    ++p;
    if (*p == L'%') {
      out += L'%';
      continue;
    }
    // flags, width, precision
    while (*p && std::wcschr(L"-+ #0", *p)) out += *p++;
    while (*p && (std::iswdigit(*p) || *p == L'*')) out += *p++;
    if (*p == L'.') {
      out += *p++;
      while (*p && (std::iswdigit(*p) || *p == L'*')) out += *p++;
    }
    // length modifiers, Windows spellings included
    std::wstring length;
    bool narrow = false, wide = false;
    for (;;) {
      if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
        length = L"ll";
        p += 3;
      } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
        p += 3;
      } else if (p[0] == L'I') {
        length = L"z";
        p += 1;
      } else if (*p == L'h' || *p == L'l' || *p == L'L' || *p == L'q' || *p == L'j' ||
                 *p == L'z' || *p == L't' || *p == L'w') {
        if (*p == L'h') narrow = true;
        if (*p == L'w') wide = true;
        if (*p != L'w') length += *p;
        ++p;
      } else {
        break;
      }
    }
    if (!*p) break;
    wchar_t conv = *p;
    if (conv == L's' || conv == L'c') {
      // %s / %ls / %ws wide; %hs narrow
      out += narrow ? L"" : L"l";
      out += conv;
    } else if (conv == L'S' || conv == L'C') {
      out += wide ? L"l" : L"";
      out += static_cast<wchar_t>(conv == L'S' ? L's' : L'c');
    } else {
      out += length;
      out += conv;
    }
  }
  return out;
}

std::wstring FormatWideV(const wchar_t* format, va_list args) {
  if (!format) return std::wstring();
  std::wstring fmt = TranslateWideFormat(format);
  std::vector<wchar_t> buffer(256);
  for (;;) {
    va_list copy;
    va_copy(copy, args);
    int n = std::vswprintf(buffer.data(), buffer.size(), fmt.c_str(), copy);
    va_end(copy);
    if (n >= 0 && static_cast<size_t>(n) < buffer.size()) return std::wstring(buffer.data(), n);
    if (buffer.size() >= (4u << 20)) return std::wstring(buffer.data(), wcsnlen(buffer.data(), buffer.size()));  // encoding error or absurd size
    buffer.resize(buffer.size() * 4);
  }
}

std::wstring FormatWide(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  std::wstring s = FormatWideV(format, args);
  va_end(args);
  return s;
}

}  // namespace zhost
