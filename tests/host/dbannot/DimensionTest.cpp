// Dimensions: the measurement of every kind, the shown text, the overrides and style in force,
// transformations and the exploded graphics.
#include <gtest/gtest.h>

#include <cmath>

#include "host/db/AcDb2LineAngularDimension.h"
#include "host/db/AcDb3PointAngularDimension.h"
#include "host/db/AcDbAlignedDimension.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbArcDimension.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDiametricDimension.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOrdinateDimension.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "tests/host/dbannot/AnnotTestSupport.h"

namespace {

const AcGePoint3d O(0, 0, 0);

struct MeasureCase {
  const char* name;
  std::function<AcDbDimension*()> make;
  double expected;
  const wchar_t* shown;
};

const MeasureCase kMeasures[] = {
    {"rotated horizontal", [] { return new AcDbRotatedDimension(0, O, AcGePoint3d(30, 40, 0), AcGePoint3d(0, 50, 0)); },
     30, L"30.00"},
    {"rotated vertical",
     [] { return new AcDbRotatedDimension(M_PI / 2, O, AcGePoint3d(30, 40, 0), AcGePoint3d(50, 0, 0)); }, 40, L"40.00"},
    {"rotated reversed points",
     [] { return new AcDbRotatedDimension(0, AcGePoint3d(30, 40, 0), O, AcGePoint3d(0, 50, 0)); }, 30, L"30.00"},
    {"aligned", [] { return new AcDbAlignedDimension(O, AcGePoint3d(30, 40, 0), AcGePoint3d(-8, 6, 0)); }, 50, L"50.00"},
    {"3-point angular, arc point inside",
     [] { return new AcDb3PointAngularDimension(O, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(5, 5, 0)); },
     M_PI / 2, L"90%%d"},
    {"3-point angular, arc point on the far side",
     [] { return new AcDb3PointAngularDimension(O, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(-5, -5, 0)); },
     3 * M_PI / 2, L"270%%d"},
    {"2-line angular, acute sector",
     [] {
       return new AcDb2LineAngularDimension(O, AcGePoint3d(10, 0, 0), AcGePoint3d(-5, -5, 0), AcGePoint3d(10, 10, 0),
                                            AcGePoint3d(10, 3, 0));
     },
     M_PI / 4, L"45%%d"},
    {"2-line angular, obtuse sector",
     [] {
       return new AcDb2LineAngularDimension(O, AcGePoint3d(10, 0, 0), O, AcGePoint3d(10, 10, 0), AcGePoint3d(-10, 3, 0));
     },
     3 * M_PI / 4, L"135%%d"},
    {"2-line angular, lines meeting away from their points",
     [] {
       return new AcDb2LineAngularDimension(AcGePoint3d(5, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0),
                                            AcGePoint3d(0, 10, 0), AcGePoint3d(6, 6, 0));
     },
     M_PI / 2, L"90%%d"},
    {"2-line angular, parallel lines", [] {
       return new AcDb2LineAngularDimension(O, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0), AcGePoint3d(10, 5, 0),
                                            AcGePoint3d(3, 3, 0));
     },
     0, L"0%%d"},
    {"radial", [] { return new AcDbRadialDimension(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), 2); }, 5, L"R5.00"},
    {"diametric", [] { return new AcDbDiametricDimension(AcGePoint3d(3, 4, 0), AcGePoint3d(-3, -4, 0), 0); }, 10,
     L"%%c10.00"},
    {"arc length",
     [] { return new AcDbArcDimension(O, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(7, 7, 0)); },
     10 * M_PI / 2, L"15.71"},
    {"ordinate x", [] {
       auto* d = new AcDbOrdinateDimension(true, AcGePoint3d(12, 5, 0), AcGePoint3d(12, 20, 0));
       d->setOrigin(AcGePoint3d(2, 1, 0));
       return d;
     },
     10, L"10.00"},
    {"ordinate y, left of the origin", [] {
       auto* d = new AcDbOrdinateDimension(false, AcGePoint3d(-12, -5, 0), AcGePoint3d(-30, -5, 0));
       d->setOrigin(AcGePoint3d(2, 1, 0));
       return d;
     },
     6, L"6.00"},
};

