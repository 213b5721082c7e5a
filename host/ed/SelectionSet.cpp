// Selection sets, the pickfirst set, entity names and acedSSGet.
#include "host/ed/SelectionSet.h"

#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <unordered_set>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/HitTest.h"
#include "host/ed/SysVars.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UpperCase.h"
#include "host/ed/UserInput.h"
#include "host/rx/AcRxClass.h"

namespace zhost {

namespace {

const int kErrPickedNothing = 7;
const int kErrNullInput = 52;

// Where and on which sub-entity a pick found an entity (acedSSNameX reports it).
struct PickRecord {
  Adesk::GsMarker marker = 0;
  AcGePoint3d point;
};

struct SetStore {
  std::map<int64_t, std::vector<AcDbObjectId>> sets;
  std::map<int64_t, std::map<AcDbObjectId, PickRecord>> picks;
  std::map<AcDbObjectId, PickRecord> pendingPicks;  // of the acedSSGet running
  int64_t next = 1;
  std::vector<AcDbObjectId> pickfirst;
  bool pickfirstUsed = false;
  std::vector<AcDbObjectId> previous;
};

SetStore& Store() {
  static SetStore store;
  return store;
}

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

std::vector<AcDbObjectId>* Find(const ads_name ss) {
  if (!ss) return nullptr;
  auto it = Store().sets.find(ss[0]);
  return it == Store().sets.end() ? nullptr : &it->second;
}

AcDbObjectId IdOf(const ads_name name) {
  AcDbObjectId id;
  if (!name || acdbGetObjectId(id, name) != Acad::eOk) return AcDbObjectId();
  return id;
}

void AddUnique(std::vector<AcDbObjectId>& to, AcDbObjectId id) {
  if (!id.isNull() && std::find(to.begin(), to.end(), id) == to.end()) to.push_back(id);
}

// Runs fn on each entity of the current space in draw order (open for read).
template <class Fn>
void ForEachEntity(Fn fn) {
  for (AcDbObjectId id : DrawOrder(CurrentSpace())) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) continue;
    fn(id, ent);
    ent->close();
  }
}

bool Passes(AcDbObjectId id, const EntityFilter& filter) {
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return false;
  bool ok = filter.passes(ent);
  ent->close();
  return ok;
}

std::vector<AcDbObjectId> Filtered(const std::vector<AcDbObjectId>& ids, const EntityFilter& filter) {
  std::vector<AcDbObjectId> out;
  std::unordered_set<AcDbObjectId> seen;  // keeps the selection linear in the drawing's size
  for (AcDbObjectId id : ids)
    if (!id.isNull() && !id.isErased() && Passes(id, filter) && seen.insert(id).second) out.push_back(id);
  return out;
}

std::vector<AcDbObjectId> ByWindow(const AcGePoint3d& a, const AcGePoint3d& b, bool crossing) {
  std::vector<AcDbObjectId> ids;
  ForEachEntity([&](AcDbObjectId id, AcDbEntity* ent) {
    if (IsPickable(ent) && InWindow(ent, a, b, crossing)) ids.push_back(id);
  });
  return ids;
}

std::vector<AcDbObjectId> AllEntities(bool pickableOnly) {
  std::vector<AcDbObjectId> ids;
  ForEachEntity([&](AcDbObjectId id, AcDbEntity* ent) {
    if (!pickableOnly || IsPickable(ent)) ids.push_back(id);
  });
  return ids;
}

AcDbObjectId LastEntity() {
  std::vector<AcDbObjectId> ids = AllEntities(false);
  return ids.empty() ? AcDbObjectId() : ids.back();
}

std::vector<AcGePoint3d> PointList(const resbuf* rb) {
  std::vector<AcGePoint3d> pts;
  for (; rb; rb = rb->rbnext)
    if (rb->restype == RTPOINT || rb->restype == RT3DPOINT)
      // The points are given in the UCS.
      pts.push_back(UcsToWorld(AcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1],
                                           rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0)));
  return pts;
}

bool Crosses(const AcDbEntity* ent, const std::vector<AcGePoint3d>& path) {
  for (size_t i = 0; i + 1 < path.size(); ++i) {
    AcGePoint3d a(path[i].x, path[i].y, 0), b(path[i + 1].x, path[i + 1].y, 0);
    if (a.isEqualTo(b)) continue;
    AcDbLine segment(a, b);
    AcGePoint3dArray pts;
    if (ent->intersectWith(&segment, AcDb::kOnBothOperands, pts) == Acad::eOk && pts.length() > 0) return true;
  }
  return false;
}

