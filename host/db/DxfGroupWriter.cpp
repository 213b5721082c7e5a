// zhost::DxfGroupWriter: group codes and values as ASCII DXF text.
#include "host/db/DxfGroupWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zhost {

namespace {

void AppendHex4(std::string& out, unsigned value) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", value & 0xFFFFu);
  out += buf;
}

// The characters of code page 1252 at 0x80..0x9F (0: not in the code page).
const unsigned kCp1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

// The byte of a character in code page 1252; 0 when it has none.
unsigned char Cp1252Byte(unsigned c) {
  if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned char>(c);
  for (unsigned i = 0; i < 32; ++i)
    if (kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
  return 0;
}

}  // namespace

std::string DxfGroupWriter::RealText(double value) {
  // A reader cannot do anything sensible with NaN or infinity; 0 keeps the file readable.
  if (!std::isfinite(value)) value = 0.0;
  if (value == 0.0) return "0.0";
  char buf[64];
  std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, r.ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

std::string DxfGroupWriter::EncodeText(const std::wstring& value) {
  std::string out;
  out.reserve(value.size());
  for (wchar_t wc : value) {
    unsigned c = static_cast<unsigned>(wc);
    if (c == '\r' || c == '\n' || c == '\t' || c < 0x20) {
      // A line break would end the value line: the group would be cut in two.
      out += ' ';
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (unsigned char b = Cp1252Byte(c)) {
      out += static_cast<char>(b);
    } else if (c <= 0xFFFF) {
      out += "\\U+";
      AppendHex4(out, c);
    } else if (c <= 0x10FFFF) {
      c -= 0x10000;
      out += "\\U+";
      AppendHex4(out, 0xD800 + (c >> 10));
      out += "\\U+";
      AppendHex4(out, 0xDC00 + (c & 0x3FF));
    } else {
      out += '?';
    }
  }
  return out;
}

void DxfGroupWriter::raw(int code, const std::string& value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%3d\n", code);
  text_ += buf;
  text_ += value;
  text_ += '\n';
}

void DxfGroupWriter::str(int code, const std::wstring& value) { raw(code, EncodeText(value)); }

void DxfGroupWriter::str(int code, const char* value) { raw(code, value ? value : ""); }

void DxfGroupWriter::integer(int code, long long value) { raw(code, std::to_string(value)); }

void DxfGroupWriter::real(int code, double value) { raw(code, RealText(value)); }

void DxfGroupWriter::point(int code, const AcGePoint3d& p) {
  real(code, p.x);
  real(code + 10, p.y);
  real(code + 20, p.z);
}

void DxfGroupWriter::point(int code, const AcGeVector3d& v) {
  real(code, v.x);
  real(code + 10, v.y);
  real(code + 20, v.z);
}

void DxfGroupWriter::point2d(int code, double x, double y) {
  real(code, x);
  real(code + 10, y);
}

void DxfGroupWriter::handle(int code, const AcDbHandle& h) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%llX", static_cast<unsigned long long>(h.value()));
  raw(code, buf);
}

}  // namespace zhost
