// Selection: names and ids, acedSSGet with each mode and filter, the set functions, the pickfirst
// set, entsel by point and by handle, nested picks through a block reference, topmost by draw
// order.
#include <cmath>
#include <string>
#include <vector>

#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSortentsTable.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/EntitySelect.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/SysVars.h"
#include "host/ed/UserInput.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

using zktest::WithAnswers;

AcDbDatabase* Db() { return acdbHostApplicationServices()->workingDatabase(); }

void AddLayer(const wchar_t* name) {
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(Db()->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbLayerTableRecord* rec = new AcDbLayerTableRecord();
  rec->setName(name);
  ASSERT_EQ(table->add(rec), Acad::eOk);
  rec->close();
  table->close();
}

AcDbObjectId Append(AcDbEntity* ent, const wchar_t* layer = L"0", const wchar_t* block = ACDB_MODEL_SPACE) {
  AcDbBlockTable* table = nullptr;
  EXPECT_EQ(Db()->getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* space = nullptr;
  EXPECT_EQ(table->getAt(block, space, AcDb::kForWrite), Acad::eOk);
  table->close();
  ent->setLayer(layer);
  AcDbObjectId id;
  EXPECT_EQ(space->appendAcDbEntity(id, ent), Acad::eOk);
  ent->close();
  space->close();
  return id;
}

std::vector<AcDbObjectId> Members(const ads_name ss) {
  std::vector<AcDbObjectId> ids;
  Adesk::Int32 n = 0;
  if (acedSSLength(ss, &n) != RTNORM) return ids;
  for (Adesk::Int32 i = 0; i < n; ++i) {
    ads_name e;
    EXPECT_EQ(acedSSName(ss, i, e), RTNORM);
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, e), Acad::eOk);
    ids.push_back(id);
  }
  return ids;
}

std::wstring HandleOf(AcDbObjectId id) { return L"#" + std::wstring(id.handle().text()); }

int Errno() {
  zhost::SysVarValue v;
  zhost::SysVars::instance().get(L"ERRNO", v);
  return static_cast<int>(v.i);
}

// Model space: a line along y = 0 (layer A1), a circle at (20,0) r 2 (layer A2), a line along
// y = 10 (layer B) and an overlapping line on top of the first one, from (0,0) to (5,0).
class Selection : public zktest::DrawingTest {
 protected:
  void SetUp() override {
    zktest::DrawingTest::SetUp();
    AddLayer(L"A1");
    AddLayer(L"A2");
    AddLayer(L"B");
    line = Append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)), L"A1");
    circle = Append(new AcDbCircle(AcGePoint3d(20, 0, 0), AcGeVector3d::kZAxis, 2), L"A2");
    upper = Append(new AcDbLine(AcGePoint3d(0, 10, 0), AcGePoint3d(10, 10, 0)), L"B");
    top = Append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(5, 0, 0)), L"A1");
  }
  void TearDown() override {
    EXPECT_EQ(zhost::LiveSelectionSets(), 0) << "a test left a selection set";
    zktest::DrawingTest::TearDown();
  }
  std::vector<AcDbObjectId> select(const wchar_t* mode, const void* p1, const void* p2, resbuf* filter,
                                   const std::vector<std::wstring>& lines = {}, int expected = RTNORM) {
    ads_name ss = {0, 0};
    int rc = 0;
    WithAnswers(lines, [&] { rc = acedSSGet(mode, p1, p2, filter, ss); });
    EXPECT_EQ(rc, expected) << (mode ? std::string(mode, mode + wcslen(mode)) : std::string("(null)"));
    std::vector<AcDbObjectId> ids = rc == RTNORM ? Members(ss) : std::vector<AcDbObjectId>();
    if (rc == RTNORM) acedSSFree(ss);
    return ids;
  }
  AcDbObjectId line, circle, upper, top;
};

