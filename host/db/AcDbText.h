// AcDbText: a single-line text: insertion and alignment points, height, rotation, width factor,
// obliquing angle, the string, its text style and its justification. Transformations keep a
// mirrored text readable (the position is mirrored, the text still reads left to right); the
// extents are the deterministic box of height x characters x 0.6 x width factor.
#pragma once

#include <string>

#include "host/db/AcDbEntity.h"

namespace AcDb {
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVertMid = 2, kTextTop = 3 };
}  // namespace AcDb

class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
           double height = 0.0, double rotation = 0.0);
  ~AcDbText() override;

  // Points in world coordinates. The alignment point counts for every justification but
  // left-baseline.
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& pt);
  AcGePoint3d alignmentPoint() const;
  Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& pt);
  bool isDefaultAlignment() const;
  // Positive finite heights only (eInvalidInput).
  double height() const;
  Acad::ErrorStatus setHeight(double height);
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  // Positive finite factors only.
  double widthFactor() const;
  Acad::ErrorStatus setWidthFactor(double factor);
  double oblique() const;
  Acad::ErrorStatus setOblique(double angle);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // A new copy the caller frees with acutDelString.
  ACHAR* textString() const;
  // The entity's own text, valid until the next change.
  const ACHAR* textStringConst() const;
  Acad::ErrorStatus setTextString(const ACHAR* text);

  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  AcDb::TextHorzMode horizontalMode() const;
  Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
  AcDb::TextVertMode verticalMode() const;
  Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
  bool isMirroredInX() const;
  Acad::ErrorStatus mirrorInX(bool mirror);
  bool isMirroredInY() const;
  Acad::ErrorStatus mirrorInY(bool mirror);

  // The corners of the text box (lower left, lower right, upper right, upper left) in world
  // coordinates.
  void getBoundingPoints(AcGePoint3d corners[4]) const;

  // The database's text height and text style.
  void subSetDatabaseDefaults(AcDbDatabase* pDb) override;
  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  // Not explodable into geometry for now.
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  void subList() const override;
  Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                      const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                      const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                      AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                     AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // After the entity part: Int16 version, then the fields in declaration order.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  // Every field, in filing order: one list for filing out, filing in and copying.
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.position_);
    fn(self.alignment_);
    fn(self.normal_);
    fn(self.height_);
    fn(self.rotation_);
    fn(self.widthFactor_);
    fn(self.oblique_);
    fn(self.thickness_);
    fn(self.text_);
    fn(self.style_);
    fn(self.horzMode_);
    fn(self.vertMode_);
    fn(self.mirroredX_);
    fn(self.mirroredY_);
  }
  AcGePoint3d baselineStart() const;
  double lineWidth() const;

  AcGePoint3d position_, alignment_;
  AcGeVector3d normal_{0, 0, 1};
  double height_ = 2.5, rotation_ = 0.0, widthFactor_ = 1.0, oblique_ = 0.0, thickness_ = 0.0;
  std::wstring text_;
  AcDbHardPointerId style_;
  // The justification as filed (AcDb::TextHorzMode, AcDb::TextVertMode).
  Adesk::Int16 horzMode_ = AcDb::kTextLeft;
  Adesk::Int16 vertMode_ = AcDb::kTextBase;
  bool mirroredX_ = false, mirroredY_ = false;
};
