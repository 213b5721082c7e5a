// AcGePoint2d: the origin constant and checked coordinate access.
#include "host/ge/AcGePoint2d.h"

#include <stdexcept>

const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

double AcGePoint2d::operator[](unsigned int i) const {
  if (i == 0) return x;
  if (i == 1) return y;
  throw std::out_of_range("AcGePoint2d index");
}

double& AcGePoint2d::operator[](unsigned int i) {
  if (i == 0) return x;
  if (i == 1) return y;
  throw std::out_of_range("AcGePoint2d index");
}
