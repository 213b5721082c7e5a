// zhost::WriteDxf: the sections of the DXF file. The entities are written first (into memory),
// because the tables must name every layer, linetype and style they use and the blocks section
// must hold the blocks made for dimensions; the header comes last for the final handle seed.
#include "host/db/DxfWriter.h"

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/DxfEntityWriter.h"
#include "host/db/DxfGroupWriter.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

// An object opened for read for as long as the holder lives.
template <class T>
class ReadOpen {
 public:
  explicit ReadOpen(AcDbObjectId id) {
    if (!id.isNull() && acdbOpenObject(obj_, id, AcDb::kForRead) != Acad::eOk) obj_ = nullptr;
  }
  ~ReadOpen() {
    if (obj_) obj_->close();
  }
  ReadOpen(const ReadOpen&) = delete;
  ReadOpen& operator=(const ReadOpen&) = delete;
  T* operator->() const { return obj_; }
  T* get() const { return obj_; }
  explicit operator bool() const { return obj_ != nullptr; }

 private:
  T* obj_ = nullptr;
};

struct BlockInfo {
  AcDbObjectId id;
  std::wstring name;
  AcDbHandle handle, begin, end, layout;
  bool model = false, paper = false, anonymous = false, xref = false, overlay = false, attdefs = false;
  AcGePoint3d origin;
  std::wstring path;
  DxfGroupWriter body;
};

class DxfDocument {
 public:
  explicit DxfDocument(AcDbDatabase* db) : db_(db), ctx_(db) {}
  bool build(std::string& text, std::wstring& error);
  const DxfSummary& summary() const { return ctx_.summary; }

 private:
  void collectBlocks();
  void writeBlockEntities(BlockInfo& block);
  void writeHeader(DxfGroupWriter& out);
  void writeTables(DxfGroupWriter& out);
  void tableHead(DxfGroupWriter& out, const char* name, const AcDbHandle& h, int count);
  void recordHead(DxfGroupWriter& out, const char* type, const AcDbHandle& h, const AcDbHandle& table,
                  const char* subclass, const std::wstring& name, int flags, int handleCode = 5);
  void writeVports(DxfGroupWriter& out);
  void writeLinetypes(DxfGroupWriter& out);
  void writeLayers(DxfGroupWriter& out);
  void writeStyles(DxfGroupWriter& out);
  void writeAppIds(DxfGroupWriter& out);
  void writeDimStyles(DxfGroupWriter& out);
  void writeBlockRecords(DxfGroupWriter& out);
  void writeBlocks(DxfGroupWriter& out);
  void writeBlock(DxfGroupWriter& out, const std::wstring& name, const AcDbHandle& record, const AcDbHandle& begin,
                  const AcDbHandle& end, int flags, const AcGePoint3d& origin, const std::wstring& path,
                  bool paper, const DxfGroupWriter* body);
  void writeObjects(DxfGroupWriter& out);
  void writeDictionary(DxfGroupWriter& out, AcDbObjectId id, const AcDbHandle& owner);
  void writeLayout(DxfGroupWriter& out, const AcDbHandle& h, const std::wstring& name, int flags, int tab,
                   const AcDbHandle& record);
  void computeExtents();
  AcDbHandle tableHandle(AcDbObjectId id) { return id.isNull() ? ctx_.newHandle() : id.handle(); }

  AcDbDatabase* db_;
  DxfExportContext ctx_;
  std::vector<BlockInfo> blocks_;
  DxfGroupWriter entities_;
  AcDbHandle layoutDict_, groupDict_, vportTable_, viewTable_, ucsTable_, activeVport_;
  bool hostHasGroupDict_ = false;
  bool hasExtents_ = false;
  AcGePoint3d extMin_, extMax_;
};