TEST(Dimension, MeasurementOfEveryKind) {
  for (const MeasureCase& c : kMeasures) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbDimension> dim(c.make());
    double value = -1;
    EXPECT_EQ(dim->measurement(value), Acad::eOk);
    EXPECT_NEAR(value, c.expected, 1e-9);
    EXPECT_EQ(dim->displayText(), c.shown);
  }
}

TEST(Dimension, UserTextAndPlaceholder) {
  AcDbRotatedDimension dim(0, O, AcGePoint3d(12.5, 0, 0), AcGePoint3d(0, 10, 0));
  struct {
    const wchar_t* text;
    const wchar_t* shown;
  } cases[] = {{L"", L"12.50"}, {L"<>", L"12.50"}, {L"ca. <> mm", L"ca. 12.50 mm"}, {L"<> / <>", L"12.50 / <>"},
               {L"fixed", L"fixed"}, {L" ", L""}};
  for (const auto& c : cases) {
    ASSERT_EQ(dim.setDimensionText(c.text), Acad::eOk);
    EXPECT_EQ(dim.displayText(), c.shown);
  }
  EXPECT_EQ(dim.setDimensionText(nullptr), Acad::eNullPtr);
}

TEST(Dimension, OverridesComeBeforeTheStyleAndTheStyleBeforeDefaults) {
  AcDbDatabase db;
  AcDbDimStyleTable* table = nullptr;
  ASSERT_EQ(db.getDimStyleTable(table, AcDb::kForWrite), Acad::eOk);
  auto* style = new AcDbDimStyleTableRecord;
  style->setName(L"ISO");
  style->setDimVar(L"DIMDEC", zhost::DimVarValue::Int(3, 271));
  style->setDimVar(L"DIMLFAC", zhost::DimVarValue::Real(2.0, 144));
  AcDbObjectId styleId;
  ASSERT_EQ(table->add(styleId, style), Acad::eOk);
  style->close();
  table->close();

  AcDbRotatedDimension dim(0, O, AcGePoint3d(1.25, 0, 0), AcGePoint3d(0, 5, 0));
  EXPECT_EQ(dim.displayText(), L"1.25");
  // The exploded text takes the dimension's text style.
  ASSERT_FALSE(db.textstyle().isNull());
  ASSERT_EQ(dim.setDimVar(L"DIMTXSTY", zhost::DimVarValue::Id(db.textstyle(), 340)), Acad::eOk);
  {
    zktest::Exploded parts(&dim);
    ASSERT_EQ(parts.all<AcDbText>().size(), 1u);
    EXPECT_EQ(parts.all<AcDbText>()[0]->textStyle(), db.textstyle());
  }
  ASSERT_EQ(dim.setDimensionStyle(styleId), Acad::eOk);
  EXPECT_EQ(dim.displayText(), L"2.500");  // the style's DIMLFAC and DIMDEC
  ASSERT_EQ(dim.setDimVar(L"dimdec", zhost::DimVarValue::Int(1)), Acad::eOk);
  EXPECT_EQ(dim.displayText(), L"2.5");
  ASSERT_EQ(dim.setDimVar(L"DIMPOST", zhost::DimVarValue::String(L"<> m")), Acad::eOk);
  EXPECT_EQ(dim.displayText(), L"2.5 m");
  EXPECT_EQ(dim.removeDimVar(L"DIMDEC"), Acad::eOk);
  EXPECT_EQ(dim.removeDimVar(L"DIMDEC"), Acad::eKeyNotFound);
  EXPECT_EQ(dim.displayText(), L"2.500 m");
  EXPECT_DOUBLE_EQ(dim.dimVarReal(L"DIMASZ"), 2.5);  // the host default
  EXPECT_EQ(dim.setDimVar(L"", zhost::DimVarValue::Int(1)), Acad::eInvalidInput);
  // The measured value itself is not scaled.
  EXPECT_DOUBLE_EQ(dim.measurement(), 1.25);
  // A layer record is not a dimension style.
  EXPECT_EQ(dim.setDimensionStyle(db.layerZero()), Acad::eWrongObjectType);
}

