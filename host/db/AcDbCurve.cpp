// The curve base: the parameter protocol's defaults and curve-curve intersections.
#include "host/db/AcDbCurve.h"

#include "host/db/AcDbBlockReference.h"
#include "host/ge/AcGeLine3d.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbCurve, AcDbEntity, nullptr)

namespace {

AcDb::Intersect Swapped(AcDb::Intersect type) {
  if (type == AcDb::kExtendThis) return AcDb::kExtendArg;
  if (type == AcDb::kExtendArg) return AcDb::kExtendThis;
  return type;
}

}  // namespace

AcDbCurve::AcDbCurve() = default;
AcDbCurve::~AcDbCurve() = default;

Adesk::Boolean AcDbCurve::isClosed() const { return false; }
Adesk::Boolean AcDbCurve::isPeriodic() const { return false; }
Acad::ErrorStatus AcDbCurve::getStartParam(double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getEndParam(double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getStartPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getEndPoint(AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getPointAtParam(double, AcGePoint3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getParamAtPoint(const AcGePoint3d&, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getDistAtParam(double, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getParamAtDist(double, double&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getFirstDeriv(double, AcGeVector3d&) const { return Acad::eNotApplicable; }
Acad::ErrorStatus AcDbCurve::getArea(double&) const { return Acad::eNotApplicable; }
bool AcDbCurve::getPieces(std::vector<zhost::CurvePiece>&) const { return false; }

Acad::ErrorStatus AcDbCurve::getDistAtPoint(const AcGePoint3d& point, double& dist) const {
  double param = 0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es != Acad::eOk ? es : getDistAtParam(param, dist);
}

Acad::ErrorStatus AcDbCurve::getPointAtDist(double dist, AcGePoint3d& point) const {
  double param = 0;
  Acad::ErrorStatus es = getParamAtDist(dist, param);
  return es != Acad::eOk ? es : getPointAtParam(param, point);
}

Acad::ErrorStatus AcDbCurve::getFirstDeriv(const AcGePoint3d& point, AcGeVector3d& firstDeriv) const {
  double param = 0;
  Acad::ErrorStatus es = getParamAtPoint(point, param);
  return es != Acad::eOk ? es : getFirstDeriv(param, firstDeriv);
}

Acad::ErrorStatus AcDbCurve::getClosestPointTo(const AcGePoint3d& givenPoint, AcGePoint3d& pointOnCurve,
                                               Adesk::Boolean extend) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces;
  if (!getPieces(pieces) || pieces.empty()) return Acad::eDegenerateGeometry;
  if (extend && pieces.size() == 1) {
    zhost::CurvePiece& piece = pieces[0];
    if (piece.isArc) {
      piece.arc.setAngles(0.0, 2 * 3.14159265358979323846);
    } else if (!piece.unbounded) {
      AcGeLine3d line(piece.seg.startPoint(), piece.seg.endPoint() - piece.seg.startPoint());
      pointOnCurve = line.closestPointTo(givenPoint);
      return Acad::eOk;
    }
  }
  zhost::ChainClosest(pieces, givenPoint, pointOnCurve);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                              Adesk::GsMarker, Adesk::GsMarker) const {
  const AcDbCurve* other = AcDbCurve::cast(pEnt);
  // A block reference meets a curve through its contents: ask it, with the roles swapped.
  if (!other && AcDbBlockReference::cast(pEnt)) return pEnt->intersectWith(this, Swapped(intType), points);
  if (!other) return Acad::eNotApplicable;
  std::vector<zhost::CurvePiece> mine, theirs;
  if (!getPieces(mine) || !other->getPieces(theirs)) return Acad::eOk;
  bool extendThis = intType == AcDb::kExtendThis || intType == AcDb::kExtendBoth;
  bool extendArg = intType == AcDb::kExtendArg || intType == AcDb::kExtendBoth;
  zhost::IntersectPieces(mine, extendThis, theirs, extendArg, points);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCurve::subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane&,
                                              AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                              Adesk::GsMarker otherGsMarker) const {
  return subIntersectWith(pEnt, intType, points, thisGsMarker, otherGsMarker);
}
