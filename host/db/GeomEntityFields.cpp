// LIST lines of the geometric entities' fields.
#include "host/db/GeomEntityFields.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

namespace zhost {

AcRxClass* GeomEntityClass(ClassCache& cache, const wchar_t* name, AcRxClass* parent, AcRxObject* (*create)(),
                           const wchar_t* dxfName) {
  if (AcRxClass* found = cache.lookup(name)) return found;
  newAcRxClass(name, parent ? parent->name() : L"AcDbEntity", 0, 0, 0, create, dxfName, L"");
  return cache.lookup(name);
}

AcGeVector3d TransformedNormal(const AcGeMatrix3d& xform, const AcGeVector3d& normal) {
  AcGeVector3d x = normal.perpVector(), y = normal.crossProduct(x);
  x.transformBy(xform);
  y.transformBy(xform);
  AcGeVector3d n = x.crossProduct(y);
  if (n.isZeroLength()) return normal;
  n.normalize();
  return xform.det() < 0 ? -n : n;
}

double AngleInPlane(const AcGeVector3d& normal, const AcGeVector3d& dir) {
  AcGeVector3d x = normal.perpVector().normal(), y = normal.normal().crossProduct(x);
  double a = std::atan2(dir.dotProduct(y), dir.dotProduct(x));
  return a < 0 ? a + 2 * M_PI : a;
}

namespace geom {

void ListPoint(const wchar_t* label, const AcGePoint3d& p) {
  acutPrintf(L"\n%28s X=%10.4f  Y=%10.4f  Z=%10.4f", label, p.x, p.y, p.z);
}

void ListVector(const wchar_t* label, const AcGeVector3d& v) {
  acutPrintf(L"\n%28s X=%10.4f  Y=%10.4f  Z=%10.4f", label, v.x, v.y, v.z);
}

void ListDistance(const wchar_t* label, double value) { acutPrintf(L"\n%28s %10.4f", label, value); }

void ListAngle(const wchar_t* label, double radians) {
  double degrees = std::fmod(radians * 180.0 / M_PI, 360.0);
  if (degrees < 0) degrees += 360.0;
  if (360.0 - degrees < 5e-5) degrees = 0.0;
  if (std::fabs(degrees) < 5e-5) degrees = 0.0;
  acutPrintf(L"\n%28s %10.4f", label, degrees);
}

}  // namespace geom

}  // namespace zhost