TEST(Dimension, DefaultTextPositionFollowsTheGeometryUntilTheTextIsPlaced) {
  AcDbRotatedDimension dim(0, O, AcGePoint3d(30, 0, 0), AcGePoint3d(0, 10, 0));
  // Centred over the dimension line, DIMGAP plus half DIMTXT above it.
  EXPECT_TRUE(dim.isUsingDefaultTextPosition());
  EXPECT_TRUE(dim.textPosition().isEqualTo(AcGePoint3d(15, 10 + 0.625 + 1.25, 0)));
  dim.setXLine2Point(AcGePoint3d(50, 0, 0));
  EXPECT_TRUE(dim.textPosition().isEqualTo(AcGePoint3d(25, 11.875, 0)));
  dim.setTextPosition(AcGePoint3d(1, 2, 0));
  dim.setXLine2Point(AcGePoint3d(60, 0, 0));
  EXPECT_FALSE(dim.isUsingDefaultTextPosition());
  EXPECT_TRUE(dim.textPosition().isEqualTo(AcGePoint3d(1, 2, 0)));
  dim.useDefaultTextPosition();
  EXPECT_TRUE(dim.textPosition().isEqualTo(AcGePoint3d(30, 11.875, 0)));
}

TEST(Dimension, ExplodesIntoExtensionLinesDimensionLineArrowsAndText) {
  AcDbRotatedDimension dim(0, O, AcGePoint3d(30, 0, 0), AcGePoint3d(0, 10, 0));
  dim.setDimVar(L"DIMASZ", zhost::DimVarValue::Real(3));
  dim.setDimVar(L"DIMSCALE", zhost::DimVarValue::Real(2));
  dim.setColorIndex(1);
  zktest::Exploded parts(&dim);
  ASSERT_EQ(parts.status, Acad::eOk);
  std::vector<AcDbLine*> lines = parts.all<AcDbLine>();
  ASSERT_EQ(lines.size(), 3u);
  // Extension lines start DIMEXO from the origins and pass DIMEXE beyond the dimension line.
  EXPECT_TRUE(lines[0]->startPoint().isEqualTo(AcGePoint3d(0, 1.25, 0)));
  EXPECT_TRUE(lines[0]->endPoint().isEqualTo(AcGePoint3d(0, 12.5, 0)));
  EXPECT_TRUE(lines[1]->startPoint().isEqualTo(AcGePoint3d(30, 1.25, 0)));
  EXPECT_TRUE(lines[2]->startPoint().isEqualTo(AcGePoint3d(0, 10, 0)));
  EXPECT_TRUE(lines[2]->endPoint().isEqualTo(AcGePoint3d(30, 10, 0)));
  std::vector<AcDbSolid*> arrows = parts.all<AcDbSolid>();
  ASSERT_EQ(arrows.size(), 2u);
  AcGePoint3d tip, tail;
  arrows[0]->getPointAt(0, tip);
  arrows[0]->getPointAt(1, tail);
  EXPECT_TRUE(tip.isEqualTo(AcGePoint3d(0, 10, 0)));
  EXPECT_NEAR(tail.x, 6.0, 1e-9);  // DIMASZ x DIMSCALE along the line
  arrows[1]->getPointAt(0, tip);
  EXPECT_TRUE(tip.isEqualTo(AcGePoint3d(30, 10, 0)));
  std::vector<AcDbText*> texts = parts.all<AcDbText>();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_STREQ(texts[0]->textStringConst(), L"30.00");
  EXPECT_DOUBLE_EQ(texts[0]->height(), 5.0);
  EXPECT_TRUE(texts[0]->alignmentPoint().isEqualTo(dim.textPosition()));
  EXPECT_EQ(texts[0]->colorIndex(), 1);
}

TEST(Dimension, ExplodeOfEveryKindGivesTheTextAndRefusesDegenerateGeometry) {
  for (const MeasureCase& c : kMeasures) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<AcDbDimension> dim(c.make());
    zktest::Exploded parts(dim.get());
    if (std::string(c.name) == "2-line angular, parallel lines") {
      EXPECT_EQ(parts.status, Acad::eDegenerateGeometry);
      EXPECT_TRUE(parts.entities.empty());
      continue;
    }
    ASSERT_EQ(parts.status, Acad::eOk);
    std::vector<AcDbText*> texts = parts.all<AcDbText>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(std::wstring(texts[0]->textStringConst()), c.shown);
    AcDbExtents box;
    EXPECT_EQ(dim->getGeomExtents(box), Acad::eOk);
  }
}

