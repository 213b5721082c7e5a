// zhost::DrawingFormatReader: checks the bytes of a drawing file and gives back its records.
// open() checks everything that can be checked without the objects' classes: magic, version,
// the length, the trailer checksum and the section frame. The records then come in file order;
// every count and length is checked against the bytes that are left before anything is
// allocated for it, so a damaged or hostile file gives an error, never a crash or a huge
// allocation. The reader does not own the bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/db/DrawingFormat.h"

namespace zhost {

class DrawingFormatReader {
 public:
  // False with a message for bytes that are no intact drawing file.
  bool open(const unsigned char* data, size_t size, std::wstring& error);

  bool readHeader(std::vector<DrawingHeaderVariable>& variables, std::wstring& error);
  bool readClasses(std::vector<DrawingClassEntry>& classes, std::wstring& error);

  // Objects: the count from the objects section, then one record per call.
  uint32_t objectCount() const { return objectCount_; }
  bool atEndOfObjects() const { return objectsRead_ >= objectCount_; }
  bool nextObject(DrawingObjectRecord& record, std::wstring& error);
  // Back to the first object (a second pass over the records).
  void rewindObjects();

  uint16_t versionMinor() const { return minor_; }

 private:
  struct Section {
    size_t begin = 0, end = 0;
  };

  const unsigned char* data_ = nullptr;
  size_t size_ = 0;
  uint16_t minor_ = 0;
  Section header_, classes_, objects_;
  size_t objectPos_ = 0;
  size_t firstObject_ = 0;
  uint32_t objectCount_ = 0;
  uint32_t objectsRead_ = 0;
};

// Reads one item (tag and value) at data[pos, end); false with a message for a bad tag, a bad
// value or a value running past end.
bool ReadDrawingItem(const unsigned char* data, size_t& pos, size_t end, FilerItem& item, std::wstring& error);

}  // namespace zhost
