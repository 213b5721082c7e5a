// Custom entities are seen by picks through what they draw: an entity of the test's own class
// with two polylines under the selection markers 5 and 8 is hit near either, and the selection
// set reports the marker of the polyline nearest to the pick.
#include <gtest/gtest.h>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/HitTest.h"
#include "host/ed/SelectionSet.h"
#include "host/gi/AcGiWorldDraw.h"
#include "host/gi/Regenerate.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/ads.h"
#include "tests/host/edinput/InputSupport.h"

class ZkTwoMarks : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(ZkTwoMarks);
  Adesk::Boolean subWorldDraw(AcGiWorldDraw* wd) override {
    AcGePoint3d lower[2] = {AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)};
    AcGePoint3d upper[2] = {AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0)};
    wd->subEntityTraits().setSelectionMarker(5);
    wd->subEntityTraits().setColor(1);
    wd->geometry().polyline(2, lower);
    wd->subEntityTraits().setSelectionMarker(8);
    AcCmEntityColor rgb(10, 20, 30);
    wd->subEntityTraits().setTrueColor(rgb);
    wd->geometry().polyline(2, upper);
    return Adesk::kTrue;
  }
};
ACRX_DXF_DEFINE_MEMBERS(ZkTwoMarks, AcDbEntity, 0, 0, AcDb::kAllAllowedBits, ZKTWOMARKS, ZkGiTests)

namespace {

class PickMarkers : public zktest::DrawingTest {
 protected:
  void SetUp() override {
    zktest::DrawingTest::SetUp();
    ZkTwoMarks::rxInit();
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite));
    auto* ent = new ZkTwoMarks;
    EXPECT_EQ(Acad::eOk, ms->appendAcDbEntity(id, ent));
    ent->close();
    ms->close();
  }
  void TearDown() override {
    zktest::DrawingTest::TearDown();
    deleteAcRxClass(ZkTwoMarks::desc());
  }

  // The marker acedSSNameX gives for a pick at (x, y); -1 when nothing was picked.
  long MarkerAt(double x, double y) {
    ads_point pt = {x, y, 0};
    ads_name ss = {0, 0};
    if (acedSSGet(nullptr, pt, nullptr, nullptr, ss) != RTNORM) return -1;
    resbuf* info = nullptr;
    EXPECT_EQ(RTNORM, acedSSNameX(&info, ss, 0));
    long marker = -2;
    if (info && info->rbnext && info->rbnext->rbnext) {
      EXPECT_EQ(1, info->resval.rint);  // a pick
      ads_name ename;
      EXPECT_EQ(Acad::eOk, acdbGetAdsName(ename, id));
      EXPECT_EQ(ename[0], info->rbnext->resval.rlname[0]);
      EXPECT_EQ(RTLONG, info->rbnext->rbnext->restype);
      marker = info->rbnext->rbnext->resval.rlong;
    }
    acutRelRb(info);
    acedSSFree(ss);
    return marker;
  }

  AcDbObjectId id;
};

TEST_F(PickMarkers, PrimitivesCarryTheirMarkersAndColours) {
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(ent, id, AcDb::kForRead));
  zhost::RegenRecord record;
  const zhost::EntityGraphics& g = zhost::DrawEntity(ent, record);
  ent->close();
  ASSERT_EQ(2u, g.primitives.size());
  EXPECT_EQ(5, g.primitives[0].marker);
  EXPECT_EQ(1, g.primitives[0].resolvedColorIndex);
  EXPECT_EQ(8, g.primitives[1].marker);
  EXPECT_TRUE(g.primitives[1].resolvedColor.isByColor());
  EXPECT_EQ(20, g.primitives[1].resolvedColor.green());
}

TEST_F(PickMarkers, PickNearEachPolylineGivesItsMarker) {
  EXPECT_EQ(5, MarkerAt(4, 0.5));
  EXPECT_EQ(8, MarkerAt(4, 4.5));
  EXPECT_EQ(-1, MarkerAt(4, 20));  // beyond the pick box of both
}

TEST_F(PickMarkers, EntityWithoutOwnMeasureIsMeasuredToWhatItDraws) {
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(ent, id, AcDb::kForRead));
  double d = -1;
  EXPECT_TRUE(zhost::EntityDistance(ent, AcGePoint3d(5, 2, 0), d));
  ent->close();
  EXPECT_NEAR(2.0, d, 1e-9);  // to the lower polyline, not 0 as its extents would say
}

TEST_F(PickMarkers, SetsMadeWithoutPickingReportNoMarker) {
  ads_name ss = {0, 0};
  ASSERT_EQ(RTNORM, acedSSGet(L"X", nullptr, nullptr, nullptr, ss));
  resbuf* info = nullptr;
  ASSERT_EQ(RTNORM, acedSSNameX(&info, ss, 0));
  ASSERT_TRUE(info && info->rbnext && info->rbnext->rbnext);
  EXPECT_EQ(0, info->resval.rint);
  EXPECT_EQ(0, info->rbnext->rbnext->resval.rlong);
  EXPECT_EQ(nullptr, info->rbnext->rbnext->rbnext);
  acutRelRb(info);
  EXPECT_EQ(RTERROR, acedSSNameX(&info, ss, 1));
  EXPECT_EQ(nullptr, info);
  acedSSFree(ss);
}

}  // namespace
