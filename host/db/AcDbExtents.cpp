// World-coordinate boxes.
#include "host/db/AcDbExtents.h"

#include <algorithm>
#include <limits>

namespace {
const double kBig = std::numeric_limits<double>::max();
}

AcDbExtents::AcDbExtents() : min_(kBig, kBig, kBig), max_(-kBig, -kBig, -kBig) {}

AcDbExtents::AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max) : AcDbExtents() {
  addPoint(min);
  addPoint(max);
}

Acad::ErrorStatus AcDbExtents::set(const AcGePoint3d& min, const AcGePoint3d& max) {
  if (min.x > max.x || min.y > max.y || min.z > max.z) return Acad::eInvalidExtents;
  min_ = min;
  max_ = max;
  return Acad::eOk;
}

bool AcDbExtents::isValid() const { return min_.x <= max_.x && min_.y <= max_.y && min_.z <= max_.z; }

void AcDbExtents::addPoint(const AcGePoint3d& pt) {
  min_.set(std::min(min_.x, pt.x), std::min(min_.y, pt.y), std::min(min_.z, pt.z));
  max_.set(std::max(max_.x, pt.x), std::max(max_.y, pt.y), std::max(max_.z, pt.z));
}

void AcDbExtents::addExt(const AcDbExtents& src) {
  if (!src.isValid()) return;
  addPoint(src.min_);
  addPoint(src.max_);
}

void AcDbExtents::expandBy(const AcGeVector3d& vec) {
  if (!isValid()) return;
  AcGePoint3d a = min_ + vec, b = max_ + vec;
  addPoint(a);
  addPoint(b);
}

void AcDbExtents::transformBy(const AcGeMatrix3d& mat) {
  if (!isValid()) return;
  AcGePoint3d lo = min_, hi = max_;
  *this = AcDbExtents();
  for (int i = 0; i < 8; ++i) {
    AcGePoint3d corner((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
    addPoint(mat * corner);
  }
}

bool AcDbExtents::contains(const AcGePoint3d& pt, double tol) const {
  return isValid() && pt.x >= min_.x - tol && pt.x <= max_.x + tol && pt.y >= min_.y - tol &&
         pt.y <= max_.y + tol && pt.z >= min_.z - tol && pt.z <= max_.z + tol;
}