void DxfDocument::collectBlocks() {
  ReadOpen<AcDbBlockTable> table(db_->blockTableId());
  if (!table) return;
  AcDbObjectId model = db_->modelSpaceId(), paper = db_->paperSpaceId();
  for (AcDbObjectId id : table->recordIds()) {
    ReadOpen<AcDbBlockTableRecord> rec(id);
    if (!rec || rec->isErased()) continue;
    BlockInfo b;
    b.id = id;
    b.name = rec->nameString();
    b.handle = id.handle();
    b.model = id == model;
    b.paper = id == paper;
    b.anonymous = rec->isAnonymous();
    b.xref = rec->isFromExternalReference();
    b.overlay = rec->isFromOverlayReference();
    b.attdefs = rec->hasAttributeDefinitions();
    b.origin = rec->origin();
    const ACHAR* path = nullptr;
    if (b.xref && rec->pathName(path) == Acad::eOk && path) b.path = path;
    ctx_.blockNames.insert(b.name);
    blocks_.push_back(std::move(b));
  }
  for (BlockInfo& b : blocks_) {
    b.begin = ctx_.newHandle();
    b.end = ctx_.newHandle();
    if (b.model || b.paper) b.layout = ctx_.newHandle();
  }
}

void DxfDocument::writeBlockEntities(BlockInfo& block) {
  std::vector<AcDbObjectId> ids;
  {
    ReadOpen<AcDbBlockTableRecord> rec(block.id);
    if (!rec) return;
    ids = rec->entityIds();
  }
  DxfGroupWriter& out = (block.model || block.paper) ? entities_ : block.body;
  for (AcDbObjectId id : ids) {
    if (id.isErased()) continue;
    ReadOpen<AcDbEntity> ent(id);
    if (!ent) {
      // Open for write elsewhere (or not an entity): counted, not lost silently.
      AcRxClass* cls = id.objectClass();
      ++ctx_.summary.skipped;
      ++ctx_.summary.skippedClasses[cls ? cls->name() : L"?"];
      continue;
    }
    WriteDxfEntity(ctx_, out, ent.get(), block.handle, block.paper);
  }
}

void DxfDocument::computeExtents() {
  for (const BlockInfo& b : blocks_) {
    if (!b.model) continue;
    ReadOpen<AcDbBlockTableRecord> rec(b.id);
    if (!rec) return;
    std::vector<AcDbObjectId> ids = rec->entityIds();
    for (AcDbObjectId id : ids) {
      if (id.isErased()) continue;
      ReadOpen<AcDbEntity> ent(id);
      AcDbExtents ext;
      if (!ent || ent->getGeomExtents(ext) != Acad::eOk) continue;
      AcGePoint3d lo = ext.minPoint(), hi = ext.maxPoint();
      if (!std::isfinite(lo.x) || !std::isfinite(hi.x) || !std::isfinite(lo.y) || !std::isfinite(hi.y)) continue;
      if (!hasExtents_) {
        extMin_ = lo;
        extMax_ = hi;
        hasExtents_ = true;
        continue;
      }
      extMin_.set(std::fmin(extMin_.x, lo.x), std::fmin(extMin_.y, lo.y), std::fmin(extMin_.z, lo.z));
      extMax_.set(std::fmax(extMax_.x, hi.x), std::fmax(extMax_.y, hi.y), std::fmax(extMax_.z, hi.z));
    }
  }
}

void DxfDocument::writeHeader(DxfGroupWriter& out) {
  out.str(0, "SECTION");
  out.str(2, "HEADER");
  auto var = [&](const char* name) { out.str(9, name); };
  var("$ACADVER");
  out.str(1, "AC1015");
  var("$ACADMAINTVER");
  out.integer(70, 6);
  var("$DWGCODEPAGE");
  out.str(3, "ANSI_1252");
  var("$INSBASE");
  out.point(10, AcGePoint3d(0, 0, 0));
  var("$EXTMIN");
  out.point(10, hasExtents_ ? extMin_ : AcGePoint3d(0, 0, 0));
  var("$EXTMAX");
  out.point(10, hasExtents_ ? extMax_ : AcGePoint3d(0, 0, 0));
  var("$LIMMIN");
  out.point2d(10, 0.0, 0.0);
  var("$LIMMAX");
  out.point2d(10, 420.0, 297.0);
  var("$LTSCALE");
  out.real(40, db_->ltscale());
  var("$TEXTSIZE");
  out.real(40, db_->textsize());
  var("$TEXTSTYLE");
  std::wstring style = DxfRecordName(db_->textstyle());
  out.str(7, style.empty() ? L"Standard" : style);
  var("$CLAYER");
  std::wstring layer = DxfRecordName(db_->clayer());
  out.str(8, layer.empty() ? L"0" : layer);
  var("$CELTYPE");
  std::wstring celtype = DxfRecordName(db_->celtype());
  out.str(6, celtype.empty() ? L"ByLayer" : celtype);
  var("$CECOLOR");
  const AcCmColor cecolor = db_->cecolor();
  out.integer(62, cecolor.isByLayer() ? 256 : cecolor.isByBlock() ? 0 : cecolor.colorIndex());
  var("$CELTSCALE");
  out.real(40, db_->celtscale());
  var("$CELWEIGHT");
  out.integer(370, db_->celweight());
  var("$DIMSTYLE");
  std::wstring dimstyle = DxfRecordName(db_->dimstyle());
  out.str(2, dimstyle.empty() ? L"Standard" : dimstyle);
  var("$DIMSCALE");
  out.real(40, db_->dimscale());
  var("$TILEMODE");
  out.integer(70, db_->tilemode() ? 1 : 0);
  var("$INSUNITS");
  out.integer(70, db_->insunits());
  var("$MEASUREMENT");
  AcDb::UnitsValue u = db_->insunits();
  bool imperial = u == AcDb::kUnitsInches || u == AcDb::kUnitsFeet || u == AcDb::kUnitsMiles || u == AcDb::kUnitsYards ||
                  u == AcDb::kUnitsMils || u == AcDb::kUnitsMicroinches;
  out.integer(70, imperial ? 0 : 1);
  var("$HANDSEED");
  out.handle(5, ctx_.nextHandle());
  out.str(0, "ENDSEC");
}

