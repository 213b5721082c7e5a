// Reading DXF entities into host entities.
#include "host/db/DxfEntityReader.h"

#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "host/db/AcDb2LineAngularDimension.h"
#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDb3PointAngularDimension.h"
#include "host/db/AcDbAlignedDimension.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockReference.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDiametricDimension.h"
#include "host/db/AcDbDimension.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbOrdinateDimension.h"
#include "host/db/AcDbPoint.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbRadialDimension.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbXline.h"
#include "host/db/DxfDimVarCodes.h"
#include "host/db/DxfReadContext.h"
#include "host/db/DxfTablesReader.h"
#include "host/db/ObjectStub.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;
double Radians(double degrees) { return degrees * kPi / 180.0; }

// The groups every entity may carry, and its points 10..18 (x), 20..28 (y), 30..37 (z).
struct Fields {
  uint64_t handle = 0, owner = 0;
  std::wstring layer = L"0", linetype;
  int color = 256;
  bool hasRgb = false;
  uint32_t rgb = 0;
  double ltscale = 1.0;
  int lineweight = -1;
  bool invisible = false, paper = false;
  AcGeVector3d normal{0, 0, 1};
  size_t xdataFrom = 0, xdataTo = 0;
  size_t dimFrom = 0, dimTo = 0;  // overrides inside the extended data, not kept as data
  AcGePoint3d pt[9];
  bool hasPt[9] = {};
};

bool IsLineWeight(int w) {
  static const int kWeights[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100,
                                 106, 120, 140, 158, 200, 211};
  for (int k : kWeights)
    if (k == w) return true;
  return false;
}

// Walks the groups of one entity [from, to): the common ones and points go into f, the others
// to own(i, code). Nested {...} groups are passed over; extended data ends the walk.
void Scan(DxfReadContext& ctx, size_t from, size_t to, Fields& f, const std::function<void(size_t, int)>& own) {
  for (size_t i = from; i < to; ++i) {
    const int code = ctx.groups[i].code;
    if (code >= 1000) {
      if (code == 1001) {
        f.xdataFrom = i;
        f.xdataTo = to;
        return;
      }
      continue;
    }
    if (code == 102 && !ctx.groups.value(i).empty() && ctx.groups.value(i)[0] == '{') {
      while (i + 1 < to && !(ctx.groups[i + 1].code == 102 && ctx.groups.value(i + 1) == "}")) ++i;
      ++i;
      continue;
    }
    switch (code) {
      case 5: f.handle = ctx.handle(i); continue;
      case 330: f.owner = ctx.handle(i); continue;
      case 8: f.layer = ctx.text(i); continue;
      case 6: f.linetype = ctx.text(i); continue;
      case 62: f.color = ctx.int16(i); continue;
      case 420: f.hasRgb = true; f.rgb = static_cast<uint32_t>(ctx.integer(i)); continue;
      case 48: f.ltscale = ctx.real(i); continue;
      case 370: f.lineweight = ctx.int16(i); continue;
      case 60: f.invisible = ctx.int16(i) != 0; continue;
      case 67: f.paper = ctx.int16(i) != 0; continue;
      case 210: f.normal.x = ctx.real(i); continue;
      case 220: f.normal.y = ctx.real(i); continue;
      case 230: f.normal.z = ctx.real(i); continue;
      case 100: continue;
      default: break;
    }
    if (code >= 10 && code <= 18) {
      f.pt[code - 10].x = ctx.real(i);
      f.hasPt[code - 10] = true;
    } else if (code >= 20 && code <= 28) {
      f.pt[code - 20].y = ctx.real(i);
    } else if (code >= 30 && code <= 37) {
      f.pt[code - 30].z = ctx.real(i);
    }
    own(i, code);
  }
}

AcGeVector3d UnitNormal(const AcGeVector3d& n) {
  double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (!(len > 1e-12) || !std::isfinite(len)) return AcGeVector3d(0, 0, 1);
  return AcGeVector3d(n.x / len, n.y / len, n.z / len);
}

