// The DXF reader: the file's sections in order, the database's own records first, the blocks,
// and what the command line says after opening.
#include "host/db/DxfReader.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <memory>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDictionary.h"
#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/db/DxfEntityReader.h"
#include "host/db/DxfReadContext.h"
#include "host/db/DxfTablesReader.h"
#include "host/mfc/Exceptions.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

const char kBinarySentinel[] = "AutoCAD Binary DXF";

Acad::ErrorStatus Fail(std::wstring& error, Acad::ErrorStatus es, const std::wstring& text) {
  error = text;
  return es;
}

// The highest valid handle any object of the file names (group 5, and 105 of dimension styles).
uint64_t HighestHandle(const DxfGroups& groups) {
  uint64_t high = 0;
  for (size_t i = 0; i < groups.size(); ++i) {
    const int code = groups[i].code;
    if (code != 5 && code != 105) continue;
    uint64_t h = 0;
    if (ParseDxfHandle(groups.value(i), h) && h <= 0x7FFFFFFFFFFFFFFFull) high = std::max(high, h);
  }
  return high;
}

template <class Table, class Record>
AcDbObjectId AddDefault(DxfReadContext& ctx, AcDbObjectId tableId, std::map<std::wstring, AcDbObjectId>& cache,
                        Record* rec, const wchar_t* name) {
  std::unique_ptr<Record> owned(rec);
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId::kNull;
  owned->setNameDirect(name);
  AcDbObjectId id;
  if (table->add(id, owned.get()) == Acad::eOk) owned.release()->close();
  table->close();
  ctx.remember(cache, name, id);
  return id;
}

template <class T>
AcDbObjectId AddRoot(AcDbDatabase* db, AcDbDatabase::RootObject which) {
  T* obj = new T;
  AcDbObjectId id;
  if (db->addAcDbObject(id, obj) != Acad::eOk) {
    delete obj;
    return id;
  }
  obj->close();
  db->setRootObjectId(which, id);
  return id;
}

// The records every drawing has; the file's tables update them.
void BuildDefaults(DxfReadContext& ctx) {
  AcDbDatabase* db = ctx.db;
  AddRoot<AcDbBlockTable>(db, AcDbDatabase::kBlock);
  AddRoot<AcDbLayerTable>(db, AcDbDatabase::kLayer);
  AddRoot<AcDbTextStyleTable>(db, AcDbDatabase::kTextStyle);
  AddRoot<AcDbLinetypeTable>(db, AcDbDatabase::kLinetype);
  AddRoot<AcDbRegAppTable>(db, AcDbDatabase::kRegApp);
  AddRoot<AcDbDimStyleTable>(db, AcDbDatabase::kDimStyle);
  AddRoot<AcDbDictionary>(db, AcDbDatabase::kNamedObjects);
  AddDefault<AcDbLinetypeTable>(ctx, db->linetypeTableId(), ctx.linetypes, new AcDbLinetypeTableRecord, L"ByBlock");
  AcDbObjectId byLayer = AddDefault<AcDbLinetypeTable>(ctx, db->linetypeTableId(), ctx.linetypes,
                                                       new AcDbLinetypeTableRecord, L"ByLayer");
  auto continuous = new AcDbLinetypeTableRecord;
  continuous->setComments(L"Solid line");
  AcDbObjectId cont = AddDefault<AcDbLinetypeTable>(ctx, db->linetypeTableId(), ctx.linetypes, continuous, L"Continuous");
  auto zero = new AcDbLayerTableRecord;
  zero->setLinetypeObjectId(cont);
  AcDbObjectId layer0 = AddDefault<AcDbLayerTable>(ctx, db->layerTableId(), ctx.layers, zero, L"0");
  AddDefault<AcDbBlockTable>(ctx, db->blockTableId(), ctx.blocks, new AcDbBlockTableRecord, ACDB_MODEL_SPACE);
  AddDefault<AcDbBlockTable>(ctx, db->blockTableId(), ctx.blocks, new AcDbBlockTableRecord, ACDB_PAPER_SPACE);
  AcDbObjectId standard = AddDefault<AcDbTextStyleTable>(ctx, db->textStyleTableId(), ctx.textStyles,
                                                         new AcDbTextStyleTableRecord, L"Standard");
  AcDbObjectId dimStandard = AddDefault<AcDbDimStyleTable>(ctx, db->dimStyleTableId(), ctx.dimStyles,
                                                           new AcDbDimStyleTableRecord, L"Standard");
  AddDefault<AcDbRegAppTable>(ctx, db->regAppTableId(), ctx.regApps, new AcDbRegAppTableRecord, L"ACAD");
  db->setClayer(layer0);
  db->setTextstyle(standard);
  db->setDimstyle(dimStandard);
  db->setCeltype(byLayer);
  AcCmColor byLayerColor;
  byLayerColor.setByLayer();
  db->setCecolor(byLayerColor);
}

