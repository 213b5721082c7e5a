// Fuzz target of the DXF reader: the input is read as a DXF file into a side database and, when
// it is accepted, exported as DXF and read back. ZkDxfReadFuzzOne is the target's body, which the
// replay test calls in the normal build; the libFuzzer entry exists only in the fuzz build.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/db/AcDbDatabase.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DxfReader.h"
#include "host/db/DxfWriter.h"

extern "C" int ZkDxfReadFuzzOne(const uint8_t* data, size_t size) {
  zhost::SetDbDiagnosticsQuiet(true);
  std::wstring error;
  zhost::DxfReadReport report;
  AcDbDatabase db(false, true);
  if (zhost::DecodeDxf(reinterpret_cast<const char*>(data), size, &db, error, &report) != Acad::eOk) return 0;
  zhost::DxfReportLines(report);
  std::string text;
  if (!zhost::DxfText(&db, text, error)) return 0;
  AcDbDatabase back(false, true);
  zhost::DecodeDxf(text.data(), text.size(), &back, error, nullptr);
  return 0;
}

#ifdef ZK_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) { return ZkDxfReadFuzzOne(data, size); }
#endif
