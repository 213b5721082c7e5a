// AcGeLineSeg2d: a straight segment in the plane (line segments of lightweight polylines).
#pragma once

#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGeVector2d.h"

class AcGeLineSeg2d {
 public:
  AcGeLineSeg2d() : end_(1.0, 0.0) {}  // (0,0)-(1,0)
  AcGeLineSeg2d(const AcGePoint2d& start, const AcGePoint2d& end) : start_(start), end_(end) {}

  AcGeLineSeg2d& set(const AcGePoint2d& start, const AcGePoint2d& end) {
    start_ = start;
    end_ = end;
    return *this;
  }
  AcGePoint2d startPoint() const { return start_; }
  AcGePoint2d endPoint() const { return end_; }
  AcGePoint2d midPoint() const { return start_ + (end_ - start_) * 0.5; }
  AcGeVector2d direction() const { return (end_ - start_).normal(); }
  double length() const { return start_.distanceTo(end_); }
  // The parameter runs from 0 at the start to 1 at the end.
  AcGePoint2d evalPoint(double param) const { return start_ + (end_ - start_) * param; }

 private:
  AcGePoint2d start_;
  AcGePoint2d end_;
};
