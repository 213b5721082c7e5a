// Drawing files on real databases and real files: what is saved comes back object by object
// with the same handles; unknown classes and classes that cannot read themselves stay as
// proxies and are written back unchanged; damaged files are refused; a failed save keeps the
// old file.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <map>
#include <string>
#include <vector>

#include "host/db/DbCore.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbText.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/DrawingFormatWriter.h"
#include "host/db/DwgFile.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextConv.h"
#include "tests/host/dbfile/DrawingBytes.h"
#include "tests/support/TempDir.h"

// A small entity class of the tests' own: a point, a text, a number and a reference. The switches
// make its reading or writing fail, as a module's class might.
class ZkFileTestMark : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(ZkFileTestMark);
  static bool failIn;
  static bool failOut;

  AcGePoint3d pos;
  std::wstring label;
  Adesk::Int32 count = 0;
  AcDbHardPointerId ref;

  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* f) const override {
    assertReadEnabled();
    Acad::ErrorStatus es = AcDbEntity::dwgOutFields(f);
    if (es != Acad::eOk) return es;
    if (failOut) return Acad::eFilerError;
    f->writeItem(Adesk::Int16(1));
    f->writeItem(pos);
    f->writeItem(label);
    f->writeItem(count);
    f->writeItem(ref);
    return f->filerStatus();
  }
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* f) override {
    assertWriteEnabled();
    Acad::ErrorStatus es = AcDbEntity::dwgInFields(f);
    if (es != Acad::eOk) return es;
    if (failIn) return Acad::eMakeMeProxy;
    Adesk::Int16 version = 0;
    f->readItem(&version);
    f->readItem(&pos);
    f->readItem(label);
    f->readItem(&count);
    f->readItem(&ref);
    return f->filerStatus();
  }
};
bool ZkFileTestMark::failIn = false;
bool ZkFileTestMark::failOut = false;
ACRX_DXF_DEFINE_MEMBERS(ZkFileTestMark, AcDbEntity, 0, 0, AcDb::kAllAllowedBits, ZKFILETESTMARK, ZkFileTests)

namespace {

using zktest::Bytes;

struct ObjectDump {
  std::wstring className;
  bool erased = false;
  std::string items;  // the filed items as the file encodes them (ids by handle)
};

// Every object of a database by handle: its class (the kept one for a proxy) and its items.
std::map<uint64_t, ObjectDump> Dump(AcDbDatabase* db) {
  std::map<uint64_t, ObjectDump> out;
  AcDbObjectIdArray ids;
  db->getAllObjectIds(ids);
  for (int k = 0; k < ids.length(); ++k) {
    AcDbObject* obj = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(obj, ids[k], AcDb::kForRead, true));
    if (!obj) continue;
    ObjectDump d;
    d.className = obj->isA()->name();
    if (auto* p = AcDbProxyEntity::cast(obj)) d.className = p->originalClassName();
    if (auto* p = AcDbProxyObject::cast(obj)) d.className = p->originalClassName();
    d.erased = obj->isErased();
    zhost::MemoryFiler f(AcDb::kFileFiler, db);
    EXPECT_EQ(Acad::eOk, obj->dwgOutFields(&f));
    std::wstring error;
    for (const zhost::FilerItem& item : f.items()) zhost::DrawingFormatWriter::AppendItem(d.items, item, error);
    out[ids[k].handle().value()] = d;
    obj->close();
  }
  return out;
}

void ExpectSameObjects(AcDbDatabase* a, AcDbDatabase* b) {
  const auto da = Dump(a), db = Dump(b);
  ASSERT_EQ(da.size(), db.size());
  for (const auto& entry : da) {
    auto other = db.find(entry.first);
    ASSERT_NE(other, db.end()) << "handle " << std::hex << entry.first;
    EXPECT_EQ(entry.second.className, other->second.className) << std::hex << entry.first;
    EXPECT_EQ(entry.second.erased, other->second.erased) << std::hex << entry.first;
    EXPECT_EQ(entry.second.items, other->second.items) << std::hex << entry.first;
  }
}

AcDbObjectId Append(AcDbDatabase* db, AcDbEntity* ent) {
  AcDbBlockTableRecord* ms = nullptr;
  EXPECT_EQ(Acad::eOk, acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite));
  AcDbObjectId id;
  EXPECT_EQ(Acad::eOk, ms->appendAcDbEntity(id, ent));
  ent->close();
  ms->close();
  return id;
}

