// Shared polyline geometry.
#include "host/db/PolylineGeometry.h"

#include <cmath>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbLine.h"
#include "host/db/GeomEntityFields.h"

namespace zhost {

size_t BulgePath::numSegments() const {
  size_t n = vertices.size();
  if (n < 2) return 0;
  return closed ? n : n - 1;
}

CurvePiece BulgePath::segment(size_t i) const {
  const BulgeVertex& a = vertices[i];
  const BulgeVertex& b = vertices[(i + 1) % vertices.size()];
  return BulgeSegment(a.pt, b.pt, a.bulge, elevation, normal);
}

std::vector<CurvePiece> BulgePath::pieces() const {
  std::vector<CurvePiece> out;
  for (size_t i = 0; i < numSegments(); ++i) out.push_back(segment(i));
  return out;
}

AcGePoint3d BulgePath::worldPoint(size_t i) const {
  AcGePoint3d p(vertices[i].pt.x, vertices[i].pt.y, elevation);
  return p.transformBy(AcGeMatrix3d::planeToWorld(normal));
}

AcGePoint2d BulgePath::planePoint(const AcGePoint3d& world) const {
  AcGePoint3d p = world;
  p.transformBy(AcGeMatrix3d::worldToPlane(normal));
  return AcGePoint2d(p.x, p.y);
}

double BulgePath::area() const {
  size_t n = vertices.size();
  if (n < 2) return 0.0;
  double sum = 0.0;
  for (size_t i = 0; i < n; ++i) {
    const BulgeVertex& a = vertices[i];
    const BulgeVertex& b = vertices[(i + 1) % n];
    sum += (a.pt.x * b.pt.y - b.pt.x * a.pt.y) / 2.0;
    if (a.bulge == 0.0 || (i + 1 == n && !closed)) continue;
    double chord = a.pt.distanceTo(b.pt);
    double theta = 4.0 * std::atan(a.bulge);
    double radius = chord / (2.0 * std::sin(std::fabs(theta) / 2.0));
    double segArea = radius * radius / 2.0 * (std::fabs(theta) - std::sin(std::fabs(theta)));
    sum += a.bulge > 0 ? segArea : -segArea;
  }
  return std::fabs(sum);
}

Acad::ErrorStatus BulgePath::transformBy(const AcGeMatrix3d& xform) {
  bool uniform = xform.isUniScaledOrtho();
  if (!uniform) {
    for (const BulgeVertex& v : vertices)
      if (v.bulge != 0.0) return Acad::eCannotScaleNonUniformly;
  }
  std::vector<AcGePoint3d> world;
  for (size_t i = 0; i < vertices.size(); ++i) world.push_back(worldPoint(i).transformBy(xform));
  AcGePoint3d origin = AcGePoint3d(0, 0, elevation).transformBy(AcGeMatrix3d::planeToWorld(normal));
  origin.transformBy(xform);
  normal = TransformedNormal(xform, normal);
  AcGeMatrix3d toPlane = AcGeMatrix3d::worldToPlane(normal);
  elevation = AcGePoint3d(origin).transformBy(toPlane).z;
  double scale = uniform ? xform.scale() : 1.0;
  bool reflect = xform.det() < 0;
  for (size_t i = 0; i < vertices.size(); ++i) {
    AcGePoint3d p = world[i].transformBy(toPlane);
    vertices[i].pt.set(p.x, p.y);
    vertices[i].startWidth *= scale;
    vertices[i].endWidth *= scale;
    if (reflect) vertices[i].bulge = -vertices[i].bulge;
  }
  return Acad::eOk;
}

void BulgePath::explode(const AcDbEntity* from, double thickness, AcDbVoidPtrArray& entitySet) const {
  for (size_t i = 0; i < numSegments(); ++i) {
    CurvePiece piece = segment(i);
    if (piece.length() <= AcGeContext::gTol.equalPoint()) continue;
    AcDbEntity* ent = nullptr;
    if (piece.isArc) {
      const AcGeCircArc3d& arc = piece.arc;
      AcDbArc* dbArc = new AcDbArc(arc.center(), normal, arc.radius(), arc.startAng(), arc.endAng());
      dbArc->setThickness(thickness);
      ent = dbArc;
    } else {
      AcDbLine* line = new AcDbLine(piece.startPoint(), piece.endPoint());
      line->setNormal(normal);
      line->setThickness(thickness);
      ent = line;
    }
    ent->setPropertiesFrom(from);
    entitySet.append(ent);
  }
}

void BulgePath::addExtents(AcDbExtents& extents, double thickness) const {
  AcGePoint3dArray points;
  for (size_t i = 0; i < vertices.size(); ++i) points.append(worldPoint(i));
  for (size_t i = 0; i < numSegments(); ++i) {
    CurvePiece piece = segment(i);
    if (piece.isArc) AddArcExtents(piece.arc, points);
  }
  AcGeVector3d up = normal * thickness;
  for (int i = 0; i < points.length(); ++i) {
    extents.addPoint(points[i]);
    extents.addPoint(points[i] + up);
  }
}

void BulgePath::osnapPoints(AcDb::OsnapMode mode, const AcGePoint3d& pickPoint, AcGePoint3dArray& snapPoints) const {
  std::vector<CurvePiece> all = pieces();
  switch (mode) {
    case AcDb::kOsModeEnd:
      for (size_t i = 0; i < vertices.size(); ++i) snapPoints.append(worldPoint(i));
      break;
    case AcDb::kOsModeMid:
      for (const CurvePiece& piece : all) snapPoints.append(piece.pointAt(0.5));
      break;
    case AcDb::kOsModeCen:
      for (const CurvePiece& piece : all)
        if (piece.isArc) snapPoints.append(piece.arc.center());
      break;
    case AcDb::kOsModeNear:
      if (!all.empty()) {
        AcGePoint3d nearest;
        ChainClosest(all, pickPoint, nearest);
        snapPoints.append(nearest);
      }
      break;
    default:
      break;
  }
}

void BulgePath::moveVertices(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  AcGeVector3d inPlane = offset;
  inPlane.transformBy(AcGeMatrix3d::worldToPlane(normal));
  for (int k = 0; k < indices.length(); ++k) {
    int i = indices[k];
    if (i < 0 || static_cast<size_t>(i) >= vertices.size()) continue;
    vertices[i].pt += AcGeVector2d(inPlane.x, inPlane.y);
  }
}

void BulgePath::list(double constantWidth, bool hasConstantWidth) const {
  acutPrintf(L"\n%28s", closed ? L"Closed" : L"Open");
  if (hasConstantWidth) geom::ListDistance(L"Constant width", constantWidth);
  geom::ListDistance(L"area", area());
  geom::ListDistance(closed ? L"perimeter" : L"length", ChainLength(pieces()));
  for (size_t i = 0; i < vertices.size(); ++i) {
    geom::ListPoint(L"at point", worldPoint(i));
    if (!hasConstantWidth && (vertices[i].startWidth != 0.0 || vertices[i].endWidth != 0.0)) {
      geom::ListDistance(L"starting width", vertices[i].startWidth);
      geom::ListDistance(L"ending width", vertices[i].endWidth);
    }
    if (vertices[i].bulge == 0.0 || i >= numSegments()) continue;
    CurvePiece piece = segment(i);
    geom::ListDistance(L"bulge", vertices[i].bulge);
    if (!piece.isArc) continue;
    geom::ListPoint(L"center", piece.arc.center());
    geom::ListDistance(L"radius", piece.arc.radius());
    geom::ListAngle(L"start angle", piece.reversed ? piece.arc.endAng() : piece.arc.startAng());
    geom::ListAngle(L"end angle", piece.reversed ? piece.arc.startAng() : piece.arc.endAng());
  }
}

}  // namespace zhost
