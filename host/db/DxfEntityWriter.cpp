// zhost::WriteDxfEntity: the common entity groups, extended data, explode of entities without a
// DXF form, and the dispatch to the per-class writers (DxfHostEntities.cpp).
#include "host/db/DxfEntityWriter.h"

#include <cmath>
#include <cwctype>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbSymbolTable.h"
#include "host/db/DxfHostEntities.h"
#include "host/db/ObjectStub.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"

namespace zhost {

namespace {

// Exploded pieces may explode again (a block reference inside a custom entity's picture); a
// picture deeper than this is taken as a loop.
const int kMaxExplodeDepth = 8;

bool SameName(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::towupper(static_cast<wint_t>(a[i])) != std::towupper(static_cast<wint_t>(b[i]))) return false;
  return i == a.size() && !b[i];
}

std::string HexBytes(const char* data, int length) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (int i = 0; i < length; ++i) {
    unsigned char c = static_cast<unsigned char>(data[i]);
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

void WriteXDataList(DxfGroupWriter& out, const resbuf* rb) {
  for (; rb; rb = rb->rbnext) {
    int code = rb->restype;
    if (code == 1004) {
      // Binary chunks go out as hexadecimal, at most 127 bytes a group.
      const ads_binary& b = rb->resval.rbinary;
      for (int at = 0; at < b.clen || (at == 0 && b.clen == 0); at += 127) {
        int n = b.clen - at < 127 ? b.clen - at : 127;
        out.raw(1004, b.buf && n > 0 ? HexBytes(b.buf + at, n) : std::string());
        if (b.clen == 0) break;
      }
    } else if ((code >= 1000 && code <= 1003) || code == 1005) {
      out.str(code, rb->resval.rstring ? std::wstring(rb->resval.rstring) : std::wstring());
    } else if (code >= 1010 && code <= 1013) {
      out.point(code, AcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]));
    } else if (code >= 1040 && code <= 1042) {
      out.real(code, rb->resval.rreal);
    } else if (code == 1070) {
      out.integer(code, rb->resval.rint);
    } else if (code == 1071) {
      out.integer(code, rb->resval.rlong);
    }
  }
}

}  // namespace

std::wstring DxfRecordName(const AcDbObjectId& id) {
  AcDbObject* obj = PeekObject(id);
  AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(obj);
  return rec ? rec->nameString() : std::wstring();
}

AcGePoint3d DxfWorldToOcs(const AcGePoint3d& p, const AcGeVector3d& normal) {
  AcGeVector3d n = normal;
  double len = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  if (len < 1e-12) return p;
  n = AcGeVector3d(n.x / len, n.y / len, n.z / len);
  if (std::fabs(n.x) < 1e-12 && std::fabs(n.y) < 1e-12 && n.z > 0) return p;
  const double kLimit = 1.0 / 64.0;
  AcGeVector3d ax = (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit) ? AcGeVector3d(0, 1, 0).crossProduct(n)
                                                                          : AcGeVector3d(0, 0, 1).crossProduct(n);
  ax = ax.normal();
  AcGeVector3d ay = n.crossProduct(ax).normal();
  AcGeVector3d v(p.x, p.y, p.z);
  return AcGePoint3d(v.dotProduct(ax), v.dotProduct(ay), v.dotProduct(n));
}

void DxfEntityHead::writeCommon(const char* dxfType, const char* subclass) const {
  out->str(0, dxfType);
  out->handle(5, handle);
  out->handle(330, owner);
  out->str(100, "AcDbEntity");
  if (paperSpace) out->integer(67, 1);
  const ACHAR* layerText = ent->layer();
  std::wstring layer = layerText && *layerText ? layerText : L"0";
  ctx->layers.insert(layer);
  out->str(8, layer);
  const ACHAR* ltText = ent->linetype();
  std::wstring linetype = ltText ? ltText : L"";
  if (!linetype.empty() && !SameName(linetype, L"ByLayer")) {
    ctx->linetypes.insert(linetype);
    out->str(6, linetype);
  }
  const AcCmEntityColor& color = ent->entityColor();
  if (color.isByBlock()) {
    out->integer(62, 0);
  } else if (color.isByACI()) {
    out->integer(62, color.colorIndex());
  } else if (color.isByColor()) {
    out->integer(62, color.colorIndex());
    out->integer(420, (static_cast<long long>(color.red()) << 16) | (static_cast<long long>(color.green()) << 8) | color.blue());
  }
  if (ent->lineWeight() != AcDb::kLnWtByLayer) out->integer(370, ent->lineWeight());
  double ltscale = ent->linetypeScale();
  if (std::fabs(ltscale - 1.0) > 1e-12) out->real(48, ltscale);
  if (ent->visibility() == AcDb::kInvisible) out->integer(60, 1);
  if (subclass) out->str(100, subclass);
}

