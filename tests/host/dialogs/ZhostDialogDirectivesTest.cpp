// The dialog and menu directives in a zhost run without modules: no dialog is open, so they say
// so, queue the menu answer, and the script runs to its end.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ZhostDialogDirectives, DirectivesWithoutAnOpenDialogSaySoAndTheScriptGoesOn) {
  zktest::TempDir dir;
  std::string script = zktest::WriteScript(dir.file("dialogs.scr"), {
      "%dialog 129 print",
      "%dialog 129 click 1023",
      "%dialog x",
      "%menu 32788",
      "LINE", "0,0", "5,5", "",
  });
  auto r = zktest::RunZhost({"--no-modules", script});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "%dialog 129 print\n%dialog: no dialog 129 is open; nothing done.\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "%dialog 129 click 1023\n%dialog: no dialog 129 is open; nothing done.\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "%dialog expects ID set|select|check|click|menu|close|print")) << r.out;
  EXPECT_TRUE(Has(r.out, "%menu \"32788\" is queued for the next pop-up menu.")) << r.out;
  EXPECT_TRUE(Has(r.out, "Specify next point")) << r.out;
}

}  // namespace