size_t SkipSection(const DxfReadContext& ctx, size_t i) {
  while (i < ctx.groups.size() && !ctx.groups.is(i, 0, "ENDSEC")) ++i;
  return i;
}

// The OBJECTS section: nothing of it is kept; its objects are counted by type.
size_t CountObjects(DxfReadContext& ctx, size_t i) {
  while (i < ctx.groups.size() && !ctx.groups.is(i, 0, "ENDSEC")) {
    if (ctx.groups[i].code == 0) ++ctx.report.skippedObjects[DxfUpper(DxfTypeName(ctx.groups.value(i)))];
    i = NextDxfRecord(ctx, i);
  }
  return i;
}

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

size_t ReadBlocks(DxfReadContext& ctx, DxfEntityReader& entities, size_t i) {
  const size_t n = ctx.groups.size();
  while (i < n && !ctx.groups.is(i, 0, "ENDSEC")) {
    if (!ctx.groups.is(i, 0, "BLOCK")) {
      if (ctx.groups[i].code == 0 && (ctx.groups.is(i, 0, "EOF") || ctx.groups.is(i, 0, "SECTION")))
        ctx.damaged(i, L"the BLOCKS section is not closed by ENDSEC");
      ctx.damaged(i, L"a BLOCK was expected here");
    }
    const size_t head = i;
    const size_t end = NextDxfRecord(ctx, i);
    std::wstring name, path, comments;
    int flags = 0;
    AcGePoint3d base;
    for (size_t k = i + 1; k < end; ++k) {
      switch (ctx.groups[k].code) {
        case 2: name = ctx.text(k); break;
        case 3: if (name.empty()) name = ctx.text(k); break;
        case 70: flags = ctx.int16(k); break;
        case 10: base.x = ctx.real(k); break;
        case 20: base.y = ctx.real(k); break;
        case 30: base.z = ctx.real(k); break;
        case 1: path = ctx.text(k); break;
        case 4: comments = ctx.text(k); break;
        default: break;
      }
    }
    if (name.empty()) ctx.damaged(head, L"a block has no name");
    AcDbObjectId id = ctx.block(name, true);
    if (id.isNull()) ctx.damaged(head, L"the block \"" + name + L"\" cannot be made");
    if (id != ctx.db->modelSpaceId() && id != ctx.db->paperSpaceId()) {
      WriteOpen<AcDbBlockTableRecord> rec(id);
      if (rec.obj) {
        rec.obj->setOrigin(base);
        if (!comments.empty()) rec.obj->setComments(comments.c_str());
        if ((flags & 4) && !path.empty()) {
          rec.obj->setPathName(path.c_str());
          rec.obj->setIsFromOverlayReference((flags & 8) != 0);
        }
        rec.obj->setHasAttributeDefinitions((flags & 2) != 0);
      }
    }
    i = entities.read(end, "ENDBLK", id);
    i = NextDxfRecord(ctx, i);  // past ENDBLK and its groups
  }
  return i;
}

