// ERASE, MOVE, COPY, ROTATE, MIRROR and EXPLODE over a selection of objects.
#include "host/ed/EditCommands.h"

#include <functional>
#include <string>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/DrawCommands.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlane.h"
#include "host/win/WideFormat.h"

namespace zhost {

std::vector<AcDbObjectId> SelectObjects() {
  std::vector<AcDbObjectId> ids;
  ads_name ss;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM) return ids;
  Adesk::Int32 count = 0;
  acedSSLength(ss, &count);
  for (Adesk::Int32 i = 0; i < count; ++i) {
    ads_name name;
    AcDbObjectId id;
    if (acedSSName(ss, i, name) == RTNORM && acdbGetObjectId(id, name) == Acad::eOk) ids.push_back(id);
  }
  acedSSFree(ss);
  return ids;
}

bool OnLockedLayer(const AcDbEntity* entity) {
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, entity->layerId(), AcDb::kForRead) != Acad::eOk) return false;
  bool locked = layer->isLocked();
  layer->close();
  return locked;
}

void SayLocked(int count) {
  if (count == 1) PrintLine(L"1 object is on a locked layer and was not changed.");
  if (count > 1) PrintLine(FormatWide(L"%d objects are on a locked layer and were not changed.", count));
}

namespace {

const double kPi = 3.14159265358979323846;

// Opens each selected entity for write and hands it to edit; the entity is closed afterwards.
// Returns how many were changed.
int EditEach(const std::vector<AcDbObjectId>& ids, const std::function<bool(AcDbEntity*)>& edit) {
  int changed = 0, locked = 0, failed = 0;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* entity = nullptr;
    Acad::ErrorStatus es = acdbOpenAcDbEntity(entity, id, AcDb::kForWrite);
    if (es == Acad::eOnLockedLayer) {
      ++locked;
      continue;
    }
    if (es != Acad::eOk) {
      ++failed;
      continue;
    }
    if (edit(entity)) ++changed;
    else ++failed;
    entity->close();
  }
  SayLocked(locked);
  if (failed == 1) PrintLine(L"1 object could not be changed.");
  if (failed > 1) PrintLine(FormatWide(L"%d objects could not be changed.", failed));
  return changed;
}

// Copies of the selected entities transformed by xform, put where each source is. Sources on a
// locked layer are skipped (and, when eraseSources, left in place).
void CopyEach(const std::vector<AcDbObjectId>& ids, const AcGeMatrix3d& xform, bool eraseSources) {
  int locked = 0, failed = 0;
  std::vector<AcDbObjectId> copied;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* source = nullptr;
    if (acdbOpenAcDbEntity(source, id, AcDb::kForRead) != Acad::eOk) {
      ++failed;
      continue;
    }
    if (OnLockedLayer(source)) {
      source->close();
      ++locked;
      continue;
    }
    AcDbEntity* copy = nullptr;
    Acad::ErrorStatus es = source->getTransformedCopy(xform, copy);
    AcDbObjectId owner = source->ownerId();
    source->close();
    if (es != Acad::eOk || !copy) {
      delete copy;
      ++failed;
      continue;
    }
    if (AppendEntityTo(owner, copy) != Acad::eOk) {
      ++failed;
      continue;
    }
    copied.push_back(id);
  }
  SayLocked(locked);
  if (failed == 1) PrintLine(L"1 object could not be copied.");
  if (failed > 1) PrintLine(FormatWide(L"%d objects could not be copied.", failed));
  if (eraseSources) EditEach(copied, [](AcDbEntity* e) { return e->erase() == Acad::eOk; });
}

int AskPoint(const AcGePoint3d* base, const wchar_t* prompt, AcGePoint3d& point, const wchar_t* keywords = nullptr) {
  acedInitGet(0, keywords);
  ads_point b, result = {0, 0, 0};
  // The user answers in the UCS; the commands work in the world.
  if (base) ToAdsPoint(WorldToUcs(*base), b);
  int rc = acedGetPoint(base ? b : nullptr, prompt, result);
  if (rc == RTNORM) point = UcsToWorld(ToPoint(result));
  return rc;
}

void EraseCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  EditEach(ids, [](AcDbEntity* e) { return e->erase() == Acad::eOk; });
}

// The displacement of MOVE and COPY: base point and second point, or a displacement typed as a
// point ("Displacement", or Enter at the second point: the base point is the displacement).
bool AskDisplacement(AcGeVector3d& offset, AcGePoint3d* basePoint = nullptr) {
  AcGePoint3d base;
  int rc = AskPoint(nullptr, L"Specify base point or [Displacement] <Displacement>: ", base, L"Displacement");
  if (rc == RTKWORD || rc == RTNONE) {
    AcGePoint3d d;
    if (AskPoint(nullptr, L"Specify displacement <0,0,0>: ", d) != RTNORM) return false;
    offset = d.asVector();
    if (basePoint) *basePoint = AcGePoint3d::kOrigin;
    return true;
  }
  if (rc != RTNORM) return false;
  if (basePoint) *basePoint = base;
  AcGePoint3d second;
  rc = AskPoint(&base, L"Specify second point or <use first point as displacement>: ", second);
  if (rc == RTNONE) {
    offset = base.asVector();
    return true;
  }
  if (rc != RTNORM) return false;
  offset = second - base;
  return true;
}

void MoveCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  AcGeVector3d offset;
  if (!AskDisplacement(offset)) return;
  AcGeMatrix3d xform = AcGeMatrix3d::translation(offset);
  EditEach(ids, [&](AcDbEntity* e) { return e->transformBy(xform) == Acad::eOk; });
}

// COPY: one copy per second point until Enter.
void CopyCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  AcGePoint3d base;
  int rc = AskPoint(nullptr, L"Specify base point or [Displacement] <Displacement>: ", base, L"Displacement");
  if (rc == RTKWORD || rc == RTNONE) {
    AcGePoint3d d;
    if (AskPoint(nullptr, L"Specify displacement <0,0,0>: ", d) != RTNORM) return;
    CopyEach(ids, AcGeMatrix3d::translation(d.asVector()), false);
    return;
  }
  if (rc != RTNORM) return;
  bool first = true;
  for (;;) {
    AcGePoint3d second;
    rc = AskPoint(&base, first ? L"Specify second point or <use first point as displacement>: "
                               : L"Specify second point or [Exit] <Exit>: ",
                  second, first ? nullptr : L"Exit");
    if (rc == RTNONE && first) {
      CopyEach(ids, AcGeMatrix3d::translation(base.asVector()), false);
      return;
    }
    if (rc != RTNORM) return;
    CopyEach(ids, AcGeMatrix3d::translation(second - base), false);
    first = false;
  }
}

// ROTATE: base point and angle (degrees as typed, or towards a picked point).
void RotateCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  AcGePoint3d base;
  if (AskPoint(nullptr, L"Specify base point: ", base) != RTNORM) return;
  acedInitGet(0, nullptr);
  ads_point b;
  ToAdsPoint(base, b);
  ads_real angle = 0;
  int rc = acedGetAngle(b, L"Specify rotation angle <0>: ", &angle);
  if (rc == RTNONE) angle = 0;
  else if (rc != RTNORM) return;
  AcGeMatrix3d xform = AcGeMatrix3d::rotation(angle, AcGeVector3d::kZAxis, base);
  EditEach(ids, [&](AcDbEntity* e) { return e->transformBy(xform) == Acad::eOk; });
}

// MIRROR: the mirror line's two points; the copies are reflected in the vertical plane through
// that line, so flat objects stay in their plane.
void MirrorCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  AcGePoint3d p1, p2;
  if (AskPoint(nullptr, L"Specify first point of mirror line: ", p1) != RTNORM) return;
  for (;;) {
    if (AskPoint(&p1, L"Specify second point of mirror line: ", p2) != RTNORM) return;
    if (!p1.isEqualTo(p2)) break;
    PrintLine(L"The mirror line needs two different points.");
  }
  acedInitGet(0, L"Yes No");
  ACHAR answer[64] = {0};
  int rc = acedGetKword(L"Erase source objects? [Yes/No] <No>: ", answer);
  if (rc == RTCAN) return;
  bool erase = rc == RTNORM && std::wstring(answer) == L"Yes";
  AcGeVector3d normal = (p2 - p1).crossProduct(AcGeVector3d::kZAxis).normal();
  CopyEach(ids, AcGeMatrix3d::mirroring(AcGePlane(p1, normal)), erase);
}

// EXPLODE: each entity is replaced by its parts (on its owner, with the parts' own properties).
void ExplodeCommand() {
  std::vector<AcDbObjectId> ids = SelectObjects();
  if (ids.empty()) return;
  int notExploded = 0;
  EditEach(ids, [&](AcDbEntity* e) {
    AcDbVoidPtrArray parts;
    if (e->explode(parts) != Acad::eOk || parts.isEmpty()) {
      for (int i = 0; i < parts.length(); ++i) delete static_cast<AcDbEntity*>(parts[i]);
      ++notExploded;
      return true;
    }
    AcDbObjectId owner = e->ownerId();
    bool ok = true;
    for (int i = 0; i < parts.length(); ++i) {
      AcDbEntity* part = static_cast<AcDbEntity*>(parts[i]);
      if (!ok) {
        delete part;
        continue;
      }
      ok = AppendEntityTo(owner, part) == Acad::eOk;
    }
    return ok && e->erase() == Acad::eOk;
  });
  if (notExploded == 1) PrintLine(L"1 object could not be exploded.");
  if (notExploded > 1) PrintLine(FormatWide(L"%d objects could not be exploded.", notExploded));
}

}  // namespace

void RegisterEditCommands() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"ERASE", EraseCommand);
  processor.addBuiltin(L"MOVE", MoveCommand);
  processor.addBuiltin(L"COPY", CopyCommand);
  processor.addBuiltin(L"ROTATE", RotateCommand);
  processor.addBuiltin(L"MIRROR", MirrorCommand);
  processor.addBuiltin(L"EXPLODE", ExplodeCommand);
}

}  // namespace zhost
