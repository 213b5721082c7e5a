// Test helpers on the bytes of drawing files.
#include "tests/host/dbfile/DrawingBytes.h"

#include <cstring>

#include "host/db/DrawingFormat.h"

namespace zktest {

void FixDrawingFrame(std::string& bytes) { zhost::SealDrawingFrame(bytes); }

size_t SectionBody(const std::string& bytes, const char* tag) {
  size_t at = zhost::drawing_format::kFileHeaderSize;
  while (at + 12 <= bytes.size()) {
    if (std::memcmp(bytes.data() + at, tag, 4) == 0) return at + 12;
    unsigned long long length = 0;
    for (int k = 7; k >= 0; --k) length = (length << 8) | static_cast<unsigned char>(bytes[at + 4 + k]);
    at += 12 + static_cast<size_t>(length);
  }
  return 0;
}

}  // namespace zktest
