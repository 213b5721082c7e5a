// Reading and writing the add-on's extended-data records, with the write discipline: document
// lock, reactor pause, layer release, application registration, and their undoing in reverse.
#include "acadobjects/XDataRecords.h"

#include <cstdint>

#include "acadobjects/DocumentServices.h"
#include "acadobjects/Messages.h"
#include "acadobjects/ServiceGuard.h"
#include "frame/AppReactors.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/rx/AcRxClass.h"
#include "settings/GlobDimOptions.h"

namespace {

// What a write changes around the object, undone in reverse order when it ends: the document
// lock (if taken here), the reactor pause flag and the released layer.
class CXDataWriteScope {
 public:
  CXDataWriteScope(AcDbDatabase* db, AcDbObject* object)
      : m_pDb(db), m_pEntity(AcDbEntity::cast(object)), m_iOldPause(bReactorPaused) {
    m_bLockedHere = !IsLocked(db) && LockDb(db);
    bReactorPaused = 1;
    if (m_pEntity && m_pEntity->isPersistent()) m_iLayerFlags = ReleaseLayer(m_pEntity);
  }
  ~CXDataWriteScope() {
    RestoreLayer(m_pEntity, m_iLayerFlags);
    bReactorPaused = m_iOldPause;
    if (m_bLockedHere) UnlockDB(m_pDb);
  }
  CXDataWriteScope(const CXDataWriteScope&) = delete;
  CXDataWriteScope& operator=(const CXDataWriteScope&) = delete;

 private:
  AcDbDatabase* m_pDb;
  AcDbEntity* m_pEntity;
  int m_iOldPause;
  int m_iLayerFlags = 0;
  bool m_bLockedHere = false;
};

// The drawing a record is written in: the object's own, else the current one.
AcDbDatabase* DatabaseForWrite(const AcDbObject* object) {
  AcDbDatabase* db = object->database();
  return db ? db : CurDwg();
}

resbuf* NewGroup(int code) {
  resbuf* rb = acutNewRb(code);
  if (rb) rb->rbnext = nullptr;
  return rb;
}

// Appends a group after `tail` and returns it (the new tail).
resbuf* Append(resbuf* tail, resbuf* group) {
  tail->rbnext = group;
  return group;
}

resbuf* StringGroup(int code, const wchar_t* text) {
  resbuf* rb = NewGroup(code);
  rb->resval.rstring = acutNewString(text ? text : L"");
  return rb;
}

resbuf* Int16Group(int value) {
  resbuf* rb = NewGroup(AcDb::kDxfXdInteger16);
  rb->resval.rint = static_cast<short>(static_cast<uint16_t>(static_cast<uint32_t>(value) & 0xFFFFu));
  return rb;
}

resbuf* RealGroup(double value) {
  resbuf* rb = NewGroup(AcDb::kDxfXdReal);
  rb->resval.rreal = value;
  return rb;
}

// [-3][1001 application]: the list that removes the application's record.
resbuf* RemovalList(const wchar_t* application) {
  resbuf* head = NewGroup(AcDb::kDxfXDataStart);
  Append(head, StringGroup(AcDb::kDxfRegAppName, application));
  return head;
}

bool EnsureWritable(AcDbObject* object) {
  if (!object->isWriteEnabled()) {
    const Acad::ErrorStatus es = object->upgradeOpen();
    if (es != Acad::eOk) {
      TraceMsgF(L"XData write: upgradeOpen %d, record not written\n", static_cast<int>(es));
      return false;
    }
  }
  object->recordGraphicsModified(true);
  return true;
}

void ShowSetXDataFailure(Acad::ErrorStatus es) {
  if (es == Acad::eXdataSizeExceeded)
    ShowMessage(L"SetXData - Acad::eXdataSizeExceeded ");
  else if (es == Acad::eRegappIdNotFound)
    ShowMessage(L"SetXData - Acad::eRegappIdNotFound ");
  else
    ShowMessageFormat(L"SetXData - Error %d ", static_cast<int>(es));
}

void RegisterOrSay(AcDbDatabase* db, const wchar_t* application) {
  if (RegisterApp(db, application) != Acad::eOk) ShowMessage(L"Error on register App");
}

bool IsKindOfClassNamed(const AcDbObject* object, const wchar_t* name) {
  for (AcRxClass* cls = object->isA(); cls; cls = cls->myParent())
    if (CString(cls->name()) == name) return true;
  return false;
}

// The groups of `application` in a list from xData: from its 1001 group to the next one.
const resbuf* FirstValueOf(const resbuf* list) {
  if (list && list->restype == AcDb::kDxfRegAppName) return list->rbnext;
  return list;
}

bool EndsRecord(const resbuf* rb) { return !rb || rb->restype == AcDb::kDxfRegAppName; }

CString RightTrimmed(const wchar_t* text) {
  CString value(text ? text : L"");
  value.TrimRight();
  return value;
}

// Fills `target` up to the length of `source` with its values.
template <class Array>
void FillUp(Array* target, const Array& source) {
  if (!target) return;
  for (INT_PTR i = target->GetSize(); i < source.GetSize(); ++i) target->Add(source[i]);
}

}  // namespace

