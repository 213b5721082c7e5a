// Document locking: the locked-documents list, LockDb / UnlockDB / UnlockAll / IsLocked, the
// lock scope, and switching the current drawing.
#include <gtest/gtest.h>

#include "acadobjects/DocumentServices.h"
#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "tests/acadobjects/DbServicesFixture.h"

namespace {

class DocLocksTest : public DbServicesFixture {};

bool Listed(const AcApDocument* doc) {
  const CStringArray& names = LockedDocumentNames();
  for (INT_PTR i = 0; i < names.GetSize(); ++i)
    if (names[i] == doc->fileName()) return true;
  return false;
}

TEST_F(DocLocksTest, ADrawingWithoutDocumentCountsAsLocked) {
  auto side = SideDatabase();
  EXPECT_TRUE(IsLocked(side.get()));
  EXPECT_TRUE(EnsureLocked(side.get(), L"test"));
  EXPECT_FALSE(LockDb(side.get()));
  EXPECT_FALSE(UnlockDB(side.get()));
  EXPECT_EQ(LockedDocumentNames().GetSize(), 0);
}

TEST_F(DocLocksTest, LockDbTakesAWriteLockThatUnlockDbGivesBack) {
  AcApDocument* doc = NewDocument();
  AcDbDatabase* db = doc->database();
  EXPECT_FALSE(IsLocked(db));
  EXPECT_TRUE(LockDb(db));
  EXPECT_EQ(doc->myLockMode(), AcAp::kWrite);
  EXPECT_EQ(doc->lockCount(), 1);
  EXPECT_TRUE(IsLocked(db));
  EXPECT_TRUE(Listed(doc));
  EXPECT_TRUE(LockDb(db));  // no second lock, no second entry
  EXPECT_EQ(doc->lockCount(), 1);
  EXPECT_EQ(LockedDocumentNames().GetSize(), 1);

  EXPECT_TRUE(UnlockDB(db));
  EXPECT_EQ(doc->lockCount(), 0);
  EXPECT_FALSE(Listed(doc));
}

TEST_F(DocLocksTest, LockDbOnALockedDocumentOnlyRecordsItsName) {
  struct Case {
    AcAp::DocLockMode held;
    int locksAfterUnlock;
  } cases[] = {{AcAp::kWrite, 0}, {AcAp::kAutoWrite, 1}};
  for (const Case& c : cases) {
    AcApDocument* doc = NewDocument();
    ASSERT_EQ(acDocManagerPtr()->lockDocument(doc, c.held), Acad::eOk);
    EXPECT_TRUE(LockDb(doc->database()));
    EXPECT_EQ(doc->lockCount(), 1) << c.held;
    EXPECT_TRUE(Listed(doc));
    EXPECT_TRUE(UnlockDB(doc->database()));
    EXPECT_EQ(doc->lockCount(), c.locksAfterUnlock) << c.held;
    EXPECT_FALSE(Listed(doc));
    while (doc->lockCount() > 0) acDocManagerPtr()->unlockDocument(doc);
  }
}

TEST_F(DocLocksTest, UnlockingStopsAfterTenWriteLocks) {
  AcApDocument* doc = NewDocument();
  for (int i = 0; i < 12; ++i) acDocManagerPtr()->lockDocument(doc, AcAp::kWrite);
  EXPECT_TRUE(UnlockDB(doc->database()));
  EXPECT_EQ(doc->lockCount(), 2);
  UnlockAll();
  EXPECT_EQ(doc->lockCount(), 0);
}

TEST_F(DocLocksTest, UnlockAllReleasesEveryDocumentAndEmptiesTheList) {
  AcApDocument* first = NewDocument();
  AcApDocument* second = NewDocument();
  LockDb(first->database());
  LockDb(second->database());
  EXPECT_EQ(LockedDocumentNames().GetSize(), 2);
  UnlockAll();
  EXPECT_EQ(first->myLockMode(), AcAp::kNotLocked);
  EXPECT_EQ(second->myLockMode(), AcAp::kNotLocked);
  EXPECT_EQ(LockedDocumentNames().GetSize(), 0);
}

TEST_F(DocLocksTest, ScopeUnlocksOnlyWhatItLocked) {
  AcApDocument* doc = NewDocument();
  {
    CDocLockScope scope(doc->database());
    EXPECT_TRUE(scope.lockedHere());
    EXPECT_EQ(doc->myLockMode(), AcAp::kWrite);
  }
  EXPECT_EQ(doc->lockCount(), 0);

  acDocManagerPtr()->lockDocument(doc, AcAp::kWrite);
  {
    CDocLockScope scope(doc->database());
    EXPECT_FALSE(scope.lockedHere());
  }
  EXPECT_EQ(doc->lockCount(), 1);
  acDocManagerPtr()->unlockDocument(doc);
}

TEST_F(DocLocksTest, MakeCurrentDbReleasesOtherLocksAndSwitchesTheWorkingDatabase) {
  AcApDocument* first = NewDocument();
  AcApDocument* second = NewDocument();
  LockDb(second->database());
  ASSERT_TRUE(MakeCurrentDB(first->database()));
  EXPECT_EQ(second->lockCount(), 0);
  EXPECT_EQ(LockedDocumentNames().GetSize(), 0);
  EXPECT_EQ(acDocManagerPtr()->curDocument(), first);
  EXPECT_EQ(acDocManagerPtr()->mdiActiveDocument(), first);
  EXPECT_EQ(first->myLockMode(), AcAp::kWrite);
  EXPECT_EQ(acdbHostApplicationServices()->workingDatabase(), first->database());
  EXPECT_EQ(CurDwg(), first->database());

  EXPECT_TRUE(IsCurrentDWG(first->fileName(), false));
  EXPECT_FALSE(IsCurrentDWG(second->fileName(), false));
  EXPECT_TRUE(IsCurrentDWG(second->fileName(), true));
  EXPECT_EQ(CurDwg(), second->database());

  auto side = SideDatabase();
  EXPECT_FALSE(MakeCurrentDB(side.get()));
}

TEST_F(DocLocksTest, CurrentDrawingFallsBackToTheCurrentDocument) {
  AcApDocument* doc = NewDocument();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  AcDbDatabase* db = CurDwg();
  EXPECT_NE(db, nullptr);
  EXPECT_NE(acdbHostApplicationServices()->workingDatabase(), nullptr);  // the first document's
  acdbHostApplicationServices()->setWorkingDatabase(doc->database());
  EXPECT_EQ(GetCurrentDWGName(), CString(doc->fileName()));
}

TEST_F(DocLocksTest, GetFromEditorMatchesFileNamesWithoutCaseAndCutsAtTheStar) {
  AcApDocument* doc = NewDocument();
  CString name(doc->fileName());
  CString upper(name);
  upper.MakeUpper();
  EXPECT_EQ(GetFromEditor(upper), doc->database());
  EXPECT_EQ(GetFromEditor(name + L"x*"), doc->database());
  EXPECT_EQ(GetFromEditor(L"nowhere.dwg"), nullptr);
  EXPECT_EQ(GetFromEditor(L""), nullptr);
}

}  // namespace
