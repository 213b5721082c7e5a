// UTF-8 <-> wide conversion and the backslash rule for file-system paths.
#include "host/win/TextConv.h"

#include <cwchar>

namespace zhost {

std::string ToUtf8(const wchar_t* text) { return ToUtf8(std::wstring(text ? text : L"")); }

std::string ToUtf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t wc : text) {
    uint32_t c = static_cast<uint32_t>(wc);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::wstring FromUtf8(const std::string& bytes) { return FromUtf8(bytes.data(), bytes.size()); }

std::wstring FromUtf8(const char* data, size_t length) {
  std::wstring out;
  out.reserve(length);
  const auto* s = reinterpret_cast<const unsigned char*>(data);
  size_t i = 0;
  while (i < length) {
    unsigned char b = s[i];
    uint32_t c = 0;
    int extra = 0;
    if (b < 0x80) {
      out += static_cast<wchar_t>(b);
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      extra = 3;
    } else {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= length || (s[i + k] & 0xC0) != 0x80) ok = false;
      else c = (c << 6) | (s[i + k] & 0x3F);
    }
    static const uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      out += L'\xFFFD';
      ++i;
      continue;
    }
    out += static_cast<wchar_t>(c);
    i += extra + 1;
  }
  return out;
}

std::string ToFsPath(const wchar_t* path) { return ToFsPath(std::wstring(path ? path : L"")); }

std::string ToFsPath(const std::wstring& path) {
  std::string out = ToUtf8(path);
  for (char& ch : out)
    if (ch == '\\') ch = '/';
  return out;
}

}  // namespace zhost
