// AcDbRadialDimension: the radius of a circle or arc from its center to a chord point, with
// an optional leader beyond the chord point.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbRadialDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRadialDimension);
  AcDbRadialDimension();
  AcDbRadialDimension(const AcGePoint3d& center, const AcGePoint3d& chordPoint, double leaderLength,
                      const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbRadialDimension() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& value);
  AcGePoint3d chordPoint() const;
  Acad::ErrorStatus setChordPoint(const AcGePoint3d& value);
  // The leader beyond the chord point (0: none; finite, not negative).
  double leaderLength() const;
  Acad::ErrorStatus setLeaderLength(double length);

  // After the dimension part: Int16 version, then the fields in declaration order.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 protected:
  double subMeasurement() const override;
  Acad::ErrorStatus subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const override;
  AcGePoint3d subDefaultTextPosition() const override;
  void subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d& newNormal) override;
  void subListGeometry() const override;
  std::wstring measurementPrefix() const override { return L"R"; }

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.center_);
    fn(self.chord_);
    fn(self.leader_);
  }

  AcGePoint3d center_;
  AcGePoint3d chord_;
  double leader_{0.0};
};
