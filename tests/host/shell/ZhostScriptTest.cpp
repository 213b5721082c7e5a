// Real zhost runs: scripts, transcript, exit status, options, the default modules.
#include <gtest/gtest.h>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

using zktest::RunZhost;
using zktest::WriteScript;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Zhost, RunsAScriptAndEchoesEachLine) {
  zktest::TempDir dir;
  std::string script = WriteScript(dir.file("a.scr"), {
                                                          "; a comment line",
                                                          "(setq n (+ 40 2))",
                                                          "XYZZY",
                                                          "(princ n)",
                                                          "NEW",
                                                          "(getvar \"DWGNAME\")",
                                                          "(undefinedfn)",
                                                          "(+ 1",
                                                      });
  auto r = RunZhost({"--no-modules", script});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Command: (setq n (+ 40 2))\n42\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "Command: XYZZY\nUnknown command \"XYZZY\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "Command: (princ n)\n4242\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"Drawing2.dwg\"")) << r.out;
  EXPECT_TRUE(Has(r.out, "; error: no function definition: UNDEFINEDFN")) << r.out;
  EXPECT_TRUE(Has(r.out, "; error: the LISP input cannot be read: missing \")\"")) << r.out;
  EXPECT_FALSE(Has(r.out, "a comment line"));
  EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST(Zhost, UnreadableScriptFailsButTheOthersRun) {
  zktest::TempDir dir;
  std::string good = WriteScript(dir.file("good.scr"), {"(princ \"from good\")"});
  auto r = RunZhost({"--no-modules", dir.file("missing.scr"), good});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(Has(r.err, "cannot read script \"" + dir.file("missing.scr") + "\"")) << r.err;
  EXPECT_TRUE(Has(r.out, "from good")) << r.out;
  r = RunZhost({"--no-modules", dir.path()});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(Has(r.err, "it is a folder")) << r.err;
}

TEST(Zhost, OptionErrorsAreRefusedWithAMessage) {
  struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"--save"}, "option --save needs a value"},
      {{"--save", "/no/such/folder/x.dwg"}, "cannot save the drawing"},
      {{"--save", "plan.DXF"}, "option --save writes the host's drawing format; use --dxf"},
      {{"--dxf"}, "option --dxf needs a value"},
      {{"--svg", "/no/such/folder/x.svg"}, "cannot render SVG"},
      {{"--svg", "x.svg", "--background", "blue"}, "option --background takes light or dark"},
      {{"--bogus"}, "unknown option --bogus"},
      {{"--module"}, "option --module needs a value"},
      {{"--open", "/no/such/drawing.dwg"}, "cannot open drawing \"/no/such/drawing.dwg\""},
  };
  for (const auto& c : cases) {
    auto r = RunZhost(c.args);
    EXPECT_NE(r.exitCode, 0) << c.message;
    EXPECT_TRUE(Has(r.err, c.message)) << r.err;
  }
}

TEST(Zhost, SaveWritesTheCurrentDrawingThatOpenReadsBack) {
  zktest::TempDir dir;
  const std::string drawing = dir.file("saved.dwg");
  auto r = RunZhost({"--no-modules", "--save", drawing}, "LINE\n0,0\n10,0\n\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Saved the current drawing as " + drawing)) << r.out;
  r = RunZhost({"--no-modules", "--open", drawing}, "LIST\nALL\n\n");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "LINE")) << r.out;
}

TEST(Zhost, StandardInputQuitAndQuiet) {
  auto r = RunZhost({"--no-modules"}, "(princ \"one\")\nQUIT\n(princ \"never\")\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(Has(r.out, "one")) << r.out;
  EXPECT_FALSE(Has(r.out, "never")) << "nothing runs after QUIT";
  r = RunZhost({"--no-modules", "--quiet", "-"}, "(princ \"x\")\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(r.out.empty()) << r.out;
}

TEST(Zhost, AnswerDirectiveChecksItsValue) {
  auto r = RunZhost({"--no-modules"}, "%answer yes\n%answer perhaps\n");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_TRUE(Has(r.out, "%answer yes\n%answer perhaps\n%answer expects yes, no, ok, cancel")) << r.out;
}

TEST(Zhost, MatchPropertiesIsBuiltInOrDelayed) {
  auto r = RunZhost({"--no-modules"}, "(arx)\n");
  EXPECT_TRUE(Has(r.out, "(\"acmatch\")")) << r.out;
  r = RunZhost({"--no-modules", "--delay-matchprop"}, "(arx)\nMATCHPROP\n(arx)\n(arxunload \"acmatch\")\n(arx)\n");
  EXPECT_TRUE(Has(r.out, "Command: (arx)\nnil\nCommand: MATCHPROP\nNothing to match yet")) << r.out;
  EXPECT_TRUE(Has(r.out, "Command: (arx)\n(\"acmatch\")")) << r.out;
  EXPECT_TRUE(Has(r.out, "(arxunload \"acmatch\")\n\"acmatch\"\nCommand: (arx)\nnil")) << r.out;
  EXPECT_EQ(r.exitCode, 0);
}

TEST(Zhost, MissingModuleIsAHostFailure) {
  auto r = RunZhost({"--module", "/no/such/Module.arx"}, "(arx)\n");
  EXPECT_NE(r.exitCode, 0);
  EXPECT_TRUE(Has(r.err, "cannot load module \"/no/such/Module.arx\"")) << r.err;
  EXPECT_TRUE(Has(r.out, "Cannot load \"/no/such/Module.arx\"")) << r.out;
}

// The default modules beside zhost: both load, the loader's LISP application is loaded into
// the drawing, its folder function answers in every drawing.
TEST(Zhost, DefaultModulesLoadAndTheLoaderWorks) {
  auto r = RunZhost({}, "(arx)\n(GetPathOfPellbar)\nNEW\n(GetPathOfPellbar)\nQUIT\n");
  EXPECT_EQ(r.exitCode, 0) << r.err << r.out;
  EXPECT_TRUE(Has(r.out, "(\"acmatch\" \"Korvex.arx\" \"Pellbar.arx\")")) << r.out;
  std::string folder = std::string("\"") + ZK_BIN_DIR + "/\"";
  size_t first = r.out.find(folder);
  EXPECT_NE(first, std::string::npos) << r.out;
  EXPECT_NE(r.out.find(folder, first + 1), std::string::npos) << "also in the second drawing";
  EXPECT_FALSE(Has(r.out, "; error")) << r.out;
}

}  // namespace
