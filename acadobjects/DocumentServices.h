// The document and database services of the add-on: the current drawing and the open documents,
// drawings read from disk, saving, and file checks. This header also brings the lock, entity,
// handle and system-variable services (DocLocks.h, EntityServices.h, HandleRefs.h, AcadVars.h).
#pragma once

#include "acadobjects/AcadVars.h"
#include "acadobjects/DocLocks.h"
#include "acadobjects/EntityServices.h"
#include "acadobjects/HandleRefs.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbDatabase;

// Drawings read from disk by GetExternalDwg, one per file; the caller owns them
// (FreeExternalDwgs deletes them).
typedef CArray<AcDbDatabase*, AcDbDatabase*> CExternalDwgCache;

// The working database. Without one: "\nworkingDatabase=NULL!" on the command line while the
// palette exists, SetCurrentDocument and a second try; then the current document's database;
// null when there is no document.
AcDbDatabase* CurDwg();
// Without a working database the first open document's database becomes the working one; when
// there is then no current document at all, the palette is ended (EndApp).
void SetCurrentDocument();
// The current document's file name; "" without one.
CString GetCurrentDWGName();
// The database of the open document whose file name equals `path` (without regard to case). A
// "*" after the first character cuts the path before the character in front of the "*".
AcDbDatabase* GetFromEditor(const wchar_t* path);
// The drawing of the external or overlay reference block `name` of `db`; null otherwise.
AcDbDatabase* XrefDatabaseByName(AcDbDatabase* db, const wchar_t* name);
// True when a document has `db`: every lock of the add-on is released, the document is made
// current (with a write lock) and activated, and `db` becomes the working database.
bool MakeCurrentDB(AcDbDatabase* db);
// True when `fileName` is the current document's file; with `activate` an open document of that
// file is made current first.
bool IsCurrentDWG(const wchar_t* fileName, bool activate);

// The file name of a drawing: the database's own, else its document's; "" for null.
CString DatabaseFileName(AcDbDatabase* db);

// Brings the display up to date with the database.
void DwgRefresh();

// The drawing that a reference text (or a plain path) names, read from disk: the file part must
// contain ".dwg" and exist. A cached drawing of that file is returned; otherwise the file is read
// into a new database, cached and returned. Null when it cannot be read.
AcDbDatabase* GetExternalDwg(CExternalDwgCache& cache, const wchar_t* referenceText);
// Deletes the cached drawings and empties the cache.
void FreeExternalDwgs(CExternalDwgCache& cache);

// Saves `db` as `path` (the name as found on disk when the file exists, whatever its case) with
// backup renaming; a failure prints "\nSave error: %s ", an exception shows
// "ANY ERROR: SaveAs(%s) ".
Acad::ErrorStatus SaveAs(AcDbDatabase* db, const wchar_t* path);

// True when a file (not a folder) exists at `path`.
bool FileExists(const wchar_t* path);
// FileExists; when false, the message box of string resource 32807 with the path.
bool CheckFileExists(const wchar_t* path);
// True when the drawing's file name (lower case) does not end in "dwg".
bool IsNotDwg(AcDbDatabase* db);
