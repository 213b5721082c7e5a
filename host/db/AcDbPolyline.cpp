// The lightweight polyline entity.
#include "host/db/AcDbPolyline.h"

#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDbPolyline, AcDbCurve, L"LWPOLYLINE")

namespace {
const Adesk::Int16 kVersion = 1;
}

AcDbPolyline::AcDbPolyline() = default;
AcDbPolyline::AcDbPolyline(unsigned int numVerts) { path_.vertices.reserve(numVerts); }
AcDbPolyline::~AcDbPolyline() = default;

const std::vector<zhost::GeomField<AcDbPolyline>>& AcDbPolyline::fields() {
  static const std::vector<zhost::GeomField<AcDbPolyline>> table = {
      zhost::ListedIfSet(zhost::DistanceRefField<AcDbPolyline>(
          L"elevation", AcDb::kDxfElevation, [](AcDbPolyline& p) -> void* { return &p.path_.elevation; })),
      zhost::ListedIfSet(
          zhost::DistanceField<AcDbPolyline>(L"Thickness =", AcDb::kDxfThickness, &AcDbPolyline::thickness_)),
      zhost::DistanceField<AcDbPolyline>(nullptr, static_cast<AcDb::DxfCode>(43), &AcDbPolyline::constantWidth_),
      zhost::ListedIfSet(zhost::VectorRefField<AcDbPolyline>(L"Extrusion direction", AcDb::kDxfNormalX,
                                                             [](AcDbPolyline& p) -> void* { return &p.path_.normal; })),
  };
  return table;
}

unsigned int AcDbPolyline::numVerts() const {
  assertReadEnabled();
  return static_cast<unsigned int>(path_.vertices.size());
}

