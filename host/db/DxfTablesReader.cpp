// Header variables and symbol tables of a DXF file.
#include "host/db/DxfTablesReader.h"

#include <cmath>
#include <memory>
#include <vector>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/DxfDimVarCodes.h"
#include "host/db/DxfReadContext.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;

const wchar_t* const kKeptHeader[] = {L"$ACADVER",  L"$HANDSEED", L"$INSUNITS", L"$CLAYER",    L"$TEXTSTYLE",
                                      L"$DIMSTYLE", L"$CELTYPE",  L"$CECOLOR",  L"$TEXTSIZE",  L"$TILEMODE",
                                      L"$LTSCALE",  L"$CELTSCALE", L"$CELWEIGHT", L"$DIMSCALE", L"$DWGCODEPAGE"};

bool IsKept(const std::wstring& name) {
  for (const wchar_t* k : kKeptHeader)
    if (name == k) return true;
  return false;
}

bool IsLineWeight(int w) {
  static const int kWeights[] = {-3, -2, -1, 0, 5, 9, 13, 15, 18, 20, 25, 30, 35, 40, 50, 53, 60, 70, 80, 90, 100,
                                 106, 120, 140, 158, 200, 211};
  for (int k : kWeights)
    if (k == w) return true;
  return false;
}

// Opens a record for write for the length of a scope.
template <class T>
struct WriteOpen {
  T* obj = nullptr;
  explicit WriteOpen(AcDbObjectId id) {
    if (acdbOpenObject(obj, id, AcDb::kForWrite) != Acad::eOk) obj = nullptr;
  }
  ~WriteOpen() {
    if (obj) obj->close();
  }
  WriteOpen(const WriteOpen&) = delete;
  WriteOpen& operator=(const WriteOpen&) = delete;
};

template <class Table, class Record>
AcDbObjectId FindOrAdd(DxfReadContext& ctx, AcDbObjectId tableId, std::map<std::wstring, AcDbObjectId>& cache,
                       const std::wstring& name) {
  auto it = cache.find(DxfUpper(name));
  if (it != cache.end()) return it->second;
  if (!AcDbSymbolTableRecord::IsValidName(name, true)) {
    std::wstring usable = name;
    for (size_t k = 0; k < usable.size(); ++k)
      if ((k > 0 || usable[k] != L'*') && std::wstring(L"<>/\\\":;?*,=`").find(usable[k]) != std::wstring::npos)
        usable[k] = L'_';
    if (usable.empty() || usable.find_first_not_of(L' ') == std::wstring::npos) usable = L"_";
    usable = usable.substr(0, 255);
    ctx.report.renamed[name] = usable;
    AcDbObjectId id = FindOrAdd<Table, Record>(ctx, tableId, cache, usable);
    ctx.remember(cache, name, id);
    return id;
  }
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId::kNull;
  std::unique_ptr<Record> rec(new Record);
  rec->setNameDirect(name);
  AcDbObjectId id;
  if (table->add(id, rec.get()) == Acad::eOk) rec.release()->close();
  else id.setNull();
  table->close();
  if (!id.isNull()) ctx.remember(cache, name, id);
  return id;
}

struct Range {
  size_t from, to;  // [from, to): the groups of one record after its 0 group
};

std::wstring RecordName(DxfReadContext& ctx, Range r) {
  for (size_t i = r.from; i < r.to; ++i)
    if (ctx.groups[i].code == 2) return ctx.text(i);
  return L"";
}

// Groups that belong to nested structures of a record ({ACAD_REACTORS ...}, extended data) are
// not its fields.
template <class Fn>
void ForFields(DxfReadContext& ctx, Range r, Fn fn) {
  for (size_t i = r.from; i < r.to; ++i) {
    const int code = ctx.groups[i].code;
    if (code >= 1000) return;
    if (code == 102 && !ctx.groups.value(i).empty() && ctx.groups.value(i)[0] == '{') {
      while (i + 1 < r.to && !(ctx.groups[i + 1].code == 102 && ctx.groups.value(i + 1) == "}")) ++i;
      ++i;
      continue;
    }
    fn(i, code);
  }
}

