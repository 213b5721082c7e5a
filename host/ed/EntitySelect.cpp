// acedEntSel and acedNEntSelP.
#include "host/ed/EntitySelect.h"

#include <string>
#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbObjectId.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/ClickFeed.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/HitTest.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/SysVars.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#if __has_include("host/db/AcDbBlockReference.h")
#include "host/db/AcDbBlockReference.h"
#define ZHOST_NESTED_PICKS 1
#endif

namespace zhost {

namespace {

const int kErrPickedNothing = 7;
const int kErrNullInput = 52;

void SetErrno(int value) { SysVars::instance().setInternal(L"ERRNO", SysVarValue::Int(value)); }

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return L"";
  size_t e = s.find_last_not_of(L" \t\r\n");
  return s.substr(b, e - b + 1);
}

AcDbObjectId CurrentSpace() {
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  return db ? db->currentSpaceId() : AcDbObjectId();
}

// A point on an entity picked by handle: the nearest point of a curve to its box centre, else
// the box centre.
AcGePoint3d PointOn(AcDbObjectId id) {
  AcDbEntity* ent = nullptr;
  AcGePoint3d result;
  if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return result;
  AcDbExtents box;
  if (ent->getGeomExtents(box) == Acad::eOk && box.isValid())
    result = box.minPoint() + (box.maxPoint() - box.minPoint()) / 2;
  AcGePoint3d onCurve;
  if (AcDbCurve* curve = AcDbCurve::cast(ent))
    if (curve->getClosestPointTo(result, onCurve) == Acad::eOk) result = onCurve;
  ent->close();
  return result;
}

struct Pick {
  AcDbObjectId entity;
  AcGePoint3d point;                  // world
  AcGePoint3d ucsPoint;               // the same in the UCS, as the user gives and gets it
  AcGeMatrix3d xform;                 // block to world
  std::vector<AcDbObjectId> chain;    // references, innermost first
};

// Follows block references down from a top-level hit.
void Descend(Pick& pick, double aperture) {
#ifdef ZHOST_NESTED_PICKS
  for (int depth = 0; depth < 64; ++depth) {
    AcDbBlockReference* ref = nullptr;
    if (acdbOpenObject(ref, pick.entity, AcDb::kForRead) != Acad::eOk) return;
    AcGeMatrix3d xform = pick.xform * ref->blockTransform();
    AcDbObjectId block = ref->blockTableRecord();
    ref->close();
    AcGePoint3d local = pick.point;
    local.transformBy(xform.inverse());
    double scale = xform.scale();
    std::vector<AcDbObjectId> hits = HitEntities(block, local, scale > 0 ? aperture / scale : aperture);
    if (hits.empty()) return;
    pick.chain.insert(pick.chain.begin(), pick.entity);
    pick.entity = hits.front();
    pick.xform = xform;
  }
#else
  (void)pick;
  (void)aperture;
#endif
}

// RTNORM with the pick, RTKWORD, RTERROR (Enter) or RTCAN.
int AskForPick(const ACHAR* prompt, bool nested, bool usePoint, const ads_point given, Pick& pick) {
  int bits = 0;
  KeywordList keywords;
  TakeInitGet(bits, keywords);
  std::wstring text = prompt ? prompt : L"Select object: ";
  for (;;) {
    std::wstring answer;
    if (usePoint) {
      answer = std::to_wstring(given[0]) + L"," + std::to_wstring(given[1]) + L"," + std::to_wstring(given[2]);
    } else {
      std::wstring line;
      if (CommandProcessor::instance().getInput(text, line) != RTNORM) return RTCAN;
      answer = Trim(line);
    }
    if (answer.empty()) {
      if (bits & RSG_NONULL) continue;
      SetErrno(kErrNullInput);
      return RTERROR;
    }
    std::wstring keyword = keywords.match(answer);
    if (!keyword.empty()) {
      SetLastKeyword(keyword);
      return RTKWORD;
    }
    if (answer[0] == L'#') {
      pick.entity = EntityByHandleText(answer);
      if (!pick.entity.isNull()) {
        pick.point = PointOn(pick.entity);
        pick.ucsPoint = WorldToUcs(pick.point);
        return RTNORM;
      }
    } else {
      ads_point p = {0, 0, 0};
      if (usePoint) {
        for (int i = 0; i < 3; ++i) p[i] = given[i];
      } else if (!ParsePoint(answer, p)) {
        if (bits & RSG_OTHER) {
          SetLastKeyword(answer);
          return RTKWORD;
        }
        PrintLine(L"*Invalid selection*");
        PrintLine(L"Expects a point or #handle");
        continue;
      }
      if (!usePoint) SetLastPoint(p);
      pick.ucsPoint.set(p[0], p[1], p[2]);
      pick.point = UcsToWorld(pick.ucsPoint);
      // A click that a message filter takes leaves the prompt waiting.
      if (!usePoint && FeedLeftClick(pick.point)) continue;
      double aperture = PickAperture();
      std::vector<AcDbObjectId> hits = HitEntities(CurrentSpace(), pick.point, aperture);
      if (!hits.empty()) {
        pick.entity = hits.front();
        if (nested) Descend(pick, aperture);
        return RTNORM;
      }
    }
    SetErrno(kErrPickedNothing);
    PrintLine(L"Nothing found there: *Invalid selection*");
    // A given point cannot change: the caller decides what to do.
    if (usePoint) return RTERROR;
  }
}

void CopyPoint(ads_point to, const AcGePoint3d& from) {
  to[0] = from.x;
  to[1] = from.y;
  to[2] = from.z;
}

}  // namespace

}  // namespace zhost

int acedEntSel(const ACHAR* str, ads_name entres, ads_point ptres) {
  using namespace zhost;
  if (!entres) return RTERROR;
  Pick pick;
  int status = AskForPick(str, false, false, nullptr, pick);
  if (status != RTNORM) return status;
  if (zhost::AdsNameOf(pick.entity, entres) != Acad::eOk) return RTERROR;
  if (ptres) CopyPoint(ptres, pick.ucsPoint);
  return RTNORM;
}

int acedNEntSelP(const ACHAR* str, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 resbuf** refstkres) {
  using namespace zhost;
  if (refstkres) *refstkres = nullptr;
  if (!entres || (pickflag && !ptres)) return RTERROR;
  Pick pick;
  int status = AskForPick(str, true, pickflag != 0, ptres, pick);
  if (status != RTNORM) return status;
  if (zhost::AdsNameOf(pick.entity, entres) != Acad::eOk) return RTERROR;
  if (ptres) CopyPoint(ptres, pick.ucsPoint);
  if (xformres)
    for (unsigned i = 0; i < 4; ++i)
      for (unsigned j = 0; j < 4; ++j) xformres[i][j] = pick.xform(i, j);
  if (refstkres) {
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (AcDbObjectId ref : pick.chain) {
      resbuf* rb = acutNewRb(RTENAME);
      zhost::AdsNameOf(ref, rb->resval.rlname);
      *tail = rb;
      tail = &rb->rbnext;
    }
    *refstkres = head;
  }
  return RTNORM;
}
