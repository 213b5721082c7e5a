// Filing of the geometric host entities: every class files out and back in through the memory
// filer unchanged, is created by its class name and carries its DXF name; damaged records are
// refused without changing the entity.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDxfFiler.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbProxy.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbXline.h"
#include "host/db/MemoryFiler.h"
#include "host/rx/AcRxClass.h"

namespace {

struct FilingCase {
  const wchar_t* className;
  const wchar_t* dxfName;
  std::function<AcDbEntity*()> make;
};

AcDbPolyline* MakePolyline() {
  auto* pl = new AcDbPolyline;
  pl->addVertexAt(0, AcGePoint2d(0, 0), 0.5, 0.1, 0.2);
  pl->addVertexAt(1, AcGePoint2d(10, 0));
  pl->addVertexAt(2, AcGePoint2d(10, 7), -0.25);
  pl->setClosed(true);
  pl->setElevation(2.5);
  pl->setThickness(1.5);
  pl->setNormal(AcGeVector3d(0, 1, 1));
  return pl;
}

const FilingCase kCases[] = {
    {L"AcDbLine", L"LINE",
     [] {
       auto* e = new AcDbLine(AcGePoint3d(1, 2, 3), AcGePoint3d(4, -5, 6));
       e->setThickness(2);
       e->setNormal(AcGeVector3d(1, 1, 0));
       return static_cast<AcDbEntity*>(e);
     }},
    {L"AcDbArc", L"ARC",
     [] { return static_cast<AcDbEntity*>(new AcDbArc(AcGePoint3d(1, 1, 0), AcGeVector3d(0, 0, -1), 3, 0.5, 4.0)); }},
    {L"AcDbCircle", L"CIRCLE",
     [] { return static_cast<AcDbEntity*>(new AcDbCircle(AcGePoint3d(-2, 3, 1), AcGeVector3d(1, 0, 0), 7)); }},
    {L"AcDbPoint", L"POINT",
     [] {
       auto* e = new AcDbPoint(AcGePoint3d(9, 8, 7));
       e->setEcsRotation(0.3);
       return static_cast<AcDbEntity*>(e);
     }},
    {L"AcDbXline", L"XLINE",
     [] {
       auto* e = new AcDbXline;
       e->setBasePoint(AcGePoint3d(1, 2, 0));
       e->setUnitDir(AcGeVector3d(3, 4, 0));
       return static_cast<AcDbEntity*>(e);
     }},
    {L"AcDbSolid", L"SOLID",
     [] {
       return static_cast<AcDbEntity*>(
           new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0)));
     }},
    {L"AcDbPolyline", L"LWPOLYLINE", [] { return static_cast<AcDbEntity*>(MakePolyline()); }},
    {L"AcDb2dPolyline", L"POLYLINE",
     [] {
       AcGePoint3dArray pts;
       pts.append(AcGePoint3d(0, 0, 0));
       pts.append(AcGePoint3d(5, 0, 0));
       pts.append(AcGePoint3d(5, 5, 0));
       AcGeDoubleArray bulges;
       bulges.append(0.0);
       bulges.append(1.0);
       auto* e = new AcDb2dPolyline(AcDb::k2dFitCurvePoly, pts, 1.0, true, 0.3, 0.4, &bulges);
       e->setLayer(L"Marks");
       return static_cast<AcDbEntity*>(e);
     }},
    {L"AcDb2dVertex", L"VERTEX",
     [] { return static_cast<AcDbEntity*>(new AcDb2dVertex(AcGePoint3d(3, 4, 0), 0.5, 1, 2)); }},
};

class GeomFiling : public ::testing::TestWithParam<FilingCase> {};

TEST_P(GeomFiling, RoundTripThroughClassCreatedByName) {
  const FilingCase& c = GetParam();
  std::unique_ptr<AcDbEntity> original(c.make());
  ASSERT_STREQ(original->isA()->name(), c.className);
  EXPECT_STREQ(original->isA()->dxfName(), c.dxfName);

  zhost::MemoryFiler out(AcDb::kFileFiler);
  ASSERT_EQ(original->dwgOutFields(&out), Acad::eOk);

  std::unique_ptr<AcDbObject> created(zhost::CreateObjectOfClass(c.className, c.dxfName, L"", 0, true));
  ASSERT_TRUE(created);
  ASSERT_FALSE(created->isAProxy());
  ASSERT_EQ(created->isA(), original->isA());
  out.rewind();
  ASSERT_EQ(created->dwgInFields(&out), Acad::eOk);
  EXPECT_TRUE(out.atEnd());

  zhost::MemoryFiler again(AcDb::kFileFiler);
  ASSERT_EQ(created->dwgOutFields(&again), Acad::eOk);
  EXPECT_EQ(again.items(), out.items());

  // clone() goes through the same fields.
  std::unique_ptr<AcRxObject> copy(original->clone());
  ASSERT_TRUE(copy);
  zhost::MemoryFiler cloned(AcDb::kFileFiler);
  ASSERT_EQ(static_cast<AcDbObject*>(copy.get())->dwgOutFields(&cloned), Acad::eOk);
  EXPECT_EQ(cloned.items(), out.items());
}