bool IsWorldZ(const AcGeVector3d& n) { return std::fabs(n.x) < 1e-12 && std::fabs(n.y) < 1e-12 && n.z > 0; }

// A point given in the entity's object coordinate system, in world coordinates.
AcGePoint3d World(const AcGePoint3d& p, const AcGeVector3d& n) {
  if (IsWorldZ(n)) return p;
  AcGePoint3d w = p;
  return w.transformBy(AcGeMatrix3d::planeToWorld(n));
}

void Need(DxfReadContext& ctx, Acad::ErrorStatus es, size_t at, const std::wstring& what) {
  if (es != Acad::eOk) ctx.damaged(at, what);
}

typedef std::unique_ptr<AcDbEntity> EntityPtr;

EntityPtr ReadLine(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  double thickness = 0;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    if (code == 39) thickness = ctx.real(i);
  });
  auto e = std::make_unique<AcDbLine>(f.pt[0], f.pt[1]);
  e->setThickness(thickness);
  e->setNormal(UnitNormal(f.normal));
  return e;
}

EntityPtr ReadPoint(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  double thickness = 0;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    if (code == 39) thickness = ctx.real(i);
  });
  auto e = std::make_unique<AcDbPoint>(f.pt[0]);
  e->setThickness(thickness);
  e->setNormal(UnitNormal(f.normal));
  return e;
}

EntityPtr ReadCircleOrArc(DxfReadContext& ctx, size_t from, size_t to, Fields& f, bool arc) {
  double thickness = 0, radius = 0, start = 0, end = 360;
  size_t radiusAt = from;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    if (code == 39) thickness = ctx.real(i);
    if (code == 40) radius = ctx.real(i), radiusAt = i;
    if (code == 50) start = ctx.real(i);
    if (code == 51) end = ctx.real(i);
  });
  AcGeVector3d n = UnitNormal(f.normal);
  AcGePoint3d center = World(f.pt[0], n);
  if (!(radius > 0)) ctx.damaged(radiusAt, L"the radius must be greater than 0");
  if (!arc) {
    auto e = std::make_unique<AcDbCircle>(center, n, radius);
    e->setThickness(thickness);
    return e;
  }
  auto e = std::make_unique<AcDbArc>(center, n, radius, Radians(start), Radians(end));
  e->setThickness(thickness);
  return e;
}

EntityPtr ReadXline(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  Scan(ctx, from, to, f, [](size_t, int) {});
  auto e = std::make_unique<AcDbXline>();
  e->setBasePoint(f.pt[0]);
  Need(ctx, e->setUnitDir(AcGeVector3d(f.pt[1].x, f.pt[1].y, f.pt[1].z)), from, L"its direction is zero");
  return e;
}

EntityPtr ReadSolid(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  double thickness = 0;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    if (code == 39) thickness = ctx.real(i);
  });
  AcGeVector3d n = UnitNormal(f.normal);
  AcGePoint3d p3 = f.hasPt[3] ? f.pt[3] : f.pt[2];
  auto e = std::make_unique<AcDbSolid>(World(f.pt[0], n), World(f.pt[1], n), World(f.pt[2], n), World(p3, n));
  e->setThickness(thickness);
  e->setNormal(n);
  return e;
}

