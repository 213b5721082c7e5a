// The DXF forms of the host's own entities. Points of planar entities go out in their object
// coordinate system, angles in degrees, long texts in 250-character pieces.
#include "host/db/DxfHostEntities.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "host/db/AcDb2LineAngularDimension.h"
#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDb3PointAngularDimension.h"
#include "host/db/AcDbAlignedDimension.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDiametricDimension.h"
#include "host/db/AcDbDimension.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOrdinateDimension.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbXline.h"
#include "host/db/DxfEntityWriter.h"
#include "host/db/ObjectStub.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;

double Degrees(double radians) { return radians * 180.0 / kPi; }

bool IsWorldZ(const AcGeVector3d& n) { return std::fabs(n.x) < 1e-12 && std::fabs(n.y) < 1e-12 && n.z > 0; }

void Normal(DxfGroupWriter& out, const AcGeVector3d& n) {
  if (!IsWorldZ(n)) out.point(210, n);
}

void Thickness(DxfGroupWriter& out, double t) {
  if (t != 0.0) out.real(39, t);
}

// Texts the entity classes hand out: a non-const ACHAR* is a new string the caller frees.
inline std::wstring TakeText(ACHAR* s) {
  std::wstring r = s ? s : L"";
  if (s) acutDelString(s);
  return r;
}
inline std::wstring TakeText(const ACHAR* s) { return s ? s : L""; }
inline std::wstring TakeText(const std::wstring& s) { return s; }

std::wstring StyleName(DxfExportContext& ctx, const AcDbObjectId& id) {
  std::wstring name = DxfRecordName(id);
  if (name.empty()) name = L"Standard";
  ctx.textStyles.insert(name);
  return name;
}

// A long text as DXF carries it: 250-character pieces in group 3, the rest in group 1.
void LongText(DxfGroupWriter& out, const std::wstring& text) {
  std::string encoded = DxfGroupWriter::EncodeText(text);
  size_t at = 0;
  while (encoded.size() - at > 250) {
    size_t n = 250;
    // Never split a \U+XXXX escape.
    size_t esc = encoded.rfind("\\U+", at + n);
    if (esc != std::string::npos && esc >= at && esc + 7 > at + n) n = esc - at;
    out.raw(3, encoded.substr(at, n));
    at += n;
  }
  out.raw(1, encoded.substr(at));
}

typedef std::function<bool(const DxfEntityHead&, const AcDbEntity*)> Writer;
struct HostForm {
  AcRxClass* cls;
  Writer write;
};

bool WriteLine(const DxfEntityHead& h, const AcDbLine* e) {
  h.writeCommon("LINE", "AcDbLine");
  Thickness(*h.out, e->thickness());
  h.out->point(10, e->startPoint());
  h.out->point(11, e->endPoint());
  Normal(*h.out, e->normal());
  h.writeXData();
  return true;
}

bool WriteCircle(const DxfEntityHead& h, const AcDbCircle* e) {
  h.writeCommon("CIRCLE", "AcDbCircle");
  Thickness(*h.out, e->thickness());
  h.out->point(10, DxfWorldToOcs(e->center(), e->normal()));
  h.out->real(40, e->radius());
  Normal(*h.out, e->normal());
  h.writeXData();
  return true;
}

bool WriteArc(const DxfEntityHead& h, const AcDbArc* e) {
  h.writeCommon("ARC", "AcDbCircle");
  Thickness(*h.out, e->thickness());
  h.out->point(10, DxfWorldToOcs(e->center(), e->normal()));
  h.out->real(40, e->radius());
  Normal(*h.out, e->normal());
  h.out->str(100, "AcDbArc");
  h.out->real(50, Degrees(e->startAngle()));
  h.out->real(51, Degrees(e->endAngle()));
  h.writeXData();
  return true;
}

bool WritePoint(const DxfEntityHead& h, const AcDbPoint* e) {
  h.writeCommon("POINT", "AcDbPoint");
  h.out->point(10, e->position());
  h.writeXData();
  return true;
}

