// What the chain creation asks of the selection: a fence ("_F") selects the curves it crosses,
// polylines and block references (through their contents) included, with its points given in
// the UCS; acedNEntSelP picks into nested block references with their transform and chain.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/ed/DrawCommands.h"
#include "host/ed/EntitySelect.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/WinMsgFilter.h"
#include "host/win/WinMessages.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

const double kPi = 3.14159265358979323846;

class PickAndFence : public zktest::DrawingTest {
 protected:
  void SetUp() override {
    zktest::DrawingTest::SetUp();
    db_ = zhost::CommandDatabase();
    // SQUARE: the sides of 0..10 x 0..10; OUTER: a SQUARE at (20,0).
    square_ = MakeBlock(L"SQUARE");
    for (int i = 0; i < 4; ++i) {
      const double c[5][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
      AddTo(square_, new AcDbLine(AcGePoint3d(c[i][0], c[i][1], 0), AcGePoint3d(c[i + 1][0], c[i + 1][1], 0)));
    }
    outer_ = MakeBlock(L"OUTER");
    innerRef_ = AddTo(outer_, new AcDbBlockReference(AcGePoint3d(20, 0, 0), square_));
  }

  AcDbObjectId MakeBlock(const wchar_t* name) {
    AcDbBlockTable* table = nullptr;
    EXPECT_EQ(Acad::eOk, db_->getBlockTable(table, AcDb::kForWrite));
    auto* block = new AcDbBlockTableRecord;
    block->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, table->add(id, block));
    block->close();
    table->close();
    return id;
  }
  AcDbObjectId AddTo(AcDbObjectId owner, AcDbEntity* ent) {
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, zhost::AppendEntityTo(owner, ent, &id));
    return id;
  }
  AcDbObjectId Add(AcDbEntity* ent) {
    AcDbObjectId id;
    EXPECT_EQ(Acad::eOk, zhost::AppendEntity(db_, ent, false, &id));
    return id;
  }

  std::set<AcDbObjectId> Fence(const std::vector<AcGePoint3d>& ucsPoints) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const AcGePoint3d& p : ucsPoints) {
      resbuf* rb = acutNewRb(RT3DPOINT);
      rb->resval.rpoint[0] = p.x;
      rb->resval.rpoint[1] = p.y;
      rb->resval.rpoint[2] = p.z;
      *tail = rb;
      tail = &rb->rbnext;
    }
    ads_name ss = {0, 0};
    std::set<AcDbObjectId> found;
    if (acedSSGet(L"_F", head, nullptr, nullptr, ss) == RTNORM) {
      if (const std::vector<AcDbObjectId>* ids = zhost::SelectionSetIds(ss)) found.insert(ids->begin(), ids->end());
      acedSSFree(ss);
    }
    acutRelRb(head);
    return found;
  }

  AcDbDatabase* db_ = nullptr;
  AcDbObjectId square_, outer_, innerRef_;
};

AcDbPolyline* Zigzag() {
  auto* pl = new AcDbPolyline;
  pl->addVertexAt(0, AcGePoint2d(0, 50));
  pl->addVertexAt(1, AcGePoint2d(10, 60), 0.5);
  pl->addVertexAt(2, AcGePoint2d(20, 50));
  return pl;
}

TEST_F(PickAndFence, FenceSelectsWhatItCrosses) {
  AcDbObjectId crossedLine = Add(new AcDbLine(AcGePoint3d(0, 30, 0), AcGePoint3d(10, 30, 0)));
  AcDbObjectId missedLine = Add(new AcDbLine(AcGePoint3d(0, 40, 0), AcGePoint3d(3, 40, 0)));
  AcDbObjectId polyline = Add(Zigzag());
  AcDbObjectId crossedRef = Add(new AcDbBlockReference(AcGePoint3d(0, 0, 0), square_));
  // Its box holds the fence's line, but no side crosses it.
  auto* bigRef = new AcDbBlockReference(AcGePoint3d(-100, -100, 0), square_);
  bigRef->setScaleFactors(AcGeScale3d(30, 30, 1));
  AcDbObjectId enclosingRef = Add(bigRef);
  AcDbObjectId nestedRef = Add(new AcDbBlockReference(AcGePoint3d(-20, 100, 0), outer_));

  std::set<AcDbObjectId> found = Fence({{5, -5, 0}, {5, 70, 0}, {5, 105, 0}});
  EXPECT_EQ(std::set<AcDbObjectId>({crossedLine, polyline, crossedRef, nestedRef}), found);
  EXPECT_EQ(0u, found.count(missedLine));
  EXPECT_EQ(0u, found.count(enclosingRef));

  // In a UCS turned a quarter about its origin (0,0) the same fence is given as UCS points.
  zhost::Ucs ucs;
  ucs.xAxis = AcGeVector3d::kYAxis;
  ucs.yAxis = -AcGeVector3d::kXAxis;
  ASSERT_TRUE(zhost::SetCurrentUcs(ucs));
  EXPECT_EQ(found, Fence({{-5, -5, 0}, {70, -5, 0}, {105, -5, 0}}));
}

