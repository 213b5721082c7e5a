// AcDbCircle: a full circle about its center in the plane of its normal.
#pragma once

#include <vector>

#include "host/db/AcDbCurve.h"
#include "host/db/GeomEntityFields.h"
#include "host/ge/AcGeCircArc3d.h"

class AcDbCircle : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);

  AcDbCircle();
  AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);
  ~AcDbCircle() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& value);
  double radius() const;
  // Positive values only.
  Acad::ErrorStatus setRadius(double value);
  double diameter() const { return 2 * radius(); }
  double circumference() const;
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  AcGeCircArc3d geCircle() const;

  Adesk::Boolean isClosed() const override { return true; }
  Adesk::Boolean isPeriodic() const override { return true; }
  Acad::ErrorStatus getArea(double& area) const override;

  Acad::ErrorStatus getStartParam(double& param) const override;
  Acad::ErrorStatus getEndParam(double& param) const override;
  Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const override;
  Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const override;
  // The parameter is the angle in the entity's plane.
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
  static const std::vector<zhost::GeomField<AcDbCircle>>& fields();

  AcGePoint3d center_;
  double radius_ = 1.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
};
