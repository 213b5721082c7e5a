// The drawing format's checksum and its text encoding.
#include "host/db/DrawingFormat.h"

#include <array>

namespace zhost {

namespace {

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

bool IsScalar(uint32_t cp) { return cp < 0xD800 || (cp > 0xDFFF && cp <= 0x10FFFF); }

}  // namespace

uint32_t DrawingChecksum(const unsigned char* data, size_t size) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void SealDrawingFrame(std::string& bytes) {
  namespace df = drawing_format;
  if (bytes.size() < df::kFileHeaderSize + df::kTrailerSize) return;
  auto put = [&bytes](size_t at, uint64_t value, int size) {
    for (int k = 0; k < size; ++k) bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
  };
  const size_t trailer = bytes.size() - df::kTrailerSize;
  put(16, bytes.size(), 8);
  put(trailer + 8, bytes.size(), 8);
  put(trailer + 4, DrawingChecksum(reinterpret_cast<const unsigned char*>(bytes.data()), trailer + 4), 4);
}

void AppendUtf8(std::string& out, const std::wstring& text) {
  for (wchar_t wc : text) {
    uint32_t cp = static_cast<uint32_t>(wc);
    if (!IsScalar(cp)) cp = 0xFFFD;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
}

bool DecodeUtf8(const unsigned char* data, size_t size, std::wstring& text) {
  text.clear();
  text.reserve(size);
  size_t i = 0;
  while (i < size) {
    const unsigned char lead = data[i];
    if (lead < 0x80) {
      text += static_cast<wchar_t>(lead);
      ++i;
      continue;
    }
    size_t extra = 0;
    uint32_t cp = 0, min = 0;
    if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
      return false;
    }
    if (size - i <= extra) return false;
    for (size_t k = 1; k <= extra; ++k) {
      const unsigned char c = data[i + k];
      if ((c & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms would let two byte sequences mean the same text.
    if (cp < min || !IsScalar(cp)) return false;
    text += static_cast<wchar_t>(cp);
    i += extra + 1;
  }
  return true;
}

}  // namespace zhost
