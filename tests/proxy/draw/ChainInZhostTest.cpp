// A drawing with chains opened in zhost with Korvex loaded: the chains draw into the SVG and
// explode into the DXF, and the session ends cleanly although the drawing still holds objects
// of the module's class when the module is unloaded.
#include <gtest/gtest.h>

#include <string>

#include "host/db/DwgFile.h"
#include "host/win/TextConv.h"
#include "tests/proxy/draw/ChainDrawFixture.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace {

using ChainInZhost = ChainDrawFixture;

TEST_F(ChainInZhost, OpenedDrawingRendersExportsAndQuitsCleanly) {
  QBdim* chain = HorizontalChain({0, 10, 25});
  const CString text = chain->GetDimText(1);
  Append(chain);
  const std::string dwg = dir.file("plan.dwg");
  std::wstring error;
  ASSERT_EQ(zhost::WriteDrawingFile(db, zhost::FromUtf8(dwg), error), Acad::eOk) << zhost::ToUtf8(error);

  const std::string appdata = dir.file("zhost-appdata");
  zktest::WriteFileBytes(appdata + "/quillbar/zenkora/DimParam.ini",
                         zktest::ReadFileBytes(std::string(ZK_BIN_DIR) + "/DimParam.ini"));
  const std::string svg = dir.file("plan.svg"), dxf = dir.file("plan.dxf");
  const zktest::ZhostResult run =
      zktest::RunZhost({"--appdata", appdata, "--open", dwg, "--svg", svg, "--dxf", dxf, "-"}, "");
  ASSERT_EQ(run.exitCode, 0) << run.out << run.err;
  EXPECT_NE(run.out.find("Application \"Korvex.arx\" unloaded."), std::string::npos) << run.out;

  const std::string picture = zktest::ReadFileBytes(svg);
  EXPECT_NE(picture.find(">" + zhost::ToUtf8(text.GetString()) + "<"), std::string::npos) << picture;
  const std::string exported = zktest::ReadFileBytes(dxf);
  EXPECT_NE(exported.find("\nLINE\n"), std::string::npos);
  EXPECT_NE(exported.find(zhost::ToUtf8(text.GetString())), std::string::npos);
}

}  // namespace
