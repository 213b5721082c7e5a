// The DXF reader's own rules: what it refuses and with which message, what it skips and reports,
// and how it keeps handles, counts it does not trust, texts and table records.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbObjectPointer.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbText.h"
#include "host/db/DxfReader.h"
#include "host/db/ObjectStub.h"
#include "tests/host/dxfread/DxfText.h"
#include "tests/host/dxfread/EntityCounts.h"

namespace {

using zktest::DxfFile;
using zktest::Groups;

struct Read {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase(false, true)};
  zhost::DxfReadReport report;
  std::wstring error;
  Acad::ErrorStatus es = Acad::eOk;
  explicit Read(const std::string& text) {
    es = zhost::DecodeDxf(text.data(), text.size(), db.get(), error, &report);
  }
  // Open for read while the pointer lives (null inside when missing or of another class).
  template <class T>
  std::unique_ptr<AcDbObjectPointer<T>> entity(const wchar_t* handle) {
    return std::make_unique<AcDbObjectPointer<T>>(Id(handle), AcDb::kForRead);
  }
  AcDbObjectId Id(const wchar_t* handle) {
    AcDbObjectId id;
    db->getAcDbObjectId(id, false, AcDbHandle(handle));
    return id;
  }
};

const Groups kLine = {{0, "LINE"}, {5, "2A"}, {8, "0"}, {10, "0"}, {20, "0"}, {30, "0"},
                      {11, "10"}, {21, "5"}, {31, "0"}};

struct Refused {
  const char* name;
  std::string text;
  const wchar_t* message;
};

TEST(DxfReaderRules, BrokenFilesAreRefusedWithAMessageNamingTheLine) {
  const std::string complete = DxfFile(kLine);
  const Refused cases[] = {
      {"not DXF", "hello, world\n", L"this is not a DXF file: it does not start with a SECTION"},
      {"binary", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "rest", L"this is a binary DXF file"},
      {"truncated in a section", complete.substr(0, complete.rfind("0\nENDSEC\n0\nEOF")),
       L"ENDSEC is missing: the file ends early, it may be truncated."},
      {"no EOF", complete.substr(0, complete.size() - 6), L"the file ends without EOF: it may be truncated"},
      {"code without value", "0\nSECTION\n2\nENTITIES\n0\n", L"Line 5: group code 0 has no value"},
      {"code not a number", "0\nSECTION\n2\nENTITIES\nxx\nLINE\n", L"Line 5: a group code must be a number, found \"xx\"."},
      {"header number", DxfFile(kLine, "AC1015", {{9, "$TEXTSIZE"}, {40, "abc"}}),
       L"Line 12: group code 40 needs a number, found \"abc\"."},
      {"table not closed", DxfFile(kLine, "AC1015", {}, {{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, "A"}}),
       L"the table LAYER is not closed by ENDTAB"},
  };
  for (const Refused& c : cases) {
    SCOPED_TRACE(c.name);
    Read r(c.text);
    EXPECT_NE(r.es, Acad::eOk);
    EXPECT_NE(r.error.find(c.message), std::wstring::npos) << std::string(r.error.begin(), r.error.end());
  }
}

TEST(DxfReaderRules, ADamagedEntityIsSkippedAndTheRestIsRead) {
  Groups entities = {{0, "LINE"}, {5, "30"}, {10, "abc"}, {20, "0"}, {11, "1"}, {21, "1"}};
  entities.insert(entities.end(), kLine.begin(), kLine.end());
  entities.insert(entities.end(), {{0, "CIRCLE"}, {10, "0"}, {20, "0"}, {40, "0"}});
  Read r(DxfFile(entities));
  ASSERT_EQ(r.es, Acad::eOk) << std::string(r.error.begin(), r.error.end());
  ASSERT_EQ(r.report.damaged.size(), 2u);
  EXPECT_EQ(r.report.damaged[0].line, 20);
  EXPECT_EQ(r.report.damaged[0].type, L"LINE");
  EXPECT_EQ(zhost::DxfReportLines(r.report).at(0), L"Line 20: damaged LINE skipped: group code 10 needs a number, found \"abc\".");
  EXPECT_EQ(r.report.damaged[1].reason, L"the radius must be greater than 0");
  EXPECT_EQ(r.entity<AcDbLine>(L"2A")->openStatus(), Acad::eOk);
  EXPECT_EQ(zktest::CountsText(zktest::CountEntities(r.db.get())), "LINE=1");
}