TEST_F(Selection, FiltersOnTypeAndLayer) {
  struct Row {
    const char* name;
    resbuf* filter;
    std::vector<AcDbObjectId> expected;
  } rows[] = {
      {"none", nullptr, {line, circle, upper, top}},
      {"type", acutBuildList(RTDXF0, L"LINE", RTNONE), {line, upper, top}},
      {"type list", acutBuildList(RTDXF0, L"circle,LINE", RTNONE), {line, circle, upper, top}},
      {"type wildcard", acutBuildList(RTDXF0, L"C*", RTNONE), {circle}},
      {"type negated", acutBuildList(RTDXF0, L"~LINE", RTNONE), {circle}},
      {"type one char", acutBuildList(RTDXF0, L"L?NE", RTNONE), {line, upper, top}},
      {"layer wildcard", acutBuildList(8, L"A*", RTNONE), {line, circle, top}},
      {"type and layer", acutBuildList(RTDXF0, L"LINE", 8, L"A?", RTNONE), {line, top}},
      {"or", acutBuildList(-4, L"<OR", 8, L"B", RTDXF0, L"CIRCLE", -4, L"OR>", RTNONE), {circle, upper}},
      {"not", acutBuildList(-4, L"<NOT", 8, L"A1", -4, L"NOT>", RTNONE), {circle, upper}},
      {"no match", acutBuildList(RTDXF0, L"TEXT", RTNONE), {}},
  };
  for (Row& row : rows) {
    std::vector<AcDbObjectId> got = select(L"X", nullptr, nullptr, row.filter, {}, row.expected.empty() ? RTERROR : RTNORM);
    EXPECT_EQ(got, row.expected) << row.name;
    acutRelRb(row.filter);
  }
  resbuf* unbalanced = acutBuildList(-4, L"<OR", 8, L"B", RTNONE);
  select(L"_X", nullptr, nullptr, unbalanced, {}, RTERROR);
  acutRelRb(unbalanced);
}

TEST_F(Selection, ModesWithPoints) {
  ads_point a = {-1, -1, 0}, b = {11, 1, 0}, c = {4, -5, 0}, d = {4, 15, 0};
  EXPECT_EQ(select(L"_W", a, b, nullptr), (std::vector<AcDbObjectId>{line, top}));
  ads_point e = {9, 1, 0};
  EXPECT_EQ(select(L"_W", a, e, nullptr, {}, RTNORM), (std::vector<AcDbObjectId>{top}));
  EXPECT_EQ(select(L"_C", a, e, nullptr), (std::vector<AcDbObjectId>{line, top}));
  ads_point far1 = {30, 30, 0}, far2 = {40, 40, 0};
  select(L"_C", far1, far2, nullptr, {}, RTERROR);
  EXPECT_EQ(Errno(), 52);

  resbuf* fence = acutBuildList(RTPOINT, c, RTPOINT, d, RTNONE);
  EXPECT_EQ(select(L"_F", fence, nullptr, nullptr), (std::vector<AcDbObjectId>{line, upper, top}));
  acutRelRb(fence);
  ads_point f1 = {20, -5, 0}, f2 = {20, 5, 0};
  fence = acutBuildList(RTPOINT, f1, RTPOINT, f2, RTNONE);
  EXPECT_EQ(select(L"_F", fence, nullptr, nullptr), (std::vector<AcDbObjectId>{circle}));
  acutRelRb(fence);

  EXPECT_EQ(select(L"L", nullptr, nullptr, nullptr), (std::vector<AcDbObjectId>{top}));
  ads_point onCircle = {22.5, 0, 0};
  EXPECT_EQ(select(nullptr, onCircle, nullptr, nullptr), (std::vector<AcDbObjectId>{circle}));
  ads_point onBoth = {2, 0, 0};
  EXPECT_EQ(select(L":E", onBoth, nullptr, nullptr), (std::vector<AcDbObjectId>{top, line}));
}

TEST_F(Selection, InteractiveLines) {
  std::wstring upperHandle = HandleOf(upper);
  EXPECT_EQ(select(nullptr, nullptr, nullptr, nullptr, {L"20,2", upperHandle, L"", L"never read"}),
            (std::vector<AcDbObjectId>{circle, upper}));
  // A miss, a wrong answer, then a window; the filter drops the circle.
  resbuf* lines = acutBuildList(RTDXF0, L"LINE", RTNONE);
  EXPECT_EQ(select(L"", nullptr, nullptr, lines, {L"50,50", L"what", L"C 9,-1 21,11", L""}),
            (std::vector<AcDbObjectId>{line, upper}));
  acutRelRb(lines);
  EXPECT_EQ(select(L"_:S", nullptr, nullptr, nullptr, {L"5,10", L"20,2"}), (std::vector<AcDbObjectId>{upper}));
  EXPECT_EQ(select(nullptr, nullptr, nullptr, nullptr, {L"ALL", L""}).size(), 4u);
  select(nullptr, nullptr, nullptr, nullptr, {L"*cancel*"}, RTCAN);
  select(nullptr, nullptr, nullptr, nullptr, {L""}, RTERROR);
  std::wstring out = WithAnswers({L"what", L""}, [] {
    ads_name ss;
    acedSSGet(nullptr, nullptr, nullptr, nullptr, ss);
  });
  EXPECT_NE(out.find(L"*Invalid selection*"), std::wstring::npos) << out.c_str();
}