bool InPolygon(const AcGePoint3d& p, const std::vector<AcGePoint3d>& poly) {
  bool inside = false;
  for (size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    if ((poly[i].y > p.y) != (poly[j].y > p.y) &&
        p.x < (poly[j].x - poly[i].x) * (p.y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
      inside = !inside;
  }
  return inside;
}

bool BoxInPolygon(const AcDbEntity* ent, const std::vector<AcGePoint3d>& poly, bool any) {
  AcDbExtents box;
  if (ent->getGeomExtents(box) != Acad::eOk || !box.isValid()) return false;
  const AcGePoint3d& a = box.minPoint();
  const AcGePoint3d& b = box.maxPoint();
  AcGePoint3d corners[4] = {{a.x, a.y, 0}, {b.x, a.y, 0}, {b.x, b.y, 0}, {a.x, b.y, 0}};
  int inside = 0;
  for (const AcGePoint3d& c : corners) inside += InPolygon(c, poly) ? 1 : 0;
  return any ? inside > 0 : inside == 4;
}

std::vector<AcDbObjectId> ByPath(const std::vector<AcGePoint3d>& pts, const std::wstring& mode) {
  std::vector<AcDbObjectId> ids;
  if (pts.size() < 2) return ids;
  std::vector<AcGePoint3d> closed = pts;
  closed.push_back(pts.front());
  ForEachEntity([&](AcDbObjectId id, AcDbEntity* ent) {
    if (!IsPickable(ent)) return;
    bool hit = false;
    if (mode == L"F") hit = Crosses(ent, pts);
    else if (mode == L"WP") hit = pts.size() >= 3 && BoxInPolygon(ent, pts, false);
    else hit = pts.size() >= 3 && (BoxInPolygon(ent, pts, true) || Crosses(ent, closed));
    if (hit) ids.push_back(id);
  });
  return ids;
}

void SayFound(size_t found, size_t total) {
  std::wstring text = std::to_wstring(found) + L" found";
  if (total != found) text += L", " + std::to_wstring(total) + L" total";
  PrintLine(text);
}

// Parses "x1,y1 x2,y2" after W or C.
bool TwoPoints(const std::wstring& rest, AcGePoint3d& a, AcGePoint3d& b) {
  std::wstring t = Trim(rest);
  size_t blank = t.find_first_of(L" \t");
  if (blank == std::wstring::npos) return false;
  ads_point p = {0, 0, 0}, q = {0, 0, 0};
  if (!ParsePoint(t.substr(0, blank), p) || !ParsePoint(Trim(t.substr(blank)), q)) return false;
  a.set(p[0], p[1], p[2]);
  b.set(q[0], q[1], q[2]);
  return true;
}

void NotePick(const PickHit& hit, const AcGePoint3d& at) {
  PickRecord& pick = Store().pendingPicks[hit.id];
  pick.marker = hit.marker;
  pick.point = at;
}

// The picks of one interactive answer; false for an answer that is not understood.
bool PicksOf(const std::wstring& answer, bool everything, std::vector<AcDbObjectId>& picked) {
  std::wstring upper = UpperCase(answer);
  if (!upper.empty() && upper[0] == L'_') upper.erase(0, 1);
  if (upper == L"ALL") {
    picked = AllEntities(true);
    return true;
  }
  if (upper == L"L" || upper == L"LAST") {
    AcDbObjectId last = LastEntity();
    if (!last.isNull()) picked.push_back(last);
    return true;
  }
  if (upper.size() > 1 && (upper[0] == L'W' || upper[0] == L'C') && (upper[1] == L' ' || upper[1] == L'\t')) {
    AcGePoint3d a, b;
    if (!TwoPoints(answer.substr(2), a, b)) return false;
    picked = ByWindow(a, b, upper[0] == L'C');
    return true;
  }
  if (answer[0] == L'#') {
    AcDbObjectId id = EntityByHandleText(answer);
    if (!id.isNull()) picked.push_back(id);
    return true;
  }
  ads_point p = {0, 0, 0};
  if (!ParsePoint(answer, p)) return false;
  SetLastPoint(p);
  AcGePoint3d at(p[0], p[1], p[2]);
  std::vector<PickHit> hits = HitEntitiesWithMarkers(CurrentSpace(), at, PickAperture());
  if (!everything && hits.size() > 1) hits.resize(1);
  for (const PickHit& hit : hits) {
    picked.push_back(hit.id);
    NotePick(hit, at);
  }
  return true;
}

int Interactive(bool single, bool everything, const EntityFilter& filter, std::vector<AcDbObjectId>& out) {
  for (;;) {
    std::wstring line;
    if (CommandProcessor::instance().getInput(L"Select objects: ", line) != RTNORM) return RTCAN;
    std::wstring answer = Trim(line);
    if (answer.empty()) return RTNORM;
    std::vector<AcDbObjectId> picked;
    if (!PicksOf(answer, everything, picked)) {
      PrintLine(L"*Invalid selection*");
      PrintLine(L"Expects a point or Window/Crossing/Last/ALL/#handle");
      continue;
    }
    picked = Filtered(picked, filter);
    size_t before = out.size();
    for (AcDbObjectId id : picked) AddUnique(out, id);
    if (picked.empty()) {
      SetErrno(kErrPickedNothing);
      PrintLine(L"0 found");
      continue;
    }
    SayFound(picked.size(), out.size());
    if (single && out.size() > before) return RTNORM;
  }
}

int Finish(const std::vector<AcDbObjectId>& ids, ads_name ss) {
  if (ids.empty()) {
    SetErrno(kErrNullInput);
    return RTERROR;
  }
  SetStore& store = Store();
  store.previous = ids;
  int status = NewSelectionSet(ids, ss);
  if (status == RTNORM) {
    std::map<AcDbObjectId, PickRecord>& picks = store.picks[ss[0]];
    for (AcDbObjectId id : ids) {
      auto it = store.pendingPicks.find(id);
      if (it != store.pendingPicks.end()) picks[id] = it->second;
    }
  }
  store.pendingPicks.clear();
  return status;
}

const AcGePoint3d PointOf(const void* pt) {
  const ads_real* p = static_cast<const ads_real*>(pt);
  return AcGePoint3d(p[0], p[1], p[2]);
}

// Wildcards: one pattern (no commas) against text from the given positions.
bool MatchOne(const std::wstring& p, size_t pi, const std::wstring& t, size_t ti) {
  while (pi < p.size()) {
    wchar_t c = p[pi];
    if (c == L'*') {
      for (size_t k = ti; k <= t.size(); ++k)
        if (MatchOne(p, pi + 1, t, k)) return true;
      return false;
    }
    if (ti >= t.size()) return false;
    wchar_t x = t[ti];
    if (c == L'`' && pi + 1 < p.size()) {
      if (p[pi + 1] != x) return false;
      pi += 2;
    } else if (c == L'?') {
      ++pi;
    } else if (c == L'#') {
      if (!(x >= L'0' && x <= L'9')) return false;
      ++pi;
    } else if (c == L'@') {
      if (!std::iswalpha(x)) return false;
      ++pi;
    } else if (c == L'.') {
      if (std::iswalnum(x)) return false;
      ++pi;
    } else if (c == L'[') {
      size_t close = p.find(L']', pi + 1);
      if (close == std::wstring::npos) return false;
      std::wstring set = p.substr(pi + 1, close - pi - 1);
      bool negate = !set.empty() && set[0] == L'~';
      if (negate) set.erase(0, 1);
      bool in = false;
      for (size_t k = 0; k < set.size(); ++k) {
        if (k + 2 < set.size() && set[k + 1] == L'-') {
          if (x >= set[k] && x <= set[k + 2]) in = true;
          k += 2;
        } else if (set[k] == x) {
          in = true;
        }
      }
      if (in == negate) return false;
      pi = close + 1;
    } else {
      if (c != x) return false;
      ++pi;
    }
    ++ti;
  }
  return ti == t.size();
}

}  // namespace

bool WildcardMatch(const std::wstring& pattern, const std::wstring& text) {
  std::wstring p = UpperCase(pattern), t = UpperCase(text);
  std::vector<std::wstring> alternatives(1);
  for (size_t i = 0; i < p.size(); ++i) {
    if (p[i] == L'`' && i + 1 < p.size()) {
      alternatives.back() += p.substr(i, 2);
      ++i;
    } else if (p[i] == L',') {
      alternatives.emplace_back();
    } else {
      alternatives.back() += p[i];
    }
  }
  for (const std::wstring& alt : alternatives) {
    bool negate = !alt.empty() && alt[0] == L'~';
    std::wstring body = negate ? alt.substr(1) : alt;
    if (MatchOne(body, 0, t, 0) != negate) return true;
  }
  return false;
}

std::wstring DxfNameOf(const AcDbEntity* ent) {
  if (!ent) return L"";
  for (AcRxClass* cls = ent->isA(); cls; cls = cls->myParent()) {
    std::wstring dxf = cls->dxfName();
    if (!dxf.empty()) return UpperCase(dxf);
    // Host classes whose DXF name is not their class name.
    static const std::map<std::wstring, std::wstring> known = {
        {L"AcDbPolyline", L"LWPOLYLINE"}, {L"AcDb2dPolyline", L"POLYLINE"}, {L"AcDbBlockReference", L"INSERT"},
        {L"AcDbDimension", L"DIMENSION"},  {L"AcDbMText", L"MTEXT"},         {L"AcDbProxyEntity", L"ACAD_PROXY_ENTITY"},
        {L"AcDb2dVertex", L"VERTEX"},      {L"AcDbXline", L"XLINE"},         {L"AcDbLine", L"LINE"},
        {L"AcDbArc", L"ARC"},              {L"AcDbCircle", L"CIRCLE"},       {L"AcDbPoint", L"POINT"},
        {L"AcDbSolid", L"SOLID"},          {L"AcDbText", L"TEXT"}};
    auto it = known.find(cls->name());
    if (it != known.end()) return it->second;
  }
  return L"";
}

EntityFilter::EntityFilter(const resbuf* filter) {
  root_.kind = Node::kAnd;
  std::vector<Node*> stack = {&root_};
  for (const resbuf* rb = filter; rb; rb = rb->rbnext) {
    Node* top = stack.back();
    if (rb->restype == -4) {
      std::wstring op = UpperCase(rb->resval.rstring ? rb->resval.rstring : L"");
      if (op == L"<OR" || op == L"<AND" || op == L"<NOT") {
        Node group;
        group.kind = op == L"<OR" ? Node::kOr : op == L"<AND" ? Node::kAnd : Node::kNot;
        top->children.push_back(group);
        stack.push_back(&top->children.back());
        continue;
      }
      Node::Kind closing = op == L"OR>" ? Node::kOr : op == L"AND>" ? Node::kAnd : Node::kNot;
      if (stack.size() < 2 || top->kind != closing || (op != L"OR>" && op != L"AND>" && op != L"NOT>")) {
        valid_ = false;
        return;
      }
      stack.pop_back();
      continue;
    }
    Node leaf;
    leaf.code = rb->restype;
    if (rb->restype == 0 || rb->restype == 8) leaf.text = rb->resval.rstring ? rb->resval.rstring : L"";
    else if (rb->restype == 62) leaf.value = rb->resval.rint;
    top->children.push_back(leaf);
  }
  if (stack.size() != 1) valid_ = false;
}

bool EntityFilter::eval(const Node& node, const AcDbEntity* ent) const {
  switch (node.kind) {
    case Node::kAnd:
      return std::all_of(node.children.begin(), node.children.end(), [&](const Node& n) { return eval(n, ent); });
    case Node::kOr:
      return std::any_of(node.children.begin(), node.children.end(), [&](const Node& n) { return eval(n, ent); });
    case Node::kNot:
      return !std::all_of(node.children.begin(), node.children.end(), [&](const Node& n) { return eval(n, ent); });
    case Node::kLeaf:
      break;
  }
  if (node.code == 0) return WildcardMatch(node.text, DxfNameOf(ent));
  if (node.code == 8) return WildcardMatch(node.text, ent->layer());
  if (node.code == 62) return ent->colorIndex() == node.value;
  return false;  // a group this host cannot compare selects nothing rather than everything
}

bool EntityFilter::passes(const AcDbEntity* ent) const { return valid_ && ent && eval(root_, ent); }

Acad::ErrorStatus AdsNameOf(AcDbObjectId id, int64_t* name) {
  if (!name) return Acad::eInvalidInput;
  ads_name local = {0, 0};
  Acad::ErrorStatus es = acdbGetAdsName(local, id);
  name[0] = local[0];
  name[1] = local[1];
  return es;
}

int NewSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss) {
  if (!ss) return RTERROR;
  SetStore& store = Store();
  int64_t key = store.next++;
  store.sets[key] = ids;
  ss[0] = key;
  ss[1] = 0;
  return RTNORM;
}

