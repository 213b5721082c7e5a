// AcDbDiametricDimension: the diameter of a circle or arc between two opposite chord points, with
// an optional leader beyond the first.
#pragma once

#include "host/db/AcDbDimension.h"

class AcDbDiametricDimension : public AcDbDimension {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDiametricDimension);
  AcDbDiametricDimension();
  AcDbDiametricDimension(const AcGePoint3d& chordPoint, const AcGePoint3d& farChordPoint, double leaderLength,
                         const ACHAR* dimText = nullptr, AcDbObjectId dimStyle = AcDbObjectId::kNull);
  ~AcDbDiametricDimension() override;

  AcGePoint3d chordPoint() const;
  Acad::ErrorStatus setChordPoint(const AcGePoint3d& value);
  AcGePoint3d farChordPoint() const;
  Acad::ErrorStatus setFarChordPoint(const AcGePoint3d& value);
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
  std::wstring measurementPrefix() const override { return L"%%c"; }

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.chord_);
    fn(self.farChord_);
    fn(self.leader_);
  }

  AcGePoint3d chord_;
  AcGePoint3d farChord_;
  double leader_{0.0};
};
