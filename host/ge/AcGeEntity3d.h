// AcGeEntity3d: the base of the 3D geometric entities (curves and planes): kind, copy, point test
// and transformation.
#pragma once

#include "host/ge/AcGeContext.h"
#include "host/ge/AcGeGbl.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeTol.h"
#include "host/ge/AcGeVector3d.h"

class AcGeMatrix3d;
class AcGePlanarEnt;

class AcGeEntity3d {
 public:
  virtual ~AcGeEntity3d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual bool isKindOf(AcGe::EntityId id) const { return id == AcGe::kEntity3d; }
  // A new copy of the same kind; the caller deletes it.
  virtual AcGeEntity3d* copy() const = 0;

  virtual bool isOn(const AcGePoint3d& p, const AcGeTol& tol = AcGeContext::gTol) const = 0;
  virtual AcGeEntity3d& transformBy(const AcGeMatrix3d& m) = 0;

  // Conveniences in terms of transformBy.
  AcGeEntity3d& translateBy(const AcGeVector3d& v);
  AcGeEntity3d& rotateBy(double angle, const AcGeVector3d& axis,
                         const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);
  AcGeEntity3d& mirror(const AcGePlanarEnt& plane);
  AcGeEntity3d& scaleBy(double factor, const AcGePoint3d& wrtPoint = AcGePoint3d::kOrigin);

 protected:
  AcGeEntity3d() = default;
  AcGeEntity3d(const AcGeEntity3d&) = default;
  AcGeEntity3d& operator=(const AcGeEntity3d&) = default;
};
