// AcDbOrdinateDimension: the distance of a defining point from an origin along the x or y axis
// of its plane, shown at the end of a leader.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbOrdinateDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbOrdinateDimension);
  AcDbOrdinateDimension();
  AcDbOrdinateDimension(bool useXAxis, const AcGePoint3d& definingPoint, const AcGePoint3d& leaderEndPoint,
                        const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbOrdinateDimension() override;

  AcGePoint3d origin() const;
  Acad::ErrorStatus setOrigin(const AcGePoint3d& value);
  AcGePoint3d definingPoint() const;
  Acad::ErrorStatus setDefiningPoint(const AcGePoint3d& value);
  AcGePoint3d leaderEndPoint() const;
  Acad::ErrorStatus setLeaderEndPoint(const AcGePoint3d& value);
  // Measures along the x axis of the plane (else the y axis).
  bool isUsingXAxis() const;
  bool isUsingYAxis() const;
  Acad::ErrorStatus useXAxis();
  Acad::ErrorStatus useYAxis();

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
    fn(self.origin_);
    fn(self.defining_);
    fn(self.leaderEnd_);
    fn(self.xAxis_);
  }

  AcGePoint3d origin_;
  AcGePoint3d defining_;
  AcGePoint3d leaderEnd_;
  bool xAxis_{true};
};
