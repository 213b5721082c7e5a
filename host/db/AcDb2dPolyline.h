// AcDb2dPolyline and AcDb2dVertex: the heavy 2D polyline, whose vertices are entities of their
// own (position in the polyline's plane, bulge, widths). The polyline owns its vertices and
// files them with itself; vertexIterator() walks them.
#pragma once

#include <memory>
#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/AcDbObjectIterator.h"
#include "host/db/GeomEntityFields.h"
#include "host/db/PolylineGeometry.h"
#include "host/ge/AcGeDoubleArray.h"
#include "host/ge/AcGePoint3dArray.h"

namespace AcDb {
enum Poly2dType { k2dSimplePoly = 0, k2dFitCurvePoly = 1, k2dQuadSplinePoly = 2, k2dCubicSplinePoly = 3 };
enum Vertex2dType { k2dVertex = 0, k2dSplineCtlVertex = 1, k2dSplineFitVertex = 2, k2dCurveFitVertex = 3 };
}  // namespace AcDb

class AcDb2dVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dVertex);

  AcDb2dVertex();
  // position in the polyline's plane (z is the elevation and is not used).
  AcDb2dVertex(const AcGePoint3d& position, double bulge = 0.0, double startWidth = 0.0, double endWidth = 0.0,
               double tangent = 0.0);
  ~AcDb2dVertex() override;

  AcDb::Vertex2dType vertexType() const { return AcDb::k2dVertex; }
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& value);
  double bulge() const;
  Acad::ErrorStatus setBulge(double value);
  double startWidth() const;
  Acad::ErrorStatus setStartWidth(double value);
  double endWidth() const;
  Acad::ErrorStatus setEndWidth(double value);
  double tangent() const;
  Acad::ErrorStatus setTangent(double value);

  void subList() const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

  // The vertex's own fields without the entity part (the polyline files its vertices so).
  void writeVertexFields(AcDbDwgFiler* filer) const;
  Acad::ErrorStatus readVertexFields(AcDbDwgFiler* filer);

 private:
  static const std::vector<zhost::GeomField<AcDb2dVertex>>& fields();

  AcGePoint3d position_;
  double bulge_ = 0.0, startWidth_ = 0.0, endWidth_ = 0.0, tangent_ = 0.0;
};

class AcDb2dPolyline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2dPolyline);

  AcDb2dPolyline();
  // One vertex per point (in the plane's own coordinates), with the default widths and the
  // bulges when given (missing ones are 0).
  AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation = 0.0,
                 Adesk::Boolean closed = false, double defStartWidth = 0.0, double defEndWidth = 0.0,
                 const AcGeDoubleArray* bulges = nullptr);
  ~AcDb2dPolyline() override;

  AcDb::Poly2dType polyType() const;
  // Fit and spline types are kept and filed; the geometry stays that of the vertices.
  Acad::ErrorStatus setPolyType(AcDb::Poly2dType type);
  Adesk::Boolean isClosed() const override;
  Acad::ErrorStatus makeClosed();
  Acad::ErrorStatus makeOpen();
  Acad::ErrorStatus setClosed(Adesk::Boolean closed) { return closed ? makeClosed() : makeOpen(); }
  double elevation() const;
  Acad::ErrorStatus setElevation(double value);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  double defaultStartWidth() const;
  Acad::ErrorStatus setDefaultStartWidth(double value);
  double defaultEndWidth() const;
  Acad::ErrorStatus setDefaultEndWidth(double value);
  // Applies one width to every vertex and the defaults.
  Acad::ErrorStatus setConstantWidth(double width);

  // Takes ownership of the vertex (eInvalidInput for null or one already in this polyline,
  // eAlreadyInDb for one in a database). The id form gives a null id: vertices are not separate
  // database objects here.
  Acad::ErrorStatus appendVertex(AcDb2dVertex* vertex);
  Acad::ErrorStatus appendVertex(AcDbObjectId& objId, AcDb2dVertex* vertex);
  int numVerts() const;
  // A new iterator over the vertices; the caller deletes it.
  AcDbObjectIterator* vertexIterator() const;
  // The world position of one of this polyline's vertices.
  AcGePoint3d vertexPosition(const AcDb2dVertex& vertex) const;
  double length() const;

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

  // After the table's fields: Int16 type, Boolean closed, Int32 vertex count, per vertex its
  // own fields.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  static const std::vector<zhost::GeomField<AcDb2dPolyline>>& fields();
  zhost::BulgePath path() const;
  // Writes positions, bulges and widths of the path back to the vertices.
  void takePath(const zhost::BulgePath& path);

  AcDb::Poly2dType type_ = AcDb::k2dSimplePoly;
  bool closed_ = false;
  double elevation_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
  double defStartWidth_ = 0.0, defEndWidth_ = 0.0;
  std::vector<std::unique_ptr<AcDb2dVertex>> vertices_;
};