bool WriteXline(const DxfEntityHead& h, const AcDbXline* e) {
  h.writeCommon("XLINE", "AcDbXline");
  h.out->point(10, e->basePoint());
  h.out->point(11, e->unitDir());
  h.writeXData();
  return true;
}

bool WriteSolid(const DxfEntityHead& h, const AcDbSolid* e) {
  h.writeCommon("SOLID", "AcDbTrace");
  AcGeVector3d n = e->normal();
  for (Adesk::UInt16 i = 0; i < 4; ++i) {
    AcGePoint3d p;
    e->getPointAt(i, p);
    h.out->point(10 + i, DxfWorldToOcs(p, n));
  }
  Thickness(*h.out, e->thickness());
  Normal(*h.out, n);
  h.writeXData();
  return true;
}

bool WriteLwPolyline(const DxfEntityHead& h, const AcDbPolyline* e) {
  h.writeCommon("LWPOLYLINE", "AcDbPolyline");
  unsigned n = e->numVerts();
  h.out->integer(90, n);
  h.out->integer(70, e->isClosed() ? 1 : 0);
  if (e->elevation() != 0.0) h.out->real(38, e->elevation());
  Thickness(*h.out, e->thickness());
  for (unsigned i = 0; i < n; ++i) {
    AcGePoint2d p;
    e->getPointAt(i, p);
    h.out->point2d(10, p.x, p.y);
    double sw = 0.0, ew = 0.0, bulge = 0.0;
    e->getWidthsAt(i, sw, ew);
    e->getBulgeAt(i, bulge);
    if (sw != 0.0) h.out->real(40, sw);
    if (ew != 0.0) h.out->real(41, ew);
    if (bulge != 0.0) h.out->real(42, bulge);
  }
  Normal(*h.out, e->normal());
  h.writeXData();
  return true;
}

bool WritePolyline2d(const DxfEntityHead& h, const AcDb2dPolyline* e) {
  h.writeCommon("POLYLINE", "AcDb2dPolyline");
  h.out->integer(66, 1);
  h.out->point(10, AcGePoint3d(0, 0, e->elevation()));
  int flags = e->isClosed() ? 1 : 0;
  if (e->polyType() == AcDb::k2dFitCurvePoly) flags |= 2;
  if (e->polyType() == AcDb::k2dQuadSplinePoly || e->polyType() == AcDb::k2dCubicSplinePoly) flags |= 4;
  h.out->integer(70, flags);
  Thickness(*h.out, e->thickness());
  Normal(*h.out, e->normal());
  h.writeXData();
  std::wstring layer = e->layer() ? e->layer() : L"0";
  AcDbObjectIterator* it = e->vertexIterator();
  // Vertices here live inside their polyline (no handles of their own): they get new ones.
  for (; it && !it->done(); it->step()) {
    const AcDb2dVertex* v = AcDb2dVertex::cast(it->entity());
    if (!v) continue;
    h.out->str(0, "VERTEX");
    h.out->handle(5, v->objectId().isNull() ? h.ctx->newHandle() : v->handle());
    h.out->handle(330, h.handle);
    h.out->str(100, "AcDbEntity");
    if (h.paperSpace) h.out->integer(67, 1);
    h.out->str(8, layer);
    h.out->str(100, "AcDbVertex");
    h.out->str(100, "AcDb2dVertex");
    AcGePoint3d p = v->position();
    h.out->point(10, AcGePoint3d(p.x, p.y, e->elevation()));
    if (v->startWidth() != 0.0) h.out->real(40, v->startWidth());
    if (v->endWidth() != 0.0) h.out->real(41, v->endWidth());
    if (v->bulge() != 0.0) h.out->real(42, v->bulge());
    h.out->integer(70, 0);
  }
  delete it;
  h.out->str(0, "SEQEND");
  h.out->handle(5, h.ctx->newHandle());
  h.out->handle(330, h.handle);
  h.out->str(100, "AcDbEntity");
  if (h.paperSpace) h.out->integer(67, 1);
  h.out->str(8, layer);
  return true;
}