EntityPtr ReadText(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  double thickness = 0, height = 0, rotation = 0, width = 1, oblique = 0;
  size_t heightAt = from;
  int hmode = 0, vmode = 0;
  std::wstring text, style = L"Standard";
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 39: thickness = ctx.real(i); break;
      case 40: height = ctx.real(i), heightAt = i; break;
      case 1: text = ctx.text(i); break;
      case 50: rotation = ctx.real(i); break;
      case 41: width = ctx.real(i); break;
      case 51: oblique = ctx.real(i); break;
      case 7: style = ctx.text(i); break;
      case 72: hmode = ctx.int16(i); break;
      case 73: vmode = ctx.int16(i); break;
      default: break;
    }
  });
  AcGeVector3d n = UnitNormal(f.normal);
  auto e = std::make_unique<AcDbText>();
  e->setNormal(n);
  e->setPosition(World(f.pt[0], n));
  e->setTextString(text.c_str());
  e->setTextStyle(ctx.textStyle(style));
  Need(ctx, e->setHeight(height), heightAt, L"the text height must be greater than 0");
  e->setRotation(Radians(rotation));
  if (width > 0) e->setWidthFactor(width);
  e->setOblique(Radians(oblique));
  e->setThickness(thickness);
  if (hmode < 0 || hmode > 5 || vmode < 0 || vmode > 3) ctx.damaged(from, L"its alignment is not one DXF knows");
  e->setHorizontalMode(static_cast<AcDb::TextHorzMode>(hmode));
  e->setVerticalMode(static_cast<AcDb::TextVertMode>(vmode));
  if (hmode || vmode) e->setAlignmentPoint(World(f.hasPt[1] ? f.pt[1] : f.pt[0], n));
  return e;
}

EntityPtr ReadMText(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  double height = 0, width = 0, rotation = 0, spacing = 1;
  size_t heightAt = from;
  bool hasRotation = false;
  int attachment = 1;
  std::wstring head, last, style = L"Standard";
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 40: height = ctx.real(i), heightAt = i; break;
      case 41: width = ctx.real(i); break;
      case 71: attachment = ctx.int16(i); break;
      case 1: last = ctx.text(i); break;
      case 3: head += ctx.text(i); break;
      case 7: style = ctx.text(i); break;
      case 50: rotation = ctx.real(i), hasRotation = true; break;
      case 44: spacing = ctx.real(i); break;
      default: break;
    }
  });
  auto e = std::make_unique<AcDbMText>();
  AcGeVector3d n = UnitNormal(f.normal);
  e->setNormal(n);
  e->setLocation(f.pt[0]);
  Need(ctx, e->setTextHeight(height), heightAt, L"the text height must be greater than 0");
  if (width > 0) e->setWidth(width);
  if (attachment < 1 || attachment > 9) attachment = 1;
  e->setAttachment(static_cast<AcDbMText::AttachmentPoint>(attachment));
  e->setContents((head + last).c_str());
  e->setTextStyle(ctx.textStyle(style));
  if (spacing > 0) e->setLineSpacingFactor(spacing);
  AcGeVector3d dir(f.pt[1].x, f.pt[1].y, f.pt[1].z);
  // The direction vector wins over the angle when both are there.
  if (!(f.hasPt[1] && e->setDirection(dir) == Acad::eOk) && hasRotation) e->setRotation(rotation);
  return e;
}

EntityPtr ReadLwPolyline(DxfReadContext& ctx, size_t from, size_t to, Fields& f) {
  struct Vertex {
    double x = 0, y = 0, sw = -1, ew = -1, bulge = 0;
  };
  std::vector<Vertex> vertices;  // grows with the 10 groups read, never from the count in 90
  double elevation = 0, thickness = 0, constant = 0;
  int flags = 0;
  // Points repeat here: each 10 starts a vertex, the groups after it belong to that vertex.
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 10: vertices.emplace_back(); vertices.back().x = ctx.real(i); break;
      case 20: if (!vertices.empty()) vertices.back().y = ctx.real(i); break;
      case 38: elevation = ctx.real(i); break;
      case 39: thickness = ctx.real(i); break;
      case 43: constant = ctx.real(i); break;
      case 70: flags = ctx.int16(i); break;
      case 40: if (!vertices.empty()) vertices.back().sw = ctx.real(i); break;
      case 41: if (!vertices.empty()) vertices.back().ew = ctx.real(i); break;
      case 42: if (!vertices.empty()) vertices.back().bulge = ctx.real(i); break;
      default: break;
    }
  });
  auto e = std::make_unique<AcDbPolyline>();
  e->setNormal(UnitNormal(f.normal));
  e->setElevation(elevation);
  e->setThickness(thickness);
  if (constant > 0) e->setConstantWidth(constant);
  for (size_t k = 0; k < vertices.size(); ++k) {
    const Vertex& v = vertices[k];
    Need(ctx, e->addVertexAt(static_cast<unsigned>(k), AcGePoint2d(v.x, v.y), v.bulge, v.sw, v.ew), from,
         L"vertex " + std::to_wstring(k + 1) + L" is not usable");
  }
  e->setClosed((flags & 1) != 0);
  return e;
}