void DxfDocument::tableHead(DxfGroupWriter& out, const char* name, const AcDbHandle& h, int count) {
  out.str(0, "TABLE");
  out.str(2, name);
  out.handle(5, h);
  out.raw(330, "0");
  out.str(100, "AcDbSymbolTable");
  out.integer(70, count);
}

void DxfDocument::recordHead(DxfGroupWriter& out, const char* type, const AcDbHandle& h, const AcDbHandle& table,
                             const char* subclass, const std::wstring& name, int flags, int handleCode) {
  out.str(0, type);
  out.handle(handleCode, h);
  out.handle(330, table);
  out.str(100, "AcDbSymbolTableRecord");
  out.str(100, subclass);
  out.str(2, name);
  out.integer(70, flags);
}

void DxfDocument::writeVports(DxfGroupWriter& out) {
  tableHead(out, "VPORT", vportTable_, 1);
  recordHead(out, "VPORT", activeVport_, vportTable_, "AcDbViewportTableRecord", L"*Active", 0);
  AcGePoint3d lo = hasExtents_ ? extMin_ : AcGePoint3d(0, 0, 0);
  AcGePoint3d hi = hasExtents_ ? extMax_ : AcGePoint3d(420, 297, 0);
  double height = std::fmax(hi.y - lo.y, (hi.x - lo.x) / 1.5);
  if (!(height > 0)) height = 297.0;
  out.point2d(10, 0.0, 0.0);
  out.point2d(11, 1.0, 1.0);
  out.point2d(12, (lo.x + hi.x) / 2, (lo.y + hi.y) / 2);
  out.point2d(13, 0.0, 0.0);
  out.point2d(14, 10.0, 10.0);
  out.point2d(15, 10.0, 10.0);
  out.point(16, AcGeVector3d(0, 0, 1));
  out.point(17, AcGePoint3d(0, 0, 0));
  out.real(40, height * 1.1);
  out.real(41, 1.5);
  out.real(42, 50.0);
  out.real(43, 0.0);
  out.real(44, 0.0);
  out.real(50, 0.0);
  out.real(51, 0.0);
  out.integer(71, 0);
  out.integer(72, 100);
  out.integer(73, 1);
  out.integer(74, 3);
  out.integer(75, 0);
  out.integer(76, 0);
  out.integer(77, 0);
  out.integer(78, 0);
  out.str(0, "ENDTAB");
}

