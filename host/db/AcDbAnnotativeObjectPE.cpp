// The annotative protocol extension and its extended-data record.
#include "host/db/AcDbAnnotativeObjectPE.h"

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbObject.h"
#include "host/db/AcDbRegAppTable.h"
#include "host/rx/AcRxClass.h"
#include "host/rx/ads.h"
#include "host/win/TextCase.h"

ZHOST_RX_HOST_MEMBERS(AcDbAnnotativeObjectPE, AcRxObject, nullptr)

namespace {

const ACHAR kApp[] = L"AcadAnnotative";

Acad::ErrorStatus RegisterApp(AcDbDatabase* db) {
  if (!db) return Acad::eNoDatabase;
  AcDbRegAppTable* table = nullptr;
  Acad::ErrorStatus es = db->getRegAppTable(table, AcDb::kForRead);
  if (es != Acad::eOk) return es;
  if (table->has(kApp)) {
    table->close();
    return Acad::eOk;
  }
  table->upgradeOpen();
  AcDbRegAppTableRecord* record = new AcDbRegAppTableRecord();
  record->setName(kApp);
  es = table->add(record);
  if (es == Acad::eOk)
    record->close();
  else
    delete record;
  table->close();
  return es;
}

// Attaches the extension to AcDbEntity when the host library loads.
struct Attach {
  Attach() { AcDbEntity::desc()->addX(AcDbAnnotativeObjectPE::desc(), acdbHostAnnotativePE()); }
} attachAtLoad;

}  // namespace

AcDbAnnotativeObjectPE* acdbHostAnnotativePE() {
  static AcDbAnnotativeObjectPE extension;
  return &extension;
}

bool AcDbAnnotativeObjectPE::annotative(AcDbObject* object) const {
  if (!object) return false;
  resbuf* list = object->xData(kApp);
  bool on = false;
  int shorts = 0;
  for (const resbuf* rb = list; rb; rb = rb->rbnext)
    if (rb->restype == 1070 && ++shorts == 2) on = rb->resval.rint != 0;
  acutRelRb(list);
  return on;
}

Acad::ErrorStatus AcDbAnnotativeObjectPE::setAnnotative(AcDbObject* object, bool annotative) {
  if (!object) return Acad::eNullObjectPointer;
  if (!object->isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (object->database()) {
    Acad::ErrorStatus es = RegisterApp(object->database());
    if (es != Acad::eOk) return es;
  }
  resbuf* list = annotative ? acutBuildList(1001, kApp, 1000, L"AnnotativeData", 1002, L"{", 1070, 1, 1070, 1,
                                            1002, L"}", RTNONE)
                            : acutBuildList(1001, kApp, RTNONE);
  if (!list) return Acad::eOutOfMemory;
  Acad::ErrorStatus es = object->setXData(list);
  acutRelRb(list);
  return es;
}
