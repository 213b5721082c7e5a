// The arc entity.
#include "host/db/AcDbArc.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbArc, AcDbCurve, L"ARC")

namespace {
const Adesk::Int16 kVersion = 1;
const double kTwoPi = 2 * M_PI;

double Normalized(double angle) {
  angle = std::fmod(angle, kTwoPi);
  return angle < 0 ? angle + kTwoPi : angle;
}
}  // namespace

AcDbArc::AcDbArc() = default;
AcDbArc::AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle)
    : center_(center),
      radius_(std::fabs(radius)),
      startAngle_(Normalized(startAngle)),
      endAngle_(Normalized(endAngle)) {}
AcDbArc::AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : AcDbArc(center, radius, startAngle, endAngle) {
  if (!normal.isZeroLength()) normal_ = normal.normal();
}
AcDbArc::~AcDbArc() = default;

const std::vector<zhost::GeomField<AcDbArc>>& AcDbArc::fields() {
  static const std::vector<zhost::GeomField<AcDbArc>> table = {
      zhost::PointField<AcDbArc>(L"center point,", AcDb::kDxfXCoord, &AcDbArc::center_),
      zhost::DistanceField<AcDbArc>(L"radius", AcDb::kDxfReal, &AcDbArc::radius_),
      zhost::AngleField<AcDbArc>(L"start angle", AcDb::kDxfAngle, &AcDbArc::startAngle_),
      zhost::AngleField<AcDbArc>(L"end angle", static_cast<AcDb::DxfCode>(51), &AcDbArc::endAngle_),
      zhost::ListedIfSet(zhost::DistanceField<AcDbArc>(L"Thickness =", AcDb::kDxfThickness, &AcDbArc::thickness_)),
      zhost::ListedIfSet(zhost::VectorField<AcDbArc>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDbArc::normal_)),
  };
  return table;
}

AcGePoint3d AcDbArc::center() const {
  assertReadEnabled();
  return center_;
}
double AcDbArc::radius() const {
  assertReadEnabled();
  return radius_;
}
double AcDbArc::startAngle() const {
  assertReadEnabled();
  return startAngle_;
}
double AcDbArc::endAngle() const {
  assertReadEnabled();
  return endAngle_;
}
AcGeVector3d AcDbArc::normal() const {
  assertReadEnabled();
  return normal_;
}
double AcDbArc::thickness() const {
  assertReadEnabled();
  return thickness_;
}

double AcDbArc::totalAngle() const {
  assertReadEnabled();
  double sweep = endAngle_ - startAngle_;
  return sweep <= 0 ? sweep + kTwoPi : sweep;
}