const std::vector<AcDbObjectId>* SelectionSetIds(const ads_name ss) { return Find(ss); }

int LiveSelectionSets() { return static_cast<int>(Store().sets.size()); }

void ClearUsedPickfirst() {
  SetStore& store = Store();
  if (!store.pickfirstUsed) return;
  store.pickfirst.clear();
  store.pickfirstUsed = false;
}

AcDbObjectId EntityByHandleText(const std::wstring& text) {
  std::wstring t = Trim(text);
  if (!t.empty() && t[0] == L'#') t.erase(0, 1);
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  AcDbHandle handle;
  AcDbObjectId id;
  if (!db || t.empty() || !AcDbHandle::parse(t.c_str(), handle)) return AcDbObjectId();
  if (db->getAcDbObjectId(id, false, handle) != Acad::eOk || id.isErased()) return AcDbObjectId();
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return AcDbObjectId();
  ent->close();
  return id;
}

}  // namespace zhost

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss) {
  using namespace zhost;
  if (!ss) return RTERROR;
  EntityFilter rules(filter);
  if (!rules.valid()) return RTERROR;
  Store().pendingPicks.clear();
  std::wstring mode = UpperCase(str ? str : L"");
  while (!mode.empty() && mode[0] == L'_') mode.erase(0, 1);
  bool single = mode.find(L":S") != std::wstring::npos;
  bool everything = mode.find(L":E") != std::wstring::npos;
  std::wstring base = mode.substr(0, mode.find(L':'));
  std::vector<AcDbObjectId> ids;
  if (base == L"X") {
    ids = Filtered(AllEntities(false), rules);
  } else if (base == L"I") {
    SetStore& store = Store();
    ids = Filtered(store.pickfirst, rules);
    store.pickfirstUsed = true;
  } else if (base == L"L") {
    ids = Filtered({LastEntity()}, rules);
  } else if (base == L"P") {
    ids = Filtered(Store().previous, rules);
  } else if ((base == L"W" || base == L"C") && pt1 && pt2) {
    ids = Filtered(ByWindow(PointOf(pt1), PointOf(pt2), base == L"C"), rules);
  } else if ((base == L"F" || base == L"WP" || base == L"CP") && pt1) {
    ids = Filtered(ByPath(PointList(static_cast<const resbuf*>(pt1)), base), rules);
  } else if (pt1 && (base.empty() || everything)) {
    std::vector<PickHit> hits = HitEntitiesWithMarkers(CurrentSpace(), PointOf(pt1), PickAperture());
    if (!everything && hits.size() > 1) hits.resize(1);
    std::vector<AcDbObjectId> hitIds;
    for (const PickHit& hit : hits) {
      hitIds.push_back(hit.id);
      NotePick(hit, PointOf(pt1));
    }
    ids = Filtered(hitIds, rules);
  } else if (base.empty() || mode.find(L':') != std::wstring::npos) {
    // Unknown letters before ":" flags (picking options of a screen) still pick interactively.
    int status = Interactive(single, everything, rules, ids);
    if (status != RTNORM) return status;
  } else {
    return RTERROR;
  }
  return Finish(ids, ss);
}

