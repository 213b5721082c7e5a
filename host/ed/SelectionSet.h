// Selection sets and entity names: ads_name <-> id (acdbGetAdsName/acdbGetObjectId are the
// database's), acdbEntLast/acdbEntNext over the current space, acedSSGet with its modes and
// filters, the set functions and the pickfirst set.
//
// acedSSGet modes (a leading "_" is accepted, case does not matter):
//   null/""  interactive ("Select objects: "): lines "x,y" pick at a point, "#HANDLE" by handle,
//            "ALL", "L", "W x1,y1 x2,y2", "C x1,y1 x2,y2"; an empty line ends. With pt1 and no
//            mode: the entity picked at pt1.
//   "X" every entity of the current space that passes the filter (also on layers off/frozen).
//   "I" the pickfirst set; "L" the last entity; "P" the previous selection.
//   "W"/"C" window or crossing with the corners pt1 and pt2.
//   "F"/"WP"/"CP" with pt1 an RTPOINT/RT3DPOINT resbuf list: fence (entities the polyline
//            crosses), window polygon, crossing polygon.
//   ":S" (with or without other flags) one pick only; ":E" everything in the aperture; other
//            letters before the ":" flags are screen options and still pick interactively.
// Filters: group 0 DXF type names and 8 layer names with wildcards ("*", "?", "#", "@", ".",
// "[...]", "~" negation, "," alternatives, "`" escape); -4 "<OR"/"OR>", "<AND"/"AND>",
// "<NOT"/"NOT>"; 62 colour index. RTNORM with a set, RTERROR (ERRNO set) when nothing was
// selected, RTCAN on a cancel.
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbObjectId.h"
#include "host/rx/ads.h"
#include "host/ge/adesk.h"

class AcDbEntity;

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, Adesk::Int32* len);
int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres);
// *rbpp: how entity i came into the set, a new list the caller frees with acutRelRb:
//   RTSHORT selection method (1 a pick, 0 any other way), RTENAME the entity, RTLONG the
//   selection (GS) marker of the sub-entity picked (0 when not picked), and for a pick the
//   point description RTLB, RTSHORT 0, RT3DPOINT the pick point, RTLE.
int acedSSNameX(resbuf** rbpp, const ads_name ss, const Adesk::Int32 i);
// ename and sname null: a new empty set; sname null: a new set with ename; otherwise ename is
// added to sname (result = sname).
int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
int acedSSDel(const ads_name ename, const ads_name ss);
int acedSSMemb(const ads_name ename, const ads_name ss);
// The pickfirst set (pset null clears it). The host clears it after a command that used it.
int acedSSSetFirst(const ads_name pset, const ads_name unused);
// *pset: an RTPICKS resbuf with a new set (null when the pickfirst set is empty); *gset null.
int acedSSGetFirst(resbuf** gset, resbuf** pset);
// The last entity (not erased) of the current space; RTERROR when there is none.
int acdbEntLast(ads_name result);
// ent null: the first entity; otherwise the one after ent. RTERROR at the end.
int acdbEntNext(const ads_name ent, ads_name result);

namespace zhost {

// A parsed filter list.
class EntityFilter {
 public:
  // Unbalanced brackets make an invalid filter (nothing passes).
  explicit EntityFilter(const resbuf* filter);
  bool valid() const { return valid_; }
  bool passes(const AcDbEntity* ent) const;

 private:
  struct Node {
    enum Kind { kLeaf, kAnd, kOr, kNot } kind = kLeaf;
    short code = 0;
    std::wstring text;
    int value = 0;
    std::vector<Node> children;
  };
  bool eval(const Node& node, const AcDbEntity* ent) const;
  Node root_;
  bool valid_ = true;
};

// Wildcard matching without regard to case.
bool WildcardMatch(const std::wstring& pattern, const std::wstring& text);
// The DXF name of an entity ("LINE", "LWPOLYLINE", "DIMENSION" ...).
std::wstring DxfNameOf(const AcDbEntity* ent);

// acdbGetAdsName into a name given as a pointer (an ads_name parameter).
Acad::ErrorStatus AdsNameOf(AcDbObjectId id, int64_t* name);

// Host code: sets as id lists.
int NewSelectionSet(const std::vector<AcDbObjectId>& ids, ads_name ss);
const std::vector<AcDbObjectId>* SelectionSetIds(const ads_name ss);
int LiveSelectionSets();
void ClearUsedPickfirst();
// An entity named by "#HANDLE" in the working database; null id when none.
AcDbObjectId EntityByHandleText(const std::wstring& text);

}  // namespace zhost
