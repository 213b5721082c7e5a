// The built-in drawing and editing commands driven by real zhost runs: drawing on several
// layers, editing, undo, saving and reading the file back, locked layers, read-only targets.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

using zktest::RunZhost;
using zktest::WriteScript;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// What the command that starts with the given echo printed, up to the next command prompt.
std::string Section(const std::string& out, const std::string& commandEcho, size_t from = 0) {
  size_t start = out.find("Command: " + commandEcho + "\n", from);
  if (start == std::string::npos) return "";
  size_t end = out.find("Command: ", start + 9);
  return out.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// A point as LIST shows it.
std::string XY(double x, double y) {
  char text[64];
  std::snprintf(text, sizeof text, "X=%10.4f  Y=%10.4f", x, y);
  return text;
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

zktest::ZhostResult RunScript(const zktest::TempDir& dir, const std::string& name, const std::vector<std::string>& lines) {
  std::string script = WriteScript(dir.file(name), lines);
  return RunZhost({"--no-modules", "--appdata", dir.file("appdata"), script});
}

// The key story: draw on several layers, erase, move and undo, save; a new session opens the
// file and lists the same objects with the same handles and properties.
TEST(EditingCommands, DrawEditUndoSaveReopenListsTheSameObjects) {
  zktest::TempDir dir;
  std::string dwg = dir.file("plan.dwg");
  auto first = RunScript(dir, "draw.scr", {
      "-LAYER", "Make", "Walls", "Color", "1", "", "New", "Doors,Notes", "",
      "LINE", "0,0", "100,0", "100,50", "",
      "CIRCLE", "200,0", "10",
      "-LAYER", "Set", "Doors", "",
      "ARC", "0,100", "50,150", "100,100",
      "PLINE", "0,200", "100,200", "A", "100,300", "L", "0,300", "",
      "ERASE", "100,25", "",
      "MOVE", "210,0", "", "0,0", "0,100",
      "-LAYER", "Set", "Notes", "",
      "TEXT", "0,-20", "5", "0", "Ground floor",
      "DIMLINEAR", "0,0", "100,0", "50,-10",
      "DIMALIGNED", "0,0", "100,100", "0,20",
      "CIRCLE", "500,500", "5",
      "UNDO", "1",
      "LIST", "ALL", "",
      "SAVEAS", dwg,
  });
  ASSERT_EQ(first.exitCode, 0) << first.err << first.out;
  std::string before = Section(first.out, "LIST");
  ASSERT_FALSE(before.empty()) << first.out;
  // Erased line and undone circle are gone; the moved circle is at its new place.
  EXPECT_EQ(Count(before, "Handle"), 7) << before;
  EXPECT_TRUE(Has(before, "Walls")) << before;
  EXPECT_TRUE(Has(before, "Doors")) << before;
  EXPECT_TRUE(Has(before, "Notes")) << before;
  EXPECT_TRUE(Has(before, "center point, " + XY(200, 100))) << before;
  EXPECT_FALSE(Has(before, "500.0000")) << before;
  EXPECT_TRUE(Has(first.out, "Dimension text = 100")) << first.out;
  EXPECT_TRUE(Has(first.out, "Dimension text = 141.4214")) << first.out;
  EXPECT_TRUE(Has(first.out, "Saved \"" + dwg + "\"")) << first.out;

  auto second = RunScript(dir, "reopen.scr", {"OPEN", dwg, "LIST", "ALL", ""});
  ASSERT_EQ(second.exitCode, 0) << second.err << second.out;
  std::string after = Section(second.out, "LIST");
  EXPECT_EQ(after, before);
}

TEST(EditingCommands, LineUndoAndCloseAndOneUndoGroupPerCommand) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "line.scr", {
      "LINE", "0,0", "10,0", "20,20", "U", "10,10", "C",
      "LIST", "ALL", "",
      "LINE", "0,0", "0,-10", "5,-10", "",
      "UNDO", "1",
      "LIST", "ALL", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string list = Section(r.out, "LIST");
  EXPECT_EQ(Count(list, "Handle"), 3) << list;
  EXPECT_FALSE(Has(list, XY(20, 20))) << "the undone segment is gone: " << list;
  EXPECT_TRUE(Has(list, XY(10, 10))) << list;
  // Undo takes back the whole second LINE command, both of its segments.
  std::string afterUndo = Section(r.out, "LIST", r.out.find("Command: UNDO"));
  EXPECT_EQ(Count(afterUndo, "Handle"), 3) << afterUndo;
}

TEST(EditingCommands, RotateCopyMirrorAndExplodeChangeTheGeometry) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "edits.scr", {
      "LINE", "0,0", "10,0", "",
      "ROTATE", "5,0", "", "0,0", "90",
      "COPY", "0,5", "", "0,0", "10,0", "20,0", "",
      "MIRROR", "10,5", "", "50,0", "50,10", "N",
      "MIRROR", "20,5", "", "0,50", "10,50", "Y",
      "PLINE", "0,100", "10,100", "10,110", "",
      "EXPLODE", "5,100", "",
      "LIST", "ALL", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::string list = Section(r.out, "LIST");
  EXPECT_EQ(Count(list, "LINE       Layer"), 6) << "the polyline became two lines: " << list;
  EXPECT_EQ(Count(list, "LWPOLYLINE"), 0) << list;
  const std::pair<double, double> ends[] = {{0, 10}, {10, 10}, {20, 90}, {90, 10}, {10, 110}};
  for (const auto& p : ends) EXPECT_TRUE(Has(list, "to point, " + XY(p.first, p.second))) << p.first << "," << p.second;
  EXPECT_FALSE(Has(list, "to point, " + XY(20, 10))) << "MIRROR Yes erased the source: " << list;
}

TEST(EditingCommands, LockedLayerRefusesEdits) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "locked.scr", {
      "-LAYER", "Make", "Fixed", "",
      "LINE", "0,0", "100,0", "",
      "-LAYER", "Make", "Free", "LOck", "Fixed", "",
      "LINE", "0,50", "100,50", "",
      "MOVE", "ALL", "", "0,0", "0,10",
      "ROTATE", "50,0", "", "0,0", "90",
      "ERASE", "50,0", "",
      "COPY", "50,0", "", "0,0", "0,200", "",
      "MIRROR", "50,0", "", "0,0", "0,10", "Y",
      "EXPLODE", "50,0", "",
      "LIST", "ALL", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Count(r.out, "1 object is on a locked layer and was not changed."), 6) << r.out;
  std::string list = Section(r.out, "LIST");
  EXPECT_EQ(Count(list, "Handle"), 2) << list;
  EXPECT_TRUE(Has(list, XY(100, 0))) << "the locked line did not move: " << list;
  EXPECT_TRUE(Has(list, XY(100, 60))) << "the free line moved: " << list;

  auto unlocked = RunScript(dir, "unlocked.scr", {
      "-LAYER", "Make", "Fixed", "LOck", "Fixed", "Unlock", "Fixed", "",
      "LINE", "0,0", "100,0", "",
      "ERASE", "50,0", "",
      "LIST", "ALL", "",
  });
  ASSERT_EQ(unlocked.exitCode, 0) << unlocked.err;
  EXPECT_FALSE(Has(unlocked.out, "locked layer")) << unlocked.out;
  EXPECT_EQ(Count(Section(unlocked.out, "LIST"), "Handle"), 0) << unlocked.out;
}

TEST(EditingCommands, SaveAsRefusesAReadOnlyFileAndLeavesItAlone) {
  zktest::TempDir dir;
  std::string target = dir.file("locked.dwg");
  zktest::WriteFileBytes(target, "not to be touched");
  ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
  auto r = RunScript(dir, "saveas.scr", {"LINE", "0,0", "1,1", "", "SAVEAS", target, "SAVE", ""});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Cannot save to \"" + target + "\": the file is read-only.")) << r.out;
  EXPECT_EQ(zktest::ReadFileBytes(target), "not to be touched");
  // The drawing did not take the refused name: SAVE still asks for one.
  EXPECT_TRUE(Has(Section(r.out, "SAVE"), "Enter file name: ")) << r.out;
  EXPECT_TRUE(Has(r.out, "No file name given; the drawing was not saved.")) << r.out;
}