TEST_F(PickAndFence, NestedPickGivesTheInnermostEntityItsTransformAndTheReferences) {
  // OUTER at (100,0) turned a quarter: SQUARE's bottom side (0,0)-(10,0) lies at x 100, y 20..30.
  auto* ref = new AcDbBlockReference(AcGePoint3d(100, 0, 0), outer_);
  ref->setRotation(kPi / 2);
  AcDbObjectId outerRef = Add(ref);

  ads_name picked = {0, 0};
  ads_point at = {0, 0, 0};
  ads_matrix xform;
  resbuf* chain = nullptr;
  int rc = RTERROR;
  zktest::WithAnswers({L"100,25"}, [&] { rc = acedNEntSelP(L"Select: ", picked, at, 0, xform, &chain); });
  ASSERT_EQ(RTNORM, rc);
  AcDbObjectId id;
  ASSERT_EQ(Acad::eOk, acdbGetObjectId(id, picked));
  AcDbLine* line = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(line, id, AcDb::kForRead));
  EXPECT_TRUE(line->startPoint().isEqualTo(AcGePoint3d(0, 0, 0)));
  EXPECT_TRUE(line->endPoint().isEqualTo(AcGePoint3d(10, 0, 0)));
  line->close();
  // The matrix carries block points into the world: (5,0) of SQUARE is (100,25).
  double x = xform[0][0] * 5 + xform[0][3], y = xform[1][0] * 5 + xform[1][3];
  EXPECT_NEAR(100, x, 1e-9);
  EXPECT_NEAR(25, y, 1e-9);
  // The references holding it, innermost first.
  ASSERT_NE(nullptr, chain);
  ASSERT_NE(nullptr, chain->rbnext);
  EXPECT_EQ(nullptr, chain->rbnext->rbnext);
  AcDbObjectId first, second;
  ASSERT_EQ(Acad::eOk, acdbGetObjectId(first, chain->resval.rlname));
  ASSERT_EQ(Acad::eOk, acdbGetObjectId(second, chain->rbnext->resval.rlname));
  EXPECT_EQ(innerRef_, first);
  EXPECT_EQ(outerRef, second);
  acutRelRb(chain);
  EXPECT_DOUBLE_EQ(100, at[0]);
  EXPECT_DOUBLE_EQ(25, at[1]);
}

int clicks = 0;
bool TakeClicks(MSG* msg) {
  if (msg->message == WM_LBUTTONDOWN) ++clicks;
  return true;
}

TEST_F(PickAndFence, ClickAtTheCommandPromptGoesToTheFiltersThenSelects) {
  AcDbObjectId line = Add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
  clicks = 0;
  ASSERT_TRUE(acedRegisterFilterWinMsg(TakeClicks));
  zktest::RunLines({L"%click 5,0"});
  acedRemoveFilterWinMsg(TakeClicks);
  EXPECT_EQ(1, clicks);
  resbuf* gset = nullptr;
  resbuf* pset = nullptr;
  ASSERT_EQ(RTNORM, acedSSGetFirst(&gset, &pset));
  EXPECT_EQ(nullptr, pset);  // the filter took the click

  zktest::RunLines({L"%click 5,0"});
  ASSERT_EQ(RTNORM, acedSSGetFirst(&gset, &pset));
  ASSERT_NE(nullptr, pset);
  const std::vector<AcDbObjectId>* ids = zhost::SelectionSetIds(pset->resval.rlname);
  ASSERT_NE(nullptr, ids);
  EXPECT_EQ(std::vector<AcDbObjectId>({line}), *ids);
  acedSSFree(pset->resval.rlname);
  acutRelRb(pset);
  if (gset) acutRelRb(gset);
}

}  // namespace