Acad::ErrorStatus AcDbArc::setCenter(const AcGePoint3d& value) {
  assertWriteEnabled();
  center_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setRadius(double value) {
  if (!(value > 0) || !std::isfinite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  radius_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setStartAngle(double value) {
  if (!std::isfinite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  startAngle_ = Normalized(value);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setEndAngle(double value) {
  if (!std::isfinite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  endAngle_ = Normalized(value);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

AcGeCircArc3d AcDbArc::geArc() const {
  double sweep = totalAngle();
  return AcGeCircArc3d(center_, normal_, normal_.perpVector(), radius_, startAngle_, startAngle_ + sweep);
}

Acad::ErrorStatus AcDbArc::getStartParam(double& param) const {
  param = startAngle();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbArc::getEndParam(double& param) const {
  param = startAngle() + totalAngle();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbArc::getStartPoint(AcGePoint3d& point) const {
  point = geArc().startPoint();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbArc::getEndPoint(AcGePoint3d& point) const {
  point = geArc().endPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getPointAtParam(double param, AcGePoint3d& point) const {
  double start = startAngle(), end = start + totalAngle(), tol = 1e-9;
  if (param < start - tol || param > end + tol) return Acad::eInvalidInput;
  point = geArc().evalPoint(param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  AcGeCircArc3d arc = geArc();
  if (!arc.isOn(point)) return Acad::ePointNotOnEntity;
  param = arc.paramOf(point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getDistAtParam(double param, double& dist) const {
  double start = startAngle(), end = start + totalAngle(), tol = 1e-9;
  if (param < start - tol || param > end + tol) return Acad::eInvalidInput;
  dist = (param - start) * radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getParamAtDist(double dist, double& param) const {
  double len = totalAngle() * radius_, tol = AcGeContext::gTol.equalPoint();
  if (dist < -tol || dist > len + tol) return Acad::eInvalidInput;
  param = startAngle_ + dist / radius_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  AcGeCircArc3d arc = geArc();
  AcGeVector3d ref = arc.refVec(), perp = arc.normal().crossProduct(ref);
  firstDeriv = (perp * std::cos(param) - ref * std::sin(param)) * radius_;
  return Acad::eOk;
}

bool AcDbArc::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  assertReadEnabled();
  pieces.push_back(zhost::CurvePiece::circArc(geArc()));
  return true;
}

// A reflection reverses the sense of rotation, so the transformed end becomes the start and
// the arc keeps running counter-clockwise about its (transformed) normal.
Acad::ErrorStatus AcDbArc::subTransformBy(const AcGeMatrix3d& xform) {
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  AcGeCircArc3d arc = geArc();
  AcGePoint3d c = center_, s = arc.startPoint(), e = arc.endPoint();
  c.transformBy(xform);
  s.transformBy(xform);
  e.transformBy(xform);
  if (xform.det() < 0) std::swap(s, e);
  normal_ = zhost::TransformedNormal(xform, normal_);
  center_ = c;
  radius_ *= xform.scale();
  thickness_ *= xform.scale();
  startAngle_ = zhost::AngleInPlane(normal_, s - c);
  endAngle_ = zhost::AngleInPlane(normal_, e - c);
  return Acad::eOk;
}

void AcDbArc::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
  zhost::geom::ListDistance(L"length", totalAngle() * radius_);
  zhost::geom::ListDistance(L"total angle", totalAngle() * 180.0 / M_PI);
}

Acad::ErrorStatus AcDbArc::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcGePoint3dArray points;
  zhost::AddArcExtents(geArc(), points);
  extents = AcDbExtents();
  AcGeVector3d up = normal_ * thickness_;
  for (int i = 0; i < points.length(); ++i) {
    extents.addPoint(points[i]);
    extents.addPoint(points[i] + up);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d& pickPoint,
                                             const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                             AcDbIntArray&) const {
  assertReadEnabled();
  AcGeCircArc3d arc = geArc();
  switch (osnapMode) {
    case AcDb::kOsModeEnd:
      snapPoints.append(arc.startPoint());
      snapPoints.append(arc.endPoint());
      break;
    case AcDb::kOsModeMid:
      snapPoints.append(arc.evalPoint((arc.startAng() + arc.endAng()) / 2));
      break;
    case AcDb::kOsModeCen:
      snapPoints.append(center_);
      break;
    case AcDb::kOsModeQuad:
      for (int q = 0; q < 8; ++q) {
        double a = q * M_PI / 2;
        if (a >= arc.startAng() && a <= arc.endAng()) snapPoints.append(arc.evalPoint(a));
      }
      break;
    case AcDb::kOsModeNear:
      snapPoints.append(arc.closestPointTo(pickPoint));
      break;
    default:
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(center_);
  return Acad::eOk;
}

// The center grip moves the arc.
Acad::ErrorStatus AcDbArc::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  for (int k = 0; k < indices.length(); ++k)
    if (indices[k] == 0) return setCenter(center() + offset);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbArc::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  AcDbIntArray none;
  return subGetGripPoints(stretchPoints, none, none);
}

Acad::ErrorStatus AcDbArc::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveGripPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbArc::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbArc::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbArc::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  using Field = zhost::GeomField<AcDbArc>;
  filer->writeSubclassMarker(L"AcDbCircle");
  zhost::WriteDxfFields(
      *this, filer, fields(), +[](const Field& f) { return f.kind != zhost::GeomFieldKind::kAngle; });
  filer->writeSubclassMarker(L"AcDbArc");
  zhost::WriteDxfFields(
      *this, filer, fields(), +[](const Field& f) { return f.kind == zhost::GeomFieldKind::kAngle; });
  return filer->filerStatus();
}
