// The module in the real host program: load and unload, the palette switch, the INI write-back,
// the trace log and the late MatchProperties service, read from the transcript and the files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

class ModuleRun : public ::testing::Test {
 protected:
  std::string IniPath() const { return dir_.path() + "/appdata/quillbar/zenkora/Zenkora.ini"; }

  void PresetIni(const std::string& text) { zktest::WriteFileBytes(IniPath(), text); }

  zktest::ZhostResult Run(const std::vector<std::string>& lines, const std::vector<std::string>& extra = {}) {
    std::vector<std::string> args = {"--appdata", dir_.file("appdata"), "--module", ZK_BIN_DIR "/Korvex.arx"};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(zktest::WriteScript(dir_.file("run.scr"), lines));
    return zktest::RunZhost(args);
  }

  zktest::TempDir dir_;
};

TEST_F(ModuleRun, LoadsAndUnloadsCleanlyByCommandAndByQuit) {
  for (const std::vector<std::string>& script :
       {std::vector<std::string>{"ARXUNLOAD", "Korvex.arx"}, std::vector<std::string>{"QUIT"}}) {
    fs::remove_all(dir_.file("appdata"));
    const zktest::ZhostResult run = Run(script);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_FALSE(Contains(run.out, "ANY PROBLEM")) << run.out;
    EXPECT_FALSE(Contains(run.out, "Can\xC2\xB4t register message filter.")) << run.out;
    // The unload wrote the palette state through the cache into the main INI file.
    EXPECT_TRUE(Contains(zktest::ReadFileBytes(IniPath()), "ShowAppWindow=0")) << script[0];
  }
  const zktest::ZhostResult run = Run({"ARXUNLOAD", "Korvex.arx"});
  EXPECT_TRUE(Contains(run.out, "Application \"Korvex.arx\" unloaded.")) << run.out;
}

TEST_F(ModuleRun, ShowAppWindowOneOpensThePaletteAndNoOtherValueDoes) {
  struct Case {
    const char* ini;
    bool opens;
  } cases[] = {
      {"[General Info]\nShowAppWindow=1\n", true},
      {"[General Info]\nShowAppWindow=0\n", false},
      {"[General Info]\nShowAppWindow=2\n", false},
      {"[General Info]\nShowAppWindow=yes\n", false},
      {"[General Info]\nDefaultSection=Decimal\n", false},
  };
  for (const Case& c : cases) {
    PresetIni(c.ini);
    const zktest::ZhostResult run = Run({"%dialog 129 print", "QUIT"});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_FALSE(Contains(run.out, "ERROR on CDlgMain::Create")) << run.out;
    EXPECT_EQ(Contains(run.out, "\"zenkora\""), c.opens) << c.ini << run.out;
    // The state written back at the unload is whether the palette existed then.
    const std::string ini = zktest::ReadFileBytes(IniPath());
    EXPECT_TRUE(Contains(ini, c.opens ? "ShowAppWindow=1" : "ShowAppWindow=0")) << c.ini << ini;
    EXPECT_EQ(Occurrences(ini, "ShowAppWindow="), 1) << ini;
  }
}

TEST_F(ModuleRun, TraceLogIsDeletedAtTheFinalUnload) {
  const std::string tmp = dir_.file("tmp");
  fs::create_directories(tmp);
  const char* previous = std::getenv("TMPDIR");
  const std::string keep = previous ? previous : "";
  setenv("TMPDIR", tmp.c_str(), 1);
  PresetIni("[General Info]\nDebugMsg=1\n");
  const zktest::ZhostResult run = Run({"ARXUNLOAD", "Korvex.arx"});
  if (previous) setenv("TMPDIR", keep.c_str(), 1);
  else unsetenv("TMPDIR");

  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  // The first trace shows where the log goes.
  EXPECT_TRUE(Contains(run.out, tmp + "/Zenkora.log")) << run.out;
  EXPECT_FALSE(fs::exists(tmp + "/Zenkora.log"));
  EXPECT_FALSE(Contains(run.out, "cannot be removed")) << run.out;
}

// While the module depends on the MatchProperties service, its application cannot be unloaded:
// that shows whether (and how often) the extension was added.
TEST_F(ModuleRun, MatchPropertiesPresentAtStartIsUsedAtOnce) {
  const zktest::ZhostResult run = Run({"ARXUNLOAD", "acmatch"});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_TRUE(Contains(run.out, "Cannot unload \"acmatch\": 1 application(s) depend on its service")) << run.out;
}

TEST_F(ModuleRun, MatchPropertiesLoadedLaterIsUsedFromTheNextApplicationLoadOnce) {
  const zktest::ZhostResult run = Run(
      {
          "ARXUNLOAD", "acmatch",                         // not there yet
          "MATCHPROP",                                    // loads it: the module adds its extension
          "ARXLOAD", ZK_BIN_DIR "/Pellbar.arx",           // a further load adds nothing
          "ARXUNLOAD", "acmatch",
      },
      {"--delay-matchprop"});
  EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_TRUE(Contains(run.out, "Application \"acmatch\" is not loaded.")) << run.out;
  EXPECT_TRUE(Contains(run.out, "Cannot unload \"acmatch\": 1 application(s) depend on its service")) << run.out;
  EXPECT_FALSE(Contains(run.out, "ANY PROBLEM")) << run.out;
}

}  // namespace