int acedSSFree(const ads_name sname) {
  if (!sname) return RTERROR;
  zhost::Store().picks.erase(sname[0]);
  return zhost::Store().sets.erase(sname[0]) ? RTNORM : RTERROR;
}

int acedSSLength(const ads_name sname, Adesk::Int32* len) {
  const std::vector<AcDbObjectId>* ids = zhost::Find(sname);
  if (!ids || !len) return RTERROR;
  *len = static_cast<Adesk::Int32>(ids->size());
  return RTNORM;
}

int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres) {
  const std::vector<AcDbObjectId>* ids = zhost::Find(ss);
  if (!ids || !entres || i < 0 || static_cast<size_t>(i) >= ids->size()) return RTERROR;
  return zhost::AdsNameOf((*ids)[static_cast<size_t>(i)], entres) == Acad::eOk ? RTNORM : RTERROR;
}

int acedSSNameX(resbuf** rbpp, const ads_name ss, const Adesk::Int32 i) {
  using namespace zhost;
  if (!rbpp) return RTERROR;
  *rbpp = nullptr;
  const std::vector<AcDbObjectId>* ids = Find(ss);
  if (!ids || i < 0 || static_cast<size_t>(i) >= ids->size()) return RTERROR;
  AcDbObjectId id = (*ids)[static_cast<size_t>(i)];
  const PickRecord* pick = nullptr;
  auto set = Store().picks.find(ss[0]);
  if (set != Store().picks.end()) {
    auto it = set->second.find(id);
    if (it != set->second.end()) pick = &it->second;
  }
  resbuf* head = acutNewRb(RTSHORT);
  head->resval.rint = static_cast<short>(pick ? 1 : 0);
  resbuf* name = acutNewRb(RTENAME);
  head->rbnext = name;
  AdsNameOf(id, name->resval.rlname);
  resbuf* marker = acutNewRb(RTLONG);
  name->rbnext = marker;
  marker->resval.rlong = pick ? static_cast<int32_t>(pick->marker) : 0;
  if (pick) {
    resbuf* open = acutNewRb(RTLB);
    resbuf* kind = acutNewRb(RTSHORT);
    resbuf* point = acutNewRb(RT3DPOINT);
    resbuf* close = acutNewRb(RTLE);
    kind->resval.rint = 0;
    point->resval.rpoint[0] = pick->point.x;
    point->resval.rpoint[1] = pick->point.y;
    point->resval.rpoint[2] = pick->point.z;
    marker->rbnext = open;
    open->rbnext = kind;
    kind->rbnext = point;
    point->rbnext = close;
  }
  *rbpp = head;
  return RTNORM;
}

