// AcDbExtents: an axis-aligned box in world coordinates; a new one is empty (min above max)
// until a point is added.
#pragma once

#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcadErrorStatus.h"

class AcDbExtents {
 public:
  AcDbExtents();
  AcDbExtents(const AcGePoint3d& min, const AcGePoint3d& max);

  const AcGePoint3d& minPoint() const { return min_; }
  const AcGePoint3d& maxPoint() const { return max_; }
  // eInvalidExtents when min is above max on an axis.
  Acad::ErrorStatus set(const AcGePoint3d& min, const AcGePoint3d& max);
  bool isValid() const;
  void addPoint(const AcGePoint3d& pt);
  void addExt(const AcDbExtents& src);
  void expandBy(const AcGeVector3d& vec);
  // The box of the transformed corners.
  void transformBy(const AcGeMatrix3d& mat);
  bool contains(const AcGePoint3d& pt, double tol = 0.0) const;

 private:
  AcGePoint3d min_, max_;
};
