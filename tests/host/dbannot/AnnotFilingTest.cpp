// Filing of the annotation entities: every class is registered with its DXF name, files out
// and back in unchanged (overrides included), and refuses damaged records.
#include <gtest/gtest.h>

#include <cmath>

#include "host/db/AcDb2LineAngularDimension.h"
#include "host/db/AcDb3PointAngularDimension.h"
#include "host/db/AcDbAlignedDimension.h"
#include "host/db/AcDbArcDimension.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbDiametricDimension.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOrdinateDimension.h"
#include "host/db/AcDbProxy.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbText.h"
#include "tests/host/dbannot/AnnotTestSupport.h"

namespace {

struct FilingCase {
  const wchar_t* className;
  const wchar_t* dxfName;
  std::function<AcDbEntity*()> make;
};

AcDbText* MakeText() {
  auto* t = new AcDbText(AcGePoint3d(1, 2, 3), L"Schnitt A-A", AcDbObjectId::kNull, 3.5, 0.5);
  t->setHorizontalMode(AcDb::kTextRight);
  t->setVerticalMode(AcDb::kTextTop);
  t->setAlignmentPoint(AcGePoint3d(9, 2, 3));
  t->setWidthFactor(0.8);
  t->setOblique(0.2);
  t->setThickness(1.0);
  t->setNormal(AcGeVector3d(0, 1, 1));
  t->mirrorInX(true);
  t->setColorIndex(3);
  return t;
}

AcDbMText* MakeMText() {
  auto* m = new AcDbMText;
  m->setLocation(AcGePoint3d(5, 6, 0));
  m->setContents(L"first\\Psecond");
  m->setTextHeight(5);
  m->setWidth(40);
  m->setRotation(1.0);
  m->setAttachment(AcDbMText::kMiddleCenter);
  m->setLineSpacingFactor(1.5);
  return m;
}

AcDbBlockReference* MakeInsert() {
  auto* b = new AcDbBlockReference(AcGePoint3d(10, 20, 0), AcDbObjectId::kNull);
  b->setScaleFactors(AcGeScale3d(2, -3, 4));
  b->setRotation(0.75);
  b->setNormal(AcGeVector3d(1, 0, 1));
  return b;
}

template <class D>
D* WithCommon(D* d) {
  d->setDimensionText(L"<> mm");
  d->setTextRotation(0.3);
  d->setElevation(1.25);
  d->setHorizontalRotation(0.1);
  d->setDimVar(L"dimasz", zhost::DimVarValue::Real(3.5, 41));
  d->setDimVar(L"DIMDEC", zhost::DimVarValue::Int(1, 271));
  d->setDimVar(L"DIMPOST", zhost::DimVarValue::String(L"<> cm", 3));
  d->setTextPosition(AcGePoint3d(4, 5, 0));
  return d;
}

const FilingCase kCases[] = {
    {L"AcDbText", L"TEXT", [] { return MakeText(); }},
    {L"AcDbMText", L"MTEXT", [] { return MakeMText(); }},
    {L"AcDbBlockReference", L"INSERT", [] { return MakeInsert(); }},
    {L"AcDbRotatedDimension", L"DIMENSION",
     [] {
       auto* d = WithCommon(new AcDbRotatedDimension(0.5, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 40, 0),
                                                     AcGePoint3d(0, 50, 0)));
       d->setOblique(0.2);
       return d;
     }},
    {L"AcDbAlignedDimension", L"DIMENSION",
     [] {
       return WithCommon(new AcDbAlignedDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(30, 40, 0), AcGePoint3d(-8, 6, 0)));
     }},
    {L"AcDb2LineAngularDimension", L"DIMENSION",
     [] {
       return WithCommon(new AcDb2LineAngularDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 0, 0),
                                                       AcGePoint3d(10, 10, 0), AcGePoint3d(8, 3, 0)));
     }},
    {L"AcDb3PointAngularDimension", L"DIMENSION",
     [] {
       return WithCommon(new AcDb3PointAngularDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0),
                                                        AcGePoint3d(0, 10, 0), AcGePoint3d(5, 5, 0)));
     }},
    {L"AcDbRadialDimension", L"DIMENSION",
     [] { return WithCommon(new AcDbRadialDimension(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), 2.0)); }},
    {L"AcDbDiametricDimension", L"DIMENSION",
     [] { return WithCommon(new AcDbDiametricDimension(AcGePoint3d(4, 5, 0), AcGePoint3d(-2, -3, 0), 1.0)); }},
    {L"AcDbArcDimension", L"DIMENSION",
     [] {
       return WithCommon(
           new AcDbArcDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(8, 8, 0)));
     }},
    {L"AcDbOrdinateDimension", L"DIMENSION",
     [] {
       auto* d = WithCommon(new AcDbOrdinateDimension(false, AcGePoint3d(12, 5, 0), AcGePoint3d(20, 15, 0)));
       d->setOrigin(AcGePoint3d(2, 1, 0));
       return d;
     }},
};