bool WriteText(const DxfEntityHead& h, const AcDbText* e) {
  h.writeCommon("TEXT", "AcDbText");
  AcGeVector3d n = e->normal();
  Thickness(*h.out, e->thickness());
  h.out->point(10, DxfWorldToOcs(e->position(), n));
  h.out->real(40, e->height());
  h.out->str(1, TakeText(e->textStringConst()));
  if (e->rotation() != 0.0) h.out->real(50, Degrees(e->rotation()));
  if (e->widthFactor() != 1.0) h.out->real(41, e->widthFactor());
  if (e->oblique() != 0.0) h.out->real(51, Degrees(e->oblique()));
  h.out->str(7, StyleName(*h.ctx, e->textStyle()));
  int generation = (e->isMirroredInX() ? 2 : 0) | (e->isMirroredInY() ? 4 : 0);
  if (generation) h.out->integer(71, generation);
  int hmode = static_cast<int>(e->horizontalMode()), vmode = static_cast<int>(e->verticalMode());
  if (hmode) h.out->integer(72, hmode);
  if (hmode || vmode) h.out->point(11, DxfWorldToOcs(e->alignmentPoint(), n));
  Normal(*h.out, n);
  h.out->str(100, "AcDbText");
  if (vmode) h.out->integer(73, vmode);
  h.writeXData();
  return true;
}

bool WriteMText(const DxfEntityHead& h, const AcDbMText* e) {
  h.writeCommon("MTEXT", "AcDbMText");
  h.out->point(10, e->location());
  h.out->real(40, e->textHeight());
  h.out->real(41, e->width());
  h.out->integer(71, static_cast<int>(e->attachment()));
  h.out->integer(72, 1);
  std::wstring contents = TakeText(e->contents());
  // Line breaks inside a group would end it; MTEXT writes them as paragraph codes.
  std::wstring coded;
  for (wchar_t c : contents) {
    if (c == L'\r') continue;
    if (c == L'\n') coded += L"\\P";
    else coded += c;
  }
  LongText(*h.out, coded);
  h.out->str(7, StyleName(*h.ctx, e->textStyle()));
  Normal(*h.out, e->normal());
  h.out->point(11, e->direction());
  h.writeXData();
  return true;
}

bool WriteInsert(const DxfEntityHead& h, const AcDbBlockReference* e) {
  std::wstring block = DxfRecordName(e->blockTableRecord());
  if (block.empty()) return false;
  h.writeCommon("INSERT", "AcDbBlockReference");
  h.out->str(2, block);
  AcGeVector3d n = e->normal();
  h.out->point(10, DxfWorldToOcs(e->position(), n));
  AcGeScale3d s = e->scaleFactors();
  if (s.sx != 1.0) h.out->real(41, s.sx);
  if (s.sy != 1.0) h.out->real(42, s.sy);
  if (s.sz != 1.0) h.out->real(43, s.sz);
  if (e->rotation() != 0.0) h.out->real(50, Degrees(e->rotation()));
  Normal(*h.out, n);
  h.writeXData();
  return true;
}

// The dimension's picture goes into an anonymous block of its own: what its explode gives.
std::wstring DimensionBlock(const DxfEntityHead& h, const AcDbDimension* e) {
  AcDbVoidPtrArray pieces;
  Acad::ErrorStatus es = e->explode(pieces);
  size_t index = h.ctx->newDimensionBlock();
  AcDbHandle record = h.ctx->madeBlocks[index].record;
  DxfGroupWriter body;
  for (int i = 0; i < pieces.length(); ++i) {
    AcDbEntity* piece = static_cast<AcDbEntity*>(pieces[i]);
    if (es == Acad::eOk && piece) WriteDxfPiece(h, body, piece, record);
    delete piece;
  }
  h.ctx->madeBlocks[index].body = body;
  return h.ctx->madeBlocks[index].name;
}

