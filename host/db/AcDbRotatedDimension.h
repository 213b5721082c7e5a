// AcDbRotatedDimension: a linear dimension measured along a direction (its rotation), between the
// origins of two extension lines, its dimension line through a point.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbRotatedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRotatedDimension);
  AcDbRotatedDimension();
  AcDbRotatedDimension(double rotation, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                       const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr,
                       AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbRotatedDimension() override;

  AcGePoint3d xLine1Point() const;
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& value);
  AcGePoint3d xLine2Point() const;
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& value);
  AcGePoint3d dimLinePoint() const;
  Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& value);
  // The angle of the dimension line in the plane of the normal.
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  // The extension lines' obliquing angle (0: at right angles to the dimension line).
  double oblique() const;
  Acad::ErrorStatus setOblique(double angle);

  // After the dimension part: Int16 version, then the fields in declaration order.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 protected:
  double subMeasurement() const override;
  Acad::ErrorStatus subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const override;
  AcGePoint3d subDefaultTextPosition() const override;
  void subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d& newNormal) override;
  void subListGeometry() const override;

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.xLine1_);
    fn(self.xLine2_);
    fn(self.dimLine_);
    fn(self.rotation_);
    fn(self.oblique_);
  }

  AcGePoint3d xLine1_;
  AcGePoint3d xLine2_;
  AcGePoint3d dimLine_;
  double rotation_{0.0};
  double oblique_{0.0};
};
