// Document locking of the add-on: the list of documents it has locked, and the lock, unlock and
// test of a drawing's document. A drawing without a document (read from disk) needs no lock.
//
// The discipline of every change to a drawing: remember IsLocked(db); if it was false, LockDb;
// do the work; if it was false, UnlockDB. CDocLockScope does exactly that.
#pragma once

#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"

class AcApDocument;
class AcDbDatabase;

// The open document whose database is `db`; null when none.
AcApDocument* DocumentOfDatabase(const AcDbDatabase* db);

// True when the document of `db` holds a write lock (its own lock mode is exactly write), and
// when no open document has `db`; false without a document manager.
bool IsLocked(AcDbDatabase* db);
// True when a document with `db` exists. Unless its own lock mode is write or auto-write it is
// locked for write; its file name enters the locked-documents list either way.
bool LockDb(AcDbDatabase* db);
// True when a document with `db` exists: unlocks it while its lock mode is write (at most 10
// times) and removes its name from the list.
bool UnlockDB(AcDbDatabase* db);
// Every open document unlocked while its lock mode is write (at most 10 times each); the list
// is emptied.
void UnlockAll();
// True when `db` was locked already; otherwise LockDb and false, so the caller unlocks at the end.
bool EnsureLocked(AcDbDatabase* db, const wchar_t* tag = nullptr);

// The file names in the locked-documents list.
const CStringArray& LockedDocumentNames();

// The locking discipline as a scope: locks `db` when it is not locked and unlocks at the end
// only what it locked.
class CDocLockScope {
 public:
  explicit CDocLockScope(AcDbDatabase* db, const wchar_t* tag = nullptr);
  ~CDocLockScope();
  CDocLockScope(const CDocLockScope&) = delete;
  CDocLockScope& operator=(const CDocLockScope&) = delete;

  bool lockedHere() const { return m_bLockedHere; }

 private:
  AcDbDatabase* m_pDb;
  bool m_bLockedHere;
};
