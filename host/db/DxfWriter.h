// zhost::WriteDxf: exports a database as an ASCII DXF file of release 2000 (AC1015): header
// variables, classes, the tables (viewports, linetypes, layers, text styles, views, UCSs,
// registered applications, dimension styles, block records), the blocks with their entities,
// the entities of model and paper space, and the objects a reader needs (the named-objects
// dictionary, the layout and group dictionaries, the layouts). The host's handles are kept;
// records the export adds get handles from the handle seed up. Entities of modules go out as
// what their explode gives; the summary counts those and the ones that could not be written.
#pragma once

#include <string>

#include "host/db/DxfExportContext.h"

class AcDbDatabase;

namespace zhost {

// Writes to a temporary file beside path and renames it, so a failed export leaves an older
// file untouched. False with a message in error when the database or the file fails.
bool WriteDxf(AcDbDatabase* db, const std::wstring& path, std::wstring& error, DxfSummary* summary = nullptr);

// The whole file as text (what WriteDxf writes).
bool DxfText(AcDbDatabase* db, std::string& text, std::wstring& error, DxfSummary* summary = nullptr);

// One line for the command line: how many entities were written, exploded and skipped (with
// the classes of the skipped ones).
std::wstring DxfSummaryLine(const DxfSummary& summary, const std::wstring& path);

}  // namespace zhost
