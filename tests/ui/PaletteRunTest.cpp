// The palette in the real host program: opened by its command, changed through the script's
// dialog directives, written to the option file and shown again at the next start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class PaletteRun : public ::testing::Test {
 protected:
  std::string IniPath() const { return dir_.path() + "/appdata/quillbar/zenkora/Zenkora.ini"; }

  zktest::ZhostResult Run(const std::vector<std::string>& lines) {
    const std::vector<std::string> args = {"--appdata", dir_.file("appdata"), "--module", ZK_BIN_DIR "/Korvex.arx",
                                           zktest::WriteScript(dir_.file("run.scr"), lines)};
    return zktest::RunZhost(args);
  }

  zktest::TempDir dir_;
};

TEST_F(PaletteRun, ChangesAreWrittenAtOnceAndShownAgainAtTheNextStart) {
  const zktest::ZhostResult first = Run({
      "QTRV_Zenkora",
      "%dialog 129 click 1094",
      "%menu 2",
      "%dialog 129 click 1095",
      "%menu 3",
      "%dialog 129 set 1020 250",
      "%dialog 129 set 1018 3.5",
      "%dialog 129 select 1028 #1",
      "%dialog 129 select 1015 mm",
      "%dialog 129 select 1016 3",
      "%dialog 129 print",
      "QUIT",
  });
  ASSERT_EQ(first.exitCode, 0) << first.out << first.err;
  EXPECT_TRUE(Contains(first.out, "1020 combo \"1:250\"")) << first.out;
  // The layer box offers the current layer and the layer of the scale typed.
  EXPECT_TRUE(Contains(first.out, "1027 combo \"DIM_1_X\" sel=1 items=2")) << first.out;
  EXPECT_TRUE(Contains(first.out, "1015 droplist \"mm\"")) << first.out;

  const std::string ini = zktest::ReadFileBytes(IniPath());
  for (const char* line : {"LastMode=2", "LastType2=3", "ShowAppWindow=1", "Measure=mm", "Decimals=3", "TextHeight=3.5"})
    EXPECT_TRUE(Contains(ini, line)) << line << "\n" << ini;
  // The scale goes to the sections of every mode.
  size_t scales = 0;
  for (size_t at = ini.find("Scale=1:250"); at != std::string::npos; at = ini.find("Scale=1:250", at + 1)) ++scales;
  EXPECT_EQ(scales, 3u) << ini;

  // The palette was open at the end, so the next start opens it with the values written.
  const zktest::ZhostResult second = Run({"%dialog 129 print", "%dialog 129 select 1028 #1", "QUIT"});
  ASSERT_EQ(second.exitCode, 0) << second.out << second.err;
  EXPECT_TRUE(Contains(second.out, "[dialog 129] \"zenkora\" visible")) << second.out;
  EXPECT_TRUE(Contains(second.out, "1018 combo \"3.5\"")) << second.out;
  EXPECT_TRUE(Contains(second.out, "1020 combo \"1:250\"")) << second.out;
  EXPECT_TRUE(Contains(second.out, "1016 droplist \"3\"")) << second.out;
}

TEST_F(PaletteRun, ClosingThePaletteRemembersItClosed) {
  const zktest::ZhostResult run = Run({"QTRV_Zenkora", "%dialog 129 close", "%dialog 129 print", "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_FALSE(Contains(run.out, "exception")) << run.out;
  const std::string ini = zktest::ReadFileBytes(IniPath());
  EXPECT_TRUE(Contains(ini, "ShowAppWindow=0")) << ini;
  EXPECT_TRUE(Contains(ini, "DlgMain=")) << ini;
}

TEST_F(PaletteRun, ModeTwoNeverOffersNoExtensionLineAndAHeightModeDoes) {
  const zktest::ZhostResult run = Run({"QTRV_Zenkora", "%dialog 129 select 1021 <keine>", "%dialog 129 click 1094",
                                       "%menu 3", "%dialog 129 select 1021 <keine>", "QUIT"});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  const std::string ini = zktest::ReadFileBytes(IniPath());
  EXPECT_TRUE(Contains(ini, "LastMode=3")) << ini;
  // The refusal in mode 2 and the choice in mode 3, which is written as ExtLine 0.
  EXPECT_TRUE(Contains(run.out, "control 1021 has no item \"<keine>\"")) << run.out;
  EXPECT_TRUE(Contains(run.out, "1021 combo \"<keine>\"")) << run.out;
  EXPECT_TRUE(Contains(ini, "ExtLine=0")) << ini;
}

}  // namespace