bool StartsWith(DxfReadContext& ctx, size_t i, const char* type) { return ctx.groups.is(i, 0, type); }

EntityPtr ReadPolyline(DxfReadContext& ctx, size_t from, size_t to, size_t fullEnd, Fields& f, std::wstring& kind) {
  int flags = 0, smooth = 0;
  double thickness = 0, sw = 0, ew = 0;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 70: flags = ctx.int16(i); break;
      case 75: smooth = ctx.int16(i); break;
      case 39: thickness = ctx.real(i); break;
      case 40: sw = ctx.real(i); break;
      case 41: ew = ctx.real(i); break;
      default: break;
    }
  });
  if (flags & 8) kind = L"POLYLINE (3D)";
  else if (flags & 16) kind = L"POLYLINE (mesh)";
  else if (flags & 64) kind = L"POLYLINE (polyface)";
  if (!kind.empty()) return nullptr;
  AcGeVector3d n = UnitNormal(f.normal);
  auto e = std::make_unique<AcDb2dPolyline>();
  e->setNormal(n);
  e->setElevation(f.pt[0].z);
  e->setThickness(thickness);
  if (sw >= 0) e->setDefaultStartWidth(sw);
  if (ew >= 0) e->setDefaultEndWidth(ew);
  AcDb::Poly2dType type = AcDb::k2dSimplePoly;
  if (flags & 2) type = AcDb::k2dFitCurvePoly;
  if (flags & 4) type = smooth == 5 ? AcDb::k2dQuadSplinePoly : AcDb::k2dCubicSplinePoly;
  e->setPolyType(type);
  for (size_t i = to; i < fullEnd && StartsWith(ctx, i, "VERTEX");) {
    size_t end = NextDxfRecord(ctx, i);
    Fields vf;
    double vsw = sw, vew = ew, bulge = 0, tangent = 0;
    int vflags = 0;
    Scan(ctx, i + 1, end, vf, [&](size_t k, int code) {
      switch (code) {
        case 40: vsw = ctx.real(k); break;
        case 41: vew = ctx.real(k); break;
        case 42: bulge = ctx.real(k); break;
        case 50: tangent = ctx.real(k); break;
        case 70: vflags = ctx.int16(k); break;
        default: break;
      }
    });
    // The frame of a spline-fit polyline is not drawn: its fitted vertices are.
    if (!(vflags & 16)) {
      if (!std::isfinite(bulge)) ctx.damaged(i, L"a vertex has no usable bulge");
      auto v = std::make_unique<AcDb2dVertex>(AcGePoint3d(vf.pt[0].x, vf.pt[0].y, 0), bulge, vsw < 0 ? 0 : vsw,
                                              vew < 0 ? 0 : vew, Radians(tangent));
      Need(ctx, e->appendVertex(v.get()), i, L"a vertex cannot be added");
      v.release();
    }
    i = end;
  }
  e->setClosed((flags & 1) != 0);
  return e;
}

