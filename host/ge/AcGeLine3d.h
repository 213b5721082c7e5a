// AcGeLine3d: an infinite straight line, point + t * vector.
#pragma once

#include "host/ge/AcGeLinearEnt3d.h"

class AcGeLine3d : public AcGeLinearEnt3d {
 public:
  static const AcGeLine3d kXAxis;
  static const AcGeLine3d kYAxis;
  static const AcGeLine3d kZAxis;

  AcGeLine3d() : AcGeLinearEnt3d(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis) {}  // the x axis
  AcGeLine3d(const AcGePoint3d& point, const AcGeVector3d& vector) : AcGeLinearEnt3d(point, vector) {}
  // Through p1 (parameter 0) and p2 (parameter 1).
  AcGeLine3d(const AcGePoint3d& p1, const AcGePoint3d& p2) : AcGeLinearEnt3d(p1, p2 - p1) {}

  AcGeLine3d& set(const AcGePoint3d& point, const AcGeVector3d& vector) {
    point_ = point;
    vector_ = vector;
    return *this;
  }
  AcGeLine3d& set(const AcGePoint3d& p1, const AcGePoint3d& p2) { return set(p1, p2 - p1); }

  AcGe::EntityId type() const override { return AcGe::kLine3d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kLine3d || AcGeLinearEnt3d::isKindOf(id); }
  AcGeEntity3d* copy() const override { return new AcGeLine3d(*this); }

  void getInterval(AcGeInterval& interval) const override { interval.set(); }
  bool hasStartPoint(AcGePoint3d&) const override { return false; }
  bool hasEndPoint(AcGePoint3d&) const override { return false; }
  AcGeCurve3d& reverseParam() override {
    vector_ = -vector_;
    return *this;
  }

 protected:
  bool bounded() const override { return false; }
};