void DxfDocument::writeLinetypes(DxfGroupWriter& out) {
  ReadOpen<AcDbLinetypeTable> table(db_->linetypeTableId());
  AcDbHandle th = tableHandle(db_->linetypeTableId());
  DxfGroupWriter records;
  int count = 0;
  DxfNameSet written;
  if (table) {
    for (AcDbObjectId id : table->recordIds()) {
      ReadOpen<AcDbLinetypeTableRecord> rec(id);
      if (!rec || rec->isErased()) continue;
      recordHead(records, "LTYPE", id.handle(), th, "AcDbLinetypeTableRecord", rec->nameString(), 0);
      const ACHAR* comments = nullptr;
      rec->comments(comments);
      records.str(3, comments ? comments : L"");
      records.integer(72, 65);
      records.integer(73, rec->numDashes());
      records.real(40, rec->patternLength());
      for (int i = 0; i < rec->numDashes(); ++i) {
        records.real(49, rec->dashLengthAt(i));
        records.integer(74, 0);
      }
      written.insert(rec->nameString());
      ++count;
    }
  }
  // Linetypes the entities name that the table lacks: plain continuous ones.
  std::vector<std::wstring> needed(ctx_.linetypes.begin(), ctx_.linetypes.end());
  for (const wchar_t* standard : {L"ByBlock", L"ByLayer", L"Continuous"}) needed.push_back(standard);
  for (const std::wstring& name : needed) {
    if (written.count(name)) continue;
    written.insert(name);
    recordHead(records, "LTYPE", ctx_.newHandle(), th, "AcDbLinetypeTableRecord", name, 0);
    records.str(3, "");
    records.integer(72, 65);
    records.integer(73, 0);
    records.real(40, 0.0);
    ++count;
  }
  tableHead(out, "LTYPE", th, count);
  out.append(records);
  out.str(0, "ENDTAB");
}

void DxfDocument::writeLayers(DxfGroupWriter& out) {
  ReadOpen<AcDbLayerTable> table(db_->layerTableId());
  AcDbHandle th = tableHandle(db_->layerTableId());
  DxfGroupWriter records;
  int count = 0;
  DxfNameSet written;
  if (table) {
    for (AcDbObjectId id : table->recordIds()) {
      ReadOpen<AcDbLayerTableRecord> rec(id);
      if (!rec || rec->isErased()) continue;
      int flags = (rec->isFrozen() ? 1 : 0) | (rec->VPDFLT() ? 2 : 0) | (rec->isLocked() ? 4 : 0);
      recordHead(records, "LAYER", id.handle(), th, "AcDbLayerTableRecord", rec->nameString(), flags);
      const AcCmEntityColor& color = rec->entityColor();
      int index = color.colorIndex();
      if (index < 1 || index > 255) index = 7;
      // An off layer has a negative colour number.
      records.integer(62, rec->isOff() ? -index : index);
      if (color.isByColor())
        records.integer(420, (static_cast<long long>(color.red()) << 16) | (static_cast<long long>(color.green()) << 8) | color.blue());
      std::wstring linetype = DxfRecordName(rec->linetypeObjectId());
      if (linetype.empty()) linetype = L"Continuous";
      ctx_.linetypes.insert(linetype);
      records.str(6, linetype);
      if (!rec->isPlottable()) records.integer(290, 0);
      records.integer(370, rec->lineWeight());
      written.insert(rec->nameString());
      ++count;
    }
  }
  std::vector<std::wstring> needed(ctx_.layers.begin(), ctx_.layers.end());
  needed.push_back(L"0");
  for (const std::wstring& name : needed) {
    if (written.count(name)) continue;
    written.insert(name);
    recordHead(records, "LAYER", ctx_.newHandle(), th, "AcDbLayerTableRecord", name, 0);
    records.integer(62, 7);
    records.str(6, "Continuous");
    records.integer(370, -3);
    ++count;
  }
  tableHead(out, "LAYER", th, count);
  out.append(records);
  out.str(0, "ENDTAB");
}

