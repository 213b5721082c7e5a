// intersectWith between the curves a fence line can cross (line, arc, circle, lightweight and 2D
// polylines with line and arc segments, xline) with the four extension modes, and block
// references through their transformed contents.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbXline.h"
#include "host/ge/AcGeDoubleArray.h"

namespace {

const double kPi = 3.14159265358979323846;

typedef std::function<AcDbEntity*()> Make;

Make Line(double x1, double y1, double x2, double y2) {
  return [=] { return new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)); };
}
Make Arc(double cx, double cy, double r, double start, double end) {
  return [=] { return new AcDbArc(AcGePoint3d(cx, cy, 0), r, start, end); };
}
Make Circle(double cx, double cy, double r) {
  return [=] { return new AcDbCircle(AcGePoint3d(cx, cy, 0), AcGeVector3d::kZAxis, r); };
}
Make Xline(double x, double y, double dx, double dy) {
  return [=] {
    auto* xl = new AcDbXline;
    xl->setBasePoint(AcGePoint3d(x, y, 0));
    xl->setUnitDir(AcGeVector3d(dx, dy, 0));
    return xl;
  };
}
// (0,0) -> (10,0) straight, then a half circle bulging to +x up to (10,10), then straight to (0,10).
Make Lwpoly() {
  return [] {
    auto* pl = new AcDbPolyline;
    pl->addVertexAt(0, AcGePoint2d(0, 0));
    pl->addVertexAt(1, AcGePoint2d(10, 0), 1.0);
    pl->addVertexAt(2, AcGePoint2d(10, 10));
    pl->addVertexAt(3, AcGePoint2d(0, 10));
    return pl;
  };
}
Make Poly2d() {
  return [] {
    AcGePoint3dArray vertices;
    vertices.append(AcGePoint3d(0, 0, 0));
    vertices.append(AcGePoint3d(10, 0, 0));
    vertices.append(AcGePoint3d(10, 10, 0));
    vertices.append(AcGePoint3d(0, 10, 0));
    AcGeDoubleArray bulges;
    bulges.append(0.0);
    bulges.append(1.0);
    bulges.append(0.0);
    bulges.append(0.0);
    return new AcDb2dPolyline(AcDb::k2dSimplePoly, vertices, 0.0, false, 0.0, 0.0, &bulges);
  };
}

struct Case {
  const char* name;
  Make a, b;
  AcDb::Intersect mode;
  std::vector<AcGePoint3d> expected;
};

void ExpectPoints(const AcGePoint3dArray& pts, const std::vector<AcGePoint3d>& expected) {
  ASSERT_EQ(static_cast<int>(expected.size()), pts.length());
  for (const AcGePoint3d& want : expected) {
    bool found = false;
    for (int i = 0; i < pts.length(); ++i) found = found || pts[i].distanceTo(want) < 1e-9;
    EXPECT_TRUE(found) << want.x << "," << want.y;
  }
}