TEST(EditingCommands, SaveAsksForANameThenSavesToItsFile) {
  zktest::TempDir dir;
  std::string dwg = dir.file("first");
  std::string other = dir.file("other.dwg");
  zktest::WriteFileBytes(other, "someone else's");
  auto r = RunScript(dir, "save.scr", {
      "CIRCLE", "0,0", "D", "20",
      "SAVE", dwg,
      "CIRCLE", "50,0", "5",
      "SAVE",
      "SAVEAS", other, "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "Saved \"" + dwg + ".dwg\"")) << r.out;
  EXPECT_EQ(Count(r.out, "Saved \"" + dwg + ".dwg\""), 2) << r.out;
  EXPECT_TRUE(Has(r.out, "already exists. Replace it?")) << r.out;
  EXPECT_EQ(zktest::ReadFileBytes(other), "someone else's") << "Enter keeps the other file";

  auto reopened = RunScript(dir, "list.scr", {"OPEN", dwg + ".dwg", "LIST", "ALL", ""});
  ASSERT_EQ(reopened.exitCode, 0) << reopened.err;
  std::string list = Section(reopened.out, "LIST");
  EXPECT_EQ(Count(list, "Handle"), 2) << list;
  EXPECT_TRUE(Has(list, "radius    10.0000")) << "radius from the diameter: " << list;

  auto bad = RunScript(dir, "bad.scr", {"OPEN", dir.file("save.scr")});
  EXPECT_TRUE(Has(bad.out, "Cannot open \"" + dir.file("save.scr") + "\"")) << bad.out;
}

