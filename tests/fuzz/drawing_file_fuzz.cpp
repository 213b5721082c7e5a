// Fuzz target of the drawing-file reader: the input is read as a drawing file into a side
// database and, when it is accepted, written back. A second read seals the input's frame first
// (lengths and checksum), so that mutations reach the object records behind the checksum.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DrawingFormat.h"
#include "host/db/DwgFile.h"

namespace {

void ReadAndWriteBack(const unsigned char* data, size_t size) {
  AcDbDatabase db(false, true);
  std::wstring error;
  if (zhost::DecodeDrawing(data, size, &db, error) != Acad::eOk) return;
  std::string bytes;
  zhost::EncodeDrawing(&db, bytes, error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zhost::SetDbDiagnosticsQuiet(true);
  ReadAndWriteBack(data, size);
  namespace df = zhost::drawing_format;
  if (size >= df::kFileHeaderSize + df::kTrailerSize && std::memcmp(data, df::kMagic, sizeof df::kMagic) == 0) {
    std::string sealed(reinterpret_cast<const char*>(data), size);
    zhost::SealDrawingFrame(sealed);
    ReadAndWriteBack(reinterpret_cast<const unsigned char*>(sealed.data()), sealed.size());
  }
  return 0;
}
