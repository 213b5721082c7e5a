// AcDbSolid: a filled triangle or quadrilateral of three or four corners (a triangle repeats
// its third corner as the fourth), drawn in the corner order 0, 1, 3, 2 as the CAD program does.
#pragma once

#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/GeomEntityFields.h"

class AcDbSolid : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSolid);

  AcDbSolid();
  AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2);
  AcDbSolid(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2, const AcGePoint3d& pt3);
  ~AcDbSolid() override;

  // Corners 0..3 (eInvalidIndex otherwise), in world coordinates.
  Acad::ErrorStatus getPointAt(Adesk::UInt16 index, AcGePoint3d& point) const;
  Acad::ErrorStatus setPointAt(Adesk::UInt16 index, const AcGePoint3d& point);
  double thickness() const;
  Acad::ErrorStatus setThickness(double value);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& value);

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
  static const std::vector<zhost::GeomField<AcDbSolid>>& fields();

  AcGePoint3d p0_, p1_, p2_, p3_;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
};
