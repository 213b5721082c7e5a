// AcGePlane: an unbounded plane. Degenerate input (a zero normal, points on one line) leaves the
// plane as it was; the flag forms of set report it.
#pragma once

#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePlanarEnt.h"

class AcGePlane : public AcGePlanarEnt {
 public:
  static const AcGePlane kXYPlane;
  static const AcGePlane kYZPlane;
  static const AcGePlane kZXPlane;

  AcGePlane() = default;  // the XY plane
  // Through origin with that normal; the u axis is normal.perpVector().
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& normal) { set(origin, normal); }
  // The platform's three-point form: the origin is the MIDDLE argument, u runs to pntU, and the
  // normal is (pntU - origin) x (pntV - origin).
  AcGePlane(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV) { set(pntU, origin, pntV); }
  AcGePlane(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis) {
    set(origin, uAxis, vAxis);
  }
  // ax + by + cz + d = 0.
  AcGePlane(double a, double b, double c, double d) { set(a, b, c, d); }

  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& normal);
  AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV);
  AcGePlane& set(const AcGePoint3d& pntU, const AcGePoint3d& origin, const AcGePoint3d& pntV,
                 AcGe::ErrorCondition& flag);
  AcGePlane& set(const AcGePoint3d& origin, const AcGeVector3d& uAxis, const AcGeVector3d& vAxis);
  AcGePlane& set(double a, double b, double c, double d);

  AcGe::EntityId type() const override { return AcGe::kPlane; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kPlane || AcGePlanarEnt::isKindOf(id); }
  AcGeEntity3d* copy() const override { return new AcGePlane(*this); }
};
