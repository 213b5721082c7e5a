// AcGeInterval: bounds and tolerant membership.
#include "host/ge/AcGeInterval.h"

#include <cmath>
#include <utility>

AcGeInterval& AcGeInterval::set(double lower, double upper) {
  if (upper < lower) std::swap(lower, upper);
  lower_ = lower;
  upper_ = upper;
  boundedBelow_ = boundedAbove_ = true;
  return *this;
}

AcGeInterval& AcGeInterval::setLower(double lower) {
  lower_ = lower;
  boundedBelow_ = true;
  if (boundedAbove_ && upper_ < lower_) std::swap(lower_, upper_);
  return *this;
}

AcGeInterval& AcGeInterval::setUpper(double upper) {
  upper_ = upper;
  boundedAbove_ = true;
  if (boundedBelow_ && upper_ < lower_) std::swap(lower_, upper_);
  return *this;
}

bool AcGeInterval::contains(double value) const {
  if (boundedBelow_ && value < lower_ - tol_) return false;
  if (boundedAbove_ && value > upper_ + tol_) return false;
  return true;
}

bool AcGeInterval::isEqualTo(const AcGeInterval& other, double tol) const {
  if (boundedBelow_ != other.boundedBelow_ || boundedAbove_ != other.boundedAbove_) return false;
  if (boundedBelow_ && std::fabs(lower_ - other.lower_) > tol) return false;
  if (boundedAbove_ && std::fabs(upper_ - other.upper_) > tol) return false;
  return true;
}
