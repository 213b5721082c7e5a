// The DXF export of databases built in the test, read back with ezdxf: tables, layouts, blocks,
// handles, colours, extended data, entities of a module class (exploded or skipped), failures,
// and a zhost run with --dxf.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbXline.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbText.h"
#include "host/db/DxfWriter.h"
#include "host/win/TextConv.h"
#include "tests/support/EzdxfReader.h"
#include "tests/support/TempDir.h"
#include "tests/support/ZhostRun.h"

namespace dxftest {

// A module-style entity drawn as two lines: explode gives them.
class TestCross : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TestCross);
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& set) const override {
    AcDbLine* a = new AcDbLine(AcGePoint3d(-1, 0, 0), AcGePoint3d(1, 0, 0));
    AcDbLine* b = new AcDbLine(AcGePoint3d(0, -1, 0), AcGePoint3d(0, 1, 0));
    a->setLayer(L"Walls");
    b->setLayer(L"Walls");
    set.append(a);
    set.append(b);
    return Acad::eOk;
  }
};
AcRxObject* MakeTestCross() { return new TestCross; }
ZHOST_RX_HOST_MEMBERS(TestCross, AcDbEntity, MakeTestCross)

// An entity with no picture at all: it cannot explode.
class TestBlank : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TestBlank);
};
AcRxObject* MakeTestBlank() { return new TestBlank; }
ZHOST_RX_HOST_MEMBERS(TestBlank, AcDbEntity, MakeTestBlank)

// Its picture names a layer and a linetype the drawing does not have.
class TestStray : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(TestStray);
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& set) const override {
    AcDbLine* a = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
    a->setLayer(L"STRAY");
    a->setLinetype(L"PHANTOM");
    set.append(a);
    return Acad::eOk;
  }
};
AcRxObject* MakeTestStray() { return new TestStray; }
ZHOST_RX_HOST_MEMBERS(TestStray, AcDbEntity, MakeTestStray)

}  // namespace dxftest

namespace {

using dxftest::TestBlank;
using dxftest::TestCross;
using dxftest::TestStray;

#define SKIP_WITHOUT_EZDXF()                                                                      \
  if (zktest::EzdxfPython().empty())                                                              \
  GTEST_SKIP() << "python3-ezdxf is not importable (make setup installs the Debian package)"

class DxfExport : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = new AcDbDatabase(true, true);
    AcCmColor red;
    red.setColorIndex(1);
    AcCmColor rgb;
    rgb.setRGB(10, 20, 30);
    dashed_ = addLinetype(L"DASHED");
    addLayer(L"Walls", red, AcDbObjectId::kNull);
    addLayer(L"Hidden", rgb, dashed_);
    AcDbRegAppTable* apps = nullptr;
    ASSERT_EQ(Acad::eOk, db_->getRegAppTable(apps, AcDb::kForWrite));
    AcDbRegAppTableRecord* app = new AcDbRegAppTableRecord;
    app->setName(L"ZENKORA");
    ASSERT_EQ(Acad::eOk, apps->add(app));
    app->close();
    apps->close();
  }
  void TearDown() override { delete db_; }

  AcDbObjectId addLinetype(const wchar_t* name) {
    AcDbLinetypeTable* table = nullptr;
    db_->getLinetypeTable(table, AcDb::kForWrite);
    AcDbLinetypeTableRecord* rec = new AcDbLinetypeTableRecord;
    rec->setName(name);
    rec->setComments(L"__ __ __");
    rec->setNumDashes(2);
    rec->setDashLengthAt(0, 5.0);
    rec->setDashLengthAt(1, -2.5);
    rec->setPatternLength(7.5);
    AcDbObjectId id;
    table->add(id, rec);
    rec->close();
    table->close();
    return id;
  }
  void addLayer(const wchar_t* name, const AcCmColor& color, AcDbObjectId linetype) {
    AcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, AcDb::kForWrite);
    AcDbLayerTableRecord* rec = new AcDbLayerTableRecord;
    rec->setName(name);
    rec->setColor(color);
    if (!linetype.isNull()) rec->setLinetypeObjectId(linetype);
    table->add(rec);
    rec->close();
    table->close();
  }
  void changeLayer(const wchar_t* name, bool frozen, bool off, bool locked) {
    AcDbLayerTable* table = nullptr;
    db_->getLayerTable(table, AcDb::kForRead);
    AcDbLayerTableRecord* rec = nullptr;
    ASSERT_EQ(Acad::eOk, table->getAt(name, rec, AcDb::kForWrite));
    rec->setIsFrozen(frozen);
    rec->setIsOff(off);
    rec->setIsLocked(locked);
    rec->close();
    table->close();
  }
  // Appends to a block (created when missing); returns the entity's handle text.
  std::string append(AcDbEntity* ent, const wchar_t* block = ACDB_MODEL_SPACE) {
    AcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, AcDb::kForWrite);
    AcDbBlockTableRecord* rec = nullptr;
    if (table->getAt(block, rec, AcDb::kForWrite) != Acad::eOk) {
      rec = new AcDbBlockTableRecord;
      rec->setName(block);
      table->add(rec);
    }
    table->close();
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, rec->appendAcDbEntity(id, ent));
    std::string handle = zhost::ToUtf8(ent->handle().text());
    ent->close();
    rec->close();
    return handle;
  }
  zktest::EzdxfReport exportAndRead(zhost::DxfSummary* summary = nullptr) {
    std::wstring error;
    path_ = dir_.file("drawing.dxf");
    EXPECT_TRUE(zhost::WriteDxf(db_, zhost::FromUtf8(path_), error, summary)) << zhost::ToUtf8(error);
    zktest::EzdxfReport report = zktest::ReadWithEzdxf(path_);
    EXPECT_TRUE(report.ok) << report.errors;
    EXPECT_TRUE(report.has(R"({"audit_errors": []})")) << report.output;
    return report;
  }

  zktest::TempDir dir_;
  std::string path_;
  AcDbDatabase* db_ = nullptr;
  AcDbObjectId dashed_;
};