AcDbObjectId AddLayer(AcDbDatabase* db, const wchar_t* name) {
  AcDbLayerTable* table = nullptr;
  EXPECT_EQ(Acad::eOk, db->getLayerTable(table, AcDb::kForWrite));
  auto* rec = new AcDbLayerTableRecord;
  rec->setName(name);
  AcDbObjectId id;
  EXPECT_EQ(Acad::eOk, table->add(id, rec));
  rec->close();
  table->close();
  return id;
}

void AddRegApp(AcDbDatabase* db, const wchar_t* name) {
  AcDbRegAppTable* table = nullptr;
  EXPECT_EQ(Acad::eOk, db->getRegAppTable(table, AcDb::kForWrite));
  auto* rec = new AcDbRegAppTableRecord;
  rec->setName(name);
  EXPECT_EQ(Acad::eOk, table->add(rec));
  rec->close();
  table->close();
}

// A drawing with several entity kinds on two layers, extended data, a persistent reactor, an
// erased entity, the test class and a changed draw order.
struct Drawing {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase(true, true)};
  std::vector<AcDbObjectId> entities;

  Drawing() {
    AcDbDatabase* d = db.get();
    const AcDbObjectId dims = AddLayer(d, L"Bema\u00dfung");
    AddRegApp(d, L"ZKAPP");
    auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 5, 0));
    entities.push_back(Append(d, line));
    auto* circle = new AcDbCircle(AcGePoint3d(3, 4, 0), AcGeVector3d(0, 0, 1), 2.5);
    entities.push_back(Append(d, circle));
    auto* text = new AcDbText(AcGePoint3d(1, 1, 0), L"H\u00f6he 2,5 m");
    entities.push_back(Append(d, text));
    auto* mark = new ZkFileTestMark;
    mark->pos = AcGePoint3d(7, 8, 9);
    mark->label = L"Marke";
    mark->count = -42;
    mark->ref = entities[0];
    entities.push_back(Append(d, mark));
    auto* gone = new AcDbLine(AcGePoint3d(1, 0, 0), AcGePoint3d(2, 0, 0));
    entities.push_back(Append(d, gone));

    AcDbEntity* ent = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(ent, entities[1], AcDb::kForWrite));
    EXPECT_EQ(Acad::eOk, ent->setLayer(dims));
    EXPECT_EQ(Acad::eOk, ent->setColorIndex(3));
    resbuf* xd = acutBuildList(1001, L"ZKAPP", 1000, L"Text", 1070, 12, 1040, 2.5, 0);
    EXPECT_EQ(Acad::eOk, ent->setXData(xd));
    acutRelRb(xd);
    ent->addPersistentReactor(entities[3]);
    ent->close();
    EXPECT_EQ(Acad::eOk, acdbOpenObject(ent, entities[4], AcDb::kForWrite));
    EXPECT_EQ(Acad::eOk, ent->erase());
    ent->close();

    AcDbBlockTableRecord* ms = nullptr;
    EXPECT_EQ(Acad::eOk, acdbOpenObject(ms, d->modelSpaceId(), AcDb::kForWrite));
    AcDbSortentsTable* sortents = nullptr;
    EXPECT_EQ(Acad::eOk, ms->getSortentsTable(sortents, AcDb::kForWrite, true));
    ms->close();
    if (sortents) {
      AcDbObjectIdArray bottom;
      bottom.append(entities[2]);
      EXPECT_EQ(Acad::eOk, sortents->moveToBottom(bottom));
      sortents->close();
    }
    d->extraHeaderVariables()[L"PROJECTNAME"] = L"Br\u00fccke";
    EXPECT_EQ(Acad::eOk, d->setTextsize(3.5));
  }
};

class DwgFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zhost::SetDbDiagnosticsQuiet(true);
    ZkFileTestMark::rxInit();
    ZkFileTestMark::failIn = ZkFileTestMark::failOut = false;
  }
  void TearDown() override { ZkFileTestMark::failIn = ZkFileTestMark::failOut = false; }

  std::wstring File(const char* name) const { return zhost::FromUtf8(dir.file(name)); }

  zktest::TempDir dir;
};

std::unique_ptr<AcDbDatabase> Read(const std::wstring& path) {
  std::wstring error;
  std::unique_ptr<AcDbDatabase> db(zhost::ReadDrawingFile(path, error));
  EXPECT_TRUE(db) << std::string(error.begin(), error.end());
  return db;
}

std::vector<AcDbObjectId> ModelSpaceEntities(AcDbDatabase* db) {
  AcDbBlockTableRecord* ms = nullptr;
  EXPECT_EQ(Acad::eOk, acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead));
  if (!ms) return {};
  std::vector<AcDbObjectId> ids = ms->entityIds();
  ms->close();
  return ids;
}