Acad::ErrorStatus ReadSections(DxfReadContext& ctx, std::wstring& error) {
  const DxfGroups& groups = ctx.groups;
  const size_t n = groups.size();
  DxfHeader header;
  DxfEntityReader entities(ctx);
  size_t i = 0;
  bool sawEof = false;
  while (i < n) {
    if (groups.is(i, 0, "EOF")) {
      sawEof = true;
      break;
    }
    if (!groups.is(i, 0, "SECTION")) ctx.damaged(i, L"a SECTION was expected here");
    if (i + 1 >= n || groups[i + 1].code != 2) ctx.damaged(i, L"the SECTION has no name");
    const std::string name(TrimDxf(groups.value(i + 1)));
    i += 2;
    if (name == "HEADER") {
      i = ReadDxfHeader(ctx, i, header);
      // Some writers put an ENDSEC among the header variables and go on with more of them.
      while (i + 1 < n && groups.is(i, 0, "ENDSEC") && groups[i + 1].code == 9) i = ReadDxfHeader(ctx, i + 1, header);
    }
    else if (name == "TABLES") i = ReadDxfTables(ctx, i);
    else if (name == "BLOCKS") i = ReadBlocks(ctx, entities, i);
    else if (name == "ENTITIES") i = entities.read(i, "ENDSEC", AcDbObjectId::kNull);
    else if (name == "OBJECTS") i = CountObjects(ctx, i);
    else i = SkipSection(ctx, i);
    if (i >= n || !groups.is(i, 0, "ENDSEC"))
      ctx.damaged(n ? n - 1 : 0, L"the " + FromUtf8(name) + L" section is not closed: the file ends early, it may be truncated");
    i = NextDxfRecord(ctx, i);
  }
  if (!sawEof)
    return Fail(error, Acad::eBadDxfSequence, L"the file ends without EOF: it may be truncated");
  entities.breakInsertCycles();
  ApplyDxfHeader(ctx, header);
  if (header.handseed > ctx.db->handseed().value()) ctx.db->setHandseed(AcDbHandle(header.handseed));
  return Acad::eOk;
}

std::wstring LowerExtension(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  size_t dot = path.rfind(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return L"";
  std::wstring ext = path.substr(dot);
  for (wchar_t& c : ext) c = static_cast<wchar_t>(std::towlower(c));
  return ext;
}

}  // namespace

bool LooksLikeDxf(const char* data, size_t size) {
  // The first group after blank lines and 999 comments: "0" and "SECTION".
  std::string_view text(data, size);
  size_t pos = 0;
  auto nextLine = [&]() {
    size_t eol = text.find('\n', pos);
    std::string_view line = text.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
    pos = eol == std::string_view::npos ? text.size() : eol + 1;
    return TrimDxf(line);
  };
  std::string_view code = nextLine();
  while (code.empty() && pos < text.size()) code = nextLine();
  while (code == "999" && pos < text.size()) {
    nextLine();
    code = nextLine();
  }
  return code == "0" && nextLine() == "SECTION";
}

bool IsDxfFile(const std::wstring& path) {
  if (LowerExtension(path) == L".dxf") return true;
  std::FILE* f = std::fopen(ToFsPath(path).c_str(), "rb");
  if (!f) return false;
  char head[4096];
  size_t got = std::fread(head, 1, sizeof head, f);
  std::fclose(f);
  return LooksLikeDxf(head, got);
}

