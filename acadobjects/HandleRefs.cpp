// Handle texts and reference texts across open drawings and external references.
#include "acadobjects/HandleRefs.h"

#include "acadobjects/DocumentServices.h"
#include "acadobjects/ServiceGuard.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"

namespace {

// The name of the external-reference block of `db` whose drawing is `xref`; "" when none.
CString XrefBlockNameOf(AcDbDatabase* db, AcDbDatabase* xref) {
  CString found;
  AcDbBlockTable* table = nullptr;
  if (!db || !xref || db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return found;
  AcDbBlockTableIterator* it = nullptr;
  table->newIterator(it);
  table->close();
  for (; it && !it->done() && found.IsEmpty(); it->step()) {
    AcDbBlockTableRecord* record = nullptr;
    if (it->getRecord(record, AcDb::kForRead) != Acad::eOk) continue;
    if (record->isFromExternalReference() && record->getXrefDatabase(false) == xref)
      found = record->nameString().c_str();
    record->close();
  }
  delete it;
  return found;
}

}  // namespace

CString EntityToHandle(const AcDbObject* object) {
  if (!object) return CString();
  CString text(object->handle().text().c_str());
  text.TrimRight();
  return text;
}

CString EntityXref2Handle(const AcDbObject* entity, AcDbDatabase* referenceDb) {
  return GuardedService(L"EntityXref2Handle", CString(), [&] {
    const CString handle = EntityToHandle(entity);
    if (handle.IsEmpty()) return handle;
    AcDbDatabase* own = entity->database();
    if (!own || own == referenceDb) return handle;
    CString drawing = XrefBlockNameOf(referenceDb, own);
    if (drawing.IsEmpty()) drawing = DatabaseFileName(own);
    if (drawing.IsEmpty()) return handle;
    CString text;
    text.Format(L"%s:%s", drawing.GetString(), handle.GetString());
    return text;
  });
}

AcDbObjectId Handle2ObjectId(AcDbDatabase* db, const wchar_t* referenceText) {
  return GuardedService(L"Handle2ObjectId", AcDbObjectId(), [&]() -> AcDbObjectId {
    if (!db) db = CurDwg();
    CString text(referenceText);
    text.Trim();
    if (!db || text.IsEmpty()) return AcDbObjectId();
    AcDbDatabase* target = db;
    const int colon = text.ReverseFind(L':');
    if (colon > 0) {
      const CString drawing = text.Left(colon);
      CString lower(drawing);
      lower.MakeLower();
      target = lower.Find(L".dwg") >= 0 ? GetFromEditor(drawing) : XrefDatabaseByName(db, drawing);
      if (!target && drawing.CompareNoCase(DatabaseFileName(db)) == 0) target = db;
      if (!target) return AcDbObjectId();
      text = text.Mid(colon + 1);
    }
    AcDbHandle handle;
    if (!AcDbHandle::parse(text, handle) || handle.isNull()) return AcDbObjectId();
    AcDbObjectId id;
    if (target->getAcDbObjectId(id, false, handle) != Acad::eOk) return AcDbObjectId();
    return id;
  });
}

AcDbEntity* Handle2Object(AcDbDatabase* db, const wchar_t* referenceText) {
  return GuardedService(L"Handle2Object", static_cast<AcDbEntity*>(nullptr), [&]() -> AcDbEntity* {
    const AcDbObjectId id = Handle2ObjectId(db, referenceText);
    if (id.isNull()) return nullptr;
    AcDbEntity* entity = nullptr;
    return acdbOpenObject(entity, id, AcDb::kForRead) == Acad::eOk ? entity : nullptr;
  });
}
