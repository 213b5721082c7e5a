// AcGeTol: the two tolerances of geometric comparisons. Points are equal when their distance is at
// most equalPoint; vectors are equal (or parallel, perpendicular ...) when the compared unit-free
// quantity is at most equalVector.
#pragma once

class AcGeTol {
 public:
  AcGeTol() = default;

  double equalPoint() const { return equalPoint_; }
  double equalVector() const { return equalVector_; }
  // Negative tolerances make no sense; they are taken by their magnitude.
  void setEqualPoint(double value) { equalPoint_ = value < 0 ? -value : value; }
  void setEqualVector(double value) { equalVector_ = value < 0 ? -value : value; }

 private:
  double equalPoint_ = 1e-10;
  double equalVector_ = 1e-12;
};
