// UNDO in a real zhost run: every command is one undo group, UNDO n names what it takes back.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

TEST(UndoCommand, TakesBackWholeCommandsNewestFirst) {
  zktest::TempDir dir;
  std::string script = zktest::WriteScript(dir.file("undo.scr"), {
      "LINE", "0,0", "10,0", "10,10", "",
      "-LAYER", "Make", "Second", "",
      "LINE", "0,0", "0,10", "",
      "UNDO", "2",
      "LIST", "ALL", "",
      "U",
      "UNDO", "5",
  });
  zktest::ZhostResult run = zktest::RunZhost({"--no-modules", "--appdata", dir.file("appdata"), script});
  ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
  size_t first = run.out.find("UNDO: LINE");
  ASSERT_NE(first, std::string::npos) << run.out;
  EXPECT_NE(run.out.find("UNDO: LAYER", first), std::string::npos) << run.out;
  // The first LINE (two segments) is still there.
  EXPECT_NE(run.out.find("2 found"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Everything has been undone"), std::string::npos) << run.out;
}