bool WriteDimensionHead(const DxfEntityHead& h, const AcDbDimension* e, int type, const AcGePoint3d& defPoint) {
  std::wstring block = DimensionBlock(h, e);
  h.writeCommon("DIMENSION", "AcDbDimension");
  h.out->str(2, block);
  h.out->point(10, defPoint);
  h.out->point(11, DxfWorldToOcs(e->textPosition(), e->normal()));
  int flags = type | 32;
  if (!e->isUsingDefaultTextPosition()) flags |= 128;
  h.out->integer(70, flags);
  std::wstring text = TakeText(e->dimensionText());
  if (!text.empty()) h.out->str(1, text);
  if (e->textRotation() != 0.0) h.out->real(53, Degrees(e->textRotation()));
  if (e->horizontalRotation() != 0.0) h.out->real(51, Degrees(e->horizontalRotation()));
  Normal(*h.out, e->normal());
  std::wstring style = DxfRecordName(e->dimensionStyle());
  if (style.empty()) style = L"Standard";
  h.ctx->dimStyles.insert(style);
  h.out->str(3, style);
  return true;
}

// The entity's extended data, then its dimension-variable overrides the way DXF carries them:
// application ACAD, "DSTYLE" and {group code, value} pairs.
void WriteDimensionXData(const DxfEntityHead& h, const AcDbDimension* e) {
  h.writeXData();
  const DimVarMap& vars = e->dimVarOverrides();
  if (vars.empty()) return;
  resbuf* own = e->xData(L"ACAD");
  if (own) {
    // The entity keeps ACAD data of its own; a second ACAD group would not be read.
    acutRelRb(own);
    return;
  }
  DxfGroupWriter groups;
  for (const auto& entry : vars) {
    const DimVarValue& v = entry.second;
    if (v.groupCode <= 0 || v.groupCode >= 1000) continue;
    switch (v.kind) {
      case DimVarValue::kInt:
        groups.integer(1070, v.groupCode);
        groups.integer(1070, v.i);
        break;
      case DimVarValue::kReal:
        groups.integer(1070, v.groupCode);
        groups.real(1040, v.d);
        break;
      case DimVarValue::kString:
        groups.integer(1070, v.groupCode);
        groups.str(1000, v.s);
        break;
      case DimVarValue::kId:
        if (!v.id.isValid() || v.id.isErased()) break;
        groups.integer(1070, v.groupCode);
        groups.handle(1005, v.id.handle());
        break;
    }
  }
  if (groups.empty()) return;
  h.out->str(1001, "ACAD");
  h.out->str(1000, "DSTYLE");
  h.out->str(1002, "{");
  h.out->append(groups);
  h.out->str(1002, "}");
}

bool WriteRotatedDimension(const DxfEntityHead& h, const AcDbRotatedDimension* e) {
  WriteDimensionHead(h, e, 0, e->dimLinePoint());
  h.out->str(100, "AcDbAlignedDimension");
  h.out->point(13, e->xLine1Point());
  h.out->point(14, e->xLine2Point());
  h.out->real(50, Degrees(e->rotation()));
  if (e->oblique() != 0.0) h.out->real(52, Degrees(e->oblique()));
  h.out->str(100, "AcDbRotatedDimension");
  WriteDimensionXData(h, e);
  return true;
}

bool WriteAlignedDimension(const DxfEntityHead& h, const AcDbAlignedDimension* e) {
  WriteDimensionHead(h, e, 1, e->dimLinePoint());
  h.out->str(100, "AcDbAlignedDimension");
  h.out->point(13, e->xLine1Point());
  h.out->point(14, e->xLine2Point());
  if (e->oblique() != 0.0) h.out->real(52, Degrees(e->oblique()));
  WriteDimensionXData(h, e);
  return true;
}

bool WriteAngular2Line(const DxfEntityHead& h, const AcDb2LineAngularDimension* e) {
  WriteDimensionHead(h, e, 2, e->xLine2End());
  h.out->str(100, "AcDb2LineAngularDimension");
  h.out->point(13, e->xLine1Start());
  h.out->point(14, e->xLine1End());
  h.out->point(15, e->xLine2Start());
  h.out->point(16, DxfWorldToOcs(e->arcPoint(), e->normal()));
  WriteDimensionXData(h, e);
  return true;
}

