// AcDbArcDimension: the length of an arc about a center between two points on it (the radius
// is the first point's distance), on the side of its arc point.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbArcDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArcDimension);
  AcDbArcDimension();
  AcDbArcDimension(const AcGePoint3d& centerPoint, const AcGePoint3d& xLine1Point, const AcGePoint3d& xLine2Point,
                   const AcGePoint3d& arcPoint, const ACHAR* dimText = nullptr,
                   AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbArcDimension() override;

  AcGePoint3d centerPoint() const;
  Acad::ErrorStatus setCenterPoint(const AcGePoint3d& value);
  AcGePoint3d xLine1Point() const;
  Acad::ErrorStatus setXLine1Point(const AcGePoint3d& value);
  AcGePoint3d xLine2Point() const;
  Acad::ErrorStatus setXLine2Point(const AcGePoint3d& value);
  AcGePoint3d arcPoint() const;
  Acad::ErrorStatus setArcPoint(const AcGePoint3d& value);

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
    fn(self.center_);
    fn(self.xLine1_);
    fn(self.xLine2_);
    fn(self.arcPoint_);
  }

  AcGePoint3d center_;
  AcGePoint3d xLine1_;
  AcGePoint3d xLine2_;
  AcGePoint3d arcPoint_;
};