EntityPtr ReadInsert(DxfReadContext& ctx, size_t from, size_t to, Fields& f, AcDbObjectId& target, bool& array) {
  std::wstring name;
  size_t nameAt = from;
  double sx = 1, sy = 1, sz = 1, rotation = 0;
  long long columns = 1, rows = 1;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 2: name = ctx.text(i), nameAt = i; break;
      case 41: sx = ctx.real(i); break;
      case 42: sy = ctx.real(i); break;
      case 43: sz = ctx.real(i); break;
      case 50: rotation = ctx.real(i); break;
      case 70: columns = ctx.integer(i); break;
      case 71: rows = ctx.integer(i); break;
      default: break;
    }
  });
  if (name.empty()) ctx.damaged(nameAt, L"it names no block");
  target = ctx.block(name, true);
  if (target.isNull()) ctx.damaged(nameAt, L"its block \"" + name + L"\" cannot be made");
  if (target == ctx.db->modelSpaceId() || target == ctx.db->paperSpaceId())
    ctx.damaged(nameAt, L"it would show model or paper space as a block");
  array = columns > 1 || rows > 1;
  AcGeVector3d n = UnitNormal(f.normal);
  auto e = std::make_unique<AcDbBlockReference>(World(f.pt[0], n), target);
  e->setNormal(n);
  // A zero z scale flattens the block onto its plane, which the host's 2D blocks are already in.
  if (sz == 0.0) sz = 1.0;
  Need(ctx, e->setScaleFactors(AcGeScale3d(sx, sy, sz)), from, L"its scale is not usable");
  e->setRotation(Radians(rotation));
  return e;
}

// The [from, to) groups of an "ACAD" application whose data is only the dimension-variable
// overrides {"DSTYLE" "{" code value ... "}"}; false when the extended data has none.
bool FindDimOverrides(DxfReadContext& ctx, size_t from, size_t to, size_t& a, size_t& b) {
  for (size_t i = from; i < to; ++i) {
    if (ctx.groups[i].code != 1001 || DxfUpper(ctx.text(i)) != L"ACAD") continue;
    a = i;
    b = i + 1;
    while (b < to && ctx.groups[b].code != 1001) ++b;
    return a + 2 < b && ctx.groups[a + 1].code == 1000 && DxfUpper(ctx.text(a + 1)) == L"DSTYLE" &&
           ctx.groups.is(a + 2, 1002, "{") && ctx.groups.is(b - 1, 1002, "}");
  }
  return false;
}

void ApplyDimOverrides(DxfReadContext& ctx, AcDbDimension* dim, size_t a, size_t b) {
  for (size_t i = a + 3; i + 1 < b - 1; i += 2) {
    if (ctx.groups[i].code != 1070) ctx.damaged(i, L"its dimension-variable overrides are not code/value pairs");
    const int code = ctx.int16(i);
    const DxfDimVarCode* var = FindDxfDimVar(code);
    const size_t v = i + 1;
    if (!var) continue;
    switch (var->kind) {
      case 'R': dim->setDimVar(var->name, DimVarValue::Real(ctx.real(v), code)); break;
      case 'I': dim->setDimVar(var->name, DimVarValue::Int(static_cast<Adesk::Int32>(ctx.integer(v)), code)); break;
      case 'S': dim->setDimVar(var->name, DimVarValue::String(ctx.text(v), code)); break;
      case 'H': {
        const uint64_t h = ctx.handle(v);
        AcDbObjectId id;
        auto r = ctx.recordsByHandle.find(h);
        if (r != ctx.recordsByHandle.end()) id = r->second;
        auto bl = ctx.blockRecordsByHandle.find(h);
        if (id.isNull() && bl != ctx.blockRecordsByHandle.end()) id = bl->second;
        if (!id.isNull()) dim->setDimVar(var->name, DimVarValue::Id(id, code));
        break;
      }
      default: break;
    }
  }
}

