// The draw functions of the host's entities (line, arc, circle, polylines, point, xline, solid,
// text, multiline text, block reference, dimensions) and the explode fallback for any other
// class. Each draws through the context only, as a module's entity would.
#include "host/gi/HostEntityDraw.h"

#include <cmath>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDimension.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbXline.h"
#include "host/db/AnnotSupport.h"
#include "host/db/EntityDrawHook.h"
#include "host/gi/AcGiTextStyle.h"
#include "host/gi/AcGiWorldDraw.h"
#include "host/gi/MTextFormat.h"
#include "host/gi/Regenerate.h"

namespace zhost {

namespace {

typedef std::function<void(AcDbEntity*, AcGiWorldDraw*)> DrawFn;

const double kPi = 3.14159265358979323846;

void DrawLine(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbLine* line = AcDbLine::cast(ent);
  AcGePoint3d pts[2] = {line->startPoint(), line->endPoint()};
  wd->geometry().polyline(2, pts);
}

void DrawCircle(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbCircle* circle = AcDbCircle::cast(ent);
  wd->geometry().circle(circle->center(), circle->radius(), circle->normal());
}

void DrawArc(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcGeCircArc3d arc = AcDbArc::cast(ent)->geArc();
  wd->geometry().circularArc(arc.center(), arc.radius(), arc.normal(), arc.startPoint() - arc.center(),
                             arc.endAng() - arc.startAng());
}

struct SegmentWidth {
  double start = 0.0, end = 0.0;
  bool wide() const { return start > 0 || end > 0; }
};

// A wide segment as a filled outline: both sides sampled along the piece, the width changing
// evenly from its start to its end.
void DrawWidePiece(AcGiWorldDraw* wd, const CurvePiece& piece, const SegmentWidth& width, const AcGeVector3d& normal) {
  int samples = 1;
  if (piece.isArc) {
    double sweep = piece.arc.endAng() - piece.arc.startAng();
    samples = std::max(8, static_cast<int>(std::ceil(sweep / (kPi / 32))));
  }
  std::vector<AcGePoint3d> left, right;
  for (int k = 0; k <= samples; ++k) {
    double t = static_cast<double>(k) / samples;
    AcGePoint3d p = piece.pointAt(t);
    AcGeVector3d side = normal.crossProduct(piece.derivAt(t));
    if (side.isZeroLength()) continue;
    side.normalize();
    double half = (width.start + (width.end - width.start) * t) / 2;
    left.push_back(p + side * half);
    right.push_back(p - side * half);
  }
  if (left.size() < 2) return;
  std::vector<AcGePoint3d> outline(left.begin(), left.end());
  outline.insert(outline.end(), right.rbegin(), right.rend());
  AcGiSubEntityTraits& traits = wd->subEntityTraits();
  AcGiFillType fill = traits.fillType();
  traits.setFillType(kAcGiFillAlways);
  wd->geometry().polygon(static_cast<Adesk::UInt32>(outline.size()), outline.data());
  traits.setFillType(fill);
}

// Polyline segments: each with its own selection marker (segment index + 1); arcs as arcs,
// wide segments as filled outlines.
void DrawPieces(AcGiWorldDraw* wd, const std::vector<CurvePiece>& pieces, const std::vector<SegmentWidth>& widths,
                const AcGeVector3d& normal) {
  AcGiSubEntityTraits& traits = wd->subEntityTraits();
  Adesk::LongPtr marker = traits.selectionMarker();
  for (size_t i = 0; i < pieces.size(); ++i) {
    const CurvePiece& piece = pieces[i];
    if (piece.length() <= 0) continue;
    traits.setSelectionMarker(static_cast<Adesk::LongPtr>(i) + 1);
    if (i < widths.size() && widths[i].wide()) {
      DrawWidePiece(wd, piece, widths[i], normal);
    } else if (piece.isArc) {
      const AcGeCircArc3d& arc = piece.arc;
      wd->geometry().circularArc(arc.center(), arc.radius(), arc.normal(), arc.startPoint() - arc.center(),
                                 arc.endAng() - arc.startAng());
    } else {
      AcGePoint3d pts[2] = {piece.seg.startPoint(), piece.seg.endPoint()};
      wd->geometry().polyline(2, pts);
    }
  }
  traits.setSelectionMarker(marker);
}

void DrawLightweightPolyline(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbPolyline* pline = AcDbPolyline::cast(ent);
  std::vector<CurvePiece> pieces;
  if (!pline->getPieces(pieces)) return;
  std::vector<SegmentWidth> widths(pieces.size());
  for (size_t i = 0; i < pieces.size(); ++i) pline->getWidthsAt(static_cast<unsigned int>(i), widths[i].start, widths[i].end);
  DrawPieces(wd, pieces, widths, UnitNormal(pline->normal()));
}

void Draw2dPolyline(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDb2dPolyline* pline = AcDb2dPolyline::cast(ent);
  std::vector<CurvePiece> pieces;
  if (!pline->getPieces(pieces)) return;
  std::vector<SegmentWidth> widths;
  std::unique_ptr<AcDbObjectIterator> it(pline->vertexIterator());
  for (it->start(); !it->done(); it->step()) {
    AcDb2dVertex* vertex = AcDb2dVertex::cast(it->entity());
    if (!vertex) continue;
    SegmentWidth w;
    w.start = vertex->startWidth();
    w.end = vertex->endWidth();
    widths.push_back(w);
  }
  DrawPieces(wd, pieces, widths, UnitNormal(pline->normal()));
}

void DrawPoint(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcGePoint3d p = AcDbPoint::cast(ent)->position();
  AcGePoint3d pts[2] = {p, p};
  wd->geometry().polyline(2, pts);
}

void DrawXline(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbXline* xline = AcDbXline::cast(ent);
  wd->geometry().xline(xline->basePoint(), xline->basePoint() + xline->unitDir());
}

// A solid's outline runs through its corners 0, 1, 3, 2.
void DrawSolid(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbSolid* solid = AcDbSolid::cast(ent);
  AcGePoint3d c[4];
  for (Adesk::UInt16 i = 0; i < 4; ++i) solid->getPointAt(i, c[i]);
  std::vector<AcGePoint3d> outline = {c[0], c[1], c[3]};
  if (!c[2].isEqualTo(c[3])) outline.push_back(c[2]);
  AcGiSubEntityTraits& traits = wd->subEntityTraits();
  AcGiFillType fill = traits.fillType();
  traits.setFillType(kAcGiFillAlways);
  wd->geometry().polygon(static_cast<Adesk::UInt32>(outline.size()), outline.data());
  traits.setFillType(fill);
}

AcGiTextStyle StyleOf(AcDbObjectId styleId, double height, double widthFactor, double oblique) {
  AcGiTextStyle style;
  fromAcDbTextStyle(style, styleId);
  style.setTextSize(height);
  style.setXScale(widthFactor);
  style.setObliquingAngle(oblique);
  return style;
}

void DrawText(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbText* text = AcDbText::cast(ent);
  const ACHAR* msg = text->textStringConst();
  if (!msg || !*msg) return;
  AcGeVector3d normal = UnitNormal(text->normal());
  AcGeVector3d dir = PlaneDirection(normal, text->rotation());
  AcGeVector3d up = normal.crossProduct(dir);
  double height = text->height();
  AcGiTextStyle style = StyleOf(text->textStyle(), height, text->widthFactor(), text->oblique());
  double width = style.extents(msg, Adesk::kFalse, -1, Adesk::kFalse).x;
  AcGePoint3d start = text->position();
  AcDb::TextHorzMode horz = text->horizontalMode();
  AcDb::TextVertMode vert = text->verticalMode();
  if (horz == AcDb::kTextAlign || horz == AcDb::kTextFit) {
    AcGeVector3d span = text->alignmentPoint() - text->position();
    double length = span.length();
    if (length > 0 && width > 0) {
      dir = span.normal();
      up = normal.crossProduct(dir);
      if (horz == AcDb::kTextFit) style.setXScale(style.xScale() * length / width);
      else style.setTextSize(height * length / width);
    }
  } else if (!(horz == AcDb::kTextLeft && vert == AcDb::kTextBase)) {
    start = text->alignmentPoint();
    if (horz == AcDb::kTextCenter || horz == AcDb::kTextMid) start -= dir * (width / 2);
    if (horz == AcDb::kTextRight) start -= dir * width;
    if (horz == AcDb::kTextMid || vert == AcDb::kTextVertMid) start -= up * (height / 2);
    else if (vert == AcDb::kTextTop) start -= up * height;
  }
  wd->geometry().text(start, normal, dir, msg, -1, Adesk::kFalse, style);
}

void DrawMText(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbMText* mtext = AcDbMText::cast(ent);
  std::vector<std::wstring> lines = MTextPlainLines(mtext->contentsConst() ? mtext->contentsConst() : L"");
  double height = mtext->textHeight();
  double pitch = height * mtext->lineSpacingFactor() * 5.0 / 3.0;
  AcGeVector3d normal = UnitNormal(mtext->normal());
  AcGeVector3d dir = mtext->direction();
  if (dir.isZeroLength()) dir = PlaneDirection(normal, 0);
  dir.normalize();
  AcGeVector3d up = normal.crossProduct(dir);
  int row = (mtext->attachment() - 1) / 3, column = (mtext->attachment() - 1) % 3;
  double blockHeight = height + pitch * static_cast<double>(lines.size() - 1);
  AcGePoint3d top = mtext->location() + up * (row == 1 ? blockHeight / 2 : row == 2 ? blockHeight : 0.0);
  AcGiTextStyle style = StyleOf(mtext->textStyle(), height, 1.0, 0.0);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    double width = style.extents(lines[i].c_str(), Adesk::kFalse, -1, Adesk::kTrue).x;
    AcGePoint3d base = top - up * (height + pitch * static_cast<double>(i)) - dir * (width * column / 2.0);
    wd->geometry().text(base, normal, dir, lines[i].c_str(), -1, Adesk::kTrue, style);
  }
}

// The entities of a block record, each drawn as nested graphics.
void DrawBlockContents(AcGiWorldDraw* wd, AcDbObjectId blockId) {
  for (AcDbObjectId id : BlockDrawOrder(blockId)) {
    ReadAccess<AcDbEntity> inner(id);
    if (inner.get() && inner.get()->visibility() == AcDb::kVisible) wd->geometry().draw(inner.get());
  }
}

void DrawBlockReference(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbBlockReference* ref = AcDbBlockReference::cast(ent);
  wd->geometry().pushModelTransform(ref->blockTransform());
  DrawBlockContents(wd, ref->blockTableRecord());
  wd->geometry().popModelTransform();
}

bool DrawExploded(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbVoidPtrArray pieces;
  if (ent->explode(pieces) != Acad::eOk) {
    for (int i = 0; i < pieces.length(); ++i) delete static_cast<AcDbEntity*>(pieces[i]);
    return false;
  }
  for (int i = 0; i < pieces.length(); ++i) {
    AcDbEntity* piece = static_cast<AcDbEntity*>(pieces[i]);
    if (piece) wd->geometry().draw(piece);
    delete piece;
  }
  return true;
}

// A dimension shows its block when it has one with entities, else the graphics it explodes into.
void DrawDimension(AcDbEntity* ent, AcGiWorldDraw* wd) {
  AcDbObjectId block = AcDbDimension::cast(ent)->dimBlockId();
  if (!block.isNull() && !BlockDrawOrder(block).empty()) {
    DrawBlockContents(wd, block);
    return;
  }
  DrawExploded(ent, wd);
}

// Most specific classes first.
const std::vector<std::pair<AcRxClass*, DrawFn>>& DrawTable() {
  static const std::vector<std::pair<AcRxClass*, DrawFn>> table = {
      {AcDbLine::desc(), DrawLine},
      {AcDbCircle::desc(), DrawCircle},
      {AcDbArc::desc(), DrawArc},
      {AcDbPolyline::desc(), DrawLightweightPolyline},
      {AcDb2dPolyline::desc(), Draw2dPolyline},
      {AcDbPoint::desc(), DrawPoint},
      {AcDbXline::desc(), DrawXline},
      {AcDbSolid::desc(), DrawSolid},
      {AcDbText::desc(), DrawText},
      {AcDbMText::desc(), DrawMText},
      {AcDbBlockReference::desc(), DrawBlockReference},
      {AcDbDimension::desc(), DrawDimension},
  };
  return table;
}

struct Installer {
  Installer() { SetHostEntityDraw(DrawHostEntity); }
};
const Installer gInstaller;

}  // namespace

Adesk::Boolean DrawHostEntity(AcDbEntity* ent, AcGiWorldDraw* mode) {
  if (!ent || !mode) return Adesk::kTrue;
  for (const auto& entry : DrawTable()) {
    if (!ent->isKindOf(entry.first)) continue;
    entry.second(ent, mode);
    return Adesk::kTrue;
  }
  DrawExploded(ent, mode);
  return Adesk::kTrue;
}

void EnsureHostEntityDraw() {
  if (!HostEntityDraw()) SetHostEntityDraw(DrawHostEntity);
}

}  // namespace zhost