int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result) {
  using namespace zhost;
  if (!result) return RTERROR;
  AcDbObjectId id;
  if (ename) {
    id = IdOf(ename);
    if (id.isNull() || !id.isValid()) return RTERROR;
  }
  if (!sname) {
    std::vector<AcDbObjectId> ids;
    if (ename) ids.push_back(id);
    return NewSelectionSet(ids, result);
  }
  std::vector<AcDbObjectId>* ids = Find(sname);
  if (!ids) return RTERROR;
  if (ename) AddUnique(*ids, id);
  result[0] = sname[0];
  result[1] = sname[1];
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  using namespace zhost;
  std::vector<AcDbObjectId>* ids = Find(ss);
  AcDbObjectId id = IdOf(ename);
  if (!ids || id.isNull()) return RTERROR;
  auto it = std::find(ids->begin(), ids->end(), id);
  if (it == ids->end()) return RTERROR;
  ids->erase(it);
  return RTNORM;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  using namespace zhost;
  std::vector<AcDbObjectId>* ids = Find(ss);
  AcDbObjectId id = IdOf(ename);
  if (!ids || id.isNull()) return RTERROR;
  return std::find(ids->begin(), ids->end(), id) != ids->end() ? RTNORM : RTERROR;
}

int acedSSSetFirst(const ads_name pset, const ads_name) {
  using namespace zhost;
  SetStore& store = Store();
  if (!pset) {
    store.pickfirst.clear();
    store.pickfirstUsed = false;
    return RTNORM;
  }
  const std::vector<AcDbObjectId>* ids = Find(pset);
  if (!ids) return RTERROR;
  store.pickfirst = *ids;
  store.pickfirstUsed = false;
  return RTNORM;
}

