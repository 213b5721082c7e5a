// A drawing with chains exported as DXF and read back by an independent reader: the chains come
// out as their lines, symbols and texts, on the chains' layer, and the file audits clean.
#include <gtest/gtest.h>

#include <memory>

#include "acadobjects/EntityServices.h"
#include "host/db/DxfWriter.h"
#include "host/win/TextConv.h"
#include "tests/proxy/draw/ChainDrawFixture.h"
#include "tests/support/EzdxfReader.h"

namespace {

using ChainDxf = ChainDrawFixture;

TEST_F(ChainDxf, ChainsComeOutAsLinesSymbolsAndTexts) {
  if (zktest::EzdxfPython().empty()) GTEST_SKIP() << "no python with ezdxf";
  AcDbObjectId layerId;
  ASSERT_EQ(CreateLayer(db, L"KETTE", 5, &layerId), Acad::eOk);
  QBdim* ticks = HorizontalChain({0, 10, 25});
  ticks->setLayer(layerId);
  Append(ticks);
  QBdim* arrows = HorizontalChain({0, 40});
  arrows->SetSymbolType(-1, 4);
  arrows->SetSymbolType(1, 2);
  arrows->setLayer(layerId);
  const CString text = arrows->GetDimText(1);
  Append(arrows);

  const std::string path = dir.file("chains.dxf");
  std::wstring error;
  zhost::DxfSummary summary;
  ASSERT_TRUE(zhost::WriteDxf(db, zhost::FromUtf8(path), error, &summary)) << zhost::ToUtf8(error);
  EXPECT_EQ(summary.skipped, 0);

  const zktest::EzdxfReport report = zktest::ReadWithEzdxf(path);
  ASSERT_TRUE(report.ok) << report.errors;
  EXPECT_TRUE(report.has(R"({"audit_errors": []})")) << report.output;
  // 3 + 2 extension lines, 2 + 1 pieces, 3 ticks; the arrow head; the dot.
  int lines = 0, solids = 0, circles = 0, texts = 0;
  for (const std::string& line : report.lines) {
    if (line.find(R"("layer": "KETTE")") == std::string::npos) continue;
    lines += line.find(R"("entity": "LINE")") != std::string::npos;
    solids += line.find(R"("entity": "SOLID")") != std::string::npos;
    circles += line.find(R"("entity": "CIRCLE")") != std::string::npos;
    texts += line.find(R"("entity": "TEXT")") != std::string::npos;
  }
  EXPECT_EQ(lines, 11) << report.output;
  EXPECT_EQ(solids, 1) << report.output;
  EXPECT_EQ(circles, 1) << report.output;
  EXPECT_EQ(texts, 3) << report.output;
  EXPECT_FALSE(report.find({R"("entity": "TEXT")", "\"text\": \"" + zhost::ToUtf8(text.GetString()) + "\""}).empty())
      << report.output;
}

}  // namespace
