// The current UCS: the UCS command's forms, the read-only UCS variables, acedTrans between the
// world, the UCS, the display and entity systems, and points answered in a rotated UCS.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbUcs.h"
#include "host/ed/DrawCommands.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/SysVars.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

using zktest::RunLines;
using zktest::WithAnswers;

AcGePoint3d Var(const wchar_t* name) {
  resbuf rb;
  EXPECT_EQ(RTNORM, acedGetVar(name, &rb));
  return AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
}

bool Near(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) < 1e-9; }

// Origin (10,0,0), x along world y: UCS (1,0) is world (10,1).
void RotatedUcs() {
  zhost::Ucs ucs;
  ucs.origin.set(10, 0, 0);
  ucs.xAxis = AcGeVector3d::kYAxis;
  ucs.yAxis = -AcGeVector3d::kXAxis;
  ASSERT_TRUE(zhost::SetCurrentUcs(ucs));
}

class Ucs : public zktest::DrawingTest {};

TEST_F(Ucs, CommandForms) {
  struct Row {
    const char* name;
    std::vector<std::wstring> lines;
    AcGePoint3d origin, xDir, yDir;
  } rows[] = {
      {"origin point", {L"UCS", L"5,6"}, {5, 6, 0}, {1, 0, 0}, {0, 1, 0}},
      {"origin keyword", {L"UCS", L"o", L"1,2,3"}, {1, 2, 3}, {1, 0, 0}, {0, 1, 0}},
      {"z rotation", {L"UCS", L"z", L"90"}, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}},
      {"z default", {L"UCS", L"Z", L""}, {0, 0, 0}, {0, 1, 0}, {-1, 0, 0}},
      {"three points", {L"UCS", L"3", L"10,0", L"10,5", L"0,0"}, {10, 0, 0}, {0, 1, 0}, {-1, 0, 0}},
      {"three points in a moved UCS", {L"UCS", L"5,0", L"UCS", L"3point", L"0,0", L"0,1", L"-1,0"}, {5, 0, 0},
       {0, 1, 0}, {-1, 0, 0}},
      {"world after z", {L"UCS", L"z", L"30", L"UCS", L"w"}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
      {"enter is world", {L"UCS", L"4,4", L"UCS", L""}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
      {"previous", {L"UCS", L"4,4", L"UCS", L"z", L"90", L"UCS", L"p"}, {4, 4, 0}, {1, 0, 0}, {0, 1, 0}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_TRUE(zhost::SetCurrentUcs(zhost::Ucs()));
    RunLines(row.lines);
    EXPECT_TRUE(Near(row.origin, Var(L"UCSORG")));
    EXPECT_TRUE(Near(row.xDir, Var(L"UCSXDIR")));
    EXPECT_TRUE(Near(row.yDir, Var(L"UCSYDIR")));
  }
  // The variables are the drawing's: acdbUcsMatrix reads the same UCS, and modules cannot set them.
  AcGeMatrix3d mat;
  ASSERT_EQ(Acad::eOk, acdbUcsMatrix(mat));
  EXPECT_TRUE(Near(mat * AcGePoint3d(0, 0, 0), AcGePoint3d(4, 4, 0)));
  resbuf rb;
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = rb.resval.rpoint[1] = rb.resval.rpoint[2] = 0;
  EXPECT_EQ(RTERROR, acedSetVar(L"UCSORG", &rb));
}

TEST_F(Ucs, PreviousWithoutHistory) {
  EXPECT_TRUE(zktest::Contains(RunLines({L"UCS", L"5,5", L"UCS", L"p", L"UCS", L"p"}), L"No previous UCS."));
  EXPECT_TRUE(Near(AcGePoint3d(0, 0, 0), Var(L"UCSORG")));
}

TEST_F(Ucs, DegeneratePointsKeepTheUcs) {
  RotatedUcs();
  std::wstring transcript = RunLines({L"UCS", L"3", L"0,0", L"1,0", L"2,0"});
  EXPECT_TRUE(zktest::Contains(transcript, L"do not define a coordinate system"));
  EXPECT_TRUE(Near(AcGePoint3d(10, 0, 0), Var(L"UCSORG")));
}

resbuf Code(short code) {
  resbuf rb;
  rb.restype = RTSHORT;
  rb.resval.rint = code;
  rb.rbnext = nullptr;
  return rb;
}

resbuf Extrusion(double x, double y, double z) {
  resbuf rb;
  rb.restype = RT3DPOINT;
  rb.resval.rpoint[0] = x;
  rb.resval.rpoint[1] = y;
  rb.resval.rpoint[2] = z;
  rb.rbnext = nullptr;
  return rb;
}

TEST_F(Ucs, TransBetweenSystems) {
  RotatedUcs();
  AcDbCircle* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kXAxis, 1);
  AcDbObjectId circleId;
  ASSERT_EQ(Acad::eOk, zhost::AppendEntity(zhost::CommandDatabase(), circle, false, &circleId));
  resbuf circleSystem;
  circleSystem.restype = RTENAME;
  circleSystem.rbnext = nullptr;
  ASSERT_EQ(Acad::eOk, zhost::AdsNameOf(circleId, circleSystem.resval.rlname));

  struct Row {
    const char* name;
    resbuf from, to;
    int disp;
    AcGePoint3d in, out;
  } rows[] = {
      {"ucs to world", Code(1), Code(0), 0, {1, 0, 0}, {10, 1, 0}},
      {"world to ucs", Code(0), Code(1), 0, {10, 1, 0}, {1, 0, 0}},
      {"ucs displacement", Code(1), Code(0), 1, {1, 0, 0}, {0, 1, 0}},
      {"display is the ucs", Code(2), Code(1), 0, {3, 4, 5}, {3, 4, 5}},
      {"world z extrusion is the world", Extrusion(0, 0, 1), Code(0), 0, {1, 2, 3}, {1, 2, 3}},
      // The arbitrary axis of x: its x axis is world y, its y axis world z.
      {"x extrusion", Extrusion(1, 0, 0), Code(0), 0, {1, 2, 3}, {3, 1, 2}},
      {"entity system", circleSystem, Code(0), 0, {1, 2, 3}, {3, 1, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ads_point in = {row.in.x, row.in.y, row.in.z}, out = {0, 0, 0};
    ASSERT_EQ(RTNORM, acedTrans(in, &row.from, &row.to, row.disp, out));
    EXPECT_TRUE(Near(row.out, AcGePoint3d(out[0], out[1], out[2])));
  }
  ads_point p = {0, 0, 0}, q;
  resbuf paper = Code(3), world = Code(0);
  EXPECT_EQ(RTERROR, acedTrans(p, &paper, &world, 0, q));
  EXPECT_EQ(RTERROR, acedTrans(p, nullptr, &world, 0, q));
}

TEST_F(Ucs, PointsAreAnsweredInTheUcs) {
  RotatedUcs();
  ads_point p = {0, 0, 0};
  WithAnswers({L"1,2"}, [&] { EXPECT_EQ(RTNORM, acedGetPoint(nullptr, L"Point: ", p)); });
  // acedGetPoint gives the UCS point as typed ...
  EXPECT_DOUBLE_EQ(1, p[0]);
  EXPECT_DOUBLE_EQ(2, p[1]);
  // ... and the host's commands build in the world.
  RunLines({L"LINE", L"0,0", L"1,0", L""});
  ads_name last;
  ASSERT_EQ(RTNORM, acdbEntLast(last));
  AcDbObjectId id;
  ASSERT_EQ(Acad::eOk, acdbGetObjectId(id, last));
  AcDbLine* line = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(line, id, AcDb::kForRead));
  EXPECT_TRUE(Near(AcGePoint3d(10, 0, 0), line->startPoint()));
  EXPECT_TRUE(Near(AcGePoint3d(10, 1, 0), line->endPoint()));
  line->close();
}

}  // namespace
