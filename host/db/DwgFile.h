// Drawing files: a database to the host's drawing format (.dwg) and back. The members
// AcDbDatabase::readDwgFile, saveAs, save and getFilename are defined on these functions.
//
// Reading fills a database built without defaults (a side database without a document) with
// every object of the file under its own handle, and keeps the handle seed. An object of a class
// that is not registered, or whose dwgInFields fails (a wrong type, a read past its end,
// eMakeMeProxy, an exception), becomes a proxy that keeps its items and writes them back
// unchanged. A damaged or hostile file is refused with a message, never crashed on.
//
// Writing goes to a temporary file in the target's folder that is then renamed over the target,
// so a failed save leaves the old file as it was; a read-only target is refused.
#pragma once

#include <cstddef>
#include <string>

#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

namespace zhost {

// A new side database read from the file, or null with the reason in error.
AcDbDatabase* ReadDrawingFile(const std::wstring& path, std::wstring& error);
// Writes the database to the file (eFileAccessErr for a read-only or unwritable target).
Acad::ErrorStatus WriteDrawingFile(AcDbDatabase* db, const std::wstring& path, std::wstring& error);

// The same on bytes in memory. DecodeDrawing fills an empty database built without defaults;
// after a failure the database holds what was read so far and should be deleted.
Acad::ErrorStatus EncodeDrawing(AcDbDatabase* db, std::string& bytes, std::wstring& error);
Acad::ErrorStatus DecodeDrawing(const unsigned char* data, size_t size, AcDbDatabase* db, std::wstring& error);

// The message of the last failed read or write on this thread (readDwgFile and saveAs give only
// a status).
const std::wstring& LastDrawingFileError();

}  // namespace zhost
