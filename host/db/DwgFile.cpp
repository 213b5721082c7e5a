// Drawing files: databases to bytes and files and back, and the AcDbDatabase file members.
#include "host/db/DwgFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbProxy.h"
#include "host/db/DrawingFormatHeader.h"
#include "host/db/DrawingFormatReader.h"
#include "host/db/DrawingFormatWriter.h"
#include "host/db/MemoryFiler.h"
#include "host/db/ObjectStub.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "host/win/WideFormat.h"

namespace zhost {

namespace {

thread_local std::wstring g_lastError;

Acad::ErrorStatus Fail(std::wstring& error, Acad::ErrorStatus es, const std::wstring& text) {
  error = text;
  return es;
}

std::wstring HandleText(uint64_t handle) { return AcDbHandle(handle).text(); }

// ---- writing ------------------------------------------------------------------------------

// What the class list holds for an object: its own class, or for a proxy the class it keeps.
DrawingClassEntry ClassEntryOf(const AcDbObject* obj) {
  DrawingClassEntry e;
  const ProxyData* proxy = nullptr;
  if (const AcDbProxyEntity* pe = AcDbProxyEntity::cast(obj)) proxy = &pe->proxyData();
  if (const AcDbProxyObject* po = AcDbProxyObject::cast(obj)) proxy = &po->proxyData();
  // A proxy made directly (not read from a file) stands for no other class: it is filed as itself.
  if (proxy && !proxy->className.empty()) {
    e.name = proxy->className;
    e.dxfName = proxy->dxfName;
    e.appName = proxy->appName;
    e.proxyFlags = proxy->proxyFlags;
    e.isEntity = AcDbProxyEntity::cast(obj) != nullptr;
    return e;
  }
  const AcRxClass* cls = obj->isA();
  e.name = cls->name();
  e.dxfName = cls->dxfName();
  e.appName = cls->appName();
  e.proxyFlags = cls->proxyFlags();
  int dwg = 0, maint = 0;
  cls->getClassVersion(dwg, maint);
  e.dwgVersion = dwg;
  e.maintVersion = maint;
  e.isEntity = ClassIsEntity(cls);
  return e;
}

// Files one object out. An object open for write is filed as it is now; one that cannot be
// read (open for notify while notifying) makes the save fail rather than lose it.
Acad::ErrorStatus FileOut(AcDbObjectId id, MemoryFiler& filer, std::wstring& error) {
  AcDbObject* obj = nullptr;
  const bool opened = acdbOpenObject(obj, id, AcDb::kForRead, true) == Acad::eOk;
  if (!opened) obj = PeekObject(id);
  if (!obj || !obj->isReadEnabled())
    return Fail(error, Acad::eWasOpenForNotify, L"object " + id.handle().text() + L" cannot be read for saving");
  Acad::ErrorStatus es = Acad::eOk;
  try {
    es = obj->dwgOutFields(&filer);
  } catch (CException* e) {
    e->Delete();
    es = Acad::eFilerError;
  } catch (...) {
    es = Acad::eFilerError;
  }
  if (opened) obj->close();
  if (es == Acad::eOk) es = filer.filerStatus();
  if (es != Acad::eOk) return Fail(error, es, L"object " + id.handle().text() + L" could not be filed out");
  return Acad::eOk;
}

// ---- reading ------------------------------------------------------------------------------

// The first pass: every record decodes, handles are unique, classes and owners exist and the
// ownership has no cycle. Nothing is allocated beyond what the file's size allows.
Acad::ErrorStatus CheckRecords(DrawingFormatReader& reader, size_t classCount, const std::vector<uint64_t>& roots,
                               std::wstring& error) {
  std::unordered_map<uint64_t, uint64_t> owners;
  owners.reserve(reader.objectCount());
  DrawingObjectRecord record;
  while (!reader.atEndOfObjects()) {
    if (!reader.nextObject(record, error)) return Acad::eFilerError;
    if (record.classIndex >= classCount)
      return Fail(error, Acad::eFilerError,
                  L"object " + HandleText(record.handle) + L" names a class beyond the class list");
    if (!owners.emplace(record.handle, record.owner).second)
      return Fail(error, Acad::eFilerError, L"the handle " + HandleText(record.handle) + L" is used by two objects");
  }
  for (uint64_t root : roots) {
    if (!owners.count(root))
      return Fail(error, Acad::eFilerError, L"the root object " + HandleText(root) + L" named in the header is missing");
  }
  // Walk each owner chain once; objects on the chain being walked form a cycle when met again.
  std::unordered_map<uint64_t, int> state;  // 1 on the current chain, 2 known to end
  state.reserve(owners.size());
  std::vector<uint64_t> chain;
  for (const auto& entry : owners) {
    uint64_t h = entry.first;
    chain.clear();
    while (h != 0) {
      int& s = state[h];
      if (s == 2) break;
      if (s == 1) return Fail(error, Acad::eFilerError, L"the ownership of object " + HandleText(h) + L" is a cycle");
      s = 1;
      chain.push_back(h);
      auto it = owners.find(h);
      const uint64_t owner = it->second;
      if (owner != 0 && !owners.count(owner))
        return Fail(error, Acad::eFilerError,
                    L"object " + HandleText(h) + L" is owned by the missing object " + HandleText(owner));
      h = owner;
    }
    for (uint64_t c : chain) state[c] = 2;
  }
  reader.rewindObjects();
  return Acad::eOk;
}

// The items of a record as a file filer of the database: ids resolved to the database's slots
// (made for handles not read yet).
void FillFiler(AcDbDatabase* db, DrawingObjectRecord& record, MemoryFiler& filer) {
  filer.clear();
  for (FilerItem& item : record.items) {
    if (item.isId() && !item.handle.isNull()) db->getAcDbObjectId(item.id, true, item.handle);
    filer.append(item);
  }
}

Acad::ErrorStatus FileIn(AcDbObject* obj, MemoryFiler& filer) {
  filer.rewind();
  Acad::ErrorStatus es = Acad::eOk;
  try {
    es = obj->dwgInFields(&filer);
  } catch (CException* e) {
    e->Delete();
    es = Acad::eDwgObjectImproperlyRead;
  } catch (...) {
    es = Acad::eDwgObjectImproperlyRead;
  }
  if (es == Acad::eOk) es = filer.filerStatus();
  // Items left over are a class that read less than it wrote: its data would be lost.
  if (es == Acad::eOk && !filer.atEnd()) es = Acad::eDwgObjectImproperlyRead;
  return es;
}

AcDbObject* NewProxy(const DrawingClassEntry& c) {
  ProxyData data;
  data.className = c.name;
  data.dxfName = c.dxfName;
  data.appName = c.appName;
  data.proxyFlags = c.proxyFlags;
  if (c.isEntity) {
    AcDbProxyEntity* p = new AcDbProxyEntity;
    p->setProxyData(data);
    return p;
  }
  AcDbProxyObject* p = new AcDbProxyObject;
  p->setProxyData(data);
  return p;
}

// One object into the database: its class's own reading first, a proxy when that fails.
Acad::ErrorStatus ReadObject(AcDbDatabase* db, const DrawingClassEntry& cls, DrawingObjectRecord& record,
                             MemoryFiler& filer, std::wstring& error) {
  FillFiler(db, record, filer);
  AcDbObject* obj = CreateObjectOfClass(cls.name, cls.dxfName, cls.appName, cls.proxyFlags, cls.isEntity);
  if (!obj) obj = NewProxy(cls);
  obj->setIntendedDatabase(db);
  Acad::ErrorStatus es = FileIn(obj, filer);
  if (es != Acad::eOk && !obj->isAProxy()) {
    delete obj;
    obj = NewProxy(cls);
    obj->setIntendedDatabase(db);
    es = FileIn(obj, filer);
  }
  if (es != Acad::eOk) {
    delete obj;
    return Fail(error, Acad::eDwgObjectImproperlyRead,
                L"object " + HandleText(record.handle) + L" (" + cls.name + L") is damaged: even its common part cannot be read");
  }
  if (obj->ownerId().handle().value() != record.owner) {
    delete obj;
    return Fail(error, Acad::eDwgObjectImproperlyRead,
                L"object " + HandleText(record.handle) + L" files an owner other than its record names");
  }
  AcDbObjectId id;
  es = db->addObjectWithHandle(obj, AcDbHandle(record.handle), id);
  if (es != Acad::eOk) {
    delete obj;
    return Fail(error, es, L"object " + HandleText(record.handle) + L" cannot take its handle in the drawing");
  }
  if (record.erased) obj->erase(true);
  obj->close();
  return Acad::eOk;
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes, Acad::ErrorStatus& es, std::wstring& error) {
  const std::string fsPath = ToFsPath(path);
  struct stat st;
  if (::stat(fsPath.c_str(), &st) != 0) {
    es = Fail(error, Acad::eFileNotFound, L"the drawing file " + path + L" does not exist");
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    es = Fail(error, Acad::eFileAccessErr, path + L" is a folder, not a drawing file");
    return false;
  }
  // Checked before reading, so a huge file is not pulled into memory first.
  if (static_cast<uint64_t>(st.st_size) > drawing_format::kMaxFileSize) {
    es = Fail(error, Acad::eFileAccessErr, L"the drawing file " + path + L" is too large");
    return false;
  }
  DWORD code = 0;
  if (!ReadWholeFile(fsPath, bytes, &code)) {
    es = Fail(error, Acad::eFileAccessErr, FormatWide(L"the drawing file %s cannot be read (error %lu)", path.c_str(),
                                                      static_cast<unsigned long>(code)));
    return false;
  }
  return true;
}

}  // namespace

const std::wstring& LastDrawingFileError() { return g_lastError; }

Acad::ErrorStatus EncodeDrawing(AcDbDatabase* db, std::string& bytes, std::wstring& error) {
  if (!db) return Fail(error, Acad::eNullPtr, L"no database to save");
  AcDbObjectIdArray ids;
  db->getAllObjectIds(ids);
  // The class list comes before the objects, so it is gathered first.
  std::vector<DrawingClassEntry> classes;
  std::map<std::wstring, uint32_t> classIndex;
  std::vector<uint32_t> objectClass(ids.length());
  for (int k = 0; k < ids.length(); ++k) {
    const AcDbObject* obj = PeekObject(ids[k]);
    if (!obj) return Fail(error, Acad::eNullObjectPointer, L"object " + ids[k].handle().text() + L" is missing");
    DrawingClassEntry e = ClassEntryOf(obj);
    auto found = classIndex.find(e.name);
    if (found == classIndex.end()) {
      found = classIndex.emplace(e.name, static_cast<uint32_t>(classes.size())).first;
      classes.push_back(e);
    }
    objectClass[k] = found->second;
  }
  DrawingFormatWriter writer;
  writer.writeHeader(CollectHeaderVariables(db));
  writer.writeClasses(classes);
  MemoryFiler filer(AcDb::kFileFiler, db);
  for (int k = 0; k < ids.length(); ++k) {
    filer.clear();
    Acad::ErrorStatus es = FileOut(ids[k], filer, error);
    if (es != Acad::eOk) return es;
    const AcDbObject* obj = PeekObject(ids[k]);
    if (!writer.writeObject(objectClass[k], ids[k].handle().value(), obj->ownerId().handle().value(), obj->isErased(),
                            filer.items(), error)) {
      error = L"object " + ids[k].handle().text() + L": " + error;
      return Acad::eFilerError;
    }
  }
  bytes = writer.finish();
  return Acad::eOk;
}

Acad::ErrorStatus DecodeDrawing(const unsigned char* data, size_t size, AcDbDatabase* db, std::wstring& error) {
  if (!db) return Fail(error, Acad::eNullPtr, L"no database to read into");
  if (db->numObjects() != 0) return Fail(error, Acad::eInvalidInput, L"the database to read into is not empty");
  DrawingFormatReader reader;
  if (!reader.open(data, size, error)) {
    if (error.find(L"version") != std::wstring::npos) return Acad::eInvalidDwgVersion;
    return Acad::eBadDwgHeader;
  }
  std::vector<DrawingHeaderVariable> header;
  std::vector<DrawingClassEntry> classes;
  std::vector<uint64_t> roots;
  if (!reader.readHeader(header, error) || !reader.readClasses(classes, error)) return Acad::eBadDwgHeader;
  if (!RootHandles(header, roots, error)) return Acad::eBadDwgHeader;
  Acad::ErrorStatus es = CheckRecords(reader, classes.size(), roots, error);
  if (es != Acad::eOk) return es;

  const bool undoWasOn = db->undoRecording();
  db->disableUndoRecording(true);
  MemoryFiler filer(AcDb::kFileFiler, db);
  DrawingObjectRecord record;
  while (es == Acad::eOk && !reader.atEndOfObjects()) {
    if (!reader.nextObject(record, error)) {
      es = Acad::eFilerError;
      break;
    }
    es = ReadObject(db, classes[record.classIndex], record, filer, error);
  }
  if (es == Acad::eOk && !ApplyHeaderVariables(db, header, error)) es = Acad::eBadDwgHeader;
  db->disableUndoRecording(!undoWasOn);
  if (es != Acad::eOk) return es;
  db->setDbmod(0);
  return Acad::eOk;
}

AcDbDatabase* ReadDrawingFile(const std::wstring& path, std::wstring& error) {
  AcDbDatabase* db = new AcDbDatabase(false, true);
  if (db->readDwgFile(path.c_str()) != Acad::eOk) {
    error = LastDrawingFileError();
    delete db;
    return nullptr;
  }
  return db;
}

Acad::ErrorStatus WriteDrawingFile(AcDbDatabase* db, const std::wstring& path, std::wstring& error) {
  if (!db) return Fail(error, Acad::eNullPtr, L"no database to save");
  if (path.empty()) return Fail(error, Acad::eInvalidInput, L"no file name to save the drawing to");
  const std::string fsPath = ToFsPath(path);
  if (IsReadOnlyFile(fsPath)) return Fail(error, Acad::eFileAccessErr, L"the drawing file " + path + L" is read-only");
  std::string bytes;
  Acad::ErrorStatus es = EncodeDrawing(db, bytes, error);
  if (es != Acad::eOk) return es;
  DWORD code = 0;
  if (!WriteFileAtomically(fsPath, bytes, &code))
    return Fail(error, Acad::eFileAccessErr, FormatWide(L"the drawing cannot be saved to %s (error %lu)", path.c_str(),
                                                        static_cast<unsigned long>(code)));
  return Acad::eOk;
}

}  // namespace zhost

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, OpenMode, bool, const wchar_t*) {
  std::wstring& error = zhost::g_lastError;
  error.clear();
  if (!fileName || !*fileName) return zhost::Fail(error, Acad::eInvalidInput, L"no drawing file name");
  Acad::ErrorStatus es = Acad::eOk;
  std::string bytes;
  if (!zhost::ReadFileBytes(fileName, bytes, es, error)) return es;
  es = zhost::DecodeDrawing(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), this, error);
  if (es != Acad::eOk) {
    error = std::wstring(fileName) + L": " + error;
    return es;
  }
  setFileName(fileName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName, bool, AcDb::AcDbDwgVersion, const void*) {
  std::wstring& error = zhost::g_lastError;
  error.clear();
  if (!fileName || !*fileName) return zhost::Fail(error, Acad::eInvalidInput, L"no file name to save the drawing to");
  Acad::ErrorStatus es = zhost::WriteDrawingFile(this, fileName, error);
  if (es != Acad::eOk) return es;
  setFileName(fileName);
  setDbmod(0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::save() {
  if (fileName().empty()) {
    zhost::g_lastError = L"the drawing has no file name yet";
    return Acad::eNotApplicable;
  }
  const std::wstring name = fileName();
  return saveAs(name.c_str());
}

Acad::ErrorStatus AcDbDatabase::getFilename(const ACHAR*& pOutput) const {
  pOutput = fileName().c_str();
  return Acad::eOk;
}
