// AcGeInterval: a parameter range of a curve, bounded or unbounded at either end; membership is
// tested within the interval's own tolerance.
#pragma once

class AcGeInterval {
 public:
  explicit AcGeInterval(double tol = 1e-12) : tol_(tol) {}  // unbounded
  AcGeInterval(double lower, double upper, double tol = 1e-12) : tol_(tol) { set(lower, upper); }

  // The bounds are stored in ascending order whatever order they come in.
  AcGeInterval& set(double lower, double upper);
  AcGeInterval& set() {
    boundedBelow_ = boundedAbove_ = false;
    return *this;
  }
  AcGeInterval& setLower(double lower);
  AcGeInterval& setUpper(double upper);
  AcGeInterval& setTolerance(double tol) {
    tol_ = tol;
    return *this;
  }

  double lowerBound() const { return lower_; }
  double upperBound() const { return upper_; }
  void getBounds(double& lower, double& upper) const {
    lower = lower_;
    upper = upper_;
  }
  double tolerance() const { return tol_; }
  bool isBounded() const { return boundedBelow_ && boundedAbove_; }
  bool isBoundedBelow() const { return boundedBelow_; }
  bool isBoundedAbove() const { return boundedAbove_; }
  bool isUnBounded() const { return !boundedBelow_ && !boundedAbove_; }
  bool isSingleton() const { return isBounded() && upper_ - lower_ <= tol_; }
  // The length of a bounded interval; -1 when it is unbounded.
  double length() const { return isBounded() ? upper_ - lower_ : -1.0; }
  bool contains(double value) const;
  bool isEqualTo(const AcGeInterval& other, double tol) const;
  bool operator==(const AcGeInterval& other) const { return isEqualTo(other, tol_); }
  bool operator!=(const AcGeInterval& other) const { return !isEqualTo(other, tol_); }

 private:
  double tol_;
  double lower_ = 0.0;
  double upper_ = 0.0;
  bool boundedBelow_ = false;
  bool boundedAbove_ = false;
};