void DxfDocument::writeStyles(DxfGroupWriter& out) {
  ReadOpen<AcDbTextStyleTable> table(db_->textStyleTableId());
  AcDbHandle th = tableHandle(db_->textStyleTableId());
  DxfGroupWriter records;
  int count = 0;
  DxfNameSet written;
  if (table) {
    for (AcDbObjectId id : table->recordIds()) {
      ReadOpen<AcDbTextStyleTableRecord> rec(id);
      if (!rec || rec->isErased()) continue;
      int flags = (rec->isShapeFile() ? 1 : 0) | (rec->isVertical() ? 4 : 0);
      recordHead(records, "STYLE", id.handle(), th, "AcDbTextStyleTableRecord", rec->nameString(), flags);
      records.real(40, rec->textSize());
      records.real(41, rec->xScale());
      records.real(50, rec->obliquingAngle() * 180.0 / 3.14159265358979323846);
      records.integer(71, rec->flagBits() & 6);
      records.real(42, rec->priorSize());
      const ACHAR* file = nullptr;
      const ACHAR* bigFont = nullptr;
      rec->fileName(file);
      rec->bigFontFileName(bigFont);
      records.str(3, file ? file : L"");
      records.str(4, bigFont ? bigFont : L"");
      ACHAR* typeface = nullptr;
      bool bold = false, italic = false;
      int charset = 0, pitch = 0;
      if (rec->font(typeface, bold, italic, charset, pitch) == Acad::eOk && typeface && *typeface) {
        // A TrueType style names its typeface in the extended data of the application ACAD.
        records.str(1001, "ACAD");
        records.str(1000, typeface);
        long flagsTT = (italic ? 0x1000000L : 0) | (bold ? 0x2000000L : 0) | ((charset & 0xFF) << 8) | (pitch & 0xFF);
        records.integer(1071, flagsTT);
      }
      if (typeface) acutDelString(typeface);
      written.insert(rec->nameString());
      ++count;
    }
  }
  std::vector<std::wstring> needed(ctx_.textStyles.begin(), ctx_.textStyles.end());
  needed.push_back(L"Standard");
  for (const std::wstring& name : needed) {
    if (written.count(name)) continue;
    written.insert(name);
    recordHead(records, "STYLE", ctx_.newHandle(), th, "AcDbTextStyleTableRecord", name, 0);
    records.real(40, 0.0);
    records.real(41, 1.0);
    records.real(50, 0.0);
    records.integer(71, 0);
    records.real(42, 2.5);
    records.str(3, "txt");
    records.str(4, "");
    ++count;
  }
  tableHead(out, "STYLE", th, count);
  out.append(records);
  out.str(0, "ENDTAB");
}

void DxfDocument::writeAppIds(DxfGroupWriter& out) {
  ReadOpen<AcDbRegAppTable> table(db_->regAppTableId());
  AcDbHandle th = tableHandle(db_->regAppTableId());
  DxfGroupWriter records;
  int count = 0;
  DxfNameSet written;
  if (table) {
    for (AcDbObjectId id : table->recordIds()) {
      ReadOpen<AcDbRegAppTableRecord> rec(id);
      if (!rec || rec->isErased()) continue;
      recordHead(records, "APPID", id.handle(), th, "AcDbRegAppTableRecord", rec->nameString(), 0);
      written.insert(rec->nameString());
      ++count;
    }
  }
  if (!written.count(L"ACAD")) {
    recordHead(records, "APPID", ctx_.newHandle(), th, "AcDbRegAppTableRecord", L"ACAD", 0);
    ++count;
  }
  tableHead(out, "APPID", th, count);
  out.append(records);
  out.str(0, "ENDTAB");
}

// Group codes a dimension-style record uses for itself; a variable claiming one is left out.
bool IsDimStyleRecordCode(int code) {
  return code == 0 || code == 2 || code == 5 || code == 70 || code == 100 || code == 102 || code == 105 ||
         code == 330 || code == 360 || code >= 1000;
}