TEST_F(DwgFileTest, SavedDrawingComesBackObjectByObjectWithTheSameHandles) {
  Drawing drawing;
  const std::wstring path = File("plan.dwg");
  ASSERT_EQ(Acad::eOk, drawing.db->saveAs(path.c_str())) << std::string(zhost::LastDrawingFileError().begin(),
                                                                          zhost::LastDrawingFileError().end());
  EXPECT_EQ(0, drawing.db->dbmod());
  std::unique_ptr<AcDbDatabase> back = Read(path);
  ASSERT_TRUE(back);
  EXPECT_FALSE(back->hasDocument());
  EXPECT_EQ(path, back->fileName());
  EXPECT_EQ(drawing.db->handseed(), back->handseed());
  EXPECT_EQ(drawing.db->numObjects(), back->numObjects());
  ExpectSameObjects(drawing.db.get(), back.get());

  // The same entities in the same order, the test class as itself, header values kept.
  std::vector<AcDbObjectId> ents = ModelSpaceEntities(back.get());
  ASSERT_EQ(drawing.entities.size(), ents.size());
  for (size_t k = 0; k < ents.size(); ++k) EXPECT_EQ(drawing.entities[k].handle(), ents[k].handle());
  ZkFileTestMark* mark = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(mark, ents[3], AcDb::kForRead));
  EXPECT_EQ(L"Marke", mark->label);
  EXPECT_EQ(-42, mark->count);
  EXPECT_EQ(ents[0], mark->ref);
  EXPECT_EQ(back.get(), mark->ref.database());
  mark->close();
  AcDbEntity* circle = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(circle, ents[1], AcDb::kForRead));
  EXPECT_STREQ(L"Bema\u00dfung", circle->layer());
  resbuf* xd = circle->xData(L"ZKAPP");
  ASSERT_NE(nullptr, xd);
  ASSERT_NE(nullptr, xd->rbnext);
  EXPECT_STREQ(L"Text", xd->rbnext->resval.rstring);
  acutRelRb(xd);
  EXPECT_TRUE(circle->hasPersistentReactor(ents[3]));
  circle->close();
  EXPECT_TRUE(ents[4].isErased());
  EXPECT_EQ(L"Br\u00fccke", back->extraHeaderVariables()[L"PROJECTNAME"]);
  EXPECT_DOUBLE_EQ(3.5, back->textsize());

  // New objects continue after the kept handles.
  auto* line = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
  const AcDbObjectId added = Append(back.get(), line);
  EXPECT_GE(added.handle(), drawing.db->handseed());

  // A second save of what was read gives the same bytes.
  const std::wstring again = File("again.dwg");
  ASSERT_EQ(Acad::eOk, Read(path)->saveAs(again.c_str()));
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("plan.dwg")), zktest::ReadFileBytes(dir.file("again.dwg")));
}

TEST_F(DwgFileTest, UnknownClassIsKeptAsProxyAndWrittenBackByteIdentical) {
  const std::wstring path = File("custom.dwg"), copy = File("copy.dwg");
  {
    Drawing drawing;
    ASSERT_EQ(Acad::eOk, drawing.db->saveAs(path.c_str()));
  }
  deleteAcRxClass(ZkFileTestMark::desc());
  ASSERT_EQ(nullptr, ZkFileTestMark::desc());
  {
    std::unique_ptr<AcDbDatabase> back = Read(path);
    ASSERT_TRUE(back);
    const std::vector<AcDbObjectId> ents = ModelSpaceEntities(back.get());
    ASSERT_EQ(5u, ents.size());
    AcDbEntity* ent = nullptr;
    ASSERT_EQ(Acad::eOk, acdbOpenObject(ent, ents[3], AcDb::kForRead));
    AcDbProxyEntity* proxy = AcDbProxyEntity::cast(ent);
    ASSERT_NE(nullptr, proxy);
    EXPECT_STREQ(L"ZkFileTestMark", proxy->originalClassName());
    EXPECT_STREQ(L"ZKFILETESTMARK", proxy->originalDxfName());
    EXPECT_STREQ(L"ZkFileTests", proxy->applicationDescription());
    EXPECT_EQ(AcDb::kAllAllowedBits, proxy->proxyFlags());
    ent->close();
    ASSERT_EQ(Acad::eOk, back->saveAs(copy.c_str()));
  }
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("custom.dwg")), zktest::ReadFileBytes(dir.file("copy.dwg")));

  // With the class back, the proxy's data is the object again.
  ZkFileTestMark::rxInit();
  std::unique_ptr<AcDbDatabase> again = Read(copy);
  ASSERT_TRUE(again);
  ZkFileTestMark* mark = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(mark, ModelSpaceEntities(again.get())[3], AcDb::kForRead));
  EXPECT_EQ(L"Marke", mark->label);
  mark->close();
}

