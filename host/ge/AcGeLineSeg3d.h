// AcGeLineSeg3d: a straight segment; its parameter runs from 0 at the start to 1 at the end.
#pragma once

#include "host/ge/AcGeLinearEnt3d.h"

class AcGeLineSeg3d : public AcGeLinearEnt3d {
 public:
  AcGeLineSeg3d() : AcGeLinearEnt3d(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis) {}  // (0,0,0)-(1,0,0)
  AcGeLineSeg3d(const AcGePoint3d& start, const AcGePoint3d& end) : AcGeLinearEnt3d(start, end - start) {}
  // From point to point + vector.
  AcGeLineSeg3d(const AcGePoint3d& point, const AcGeVector3d& vector) : AcGeLinearEnt3d(point, vector) {}

  AcGeLineSeg3d& set(const AcGePoint3d& start, const AcGePoint3d& end) { return set(start, end - start); }
  AcGeLineSeg3d& set(const AcGePoint3d& point, const AcGeVector3d& vector) {
    point_ = point;
    vector_ = vector;
    return *this;
  }

  AcGePoint3d startPoint() const { return point_; }
  AcGePoint3d endPoint() const { return point_ + vector_; }
  AcGePoint3d midPoint() const { return point_ + vector_ * 0.5; }
  double length() const { return vector_.length(); }
  using AcGeLinearEnt3d::length;

  AcGe::EntityId type() const override { return AcGe::kLineSeg3d; }
  bool isKindOf(AcGe::EntityId id) const override { return id == AcGe::kLineSeg3d || AcGeLinearEnt3d::isKindOf(id); }
  AcGeEntity3d* copy() const override { return new AcGeLineSeg3d(*this); }

  void getInterval(AcGeInterval& interval) const override { interval.set(kLowParam, kHighParam); }
  // Also gives the end points.
  void getInterval(AcGeInterval& interval, AcGePoint3d& start, AcGePoint3d& end) const {
    getInterval(interval);
    start = startPoint();
    end = endPoint();
  }
  bool hasStartPoint(AcGePoint3d& p) const override {
    p = startPoint();
    return true;
  }
  bool hasEndPoint(AcGePoint3d& p) const override {
    p = endPoint();
    return true;
  }
  AcGeCurve3d& reverseParam() override {
    point_ = endPoint();
    vector_ = -vector_;
    return *this;
  }

 protected:
  bool bounded() const override { return true; }
};
