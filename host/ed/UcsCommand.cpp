// The UCS command over the current UCS of the drawing, with a per-drawing list of previous ones.
#include "host/ed/UcsCommand.h"

#include <cmath>
#include <map>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDatabaseReactor.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/SysVars.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/win/WideFormat.h"

namespace zhost {

namespace {

const size_t kPreviousKept = 10;

AcDbDatabase* Working() {
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services ? services->workingDatabase() : nullptr;
}

// The UCSs a drawing had before, newest last. Kept for the session only, as the display keeps
// its view history; a database that goes takes its list with it.
std::map<const AcDbDatabase*, std::vector<Ucs>>& History() {
  static std::map<const AcDbDatabase*, std::vector<Ucs>> history;
  return history;
}

class HistoryCleaner : public AcDbDatabaseReactor {
 public:
  void goodbye(const AcDbDatabase* db) override { History().erase(db); }
};

std::vector<Ucs>& PreviousOf(AcDbDatabase* db) {
  static HistoryCleaner cleaner;
  auto it = History().find(db);
  if (it == History().end()) {
    db->addReactor(&cleaner);
    it = History().emplace(db, std::vector<Ucs>()).first;
  }
  return it->second;
}

bool Change(AcDbDatabase* db, const Ucs& next) {
  Ucs before = CurrentUcs(db);
  if (!SetCurrentUcs(next, db)) {
    PrintLine(L"The points do not define a coordinate system; the UCS is unchanged.");
    return false;
  }
  std::vector<Ucs>& previous = PreviousOf(db);
  previous.push_back(before);
  if (previous.size() > kPreviousKept) previous.erase(previous.begin());
  return true;
}

std::wstring Number(double v) {
  std::wstring text = FormatWide(L"%.4f", v);
  while (!text.empty() && text.back() == L'0') text.pop_back();
  if (!text.empty() && text.back() == L'.') text.pop_back();
  return text == L"-0" ? L"0" : text;
}

std::wstring PointText(const AcGePoint3d& p) { return Number(p.x) + L"," + Number(p.y) + L"," + Number(p.z); }

// A UCS point (Enter keeps the default); RTNORM, or RTCAN when the user cancelled.
int AskUcsPoint(const std::wstring& prompt, const AcGePoint3d& fallback, AcGePoint3d& point) {
  ads_point result = {0, 0, 0};
  std::wstring text = prompt + L" <" + PointText(fallback) + L">: ";
  int rc = acedGetPoint(nullptr, text.c_str(), result);
  if (rc == RTNONE) {
    point = fallback;
    return RTNORM;
  }
  if (rc != RTNORM) return RTCAN;
  point.set(result[0], result[1], result[2]);
  return RTNORM;
}

void NewOrigin(AcDbDatabase* db, const AcGePoint3d& ucsPoint) {
  Ucs next = CurrentUcs(db);
  next.origin = UcsToWorld(ucsPoint, db);
  Change(db, next);
}

void RotateZ(AcDbDatabase* db) {
  ads_real angle = 0;
  int rc = acedGetAngle(nullptr, L"Specify rotation angle about Z axis <90>: ", &angle);
  if (rc == RTNONE) angle = 3.14159265358979323846 / 2;
  else if (rc != RTNORM) return;
  Ucs next = CurrentUcs(db);
  AcGeVector3d z = next.xAxis.crossProduct(next.yAxis);
  next.xAxis.rotateBy(angle, z);
  next.yAxis.rotateBy(angle, z);
  Change(db, next);
}

void ThreePoints(AcDbDatabase* db) {
  AcGePoint3d origin, onX, onY;
  if (AskUcsPoint(L"Specify new origin point", AcGePoint3d::kOrigin, origin) != RTNORM) return;
  if (AskUcsPoint(L"Specify point on positive portion of X-axis", origin + AcGeVector3d::kXAxis, onX) != RTNORM) return;
  if (AskUcsPoint(L"Specify point on positive-Y portion of the UCS XY plane", origin + AcGeVector3d::kYAxis, onY) !=
      RTNORM)
    return;
  Ucs next;
  next.origin = UcsToWorld(origin, db);
  next.xAxis = UcsToWorld(onX, db) - next.origin;
  next.yAxis = UcsToWorld(onY, db) - next.origin;
  Change(db, next);
}

void Previous(AcDbDatabase* db) {
  std::vector<Ucs>& previous = PreviousOf(db);
  if (previous.empty()) {
    PrintLine(L"No previous UCS.");
    return;
  }
  SetCurrentUcs(previous.back(), db);
  previous.pop_back();
}

void UcsCommand() {
  AcDbDatabase* db = Working();
  if (!db) {
    PrintLine(L"No drawing is open.");
    return;
  }
  acedInitGet(0, L"Origin Z 3point,3 Previous World");
  ads_point picked = {0, 0, 0};
  int rc = acedGetPoint(nullptr, L"Specify origin of UCS or [Origin/Z/3point/Previous/World] <World>: ", picked);
  if (rc == RTNORM) return NewOrigin(db, AcGePoint3d(picked[0], picked[1], picked[2]));
  if (rc == RTNONE) {
    Change(db, Ucs());
    return;
  }
  if (rc != RTKWORD) return;
  ACHAR keyword[64] = {0};
  acedGetInput(keyword, 64);
  std::wstring option = keyword;
  if (option == L"World") {
    Change(db, Ucs());
  } else if (option == L"Origin") {
    AcGePoint3d origin;
    if (AskUcsPoint(L"Specify new origin point", AcGePoint3d::kOrigin, origin) == RTNORM) NewOrigin(db, origin);
  } else if (option == L"Z") {
    RotateZ(db);
  } else if (option == L"3point") {
    ThreePoints(db);
  } else if (option == L"Previous") {
    Previous(db);
  }
}

SysVarValue PointValue(const AcGePoint3d& p) { return SysVarValue::Point(p.x, p.y, p.z); }
SysVarValue VectorValue(const AcGeVector3d& v) { return SysVarValue::Point(v.x, v.y, v.z); }

bool IsWorld(const Ucs& ucs) {
  return ucs.origin.isEqualTo(AcGePoint3d::kOrigin) && ucs.xAxis.isEqualTo(AcGeVector3d::kXAxis) &&
         ucs.yAxis.isEqualTo(AcGeVector3d::kYAxis);
}

}  // namespace

void RegisterUcsCommand() {
  CommandProcessor::instance().addBuiltin(L"UCS", UcsCommand);
  SysVars& vars = SysVars::instance();
  vars.defineComputed(L"UCSORG", RT3DPOINT, [] { return PointValue(CurrentUcs().origin); });
  vars.defineComputed(L"UCSXDIR", RT3DPOINT, [] { return VectorValue(CurrentUcs().xAxis); });
  vars.defineComputed(L"UCSYDIR", RT3DPOINT, [] { return VectorValue(CurrentUcs().yAxis); });
  vars.defineComputed(L"WORLDUCS", RTSHORT, [] { return SysVarValue::Int(IsWorld(CurrentUcs()) ? 1 : 0); });
}

[[maybe_unused]] static const bool registered = (RegisterUcsCommand(), true);

}  // namespace zhost
