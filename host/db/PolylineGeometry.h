// What the lightweight and the 2D polyline share: vertices with bulges and widths in the plane
// of a normal at an elevation, their segments as curve pieces, area, transformation, explosion
// into lines and arcs, LIST lines, extents and snap points.
#pragma once

#include <vector>

#include "host/db/AcDbArrays.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbExtents.h"
#include "host/db/CurvePieces.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint2d.h"

namespace zhost {

struct BulgeVertex {
  AcGePoint2d pt;
  double bulge = 0.0;
  double startWidth = 0.0;
  double endWidth = 0.0;
};

struct BulgePath {
  std::vector<BulgeVertex> vertices;
  bool closed = false;
  double elevation = 0.0;
  AcGeVector3d normal = AcGeVector3d::kZAxis;

  size_t numSegments() const;
  // Segment i runs from vertex i to vertex i+1 (the last one of a closed path back to 0).
  CurvePiece segment(size_t i) const;
  std::vector<CurvePiece> pieces() const;
  AcGePoint3d worldPoint(size_t i) const;
  // The plane point of a world point (its distance from the plane is dropped).
  AcGePoint2d planePoint(const AcGePoint3d& world) const;
  // The enclosed area (an open path counts as closed), arcs included.
  double area() const;
  // Uniform scaling, rotation, reflection and translation; other transformations only for paths
  // without arcs (eCannotScaleNonUniformly). Widths scale; a reflection negates the bulges.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
  // New lines and arcs (not in a database) with the properties of from; zero-length segments
  // give nothing.
  void explode(const AcDbEntity* from, double thickness, AcDbVoidPtrArray& entitySet) const;
  void addExtents(AcDbExtents& extents, double thickness) const;
  void osnapPoints(AcDb::OsnapMode mode, const AcGePoint3d& pickPoint, AcGePoint3dArray& snapPoints) const;
  // Moves the given vertices by a world offset (its part in the plane).
  void moveVertices(const AcDbIntArray& indices, const AcGeVector3d& offset);
  // LIST lines: open/closed, constant width, area, length, then every vertex (with bulge,
  // center, radius and angles of an arc segment starting there).
  void list(double constantWidth, bool hasConstantWidth) const;
};

}  // namespace zhost
