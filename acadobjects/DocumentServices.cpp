// The current drawing, the open documents, drawings read from disk, saving and file checks.
#include "acadobjects/DocumentServices.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "acadobjects/Messages.h"
#include "acadobjects/ServiceGuard.h"
#include "frame/MainPalette.h"
#include "frame/ResourceString.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/WaitCursor.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"

namespace {

const int kMissingFileMessage = 32807;
// The drawing version the add-on saves with (the host writes its own format whatever it is).
const AcDb::AcDbDwgVersion kSaveVersion = static_cast<AcDb::AcDbDwgVersion>(31);

AcApDocument* FirstDocument() {
  AcApDocManager* manager = acDocManagerPtr();
  if (!manager) return nullptr;
  std::unique_ptr<AcApDocumentIterator> it(manager->newAcApDocumentIterator());
  return it && !it->done() ? it->document() : nullptr;
}

AcApDocument* DocumentOfFile(const CString& path) {
  AcApDocManager* manager = acDocManagerPtr();
  if (!manager || path.IsEmpty()) return nullptr;
  std::unique_ptr<AcApDocumentIterator> it(manager->newAcApDocumentIterator());
  for (; it && !it->done(); it->step())
    if (path.CompareNoCase(it->document()->fileName()) == 0) return it->document();
  return nullptr;
}

// The file part of a reference text: before its last ":" when the ":" is not the first
// character (so "C:" drive letters stay in the path).
CString FilePartOfReference(const CString& text) {
  const int colon = text.ReverseFind(L':');
  return colon > 0 ? text.Left(colon) : text;
}

bool NamesDrawingFile(const CString& path) {
  CString lower(path);
  lower.MakeLower();
  return lower.Find(L".dwg") >= 0;
}

// The path with its file name spelled as on disk: the path itself when it exists, else the
// entry of its folder that differs only in case.
CString NameAsOnDisk(const CString& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path target(zhost::ToFsPath(path.GetString()));
  if (fs::exists(target, error)) return path;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const CString wanted(zhost::FromUtf8(target.filename().string()).c_str());
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const CString name(zhost::FromUtf8(it->path().filename().string()).c_str());
    if (name.CompareNoCase(wanted) == 0 && name != wanted)
      return CString(zhost::FromUtf8((folder / it->path().filename()).string()).c_str());
  }
  return path;
}

}  // namespace

AcDbDatabase* CurDwg() {
  return GuardedService(L"CurDwg", static_cast<AcDbDatabase*>(nullptr), []() -> AcDbDatabase* {
    AcDbHostApplicationServices* services = acdbHostApplicationServices();
    if (services && services->workingDatabase()) return services->workingDatabase();
    if (dlgMyApp) acutPrintf(L"\nworkingDatabase=NULL!");
    SetCurrentDocument();
    if (services && services->workingDatabase()) return services->workingDatabase();
    AcApDocManager* manager = acDocManagerPtr();
    AcApDocument* doc = manager ? manager->curDocument() : nullptr;
    return doc ? doc->database() : nullptr;
  });
}

void SetCurrentDocument() {
  GuardedServiceVoid(L"SetCurrentDocument", [] {
    AcDbHostApplicationServices* services = acdbHostApplicationServices();
    if (!services || services->workingDatabase()) return;
    if (AcApDocument* first = FirstDocument()) services->setWorkingDatabase(first->database());
    AcApDocManager* manager = acDocManagerPtr();
    if (!manager || !manager->curDocument()) EndApp(true, true);
  });
}

CString GetCurrentDWGName() {
  return GuardedService(L"GetCurrentDWGName", CString(), [] {
    AcApDocManager* manager = acDocManagerPtr();
    AcApDocument* doc = manager ? manager->curDocument() : nullptr;
    return doc ? CString(doc->fileName()) : CString();
  });
}

AcDbDatabase* GetFromEditor(const wchar_t* path) {
  return GuardedService(L"GetFromEditor", static_cast<AcDbDatabase*>(nullptr), [&]() -> AcDbDatabase* {
    CString name(path);
    const int star = name.Find(L'*', 1);
    if (star > 0) name = name.Left(star - 1);
    AcApDocument* doc = DocumentOfFile(name);
    return doc ? doc->database() : nullptr;
  });
}

