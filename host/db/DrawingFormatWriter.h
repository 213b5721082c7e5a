// zhost::DrawingFormatWriter: builds the bytes of a drawing file from its records, in file order
// (header variables, classes, objects), then closes it with the section lengths, the object
// count and the trailer checksum.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/db/DrawingFormat.h"

namespace zhost {

class DrawingFormatWriter {
 public:
  DrawingFormatWriter();

  void writeHeader(const std::vector<DrawingHeaderVariable>& variables);
  void writeClasses(const std::vector<DrawingClassEntry>& classes);
  // One object record; false (nothing written, error set) for an item no file can hold (an
  // address) or an id of another database.
  bool writeObject(uint32_t classIndex, uint64_t handle, uint64_t owner, bool erased,
                   const std::vector<FilerItem>& items, std::wstring& error);
  bool writeObject(const DrawingObjectRecord& record, std::wstring& error) {
    return writeObject(record.classIndex, record.handle, record.owner, record.erased, record.items, error);
  }
  // The finished file. The writer is spent afterwards.
  std::string finish();

  // One item as the file holds it (tag and value); false for an item no file can hold.
  static bool AppendItem(std::string& out, const FilerItem& item, std::wstring& error);

 private:
  void beginSection(const char tag[4]);
  void endSection();

  std::string out_;
  size_t sectionStart_ = 0;
  size_t objectCountAt_ = 0;
  uint32_t objectCount_ = 0;
  int stage_ = 0;  // 0 header, 1 classes, 2 objects, 3 finished
};

}  // namespace zhost
