// A zhost run on a DXF file: --open reads it (what was skipped shows on the command line), LIST
// finds its entity by handle, SAVEAS refuses a .dxf name, SAVE writes "<name>.dwg" beside the
// DXF file (which stays as it was), and --dxf exports it again.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/db/AcDbDatabase.h"
#include "host/db/DwgFile.h"
#include "host/db/DxfReader.h"
#include "host/win/TextConv.h"
#include "tests/host/dxfread/DxfText.h"
#include "tests/host/dxfread/EntityCounts.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

TEST(ZhostOpensDxf, OpenListSaveAsDwgAndExport) {
  zktest::TempDir dir;
  const std::string dxf = dir.file("Plan.DXF");
  const std::string text = zktest::DxfFile({{0, "LINE"}, {5, "2A"}, {8, "Walls"}, {10, "0"}, {20, "0"}, {11, "4"},
                                            {21, "3"}, {0, "CIRCLE"}, {5, "2B"}, {10, "1"}, {20, "1"}, {40, "2"},
                                            {0, "HATCH"}, {8, "0"}});
  zktest::WriteFileBytes(dxf, text);
  const std::string script = zktest::WriteScript(dir.file("run.scr"), {"LIST", "#2A", "", "SAVEAS", dir.file("other.dxf"), "SAVE"});
  const std::string exported = dir.file("again.dxf");
  zktest::ZhostResult run = zktest::RunZhost({"--no-modules", "--open", dxf, "--dxf", exported, script});
  ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
  EXPECT_NE(run.out.find("Skipped 1 object the host does not have: HATCH 1."), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Walls"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("SAVE writes host drawings (.dwg)"), std::string::npos) << run.out;
  EXPECT_TRUE(zktest::ReadFileBytes(dir.file("other.dxf")).empty()) << "nothing may be written to other.dxf";
  EXPECT_NE(run.out.find("it is saved as \"" + dir.file("Plan.dwg") + "\""), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("DXF export: 2 entities written"), std::string::npos) << run.out;
  EXPECT_EQ(zktest::ReadFileBytes(dxf), text);

  std::wstring error;
  std::unique_ptr<AcDbDatabase> dwg(zhost::ReadDrawingFile(zhost::FromUtf8(dir.file("Plan.dwg")), error));
  ASSERT_TRUE(dwg) << zhost::ToUtf8(error);
  EXPECT_EQ(zktest::CountsText(zktest::CountEntities(dwg.get())), "CIRCLE=1 LINE=1");
  std::unique_ptr<AcDbDatabase> back(zhost::ReadDxfFile(zhost::FromUtf8(exported), error));
  ASSERT_TRUE(back) << zhost::ToUtf8(error);
  EXPECT_EQ(zktest::CountsText(zktest::CountEntities(back.get())), "CIRCLE=1 LINE=1");
}

TEST(ZhostOpensDxf, ABrokenDxfFileIsRefusedWithItsLine) {
  zktest::TempDir dir;
  const std::string dxf = dir.file("broken.dxf");
  zktest::WriteFileBytes(dxf, zktest::DxfFile({}, "AC1015", {{9, "$LTSCALE"}, {40, "abc"}}));
  zktest::ZhostResult run = zktest::RunZhost({"--no-modules", "--quiet", "--open", dxf});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_NE(run.err.find("Line 12: group code 40 needs a number, found \"abc\"."), std::string::npos) << run.err;
}

}  // namespace