void RememberHandle(DxfReadContext& ctx, Range r, int code, AcDbObjectId id) {
  for (size_t i = r.from; i < r.to; ++i)
    if (ctx.groups[i].code == code) {
      if (uint64_t h = ctx.handle(i)) ctx.recordsByHandle[h] = id;
      return;
    }
}

void ReadLayer(DxfReadContext& ctx, Range r) {
  std::wstring name = RecordName(ctx, r);
  if (name.empty()) ctx.damaged(r.from, L"a layer has no name");
  AcDbObjectId id = ctx.layer(name);
  WriteOpen<AcDbLayerTableRecord> rec(id);
  if (!rec.obj) return;
  ForFields(ctx, r, [&](size_t i, int code) {
    switch (code) {
      case 70: {
        int flags = ctx.int16(i);
        rec.obj->setIsFrozen((flags & 1) != 0);
        rec.obj->setIsLocked((flags & 4) != 0);
        break;
      }
      case 62: {
        int c = ctx.int16(i);
        rec.obj->setIsOff(c < 0);
        int index = std::abs(c);
        AcCmColor color;
        color.setColorIndex(static_cast<Adesk::UInt16>(index >= 1 && index <= 255 ? index : 7));
        if (!(rec.obj->color().isByColor())) rec.obj->setColor(color);
        break;
      }
      case 420: {
        long long rgb = ctx.integer(i);
        AcCmColor color;
        color.setRGB(static_cast<Adesk::UInt8>((rgb >> 16) & 0xFF), static_cast<Adesk::UInt8>((rgb >> 8) & 0xFF),
                     static_cast<Adesk::UInt8>(rgb & 0xFF));
        rec.obj->setColor(color);
        break;
      }
      case 6: rec.obj->setLinetypeObjectId(ctx.linetype(ctx.text(i))); break;
      case 370: {
        int w = ctx.int16(i);
        if (IsLineWeight(w) && w >= 0) rec.obj->setLineWeight(static_cast<AcDb::LineWeight>(w));
        break;
      }
      case 290: rec.obj->setIsPlottable(ctx.int16(i) != 0); break;
      default: break;
    }
  });
}

void ReadLinetype(DxfReadContext& ctx, Range r) {
  std::wstring name = RecordName(ctx, r);
  if (name.empty()) ctx.damaged(r.from, L"a linetype has no name");
  AcDbObjectId id = ctx.linetype(name);
  RememberHandle(ctx, r, 5, id);
  WriteOpen<AcDbLinetypeTableRecord> rec(id);
  if (!rec.obj) return;
  std::vector<double> dashes;
  ForFields(ctx, r, [&](size_t i, int code) {
    if (code == 3) rec.obj->setComments(ctx.text(i).c_str());
    if (code == 40) rec.obj->setPatternLength(ctx.real(i));
    if (code == 49) dashes.push_back(ctx.real(i));
  });
  rec.obj->setNumDashes(static_cast<int>(dashes.size()));
  for (size_t k = 0; k < dashes.size(); ++k) rec.obj->setDashLengthAt(static_cast<int>(k), dashes[k]);
}

void ReadTextStyle(DxfReadContext& ctx, Range r) {
  std::wstring name = RecordName(ctx, r);
  // Shape files loaded for linetypes are unnamed entries: nothing a text uses.
  if (name.empty()) return;
  AcDbObjectId id = FindOrAdd<AcDbTextStyleTable, AcDbTextStyleTableRecord>(ctx, ctx.db->textStyleTableId(),
                                                                            ctx.textStyles, name);
  RememberHandle(ctx, r, 5, id);
  WriteOpen<AcDbTextStyleTableRecord> rec(id);
  if (!rec.obj) return;
  ForFields(ctx, r, [&](size_t i, int code) {
    switch (code) {
      case 70: {
        int flags = ctx.int16(i);
        rec.obj->setIsShapeFile((flags & 1) != 0);
        rec.obj->setIsVertical((flags & 4) != 0);
        break;
      }
      case 40: rec.obj->setTextSize(ctx.real(i)); break;
      case 41: rec.obj->setXScale(ctx.real(i)); break;
      case 42: rec.obj->setPriorSize(ctx.real(i)); break;
      case 50: rec.obj->setObliquingAngle(ctx.real(i) * kPi / 180.0); break;
      case 71: rec.obj->setFlagBits(static_cast<Adesk::UInt8>(ctx.int16(i) & 0xFF)); break;
      case 3: rec.obj->setFileName(ctx.text(i).c_str()); break;
      case 4: rec.obj->setBigFontFileName(ctx.text(i).c_str()); break;
      default: break;
    }
  });
}