TEST(DxfReaderRules, WhatTheHostDoesNotHaveIsCountedAndSummarised) {
  const Groups entities = {
      {0, "HATCH"}, {8, "0"}, {0, "SPLINE"}, {8, "0"}, {0, "HATCH"}, {8, "0"},
      {0, "POLYLINE"}, {66, "1"}, {70, "8"}, {0, "VERTEX"}, {10, "1"}, {20, "2"}, {30, "3"}, {0, "SEQEND"},
      {0, "INSERT"}, {2, "B"}, {66, "1"}, {10, "0"}, {20, "0"}, {0, "ATTRIB"}, {1, "x"}, {0, "ATTRIB"}, {1, "y"},
      {0, "SEQEND"}};
  const Groups blocks = {{0, "BLOCK"}, {2, "B"}, {70, "0"}, {10, "0"}, {20, "0"}, {0, "ENDBLK"}};
  Read r(DxfFile(entities, "AC1015", {}, {}, blocks));
  ASSERT_EQ(r.es, Acad::eOk) << std::string(r.error.begin(), r.error.end());
  EXPECT_EQ(r.report.skippedEntities.at(L"HATCH"), 2);
  EXPECT_EQ(r.report.skippedEntities.at(L"POLYLINE (3D)"), 1);
  EXPECT_EQ(r.report.entitiesRead.at(L"INSERT"), 1);
  EXPECT_EQ(zhost::DxfReportLines(r.report).at(0),
            L"Skipped 6 objects the host does not have: ATTRIB 2, HATCH 2, POLYLINE (3D) 1, SPLINE 1.");
  Read clean(DxfFile(kLine));
  EXPECT_TRUE(zhost::DxfReportLines(clean.report).empty());
}

TEST(DxfReaderRules, HandlesAreKeptWhereUniqueAndTheSeedStaysAboveThem) {
  Groups entities = kLine;
  entities.insert(entities.end(), kLine.begin(), kLine.end());  // the same handle again
  entities.insert(entities.end(), {{0, "POINT"}, {5, "0"}, {10, "1"}, {20, "1"}});
  entities.insert(entities.end(), {{0, "POINT"}, {5, "FFF0"}, {10, "1"}, {20, "1"}});
  Read r(DxfFile(entities, "AC1015", {{9, "$HANDSEED"}, {5, "100"}}));
  ASSERT_EQ(r.es, Acad::eOk);
  EXPECT_EQ(r.entity<AcDbLine>(L"2A")->openStatus(), Acad::eOk);
  EXPECT_NE(zhost::PeekObject(r.Id(L"FFF0")), nullptr);
  EXPECT_EQ(zktest::CountsText(zktest::CountEntities(r.db.get())), "LINE=2 POINT=2");
  EXPECT_GT(r.db->handseed().value(), 0xFFF0u);
}

TEST(DxfReaderRules, CountsInTheFileAreNotTrusted) {
  const Groups entities = {{0, "LWPOLYLINE"}, {5, "40"}, {90, "2000000000"}, {70, "1"}, {10, "0"}, {20, "0"},
                           {42, "1"},          {10, "5"}, {20, "0"},          {40, "0.5"}, {41, "0.25"}};
  Read r(DxfFile(entities));
  ASSERT_EQ(r.es, Acad::eOk);
  auto opened = r.entity<AcDbPolyline>(L"40");
  ASSERT_EQ(opened->openStatus(), Acad::eOk);
  AcDbPolyline* pl = opened->object();
  EXPECT_EQ(pl->numVerts(), 2u);
  EXPECT_TRUE(pl->isClosed());
  double bulge = 0, sw = 0, ew = 0;
  pl->getBulgeAt(0, bulge);
  pl->getWidthsAt(1, sw, ew);
  EXPECT_EQ(bulge, 1.0);
  EXPECT_EQ(sw, 0.5);
  EXPECT_EQ(ew, 0.25);
}

TEST(DxfReaderRules, ABlockThatInsertsItselfLosesThatInsert) {
  const Groups blocks = {{0, "BLOCK"}, {2, "LOOP"}, {10, "0"}, {20, "0"}, {0, "INSERT"}, {5, "50"}, {2, "LOOP"},
                         {10, "1"},    {20, "1"},    {0, "LINE"}, {10, "0"}, {20, "0"},   {11, "1"},  {21, "1"},
                         {0, "ENDBLK"}};
  Read r(DxfFile({{0, "INSERT"}, {5, "60"}, {2, "LOOP"}, {10, "0"}, {20, "0"}}, "AC1015", {}, {}, blocks));
  ASSERT_EQ(r.es, Acad::eOk);
  EXPECT_EQ(r.report.skippedEntities.at(L"INSERT (block inside itself)"), 1);
  EXPECT_TRUE(zhost::PeekObject(r.Id(L"50"))->isErased());
  EXPECT_FALSE(zhost::PeekObject(r.Id(L"60"))->isErased());
}

TEST(DxfReaderRules, TextsDecodeByReleaseAndEscapes) {
  const std::string latin1 = "Ma\xdf 3\xb0";
  const std::string utf8 = "Ma\xc3\x9f \\U+00B0";
  Read r12(DxfFile({{0, "TEXT"}, {5, "70"}, {10, "0"}, {20, "0"}, {40, "2.5"}, {1, latin1}}, "AC1009"));
  Read r2018(DxfFile({{0, "TEXT"}, {5, "70"}, {10, "0"}, {20, "0"}, {40, "2.5"}, {1, utf8}}, "AC1032"));
  ASSERT_EQ(r12.es, Acad::eOk);
  ASSERT_EQ(r2018.es, Acad::eOk);
  EXPECT_STREQ((*r12.entity<AcDbText>(L"70"))->textStringConst(), L"Ma\u00df 3\u00b0");
  EXPECT_STREQ((*r2018.entity<AcDbText>(L"70"))->textStringConst(), L"Ma\u00df \u00b0");
}