void DxfDocument::writeDimStyles(DxfGroupWriter& out) {
  ReadOpen<AcDbDimStyleTable> table(db_->dimStyleTableId());
  AcDbHandle th = tableHandle(db_->dimStyleTableId());
  DxfGroupWriter records;
  std::vector<AcDbHandle> handles;
  DxfNameSet written;
  if (table) {
    for (AcDbObjectId id : table->recordIds()) {
      ReadOpen<AcDbDimStyleTableRecord> rec(id);
      if (!rec || rec->isErased()) continue;
      recordHead(records, "DIMSTYLE", id.handle(), th, "AcDbDimStyleTableRecord", rec->nameString(), 0, 105);
      for (const auto& entry : rec->dimVars()) {
        const DimVarValue& v = entry.second;
        if (IsDimStyleRecordCode(v.groupCode)) continue;
        switch (v.kind) {
          case DimVarValue::kInt: records.integer(v.groupCode, v.i); break;
          case DimVarValue::kReal: records.real(v.groupCode, v.d); break;
          case DimVarValue::kString: records.str(v.groupCode, v.s); break;
          case DimVarValue::kId:
            if (v.id.isValid() && !v.id.isErased()) records.handle(v.groupCode, v.id.handle());
            break;
        }
      }
      written.insert(rec->nameString());
      handles.push_back(id.handle());
    }
  }
  std::vector<std::wstring> needed(ctx_.dimStyles.begin(), ctx_.dimStyles.end());
  needed.push_back(L"Standard");
  for (const std::wstring& name : needed) {
    if (written.count(name)) continue;
    written.insert(name);
    AcDbHandle h = ctx_.newHandle();
    recordHead(records, "DIMSTYLE", h, th, "AcDbDimStyleTableRecord", name, 0, 105);
    handles.push_back(h);
  }
  tableHead(out, "DIMSTYLE", th, static_cast<int>(handles.size()));
  out.str(100, "AcDbDimStyleTable");
  out.integer(71, static_cast<long long>(handles.size()));
  for (const AcDbHandle& h : handles) out.handle(340, h);
  out.append(records);
  out.str(0, "ENDTAB");
}

void DxfDocument::writeBlockRecords(DxfGroupWriter& out) {
  AcDbHandle th = tableHandle(db_->blockTableId());
  tableHead(out, "BLOCK_RECORD", th, static_cast<int>(blocks_.size() + ctx_.madeBlocks.size()));
  for (const BlockInfo& b : blocks_) {
    recordHead(out, "BLOCK_RECORD", b.handle, th, "AcDbBlockTableRecord", b.name, 0);
    if (b.model || b.paper) out.handle(340, b.layout);
    else out.raw(340, "0");
  }
  for (const DxfExportContext::MadeBlock& m : ctx_.madeBlocks) {
    recordHead(out, "BLOCK_RECORD", m.record, th, "AcDbBlockTableRecord", m.name, 0);
    out.raw(340, "0");
  }
  out.str(0, "ENDTAB");
}

void DxfDocument::writeTables(DxfGroupWriter& out) {
  out.str(0, "SECTION");
  out.str(2, "TABLES");
  writeVports(out);
  writeLinetypes(out);
  writeLayers(out);
  writeStyles(out);
  tableHead(out, "VIEW", viewTable_, 0);
  out.str(0, "ENDTAB");
  tableHead(out, "UCS", ucsTable_, 0);
  out.str(0, "ENDTAB");
  writeAppIds(out);
  writeDimStyles(out);
  writeBlockRecords(out);
  out.str(0, "ENDSEC");
}

void DxfDocument::writeBlock(DxfGroupWriter& out, const std::wstring& name, const AcDbHandle& record,
                             const AcDbHandle& begin, const AcDbHandle& end, int flags, const AcGePoint3d& origin,
                             const std::wstring& path, bool paper, const DxfGroupWriter* body) {
  out.str(0, "BLOCK");
  out.handle(5, begin);
  out.handle(330, record);
  out.str(100, "AcDbEntity");
  if (paper) out.integer(67, 1);
  out.str(8, "0");
  out.str(100, "AcDbBlockBegin");
  out.str(2, name);
  out.integer(70, flags);
  out.point(10, origin);
  out.str(3, name);
  out.str(1, path);
  if (body) out.append(*body);
  out.str(0, "ENDBLK");
  out.handle(5, end);
  out.handle(330, record);
  out.str(100, "AcDbEntity");
  if (paper) out.integer(67, 1);
  out.str(8, "0");
  out.str(100, "AcDbBlockEnd");
}

void DxfDocument::writeBlocks(DxfGroupWriter& out) {
  out.str(0, "SECTION");
  out.str(2, "BLOCKS");
  for (const BlockInfo& b : blocks_) {
    int flags = (b.anonymous ? 1 : 0) | (b.attdefs ? 2 : 0) | (b.xref ? 4 : 0) | (b.overlay ? 8 : 0);
    bool layout = b.model || b.paper;
    writeBlock(out, b.name, b.handle, b.begin, b.end, flags, b.origin, b.path, b.paper, layout ? nullptr : &b.body);
  }
  for (const DxfExportContext::MadeBlock& m : ctx_.madeBlocks)
    writeBlock(out, m.name, m.record, m.begin, m.end, 1, AcGePoint3d(0, 0, 0), L"", false, &m.body);
  out.str(0, "ENDSEC");
}

