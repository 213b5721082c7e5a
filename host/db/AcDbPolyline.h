// AcDbPolyline: the lightweight polyline: 2D vertices in the plane of its normal at an
// elevation, each with the bulge of the segment that starts there (tan of a quarter of its
// included angle, positive counter-clockwise) and start and end widths.
#pragma once

#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/GeomEntityFields.h"
#include "host/db/PolylineGeometry.h"
#include "host/ge/AcGeCircArc2d.h"
#include "host/ge/AcGeCircArc3d.h"
#include "host/ge/AcGeLineSeg2d.h"
#include "host/ge/AcGeLineSeg3d.h"
#include "host/ge/AcGePoint2d.h"

class AcDbPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);

  enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

  AcDbPolyline();
  // Room for that many vertices (none are added).
  explicit AcDbPolyline(unsigned int numVerts);
  ~AcDbPolyline() override;

  unsigned int numVerts() const;
  // An index past the end appends. A negative width: the polyline's constant width (0 when
  // it has none).
  Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge = 0.0, double startWidth = -1.0,
                                double endWidth = -1.0);
  Acad::ErrorStatus removeVertexAt(unsigned int index);
  // Keeps the first numVerts vertices (reuse) or removes all.
  Acad::ErrorStatus reset(bool reuse, unsigned int numVerts);

  // Vertex access; an index past the end: eInvalidIndex.
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& pt) const;  // world
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& pt) const;  // the plane's own
  Acad::ErrorStatus getPoint2dAt(unsigned int index, AcGePoint2d& pt) const { return getPointAt(index, pt); }
  Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& pt);
  Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);

  // Segment i starts at vertex i. kCoincident: its two points are equal; kPoint: the polyline
  // has one vertex; kEmpty: none, or an index without a segment.
  SegType segType(unsigned int index) const;
  // eWrongObjectType when the segment is not of that kind; eInvalidIndex past the segments.
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& seg) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg2d& seg) const;
  // The 3D arc runs counter-clockwise about the normal (from the segment's end to its start for
  // a negative bulge); the 2D arc runs from the segment's start to its end in the plane.
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const;
  bool isOnlyLines() const;

  Adesk::Boolean isClosed() const override;
  void setClosed(Adesk::Boolean closed);
  double elevation() const;
  void setElevation(double value);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  // eInvalidInput when the vertices have different widths.
  Acad::ErrorStatus getConstantWidth(double& width) const;
  // Sets every vertex's widths.
  Acad::ErrorStatus setConstantWidth(double width);
  double length() const;

  // Parameters: vertex i at i, along a segment in proportion (by angle on arcs).
  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  Acad::ErrorStatus getArea(double& area) const override;
  bool getPieces(std::vector<zhost::CurvePiece>& pieces) const override;

  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  void subList() const override;
  Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                      const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                      const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                      AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                     AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
  Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const override;
  Acad::ErrorStatus subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
  bool isPlanar() const override { return true; }

  // After the table's fields: Boolean closed, Int32 vertex count, per vertex Point2d, Double
  // bulge, Double start width, Double end width.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  static const std::vector<zhost::GeomField<AcDbPolyline>>& fields();
  bool validIndex(unsigned int index) const { return index < path_.vertices.size(); }

  zhost::BulgePath path_;
  double thickness_ = 0.0;
  // The width given to new vertices without widths (the last setConstantWidth).
  double constantWidth_ = 0.0;
};
