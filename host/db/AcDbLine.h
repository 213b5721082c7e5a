// AcDbLine: a straight segment between two points, with a thickness along its normal.
#pragma once

#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/GeomEntityFields.h"

class AcDbLine : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLine);

  AcDbLine();
  AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end);
  ~AcDbLine() override;

  AcGePoint3d startPoint() const;
  Acad::ErrorStatus setStartPoint(const AcGePoint3d& point);
  AcGePoint3d endPoint() const;
  Acad::ErrorStatus setEndPoint(const AcGePoint3d& point);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  AcGeVector3d normal() const;
  // A zero vector: eInvalidInput.
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);
  double length() const;

  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  // The parameter is the distance from the start point.
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  bool getPieces(std::vector<zhost::CurvePiece>& pieces) const override;

  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
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

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  static const std::vector<zhost::GeomField<AcDbLine>>& fields();

  AcGePoint3d start_, end_;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
};