void DxfDocument::writeLayout(DxfGroupWriter& out, const AcDbHandle& h, const std::wstring& name, int flags, int tab,
                              const AcDbHandle& record) {
  out.str(0, "LAYOUT");
  out.handle(5, h);
  out.str(102, "{ACAD_REACTORS");
  out.handle(330, layoutDict_);
  out.str(102, "}");
  out.handle(330, layoutDict_);
  out.str(100, "AcDbPlotSettings");
  out.str(1, "");
  out.str(2, "none_device");
  out.str(4, "");
  out.str(6, "");
  for (int code = 40; code <= 49; ++code) out.real(code, 0.0);
  out.real(140, 0.0);
  out.real(141, 0.0);
  out.real(142, 1.0);
  out.real(143, 1.0);
  out.integer(70, 688);
  out.integer(72, 1);
  out.integer(73, 0);
  out.integer(74, 5);
  out.str(7, "");
  out.integer(75, 16);
  out.real(147, 1.0);
  out.real(148, 0.0);
  out.real(149, 0.0);
  out.str(100, "AcDbLayout");
  out.str(1, name);
  out.integer(70, flags);
  out.integer(71, tab);
  out.point2d(10, 0.0, 0.0);
  out.point2d(11, 420.0, 297.0);
  out.point(12, AcGePoint3d(0, 0, 0));
  out.point(14, hasExtents_ ? extMin_ : AcGePoint3d(0, 0, 0));
  out.point(15, hasExtents_ ? extMax_ : AcGePoint3d(0, 0, 0));
  out.real(146, 0.0);
  out.point(13, AcGePoint3d(0, 0, 0));
  out.point(16, AcGeVector3d(1, 0, 0));
  out.point(17, AcGeVector3d(0, 1, 0));
  out.integer(76, 0);
  out.handle(330, record);
}

void DxfDocument::writeDictionary(DxfGroupWriter& out, AcDbObjectId id, const AcDbHandle& owner) {
  std::vector<AcDbDictionary::Entry> entries;
  {
    ReadOpen<AcDbDictionary> dict(id);
    if (!dict) return;
    entries = dict->entries();
  }
  // Only dictionaries have a DXF form here; other entries are left out with their names.
  std::vector<AcDbDictionary::Entry> kept;
  for (const AcDbDictionary::Entry& e : entries) {
    if (e.id.isErased() || !e.id.isValid()) continue;
    AcRxClass* cls = e.id.objectClass();
    if (cls && cls->isDerivedFrom(AcDbDictionary::desc())) kept.push_back(e);
  }
  bool root = id == db_->namedObjectsDictionaryId();
  out.str(0, "DICTIONARY");
  out.handle(5, id.handle());
  if (root) out.raw(330, "0");
  else out.handle(330, owner);
  out.str(100, "AcDbDictionary");
  out.integer(281, 1);
  DxfNameSet names;
  for (const AcDbDictionary::Entry& e : kept) {
    // The layouts are the export's own.
    if (root && !DxfNameLess()(e.name, L"ACAD_LAYOUT") && !DxfNameLess()(L"ACAD_LAYOUT", e.name)) continue;
    out.str(3, e.name);
    out.handle(350, e.id.handle());
    names.insert(e.name);
  }
  if (root) {
    if (!names.count(L"ACAD_GROUP")) {
      out.str(3, "ACAD_GROUP");
      out.handle(350, groupDict_);
    } else {
      hostHasGroupDict_ = true;
    }
    out.str(3, "ACAD_LAYOUT");
    out.handle(350, layoutDict_);
  }
  for (const AcDbDictionary::Entry& e : kept) {
    if (root && !names.count(e.name)) continue;
    writeDictionary(out, e.id, id.handle());
  }
}