TEST_F(Selection, SetFunctions) {
  ads_name ss, e1, e2, same;
  ASSERT_EQ(acdbGetAdsName(e1, line), Acad::eOk);
  ASSERT_EQ(acdbGetAdsName(e2, circle), Acad::eOk);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
  Adesk::Int32 n = -1;
  EXPECT_EQ(acedSSLength(ss, &n), RTNORM);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(acedSSAdd(e1, ss, same), RTNORM);
  EXPECT_EQ(same[0], ss[0]);
  EXPECT_EQ(acedSSAdd(e2, ss, same), RTNORM);
  EXPECT_EQ(acedSSAdd(e1, ss, same), RTNORM);  // already there
  EXPECT_EQ(Members(ss), (std::vector<AcDbObjectId>{line, circle}));
  EXPECT_EQ(acedSSMemb(e2, ss), RTNORM);
  EXPECT_EQ(acedSSDel(e1, ss), RTNORM);
  EXPECT_EQ(acedSSDel(e1, ss), RTERROR);
  EXPECT_EQ(acedSSMemb(e1, ss), RTERROR);
  ads_name out;
  EXPECT_EQ(acedSSName(ss, 1, out), RTERROR);
  EXPECT_EQ(acedSSName(ss, -1, out), RTERROR);
  EXPECT_EQ(acedSSFree(ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
  EXPECT_EQ(acedSSLength(ss, &n), RTERROR);

  ads_name first, next, last;
  ASSERT_EQ(acdbEntNext(nullptr, first), RTNORM);
  ASSERT_EQ(acdbEntNext(first, next), RTNORM);
  AcDbObjectId id;
  acdbGetObjectId(id, next);
  EXPECT_EQ(id, circle);
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  acdbGetObjectId(id, last);
  EXPECT_EQ(id, top);
  EXPECT_EQ(acdbEntNext(last, next), RTERROR);
}

TEST_F(Selection, PickfirstIsClearedByTheCommandThatUsedIt) {
  std::vector<AcDbObjectId> seen;
  zhost::CommandProcessor::instance().addBuiltin(L"ZKUSEFIRST", [&] {
    ads_name ss;
    if (acedSSGet(L"_I", nullptr, nullptr, nullptr, ss) != RTNORM) return;
    seen = Members(ss);
    acedSSFree(ss);
  });
  zhost::CommandProcessor::instance().addBuiltin(L"ZKIGNORE", [] {});
  ads_name pick, e;
  acdbGetAdsName(e, circle);
  ASSERT_EQ(acedSSAdd(e, nullptr, pick), RTNORM);
  ASSERT_EQ(acedSSSetFirst(pick, nullptr), RTNORM);
  acedSSFree(pick);

  zktest::RunLines({L"ZKIGNORE"});
  resbuf* got = nullptr;
  ASSERT_EQ(acedSSGetFirst(nullptr, &got), RTNORM);
  ASSERT_NE(got, nullptr) << "a command that did not use the pickfirst set keeps it";
  EXPECT_EQ(got->restype, RTPICKS);
  EXPECT_EQ(Members(got->resval.rlname), (std::vector<AcDbObjectId>{circle}));
  acedSSFree(got->resval.rlname);
  acutRelRb(got);

  zktest::RunLines({L"ZKUSEFIRST"});
  EXPECT_EQ(seen, (std::vector<AcDbObjectId>{circle}));
  ASSERT_EQ(acedSSGetFirst(nullptr, &got), RTNORM);
  EXPECT_EQ(got, nullptr);
  select(L"I", nullptr, nullptr, nullptr, {}, RTERROR);
}

TEST_F(Selection, EntSelByPointAndByHandle) {
  struct Row {
    const char* name;
    std::vector<std::wstring> lines;
    int status;
    AcDbObjectId expected;
    int errnoValue;
  } rows[] = {
      {"point", {L"5,10.5"}, RTNORM, upper, -1},
      {"topmost of two", {L"2,0"}, RTNORM, top, -1},
      {"handle", {HandleOf(circle)}, RTNORM, circle, -1},
      {"miss then hit", {L"50,50", L"20,2"}, RTNORM, circle, -1},
      {"unknown handle then hit", {L"#FFFFF", L"5,10"}, RTNORM, upper, -1},
      {"enter", {L""}, RTERROR, AcDbObjectId(), 52},
      {"cancel", {L"*cancel*"}, RTCAN, AcDbObjectId(), -1},
  };
  for (Row& row : rows) {
    ads_name e = {0, 0};
    ads_point p = {0, 0, 0};
    int rc = 0;
    std::wstring out = WithAnswers(row.lines, [&] { rc = acedEntSel(nullptr, e, p); });
    EXPECT_EQ(rc, row.status) << row.name;
    EXPECT_NE(out.find(L"Select object: "), std::wstring::npos) << row.name;
    if (row.errnoValue >= 0) {
      EXPECT_EQ(Errno(), row.errnoValue) << row.name;
    }
    if (rc != RTNORM) continue;
    AcDbObjectId id;
    acdbGetObjectId(id, e);
    EXPECT_EQ(id, row.expected) << row.name;
  }
  std::wstring out = WithAnswers({L"50,50", L"*cancel*"}, [] {
    ads_name e;
    ads_point p;
    acedEntSel(L"\nPick: ", e, p);
  });
  EXPECT_NE(out.find(L"*Invalid selection*"), std::wstring::npos) << out.c_str();

  // With keywords of acedInitGet a keyword answers.
  WithAnswers({L"add"}, [] {
    ads_name e;
    ads_point p;
    acedInitGet(RSG_NONULL, L"Add Remove");
    EXPECT_EQ(acedEntSel(L"Pick: ", e, p), RTKWORD);
    ACHAR kw[16];
    acedGetInput(kw);
    EXPECT_STREQ(kw, L"Add");
  });
}

TEST_F(Selection, DrawOrderDecidesWhichOfTwoIsOnTop) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(Db()->getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite), Acad::eOk);
  table->close();
  AcDbSortentsTable* order = nullptr;
  ASSERT_EQ(space->getSortentsTable(order, AcDb::kForWrite, true), Acad::eOk);
  AcDbObjectIdArray ids;
  ids.append(top);
  ASSERT_EQ(order->moveToBottom(ids), Acad::eOk);
  order->close();
  space->close();
  ads_point at = {2, 0, 0};
  EXPECT_EQ(select(nullptr, at, nullptr, nullptr), (std::vector<AcDbObjectId>{line}));
}

