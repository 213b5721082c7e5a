// AcDbPoint: a single point (node) with an optional thickness along its normal.
#pragma once

#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/GeomEntityFields.h"

class AcDbPoint : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);

  AcDbPoint();
  explicit AcDbPoint(const AcGePoint3d& position);
  ~AcDbPoint() override;

  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& value);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);
  // The rotation of the point's symbol about its normal.
  double ecsRotation() const;
  Acad::ErrorStatus setEcsRotation(double value);

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
  static const std::vector<zhost::GeomField<AcDbPoint>>& fields();

  AcGePoint3d position_;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double ecsRotation_ = 0.0;
};