Acad::ErrorStatus DecodeDxf(const char* data, size_t size, AcDbDatabase* db, std::wstring& error,
                            DxfReadReport* report) {
  if (!db) return Fail(error, Acad::eNullPtr, L"no database to read into");
  if (db->numObjects() != 0) return Fail(error, Acad::eInvalidInput, L"the database to read into is not empty");
  if (!data && size) return Fail(error, Acad::eNullPtr, L"no data to read");
  if (size >= sizeof kBinarySentinel - 1 && std::memcmp(data, kBinarySentinel, sizeof kBinarySentinel - 1) == 0)
    return Fail(error, Acad::eBadDxfSequence, L"this is a binary DXF file; only ASCII DXF files can be opened");
  if (!LooksLikeDxf(data ? data : "", size))
    return Fail(error, Acad::eBadDxfSequence, L"this is not a DXF file: it does not start with a SECTION");
  DxfGroups groups;
  if (!groups.split(data, size, error)) return Acad::eBadDxfSequence;
  DxfReadReport localReport;
  DxfReadReport& out = report ? *report : localReport;
  out = DxfReadReport();
  DxfReadContext ctx(groups, db, out);

  const bool undoWasOn = db->undoRecording();
  db->disableUndoRecording(true);
  Acad::ErrorStatus es = Acad::eOk;
  try {
    // Every object the reader makes itself gets a handle above those of the file, so no
    // entity loses its own to a table record.
    db->setHandseed(AcDbHandle(HighestHandle(groups) + 1));
    BuildDefaults(ctx);
    es = ReadSections(ctx, error);
  } catch (const DxfDamage& d) {
    es = Fail(error, Acad::eBadDxfSequence, L"Line " + std::to_wstring(d.line) + L": " + d.reason + L".");
  } catch (CException* e) {
    e->Delete();
    es = Fail(error, Acad::eBadDxfSequence, L"the DXF file could not be read");
  } catch (const std::bad_alloc&) {
    es = Fail(error, Acad::eOutOfMemory, L"not enough memory to read the DXF file");
  } catch (...) {
    es = Fail(error, Acad::eBadDxfSequence, L"the DXF file could not be read");
  }
  db->disableUndoRecording(!undoWasOn);
  if (es == Acad::eOk) db->setDbmod(0);
  return es;
}

AcDbDatabase* ReadDxfFile(const std::wstring& path, std::wstring& error, DxfReadReport* report) {
  const std::string fsPath = ToFsPath(path);
  struct stat st;
  if (::stat(fsPath.c_str(), &st) != 0) {
    error = L"the file " + path + L" does not exist";
    return nullptr;
  }
  if (S_ISDIR(st.st_mode)) {
    error = path + L" is a folder, not a DXF file";
    return nullptr;
  }
  if (static_cast<uint64_t>(st.st_size) >= kMaxDxfSize) {
    error = L"the DXF file " + path + L" is too large";
    return nullptr;
  }
  std::string bytes;
  DWORD code = 0;
  if (!ReadWholeFile(fsPath, bytes, &code)) {
    error = L"the DXF file " + path + L" cannot be read (error " + std::to_wstring(code) + L")";
    return nullptr;
  }
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase(false, true));
  if (DecodeDxf(bytes.data(), bytes.size(), db.get(), error, report) != Acad::eOk) return nullptr;
  db->setFileName(path);
  return db.release();
}

std::vector<std::wstring> DxfReportLines(const DxfReadReport& report) {
  std::vector<std::wstring> lines;
  const int skipped = report.skippedEntitiesTotal();
  if (skipped > 0) {
    std::wstring line = L"Skipped " + std::to_wstring(skipped) + (skipped == 1 ? L" object" : L" objects") +
                        L" the host does not have: ";
    bool first = true;
    for (const auto& e : report.skippedEntities) {
      if (!first) line += L", ";
      line += e.first + L" " + std::to_wstring(e.second);
      first = false;
    }
    lines.push_back(line + L".");
  }
  for (const DxfDamagedEntity& d : report.damaged)
    lines.push_back(L"Line " + std::to_wstring(d.line) + L": damaged " + d.type + L" skipped: " + d.reason + L".");
  for (const auto& r : report.renamed)
    lines.push_back(L"The " + r.first + L" is named \"" + r.second + L"\": its name has characters the host does not allow.");
  return lines;
}

}  // namespace zhost
