// LIST output of the annotation entities: the labelled values after the common part.
#include <gtest/gtest.h>

#include <cmath>

#include "host/db/AcDb3PointAngularDimension.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbText.h"
#include "tests/host/dbannot/AnnotTestSupport.h"

namespace {

struct ListCase {
  const char* name;
  std::function<AcDbEntity*()> make;
  std::vector<std::wstring> lines;
};

// A LIST line: the label right-aligned to column 34, then the value.
std::wstring Row(const std::wstring& label, const std::wstring& value) {
  return std::wstring(label.size() < 34 ? 34 - label.size() : 0, L' ') + label + L" " + value;
}

std::string Narrow(const std::wstring& s) { return std::string(s.begin(), s.end()); }

TEST(AnnotList, EveryKindListsItsLabelledValues) {
  const ListCase cases[] = {
      {"text",
       [] {
         auto* t = new AcDbText(AcGePoint3d(1, 2, 0), L"Hello", AcDbObjectId::kNull, 2.5, M_PI / 2);
         t->setHorizontalMode(AcDb::kTextCenter);
         t->setAlignmentPoint(AcGePoint3d(4, 2, 0));
         return t;
       },
       {Row(L"start point,", L"X=    1.0000  Y=    2.0000  Z=    0.0000"),
        Row(L"alignment point,", L"X=    4.0000  Y=    2.0000  Z=    0.0000"),
        Row(L"height", L"2.5000"), Row(L"text", L"Hello"),
        Row(L"rotation angle", L"90.0000"), Row(L"justification", L"center, baseline")}},
      {"multiline text",
       [] {
         auto* m = new AcDbMText;
         m->setContents(L"a\\Pb");
         m->setAttachment(AcDbMText::kBottomRight);
         return m;
       },
       {Row(L"Location:", L"X=    0.0000  Y=    0.0000  Z=    0.0000"),
        Row(L"Attachment:", L"BottomRight"), Row(L"Contents:", L"a\\Pb")}},
      {"rotated dimension",
       [] {
         auto* d = new AcDbRotatedDimension(0, AcGePoint3d(0, 0, 0), AcGePoint3d(30, 0, 0), AcGePoint3d(0, 10, 0));
         d->setDimensionText(L"<> mm");
         d->setDimVar(L"DIMTXT", zhost::DimVarValue::Real(3.5));
         return d;
       },
       {Row(L"type:", L"rotated"), Row(L"extension line 2:", L"X=   30.0000  Y=    0.0000  Z=    0.0000"),
        Row(L"measurement:", L"30.0000"), Row(L"text:", L"30.00 mm"),
        Row(L"dimension text:", L"<> mm"), Row(L"DIMTXT:", L"3.5000")}},
      {"angular dimension",
       [] {
         return new AcDb3PointAngularDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0),
                                               AcGePoint3d(5, 5, 0));
       },
       {Row(L"type:", L"angular (3 points)"), Row(L"measurement:", L"1.5708"),
        Row(L"text:", L"90%%d")}},
      {"radial dimension",
       [] { return new AcDbRadialDimension(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), 1); },
       {Row(L"leader length:", L"1.0000"), Row(L"text:", L"R5.00")}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbEntity> entity(c.make());
    std::wstring listed = zktest::Printed([&entity] { entity->list(); });
    for (const std::wstring& line : c.lines)
      EXPECT_NE(listed.find(L"\n" + line + L"\n"), std::wstring::npos) << Narrow(line) << "\nin:\n" << Narrow(listed);
  }
}

}  // namespace