struct PendingRef {
  AcDbObjectId style;
  std::wstring name;
  int code;
  uint64_t handle;
};

void ReadDimStyle(DxfReadContext& ctx, Range r, std::vector<PendingRef>& pending) {
  std::wstring name = RecordName(ctx, r);
  if (name.empty()) ctx.damaged(r.from, L"a dimension style has no name");
  AcDbObjectId id = FindOrAdd<AcDbDimStyleTable, AcDbDimStyleTableRecord>(ctx, ctx.db->dimStyleTableId(),
                                                                          ctx.dimStyles, name);
  WriteOpen<AcDbDimStyleTableRecord> rec(id);
  if (!rec.obj) return;
  ForFields(ctx, r, [&](size_t i, int code) {
    const DxfDimVarCode* var = FindDxfDimVar(code);
    if (!var) return;
    switch (var->kind) {
      case 'R': rec.obj->setDimVar(var->name, DimVarValue::Real(ctx.real(i), code)); break;
      case 'I': rec.obj->setDimVar(var->name, DimVarValue::Int(static_cast<Adesk::Int32>(ctx.integer(i)), code)); break;
      case 'S': rec.obj->setDimVar(var->name, DimVarValue::String(ctx.text(i), code)); break;
      case 'H':
        if (uint64_t h = ctx.handle(i)) pending.push_back(PendingRef{id, var->name, code, h});
        break;
      default: break;
    }
  });
}

void ResolvePending(DxfReadContext& ctx, const std::vector<PendingRef>& pending) {
  for (const PendingRef& p : pending) {
    auto it = ctx.recordsByHandle.find(p.handle);
    if (it == ctx.recordsByHandle.end()) {
      auto b = ctx.blockRecordsByHandle.find(p.handle);
      if (b == ctx.blockRecordsByHandle.end()) continue;
      it = b;
    }
    WriteOpen<AcDbDimStyleTableRecord> rec(p.style);
    if (rec.obj) rec.obj->setDimVar(p.name, DimVarValue::Id(it->second, p.code));
  }
}

void ReadBlockRecord(DxfReadContext& ctx, Range r) {
  std::wstring name = RecordName(ctx, r);
  if (name.empty()) return;
  AcDbObjectId id = ctx.block(name, true);
  if (id.isNull()) return;
  for (size_t i = r.from; i < r.to; ++i)
    if (ctx.groups[i].code == 5) {
      if (uint64_t h = ctx.handle(i)) ctx.blockRecordsByHandle[h] = id;
      break;
    }
}

}  // namespace

size_t NextDxfRecord(const DxfReadContext& ctx, size_t i) {
  size_t n = ctx.groups.size();
  for (++i; i < n; ++i)
    if (ctx.groups[i].code == 0) return i;
  return n;
}

size_t ReadDxfHeader(DxfReadContext& ctx, size_t i, DxfHeader& header) {
  const size_t n = ctx.groups.size();
  while (i < n && ctx.groups[i].code != 0) {
    if (ctx.groups[i].code != 9) {
      ++i;
      continue;
    }
    std::wstring name = DxfUpper(ctx.text(i));
    ++i;
    if (i < n && ctx.groups[i].code != 0 && ctx.groups[i].code != 9 && IsKept(name)) {
      header.values[name] = i;
      if (name == L"$ACADVER") {
        std::wstring v = DxfUpper(ctx.text(i));
        ctx.report.version = v;
        if (v.size() >= 6 && v.compare(0, 2, L"AC") == 0) ctx.release = std::wcstol(v.c_str() + 2, nullptr, 10);
        ctx.decoder.setUtf8(ctx.release >= 1021);
      }
      if (name == L"$HANDSEED") header.handseed = ctx.handle(i);
    }
  }
  return i;
}