void DxfEntityHead::writeXData() const {
  resbuf* rb = ent->xData(nullptr);
  if (!rb && xdataSource) rb = xdataSource->xData(nullptr);
  WriteXDataList(*out, rb);
  if (rb) acutRelRb(rb);
  ++ctx->summary.entities;
}

namespace {

void WriteEntity(DxfExportContext& ctx, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner,
                 bool paperSpace, const AcDbHandle& handle, const AcDbEntity* xdataSource, int depth);

// Writes what the entity's explode gives; false when it gives nothing.
bool WriteExploded(DxfExportContext& ctx, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner,
                   bool paperSpace, const AcDbHandle& handle, const AcDbEntity* xdataSource, int depth) {
  if (depth >= kMaxExplodeDepth) return false;
  AcDbVoidPtrArray pieces;
  Acad::ErrorStatus es = Acad::eNotApplicable;
  try {
    es = ent->explode(pieces);
  } catch (CException* e) {
    e->Delete();
    es = Acad::eNotApplicable;
  } catch (...) {
    es = Acad::eNotApplicable;
  }
  bool any = false;
  DxfGroupWriter written;
  for (int i = 0; i < pieces.length(); ++i) {
    AcDbEntity* piece = static_cast<AcDbEntity*>(pieces[i]);
    if (!piece) continue;
    if (es == Acad::eOk) {
      // The first piece stands for the entity: its handle and, unless it has its own, its
      // extended data.
      AcDbHandle h = any ? ctx.newHandle() : handle;
      WriteEntity(ctx, written, piece, owner, paperSpace, h, any ? nullptr : (xdataSource ? xdataSource : ent),
                  depth + 1);
      any = true;
    }
    delete piece;
  }
  if (!any) return false;
  out.append(written);
  return true;
}

void CountSkipped(DxfExportContext& ctx, const AcDbEntity* ent) {
  ++ctx.summary.skipped;
  const AcRxClass* cls = ent->isA();
  ++ctx.summary.skippedClasses[cls ? cls->name() : L"?"];
}

void WriteEntity(DxfExportContext& ctx, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner,
                 bool paperSpace, const AcDbHandle& handle, const AcDbEntity* xdataSource, int depth) {
  // Each try writes into its own buffer: an entity that fails half-way leaves nothing behind.
  try {
    DxfGroupWriter own;
    DxfEntityHead head{&ctx, &own, ent, handle, owner, paperSpace, xdataSource, depth};
    if (WriteHostEntity(head, true)) {
      out.append(own);
      return;
    }
    if (WriteExploded(ctx, out, ent, owner, paperSpace, handle, xdataSource, depth)) {
      if (depth == 0) ++ctx.summary.exploded;
      return;
    }
    // A module class derived from a host class that does not explode: its host part.
    DxfGroupWriter base;
    head.out = &base;
    if (WriteHostEntity(head, false)) {
      out.append(base);
      return;
    }
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  CountSkipped(ctx, ent);
}

}  // namespace

void WriteDxfEntity(DxfExportContext& ctx, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner,
                    bool paperSpace) {
  if (!ent) return;
  AcDbHandle handle = ent->objectId().isNull() ? ctx.newHandle() : ent->handle();
  WriteEntity(ctx, out, ent, owner, paperSpace, handle, nullptr, 0);
}

void WriteDxfPiece(const DxfEntityHead& parent, DxfGroupWriter& out, const AcDbEntity* ent, const AcDbHandle& owner) {
  WriteEntity(*parent.ctx, out, ent, owner, false, parent.ctx->newHandle(), nullptr, parent.depth + 1);
}

}  // namespace zhost