Acad::ErrorStatus RegisterApp(AcDbDatabase* db, const wchar_t* name) {
  if (!db || !name || !*name) return Acad::eInvalidInput;
  return GuardedService(L"RegisterApp", Acad::eInvalidInput, [&] {
    AcDbRegAppTable* table = nullptr;
    Acad::ErrorStatus es = db->getRegAppTable(table, AcDb::kForWrite);
    if (es != Acad::eOk) return es;
    if (!table->has(name)) {
      AcDbRegAppTableRecord* record = new AcDbRegAppTableRecord;
      es = record->setName(name);
      if (es == Acad::eOk) es = table->add(record);
      if (es == Acad::eOk)
        record->close();
      else
        delete record;
    }
    table->close();
    return es;
  });
}

int SetXData(AcDbObject* entity, const wchar_t* application, const wchar_t* text, int value) {
  if (!entity || !application) return 0;
  return GuardedService(L"SetXData", 0, [&] {
    AcDbDatabase* db = DatabaseForWrite(entity);
    if (!db) return 0;
    CXDataWriteScope scope(db, entity);
    RegisterOrSay(db, application);
    const bool remove = !text || !*text;
    resbuf* list = nullptr;
    if (remove) {
      list = RemovalList(application);
    } else {
      list = StringGroup(AcDb::kDxfRegAppName, application);
      resbuf* tail = Append(list, StringGroup(AcDb::kDxfXdAsciiString, text));
      Append(tail, Int16Group(value));
    }
    if (EnsureWritable(entity)) {
      const Acad::ErrorStatus es = entity->setXData(list);
      if (es != Acad::eOk) ShowSetXDataFailure(es);
    }
    if (acutRelRb(list) != RTNORM) ShowMessage(L"Chyba pri ads_relrb...");
    return 1;
  });
}

int SetXDataArrays(AcDbObject* entity, const wchar_t* application, const CStringArray* strings,
                   const CUIntArray* integers, const CArray<double, double>* reals) {
  if (!entity || !application) return 0;
  return GuardedService(L"SetXDataArrays", 0, [&] {
    AcDbDatabase* db = DatabaseForWrite(entity);
    if (!db) return 0;
    CXDataWriteScope scope(db, entity);
    RegisterOrSay(db, application);
    resbuf* list = nullptr;
    if (!strings && !integers && !reals) {
      list = RemovalList(application);
    } else {
      list = StringGroup(AcDb::kDxfRegAppName, application);
      resbuf* tail = list;
      for (INT_PTR i = 0; strings && i < strings->GetSize(); ++i)
        tail = Append(tail, StringGroup(AcDb::kDxfXdAsciiString, (*strings)[i]));
      for (INT_PTR i = 0; integers && i < integers->GetSize(); ++i)
        tail = Append(tail, Int16Group(static_cast<int>((*integers)[i])));
      for (INT_PTR i = 0; reals && i < reals->GetSize(); ++i) tail = Append(tail, RealGroup((*reals)[i]));
    }
    // A refused write leaves the old record in place; callers of the arrays form do not report it.
    if (EnsureWritable(entity)) entity->setXData(list);
    acutRelRb(list);
    return 1;
  });
}