size_t ReadDxfTables(DxfReadContext& ctx, size_t i) {
  const size_t n = ctx.groups.size();
  std::vector<PendingRef> pending;
  while (i < n && !ctx.groups.is(i, 0, "ENDSEC")) {
    if (!ctx.groups.is(i, 0, "TABLE")) ctx.damaged(i, L"a TABLE was expected here");
    const std::wstring table = i + 1 < n && ctx.groups[i + 1].code == 2 ? DxfUpper(ctx.text(i + 1)) : L"";
    i = NextDxfRecord(ctx, i);
    while (i < n && !ctx.groups.is(i, 0, "ENDTAB")) {
      if (ctx.groups.is(i, 0, "ENDSEC") || ctx.groups.is(i, 0, "TABLE") || ctx.groups.is(i, 0, "EOF"))
        ctx.damaged(i, L"the table " + table + L" is not closed by ENDTAB");
      const std::wstring type = DxfUpper(DxfTypeName(ctx.groups.value(i)));
      size_t end = NextDxfRecord(ctx, i);
      Range r{i + 1, end};
      if (type == L"LAYER") ReadLayer(ctx, r);
      else if (type == L"LTYPE") ReadLinetype(ctx, r);
      else if (type == L"STYLE") ReadTextStyle(ctx, r);
      else if (type == L"DIMSTYLE") ReadDimStyle(ctx, r, pending);
      else if (type == L"APPID") ctx.ensureRegApp(RecordName(ctx, r));
      else if (type == L"BLOCK_RECORD") ReadBlockRecord(ctx, r);
      else ++ctx.report.skippedTables[type];
      i = end;
    }
    if (i >= n) break;
    i = NextDxfRecord(ctx, i);  // past ENDTAB
  }
  ResolvePending(ctx, pending);
  return i;
}

void ApplyDxfHeader(DxfReadContext& ctx, const DxfHeader& header) {
  AcDbDatabase* db = ctx.db;
  auto value = [&](const wchar_t* name) -> long {
    auto it = header.values.find(name);
    return it == header.values.end() ? -1 : static_cast<long>(it->second);
  };
  long i = -1;
  if ((i = value(L"$CLAYER")) >= 0) db->setClayer(ctx.layer(ctx.text(i)));
  if ((i = value(L"$TEXTSTYLE")) >= 0) db->setTextstyle(ctx.textStyle(ctx.text(i)));
  if ((i = value(L"$DIMSTYLE")) >= 0) db->setDimstyle(ctx.dimStyle(ctx.text(i)));
  if ((i = value(L"$CELTYPE")) >= 0) db->setCeltype(ctx.linetype(ctx.text(i)));
  if ((i = value(L"$CECOLOR")) >= 0) {
    int c = ctx.int16(i);
    AcCmColor color;
    if (c == 0) color.setByBlock();
    else if (c == 256) color.setByLayer();
    else if (c >= 1 && c <= 255) color.setColorIndex(static_cast<Adesk::UInt16>(c));
    else color.setByLayer();
    db->setCecolor(color);
  }
  if ((i = value(L"$TEXTSIZE")) >= 0) db->setTextsize(ctx.real(i));
  if ((i = value(L"$TILEMODE")) >= 0) db->setTilemode(ctx.int16(i) != 0);
  if ((i = value(L"$INSUNITS")) >= 0) {
    int u = ctx.int16(i);
    if (u >= 0 && u <= 20) db->setInsunits(static_cast<AcDb::UnitsValue>(u));
  }
  if ((i = value(L"$LTSCALE")) >= 0) db->setLtscale(ctx.real(i));
  if ((i = value(L"$CELTSCALE")) >= 0) db->setCeltscale(ctx.real(i));
  if ((i = value(L"$CELWEIGHT")) >= 0) {
    int w = ctx.int16(i);
    if (IsLineWeight(w)) db->setCelweight(static_cast<AcDb::LineWeight>(w));
  }
  if ((i = value(L"$DIMSCALE")) >= 0) db->setDimscale(ctx.real(i));
}

}  // namespace zhost