INSTANTIATE_TEST_SUITE_P(Classes, GeomFiling, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FilingCase>& info) {
                           std::wstring w = info.param.dxfName;
                           return std::string(w.begin(), w.end());
                         });

TEST(GeomFilingErrors, TruncatedPolylineIsRefusedAndLeftUnchanged) {
  std::unique_ptr<AcDbPolyline> source(MakePolyline());
  zhost::MemoryFiler out(AcDb::kFileFiler);
  ASSERT_EQ(source->dwgOutFields(&out), Acad::eOk);
  out.items().pop_back();  // the last vertex loses its end width

  AcDbPolyline target;
  target.addVertexAt(0, AcGePoint2d(42, 42));
  out.rewind();
  EXPECT_EQ(target.dwgInFields(&out), Acad::eEndOfFile);
  ASSERT_EQ(target.numVerts(), 1u);
  AcGePoint2d p;
  target.getPointAt(0, p);
  EXPECT_EQ(p, AcGePoint2d(42, 42));
  EXPECT_EQ(target.elevation(), 0.0);
}

TEST(GeomFilingErrors, HostileVertexCountEndsAtTheData) {
  std::unique_ptr<AcDbPolyline> source(MakePolyline());
  zhost::MemoryFiler out(AcDb::kFileFiler);
  ASSERT_EQ(source->dwgOutFields(&out), Acad::eOk);
  // The count is the Int32 right before the first vertex's Point2d.
  auto& items = out.items();
  for (size_t i = 0; i + 1 < items.size(); ++i) {
    if (items[i].type == zhost::FilerItemType::kInt32 && items[i + 1].type == zhost::FilerItemType::kPoint2d) {
      items[i].i = 0x7fffffff;
      break;
    }
  }
  AcDbPolyline target;
  out.rewind();
  EXPECT_EQ(target.dwgInFields(&out), Acad::eEndOfFile);
  EXPECT_EQ(target.numVerts(), 0u);
}

TEST(GeomFilingErrors, WrongItemTypeIsNoticed) {
  AcDbLine source(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 1));
  zhost::MemoryFiler out(AcDb::kFileFiler);
  ASSERT_EQ(source.dwgOutFields(&out), Acad::eOk);
  out.items().back().type = zhost::FilerItemType::kDouble;  // the normal

  AcDbLine target(AcGePoint3d(5, 5, 5), AcGePoint3d(6, 6, 6));
  out.rewind();
  EXPECT_EQ(target.dwgInFields(&out), Acad::eWrongDataType);
  EXPECT_EQ(target.startPoint(), AcGePoint3d(5, 5, 5));
}

TEST(GeomFilingErrors, NewerVersionAsksToBeKeptAsProxy) {
  AcDbCircle source(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2);
  zhost::MemoryFiler out(AcDb::kFileFiler);
  ASSERT_EQ(source.dwgOutFields(&out), Acad::eOk);
  auto& items = out.items();
  // The version Int16 comes right before the center point.
  for (size_t i = 0; i + 1 < items.size(); ++i)
    if (items[i].type == zhost::FilerItemType::kInt16 && items[i + 1].type == zhost::FilerItemType::kPoint3d)
      items[i].i = 99;
  AcDbCircle target;
  out.rewind();
  EXPECT_EQ(target.dwgInFields(&out), Acad::eMakeMeProxy);
  EXPECT_EQ(target.radius(), 1.0);
}

}  // namespace

namespace {

TEST(GeomDxf, ArcWritesItsAnglesInDegreesAfterItsSubclass) {
  AcDbArc arc(AcGePoint3d(1, 2, 0), 3, M_PI / 2, M_PI);
  zhost::MemoryDxfFiler dxf;
  ASSERT_EQ(arc.dxfOutFields(&dxf), Acad::eOk);
  const auto& groups = dxf.groups();
  auto find = [&](int code, const std::wstring& value) {
    for (size_t i = 0; i < groups.size(); ++i)
      if (groups[i].code == code && (value.empty() || groups[i].value == value)) return static_cast<int>(i);
    return -1;
  };
  int circle = find(100, L"AcDbCircle"), arcMarker = find(100, L"AcDbArc"), start = find(50, L"");
  ASSERT_GE(circle, 0);
  ASSERT_GT(arcMarker, circle);
  ASSERT_GT(start, arcMarker);
  EXPECT_GT(find(40, L""), circle);
  EXPECT_LT(find(40, L""), arcMarker);
  EXPECT_EQ(std::stod(groups[start].value), 90.0);
  EXPECT_EQ(std::stod(groups[find(51, L"")].value), 180.0);
}

}  // namespace
