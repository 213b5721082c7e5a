// OPEN, SAVE, SAVEAS and QSAVE. A save never goes over a read-only file; the drawing keeps its
// name only once a save succeeded. A DXF file opens through the DXF reader; saving such a drawing
// writes "<name>.dwg" beside it, never drawing-format bytes into a .dxf file.
#include "host/ap/FileCommands.h"

#include <climits>
#include <cstdlib>
#include <memory>

#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/DwgFile.h"
#include "host/db/DxfReader.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UpperCase.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"

namespace zhost {

namespace {

// What was skipped goes to the command line: one summary line and one line per damaged entity.
AcDbDatabase* ReadDxfForDocument(const std::wstring& path, std::wstring* error) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, false));
  std::string bytes;
  DWORD code = 0;
  if (!ReadWholeFile(ToFsPath(path), bytes, &code)) {
    if (error) *error = L"Cannot open \"" + path + L"\": the file cannot be read (error " + std::to_wstring(code) + L").";
    return nullptr;
  }
  std::wstring reason;
  DxfReadReport report;
  if (DecodeDxf(bytes.data(), bytes.size(), db.get(), reason, &report) != Acad::eOk) {
    if (error) *error = L"Cannot open \"" + path + L"\": " + reason;
    return nullptr;
  }
  for (const std::wstring& line : DxfReportLines(report)) PrintLine(line);
  db->setFileName(path);
  db->setDbmod(0);
  return db.release();
}

}  // namespace

AcDbDatabase* ReadDrawingForDocument(const std::wstring& path, std::wstring* error) {
  if (IsDxfFile(path)) return ReadDxfForDocument(path, error);
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, false));
  if (db->readDwgFile(path.c_str()) != Acad::eOk) {
    // The reader's message may start with the file name already.
    std::wstring reason = LastDrawingFileError();
    if (reason.compare(0, path.size() + 2, path + L": ") == 0) reason = reason.substr(path.size() + 2);
    if (error) *error = L"Cannot open \"" + path + L"\": " + reason;
    return nullptr;
  }
  db->setFileName(path);
  db->setDbmod(0);
  return db.release();
}

namespace {

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return L"";
  std::wstring t = s.substr(b, s.find_last_not_of(L" \t") - b + 1);
  if (t.size() >= 2 && t.front() == L'"' && t.back() == L'"') t = t.substr(1, t.size() - 2);
  return t;
}

std::wstring AbsolutePath(const std::wstring& path) {
  char resolved[PATH_MAX];
  if (::realpath(ToFsPath(path).c_str(), resolved)) return FromUtf8(resolved);
  return path;
}

// A name without an extension gets ".dwg".
std::wstring WithExtension(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return path + L".dwg";
  return path;
}

bool HasDxfExtension(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return false;
  return SameUpper(path.substr(dot), std::wstring(L".DXF"));
}

bool AskYes(const std::wstring& prompt) {
  std::wstring answer;
  if (CommandProcessor::instance().getInput(prompt, answer) != RTNORM) return false;
  answer = Trim(answer);
  return !answer.empty() && SameUpper(answer, std::wstring(L"YES").substr(0, answer.size()));
}

// Writes the current drawing to path; the document takes the new name when it worked.
// confirmReplace: the target may be another drawing's file, so the user confirms first.
bool SaveTo(AcApDocument* doc, const std::wstring& path, bool confirmReplace) {
  if (HasDxfExtension(path)) {
    PrintLine(L"Cannot save to \"" + path + L"\": SAVE writes host drawings (.dwg); a DXF file is written by DXF export "
              L"(zhost --dxf). The drawing was not saved.");
    return false;
  }
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      PrintLine(L"Cannot save to \"" + path + L"\": it is a folder.");
      return false;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
      PrintLine(L"Cannot save to \"" + path + L"\": the file is read-only. The drawing was not saved.");
      return false;
    }
    if (confirmReplace && !AskYes(L"A drawing named \"" + path + L"\" already exists. Replace it? [Yes/No] <No>: ")) {
      PrintLine(L"The drawing was not saved.");
      return false;
    }
  }
  AcDbDatabase* db = doc->database();
  if (db->saveAs(path.c_str()) != Acad::eOk) {
    PrintLine(L"Cannot save to \"" + path + L"\": " + LastDrawingFileError());
    PrintLine(L"The drawing was not saved.");
    return false;
  }
  db->setDbmod(0);
  doc->setSavedFileName(AbsolutePath(path));
  PrintLine(L"Saved \"" + std::wstring(doc->fileName()) + L"\".");
  return true;
}


// Asks for a file name (the current one on Enter, when the drawing has one) and saves there.
void SaveAsPrompted(AcApDocument* doc) {
  std::wstring current = doc->isFromFile() ? doc->fileName() : L"";
  std::wstring prompt = current.empty() ? L"Enter file name: " : L"Enter file name <" + current + L">: ";
  std::wstring typed;
  if (CommandProcessor::instance().getInput(prompt, typed) != RTNORM) return;
  typed = Trim(typed);
  if (typed.empty()) {
    if (current.empty()) {
      PrintLine(L"No file name given; the drawing was not saved.");
      return;
    }
    typed = current;
  }
  std::wstring path = WithExtension(typed);
  SaveTo(doc, path, path != current);
}

void SaveCommand() {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  if (!doc) return;
  if (!doc->isFromFile()) {
    SaveAsPrompted(doc);
    return;
  }
  const std::wstring name = doc->fileName();
  if (HasDxfExtension(name)) {
    // The DXF file stays as it was; the drawing goes on under its .dwg name.
    const std::wstring dwg = name.substr(0, name.size() - 4) + L".dwg";
    PrintLine(L"The drawing was opened from a DXF file; it is saved as \"" + dwg + L"\".");
    SaveTo(doc, dwg, true);
    return;
  }
  SaveTo(doc, name, false);
}

void SaveAsCommand() {
  if (AcApDocument* doc = acDocManagerPtr()->curDocument()) SaveAsPrompted(doc);
}

void OpenCommand() {
  std::wstring path;
  if (CommandProcessor::instance().getInput(L"Enter name of drawing to open: ", path) != RTNORM) return;
  path = Trim(path);
  if (path.empty()) return;
  std::wstring error;
  AcApDocument* doc = acDocManagerPtr()->openDocument(path, &error);
  if (!doc) {
    PrintLine(error);
    return;
  }
  PrintLine(L"Opened \"" + std::wstring(doc->fileName()) + L"\".");
}

}  // namespace

void RegisterFileCommands() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"OPEN", OpenCommand);
  processor.addBuiltin(L"SAVE", SaveCommand);
  processor.addBuiltin(L"QSAVE", SaveCommand);
  processor.addBuiltin(L"SAVEAS", SaveAsCommand);
}

}  // namespace zhost
