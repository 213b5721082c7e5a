// AcDbAlignedDimension: a linear dimension measured along the line through the origins of its
// two extension lines, its dimension line parallel to it through a point.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbAlignedDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAlignedDimension);
  AcDbAlignedDimension();
  AcDbAlignedDimension(const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                       const AcGePoint3d& dimLinePoint, const ACHAR* dimText = nullptr,
                       AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbAlignedDimension() override;

  AcGePoint3d xLine1Point() const;
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& value);
  AcGePoint3d xLine2Point() const;
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& value);
  AcGePoint3d dimLinePoint() const;
  Acad::ErrorStatus setDimLinePoint(const AcGePoint3d& value);
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
    fn(self.oblique_);
  }

  AcGePoint3d xLine1_;
  AcGePoint3d xLine2_;
  AcGePoint3d dimLine_;
  double oblique_{0.0};
};