EntityPtr ReadDimension(DxfReadContext& ctx, size_t from, size_t to, Fields& f, std::wstring& kind) {
  int flags = 0;
  double rotation = 0, oblique = 0, leader = 0, textRotation = 0, horizontal = 0;
  std::wstring text, style = L"Standard", blockName;
  Scan(ctx, from, to, f, [&](size_t i, int code) {
    switch (code) {
      case 70: flags = ctx.int16(i); break;
      case 1: text = ctx.text(i); break;
      case 2: blockName = ctx.text(i); break;
      case 3: style = ctx.text(i); break;
      case 50: rotation = ctx.real(i); break;
      case 52: oblique = ctx.real(i); break;
      case 40: leader = ctx.real(i); break;
      case 53: textRotation = ctx.real(i); break;
      case 51: horizontal = ctx.real(i); break;
      default: break;
    }
  });
  AcGeVector3d n = UnitNormal(f.normal);
  const AcGePoint3d* p = f.pt;  // 10 def point, 11 text (OCS), 13..16
  EntityPtr e;
  switch (flags & 7) {
    case 0: {
      auto d = std::make_unique<AcDbRotatedDimension>();
      d->setXLine1Point(p[3]);
      d->setXLine2Point(p[4]);
      d->setDimLinePoint(p[0]);
      d->setRotation(Radians(rotation));
      d->setOblique(Radians(oblique));
      e = std::move(d);
      break;
    }
    case 1: {
      auto d = std::make_unique<AcDbAlignedDimension>();
      d->setXLine1Point(p[3]);
      d->setXLine2Point(p[4]);
      d->setDimLinePoint(p[0]);
      d->setOblique(Radians(oblique));
      e = std::move(d);
      break;
    }
    case 2: {
      auto d = std::make_unique<AcDb2LineAngularDimension>();
      d->setXLine1Start(p[3]);
      d->setXLine1End(p[4]);
      d->setXLine2Start(p[5]);
      d->setXLine2End(p[0]);
      d->setArcPoint(World(p[6], n));
      e = std::move(d);
      break;
    }
    case 3: {
      auto d = std::make_unique<AcDbDiametricDimension>();
      d->setFarChordPoint(p[0]);
      d->setChordPoint(p[5]);
      d->setLeaderLength(leader);
      e = std::move(d);
      break;
    }
    case 4: {
      auto d = std::make_unique<AcDbRadialDimension>();
      d->setCenter(p[0]);
      d->setChordPoint(p[5]);
      d->setLeaderLength(leader);
      e = std::move(d);
      break;
    }
    case 5: {
      auto d = std::make_unique<AcDb3PointAngularDimension>();
      d->setXLine1Point(p[3]);
      d->setXLine2Point(p[4]);
      d->setCenterPoint(p[5]);
      d->setArcPoint(p[0]);
      e = std::move(d);
      break;
    }
    case 6: {
      auto d = std::make_unique<AcDbOrdinateDimension>();
      d->setOrigin(p[0]);
      d->setDefiningPoint(p[3]);
      d->setLeaderEndPoint(p[4]);
      if (flags & 64) d->useXAxis();
      else d->useYAxis();
      e = std::move(d);
      break;
    }
    default:
      kind = L"DIMENSION (type " + std::to_wstring(flags & 7) + L")";
      return nullptr;
  }
  AcDbDimension* dim = static_cast<AcDbDimension*>(e.get());
  dim->setNormal(n);
  dim->setDimensionStyle(ctx.dimStyle(style));
  dim->setDimensionText(text.c_str());
  dim->setTextRotation(Radians(textRotation));
  dim->setHorizontalRotation(Radians(horizontal));
  dim->setTextPosition(World(p[1], n));
  if (!(flags & 128)) dim->useDefaultTextPosition();
  AcDbObjectId block = blockName.empty() ? AcDbObjectId::kNull : ctx.block(blockName, false);
  if (!block.isNull()) dim->setDimBlockId(block);
  size_t a = 0, b = 0;
  if (f.xdataTo > f.xdataFrom && FindDimOverrides(ctx, f.xdataFrom, f.xdataTo, a, b)) {
    ApplyDimOverrides(ctx, dim, a, b);
    f.dimFrom = a;
    f.dimTo = b;
  }
  return e;
}