TEST_F(DxfExport, TablesLayoutsHandlesColoursAndExtendedData) {
  SKIP_WITHOUT_EZDXF();
  AcDbLine* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
  line->setLayer(L"Walls");
  resbuf* xdata = acutBuildList(1001, L"ZENKORA", 1000, L"Ma\u00df \u2248 1", 1070, 7, 1040, 2.5, 0);
  ASSERT_NE(nullptr, xdata);
  ASSERT_EQ(Acad::eOk, line->setXData(xdata));
  acutRelRb(xdata);
  std::string lineHandle = append(line);
  AcDbLine* coloured = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 8, 0));
  coloured->setLayer(L"Hidden");
  AcCmColor rgb;
  rgb.setRGB(200, 100, 50);
  coloured->setColor(rgb);
  std::string colouredHandle = append(coloured);
  AcDbText* text = new AcDbText(AcGePoint3d(1, 1, 0), L"Stra\u00dfe \u00d8 20", AcDbObjectId::kNull, 2.5, 0.0);
  append(text);
  append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0)), ACDB_PAPER_SPACE);
  append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), L"DETAIL");
  changeLayer(L"Walls", false, false, true);
  changeLayer(L"Hidden", true, true, false);

  zktest::EzdxfReport r = exportAndRead();
  EXPECT_TRUE(r.has(R"({"version": "AC1015"})"));
  EXPECT_TRUE(r.has(R"({"counts": {"LINE": 2, "TEXT": 1}, "layout": "Model"})")) << r.output;
  EXPECT_TRUE(r.has(R"({"counts": {"LINE": 1}, "layout": "Layout1"})")) << r.output;
  EXPECT_TRUE(r.has(R"({"block": "DETAIL", "counts": {"LINE": 1}})")) << r.output;
  EXPECT_TRUE(r.has(R"({"color": 1, "frozen": false, "layer": "Walls", "linetype": "Continuous", "locked": true, "off": false, "true_color": null})")) << r.output;
  EXPECT_TRUE(r.has(R"({"color": 7, "frozen": true, "layer": "Hidden", "linetype": "DASHED", "locked": false, "off": true, "true_color": 660510})")) << r.output;
  EXPECT_TRUE(r.has(R"({"appid": "ZENKORA"})"));
  EXPECT_TRUE(r.has(R"({"appid": "ACAD"})"));
  EXPECT_TRUE(r.has(R"({"dashes": 7, "linetype": "DASHED"})")) << r.output;
  // The host's handle and extended data (the text decoded back to Unicode).
  EXPECT_NE("", r.find({"\"handle\": \"" + lineHandle + "\"", "\"layer\": \"Walls\"",
                        R"("xdata": {"ZENKORA": [[1001, "ZENKORA"], [1000, "Ma\u00df \u2248 1"], [1070, 7], [1040, 2.5]]})"}))
      << r.output;
  EXPECT_NE("", r.find({"\"handle\": \"" + colouredHandle + "\"", "\"true_color\": 13132850"})) << r.output;
  EXPECT_NE("", r.find({R"("entity": "TEXT")", R"("text": "Stra\u00dfe \u00d8 20")"})) << r.output;
  // Handles the export added lie at or above the database's seed, below the file's seed.
  std::string seed = r.find({R"("header": "$HANDSEED")"});
  ASSERT_NE("", seed);
  unsigned long long fileSeed = std::stoull(seed.substr(seed.find("\"value\": \"") + 10), nullptr, 16);
  EXPECT_GT(fileSeed, db_->handseed().value());
}

