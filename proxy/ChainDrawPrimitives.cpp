// The drawing primitives of chains and height marks, in their two behaviours: drawn into a
// world-draw context, or created as entities of the drawing for an explosion.
#include "proxy/ChainDrawPrimitives.h"

#include <memory>

#include "acadobjects/CurveHelpers.h"
#include "host/db/AcCmEntityColor.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/AcDbXline.h"
#include "host/ge/AcGeCircArc3d.h"
#include "host/ge/AcGePoint2d.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/gi/AcGiWorldDraw.h"
#include "host/rx/ads.h"
#include "settings/GlobDimOptions.h"

namespace {

const double kQuarterPi = 0.785398163375;
const double kHalfPiValue = 1.57079632675;
const double kXlineReach = 1000000.0;

void Append(AcDbVoidPtrArray* entitySet, AcDbEntity* entity) { entitySet->append(entity); }

bool GlobalWipeOutOn() {
  if (!pGlobDimOptions) return false;
  const CUIntArray& ints = pGlobDimOptions->arrayOptInt;
  return ints.GetSize() > IND_OPT_B_WipeOut && ints[IND_OPT_B_WipeOut] != 0;
}

// The width the text takes at this height, measured with the style (or the default line font).
double TextWidth(const AcGiTextStyle* style, const wchar_t* text, double height) {
  AcGiTextStyle measure = style ? *style : AcGiTextStyle();
  measure.setTextSize(height);
  return measure.extents(text, Adesk::kFalse, -1, Adesk::kFalse).x;
}

// The background mask under a text: a filled rectangle in the background colour (white on a
// plot), the traits' fill and colour restored afterwards.
void DrawTextMask(AcGiWorldDraw* wd, const AcGePoint3d& position, const AcGeVector3d& dir, const AcGeVector3d& up,
                  double width, double height) {
  const double m = height / 15.0;
  AcGePoint3d corners[4];
  corners[0] = position - m * dir - m * up;
  corners[1] = corners[0] + (width + 2.0 * m) * dir;
  corners[2] = corners[1] + (height + 2.0 * m) * up;
  corners[3] = corners[0] + (height + 2.0 * m) * up;
  AcGiSubEntityTraits& traits = wd->subEntityTraits();
  const AcGiFillType savedFill = traits.fillType();
  const AcCmEntityColor savedColor = traits.trueColor();
  AcGiContext* context = wd->context();
  const bool plotting = context && context->isPlotGeneration();
  traits.setTrueColor(plotting ? AcCmEntityColor(255, 255, 255) : pGlobDimOptions->bkColor);
  traits.setFillType(kAcGiFillAlways);
  wd->geometry().polygon(4, corners);
  traits.setFillType(savedFill);
  traits.setTrueColor(savedColor);
}

}  // namespace

int DrawLine(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d pts[2]) {
  if (wd) {
    wd->geometry().polyline(2, pts);
  } else if (entitySet) {
    Append(entitySet, new AcDbLine(pts[0], pts[1]));
  }
  return 1;
}

int DrawLine(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& from, const AcGePoint3d& to) {
  const AcGePoint3d pts[2] = {from, to};
  return DrawLine(wd, entitySet, pts);
}

int DrawPolygon(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d* pts, int count, bool filled) {
  if (!pts || count < 1) return 1;
  if (wd) {
    if (filled) wd->subEntityTraits().setFillType(kAcGiFillAlways);
    wd->geometry().polygon(static_cast<Adesk::UInt32>(count), pts);
    if (filled) wd->subEntityTraits().setFillType(kAcGiFillNever);
    return 1;
  }
  if (!entitySet) return 1;
  if (filled && count == 3) {
    Append(entitySet, new AcDbSolid(pts[0], pts[1], pts[2]));
  } else if (filled && count == 4) {
    Append(entitySet, new AcDbSolid(pts[0], pts[1], pts[2], pts[3]));
  } else if (count >= 3) {
    Append(entitySet, new AcDbLine(pts[0], pts[count - 1]));
    for (int k = 0; k + 1 < count; ++k) Append(entitySet, new AcDbLine(pts[k], pts[k + 1]));
  }
  return 1;
}

int DrawArrowHead(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& tip, const AcGeVector3d& dir,
                  double length, double halfWidth) {
  const AcGePoint3d base = tip + length * dir;
  const AcGeVector3d q = dir.perpVector();
  const AcGePoint3d pts[3] = {tip, base + halfWidth * q, base - halfWidth * q};
  return DrawPolygon(wd, entitySet, pts, 3, true);
}

int DrawCross(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double size,
              const AcGeVector3d& dir, const AcGeVector3d& normal) {
  AcGeVector3d v = dir;
  v.normalize();
  v *= size;
  v.rotateBy(kQuarterPi, normal);
  DrawLine(wd, entitySet, centre + v, centre - v);
  v.rotateBy(kHalfPiValue, normal);
  DrawLine(wd, entitySet, centre + v, centre - v);
  return 1;
}

