// Drawing files at the command line: OPEN reads a drawing into a new document, SAVE writes the
// current drawing to its file (asking for a name the first time), SAVEAS to a file the user
// names.
#pragma once

#include <string>

class AcDbDatabase;

namespace zhost {

void RegisterFileCommands();

// The drawing in the file read into a new database for a document (the caller owns it); null
// with the reason in error when the file cannot be read.
AcDbDatabase* ReadDrawingForDocument(const std::wstring& path, std::wstring* error);

}  // namespace zhost
