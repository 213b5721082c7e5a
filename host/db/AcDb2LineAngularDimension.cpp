// Angular dimensions between two lines.
#include "host/db/AcDb2LineAngularDimension.h"

#include <cmath>

#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"
#include <algorithm>

namespace {
AcRxObject* Make() { return new AcDb2LineAngularDimension; }
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDb2LineAngularDimension, AcDbDimension, Make, L"DIMENSION")

AcGePoint3d AcDb2LineAngularDimension::xLine1Start() const {
  assertReadEnabled();
  return line1Start_;
}

Acad::ErrorStatus AcDb2LineAngularDimension::setXLine1Start(const AcGePoint3d& value) {
  assertWriteEnabled();
  line1Start_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb2LineAngularDimension::xLine1End() const {
  assertReadEnabled();
  return line1End_;
}

Acad::ErrorStatus AcDb2LineAngularDimension::setXLine1End(const AcGePoint3d& value) {
  assertWriteEnabled();
  line1End_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb2LineAngularDimension::xLine2Start() const {
  assertReadEnabled();
  return line2Start_;
}

Acad::ErrorStatus AcDb2LineAngularDimension::setXLine2Start(const AcGePoint3d& value) {
  assertWriteEnabled();
  line2Start_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb2LineAngularDimension::xLine2End() const {
  assertReadEnabled();
  return line2End_;
}

Acad::ErrorStatus AcDb2LineAngularDimension::setXLine2End(const AcGePoint3d& value) {
  assertWriteEnabled();
  line2End_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcGePoint3d AcDb2LineAngularDimension::arcPoint() const {
  assertReadEnabled();
  return arcPoint_;
}

Acad::ErrorStatus AcDb2LineAngularDimension::setArcPoint(const AcGePoint3d& value) {
  assertWriteEnabled();
  arcPoint_ = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDb2LineAngularDimension::AcDb2LineAngularDimension() = default;

AcDb2LineAngularDimension::AcDb2LineAngularDimension(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
                                                     const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End,
                                                     const AcGePoint3d& arcPoint, const ACHAR* dimText,
                                                     AcDbObjectId dimStyle)
    : line1Start_(xLine1Start), line1End_(xLine1End), line2Start_(xLine2Start), line2End_(xLine2End), arcPoint_(arcPoint) {
  if (dimText) setDimensionText(dimText);
  if (!dimStyle.isNull()) setDimensionStyle(dimStyle);
  updateDefaultTextPosition();
}

AcDb2LineAngularDimension::~AcDb2LineAngularDimension() = default;

bool AcDb2LineAngularDimension::sector(AcGePoint3d& center, double& startAngle, double& endAngle, double& dist1,
                                       double& dist2) const {
  AcGeVector3d n = zhost::UnitNormal(planeNormal());
  AcGeVector3d d1 = (line1End_ - line1Start_).orthoProject(n);
  AcGeVector3d d2 = (line2End_ - line2Start_).orthoProject(n);
  if (d1.isZeroLength() || d2.isZeroLength() || d1.isParallelTo(d2)) return false;
  d1.normalize();
  d2.normalize();
  // The vertex: where line 1 meets line 2 in the plane.
  AcGeVector3d perp2 = n.crossProduct(d2);
  double t = (line2Start_ - line1Start_).dotProduct(perp2) / d1.dotProduct(perp2);
  center = line1Start_ + d1 * t;
  // The four rays in angle order; the arc point lies between two neighbours, one of each line.
  struct Ray {
    double angle;
    int line;
    AcGeVector3d dir;
  };
  Ray rays[4] = {{zhost::PlaneAngle(n, d1), 1, d1}, {zhost::PlaneAngle(n, -d1), 1, -d1},
                 {zhost::PlaneAngle(n, d2), 2, d2}, {zhost::PlaneAngle(n, -d2), 2, -d2}};
  double at = (arcPoint_ - center).isZeroLength() ? rays[0].angle + 1e-9 : zhost::PlaneAngle(n, arcPoint_ - center);
  int best = -1;
  double bestOffset = 0;
  for (int i = 0; i < 4; ++i) {
    double offset = zhost::NormalizeAngle(at - rays[i].angle);
    if (best < 0 || offset < bestOffset) {
      best = i;
      bestOffset = offset;
    }
  }
  const Ray& first = rays[best];
  int next = -1;
  double nextSweep = 0;
  for (int i = 0; i < 4; ++i) {
    if (rays[i].line == first.line) continue;
    double sweep = zhost::NormalizeAngle(rays[i].angle - first.angle);
    if (next < 0 || sweep < nextSweep) {
      next = i;
      nextSweep = sweep;
    }
  }
  startAngle = first.angle;
  endAngle = rays[next].angle;
  auto reach = [&center](const Ray& ray, const AcGePoint3d& a, const AcGePoint3d& b) {
    return std::max(0.0, std::max((a - center).dotProduct(ray.dir), (b - center).dotProduct(ray.dir)));
  };
  const Ray& second = rays[next];
  dist1 = first.line == 1 ? reach(first, line1Start_, line1End_) : reach(first, line2Start_, line2End_);
  dist2 = second.line == 1 ? reach(second, line1Start_, line1End_) : reach(second, line2Start_, line2End_);
  return true;
}

double AcDb2LineAngularDimension::subMeasurement() const {
  AcGePoint3d center;
  double start = 0, end = 0, d1 = 0, d2 = 0;
  if (!sector(center, start, end, d1, d2)) return 0.0;
  return zhost::NormalizeAngle(end - start);
}

Acad::ErrorStatus AcDb2LineAngularDimension::subGraphics(zhost::DimGraphics& graphics,
                                                         const zhost::DimSizes& sizes) const {
  AcGePoint3d center;
  double start = 0, end = 0, d1 = 0, d2 = 0;
  if (!sector(center, start, end, d1, d2)) return Acad::eDegenerateGeometry;
  double radius = arcPoint_.distanceTo(center);
  if (radius <= 0) return Acad::eDegenerateGeometry;
  angularGraphics(center, start, end, radius, d1, d2, graphics, sizes);
  return Acad::eOk;
}

AcGePoint3d AcDb2LineAngularDimension::subDefaultTextPosition() const {
  AcGePoint3d center;
  double start = 0, end = 0, d1 = 0, d2 = 0;
  if (!sector(center, start, end, d1, d2)) return arcPoint_;
  double mid = start + zhost::NormalizeAngle(end - start) / 2;
  AcGeVector3d ray = zhost::PlaneDirection(planeNormal(), mid);
  return textAbove(center + ray * arcPoint_.distanceTo(center), zhost::UnitNormal(planeNormal()).crossProduct(ray));
}

void AcDb2LineAngularDimension::subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d&) {
  line1Start_.transformBy(xform);
  line1End_.transformBy(xform);
  line2Start_.transformBy(xform);
  line2End_.transformBy(xform);
  arcPoint_.transformBy(xform);
}

void AcDb2LineAngularDimension::subListGeometry() const {
  zhost::ListText(L"type:", L"angular (2 lines)");
  zhost::ListPoint(L"line 1 start:", line1Start_);
  zhost::ListPoint(L"line 1 end:", line1End_);
  zhost::ListPoint(L"line 2 start:", line2Start_);
  zhost::ListPoint(L"line 2 end:", line2End_);
  zhost::ListPoint(L"arc point:", arcPoint_);
}

Acad::ErrorStatus AcDb2LineAngularDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDb2LineAngularDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbDimension::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, 1, [this](auto&& file) { forEachField(*this, file); });
  return es;
}