// The common properties onto the entity before it enters the database.
void ApplyCommon(DxfReadContext& ctx, AcDbEntity* e, const Fields& f) {
  e->setLayer(ctx.layer(f.layer));
  if (!f.linetype.empty()) e->setLinetype(ctx.linetype(f.linetype));
  AcCmColor color;
  if (f.hasRgb) {
    color.setRGB(static_cast<Adesk::UInt8>((f.rgb >> 16) & 0xFF), static_cast<Adesk::UInt8>((f.rgb >> 8) & 0xFF),
                 static_cast<Adesk::UInt8>(f.rgb & 0xFF));
  } else if (f.color == 0) {
    color.setByBlock();
  } else if (f.color >= 1 && f.color <= 255) {
    color.setColorIndex(static_cast<Adesk::UInt16>(f.color));
  } else {
    color.setByLayer();
  }
  e->setColor(color);
  if (f.ltscale > 0 && std::isfinite(f.ltscale)) e->setLinetypeScale(f.ltscale);
  if (IsLineWeight(f.lineweight)) e->setLineWeight(static_cast<AcDb::LineWeight>(f.lineweight));
  if (f.invisible) e->setVisibility(AcDb::kInvisible);
}

bool IsLayoutName(const std::wstring& upper) {
  return upper == L"*MODEL_SPACE" || upper.compare(0, 12, L"*PAPER_SPACE") == 0;
}

}  // namespace

size_t DxfEntityReader::extent(size_t i, const std::wstring& type) const {
  size_t end = NextDxfRecord(ctx_, i);
  const size_t n = ctx_.groups.size();
  const char* follower = type == L"POLYLINE" ? "VERTEX" : type == L"INSERT" ? "ATTRIB" : nullptr;
  if (!follower) return end;
  bool followed = false;
  while (end < n && ctx_.groups.is(end, 0, follower)) {
    end = NextDxfRecord(ctx_, end);
    followed = true;
  }
  if (ctx_.groups.is(end, 0, "SEQEND") && (followed || type == L"POLYLINE" || type == L"INSERT"))
    end = NextDxfRecord(ctx_, end);
  return end;
}

void DxfEntityReader::readOne(const std::wstring& type, size_t i, size_t end, size_t fullEnd, AcDbObjectId owner) {
  Fields f;
  EntityPtr e;
  std::wstring skippedAs;
  AcDbObjectId insertTarget;
  bool array = false;
  const size_t from = i + 1;
  if (type == L"LINE") e = ReadLine(ctx_, from, end, f);
  else if (type == L"POINT") e = ReadPoint(ctx_, from, end, f);
  else if (type == L"CIRCLE") e = ReadCircleOrArc(ctx_, from, end, f, false);
  else if (type == L"ARC") e = ReadCircleOrArc(ctx_, from, end, f, true);
  else if (type == L"XLINE") e = ReadXline(ctx_, from, end, f);
  else if (type == L"SOLID") e = ReadSolid(ctx_, from, end, f);
  else if (type == L"TEXT") e = ReadText(ctx_, from, end, f);
  else if (type == L"MTEXT") e = ReadMText(ctx_, from, end, f);
  else if (type == L"LWPOLYLINE") e = ReadLwPolyline(ctx_, from, end, f);
  else if (type == L"POLYLINE") e = ReadPolyline(ctx_, from, end, fullEnd, f, skippedAs);
  else if (type == L"INSERT") e = ReadInsert(ctx_, from, end, f, insertTarget, array);
  else if (type == L"DIMENSION") e = ReadDimension(ctx_, from, end, f, skippedAs);
  else skippedAs = type;
  if (!e) {
    ctx_.countSkipped(skippedAs.empty() ? type : skippedAs);
    return;
  }
  // Attributes of a block reference are not kept.
  for (size_t k = end; k < fullEnd; k = NextDxfRecord(ctx_, k))
    if (type == L"INSERT" && ctx_.groups.is(k, 0, "ATTRIB")) ctx_.countSkipped(L"ATTRIB");
  if (array) ctx_.countSkipped(L"INSERT array (first copy kept)");

  if (owner.isNull()) {
    owner = f.paper ? ctx_.db->paperSpaceId() : ctx_.db->modelSpaceId();
    auto it = ctx_.blockRecordsByHandle.find(f.owner);
    if (f.owner && it != ctx_.blockRecordsByHandle.end()) {
      const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(PeekObject(it->second));
      if (rec && IsLayoutName(DxfUpper(rec->nameString()))) owner = it->second;
    }
  }
  ApplyCommon(ctx_, e.get(), f);
  resbuf* xdata = nullptr;
  if (f.xdataTo > f.xdataFrom) {
    if (f.dimTo > f.dimFrom) {
      resbuf* before = ctx_.xdata(f.xdataFrom, f.dimFrom);
      resbuf* after = nullptr;
      try {
        after = ctx_.xdata(f.dimTo, f.xdataTo);
      } catch (...) {
        acutRelRb(before);
        throw;
      }
      xdata = before ? before : after;
      if (before) {
        resbuf* last = before;
        while (last->rbnext) last = last->rbnext;
        last->rbnext = after;
      }
    } else {
      xdata = ctx_.xdata(f.xdataFrom, f.xdataTo);
    }
  }
  AcDbObjectId id;
  AcDbEntity* raw = e.get();
  if (ctx_.addEntity(raw, f.handle, owner, id) != Acad::eOk) {
    acutRelRb(xdata);
    ctx_.damaged(i, L"it cannot be added to the drawing");
  }
  e.release();
  Acad::ErrorStatus es = xdata ? raw->setXData(xdata) : Acad::eOk;
  acutRelRb(xdata);
  raw->close();
  if (es != Acad::eOk) ctx_.countSkipped(L"extended data (" + type + L")");
  if (!insertTarget.isNull()) ctx_.insertEdges.push_back({owner, {insertTarget, id}});
  ctx_.countRead(type);
}

