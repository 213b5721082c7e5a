// acdbUcsMatrix over the header variables of the database.
#include "host/db/AcDbUcs.h"

#include <cwchar>
#include <map>
#include <sstream>
#include <string>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"

namespace {

// "x,y,z" (commas or blanks between the numbers), read in the C locale.
bool ParseTriple(const std::wstring& text, double out[3]) {
  std::wstring plain = text;
  for (wchar_t& c : plain) {
    if (c == L',') c = L' ';
  }
  std::wistringstream in(plain);
  in.imbue(std::locale::classic());
  for (int k = 0; k < 3; ++k) {
    if (!(in >> out[k])) return false;
  }
  wchar_t rest = 0;
  return !(in >> rest);
}

bool HeaderTriple(const std::map<std::wstring, std::wstring>& vars, const wchar_t* name, double out[3]) {
  auto it = vars.find(name);
  return it != vars.end() && ParseTriple(it->second, out);
}

}  // namespace

Acad::ErrorStatus acdbUcsMatrix(AcGeMatrix3d& mat, AcDbDatabase* db) {
  mat = AcGeMatrix3d::kIdentity;
  if (!db && acdbHostApplicationServices()) db = acdbHostApplicationServices()->workingDatabase();
  if (!db) return Acad::eNoDatabase;
  const auto& vars = db->extraHeaderVariables();
  double org[3] = {0, 0, 0};
  double x[3] = {1, 0, 0};
  double y[3] = {0, 1, 0};
  bool hasOrigin = HeaderTriple(vars, L"UCSORG", org);
  bool hasX = HeaderTriple(vars, L"UCSXDIR", x);
  bool hasY = HeaderTriple(vars, L"UCSYDIR", y);
  if (!hasOrigin && !hasX && !hasY) return Acad::eOk;
  AcGeVector3d xAxis = AcGeVector3d(x[0], x[1], x[2]).normal();
  AcGeVector3d yAxis = AcGeVector3d(y[0], y[1], y[2]).normal();
  AcGeVector3d zAxis = xAxis.crossProduct(yAxis);
  // Axes that are zero or parallel give no plane: keep the world axes then.
  if (zAxis.length() < 1e-10) {
    xAxis = AcGeVector3d::kXAxis;
    yAxis = AcGeVector3d::kYAxis;
    zAxis = AcGeVector3d::kZAxis;
  } else {
    zAxis.normalize();
    yAxis = zAxis.crossProduct(xAxis);
  }
  mat.setCoordSystem(AcGePoint3d(org[0], org[1], org[2]), xAxis, yAxis, zAxis);
  return Acad::eOk;
}
