// DxfGroups: an ASCII DXF text split into its group code / value pairs, with the line of each
// value, and the parsing of values (numbers in the C locale, hexadecimal handles, texts in the
// file's encoding with \U+XXXX escapes decoded).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zhost {

struct DxfTextGroup {
  int code = 0;
  uint32_t line = 0;    // 1-based line of the value
  uint32_t offset = 0;  // the value's bytes in the text (line end and comment groups removed)
  uint32_t length = 0;
};

// The largest DXF text the reader takes (its offsets are 32-bit).
constexpr size_t kMaxDxfSize = size_t(1) << 31;

class DxfGroups {
 public:
  // Splits the text. False with a message naming the line for a code line that is not a
  // number, a code without its value line, or a text too large; 999 comments are dropped.
  bool split(const char* data, size_t size, std::wstring& error);

  size_t size() const { return groups_.size(); }
  const DxfTextGroup& operator[](size_t i) const { return groups_[i]; }
  std::string_view value(const DxfTextGroup& g) const { return std::string_view(data_ + g.offset, g.length); }
  std::string_view value(size_t i) const { return value(groups_[i]); }
  bool is(size_t i, int code, std::string_view text) const {
    return i < groups_.size() && groups_[i].code == code && value(i) == text;
  }

 private:
  const char* data_ = nullptr;
  std::vector<DxfTextGroup> groups_;
};

// Value parsing; false when the text (blanks around it allowed) is not such a value.
bool ParseDxfReal(std::string_view text, double& out);
bool ParseDxfInt(std::string_view text, long long& out);
// Non-zero hexadecimal of at most 16 digits.
bool ParseDxfHandle(std::string_view text, uint64_t& out);
std::string_view TrimDxf(std::string_view text);

// Texts of the file: UTF-8 from release 2007 (AC1021) on; before that UTF-8 when the bytes are
// valid UTF-8, else the ANSI code page (taken as Windows-1252). \U+XXXX escapes are decoded.
class DxfTextDecoder {
 public:
  void setUtf8(bool utf8) { utf8_ = utf8; }
  std::wstring decode(std::string_view bytes) const;

 private:
  bool utf8_ = false;
};

bool IsValidUtf8(std::string_view bytes);
std::wstring DecodeWindows1252(std::string_view bytes);
std::wstring DecodeDxfUnicodeEscapes(const std::wstring& text);

}  // namespace zhost
