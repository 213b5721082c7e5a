// AcGiGeometry: the primitives a drawing entity draws with (polylines, polygons, circles, arcs,
// construction lines, rays, texts), nested drawing of other entities and the model transform
// stack for block contents. AcGiWorldGeometry serves worldDraw, AcGiViewportGeometry
// viewportDraw (with the eye and display coordinate forms). Every primitive returns
// Adesk::kFalse to go on and Adesk::kTrue when the regeneration was aborted.
#pragma once

#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/ge/adesk.h"
#include "host/gi/AcGi.h"
#include "host/rx/ads.h"

class AcDbEntity;
class AcGiDrawable;
class AcGiTextStyle;

class AcGiGeometry {
 public:
  virtual ~AcGiGeometry() = default;

  // lBaseSubEntMarker >= 0: segment i of the polyline gets the selection marker base + i + 1.
  virtual Adesk::Boolean polyline(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList,
                                  const AcGeVector3d* pNormal = nullptr,
                                  Adesk::LongPtr lBaseSubEntMarker = -1) const = 0;
  // Closed; filled when the traits' fill type is kAcGiFillAlways.
  virtual Adesk::Boolean polygon(const Adesk::UInt32 nbPoints, const AcGePoint3d* pVertexList) const = 0;
  virtual Adesk::Boolean circle(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal) const = 0;
  virtual Adesk::Boolean circle(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const = 0;
  // Counter-clockwise about the normal from startVector by sweepAngle.
  virtual Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal,
                                     const AcGeVector3d& startVector, const double sweepAngle,
                                     const AcGiArcType arcType = kAcGiArcSimple) const = 0;
  virtual Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point, const AcGePoint3d& end,
                                     const AcGiArcType arcType = kAcGiArcSimple) const = 0;
  virtual Adesk::Boolean xline(const AcGePoint3d& p1, const AcGePoint3d& p2) const = 0;
  virtual Adesk::Boolean ray(const AcGePoint3d& basePoint, const AcGePoint3d& throughPoint) const = 0;
  // A text in the default line font; width is the width factor.
  virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                              const double height, const double width, const double oblique,
                              const ACHAR* pMsg) const = 0;
  // A text in the style (its size, width factor, obliquing angle and font); length -1: the
  // whole text; raw: "%%" codes are shown as written.
  virtual Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                              const ACHAR* pMsg, const Adesk::Int32 length, const Adesk::Boolean raw,
                              const AcGiTextStyle& style) const = 0;

  // Draws another entity or drawable here (block contents, nested graphics).
  virtual Adesk::Boolean draw(AcDbEntity* pEntity) const = 0;
  virtual Adesk::Boolean draw(AcGiDrawable* pDrawable) const = 0;

  // Primitives drawn until the matching pop go through xform (after the transforms already
  // pushed).
  virtual Adesk::Boolean pushModelTransform(const AcGeMatrix3d& xform) = 0;
  virtual Adesk::Boolean popModelTransform() = 0;
  virtual AcGeMatrix3d getModelToWorldTransform() const = 0;
  virtual AcGeMatrix3d getWorldToModelTransform() const = 0;
};

class AcGiWorldGeometry : public AcGiGeometry {};

// In a plan view the eye and display coordinates are the world's: the forms below draw as
// their world counterparts.
class AcGiViewportGeometry : public AcGiGeometry {
 public:
  virtual Adesk::Boolean polylineEye(const Adesk::UInt32 nbPoints, const AcGePoint3d* pPoints) const = 0;
  virtual Adesk::Boolean polygonEye(const Adesk::UInt32 nbPoints, const AcGePoint3d* pPoints) const = 0;
  virtual Adesk::Boolean polylineDc(const Adesk::UInt32 nbPoints, const AcGePoint3d* pPoints) const = 0;
  virtual Adesk::Boolean polygonDc(const Adesk::UInt32 nbPoints, const AcGePoint3d* pPoints) const = 0;
};
