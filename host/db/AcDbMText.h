// AcDbMText: a multiline text: location, contents (lines separated by "\P" or a line feed),
// text height, reference width, direction (rotation) in the plane of its normal, attachment of
// the location and line spacing. It explodes into one single-line text per non-empty line; a
// line's pitch is 5/3 of the text height times the line-spacing factor.
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDbEntity.h"

class AcDbText;

class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;

  enum AttachmentPoint {
    kTopLeft = 1, kTopCenter = 2, kTopRight = 3,
    kMiddleLeft = 4, kMiddleCenter = 5, kMiddleRight = 6,
    kBottomLeft = 7, kBottomCenter = 8, kBottomRight = 9,
  };

  AcGePoint3d location() const;
  Acad::ErrorStatus setLocation(const AcGePoint3d& pt);
  // A new copy the caller frees with acutDelString.
  ACHAR* contents() const;
  const ACHAR* contentsConst() const;
  Acad::ErrorStatus setContents(const ACHAR* text);
  // Positive finite heights only.
  double textHeight() const;
  Acad::ErrorStatus setTextHeight(double height);
  // 0: no wrapping width.
  double width() const;
  Acad::ErrorStatus setWidth(double width);
  // The angle of the direction in the plane of the normal.
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  // The x direction (unit, in the plane of the normal).
  AcGeVector3d direction() const;
  Acad::ErrorStatus setDirection(const AcGeVector3d& dir);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  AttachmentPoint attachment() const;
  Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
  double lineSpacingFactor() const;
  Acad::ErrorStatus setLineSpacingFactor(double factor);
  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  // The contents split into lines.
  std::vector<std::wstring> lines() const;
  // The box of all lines (lower left, lower right, upper right, upper left).
  void getBoundingPoints(AcGePoint3d corners[4]) const;

  void subSetDatabaseDefaults(AcDbDatabase* pDb) override;
  Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform) override;
  // One AcDbText per non-empty line, justified as the attachment says.
  Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const override;
  void subList() const override;
  Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                     AcDbIntArray& geomIds) const override;
  Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // After the entity part: Int16 version, then the fields in declaration order.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;

 private:
  template <class Self, class Fn>
  static void forEachField(Self& self, Fn&& fn) {
    fn(self.location_);
    fn(self.direction_);
    fn(self.normal_);
    fn(self.contents_);
    fn(self.height_);
    fn(self.width_);
    fn(self.lineSpacing_);
    fn(self.attachment_);
    fn(self.style_);
  }
  double pitch() const;
  // The top of the first line, on the attachment's side.
  AcGePoint3d blockTop(size_t lineCount) const;

  AcGePoint3d location_;
  AcGeVector3d direction_{1, 0, 0};
  AcGeVector3d normal_{0, 0, 1};
  std::wstring contents_;
  double height_ = 2.5, width_ = 0.0, lineSpacing_ = 1.0;
  Adesk::Int16 attachment_ = kTopLeft;  // AttachmentPoint
  AcDbHardPointerId style_;
};
