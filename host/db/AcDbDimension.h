// AcDbDimension: what every dimension has: the text position (default or user-placed), the
// user text ("" shows the measured value, "<>" stands for it inside a user text), the
// dimension style, the anonymous block of its graphics, text and horizontal rotations,
// elevation, normal, and the per-entity dimension-variable overrides (filed with the entity).
// The kinds derive from it and give their measurement and their graphics; the base turns the
// graphics into lines, arcs, solid arrowheads and a text (explode) from the sizes DIMASZ,
// DIMTXT, DIMEXO, DIMEXE and DIMGAP (times DIMSCALE) of the overrides, else the style, else the
// host's metric defaults.
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbDimStyleTable.h"
#include "host/db/AcDbEntity.h"

namespace zhost {

// The sizes a dimension draws with, DIMSCALE applied.
struct DimSizes {
  double arrow = 2.5, text = 2.5, extOffset = 0.625, extExtension = 1.25, gap = 0.625;
};

// The graphics of a dimension kind, before they become entities.
struct DimGraphics {
  struct Segment {
    AcGePoint3d from, to;
  };
  struct ArcPiece {
    AcGePoint3d center;
    double radius, startAngle, endAngle;  // in the plane of the dimension's normal
  };
  struct Arrow {
    AcGePoint3d tip;
    AcGeVector3d toTail;  // unit, from the tip along the dimension line
  };
  std::vector<Segment> lines;
  std::vector<ArcPiece> arcs;
  std::vector<Arrow> arrows;
  // The direction of the dimension line at the text (the text is turned to read along it).
  AcGeVector3d textDirection{1, 0, 0};
};

}  // namespace zhost

class AcDbDimension : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  AcDbDimension();
  ~AcDbDimension() override;

  AcGePoint3d textPosition() const;
  // Places the text there: the dimension stops using its default text position.
  Acad::ErrorStatus setTextPosition(const AcGePoint3d& pt);
  bool isUsingDefaultTextPosition() const;
  // The text goes back to its default place (and follows the geometry from now on).
  Acad::ErrorStatus useDefaultTextPosition();
  Acad::ErrorStatus useSetTextPosition();

  // A new copy the caller frees with acutDelString.
  ACHAR* dimensionText() const;
  const ACHAR* dimensionTextConst() const;
  Acad::ErrorStatus setDimensionText(const ACHAR* text);
  // The text the dimension shows: the measured value for "", the user text with its first "<>"
  // replaced by the measured value, nothing for " ".
  std::wstring displayText() const;
  // The measured value as the style formats it (DIMLFAC, DIMDEC / DIMADEC, DIMPOST), with the
  // kind's prefix or suffix.
  std::wstring formattedMeasurement() const;

  // Lengths in drawing units, angles in radians.
  Acad::ErrorStatus measurement(double& value) const;
  double measurement() const;

  AcDbObjectId dimensionStyle() const;
  Acad::ErrorStatus setDimensionStyle(AcDbObjectId style);
  AcDbObjectId dimBlockId() const;
  Acad::ErrorStatus setDimBlockId(AcDbObjectId block);
  double textRotation() const;
  Acad::ErrorStatus setTextRotation(double angle);
  double horizontalRotation() const;
  Acad::ErrorStatus setHorizontalRotation(double angle);
  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // Per-entity overrides by variable name (upper-cased; eInvalidInput for an empty name).
  Acad::ErrorStatus setDimVar(const std::wstring& name, const zhost::DimVarValue& value);
  // The override (eKeyNotFound when the entity has none for it).
  Acad::ErrorStatus getDimVar(const std::wstring& name, zhost::DimVarValue& value) const;
  Acad::ErrorStatus removeDimVar(const std::wstring& name);
  const zhost::DimVarMap& dimVarOverrides() const;
  // The value in force: the override, else the style's (eKeyNotFound when neither has it).
  Acad::ErrorStatus effectiveDimVar(const std::wstring& name, zhost::DimVarValue& value) const;
  // Numeric value in force, else the host's default for the variables the dimension draws with
  // (DIMASZ 2.5, DIMTXT 2.5, DIMEXO 0.625, DIMEXE 1.25, DIMGAP 0.625, DIMSCALE 1, DIMLFAC 1,
  // DIMDEC 2, DIMADEC 0), else fallback.
  double dimVarReal(const std::wstring& name, double fallback = 0.0) const;
  zhost::DimSizes sizes() const;

  void subSetDatabaseDefaults(AcDbDatabase* pDb) override;
  // The kind's points, the text position, the normal and the rotations.
  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  // Lines and arcs, arrowheads as solids, and the text at the text position.
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  // The kind's geometry, then the common values.
  void subList() const override;
  // The box of the exploded graphics.
  Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
  bool isPlanar() const override { return true; }

  // After the entity part: Int16 version, the common fields, Int32 count of overrides, then per
  // override String name, Int16 group code, Int8 kind and its Int32 / Double / String /
  // HardPointerId value. The kinds file their own fields after these.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 protected:
  // What a kind gives.
  virtual double subMeasurement() const { return 0.0; }
  virtual bool isAngular() const { return false; }
  virtual std::wstring measurementPrefix() const { return L""; }
  // Fails (eDegenerateGeometry) for geometry that cannot be drawn.
  virtual Acad::ErrorStatus subGraphics(zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const;
  virtual AcGePoint3d subDefaultTextPosition() const;
  // The kind's own points and angles; normal() is still the old normal, newNormal the new one.
  virtual void subTransformPoints(const AcGeMatrix3d& xform, const AcGeVector3d& newNormal);
  virtual void subListGeometry() const {}

  // Kinds call this after changing their geometry: a default text position follows it.
  void updateDefaultTextPosition();
  // The text position for a text centred above (along up) a point of the dimension line.
  AcGePoint3d textAbove(const AcGePoint3d& at, const AcGeVector3d& lineDirection) const;
  // The graphics of a linear dimension between two points measured along dir, its line
  // through dimLine.
  void linearGraphics(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& dimLine,
                      const AcGeVector3d& dir, zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const;
  // The arc of an angle about center from startAngle counter-clockwise to endAngle at radius,
  // with extension lines from the points at dist1 / dist2 on the two rays.
  void angularGraphics(const AcGePoint3d& center, double startAngle, double endAngle, double radius, double dist1,
                       double dist2, zhost::DimGraphics& graphics, const zhost::DimSizes& sizes) const;
  // The sweep (startAngle ccw to endAngle) between the directions of two points about a center
  // on the side of arcPoint.
  void angleOnSide(const AcGePoint3d& center, const AcGePoint3d& p1, const AcGePoint3d& p2,
                   const AcGePoint3d& arcPoint, double& startAngle, double& endAngle) const;
  const AcGeVector3d& planeNormal() const { return normal_; }

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.textPosition_);
    fn(self.defaultTextPosition_);
    fn(self.text_);
    fn(self.style_);
    fn(self.block_);
    fn(self.textRotation_);
    fn(self.horizontalRotation_);
    fn(self.elevation_);
    fn(self.normal_);
  }
  // The text's angle: textRotation when set, else along the line, turned to read left to right.
  double textAngle(const AcGeVector3d& lineDirection) const;

  AcGePoint3d textPosition_;
  bool defaultTextPosition_ = true;
  std::wstring text_;
  AcDbHardPointerId style_, block_;
  double textRotation_ = 0.0, horizontalRotation_ = 0.0, elevation_ = 0.0;
  AcGeVector3d normal_{0, 0, 1};
  zhost::DimVarMap overrides_;
};
