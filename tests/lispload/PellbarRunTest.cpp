// The loader module in the real host: a copy under another name loads the LISP application of
// that name once and offers its folder in every drawing; a path too long is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

namespace fs = std::filesystem;

// Counts the loads per drawing: a second load into the same drawing would say "count 2".
const char* kLispApplication =
    "(setq abc-count (if abc-count (1+ abc-count) 1))\n"
    "(princ (strcat \"\\nabc.lsp loaded, count \" (itoa abc-count)))\n"
    "(princ)\n";

int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

// Installs the loader as `name`.arx beside `name`.lsp in `folder`; returns the module path.
std::string InstallCopy(const std::string& folder, const std::string& name) {
  fs::create_directories(folder);
  const std::string module = folder + "/" + name + ".arx";
  fs::copy_file(ZK_BIN_DIR "/Pellbar.arx", module, fs::copy_options::overwrite_existing);
  zktest::WriteFileBytes(folder + "/" + name + ".lsp", kLispApplication);
  return module;
}

TEST(PellbarRun, CopyLoadsItsLispApplicationOnceAndGivesItsFolderInEveryDrawing) {
  zktest::TempDir dir;
  const std::string module = InstallCopy(dir.path(), "abc");
  const std::string script = zktest::WriteScript(dir.file("run.scr"), {
      "(GetPathOfabc)",
      "NEW",
      "(GetPathOfabc)",
      "(Pellbar-abc)",
  });
  const zktest::ZhostResult run = zktest::RunZhost({"--appdata", dir.file("appdata"), "--module", module, script});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;

  EXPECT_EQ(Occurrences(run.out, "abc.lsp loaded, count 1"), 2) << run.out;  // one per drawing
  EXPECT_EQ(Occurrences(run.out, "abc.lsp loaded, count 2"), 0) << run.out;
  EXPECT_EQ(Occurrences(run.out, "\"" + dir.path() + "/\""), 2) << run.out;
  // The loader function undefined itself after its one call.
  EXPECT_NE(run.out.find("no function definition: PELLBAR-ABC"), std::string::npos) << run.out;
}

TEST(PellbarRun, ModulePathOf216CharactersOrMoreIsRefusedWithAMessage) {
  zktest::TempDir dir;
  std::string folder = dir.path() + "/";
  while (folder.size() < 220) folder += "d";
  ASSERT_EQ(folder.size(), 220u);
  const std::string module = InstallCopy(folder, "abc");
  const std::string script = zktest::WriteScript(dir.file("run.scr"), {"(GetPathOfabc)"});
  const zktest::ZhostResult run = zktest::RunZhost({"--appdata", dir.file("appdata"), "--module", module, script});
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;

  EXPECT_NE(run.out.find("Pellbar: the module path has"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("abc.lsp loaded"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("\"" + folder + "/\""), std::string::npos) << run.out;
}

}  // namespace
