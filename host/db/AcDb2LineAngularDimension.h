// AcDb2LineAngularDimension: the angle between two lines, in the sector where its arc point lies
// (the arc's radius is the arc point's distance from where the lines meet).
#pragma once

#include "host/db/AcDbDimension.h"

class AcDb2LineAngularDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDb2LineAngularDimension);
  AcDb2LineAngularDimension();
  AcDb2LineAngularDimension(const AcGePoint3d& xLine1Start, const AcGePoint3d& xLine1End,
                            const AcGePoint3d& xLine2Start, const AcGePoint3d& xLine2End,
                            const AcGePoint3d& arcPoint, const ACHAR* dimText = nullptr,
                            AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDb2LineAngularDimension() override;

  AcGePoint3d xLine1Start() const;
  Acad::ErrorStatus setXLine1Start(const AcGePoint3d& value);
  AcGePoint3d xLine1End() const;
  Acad::ErrorStatus setXLine1End(const AcGePoint3d& value);
  AcGePoint3d xLine2Start() const;
  Acad::ErrorStatus setXLine2Start(const AcGePoint3d& value);
  AcGePoint3d xLine2End() const;
  Acad::ErrorStatus setXLine2End(const AcGePoint3d& value);
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
  bool isAngular() const override { return true; }

 private:
  // The vertex and the two rays bounding the arc point's sector, with the distances of the
  // lines' far ends along them. False for parallel or degenerate lines.
  bool sector(AcGePoint3d& center, double& startAngle, double& endAngle, double& dist1, double& dist2) const;

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.line1Start_);
    fn(self.line1End_);
    fn(self.line2Start_);
    fn(self.line2End_);
    fn(self.arcPoint_);
  }

  AcGePoint3d line1Start_;
  AcGePoint3d line1End_;
  AcGePoint3d line2Start_;
  AcGePoint3d line2End_;
  AcGePoint3d arcPoint_;
};
