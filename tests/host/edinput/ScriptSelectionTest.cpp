// Selection answered by a zhost script: picks at points, a handle that names nothing, a wrong
// answer, a window after an erase, and ALL on an empty drawing.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ScriptSelection, PicksWindowsAndHandlesFromTheScript) {
  zktest::TempDir dir;
  std::string script = zktest::WriteScript(dir.file("select.scr"), {
      "LINE", "0,0", "10,0", "",
      "LINE", "0,10", "10,10", "",
      "ERASE", "5,0", "#FFFF", "what", "",
      "ERASE", "W -1,-1 11,11", "",
      "ERASE", "ALL", "",
  });
  auto r = zktest::RunZhost({"--no-modules", script});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The first ERASE takes the line at y = 0; the window then finds only the other one, and
  // nothing is left for ALL.
  EXPECT_TRUE(Has(r.out, "Select objects: 5,0\n1 found")) << r.out;
  EXPECT_TRUE(Has(r.out, "Select objects: #FFFF\n0 found")) << r.out;
  EXPECT_TRUE(Has(r.out, "*Invalid selection*")) << r.out;
  EXPECT_TRUE(Has(r.out, "Select objects: W -1,-1 11,11\n1 found")) << r.out;
  EXPECT_TRUE(Has(r.out, "Select objects: ALL\n0 found")) << r.out;
}

}  // namespace