TEST_F(DxfExport, EveryHostEntityInItsOwnForm) {
  SKIP_WITHOUT_EZDXF();
  append(new AcDbArc(AcGePoint3d(5, 5, 0), 2.0, 0.0, 1.5));
  append(new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d(0, 0, 1), 3.0));
  // A circle in a tilted plane keeps its centre: DXF has it in the plane's own coordinates.
  append(new AcDbCircle(AcGePoint3d(1, 2, 3), AcGeVector3d(1, 0, 0), 1.0));
  AcDbPoint* point = new AcDbPoint;
  point->setPosition(AcGePoint3d(7, 8, 0));
  append(point);
  AcDbXline* xline = new AcDbXline;
  xline->setUnitDir(AcGeVector3d(1, 0, 0));
  append(xline);
  append(new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0)));
  AcDbPolyline* lw = new AcDbPolyline;
  lw->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  lw->addVertexAt(1, AcGePoint2d(4, 0));
  lw->addVertexAt(2, AcGePoint2d(4, 3));
  lw->setClosed(true);
  append(lw);
  AcDb2dPolyline* poly = new AcDb2dPolyline;
  poly->appendVertex(new AcDb2dVertex(AcGePoint3d(0, 0, 0)));
  poly->appendVertex(new AcDb2dVertex(AcGePoint3d(2, 1, 0), 1.0));
  poly->appendVertex(new AcDb2dVertex(AcGePoint3d(4, 0, 0)));
  append(poly);
  AcDbMText* mtext = new AcDbMText;
  mtext->setLocation(AcGePoint3d(0, 20, 0));
  mtext->setContents(L"first line\\Psecond \u00e9");
  mtext->setTextHeight(2.5);
  append(mtext);
  append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), L"DETAIL");
  AcDbObjectId detail;
  {
    AcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, AcDb::kForRead);
    table->getAt(L"DETAIL", detail);
    table->close();
  }
  append(new AcDbBlockReference(AcGePoint3d(30, 30, 0), detail));
  AcDbRotatedDimension* dim = new AcDbRotatedDimension;
  dim->setXLine1Point(AcGePoint3d(0, 0, 0));
  dim->setXLine2Point(AcGePoint3d(10, 0, 0));
  dim->setDimLinePoint(AcGePoint3d(5, -5, 0));
  dim->setDimVar(L"DIMTXT", zhost::DimVarValue::Real(3.5, 140));
  std::string dimHandle = append(dim);
  AcDbRadialDimension* radial = new AcDbRadialDimension;
  radial->setCenter(AcGePoint3d(5, 5, 0));
  radial->setChordPoint(AcGePoint3d(8, 5, 0));
  append(radial);

  zhost::DxfSummary summary;
  zktest::EzdxfReport r = exportAndRead(&summary);
  EXPECT_EQ(0, summary.skipped);
  EXPECT_EQ(0, summary.exploded);
  EXPECT_TRUE(r.has(R"({"counts": {"ARC": 1, "CIRCLE": 2, "DIMENSION": 2, "INSERT": 1, "LWPOLYLINE": 1, "MTEXT": 1, "POINT": 1, "POLYLINE": 1, "SOLID": 1, "XLINE": 1}, "layout": "Model"})"))
      << r.output;
  EXPECT_NE("", r.find({R"("block": "DETAIL")", R"("entity": "INSERT")"})) << r.output;
  EXPECT_NE("", r.find({R"("entity": "MTEXT")", R"("text": "first line\\Psecond \u00e9")"})) << r.output;
  // Each dimension has its picture in a block of its own; the override goes with the entity.
  EXPECT_NE("", r.find({R"("block": "*D1", "counts": {)", R"("LINE": )"})) << r.output;
  EXPECT_NE("", r.find({R"("block": "*D2", "counts": {)"})) << r.output;
  EXPECT_NE("", r.find({"\"handle\": \"" + dimHandle + "\"", R"("ACAD": [[1001, "ACAD"], [1000, "DSTYLE"], [1002, "{"], [1070, 140], [1040, 3.5], [1002, "}"]])"}))
      << r.output;
  EXPECT_NE("", r.find({R"("geometry_check": "tilted circle")", R"("center": [1.0, 2.0, 3.0])"})) << r.output;
}