Acad::ErrorStatus AcDbPolyline::addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge, double startWidth,
                                            double endWidth) {
  if (!std::isfinite(pt.x) || !std::isfinite(pt.y) || !std::isfinite(bulge)) return Acad::eInvalidInput;
  assertWriteEnabled();
  zhost::BulgeVertex v;
  v.pt = pt;
  v.bulge = bulge;
  v.startWidth = startWidth < 0 ? constantWidth_ : startWidth;
  v.endWidth = endWidth < 0 ? constantWidth_ : endWidth;
  size_t at = std::min<size_t>(index, path_.vertices.size());
  path_.vertices.insert(path_.vertices.begin() + static_cast<std::ptrdiff_t>(at), v);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::removeVertexAt(unsigned int index) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  assertWriteEnabled();
  path_.vertices.erase(path_.vertices.begin() + index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::reset(bool reuse, unsigned int numVerts) {
  assertWriteEnabled();
  if (!reuse) path_.vertices.clear();
  if (path_.vertices.size() > numVerts) path_.vertices.resize(numVerts);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint3d& pt) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  pt = path_.worldPoint(index);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAt(unsigned int index, AcGePoint2d& pt) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  pt = path_.vertices[index].pt;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setPointAt(unsigned int index, const AcGePoint2d& pt) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  assertWriteEnabled();
  path_.vertices[index].pt = pt;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  bulge = path_.vertices[index].bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setBulgeAt(unsigned int index, double bulge) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (!std::isfinite(bulge)) return Acad::eInvalidInput;
  assertWriteEnabled();
  path_.vertices[index].bulge = bulge;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const {
  assertReadEnabled();
  if (!validIndex(index)) return Acad::eInvalidIndex;
  startWidth = path_.vertices[index].startWidth;
  endWidth = path_.vertices[index].endWidth;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth) {
  if (!validIndex(index)) return Acad::eInvalidIndex;
  if (startWidth < 0 || endWidth < 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  path_.vertices[index].startWidth = startWidth;
  path_.vertices[index].endWidth = endWidth;
  return Acad::eOk;
}

AcDbPolyline::SegType AcDbPolyline::segType(unsigned int index) const {
  assertReadEnabled();
  size_t n = path_.vertices.size();
  if (n == 0) return kEmpty;
  if (n == 1) return index == 0 ? kPoint : kEmpty;
  if (index >= path_.numSegments()) return kEmpty;
  const zhost::BulgeVertex& a = path_.vertices[index];
  const zhost::BulgeVertex& b = path_.vertices[(index + 1) % n];
  if (a.pt.isEqualTo(b.pt)) return kCoincident;
  return a.bulge != 0.0 ? kArc : kLine;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg3d& seg) const {
  SegType type = segType(index);
  if (type == kEmpty || type == kPoint) return Acad::eInvalidIndex;
  if (type == kArc) return Acad::eWrongObjectType;
  zhost::CurvePiece piece = path_.segment(index);
  seg.set(piece.startPoint(), piece.endPoint());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getLineSegAt(unsigned int index, AcGeLineSeg2d& seg) const {
  SegType type = segType(index);
  if (type == kEmpty || type == kPoint) return Acad::eInvalidIndex;
  if (type == kArc) return Acad::eWrongObjectType;
  seg = AcGeLineSeg2d(path_.vertices[index].pt, path_.vertices[(index + 1) % path_.vertices.size()].pt);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const {
  SegType type = segType(index);
  if (type == kEmpty || type == kPoint) return Acad::eInvalidIndex;
  if (type != kArc) return Acad::eWrongObjectType;
  arc = path_.segment(index).arc;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const {
  SegType type = segType(index);
  if (type == kEmpty || type == kPoint) return Acad::eInvalidIndex;
  if (type != kArc) return Acad::eWrongObjectType;
  const zhost::BulgeVertex& a = path_.vertices[index];
  const AcGePoint2d& b = path_.vertices[(index + 1) % path_.vertices.size()].pt;
  AcGeVector2d chord = b - a.pt;
  AcGePoint2d mid = a.pt + chord * 0.5 - AcGeVector2d(-chord.y, chord.x) * (a.bulge / 2.0);
  arc.set(a.pt, mid, b);
  return Acad::eOk;
}

bool AcDbPolyline::isOnlyLines() const {
  assertReadEnabled();
  for (size_t i = 0; i < path_.numSegments(); ++i)
    if (path_.vertices[i].bulge != 0.0) return false;
  return true;
}

Adesk::Boolean AcDbPolyline::isClosed() const {
  assertReadEnabled();
  return path_.closed;
}
void AcDbPolyline::setClosed(Adesk::Boolean closed) {
  assertWriteEnabled();
  path_.closed = closed;
}
double AcDbPolyline::elevation() const {
  assertReadEnabled();
  return path_.elevation;
}
void AcDbPolyline::setElevation(double value) {
  assertWriteEnabled();
  path_.elevation = value;
}
AcGeVector3d AcDbPolyline::normal() const {
  assertReadEnabled();
  return path_.normal;
}
double AcDbPolyline::thickness() const {
  assertReadEnabled();
  return thickness_;
}
Acad::ErrorStatus AcDbPolyline::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  path_.normal = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getConstantWidth(double& width) const {
  assertReadEnabled();
  if (path_.vertices.empty()) {
    width = constantWidth_;
    return Acad::eOk;
  }
  double w = path_.vertices[0].startWidth;
  for (const zhost::BulgeVertex& v : path_.vertices)
    if (v.startWidth != w || v.endWidth != w) return Acad::eInvalidInput;
  width = w;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::setConstantWidth(double width) {
  if (!(width >= 0) || !std::isfinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  constantWidth_ = width;
  for (zhost::BulgeVertex& v : path_.vertices) v.startWidth = v.endWidth = width;
  return Acad::eOk;
}

double AcDbPolyline::length() const {
  assertReadEnabled();
  return zhost::ChainLength(path_.pieces());
}

Acad::ErrorStatus AcDbPolyline::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getEndParam(double& param) const {
  assertReadEnabled();
  param = static_cast<double>(path_.numSegments());
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getStartPoint(AcGePoint3d& point) const { return getPointAt(0u, point); }

Acad::ErrorStatus AcDbPolyline::getEndPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  if (path_.vertices.empty()) return Acad::eDegenerateGeometry;
  point = path_.worldPoint(path_.closed ? 0 : path_.vertices.size() - 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  std::vector<zhost::CurvePiece> pieces = path_.pieces();
  assertReadEnabled();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  if (!(param >= -1e-9 && param <= static_cast<double>(pieces.size()) + 1e-9)) return Acad::eInvalidInput;
  point = zhost::ChainPointAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path_.pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  AcGePoint3d nearest;
  double t = zhost::ChainClosest(pieces, point, nearest);
  if (!nearest.isEqualTo(point)) return Acad::ePointNotOnEntity;
  param = t;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path_.pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  if (!(param >= -1e-9 && param <= static_cast<double>(pieces.size()) + 1e-9)) return Acad::eInvalidInput;
  dist = zhost::ChainDistAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path_.pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  double tol = AcGeContext::gTol.equalPoint();
  if (!(dist >= -tol && dist <= zhost::ChainLength(pieces) + tol)) return Acad::eInvalidInput;
  param = zhost::ChainParamAtDist(pieces, dist);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path_.pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  firstDeriv = zhost::ChainDerivAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::getArea(double& area) const {
  assertReadEnabled();
  area = path_.area();
  return Acad::eOk;
}

bool AcDbPolyline::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  assertReadEnabled();
  pieces = path_.pieces();
  return !pieces.empty();
}

Acad::ErrorStatus AcDbPolyline::subTransformBy(const AcGeMatrix3d& xform) {
  zhost::BulgePath moved = path_;
  Acad::ErrorStatus es = moved.transformBy(xform);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  path_ = moved;
  thickness_ *= xform.scale();
  constantWidth_ *= xform.isUniScaledOrtho() ? xform.scale() : 1.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subExplode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  path_.explode(this, thickness_, entitySet);
  return Acad::eOk;
}

void AcDbPolyline::subList() const {
  assertReadEnabled();
  double width = 0;
  bool constant = getConstantWidth(width) == Acad::eOk;
  zhost::ListFields(*this, fields());
  path_.list(width, constant);
}

Acad::ErrorStatus AcDbPolyline::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  if (path_.vertices.empty()) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  path_.addExtents(extents, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker,
                                                  const AcGePoint3d& pickPoint, const AcGePoint3d&, const AcGeMatrix3d&,
                                                  AcGePoint3dArray& snapPoints, AcDbIntArray&) const {
  assertReadEnabled();
  path_.osnapPoints(osnapMode, pickPoint, snapPoints);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  return subGetStretchPoints(gripPoints);
}

Acad::ErrorStatus AcDbPolyline::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveStretchPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbPolyline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  assertReadEnabled();
  for (size_t i = 0; i < path_.vertices.size(); ++i) stretchPoints.append(path_.worldPoint(i));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  path_.moveVertices(indices, offset);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  filer->writeBoolean(path_.closed);
  filer->writeInt32(static_cast<Adesk::Int32>(path_.vertices.size()));
  for (const zhost::BulgeVertex& v : path_.vertices) {
    filer->writePoint2d(v.pt);
    filer->writeDouble(v.bulge);
    filer->writeDouble(v.startWidth);
    filer->writeDouble(v.endWidth);
  }
  return filer->filerStatus();
}

// A hostile count cannot make the reader allocate more than the filer holds: vertices are read
// one by one and the first failed read ends the loop.
Acad::ErrorStatus AcDbPolyline::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  zhost::BulgePath path = path_;
  double thickness = thickness_, width = constantWidth_;
  es = zhost::ReadFields(*this, filer, fields());
  if (es != Acad::eOk) return es;
  bool closed = false;
  Adesk::Int32 count = 0;
  filer->readBoolean(&closed);
  filer->readInt32(&count);
  std::vector<zhost::BulgeVertex> vertices;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    zhost::BulgeVertex v;
    filer->readPoint2d(&v.pt);
    filer->readDouble(&v.bulge);
    filer->readDouble(&v.startWidth);
    filer->readDouble(&v.endWidth);
    vertices.push_back(v);
  }
  if (count < 0 && filer->filerStatus() == Acad::eOk) filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
  if (filer->filerStatus() != Acad::eOk) {
    path_ = path;
    thickness_ = thickness;
    constantWidth_ = width;
    return filer->filerStatus();
  }
  path_.closed = closed;
  path_.vertices = std::move(vertices);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbPolyline");
  filer->writeInt32(AcDb::kDxfInt32, static_cast<Adesk::Int32>(path_.vertices.size()));
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(path_.closed ? 1 : 0));
  zhost::WriteDxfFields(*this, filer, fields());
  for (const zhost::BulgeVertex& v : path_.vertices) {
    filer->writePoint2d(AcDb::kDxfXCoord, v.pt);
    filer->writeDouble(static_cast<AcDb::DxfCode>(40), v.startWidth);
    filer->writeDouble(static_cast<AcDb::DxfCode>(41), v.endWidth);
    filer->writeDouble(static_cast<AcDb::DxfCode>(42), v.bulge);
  }
  return filer->filerStatus();
}