AcDbDatabase* XrefDatabaseByName(AcDbDatabase* db, const wchar_t* name) {
  if (!db || !name || !*name) return nullptr;
  return GuardedService(L"XrefDatabaseByName", static_cast<AcDbDatabase*>(nullptr), [&]() -> AcDbDatabase* {
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return nullptr;
    AcDbBlockTableRecord* record = nullptr;
    Acad::ErrorStatus es = table->getAt(name, record, AcDb::kForRead);
    table->close();
    if (es != Acad::eOk) return nullptr;
    AcDbDatabase* xref = nullptr;
    if (record->isFromExternalReference() || record->isFromOverlayReference()) xref = record->getXrefDatabase(false);
    record->close();
    return xref;
  });
}

bool MakeCurrentDB(AcDbDatabase* db) {
  return GuardedService(L"MakeCurrentDB", false, [&] {
    AcApDocument* doc = DocumentOfDatabase(db);
    if (!doc) return false;
    UnlockAll();
    AcApDocManager* manager = acDocManagerPtr();
    manager->setCurDocument(doc, AcAp::kWrite, true);
    manager->activateDocument(doc);
    if (AcDbHostApplicationServices* services = acdbHostApplicationServices()) services->setWorkingDatabase(db);
    return true;
  });
}

bool IsCurrentDWG(const wchar_t* fileName, bool activate) {
  return GuardedService(L"IsCurrentDWG", false, [&] {
    const CString name(fileName);
    if (name.IsEmpty()) return false;
    if (activate) {
      if (AcApDocument* doc = DocumentOfFile(name)) MakeCurrentDB(doc->database());
    }
    return GetCurrentDWGName().CompareNoCase(name) == 0;
  });
}

CString DatabaseFileName(AcDbDatabase* db) {
  if (!db) return CString();
  if (!db->fileName().empty()) return CString(db->fileName().c_str());
  AcApDocument* doc = DocumentOfDatabase(db);
  return doc ? CString(doc->fileName()) : CString();
}

void DwgRefresh() {
  // The host renders a drawing from its database whenever it shows or exports it and keeps no
  // screen image to bring up to date, so there is nothing to redraw here and nothing that could
  // fail ("Any PROBLEM on UpdateDisplay" belongs to a host that draws on a screen).
}

AcDbDatabase* GetExternalDwg(CExternalDwgCache& cache, const wchar_t* referenceText) {
  return GuardedService(L"GetExternalDwg", static_cast<AcDbDatabase*>(nullptr), [&]() -> AcDbDatabase* {
    const CString path = FilePartOfReference(CString(referenceText));
    if (!NamesDrawingFile(path) || !FileExists(path)) return nullptr;
    for (INT_PTR i = 0; i < cache.GetSize(); ++i)
      if (cache[i] && path.CompareNoCase(DatabaseFileName(cache[i])) == 0) return cache[i];
    std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, true));
    const Acad::ErrorStatus es = db->readDwgFile(path, AcDbDatabase::kForReadAndReadShare, false, nullptr);
    if (es != Acad::eOk) {
      TraceMsgF(L"GetExternalDwg: readDwgFile(%s) %d\n", path.GetString(), static_cast<int>(es));
      return nullptr;
    }
    if (db->fileName().empty()) db->setFileName(path.GetString());
    cache.Add(db.get());
    return db.release();
  });
}

void FreeExternalDwgs(CExternalDwgCache& cache) {
  for (INT_PTR i = 0; i < cache.GetSize(); ++i) delete cache[i];
  cache.RemoveAll();
}

Acad::ErrorStatus SaveAs(AcDbDatabase* db, const wchar_t* path) {
  if (!db || !path || !*path) return Acad::eInvalidInput;
  const CString target = NameAsOnDisk(CString(path));
  try {
    CWaitCursor wait;
    // The host's files carry no thumbnail, so there is none to keep.
    const Acad::ErrorStatus es = db->saveAs(target, true, kSaveVersion, nullptr);
    if (es != Acad::eOk) {
      CString status;
      status.Format(L"Acad::ErrorStatus %d", static_cast<int>(es));
      acutPrintf(L"\nSave error: %s ", status.GetString());
    }
    return es;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  ShowMessageFormat(L"ANY ERROR: SaveAs(%s) ", target.GetString());
  return Acad::eInvalidInput;
}

bool FileExists(const wchar_t* path) {
  if (!path || !*path) return false;
  const DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CheckFileExists(const wchar_t* path) {
  if (FileExists(path)) return true;
  ShowMessageFormat(GetResString(kMissingFileMessage), path ? path : L"");
  return false;
}

bool IsNotDwg(AcDbDatabase* db) {
  CString name = DatabaseFileName(db);
  name.MakeLower();
  return name.Right(3) != L"dwg";
}