int GetXData(const AcDbObject* entity, const wchar_t* application, CStringArray* strings, CUIntArray* integers,
             CArray<double, double>* reals) {
  if (strings) strings->RemoveAll();
  if (integers) integers->RemoveAll();
  if (reals) reals->RemoveAll();
  GuardedServiceVoid(L"GetXData", [&] {
    if (!entity || !application) return;
    resbuf* list = entity->xData(application);
    for (const resbuf* rb = FirstValueOf(list); !EndsRecord(rb); rb = rb->rbnext) {
      if (rb->restype == AcDb::kDxfXdAsciiString && strings)
        strings->Add(RightTrimmed(rb->resval.rstring));
      else if (rb->restype == AcDb::kDxfXdInteger16 && integers)
        integers->Add(static_cast<UINT>(static_cast<int>(rb->resval.rint)));
      else if (rb->restype == AcDb::kDxfXdReal && reals)
        reals->Add(rb->resval.rreal);
    }
    acutRelRb(list);
  });
  if (application && CString(application).CompareNoCase(XDATA_APP_DATA) == 0 && pGlobDimOptions) {
    const ModeOptionSet& chain = pGlobDimOptions->SetOfMode(MODE_DIM);
    FillUp(reals, chain.arrayDouble);
    FillUp(strings, chain.arrayString);
    FillUp(integers, chain.arrayInt);
  }
  return 1;
}

bool Resbuf2Handle(resbuf* list, CString& text, int& value) {
  text.Empty();
  value = 0;
  bool found = false;
  for (const resbuf* rb = FirstValueOf(list); !EndsRecord(rb); rb = rb->rbnext) {
    if (rb->restype == AcDb::kDxfXdInteger16) {
      value = rb->resval.rint;
    } else if (rb->restype == AcDb::kDxfXdAsciiString && !found) {
      const CString candidate = RightTrimmed(rb->resval.rstring);
      if (candidate.GetLength() > 1) {
        text = candidate;
        found = true;
      }
    }
  }
  acutRelRb(list);
  return found;
}

bool GetXDataString(const AcDbObject* entity, const wchar_t* application, CString& text, int& value) {
  text.Empty();
  value = 0;
  if (!entity || !application) return false;
  return GuardedService(L"GetXDataString", false,
                        [&] { return Resbuf2Handle(entity->xData(application), text, value); });
}

int ObjectTypeCode(const AcDbObject* entity) {
  if (!entity) return OBJECT_TYPE_OTHER;
  if (IsKindOfClassNamed(entity, L"AcDbText")) return OBJECT_TYPE_TEXT;
  if (IsKindOfClassNamed(entity, L"AcDbMText")) return OBJECT_TYPE_MTEXT;
  if (IsKindOfClassNamed(entity, L"AcDbDimension")) return OBJECT_TYPE_DIMENSION;
  return OBJECT_TYPE_OTHER;
}

bool IsZenkoraObject(const AcDbObject* entity) {
  if (!entity) return false;
  return GuardedService(L"IsZenkoraObject", false, [&] {
    resbuf* list = entity->xData(XDATA_APP_OBJECT);
    bool formatted = false;
    for (const resbuf* rb = FirstValueOf(list); !EndsRecord(rb); rb = rb->rbnext) {
      if (rb->restype != AcDb::kDxfXdInteger16) continue;
      formatted = rb->resval.rint != 0;
      break;
    }
    acutRelRb(list);
    return formatted;
  });
}

bool IsZenkoraObject(AcDbObjectId id) {
  return GuardedService(L"IsZenkoraObject", false, [&] {
    AcDbObject* object = nullptr;
    if (acdbOpenObject(object, id, AcDb::kForRead) != Acad::eOk) return false;
    const bool formatted = IsZenkoraObject(object);
    object->close();
    return formatted;
  });
}

int SetZenkoraObject(AcDbObject* entity, bool on) {
  if (!on) return SetXData(entity, XDATA_APP_OBJECT, L"", 0);
  return SetXData(entity, XDATA_APP_OBJECT, XDATA_OBJECT_MARKER, ObjectTypeCode(entity));
}
