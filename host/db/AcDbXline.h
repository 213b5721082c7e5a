// AcDbXline: a construction line through a base point, infinite in both directions.
#pragma once

#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/GeomEntityFields.h"

class AcDbXline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXline);

  AcDbXline();
  ~AcDbXline() override;

  AcGePoint3d basePoint() const;
  Acad::ErrorStatus setBasePoint(const AcGePoint3d& value);
  AcGeVector3d unitDir() const;
  // Made unit; a zero vector: eInvalidInput.
  Acad::ErrorStatus setUnitDir(const AcGeVector3d& value);
  AcGePoint3d secondPoint() const { return basePoint() + unitDir(); }
  Acad::ErrorStatus setSecondPoint(const AcGePoint3d& value) { return setUnitDir(value - basePoint()); }

  // The parameter is the signed distance from the base point; there is no start or end.
  Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const override;
  Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const override;
  Acad::ErrorStatus getDistAtParam(double param, double& dist) const override;
  Acad::ErrorStatus getParamAtDist(double dist, double& param) const override;
  Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const override;
  bool getPieces(std::vector<zhost::CurvePiece>& pieces) const override;

  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  void subList() const override;
  // Unbounded: eInvalidExtents.
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

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  static const std::vector<zhost::GeomField<AcDbXline>>& fields();

  AcGePoint3d base_;
  AcGeVector3d dir_ = AcGeVector3d::kXAxis;
};