TEST(DxfReaderRules, TablesUpdateTheDefaultRecordsAndEntitiesGetTheirProperties) {
  const Groups tables = {
      {0, "TABLE"}, {2, "LAYER"}, {70, "2"},
      {0, "LAYER"}, {2, "0"}, {70, "0"}, {62, "-3"}, {6, "Continuous"},
      {0, "LAYER"}, {2, "Walls"}, {70, "5"}, {62, "1"}, {420, "16711935"}, {6, "Dashed"},
      {0, "ENDTAB"},
      {0, "TABLE"}, {2, "DIMSTYLE"}, {0, "DIMSTYLE"}, {105, "80"}, {2, "Standard"}, {140, "3.5"}, {271, "1"},
      {0, "ENDTAB"},
      {0, "TABLE"}, {2, "APPID"}, {0, "APPID"}, {2, "MYAPP"}, {70, "0"}, {0, "ENDTAB"}};
  const Groups entities = {{0, "MTEXT"}, {5, "90"}, {8, "Doors"}, {62, "3"}, {10, "1"}, {20, "2"}, {40, "2"},
                           {3, "first "}, {1, "second"}, {71, "5"}, {1001, "MYAPP"}, {1000, "hello"},
                           {1070, "7"}, {1010, "1"}, {1020, "2"}, {1030, "3"}};
  Read r(DxfFile(entities, "AC1015", {{9, "$CLAYER"}, {8, "Walls"}}, tables));
  ASSERT_EQ(r.es, Acad::eOk) << std::string(r.error.begin(), r.error.end());
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(r.db->getLayerTable(layers), Acad::eOk);
  AcDbLayerTableRecord* zero = nullptr;
  AcDbLayerTableRecord* walls = nullptr;
  ASSERT_EQ(layers->getAt(L"0", zero, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(layers->getAt(L"WALLS", walls, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(zero->isOff());
  EXPECT_EQ(zero->color().colorIndex(), 3);
  EXPECT_TRUE(walls->isFrozen());
  EXPECT_TRUE(walls->isLocked());
  EXPECT_TRUE(walls->color().isByColor());
  EXPECT_EQ(r.db->clayer(), walls->objectId());
  EXPECT_TRUE(layers->has(L"Doors"));
  zero->close();
  walls->close();
  layers->close();

  auto opened = r.entity<AcDbMText>(L"90");
  ASSERT_EQ(opened->openStatus(), Acad::eOk);
  AcDbMText* m = opened->object();
  ACHAR* contents = m->contents();
  EXPECT_STREQ(contents, L"first second");
  acutDelString(contents);
  EXPECT_EQ(m->attachment(), AcDbMText::kMiddleCenter);
  EXPECT_EQ(m->colorIndex(), 3);
  resbuf* xd = m->xData(L"MYAPP");
  ASSERT_NE(xd, nullptr);
  ASSERT_NE(xd->rbnext, nullptr);
  EXPECT_STREQ(xd->rbnext->resval.rstring, L"hello");
  EXPECT_EQ(xd->rbnext->rbnext->resval.rint, 7);
  EXPECT_EQ(xd->rbnext->rbnext->rbnext->resval.rpoint[2], 3.0);
  acutRelRb(xd);

  AcDbDimStyleTableRecord* standard = nullptr;
  ASSERT_EQ(acdbOpenObject(standard, r.db->dimstyle(), AcDb::kForRead), Acad::eOk);
  ASSERT_NE(standard->dimVar(L"DIMTXT"), nullptr);
  EXPECT_EQ(*standard->dimVar(L"DIMTXT"), zhost::DimVarValue::Real(3.5, 140));
  EXPECT_EQ(*standard->dimVar(L"DIMDEC"), zhost::DimVarValue::Int(1, 271));
  standard->close();
}

TEST(DxfReaderRules, DxfIsKnownByExtensionOrContent) {
  EXPECT_TRUE(zhost::LooksLikeDxf("999\nmade by hand\n  0\r\nSECTION\r\n", 33));
  EXPECT_TRUE(zhost::LooksLikeDxf("\n\n0\nSECTION\n", 12));
  EXPECT_FALSE(zhost::LooksLikeDxf("0\nSECTIONS\n", 11));
  EXPECT_TRUE(zhost::IsDxfFile(L"/no/such/PLAN.DXF"));
  EXPECT_FALSE(zhost::IsDxfFile(L"/no/such/plan.dwg"));
}

}  // namespace