int DrawCircle(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double radius,
               const AcGeVector3d& normal, bool filled) {
  if (wd) {
    if (filled) wd->subEntityTraits().setFillType(kAcGiFillAlways);
    wd->geometry().circle(centre, radius, normal);
    if (filled) wd->subEntityTraits().setFillType(kAcGiFillNever);
  } else if (entitySet) {
    Append(entitySet, new AcDbCircle(centre, normal, radius));
  }
  return 1;
}

int DrawArc3P(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& p1, const AcGePoint3d& p2,
              const AcGePoint3d& p3) {
  if (wd) {
    wd->geometry().circularArc(p1, p2, p3, kAcGiArcSimple);
  } else if (entitySet) {
    const AcGeCircArc3d arc(p1, p2, p3);
    AcDbArc* dbArc = GeArc2DbArc(arc);
    if (dbArc) Append(entitySet, dbArc);
  }
  return 1;
}

int DrawSector(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double radius,
               const AcGeVector3d& normal, const AcGeVector3d& startVector, double sweep) {
  if (wd) {
    wd->subEntityTraits().setFillType(kAcGiFillAlways);
    wd->geometry().circularArc(centre, radius, normal, startVector, sweep, kAcGiArcSector);
    wd->subEntityTraits().setFillType(kAcGiFillNever);
    return 1;
  }
  if (!entitySet) return 1;
  // A half-radius arc of full radius width covers the sector: the wide stroke fills it.
  AcGeVector3d v = startVector * (radius / 2.0);
  const AcGePoint3d first = centre + v;
  v.rotateBy(sweep, AcGeVector3d::kZAxis);
  const AcGePoint3d second = centre + v;
  AcDbPolyline* pline = new AcDbPolyline(2);
  pline->addVertexAt(0, AcGePoint2d(first.x, first.y), 0.4142, radius, radius);
  pline->addVertexAt(1, AcGePoint2d(second.x, second.y), 0.4142, radius, radius);
  pline->setElevation(first.z);
  pline->setNormal(normal);
  Append(entitySet, pline);
  return 1;
}

int DrawXline(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& base, const AcGeVector3d& dir) {
  if (wd) {
    wd->geometry().xline(base, base + dir);
    const AcGePoint3d pts[2] = {base - kXlineReach * dir, base + kXlineReach * dir};
    wd->geometry().polyline(2, pts);
  } else if (entitySet) {
    AcDbXline* xline = new AcDbXline;
    xline->setBasePoint(base);
    AcGeVector3d unit = dir;
    unit.normalize();
    xline->setUnitDir(unit);
    Append(entitySet, xline);
  }
  return 1;
}

int DrawTextItem(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& position,
                 const AcGeVector3d& normal, const AcGeVector3d& dir, const wchar_t* text, double height,
                 const AcGiTextStyle* style, AcDbObjectId styleId, int colorIndex) {
  if (!text) return 1;
  AcGeVector3d along = dir;
  along.normalize();
  if (wd) {
    const AcGeVector3d up = normal.crossProduct(along);
    if (GlobalWipeOutOn()) DrawTextMask(wd, position, along, up, TextWidth(style, text, height), height);
    if (style) {
      AcGiTextStyle sized = *style;
      sized.setTextSize(height);
      wd->geometry().text(position, normal, along, text, -1, Adesk::kFalse, sized);
    } else {
      wd->geometry().text(position, normal, along, height, 1.0, 0.0, text);
    }
    return 1;
  }
  if (!entitySet) return 1;
  const double rotation = AcGeVector3d::kXAxis.angleTo(along, AcGeVector3d::kZAxis);
  AcDbText* item = new AcDbText(position, text, styleId, height, rotation);
  item->setColorIndex(static_cast<Adesk::UInt16>(colorIndex));
  if (style) {
    item->setTextStyle(styleId);
    item->setWidthFactor(style->xScale());
    item->setOblique(style->obliquingAngle());
  }
  Append(entitySet, item);
  return 1;
}

Acad::ErrorStatus LoadTextStyle(AcGiTextStyle& style, AcDbObjectId id) {
  AcDbTextStyleTableRecord* record = nullptr;
  const Acad::ErrorStatus es = acdbOpenObject(record, id, AcDb::kForRead);
  if (es != Acad::eOk) return es;
  if (!record) return Acad::eNullObjectPointer;
  const ACHAR* text = nullptr;
  if (record->getName(text) == Acad::eOk) style.setStyleName(text);
  if (record->fileName(text) == Acad::eOk) style.setFileName(text);
  if (record->bigFontFileName(text) == Acad::eOk) style.setBigFontFileName(text);
  ACHAR* typeface = nullptr;
  bool bold = false, italic = false;
  int charset = 0, pitchAndFamily = 0;
  if (record->font(typeface, bold, italic, charset, pitchAndFamily) == Acad::eOk && typeface) {
    if (*typeface) style.setFont(typeface, bold, italic, charset, pitchAndFamily);
    acutDelString(typeface);
  }
  style.setTextSize(record->textSize());
  style.setXScale(record->xScale());
  style.setObliquingAngle(record->obliquingAngle());
  record->close();
  style.loadStyleRec();
  return Acad::eOk;
}