TEST(AnnotFiling, EveryClassIsCreatedByNameAndFilesBackUnchanged) {
  for (const FilingCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::string(c.className, c.className + wcslen(c.className)));
    std::unique_ptr<AcDbEntity> original(c.make());
    AcRxClass* cls = zktest::ClassNamed(c.className);
    ASSERT_NE(cls, nullptr);
    EXPECT_STREQ(cls->dxfName(), c.dxfName);
    EXPECT_TRUE(cls->isDerivedFrom(AcDbEntity::desc()));
    std::vector<zhost::FilerItem> items = zktest::FiledItems(original.get());
    std::unique_ptr<AcDbObject> copy = zktest::ReadBack(c.className, items);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->isA(), original->isA());
    EXPECT_EQ(zktest::FiledItems(copy.get()), items);
    // The drawing-file reader's way: by class name, not a proxy.
    std::unique_ptr<AcDbObject> made(zhost::CreateObjectOfClass(c.className, c.dxfName, L"", 0, true));
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(made->isAProxy());
    EXPECT_EQ(made->isA(), cls);
  }
}

TEST(AnnotFiling, DimensionOverridesSurviveFiling) {
  std::unique_ptr<AcDbEntity> original(kCases[3].make());
  std::unique_ptr<AcDbObject> copy = zktest::ReadBack(L"AcDbRotatedDimension", zktest::FiledItems(original.get()));
  ASSERT_NE(copy, nullptr);
  auto* dim = AcDbDimension::cast(copy.get());
  zhost::DimVarValue v;
  ASSERT_EQ(dim->getDimVar(L"DIMASZ", v), Acad::eOk);
  EXPECT_EQ(v, zhost::DimVarValue::Real(3.5, 41));
  EXPECT_EQ(dim->getDimVar(L"dimtxt", v), Acad::eKeyNotFound);
  EXPECT_FALSE(dim->isUsingDefaultTextPosition());
  EXPECT_EQ(dim->textPosition(), AcGePoint3d(4, 5, 0));
  EXPECT_STREQ(dim->dimensionTextConst(), L"<> mm");
}

TEST(AnnotFiling, TruncatedRecordsAreRefused) {
  for (const FilingCase& c : kCases) {
    SCOPED_TRACE(testing::Message() << std::string(c.className, c.className + wcslen(c.className)));
    std::unique_ptr<AcDbEntity> original(c.make());
    std::vector<zhost::FilerItem> items = zktest::FiledItems(original.get());
    items.pop_back();
    zktest::ReadBack(c.className, items, Acad::eEndOfFile);
  }
}

TEST(AnnotFiling, ValuesOutOfRangeAreRefused) {
  // A text justification that does not exist.
  std::unique_ptr<AcDbText> text(MakeText());
  std::vector<zhost::FilerItem> items = zktest::FiledItems(text.get());
  size_t horz = items.size() - 4;  // horizontal, vertical, mirrored x, mirrored y
  ASSERT_EQ(items[horz].type, zhost::FilerItemType::kInt16);
  ASSERT_EQ(items[horz].i, AcDb::kTextRight);
  items[horz].i = 77;
  zktest::ReadBack(L"AcDbText", items, Acad::eDwgObjectImproperlyRead);

  // An override count no record can hold.
  std::unique_ptr<AcDbEntity> dim(kCases[7].make());
  items = zktest::FiledItems(dim.get());
  size_t count = 0;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].type == zhost::FilerItemType::kInt32 && items[i].i == 3) count = i;
  ASSERT_NE(count, 0u);
  items[count].i = 0x7fffffff;
  zktest::ReadBack(L"AcDbRadialDimension", items, Acad::eDwgObjectImproperlyRead);

  // A newer record version than the class knows.
  std::unique_ptr<AcDbMText> mtext(MakeMText());
  items = zktest::FiledItems(mtext.get());
  size_t version = items.size() - 10;  // before the nine fields
  ASSERT_EQ(items[version].type, zhost::FilerItemType::kInt16);
  ASSERT_EQ(items[version].i, 1);
  items[version].i = 2;
  zktest::ReadBack(L"AcDbMText", items, Acad::eDwgObjectImproperlyRead);
}

TEST(AnnotFiling, CloneKeepsEverything) {
  std::unique_ptr<AcDbEntity> original(kCases[9].make());
  std::unique_ptr<AcRxObject> copy(original->clone());
  auto* arc = AcDbArcDimension::cast(copy.get());
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ(zktest::FiledItems(arc), zktest::FiledItems(original.get()));
  EXPECT_NEAR(arc->measurement(), 10 * M_PI / 2, 1e-9);
}

}  // namespace