TEST(EditingCommands, DimLinearIsHorizontalOrVerticalByTheLocation) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "dims.scr", {
      "DIMLINEAR", "0,0", "100,50", "50,80",
      "DIMLINEAR", "0,0", "100,50", "130,20",
      "DIMLINEAR", "0,0", "100,50", "V", "-20,0",
      "DIMALIGNED", "0,0", "30,40", "0,10",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::vector<std::string> texts;
  for (size_t at = r.out.find("Dimension text = "); at != std::string::npos; at = r.out.find("Dimension text = ", at + 1))
    texts.push_back(r.out.substr(at + 17, r.out.find('\n', at) - at - 17));
  EXPECT_EQ(texts, (std::vector<std::string>{"100", "50", "50", "50"})) << r.out;
}

TEST(EditingCommands, ArcsCirclesPolylinesAndTextsTakeTheCurrentProperties) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "shapes.scr", {
      "-LAYER", "Make", "Red", "Color", "red", "", "",
      "SETVAR", "TEXTSIZE", "7.5",
      "ARC", "10,0", "0,10", "-10,0",
      "ARC", "C", "0,0", "0,5", "-5,0",
      "ARC", "0,0", "1,1", "2,2",
      "PLINE", "0,0", "W", "1", "2", "10,0", "A", "10,10", "C",
      "TEXT", "0,0", "", "", "default height",
      "MTEXT", "0,0", "40,-20", "first line", "second line", "",
      "LIST", "ALL", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "The three points lie on one line; no arc drawn.")) << r.out;
  std::string list = Section(r.out, "LIST");
  EXPECT_EQ(Count(list, "Handle"), 5) << list;
  EXPECT_EQ(Count(list, "Layer: \"Red\""), 5) << "every new object is on the current layer: " << list;
  EXPECT_TRUE(Has(list, "height 7.5000")) << "TEXT takes TEXTSIZE on Enter: " << list;
  EXPECT_TRUE(Has(list, "first line\\Psecond line")) << list;
  // Three points counter-clockwise from 0 to 180 degrees; center, start and end from 90 to 180.
  EXPECT_TRUE(Has(list, "radius    10.0000\n                 start angle     0.0000\n                   end angle   180.0000"))
      << list;
  EXPECT_TRUE(Has(list, "radius     5.0000\n                 start angle    90.0000\n                   end angle   180.0000"))
      << list;
  // The polyline: widths 1 to 2, then 2; a tangent arc; the closing arc keeps the tangent.
  EXPECT_TRUE(Has(list, "starting width     1.0000\n                ending width     2.0000")) << list;
  EXPECT_TRUE(Has(list, "bulge     1.0000")) << list;
  EXPECT_TRUE(Has(list, "bulge     0.4142")) << list;
  EXPECT_TRUE(Has(list, "Closed")) << list;
}

TEST(EditingCommands, LayerOptions) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "layers.scr", {
      "-LAYER", "New", "A1,A2,B1,bad<name", "Freeze", "A*", "OFF", "B1", "Color", "3", "B?", "Set", "A1",
      "Set", "nosuch", "Make", "B1", "Freeze", "B1", "LO", "A2", "O", "?", "", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\"bad<name\" is not a valid layer name.")) << r.out;
  EXPECT_TRUE(Has(r.out, "Layer \"A1\" is frozen and cannot be made current.")) << r.out;
  EXPECT_TRUE(Has(r.out, "Cannot find layer \"nosuch\".")) << r.out;
  EXPECT_TRUE(Has(r.out, "Cannot freeze layer \"B1\": it is the current layer.")) << r.out;
  EXPECT_TRUE(Has(r.out, "\"O\" is not an option of -LAYER.")) << r.out;
  EXPECT_TRUE(Has(r.out, "Current layer: \"B1\"")) << r.out;
  auto row = [&](const std::string& name) {
    size_t at = r.out.find("\n" + name + " ");
    return at == std::string::npos ? std::string() : r.out.substr(at + 1, r.out.find('\n', at + 1) - at - 1);
  };
  EXPECT_TRUE(Has(row("A1"), "On Frozen Unlocked")) << r.out;
  EXPECT_TRUE(Has(row("A2"), "On Frozen Locked")) << r.out;
  EXPECT_TRUE(Has(row("B1"), "Off Thawed Unlocked")) << r.out;
  EXPECT_TRUE(Has(row("B1"), "    3  Continuous")) << r.out;
}

TEST(EditingCommands, SetVarChecksNameAndValue) {
  zktest::TempDir dir;
  auto r = RunScript(dir, "setvar.scr", {
      "SETVAR", "textsize", "4.25", "(getvar \"TEXTSIZE\")",
      "SETVAR", "TEXTSIZE", "big",
      "SETVAR", "NOSUCHVAR",
      "SETVAR", "DWGNAME", "x.dwg",
      "SETVAR", "TEXTSIZE", "",
  });
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(Has(r.out, "\n4.25\n")) << r.out;
  EXPECT_TRUE(Has(r.out, "TEXTSIZE needs a number; it keeps 4.2500.")) << r.out;
  EXPECT_TRUE(Has(r.out, "Unknown variable name \"NOSUCHVAR\".")) << r.out;
  EXPECT_TRUE(Has(r.out, "DWGNAME is read-only")) << r.out;
  EXPECT_TRUE(Has(r.out, "Enter new value for TEXTSIZE <4.2500>: ")) << r.out;
}

}  // namespace
