// The shared helpers of the annotation entities: LIST lines, plane frames, text widths.
#include "host/db/AnnotSupport.h"

#include <cmath>

#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbSymbolTable.h"
#include "host/db/ObjectStub.h"
#include "host/ed/CommandLine.h"

namespace zhost {

void ListPoint(const wchar_t* label, const AcGePoint3d& pt) {
  acutPrintf(L"\n%34s X=%10.4f  Y=%10.4f  Z=%10.4f", label, pt.x, pt.y, pt.z);
}

void ListVector(const wchar_t* label, const AcGeVector3d& v) {
  acutPrintf(L"\n%34s X=%10.4f  Y=%10.4f  Z=%10.4f", label, v.x, v.y, v.z);
}

void ListReal(const wchar_t* label, double value) { acutPrintf(L"\n%34s %.4f", label, value); }

void ListAngle(const wchar_t* label, double radians) {
  acutPrintf(L"\n%34s %.4f", label, radians * 180.0 / M_PI);
}

void ListText(const wchar_t* label, const std::wstring& text) {
  acutPrintf(L"\n%34s %s", label, text.c_str());
}

std::wstring SymbolName(AcDbObjectId id) {
  if (id.isNull()) return L"";
  // A record the caller has open already is read in place; others are opened for the look.
  AcDbObject* peeked = PeekObject(id);
  if (peeked && peeked->isReadEnabled()) {
    AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(peeked);
    return rec ? rec->nameString() : L"";
  }
  AcDbSymbolTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return L"";
  std::wstring name = rec->nameString();
  rec->close();
  return name;
}

AcGeVector3d UnitNormal(const AcGeVector3d& v) {
  if (v.isZeroLength()) return AcGeVector3d(0, 0, 1);
  return v.normal();
}

void PlaneAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  AcGeVector3d n = UnitNormal(normal);
  xAxis = n.perpVector().normal();
  yAxis = n.crossProduct(xAxis).normal();
}

AcGeVector3d PlaneDirection(const AcGeVector3d& normal, double angle) {
  AcGeVector3d x, y;
  PlaneAxes(normal, x, y);
  return x * std::cos(angle) + y * std::sin(angle);
}

double NormalizeAngle(double angle) {
  if (!std::isfinite(angle)) return 0.0;
  double a = std::fmod(angle, 2 * M_PI);
  if (a < 0) a += 2 * M_PI;
  if (a >= 2 * M_PI - 1e-12) a = 0.0;
  return a;
}

double PlaneAngle(const AcGeVector3d& normal, const AcGeVector3d& dir) {
  AcGeVector3d x, y;
  PlaneAxes(normal, x, y);
  return NormalizeAngle(std::atan2(dir.dotProduct(y), dir.dotProduct(x)));
}

bool TransformTextFrame(const AcGeMatrix3d& xform, const AcGeVector3d& normal, double rotation,
                        TextFrameChange& out) {
  AcGeVector3d n = UnitNormal(normal);
  AcGeVector3d dir = PlaneDirection(n, rotation);
  AcGeVector3d up = n.crossProduct(dir);
  AcGeVector3d d2 = dir, u2 = up, n2 = n;
  d2.transformBy(xform);
  u2.transformBy(xform);
  n2.transformBy(xform);
  out.widthScale = d2.length();
  out.heightScale = u2.length();
  if (d2.isZeroLength() || u2.isZeroLength() || d2.isParallelTo(u2)) return false;
  // The new plane is the one the transformed frame spans, on the side of the moved normal.
  AcGeVector3d planeNormal = d2.crossProduct(u2).normal();
  out.mirrored = !n2.isZeroLength() && planeNormal.dotProduct(n2) < 0;
  if (out.mirrored) planeNormal = -planeNormal;
  out.normal = planeNormal;
  d2.normalize();
  out.reversed = false;
  if (out.mirrored) {
    double angle = PlaneAngle(planeNormal, d2);
    bool readsRight = std::cos(angle) > 1e-9 || (std::fabs(std::cos(angle)) <= 1e-9 && std::sin(angle) > 0);
    if (!readsRight) {
      d2 = -d2;
      out.reversed = true;
    }
  }
  out.rotation = PlaneAngle(planeNormal, d2);
  return true;
}

double TextLineWidth(const std::wstring& text, double height, double widthFactor) {
  return static_cast<double>(text.size()) * height * kCharWidthRatio * widthFactor;
}

}  // namespace zhost
