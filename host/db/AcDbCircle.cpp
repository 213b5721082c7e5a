// The circle entity.
#include "host/db/AcDbCircle.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbCircle, AcDbCurve, L"CIRCLE")

namespace {
const Adesk::Int16 kVersion = 1;
const double kTwoPi = 2 * M_PI;
}  // namespace

AcDbCircle::AcDbCircle() = default;
AcDbCircle::AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius)
    : center_(center), radius_(std::fabs(radius)) {
  if (!normal.isZeroLength()) normal_ = normal.normal();
}
AcDbCircle::~AcDbCircle() = default;

const std::vector<zhost::GeomField<AcDbCircle>>& AcDbCircle::fields() {
  static const std::vector<zhost::GeomField<AcDbCircle>> table = {
      zhost::PointField<AcDbCircle>(L"center point,", AcDb::kDxfXCoord, &AcDbCircle::center_),
      zhost::DistanceField<AcDbCircle>(L"radius", AcDb::kDxfReal, &AcDbCircle::radius_),
      zhost::ListedIfSet(
          zhost::DistanceField<AcDbCircle>(L"Thickness =", AcDb::kDxfThickness, &AcDbCircle::thickness_)),
      zhost::ListedIfSet(
          zhost::VectorField<AcDbCircle>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDbCircle::normal_)),
  };
  return table;
}

AcGePoint3d AcDbCircle::center() const {
  assertReadEnabled();
  return center_;
}
double AcDbCircle::radius() const {
  assertReadEnabled();
  return radius_;
}
double AcDbCircle::circumference() const {
  assertReadEnabled();
  return kTwoPi * radius_;
}
AcGeVector3d AcDbCircle::normal() const {
  assertReadEnabled();
  return normal_;
}
double AcDbCircle::thickness() const {
  assertReadEnabled();
  return thickness_;
}

Acad::ErrorStatus AcDbCircle::setCenter(const AcGePoint3d& value) {
  assertWriteEnabled();
  center_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setRadius(double value) {
  if (!(value > 0) || !std::isfinite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  radius_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

AcGeCircArc3d AcDbCircle::geCircle() const {
  assertReadEnabled();
  return AcGeCircArc3d(center_, normal_, normal_.perpVector(), radius_, 0.0, kTwoPi);
}

Acad::ErrorStatus AcDbCircle::getArea(double& area) const {
  area = M_PI * radius() * radius();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbCircle::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbCircle::getEndParam(double& param) const {
  param = kTwoPi;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbCircle::getStartPoint(AcGePoint3d& point) const {
  point = geCircle().startPoint();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbCircle::getEndPoint(AcGePoint3d& point) const {
  point = geCircle().startPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getPointAtParam(double param, AcGePoint3d& point) const {
  if (param < -1e-9 || param > kTwoPi + 1e-9) return Acad::eInvalidInput;
  point = geCircle().evalPoint(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  AcGeCircArc3d circle = geCircle();
  if (!circle.isOn(point)) return Acad::ePointNotOnEntity;
  param = circle.paramOf(point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getDistAtParam(double param, double& dist) const {
  if (param < -1e-9 || param > kTwoPi + 1e-9) return Acad::eInvalidInput;
  dist = param * radius();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getParamAtDist(double dist, double& param) const {
  double tol = AcGeContext::gTol.equalPoint();
  if (dist < -tol || dist > circumference() + tol) return Acad::eInvalidInput;
  param = dist / radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  AcGeCircArc3d circle = geCircle();
  AcGeVector3d ref = circle.refVec(), perp = circle.normal().crossProduct(ref);
  firstDeriv = (perp * std::cos(param) - ref * std::sin(param)) * radius_;
  return Acad::eOk;
}

bool AcDbCircle::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  pieces.push_back(zhost::CurvePiece::circArc(geCircle()));
  return true;
}

Acad::ErrorStatus AcDbCircle::subTransformBy(const AcGeMatrix3d& xform) {
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  center_.transformBy(xform);
  normal_ = zhost::TransformedNormal(xform, normal_);
  radius_ *= xform.scale();
  thickness_ *= xform.scale();
  return Acad::eOk;
}

void AcDbCircle::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
  zhost::geom::ListDistance(L"circumference", kTwoPi * radius_);
  zhost::geom::ListDistance(L"area", M_PI * radius_ * radius_);
}

Acad::ErrorStatus AcDbCircle::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcGePoint3dArray points;
  zhost::AddArcExtents(geCircle(), points);
  extents = AcDbExtents();
  AcGeVector3d up = normal_ * thickness_;
  for (int i = 0; i < points.length(); ++i) {
    extents.addPoint(points[i]);
    extents.addPoint(points[i] + up);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker,
                                                const AcGePoint3d& pickPoint, const AcGePoint3d&, const AcGeMatrix3d&,
                                                AcGePoint3dArray& snapPoints, AcDbIntArray&) const {
  assertReadEnabled();
  AcGeCircArc3d circle = geCircle();
  switch (osnapMode) {
    case AcDb::kOsModeCen:
      snapPoints.append(center_);
      break;
    case AcDb::kOsModeQuad:
      for (int q = 0; q < 4; ++q) snapPoints.append(circle.evalPoint(q * M_PI / 2));
      break;
    case AcDb::kOsModeNear:
      snapPoints.append(circle.closestPointTo(pickPoint));
      break;
    default:
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  AcGeCircArc3d circle = geCircle();
  gripPoints.append(center_);
  for (int q = 0; q < 4; ++q) gripPoints.append(circle.evalPoint(q * M_PI / 2));
  return Acad::eOk;
}

// Grip 0 (the center) moves the circle; a quadrant grip sets the radius to its new distance.
Acad::ErrorStatus AcDbCircle::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  AcGePoint3dArray grips;
  AcDbIntArray none;
  subGetGripPoints(grips, none, none);
  for (int k = 0; k < indices.length(); ++k) {
    int i = indices[k];
    if (i == 0) return setCenter(center_ + offset);
    if (i > 0 && i < grips.length()) {
      double r = (grips[i] + offset).distanceTo(center_);
      if (r > 0) return setRadius(r);
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  stretchPoints.append(center());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  for (int k = 0; k < indices.length(); ++k)
    if (indices[k] == 0) return setCenter(center() + offset);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbCircle::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbCircle::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbCircle::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbCircle");
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