size_t DxfEntityReader::read(size_t i, const char* endName, AcDbObjectId owner) {
  const size_t n = ctx_.groups.size();
  while (i < n) {
    if (ctx_.groups[i].code != 0) {
      i = NextDxfRecord(ctx_, i);
      continue;
    }
    std::string_view name = TrimDxf(ctx_.groups.value(i));
    if (name == endName) return i;
    if (name == "ENDSEC" || name == "ENDBLK" || name == "BLOCK" || name == "SECTION" || name == "EOF")
      ctx_.damaged(i, FromUtf8(std::string(endName)) + L" is missing before " + FromUtf8(std::string(name)));
    const std::wstring type = DxfUpper(DxfTypeName(name));
    const size_t end = NextDxfRecord(ctx_, i);
    const size_t fullEnd = extent(i, type);
    try {
      readOne(type, i, end, fullEnd, owner);
    } catch (const DxfDamage& d) {
      ctx_.report.damaged.push_back(DxfDamagedEntity{static_cast<int>(d.line), type, d.reason});
    }
    i = fullEnd;
  }
  ctx_.damaged(n ? n - 1 : 0, FromUtf8(std::string(endName)) + L" is missing: the file ends early, it may be truncated");
}

void DxfEntityReader::breakInsertCycles() {
  std::map<AcDbObjectId, std::vector<std::pair<AcDbObjectId, AcDbObjectId>>> refs;
  for (const auto& edge : ctx_.insertEdges) refs[edge.first].push_back(edge.second);
  std::map<AcDbObjectId, int> state;  // 1 on the path, 2 done
  std::vector<AcDbObjectId> broken;
  // Depth-first without recursion: a file may nest blocks deeply.
  for (const auto& start : refs) {
    if (state[start.first]) continue;
    std::vector<std::pair<AcDbObjectId, size_t>> stack{{start.first, 0}};
    state[start.first] = 1;
    while (!stack.empty()) {
      auto& top = stack.back();
      const auto& out = refs[top.first];
      if (top.second >= out.size()) {
        state[top.first] = 2;
        stack.pop_back();
        continue;
      }
      const auto& edge = out[top.second++];
      int& s = state[edge.first];
      if (s == 1) broken.push_back(edge.second);
      else if (s == 0) {
        s = 1;
        stack.push_back({edge.first, 0});
      }
    }
  }
  for (AcDbObjectId id : broken) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForWrite) != Acad::eOk) continue;
    ent->erase(true);
    ent->close();
    --ctx_.report.entitiesRead[L"INSERT"];
    ctx_.countSkipped(L"INSERT (block inside itself)");
  }
}

}  // namespace zhost

