// Marks over parts of a chain: wide polylines that highlight one segment for the moment (kept in
// one program-wide list until the next call) and the lasting marks of manual texts.
#include "acadobjects/DocLocks.h"
#include "acadobjects/DocumentServices.h"
#include "acadobjects/EntityServices.h"
#include "acadobjects/Messages.h"
#include "acadobjects/XDataRecords.h"
#include "host/db/AcDb2dPolyline.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/mfc/Exceptions.h"
#include "proxy/QBdim.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"

namespace {

const int MARK_TEXT = 1;
const int MARK_EXTENSION = 2;
const int MARK_DIMLINE = 3;
const int MARK_USER_TEXT = 4;

AcDbObjectIdArray& TemporaryMarks() {
  static AcDbObjectIdArray marks;
  return marks;
}

AcDbDatabase* WorkingDatabase() {
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services ? services->workingDatabase() : nullptr;
}

// Undo recording off for the scope (temporary marks leave nothing to undo); the previous state
// comes back at the end.
class UndoOffScope {
 public:
  UndoOffScope(AcDbDatabase* db, bool active) : db_(active ? db : nullptr) {
    if (!db_) return;
    wasRecording_ = db_->undoRecording();
    db_->disableUndoRecording(Adesk::kTrue);
  }
  ~UndoOffScope() {
    if (db_ && wasRecording_) db_->disableUndoRecording(Adesk::kFalse);
  }
  UndoOffScope(const UndoOffScope&) = delete;
  UndoOffScope& operator=(const UndoOffScope&) = delete;

 private:
  AcDbDatabase* db_;
  bool wasRecording_ = false;
};

// Appends the new entity to model space of the working database; its id, or null (the entity
// deleted) when it could not be appended.
AcDbObjectId PosToDb(AcDbEntity* entity) {
  AcDbObjectId id;
  AcDbDatabase* db = WorkingDatabase();
  AcDbBlockTable* table = nullptr;
  Acad::ErrorStatus es = db ? db->getBlockTable(table, AcDb::kForRead) : Acad::eNoDatabase;
  TraceMsgF(L"\nposToDb1 es=%d ", static_cast<int>(es));
  AcDbBlockTableRecord* space = nullptr;
  if (es == Acad::eOk) {
    es = table->getAt(ACDB_MODEL_SPACE, space, AcDb::kForWrite);
    table->close();
  }
  TraceMsgF(L"\nposToDb2 es=%d ", static_cast<int>(es));
  if (es == Acad::eOk) es = space->appendAcDbEntity(id, entity);
  TraceMsgF(L"\nposToDb3 es=%d ", static_cast<int>(es));
  if (es == Acad::eOk) {
    es = entity->close();
  } else {
    delete entity;
    id = AcDbObjectId::kNull;
  }
  TraceMsgF(L"\nposToDb4 es=%d ", static_cast<int>(es));
  if (space) es = space->close();
  TraceMsgF(L"\nposToDb5 es=%d ", static_cast<int>(es));
  return id;
}

void UpdateDisplay() {
  try {
    DwgRefresh();
  } catch (CException* e) {
    e->Delete();
    TraceMsg(L"\n*** ERROR ON UpdateDisplay ");
    ShowMessage(L"Any PROBLEM on UpdateDisplay");
  } catch (...) {
    TraceMsg(L"\n*** ERROR ON UpdateDisplay ");
    ShowMessage(L"Any PROBLEM on UpdateDisplay");
  }
}

CString MarkLayerName() {
  if (!pGlobDimOptions) return CString();
  const CStringArray& strings = pGlobDimOptions->dimSet.arrayString;
  return IND_S_UTextMarkLayer < strings.GetSize() ? strings[IND_S_UTextMarkLayer] : CString();
}

}  // namespace

AcDbObjectId& QBdim::MakeMark(AcDbObjectId& out, int i, int type) {
  out = AcDbObjectId::kNull;
  const int n = GetExtensions();
  AcDbDatabase* db = database() ? database() : WorkingDatabase();
  if (i < 0 || i >= n || !db) return out;
  CDocLockScope lock(db);
  UndoOffScope undoOff(db, type != MARK_USER_TEXT);
  const double w = ScaledSize(0.6);

  AcGePoint3dArray pts;
  bool closed = false;
  if (type == MARK_TEXT || type == MARK_USER_TEXT) {
    double width = 0.0, height = 0.0;
    GetTextBox(i, w, pts, width, height, nullptr, -1);
    closed = true;
  } else if (type == MARK_EXTENSION && n >= 2) {
    pts.append(GetPointInput(i));
    pts.append(GetPointDim(i));
  } else if (type == MARK_DIMLINE && n >= 2) {
    pts.append(GetPointDim(i));
    pts.append(GetPointDim(i == 0 ? 1 : i - 1));
  }

  if (pts.length() >= 2) {
    AcDb2dPolyline* mark = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 0.0, closed, w, w);
    mark->setPropertiesFrom(this);
    if (type == MARK_USER_TEXT) {
      const CString layer = MarkLayerName();
      if (layer.IsEmpty()) {
        mark->setLayer(db->clayer());
      } else {
        SetLayer(db, mark, layer, colorIndex());
      }
      SetXData(mark, XDATA_APP_UT_MARK, XDATA_DIM_MARK, 0);
    }
    out = PosToDb(mark);
  }
  UpdateDisplay();
  return out;
}

int QBdim::ShowSegmentMarks(int i, int on) {
  AcDbObjectIdArray& marks = TemporaryMarks();
  AcDbDatabase* db = database() ? database() : WorkingDatabase();
  CDocLockScope lock(db);
  for (int k = 0; k < marks.length(); ++k) {
    AcDbDatabase* owner = marks[k].database();
    UndoOffScope undoOff(owner, true);
    AcDbEntity* mark = nullptr;
    if (acdbOpenObject(mark, marks[k], AcDb::kForWrite) != Acad::eOk || !mark) continue;
    mark->erase();
    mark->recordGraphicsModified();
    mark->close();
  }
  marks.setLogicalLength(0);
  if (on != 0) {
    const int segment = i < 1 ? 1 : i;
    const int types[4][2] = {{MARK_DIMLINE, segment}, {MARK_EXTENSION, segment},
                             {MARK_EXTENSION, segment - 1}, {MARK_TEXT, segment}};
    for (const auto& part : types) {
      AcDbObjectId id;
      MakeMark(id, part[1], part[0]);
      if (!id.isNull()) marks.append(id);
    }
  }
  UpdateDisplay();
  return marks.length();
}
