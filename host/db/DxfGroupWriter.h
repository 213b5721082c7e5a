// zhost::DxfGroupWriter: the text of an ASCII DXF file, one group (code line, value line) at a
// time: reals in the C locale with round-trip precision, strings in the file's code page
// (ANSI_1252) with every other character as a \U+XXXX escape (the R2000 file's way of carrying
// Unicode), handles as upper-case hexadecimal.
#pragma once

#include <string>

#include "host/db/AcDbHandle.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"

namespace zhost {

class DxfGroupWriter {
 public:
  void str(int code, const std::wstring& value);
  void str(int code, const char* value);
  void integer(int code, long long value);
  void real(int code, double value);
  // A point or vector: code, code + 10, code + 20.
  void point(int code, const AcGePoint3d& p);
  void point(int code, const AcGeVector3d& v);
  void point2d(int code, double x, double y);
  void handle(int code, const AcDbHandle& h);
  void handle(int code, const std::string& hexText) { raw(code, hexText); }
  // Text that goes out as it is (already ASCII).
  void raw(int code, const std::string& value);
  // Everything written by another writer.
  void append(const DxfGroupWriter& other) { text_ += other.text_; }

  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }

  // The value text of a real / of a string as the writer puts them.
  static std::string RealText(double value);
  static std::string EncodeText(const std::wstring& value);

 private:
  std::string text_;
};

}  // namespace zhost
