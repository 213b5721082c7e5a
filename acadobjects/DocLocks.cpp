// The locked-documents list and the lock services over the host's document manager.
#include "acadobjects/DocLocks.h"

#include <memory>

#include "acadobjects/ServiceGuard.h"
#include "host/ap/AcApDocManager.h"

namespace {

// Unlocking stops after this many write locks of one document, so a foreign lock that never
// goes away cannot hold the loop.
constexpr int kMaxUnlocks = 10;

CStringArray& LockedList() {
  static CStringArray names;
  return names;
}

int FindName(const CString& name) {
  const CStringArray& names = LockedList();
  for (INT_PTR i = 0; i < names.GetSize(); ++i)
    if (names[i].CompareNoCase(name) == 0) return static_cast<int>(i);
  return -1;
}

void RememberName(const CString& name) {
  if (FindName(name) < 0) LockedList().Add(name);
}

void ForgetName(const CString& name) {
  for (int at = FindName(name); at >= 0; at = FindName(name)) LockedList().RemoveAt(at);
}

void UnlockWriteLocks(AcApDocManager* manager, AcApDocument* doc) {
  for (int i = 0; i < kMaxUnlocks && doc->myLockMode() == AcAp::kWrite; ++i)
    if (manager->unlockDocument(doc) != Acad::eOk) break;
}

}  // namespace

AcApDocument* DocumentOfDatabase(const AcDbDatabase* db) {
  AcApDocManager* manager = acDocManagerPtr();
  if (!manager || !db) return nullptr;
  std::unique_ptr<AcApDocumentIterator> it(manager->newAcApDocumentIterator());
  for (; it && !it->done(); it->step())
    if (it->document()->database() == db) return it->document();
  return nullptr;
}

bool IsLocked(AcDbDatabase* db) {
  return GuardedService(L"IsLocked", false, [&] {
    if (!acDocManagerPtr()) return false;
    AcApDocument* doc = DocumentOfDatabase(db);
    if (!doc) return true;
    return doc->myLockMode() == AcAp::kWrite;
  });
}

bool LockDb(AcDbDatabase* db) {
  return GuardedService(L"LockDb", false, [&] {
    AcApDocument* doc = DocumentOfDatabase(db);
    if (!doc) return false;
    const AcAp::DocLockMode mode = doc->myLockMode();
    if (mode != AcAp::kWrite && mode != AcAp::kAutoWrite) {
      const Acad::ErrorStatus es = acDocManagerPtr()->lockDocument(doc, AcAp::kWrite, nullptr, nullptr, true);
      if (es != Acad::eOk) TraceMsgF(L"LockDb: lockDocument %d\n", static_cast<int>(es));
    }
    RememberName(doc->fileName());
    return true;
  });
}

bool UnlockDB(AcDbDatabase* db) {
  return GuardedService(L"UnlockDB", false, [&] {
    AcApDocument* doc = DocumentOfDatabase(db);
    if (!doc) return false;
    UnlockWriteLocks(acDocManagerPtr(), doc);
    ForgetName(doc->fileName());
    return true;
  });
}

void UnlockAll() {
  GuardedServiceVoid(L"UnlockAll", [] {
    LockedList().RemoveAll();
    AcApDocManager* manager = acDocManagerPtr();
    if (!manager) return;
    std::unique_ptr<AcApDocumentIterator> it(manager->newAcApDocumentIterator());
    for (; it && !it->done(); it->step()) UnlockWriteLocks(manager, it->document());
  });
}

bool EnsureLocked(AcDbDatabase* db, const wchar_t* tag) {
  if (IsLocked(db)) return true;
  if (!LockDb(db)) TraceMsgF(L"EnsureLocked(%s): no document\n", tag ? tag : L"");
  return false;
}

const CStringArray& LockedDocumentNames() { return LockedList(); }

CDocLockScope::CDocLockScope(AcDbDatabase* db, const wchar_t* tag) : m_pDb(db), m_bLockedHere(false) {
  if (db) m_bLockedHere = !EnsureLocked(db, tag);
}

CDocLockScope::~CDocLockScope() {
  if (m_bLockedHere) UnlockDB(m_pDb);
}