void DxfDocument::writeObjects(DxfGroupWriter& out) {
  out.str(0, "SECTION");
  out.str(2, "OBJECTS");
  AcDbObjectId nod = db_->namedObjectsDictionaryId();
  AcDbHandle root;
  if (nod.isValid()) {
    writeDictionary(out, nod, AcDbHandle());
    root = nod.handle();
  } else {
    root = ctx_.newHandle();
    out.str(0, "DICTIONARY");
    out.handle(5, root);
    out.raw(330, "0");
    out.str(100, "AcDbDictionary");
    out.integer(281, 1);
    out.str(3, "ACAD_GROUP");
    out.handle(350, groupDict_);
    out.str(3, "ACAD_LAYOUT");
    out.handle(350, layoutDict_);
  }
  if (!hostHasGroupDict_) {
    out.str(0, "DICTIONARY");
    out.handle(5, groupDict_);
    out.handle(330, root);
    out.str(100, "AcDbDictionary");
    out.integer(281, 1);
  }
  out.str(0, "DICTIONARY");
  out.handle(5, layoutDict_);
  out.handle(330, root);
  out.str(100, "AcDbDictionary");
  out.integer(281, 1);
  for (const BlockInfo& b : blocks_) {
    if (!b.model && !b.paper) continue;
    out.str(3, b.model ? "Model" : "Layout1");
    out.handle(350, b.layout);
  }
  for (const BlockInfo& b : blocks_) {
    if (b.model) writeLayout(out, b.layout, L"Model", 1, 0, b.handle);
    if (b.paper) writeLayout(out, b.layout, L"Layout1", 0, 1, b.handle);
  }
  out.str(0, "ENDSEC");
}

bool DxfDocument::build(std::string& text, std::wstring& error) {
  collectBlocks();
  if (blocks_.empty() || db_->modelSpaceId().isNull()) {
    error = L"the drawing has no model space";
    return false;
  }
  vportTable_ = ctx_.newHandle();
  viewTable_ = ctx_.newHandle();
  ucsTable_ = ctx_.newHandle();
  activeVport_ = ctx_.newHandle();
  layoutDict_ = ctx_.newHandle();
  groupDict_ = ctx_.newHandle();
  computeExtents();
  for (BlockInfo& b : blocks_) writeBlockEntities(b);

  DxfGroupWriter tables, blocks, objects, header, file;
  writeTables(tables);
  writeBlocks(blocks);
  writeObjects(objects);
  writeHeader(header);  // last: the handle seed is final now
  file.append(header);
  file.str(0, "SECTION");
  file.str(2, "CLASSES");
  file.str(0, "ENDSEC");
  file.append(tables);
  file.append(blocks);
  file.str(0, "SECTION");
  file.str(2, "ENTITIES");
  file.append(entities_);
  file.str(0, "ENDSEC");
  file.append(objects);
  file.str(0, "EOF");
  text = file.text();
  return true;
}

}  // namespace

bool DxfText(AcDbDatabase* db, std::string& text, std::wstring& error, DxfSummary* summary) {
  if (!db) {
    error = L"no drawing to export";
    return false;
  }
  try {
    DxfDocument doc(db);
    bool ok = doc.build(text, error);
    if (summary) *summary = doc.summary();
    return ok;
  } catch (CException* e) {
    e->Delete();
  } catch (const std::exception& e) {
    error = L"the DXF export failed: " + FromUtf8(e.what());
    return false;
  } catch (...) {
  }
  error = L"the DXF export failed";
  return false;
}

bool WriteDxf(AcDbDatabase* db, const std::wstring& path, std::wstring& error, DxfSummary* summary) {
  if (path.empty()) {
    error = L"no file name for the DXF export";
    return false;
  }
  std::string text;
  if (!DxfText(db, text, error, summary)) return false;
  std::string target = ToFsPath(path);
  std::string temp = target + ".tmp" + std::to_string(::getpid());
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) {
    error = L"cannot write \"" + path + L"\"";
    return false;
  }
  bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  ok = (std::fclose(f) == 0) && ok;
  if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
    std::remove(temp.c_str());
    error = L"cannot write \"" + path + L"\"";
    return false;
  }
  return true;
}

std::wstring DxfSummaryLine(const DxfSummary& s, const std::wstring& path) {
  std::wstring line = L"DXF export: " + std::to_wstring(s.entities) + L" entities written to " + path;
  line += L" (" + std::to_wstring(s.exploded) + L" exploded, " + std::to_wstring(s.skipped) + L" skipped";
  bool first = true;
  for (const auto& c : s.skippedClasses) {
    line += first ? L": " : L", ";
    line += c.first + L" " + std::to_wstring(c.second);
    first = false;
  }
  return line + L")";
}

}  // namespace zhost
