// AcDbBlockReference: an insertion of a block definition (AcDbBlockTableRecord) at a position,
// with scale factors, a rotation about its normal; blockTransform() maps the block's
// coordinates (relative to its origin) into the world. It explodes into copies of the block's
// entities transformed by that matrix.
#pragma once

#include "host/db/AcDbEntity.h"
#include "host/ge/AcGeScale3d.h"

class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
  ~AcDbBlockReference() override;

  AcDbObjectId blockTableRecord() const;
  Acad::ErrorStatus setBlockTableRecord(AcDbObjectId id);
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& pt);
  AcGeScale3d scaleFactors() const;
  // Finite, non-zero factors only (eInvalidInput).
  Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // translation(position) x plane-to-world(normal) x rotation x scaling x translation(-origin).
  AcGeMatrix3d blockTransform() const;

  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  // Copies of the block's entities (erased ones left out) through blockTransform(). When one
  // cannot be copied that way nothing is returned and its error is.
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  void subList() const override;
  // The block's entity extents through blockTransform() (eInvalidExtents for an empty block).
  Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
  // The intersections of the block's entities (through blockTransform()) with pEnt.
  Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                     Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const override;
  Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                     AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                     Adesk::GsMarker otherGsMarker) const override;
  Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                      const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                      const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                      AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                     AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;

  // After the entity part: Int16 version, then the fields in declaration order.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.block_);
    fn(self.position_);
    fn(self.scale_);
    fn(self.rotation_);
    fn(self.normal_);
  }
  AcGePoint3d blockOrigin() const;

  AcDbHardPointerId block_;
  AcGePoint3d position_;
  AcGeScale3d scale_;
  double rotation_ = 0.0;
  AcGeVector3d normal_{0, 0, 1};
};
