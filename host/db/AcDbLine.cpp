// The line entity.
#include "host/db/AcDbLine.h"

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbLine, AcDbCurve, L"LINE")

namespace {
const Adesk::Int16 kVersion = 1;
}

AcDbLine::AcDbLine() = default;
AcDbLine::AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end) : start_(start), end_(end) {}
AcDbLine::~AcDbLine() = default;

const std::vector<zhost::GeomField<AcDbLine>>& AcDbLine::fields() {
  static const std::vector<zhost::GeomField<AcDbLine>> table = {
      zhost::PointField<AcDbLine>(L"from point,", AcDb::kDxfXCoord, &AcDbLine::start_),
      zhost::PointField<AcDbLine>(L"to point,", static_cast<AcDb::DxfCode>(11), &AcDbLine::end_),
      zhost::ListedIfSet(zhost::DistanceField<AcDbLine>(L"Thickness =", AcDb::kDxfThickness, &AcDbLine::thickness_)),
      zhost::ListedIfSet(zhost::VectorField<AcDbLine>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDbLine::normal_)),
  };
  return table;
}

AcGePoint3d AcDbLine::startPoint() const {
  assertReadEnabled();
  return start_;
}
AcGePoint3d AcDbLine::endPoint() const {
  assertReadEnabled();
  return end_;
}
double AcDbLine::thickness() const {
  assertReadEnabled();
  return thickness_;
}
AcGeVector3d AcDbLine::normal() const {
  assertReadEnabled();
  return normal_;
}
double AcDbLine::length() const {
  assertReadEnabled();
  return start_.distanceTo(end_);
}

Acad::ErrorStatus AcDbLine::setStartPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  start_ = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setEndPoint(const AcGePoint3d& point) {
  assertWriteEnabled();
  end_ = point;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbLine::getEndParam(double& param) const {
  param = length();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbLine::getStartPoint(AcGePoint3d& point) const {
  point = startPoint();
  return Acad::eOk;
}
Acad::ErrorStatus AcDbLine::getEndPoint(AcGePoint3d& point) const {
  point = endPoint();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getPointAtParam(double param, AcGePoint3d& point) const {
  double len = length();
  double tol = AcGeContext::gTol.equalPoint();
  if (param < -tol || param > len + tol) return Acad::eInvalidInput;
  point = len > 0 ? start_ + (end_ - start_) * (param / len) : start_;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  AcGeLineSeg3d seg(startPoint(), end_);
  if (!seg.isOn(point)) return Acad::ePointNotOnEntity;
  param = start_.distanceTo(point);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getDistAtParam(double param, double& dist) const {
  double len = length();
  if (param < -AcGeContext::gTol.equalPoint() || param > len + AcGeContext::gTol.equalPoint())
    return Acad::eInvalidInput;
  dist = param;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getParamAtDist(double dist, double& param) const {
  double len = length();
  if (dist < -AcGeContext::gTol.equalPoint() || dist > len + AcGeContext::gTol.equalPoint()) return Acad::eInvalidInput;
  param = dist;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::getFirstDeriv(double, AcGeVector3d& firstDeriv) const {
  AcGeVector3d d = endPoint() - start_;
  if (d.isZeroLength()) return Acad::eDegenerateGeometry;
  firstDeriv = d.normal();
  return Acad::eOk;
}

bool AcDbLine::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  assertReadEnabled();
  pieces.push_back(zhost::CurvePiece::line(start_, end_));
  return true;
}

Acad::ErrorStatus AcDbLine::subTransformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  start_.transformBy(xform);
  end_.transformBy(xform);
  normal_ = zhost::TransformedNormal(xform, normal_);
  thickness_ *= xform.scale();
  return Acad::eOk;
}

void AcDbLine::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
  AcGeVector3d d = end_ - start_;
  zhost::geom::ListDistance(L"Length =", d.length());
  zhost::geom::ListAngle(L"Angle in XY Plane =",
                         AcGeVector3d(d.x, d.y, 0).isZeroLength() ? 0.0 : zhost::AngleInPlane(AcGeVector3d::kZAxis, d));
  zhost::geom::ListVector(L"Delta", d);
}

Acad::ErrorStatus AcDbLine::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  extents = AcDbExtents();
  AcGeVector3d up = normal_ * thickness_;
  for (const AcGePoint3d& p : {start_, end_}) {
    extents.addPoint(p);
    extents.addPoint(p + up);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker, const AcGePoint3d& pickPoint,
                                              const AcGePoint3d&, const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                              AcDbIntArray&) const {
  assertReadEnabled();
  switch (osnapMode) {
    case AcDb::kOsModeEnd:
      snapPoints.append(start_);
      snapPoints.append(end_);
      break;
    case AcDb::kOsModeMid:
      snapPoints.append(start_ + (end_ - start_) * 0.5);
      break;
    case AcDb::kOsModeNear:
      snapPoints.append(AcGeLineSeg3d(start_, end_).closestPointTo(pickPoint));
      break;
    default:
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(start_);
  gripPoints.append(start_ + (end_ - start_) * 0.5);
  gripPoints.append(end_);
  return Acad::eOk;
}

// Grip 0 the start, 1 the middle (moves the whole line), 2 the end.
Acad::ErrorStatus AcDbLine::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int k = 0; k < indices.length(); ++k) {
    int i = indices[k];
    if (i == 0 || i == 1) start_ += offset;
    if (i == 2 || i == 1) end_ += offset;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  assertReadEnabled();
  stretchPoints.append(start_);
  stretchPoints.append(end_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int k = 0; k < indices.length(); ++k) {
    if (indices[k] == 0) start_ += offset;
    if (indices[k] == 1) end_ += offset;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLine::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLine::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDbLine::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbLine");
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