bool WriteDiametric(const DxfEntityHead& h, const AcDbDiametricDimension* e) {
  WriteDimensionHead(h, e, 3, e->farChordPoint());
  h.out->str(100, "AcDbDiametricDimension");
  h.out->point(15, e->chordPoint());
  h.out->real(40, e->leaderLength());
  WriteDimensionXData(h, e);
  return true;
}

bool WriteRadial(const DxfEntityHead& h, const AcDbRadialDimension* e) {
  WriteDimensionHead(h, e, 4, e->center());
  h.out->str(100, "AcDbRadialDimension");
  h.out->point(15, e->chordPoint());
  h.out->real(40, e->leaderLength());
  WriteDimensionXData(h, e);
  return true;
}

bool WriteAngular3Point(const DxfEntityHead& h, const AcDb3PointAngularDimension* e) {
  WriteDimensionHead(h, e, 5, e->arcPoint());
  h.out->str(100, "AcDb3PointAngularDimension");
  h.out->point(13, e->xLine1Point());
  h.out->point(14, e->xLine2Point());
  h.out->point(15, e->centerPoint());
  WriteDimensionXData(h, e);
  return true;
}

bool WriteOrdinate(const DxfEntityHead& h, const AcDbOrdinateDimension* e) {
  WriteDimensionHead(h, e, e->isUsingXAxis() ? 6 | 64 : 6, e->origin());
  h.out->str(100, "AcDbOrdinateDimension");
  h.out->point(13, e->definingPoint());
  h.out->point(14, e->leaderEndPoint());
  WriteDimensionXData(h, e);
  return true;
}

template <class T>
HostForm Form(bool (*fn)(const DxfEntityHead&, const T*)) {
  return HostForm{T::desc(), [fn](const DxfEntityHead& h, const AcDbEntity* e) { return fn(h, static_cast<const T*>(e)); }};
}

// Derived classes before their parents: the kind-of search takes the first that fits.
const std::vector<HostForm>& Forms() {
  static const std::vector<HostForm> forms = [] {
    std::vector<HostForm> f;
    f.push_back(Form<AcDbRotatedDimension>(WriteRotatedDimension));
    f.push_back(Form<AcDbAlignedDimension>(WriteAlignedDimension));
    f.push_back(Form<AcDb2LineAngularDimension>(WriteAngular2Line));
    f.push_back(Form<AcDbDiametricDimension>(WriteDiametric));
    f.push_back(Form<AcDbRadialDimension>(WriteRadial));
    f.push_back(Form<AcDb3PointAngularDimension>(WriteAngular3Point));
    f.push_back(Form<AcDbOrdinateDimension>(WriteOrdinate));
    f.push_back(Form<AcDbArc>(WriteArc));
    f.push_back(Form<AcDbCircle>(WriteCircle));
    f.push_back(Form<AcDbLine>(WriteLine));
    f.push_back(Form<AcDbPoint>(WritePoint));
    f.push_back(Form<AcDbXline>(WriteXline));
    f.push_back(Form<AcDbSolid>(WriteSolid));
    f.push_back(Form<AcDbPolyline>(WriteLwPolyline));
    f.push_back(Form<AcDb2dPolyline>(WritePolyline2d));
    f.push_back(Form<AcDbMText>(WriteMText));
    f.push_back(Form<AcDbText>(WriteText));
    f.push_back(Form<AcDbBlockReference>(WriteInsert));
    return f;
  }();
  return forms;
}

}  // namespace

bool WriteHostEntity(const DxfEntityHead& head, bool exactClass) {
  AcRxClass* cls = head.ent->isA();
  for (const HostForm& form : Forms()) {
    bool fits = exactClass ? cls == form.cls : head.ent->isKindOf(form.cls);
    if (fits) return form.write(head, head.ent);
  }
  return false;
}

}  // namespace zhost