TEST(CurveIntersect, PairsAndExtensionModes) {
  const double s = 5 * std::sqrt(3.0) / 2;  // where y = 2.5 meets a circle of radius 5
  std::vector<Case> cases = {
      {"arc arc", Arc(0, 0, 5, 0, kPi), Arc(5, 0, 5, kPi / 2, kPi), AcDb::kOnBothOperands, {{2.5, s, 0}}},
      {"arc arc extended to circles", Arc(0, 0, 5, 0, kPi), Arc(5, 0, 5, kPi / 2, kPi), AcDb::kExtendBoth,
       {{2.5, s, 0}, {2.5, -s, 0}}},
      {"arc misses line", Arc(0, 0, 5, 0, kPi / 4), Line(-10, 2.5, -1, 2.5), AcDb::kOnBothOperands, {}},
      {"arc extended meets line", Arc(0, 0, 5, 0, kPi / 4), Line(-10, 2.5, -1, 2.5), AcDb::kExtendThis,
       {{-s, 2.5, 0}}},
      {"circle xline", Circle(0, 0, 5), Xline(3, -20, 0, 1), AcDb::kOnBothOperands, {{3, 4, 0}, {3, -4, 0}}},
      {"xline arc", Xline(-20, 4, 1, 0), Arc(0, 0, 5, 0, kPi / 2), AcDb::kOnBothOperands, {{3, 4, 0}}},
      {"xlines", Xline(0, 0, 1, 1), Xline(10, 0, -1, 1), AcDb::kOnBothOperands, {{5, 5, 0}}},
      {"lwpoly line across both straights", Lwpoly(), Line(5, -1, 5, 11), AcDb::kOnBothOperands,
       {{5, 0, 0}, {5, 10, 0}}},
      {"lwpoly arc segment", Lwpoly(), Line(12, 5, 20, 5), AcDb::kOnBothOperands, {{15, 5, 0}}},
      {"lwpoly short line extended", Lwpoly(), Line(14, 5, 13, 5), AcDb::kExtendArg, {{15, 5, 0}}},
      {"2d poly like lwpoly", Poly2d(), Line(5, -1, 5, 11), AcDb::kOnBothOperands, {{5, 0, 0}, {5, 10, 0}}},
      {"2d poly arc segment", Poly2d(), Line(12, 5, 20, 5), AcDb::kOnBothOperands, {{15, 5, 0}}},
      {"lwpoly circle", Lwpoly(), Circle(5, 0, 3), AcDb::kOnBothOperands, {{2, 0, 0}, {8, 0, 0}}},
      {"line circle tangent", Line(-10, 5, 10, 5), Circle(0, 0, 5), AcDb::kOnBothOperands, {{0, 5, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbEntity> a(c.a()), b(c.b());
    AcGePoint3dArray pts;
    ASSERT_EQ(Acad::eOk, a->intersectWith(b.get(), c.mode, pts));
    ExpectPoints(pts, c.expected);
  }
}

// A block "SQUARE" (origin 0,0) holding the sides of the unit-free square 0..10.
class BlockIntersect : public ::testing::Test {
 protected:
  void SetUp() override {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(Acad::eOk, db_.getBlockTable(table, AcDb::kForWrite));
    auto* block = new AcDbBlockTableRecord;
    block->setName(L"SQUARE");
    ASSERT_EQ(Acad::eOk, table->add(blockId_, block));
    table->close();
    const double corners[5][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    for (int i = 0; i < 4; ++i) {
      auto* side = new AcDbLine(AcGePoint3d(corners[i][0], corners[i][1], 0),
                                AcGePoint3d(corners[i + 1][0], corners[i + 1][1], 0));
      ASSERT_EQ(Acad::eOk, block->appendAcDbEntity(side));
      side->close();
    }
    block->close();
  }
  AcDbDatabase db_;
  AcDbObjectId blockId_;
};

TEST_F(BlockIntersect, ContentsMeetThroughTheReferenceTransform) {
  // Scaled by 2 and turned a quarter: the square covers x -20..0, y 100..120.
  AcDbBlockReference ref(AcGePoint3d(0, 100, 0), blockId_);
  ref.setScaleFactors(AcGeScale3d(2, 2, 2));
  ref.setRotation(kPi / 2);
  AcDbLine fence(AcGePoint3d(-5, 90, 0), AcGePoint3d(-5, 130, 0));
  AcGePoint3dArray pts;
  ASSERT_EQ(Acad::eOk, ref.intersectWith(&fence, AcDb::kOnBothOperands, pts));
  ExpectPoints(pts, {{-5, 100, 0}, {-5, 120, 0}});
  // The curve asks the reference the other way round; the extension mode follows the roles.
  AcDbLine shortLine(AcGePoint3d(-5, 105, 0), AcGePoint3d(-5, 106, 0));
  AcGePoint3dArray none, extended;
  ASSERT_EQ(Acad::eOk, shortLine.intersectWith(&ref, AcDb::kOnBothOperands, none));
  EXPECT_EQ(0, none.length());
  ASSERT_EQ(Acad::eOk, shortLine.intersectWith(&ref, AcDb::kExtendThis, extended));
  ExpectPoints(extended, {{-5, 100, 0}, {-5, 120, 0}});
}

}  // namespace
