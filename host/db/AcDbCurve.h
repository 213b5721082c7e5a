// AcDbCurve: the base of the host's curve entities (line, arc, circle, xline, polylines): the
// parameter protocol (points, parameters and distances along the curve) and intersections
// between any two curves through their straight and circular pieces.
#pragma once

#include <vector>

#include "host/db/AcDbEntity.h"
#include "host/db/CurvePieces.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"

class AcDbCurve : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCurve);

  AcDbCurve();
  ~AcDbCurve() override;

  // Defaults: false / eNotApplicable; each curve class overrides what it has.
  virtual Adesk::Boolean isClosed() const;
  virtual Adesk::Boolean isPeriodic() const;
  virtual Acad::ErrorStatus getStartParam(double& param) const;
  virtual Acad::ErrorStatus getEndParam(double& param) const;
  virtual Acad::ErrorStatus getStartPoint(AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getEndPoint(AcGePoint3d& point) const;
  // A parameter outside the curve's range: eInvalidInput.
  virtual Acad::ErrorStatus getPointAtParam(double param, AcGePoint3d& point) const;
  // A point not on the curve (within the global point tolerance): ePointNotOnEntity.
  virtual Acad::ErrorStatus getParamAtPoint(const AcGePoint3d& point, double& param) const;
  virtual Acad::ErrorStatus getDistAtParam(double param, double& dist) const;
  virtual Acad::ErrorStatus getParamAtDist(double dist, double& param) const;
  Acad::ErrorStatus getDistAtPoint(const AcGePoint3d& point, double& dist) const;
  Acad::ErrorStatus getPointAtDist(double dist, AcGePoint3d& point) const;
  virtual Acad::ErrorStatus getFirstDeriv(double param, AcGeVector3d& firstDeriv) const;
  Acad::ErrorStatus getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const;
  // extend: a line or arc counts as its infinite line or full circle.
  virtual Acad::ErrorStatus getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                              Adesk::Boolean extend = false) const;
  virtual Acad::ErrorStatus getArea(double& area) const;

  // Host: the straight and circular pieces in world coordinates; false when the curve has none
  // (a degenerate one). Intersections and the default parameter protocol use them.
  virtual bool getPieces(std::vector<zhost::CurvePiece>& pieces) const;

  Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                     Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const override;
  // Curves of the host lie in their planes: the projected form gives the same points.
  Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                     AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                     Adesk::GsMarker otherGsMarker) const override;
};
