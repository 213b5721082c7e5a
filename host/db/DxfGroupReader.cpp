// Splitting a DXF text into groups and parsing their values.
#include "host/db/DxfGroupReader.h"

#include <charconv>
#include <cmath>

#include "host/win/TextConv.h"

namespace zhost {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

std::wstring Quoted(std::string_view bytes) {
  std::string shown(bytes.substr(0, 40));
  if (bytes.size() > 40) shown += "...";
  return L"\"" + FromUtf8(shown) + L"\"";
}

// The next line from pos: its bytes without the line end; pos moves past the line end.
std::string_view NextLine(const char* data, size_t size, size_t& pos) {
  size_t start = pos;
  while (pos < size && data[pos] != '\n') ++pos;
  size_t end = pos;
  if (pos < size) ++pos;  // the '\n'
  if (end > start && data[end - 1] == '\r') --end;
  return std::string_view(data + start, end - start);
}

}  // namespace

std::string_view TrimDxf(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool DxfGroups::split(const char* data, size_t size, std::wstring& error) {
  groups_.clear();
  data_ = data;
  if (size >= kMaxDxfSize) {
    error = L"the file is too large for the DXF reader";
    return false;
  }
  size_t pos = 0;
  uint32_t line = 0;
  while (pos < size) {
    std::string_view codeLine = NextLine(data, size, pos);
    ++line;
    std::string_view code = TrimDxf(codeLine);
    if (code.empty() && pos >= size) break;  // blank lines after the last group
    long long number = 0;
    if (!ParseDxfInt(code, number) || number < -32768 || number > 32767) {
      error = L"Line " + std::to_wstring(line) + L": a group code must be a number, found " + Quoted(codeLine) + L".";
      return false;
    }
    if (pos >= size) {
      error = L"Line " + std::to_wstring(line) + L": group code " + std::to_wstring(number) +
              L" has no value: the file ends there, it may be truncated.";
      return false;
    }
    size_t valueStart = pos;
    std::string_view value = NextLine(data, size, pos);
    ++line;
    if (number == 999) continue;
    DxfTextGroup g;
    g.code = static_cast<int>(number);
    g.line = line;
    g.offset = static_cast<uint32_t>(valueStart);
    g.length = static_cast<uint32_t>(value.size());
    groups_.push_back(g);
  }
  return true;
}

bool ParseDxfReal(std::string_view text, double& out) {
  text = TrimDxf(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  double v = 0.0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), v);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(v)) return false;
  out = v;
  return true;
}

bool ParseDxfInt(std::string_view text, long long& out) {
  text = TrimDxf(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  long long v = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), v);
  if (result.ec == std::errc() && result.ptr == text.data() + text.size()) {
    out = v;
    return true;
  }
  // Some writers put integers as reals ("1.0"): taken when the value is whole.
  double d = 0.0;
  if (!ParseDxfReal(text, d) || d != std::floor(d) || std::fabs(d) > 9.0e15) return false;
  out = static_cast<long long>(d);
  return true;
}

bool ParseDxfHandle(std::string_view text, uint64_t& out) {
  text = TrimDxf(text);
  if (text.empty() || text.size() > 16) return false;
  uint64_t v = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), v, 16);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || v == 0) return false;
  out = v;
  return true;
}

bool IsValidUtf8(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    int n = 0;
    uint32_t cp = 0;
    if ((c & 0xE0) == 0xC0) n = 1, cp = c & 0x1F;
    else if ((c & 0xF0) == 0xE0) n = 2, cp = c & 0x0F;
    else if ((c & 0xF8) == 0xF0) n = 3, cp = c & 0x07;
    else return false;
    if (i + n >= s.size()) return false;
    for (int k = 1; k <= n; ++k) {
      unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
    if ((n == 1 && cp < 0x80) || (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += n + 1;
  }
  return true;
}

std::wstring DecodeWindows1252(std::string_view bytes) {
  // 0x80..0x9F differ from Latin-1; the five unassigned ones stay as their Latin-1 controls.
  static const wchar_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::wstring out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    unsigned char c = static_cast<unsigned char>(ch);
    out += (c >= 0x80 && c < 0xA0) ? kHigh[c - 0x80] : static_cast<wchar_t>(c);
  }
  return out;
}

std::wstring DecodeDxfUnicodeEscapes(const std::wstring& text) {
  if (text.find(L"\\U+") == std::wstring::npos && text.find(L"\\u+") == std::wstring::npos) return text;
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' && i + 6 < text.size() && (text[i + 1] == L'U' || text[i + 1] == L'u') &&
        text[i + 2] == L'+') {
      unsigned value = 0;
      bool hex = true;
      for (size_t k = 3; k < 7 && hex; ++k) {
        wchar_t c = text[i + k];
        int d = (c >= L'0' && c <= L'9') ? c - L'0'
                : (c >= L'a' && c <= L'f') ? c - L'a' + 10
                : (c >= L'A' && c <= L'F') ? c - L'A' + 10
                                           : -1;
        if (d < 0) hex = false;
        value = value * 16 + static_cast<unsigned>(d < 0 ? 0 : d);
      }
      if (hex && !(value >= 0xD800 && value <= 0xDFFF)) {
        out += static_cast<wchar_t>(value);
        i += 6;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::wstring DxfTextDecoder::decode(std::string_view bytes) const {
  bool ascii = true;
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  std::wstring text;
  if (ascii) text.assign(bytes.begin(), bytes.end());
  else if (utf8_ || IsValidUtf8(bytes)) text = FromUtf8(bytes.data(), bytes.size());
  else text = DecodeWindows1252(bytes);
  return DecodeDxfUnicodeEscapes(text);
}

}  // namespace zhost