TEST(Dimension, AngularArcSpansTheMeasuredSector) {
  AcDb3PointAngularDimension dim(O, AcGePoint3d(10, 0, 0), AcGePoint3d(0, 10, 0), AcGePoint3d(-5, -5, 0));
  zktest::Exploded parts(&dim);
  ASSERT_EQ(parts.status, Acad::eOk);
  std::vector<AcDbArc*> arcs = parts.all<AcDbArc>();
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0]->radius(), std::sqrt(50.0), 1e-9);
  EXPECT_NEAR(arcs[0]->startAngle(), M_PI / 2, 1e-9);
  EXPECT_NEAR(arcs[0]->endAngle(), 0.0, 1e-9);
}

struct TransformCase {
  const char* name;
  AcGeMatrix3d xform;
  double measurementFactor;
};

TEST(Dimension, TransformMovesTheDefinitionAndKeepsTheTextReadable) {
  const TransformCase cases[] = {
      {"move", AcGeMatrix3d::translation(AcGeVector3d(5, -3, 0)), 1},
      {"rotate 90", AcGeMatrix3d::rotation(M_PI / 2, AcGeVector3d::kZAxis, AcGePoint3d(1, 1, 0)), 1},
      {"scale 2", AcGeMatrix3d::scaling(2, AcGePoint3d(3, 3, 0)), 2},
      {"mirror at the y axis", AcGeMatrix3d::mirroring(AcGePlane(O, AcGeVector3d::kXAxis)), 1},
  };
  for (const TransformCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (const MeasureCase& m : kMeasures) {
      SCOPED_TRACE(m.name);
      std::unique_ptr<AcDbDimension> dim(m.make());
      bool angular = std::wstring(m.shown).find(L"%%d") != std::wstring::npos;
      bool ordinate = std::string(m.name).find("ordinate") == 0;
      double before = dim->measurement();
      ASSERT_EQ(dim->transformBy(c.xform), Acad::eOk);
      // Ordinates measure along the drawing's axes, which a rotation does not turn.
      if (!(ordinate && std::string(c.name) == "rotate 90")) {
        EXPECT_NEAR(dim->measurement(), before * (angular ? 1 : c.measurementFactor), 1e-9);
      }
      EXPECT_TRUE(dim->normal().isEqualTo(AcGeVector3d::kZAxis));
    }
  }
  // A rotated dimension turns with the drawing: its direction follows the transformed one.
  AcDbRotatedDimension dim(0, O, AcGePoint3d(30, 40, 0), AcGePoint3d(0, 50, 0));
  ASSERT_EQ(dim.transformBy(AcGeMatrix3d::rotation(M_PI / 2, AcGeVector3d::kZAxis)), Acad::eOk);
  EXPECT_NEAR(dim.rotation(), M_PI / 2, 1e-9);
  EXPECT_NEAR(dim.measurement(), 30, 1e-9);
  EXPECT_TRUE(dim.xLine2Point().isEqualTo(AcGePoint3d(-40, 30, 0)));
  // Its exploded text reads left to right after a mirror.
  AcDbRotatedDimension mirrored(0, O, AcGePoint3d(30, 0, 0), AcGePoint3d(0, 10, 0));
  ASSERT_EQ(mirrored.transformBy(AcGeMatrix3d::mirroring(AcGePlane(O, AcGeVector3d::kXAxis))), Acad::eOk);
  EXPECT_TRUE(mirrored.textPosition().isEqualTo(AcGePoint3d(-15, 11.875, 0)));
  zktest::Exploded parts(&mirrored);
  ASSERT_EQ(parts.all<AcDbText>().size(), 1u);
  EXPECT_NEAR(parts.all<AcDbText>()[0]->rotation(), 0.0, 1e-9);
}

}  // namespace