TEST_F(DxfExport, LongTextsSurviveAndErasedEntitiesAreLeftOut) {
  SKIP_WITHOUT_EZDXF();
  std::wstring contents;
  std::string expected;
  for (int i = 0; i < 100; ++i) {
    contents += L"abcde\u2248";
    expected += "abcde\\u2248";
  }
  AcDbMText* mtext = new AcDbMText;
  mtext->setContents(contents.c_str());
  append(mtext);
  AcDbLine* gone = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  AcDbObjectId goneId;
  {
    AcDbBlockTable* table = nullptr;
    db_->getBlockTable(table, AcDb::kForRead);
    AcDbBlockTableRecord* ms = nullptr;
    table->getAt(ACDB_MODEL_SPACE, ms, AcDb::kForWrite);
    table->close();
    ms->appendAcDbEntity(goneId, gone);
    ms->close();
    gone->erase();
    gone->close();
  }
  zktest::EzdxfReport r = exportAndRead();
  EXPECT_TRUE(r.has(R"({"counts": {"MTEXT": 1}, "layout": "Model"})")) << r.output;
  EXPECT_NE("", r.find({"\"text\": \"" + expected + "\""})) << r.output;
}

TEST_F(DxfExport, ModuleEntitiesGoOutExplodedOrAreCountedAsSkipped) {
  SKIP_WITHOUT_EZDXF();
  TestCross* cross = new TestCross;
  cross->setLayer(L"Walls");
  resbuf* xdata = acutBuildList(1001, L"ZENKORA", 1000, L"cross", 0);
  cross->setXData(xdata);
  acutRelRb(xdata);
  std::string crossHandle = append(cross);
  append(new TestBlank);
  append(new TestBlank);

  zhost::DxfSummary summary;
  zktest::EzdxfReport r = exportAndRead(&summary);
  EXPECT_EQ(2, summary.entities);
  EXPECT_EQ(1, summary.exploded);
  EXPECT_EQ(2, summary.skipped);
  EXPECT_EQ(2, summary.skippedClasses[L"TestBlank"]);
  EXPECT_TRUE(r.has(R"({"counts": {"LINE": 2}, "layout": "Model"})")) << r.output;
  // The first piece stands for the entity: its handle and its extended data.
  EXPECT_NE("", r.find({"\"handle\": \"" + crossHandle + "\"", R"("xdata": {"ZENKORA": [[1001, "ZENKORA"], [1000, "cross"]]})"}))
      << r.output;
  EXPECT_EQ(L"DXF export: 2 entities written to x.dxf (1 exploded, 2 skipped: TestBlank 2)",
            zhost::DxfSummaryLine(summary, L"x.dxf"));
}

