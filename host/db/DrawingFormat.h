// The host's drawing file format at the byte level: the constants (magic, version, section
// tags), the records a file is made of (header variables, classes, objects with their typed
// items) and the checksum. DrawingFormatWriter turns records into bytes, DrawingFormatReader
// checks bytes and gives the records back; docs/drawing-format.md describes the layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/db/MemoryFiler.h"

namespace zhost {

namespace drawing_format {

// 0x89 'Z' 'K' 'D' 'W' 'G' CR LF: a non-ASCII first byte and the line end catch text-mode
// transfers that would damage the file.
constexpr unsigned char kMagic[8] = {0x89, 'Z', 'K', 'D', 'W', 'G', 0x0D, 0x0A};
constexpr uint16_t kVersionMajor = 1;
constexpr uint16_t kVersionMinor = 0;
constexpr size_t kFileHeaderSize = 32;
constexpr size_t kTrailerSize = 16;
constexpr size_t kSectionHeaderSize = 12;  // tag and body length
constexpr uint32_t kSectionCount = 3;
// Section tags, in file order.
constexpr char kHeaderTag[4] = {'H', 'E', 'A', 'D'};
constexpr char kClassesTag[4] = {'C', 'L', 'A', 'S'};
constexpr char kObjectsTag[4] = {'O', 'B', 'J', 'S'};
constexpr char kTrailerTag[4] = {'T', 'R', 'L', 'R'};
// Object record flags.
constexpr uint8_t kObjectErased = 0x01;
// Files above this size are refused before they are read into memory.
constexpr uint64_t kMaxFileSize = uint64_t(1) << 31;
// The smallest encoded item: its type tag and a one-byte value.
constexpr size_t kMinItemSize = 2;
// The fixed part of an object record after its length field.
constexpr size_t kObjectRecordFixedSize = 4 + 8 + 8 + 1 + 4;

}  // namespace drawing_format

// One header variable: its upper-case name and one typed value.
struct DrawingHeaderVariable {
  std::wstring name;
  FilerItem value;
};

// One class of the class list. Objects refer to classes by their index in the list.
struct DrawingClassEntry {
  std::wstring name, dxfName, appName;
  int32_t proxyFlags = 0;
  int32_t dwgVersion = 0;
  int32_t maintVersion = 0;
  bool isEntity = false;
};

// One object: its class, handle, owner, erased state and the items its dwgOutFields filed. Ids
// among the items carry the referenced handle in FilerItem::handle (null for a null id).
struct DrawingObjectRecord {
  uint32_t classIndex = 0;
  uint64_t handle = 0;
  uint64_t owner = 0;
  bool erased = false;
  std::vector<FilerItem> items;
};

// CRC-32 (the IEEE polynomial, reflected, as zip and PNG use it).
uint32_t DrawingChecksum(const unsigned char* data, size_t size);

// Sets the length fields and the trailer checksum of a file's bytes to match the bytes (what
// the writer does last). Bytes shorter than a header and trailer are left alone.
void SealDrawingFrame(std::string& bytes);

// Wide text <-> UTF-8 as the file keeps it. Encoding replaces values that are no Unicode scalar
// (surrogates, above U+10FFFF) with U+FFFD; decoding refuses malformed UTF-8 (false).
void AppendUtf8(std::string& out, const std::wstring& text);
bool DecodeUtf8(const unsigned char* data, size_t size, std::wstring& text);

}  // namespace zhost