TEST_F(DwgFileTest, ClassWhoseReadingFailsBecomesProxyWithItsDataIntact) {
  const std::wstring path = File("fails.dwg"), copy = File("fails-copy.dwg");
  Drawing drawing;
  ASSERT_EQ(Acad::eOk, drawing.db->saveAs(path.c_str()));
  ZkFileTestMark::failIn = true;
  std::unique_ptr<AcDbDatabase> back = Read(path);
  ASSERT_TRUE(back);
  const AcDbObjectId markId = ModelSpaceEntities(back.get())[3];
  AcDbEntity* ent = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(ent, markId, AcDb::kForRead));
  EXPECT_NE(nullptr, AcDbProxyEntity::cast(ent));
  ent->close();
  ASSERT_EQ(Acad::eOk, back->saveAs(copy.c_str()));
  EXPECT_EQ(zktest::ReadFileBytes(dir.file("fails.dwg")), zktest::ReadFileBytes(dir.file("fails-copy.dwg")));
}

// Reads bytes into a fresh side database: eOk, or a refusal that says why.
Acad::ErrorStatus Decode(const std::string& bytes, std::wstring& error) {
  AcDbDatabase db(false, true);
  error.clear();
  const Acad::ErrorStatus es = zhost::DecodeDrawing(Bytes(bytes), bytes.size(), &db, error);
  if (es == Acad::eOk) {
    std::string out;
    EXPECT_EQ(Acad::eOk, zhost::EncodeDrawing(&db, out, error));
  } else {
    EXPECT_FALSE(error.empty());
  }
  return es;
}

std::string SmallDrawingBytes() {
  AcDbDatabase db(true, true);
  Append(&db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 3)));
  std::string bytes;
  std::wstring error;
  EXPECT_EQ(Acad::eOk, zhost::EncodeDrawing(&db, bytes, error));
  return bytes;
}

TEST_F(DwgFileTest, TruncationAtEveryOffsetIsRefused) {
  const std::string bytes = SmallDrawingBytes();
  std::wstring error;
  ASSERT_EQ(Acad::eOk, Decode(bytes, error)) << std::string(error.begin(), error.end());
  for (size_t n = 0; n < bytes.size(); ++n) EXPECT_NE(Acad::eOk, Decode(bytes.substr(0, n), error)) << n;
}

TEST_F(DwgFileTest, BitFlipsBehindAValidChecksumAreRefusedOrProxied) {
  const std::string bytes = SmallDrawingBytes();
  std::wstring error;
  int refused = 0, read = 0;
  for (size_t at = zhost::drawing_format::kFileHeaderSize; at + zhost::drawing_format::kTrailerSize < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = static_cast<char>(damaged[at] ^ (1 << (at % 8)));
    zktest::FixDrawingFrame(damaged);
    (Decode(damaged, error) == Acad::eOk ? read : refused)++;
  }
  EXPECT_GT(refused, 0);
  EXPECT_GT(read, 0);  // flips in values (a coordinate, a text) give another valid drawing
}

TEST_F(DwgFileTest, HostileStructureIsRefusedWithItsReason) {
  // Records built by hand: a dictionary class, and the header's roots all naming handle 1.
  auto file = [](const std::vector<zhost::DrawingObjectRecord>& records) {
    zhost::DrawingFormatWriter w;
    std::vector<zhost::DrawingHeaderVariable> vars;
    for (const wchar_t* name : {L"BLOCK_TABLE", L"LAYER_TABLE", L"TEXTSTYLE_TABLE", L"DIMSTYLE_TABLE",
                                L"LINETYPE_TABLE", L"REGAPP_TABLE", L"NAMED_OBJECTS"}) {
      zhost::DrawingHeaderVariable v;
      v.name = name;
      v.value.type = zhost::FilerItemType::kHardOwnershipId;
      v.value.handle = AcDbHandle(Adesk::UInt64(1));
      vars.push_back(v);
    }
    w.writeHeader(vars);
    w.writeClasses({{L"AcDbDictionary", L"DICTIONARY", L"", 0, 0, 0, false}});
    std::wstring error;
    for (const auto& r : records) EXPECT_TRUE(w.writeObject(r, error));
    return w.finish();
  };
  auto rec = [](uint64_t handle, uint64_t owner, uint32_t cls = 0) {
    zhost::DrawingObjectRecord r;
    r.handle = handle;
    r.owner = owner;
    r.classIndex = cls;
    return r;
  };
  const struct {
    const char* what;
    std::vector<zhost::DrawingObjectRecord> records;
    const wchar_t* message;
  } cases[] = {
      {"duplicate handle", {rec(1, 0), rec(2, 1), rec(2, 1)}, L"used by two objects"},
      {"ownership cycle", {rec(1, 0), rec(2, 3), rec(3, 4), rec(4, 2)}, L"cycle"},
      {"owning itself", {rec(1, 1)}, L"cycle"},
      {"missing owner", {rec(1, 0), rec(2, 9)}, L"missing object 9"},
      {"missing root", {rec(2, 0)}, L"root object 1"},
      {"class beyond the list", {rec(1, 0, 5)}, L"beyond the class list"},
      {"common part unreadable", {rec(1, 0)}, L"common part"},
  };
  for (const auto& c : cases) {
    std::wstring error;
    EXPECT_NE(Acad::eOk, Decode(file(c.records), error)) << c.what;
    EXPECT_NE(std::wstring::npos, error.find(c.message)) << c.what << ": " << std::string(error.begin(), error.end());
  }
}

