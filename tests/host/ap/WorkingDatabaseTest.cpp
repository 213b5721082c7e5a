// Document locks as a table of steps (mode and count after each), the working database following
// the current document, and the automatic write lock and undo group around a command.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/UndoRecorder.h"
#include "host/ed/CommandProcessor.h"
#include "host/win/Console.h"
#include "tests/host/ed/EdTestSupport.h"

namespace {

AcDbDatabase* Working() { return acdbHostApplicationServices()->workingDatabase(); }

class WorkingDatabase : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::CommandProcessor::instance().reset();
    zhost::Console::instance().clearTranscript();
    docs = acDocManagerPtr();
    first = docs->newDocument();
    second = docs->newDocument();
  }
  void TearDown() override { docs->shutdown(); }
  AcApDocManager* docs = nullptr;
  AcApDocument* first = nullptr;
  AcApDocument* second = nullptr;
};

TEST_F(WorkingDatabase, LockModesAndCounts) {
  struct Step {
    const char* what;
    std::function<Acad::ErrorStatus()> act;
    Acad::ErrorStatus status;
    AcAp::DocLockMode mode;
    int count;
  } steps[] = {
      {"write", [&] { return docs->lockDocument(first, AcAp::kWrite); }, Acad::eOk, AcAp::kWrite, 1},
      {"read inside", [&] { return docs->lockDocument(first, AcAp::kRead); }, Acad::eOk, AcAp::kRead, 2},
      {"auto write", [&] { return docs->lockDocument(first, AcAp::kAutoWrite, L"X", L"X", false); }, Acad::eOk,
       AcAp::kAutoWrite, 3},
      {"exclusive", [&] { return docs->lockDocument(first, AcAp::kXWrite); }, Acad::eOk, AcAp::kXWrite, 4},
      {"unlock", [&] { return docs->unlockDocument(first); }, Acad::eOk, AcAp::kAutoWrite, 3},
      {"unlock", [&] { return docs->unlockDocument(first); }, Acad::eOk, AcAp::kRead, 2},
      {"unlock", [&] { return docs->unlockDocument(first); }, Acad::eOk, AcAp::kWrite, 1},
      {"unlock", [&] { return docs->unlockDocument(first); }, Acad::eOk, AcAp::kNotLocked, 0},
      {"unlock unlocked", [&] { return docs->unlockDocument(first); }, Acad::eNotLocked, AcAp::kNotLocked, 0},
      {"lock through setCurDocument", [&] { return docs->setCurDocument(first, AcAp::kWrite); }, Acad::eOk,
       AcAp::kWrite, 1},
      {"no lock through setCurDocument", [&] { return docs->setCurDocument(first); }, Acad::eOk, AcAp::kWrite, 1},
  };
  for (Step& s : steps) {
    EXPECT_EQ(s.act(), s.status) << s.what;
    EXPECT_EQ(first->myLockMode(), s.mode) << s.what;
    EXPECT_EQ(first->lockCount(), s.count) << s.what;
    EXPECT_EQ(second->myLockMode(), AcAp::kNotLocked) << s.what << ": locks belong to one document";
  }
}

TEST_F(WorkingDatabase, FollowsTheCurrentDocument) {
  EXPECT_EQ(Working(), second->database());
  EXPECT_NE(first->database(), second->database());
  EXPECT_EQ(docs->setCurDocument(first), Acad::eOk);
  EXPECT_EQ(Working(), first->database());
  EXPECT_EQ(docs->mdiActiveDocument(), second) << "setCurDocument without activate changes only the current";
  EXPECT_EQ(docs->activateDocument(second), Acad::eOk);
  EXPECT_EQ(Working(), second->database());
  EXPECT_EQ(docs->curDocument(), second);

  AcDbDatabase side(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(&side);
  EXPECT_EQ(Working(), &side);
  docs->setCurDocument(first);
  EXPECT_EQ(Working(), first->database());

  std::wstring error;
  ASSERT_TRUE(docs->closeDocument(first, &error));
  EXPECT_EQ(Working(), second->database());
  docs->shutdown();
  EXPECT_EQ(Working(), nullptr);
}

TEST_F(WorkingDatabase, ACommandRunsWithAnAutomaticWriteLockAndAnUndoGroup) {
  AcAp::DocLockMode during = AcAp::kNone;
  int count = -1;
  zhost::CommandProcessor::instance().addBuiltin(L"ZKLOCKPROBE", [&] {
    during = curDoc()->myLockMode();
    count = curDoc()->lockCount();
  });
  // A command that switches drawings releases the lock of the one it started in.
  zhost::CommandProcessor::instance().addBuiltin(L"ZKSWITCH", [&] { acDocManagerPtr()->setCurDocument(first); });
  zktest::RunLines({L"ZKLOCKPROBE"});
  EXPECT_EQ(during, AcAp::kAutoWrite);
  EXPECT_EQ(count, 1);
  EXPECT_EQ(second->myLockMode(), AcAp::kNotLocked);
  EXPECT_FALSE(second->database()->undoRecorder().inGroup());

  zktest::RunLines({L"ZKSWITCH"});
  EXPECT_EQ(curDoc(), first);
  EXPECT_EQ(second->lockCount(), 0);
  EXPECT_EQ(first->lockCount(), 0);
}

}  // namespace