TEST_F(DxfExport, PiecesOnLayersAndLinetypesTheTablesLackGetRecords) {
  SKIP_WITHOUT_EZDXF();
  append(new TestStray);
  zktest::EzdxfReport r = exportAndRead();
  EXPECT_NE("", r.find({R"("layer": "STRAY")"})) << r.output;
  EXPECT_NE("", r.find({R"("linetype": "PHANTOM")"})) << r.output;
  EXPECT_NE("", r.find({R"("entity": "LINE")", R"("layer": "STRAY")"})) << r.output;
}

TEST_F(DxfExport, EntityOpenForWriteIsCountedAsSkipped) {
  AcDbLine* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0));
  append(line);
  AcDbEntity* busy = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(busy, line->objectId(), AcDb::kForWrite));
  std::string text;
  std::wstring error;
  zhost::DxfSummary summary;
  EXPECT_TRUE(zhost::DxfText(db_, text, error, &summary));
  busy->close();
  EXPECT_EQ(0, summary.entities);
  EXPECT_EQ(1, summary.skipped);
  EXPECT_EQ(1, summary.skippedClasses[L"AcDbLine"]);
}

TEST_F(DxfExport, FailedWriteLeavesTheOldFileAndSaysWhy) {
  std::wstring error;
  EXPECT_FALSE(zhost::WriteDxf(db_, zhost::FromUtf8(dir_.file("missing/folder/x.dxf")), error));
  EXPECT_NE(std::wstring::npos, error.find(L"cannot write")) << zhost::ToUtf8(error);

  std::string old = dir_.file("old.dxf");
  zktest::WriteFileBytes(old, "keep me");
  ::chmod(dir_.path().c_str(), 0500);
  bool wrote = zhost::WriteDxf(db_, zhost::FromUtf8(old), error);
  ::chmod(dir_.path().c_str(), 0700);
  if (::geteuid() != 0) {
    EXPECT_FALSE(wrote);
  }
  if (!wrote) {
    EXPECT_EQ("keep me", zktest::ReadFileBytes(old));
  }
  EXPECT_FALSE(zhost::WriteDxf(nullptr, zhost::FromUtf8(old), error));
}

TEST(DxfZhost, DxfOptionExportsTheCurrentDrawing) {
  SKIP_WITHOUT_EZDXF();
  zktest::TempDir dir;
  std::string script = zktest::WriteScript(
      dir.file("draw.scr"), {"LINE", "0,0", "10,0", "", "CIRCLE", "5,5", "2", "DIMLINEAR", "0,0", "10,0", "5,-5"});
  std::string out = dir.file("out.dxf");
  zktest::ZhostResult run = zktest::RunZhost({"--no-modules", "--dxf", out, script});
  EXPECT_EQ(0, run.exitCode) << run.err;
  EXPECT_NE(std::string::npos, run.out.find("DXF export: ")) << run.out;
  EXPECT_NE(std::string::npos, run.out.find(" entities written to " + out + " (0 exploded, 0 skipped)")) << run.out;
  zktest::EzdxfReport r = zktest::ReadWithEzdxf(out);
  EXPECT_TRUE(r.has(R"({"audit_errors": []})")) << r.output << r.errors;
  EXPECT_TRUE(r.has(R"({"counts": {"CIRCLE": 1, "DIMENSION": 1, "LINE": 1}, "layout": "Model"})")) << r.output;
  EXPECT_TRUE(r.has(R"({"header": "$CLAYER", "value": "0"})")) << r.output;

  zktest::ZhostResult bad = zktest::RunZhost({"--no-modules", "--dxf", dir.file("no/such/dir.dxf"), script});
  EXPECT_NE(0, bad.exitCode);
  EXPECT_NE(std::string::npos, bad.err.find("cannot export DXF")) << bad.err;
}

}  // namespace