int acedSSGetFirst(resbuf** gset, resbuf** pset) {
  using namespace zhost;
  if (gset) *gset = nullptr;
  if (!pset) return RTNORM;
  *pset = nullptr;
  std::vector<AcDbObjectId> ids;
  for (AcDbObjectId id : Store().pickfirst)
    if (!id.isErased()) ids.push_back(id);
  if (ids.empty()) return RTNORM;
  resbuf* rb = acutNewRb(RTPICKS);
  if (!rb) return RTERROR;
  NewSelectionSet(ids, rb->resval.rlname);
  *pset = rb;
  return RTNORM;
}

int acdbEntLast(ads_name result) {
  if (!result) return RTERROR;
  AcDbObjectId last = zhost::LastEntity();
  if (last.isNull()) return RTERROR;
  return zhost::AdsNameOf(last, result) == Acad::eOk ? RTNORM : RTERROR;
}

int acdbEntNext(const ads_name ent, ads_name result) {
  if (!result) return RTERROR;
  std::vector<AcDbObjectId> ids = zhost::AllEntities(false);
  size_t next = 0;
  if (ent) {
    AcDbObjectId id = zhost::IdOf(ent);
    auto it = std::find(ids.begin(), ids.end(), id);
    if (it == ids.end()) return RTERROR;
    next = static_cast<size_t>(it - ids.begin()) + 1;
  }
  if (next >= ids.size()) return RTERROR;
  return zhost::AdsNameOf(ids[next], result) == Acad::eOk ? RTNORM : RTERROR;
}