TEST_F(Selection, NestedPickThroughABlockReference) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(Db()->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbBlockTableRecord* block = new AcDbBlockTableRecord();
  block->setName(L"MARK");
  AcDbObjectId blockId;
  ASSERT_EQ(table->add(blockId, block), Acad::eOk);
  block->close();
  table->close();
  AcDbObjectId inner = Append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)), L"0", L"MARK");
  AcDbBlockReference* ref = new AcDbBlockReference(AcGePoint3d(100, 100, 0), blockId);
  AcDbObjectId refId = Append(ref);

  ads_name e;
  ads_point p = {0, 0, 0};
  ads_matrix xform;
  resbuf* chain = nullptr;
  int rc = 0;
  WithAnswers({L"100.5,100"}, [&] { rc = acedNEntSelP(L"Pick: ", e, p, 0, xform, &chain); });
  ASSERT_EQ(rc, RTNORM);
  AcDbObjectId id;
  acdbGetObjectId(id, e);
  EXPECT_EQ(id, inner);
  EXPECT_DOUBLE_EQ(xform[0][3], 100);
  EXPECT_DOUBLE_EQ(xform[1][3], 100);
  EXPECT_DOUBLE_EQ(xform[0][0], 1);
  ASSERT_NE(chain, nullptr);
  EXPECT_EQ(chain->restype, RTENAME);
  acdbGetObjectId(id, chain->resval.rlname);
  EXPECT_EQ(id, refId);
  EXPECT_EQ(chain->rbnext, nullptr);
  acutRelRb(chain);

  // The top-level pick is the reference itself; a given point needs no prompt.
  WithAnswers({L"100.5,100"}, [&] {
    ads_point q;
    EXPECT_EQ(acedEntSel(nullptr, e, q), RTNORM);
  });
  acdbGetObjectId(id, e);
  EXPECT_EQ(id, refId);
  ads_point given = {9.5, 0, 0};
  chain = nullptr;
  EXPECT_EQ(acedNEntSelP(nullptr, e, given, 1, xform, &chain), RTNORM);
  acdbGetObjectId(id, e);
  EXPECT_EQ(id, line);
  EXPECT_EQ(chain, nullptr);
  EXPECT_DOUBLE_EQ(xform[0][3], 0);
}

}  // namespace