TEST_F(DwgFileTest, MissingAndForeignFilesAreRefused) {
  AcDbDatabase db(false, true);
  EXPECT_EQ(Acad::eFileNotFound, db.readDwgFile(File("none.dwg").c_str()));
  zktest::WriteFileBytes(dir.file("notes.dwg"), "just some text, not a drawing\n");
  EXPECT_EQ(Acad::eBadDwgHeader, db.readDwgFile(File("notes.dwg").c_str()));
  EXPECT_NE(std::wstring::npos, zhost::LastDrawingFileError().find(L"magic"));
  EXPECT_EQ(0, db.numObjects());
  std::wstring error;
  EXPECT_EQ(nullptr, zhost::ReadDrawingFile(zhost::FromUtf8(dir.path()), error));
  EXPECT_NE(std::wstring::npos, error.find(L"folder"));
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* d = opendir(folder.c_str());
  while (dirent* e = d ? readdir(d) : nullptr) {
    if (std::string(e->d_name) != "." && std::string(e->d_name) != "..") names.push_back(e->d_name);
  }
  if (d) closedir(d);
  return names;
}

TEST_F(DwgFileTest, FailedSaveLeavesTheOldFile) {
  Drawing drawing;
  const std::wstring path = File("keep.dwg");
  ASSERT_EQ(Acad::eOk, drawing.db->saveAs(path.c_str()));
  const std::string before = zktest::ReadFileBytes(dir.file("keep.dwg"));
  Append(drawing.db.get(), new AcDbLine(AcGePoint3d(5, 5, 0), AcGePoint3d(6, 6, 0)));

  // An object that cannot file itself out.
  ZkFileTestMark::failOut = true;
  EXPECT_NE(Acad::eOk, drawing.db->saveAs(path.c_str()));
  EXPECT_NE(std::wstring::npos, zhost::LastDrawingFileError().find(drawing.entities[3].handle().text()));
  ZkFileTestMark::failOut = false;
  EXPECT_EQ(before, zktest::ReadFileBytes(dir.file("keep.dwg")));
  EXPECT_EQ(std::vector<std::string>{"keep.dwg"}, FolderEntries(dir.path()));

  // A read-only target.
  ASSERT_EQ(0, chmod(dir.file("keep.dwg").c_str(), 0444));
  EXPECT_EQ(Acad::eFileAccessErr, drawing.db->saveAs(path.c_str()));
  EXPECT_NE(std::wstring::npos, zhost::LastDrawingFileError().find(L"read-only"));
  EXPECT_EQ(before, zktest::ReadFileBytes(dir.file("keep.dwg")));
  EXPECT_EQ(std::vector<std::string>{"keep.dwg"}, FolderEntries(dir.path()));
  chmod(dir.file("keep.dwg").c_str(), 0644);

  // save() goes to the file the drawing came from.
  ASSERT_EQ(Acad::eOk, drawing.db->save());
  EXPECT_NE(before, zktest::ReadFileBytes(dir.file("keep.dwg")));
  const ACHAR* name = nullptr;
  EXPECT_EQ(Acad::eOk, drawing.db->getFilename(name));
  EXPECT_EQ(path, name);
}

TEST_F(DwgFileTest, ReadingNeedsAnEmptyDatabase) {
  const std::string bytes = SmallDrawingBytes();
  AcDbDatabase full(true, true);
  std::wstring error;
  EXPECT_EQ(Acad::eInvalidInput, zhost::DecodeDrawing(Bytes(bytes), bytes.size(), &full, error));
  EXPECT_NE(std::wstring::npos, error.find(L"not empty"));
}

}  // namespace
