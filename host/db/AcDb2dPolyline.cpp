// The 2D polyline entity and its vertices.
#include "host/db/AcDb2dPolyline.h"

#include <algorithm>
#include <cmath>

#include "host/rx/AcRxClass.h"

ZHOST_GEOM_ENTITY_MEMBERS(AcDb2dVertex, AcDbEntity, L"VERTEX")
ZHOST_GEOM_ENTITY_MEMBERS(AcDb2dPolyline, AcDbCurve, L"POLYLINE")

namespace {
const Adesk::Int16 kVersion = 1;

bool Finite(double v) { return std::isfinite(v); }

// Walks a polyline's vertex list; the polyline must outlive it and keep its vertices.
class VertexIterator : public AcDbObjectIterator {
 public:
  explicit VertexIterator(std::vector<AcDb2dVertex*> vertices) : vertices_(std::move(vertices)) {}
  bool done() const override { return pos_ < 0 || pos_ >= static_cast<long>(vertices_.size()); }
  void step(bool backwards, bool) override { pos_ += backwards ? -1 : 1; }
  void start(bool atEnd) override { pos_ = atEnd ? static_cast<long>(vertices_.size()) - 1 : 0; }
  AcDbEntity* entity() override { return done() ? nullptr : vertices_[pos_]; }
  AcDbObjectId objectId() override { return AcDbObjectId::kNull; }
  bool seek(const AcDbEntity* entity) override {
    auto it = std::find(vertices_.begin(), vertices_.end(), entity);
    if (it == vertices_.end()) return false;
    pos_ = static_cast<long>(it - vertices_.begin());
    return true;
  }

 private:
  std::vector<AcDb2dVertex*> vertices_;
  long pos_ = 0;
};
}  // namespace

// ---- AcDb2dVertex

AcDb2dVertex::AcDb2dVertex() = default;
AcDb2dVertex::AcDb2dVertex(const AcGePoint3d& position, double bulge, double startWidth, double endWidth,
                           double tangent)
    : position_(position), bulge_(bulge), startWidth_(startWidth), endWidth_(endWidth), tangent_(tangent) {}
AcDb2dVertex::~AcDb2dVertex() = default;

const std::vector<zhost::GeomField<AcDb2dVertex>>& AcDb2dVertex::fields() {
  static const std::vector<zhost::GeomField<AcDb2dVertex>> table = {
      zhost::PointField<AcDb2dVertex>(L"at point", AcDb::kDxfXCoord, &AcDb2dVertex::position_),
      zhost::DistanceField<AcDb2dVertex>(L"starting width", AcDb::kDxfReal, &AcDb2dVertex::startWidth_),
      zhost::DistanceField<AcDb2dVertex>(L"ending width", static_cast<AcDb::DxfCode>(41), &AcDb2dVertex::endWidth_),
      zhost::DistanceField<AcDb2dVertex>(L"bulge", static_cast<AcDb::DxfCode>(42), &AcDb2dVertex::bulge_),
      zhost::AngleField<AcDb2dVertex>(nullptr, AcDb::kDxfAngle, &AcDb2dVertex::tangent_),
  };
  return table;
}

AcGePoint3d AcDb2dVertex::position() const {
  assertReadEnabled();
  return position_;
}
double AcDb2dVertex::bulge() const {
  assertReadEnabled();
  return bulge_;
}
double AcDb2dVertex::startWidth() const {
  assertReadEnabled();
  return startWidth_;
}
double AcDb2dVertex::endWidth() const {
  assertReadEnabled();
  return endWidth_;
}
double AcDb2dVertex::tangent() const {
  assertReadEnabled();
  return tangent_;
}

Acad::ErrorStatus AcDb2dVertex::setPosition(const AcGePoint3d& value) {
  if (!Finite(value.x) || !Finite(value.y) || !Finite(value.z)) return Acad::eInvalidInput;
  assertWriteEnabled();
  position_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setBulge(double value) {
  if (!Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  bulge_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setStartWidth(double value) {
  if (!(value >= 0) || !Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  startWidth_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setEndWidth(double value) {
  if (!(value >= 0) || !Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  endWidth_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dVertex::setTangent(double value) {
  if (!Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  tangent_ = value;
  return Acad::eOk;
}

void AcDb2dVertex::subList() const {
  assertReadEnabled();
  zhost::ListFields(*this, fields());
}

void AcDb2dVertex::writeVertexFields(AcDbDwgFiler* filer) const { zhost::WriteFields(*this, filer, fields()); }

Acad::ErrorStatus AcDb2dVertex::readVertexFields(AcDbDwgFiler* filer) {
  return zhost::ReadFields(*this, filer, fields());
}

Acad::ErrorStatus AcDb2dVertex::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  writeVertexFields(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDb2dVertex::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  return readVertexFields(filer);
}

// ---- AcDb2dPolyline

AcDb2dPolyline::AcDb2dPolyline() = default;

AcDb2dPolyline::AcDb2dPolyline(AcDb::Poly2dType type, const AcGePoint3dArray& vertices, double elevation,
                               Adesk::Boolean closed, double defStartWidth, double defEndWidth,
                               const AcGeDoubleArray* bulges)
    : type_(type), closed_(closed), elevation_(elevation), defStartWidth_(defStartWidth), defEndWidth_(defEndWidth) {
  for (int i = 0; i < vertices.length(); ++i) {
    double bulge = bulges && i < bulges->length() ? (*bulges)[i] : 0.0;
    vertices_.emplace_back(new AcDb2dVertex(vertices[i], bulge, defStartWidth, defEndWidth));
  }
}

AcDb2dPolyline::~AcDb2dPolyline() = default;

const std::vector<zhost::GeomField<AcDb2dPolyline>>& AcDb2dPolyline::fields() {
  static const std::vector<zhost::GeomField<AcDb2dPolyline>> table = {
      zhost::ListedIfSet(
          zhost::DistanceField<AcDb2dPolyline>(L"elevation", AcDb::kDxfElevation, &AcDb2dPolyline::elevation_)),
      zhost::ListedIfSet(
          zhost::DistanceField<AcDb2dPolyline>(L"Thickness =", AcDb::kDxfThickness, &AcDb2dPolyline::thickness_)),
      zhost::DistanceField<AcDb2dPolyline>(L"default start width", AcDb::kDxfReal, &AcDb2dPolyline::defStartWidth_),
      zhost::DistanceField<AcDb2dPolyline>(L"default end width", static_cast<AcDb::DxfCode>(41),
                                           &AcDb2dPolyline::defEndWidth_),
      zhost::ListedIfSet(
          zhost::VectorField<AcDb2dPolyline>(L"Extrusion direction", AcDb::kDxfNormalX, &AcDb2dPolyline::normal_)),
  };
  return table;
}

AcDb::Poly2dType AcDb2dPolyline::polyType() const {
  assertReadEnabled();
  return type_;
}

Acad::ErrorStatus AcDb2dPolyline::setPolyType(AcDb::Poly2dType type) {
  if (type < AcDb::k2dSimplePoly || type > AcDb::k2dCubicSplinePoly) return Acad::eInvalidInput;
  assertWriteEnabled();
  type_ = type;
  return Acad::eOk;
}

Adesk::Boolean AcDb2dPolyline::isClosed() const {
  assertReadEnabled();
  return closed_;
}
Acad::ErrorStatus AcDb2dPolyline::makeClosed() {
  assertWriteEnabled();
  closed_ = true;
  return Acad::eOk;
}
Acad::ErrorStatus AcDb2dPolyline::makeOpen() {
  assertWriteEnabled();
  closed_ = false;
  return Acad::eOk;
}
double AcDb2dPolyline::elevation() const {
  assertReadEnabled();
  return elevation_;
}
AcGeVector3d AcDb2dPolyline::normal() const {
  assertReadEnabled();
  return normal_;
}
double AcDb2dPolyline::thickness() const {
  assertReadEnabled();
  return thickness_;
}
double AcDb2dPolyline::defaultStartWidth() const {
  assertReadEnabled();
  return defStartWidth_;
}
double AcDb2dPolyline::defaultEndWidth() const {
  assertReadEnabled();
  return defEndWidth_;
}

Acad::ErrorStatus AcDb2dPolyline::setElevation(double value) {
  if (!Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  elevation_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setNormal(const AcGeVector3d& value) {
  if (value.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = value.normal();
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setThickness(double value) {
  assertWriteEnabled();
  thickness_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultStartWidth(double value) {
  if (!(value >= 0) || !Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  defStartWidth_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setDefaultEndWidth(double value) {
  if (!(value >= 0) || !Finite(value)) return Acad::eInvalidInput;
  assertWriteEnabled();
  defEndWidth_ = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::setConstantWidth(double width) {
  if (!(width >= 0) || !Finite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  defStartWidth_ = defEndWidth_ = width;
  for (auto& v : vertices_) {
    v->setStartWidth(width);
    v->setEndWidth(width);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDb2dVertex* vertex) {
  if (!vertex) return Acad::eInvalidInput;
  if (!vertex->objectId().isNull()) return Acad::eAlreadyInDb;
  for (const auto& v : vertices_)
    if (v.get() == vertex) return Acad::eInvalidInput;
  assertWriteEnabled();
  vertices_.emplace_back(vertex);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::appendVertex(AcDbObjectId& objId, AcDb2dVertex* vertex) {
  objId = AcDbObjectId::kNull;
  return appendVertex(vertex);
}

int AcDb2dPolyline::numVerts() const {
  assertReadEnabled();
  return static_cast<int>(vertices_.size());
}

AcDbObjectIterator* AcDb2dPolyline::vertexIterator() const {
  assertReadEnabled();
  std::vector<AcDb2dVertex*> list;
  for (const auto& v : vertices_) list.push_back(v.get());
  return new VertexIterator(std::move(list));
}

AcGePoint3d AcDb2dPolyline::vertexPosition(const AcDb2dVertex& vertex) const {
  assertReadEnabled();
  AcGePoint3d p = vertex.position();
  return AcGePoint3d(p.x, p.y, elevation_).transformBy(AcGeMatrix3d::planeToWorld(normal_));
}

zhost::BulgePath AcDb2dPolyline::path() const {
  zhost::BulgePath path;
  path.closed = closed_;
  path.elevation = elevation_;
  path.normal = normal_;
  for (const auto& v : vertices_) {
    zhost::BulgeVertex bv;
    AcGePoint3d p = v->position();
    bv.pt.set(p.x, p.y);
    bv.bulge = v->bulge();
    bv.startWidth = v->startWidth();
    bv.endWidth = v->endWidth();
    path.vertices.push_back(bv);
  }
  return path;
}

void AcDb2dPolyline::takePath(const zhost::BulgePath& path) {
  elevation_ = path.elevation;
  normal_ = path.normal;
  for (size_t i = 0; i < vertices_.size() && i < path.vertices.size(); ++i) {
    const zhost::BulgeVertex& bv = path.vertices[i];
    vertices_[i]->setPosition(AcGePoint3d(bv.pt.x, bv.pt.y, path.elevation));
    vertices_[i]->setBulge(bv.bulge);
    vertices_[i]->setStartWidth(bv.startWidth);
    vertices_[i]->setEndWidth(bv.endWidth);
  }
}

double AcDb2dPolyline::length() const {
  assertReadEnabled();
  return zhost::ChainLength(path().pieces());
}

Acad::ErrorStatus AcDb2dPolyline::getStartParam(double& param) const {
  param = 0.0;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndParam(double& param) const {
  assertReadEnabled();
  param = static_cast<double>(path().numSegments());
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getStartPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  point = path().worldPoint(0);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getEndPoint(AcGePoint3d& point) const {
  assertReadEnabled();
  if (vertices_.empty()) return Acad::eDegenerateGeometry;
  point = path().worldPoint(closed_ ? 0 : vertices_.size() - 1);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getPointAtParam(double param, AcGePoint3d& point) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path().pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  if (!(param >= -1e-9 && param <= static_cast<double>(pieces.size()) + 1e-9)) return Acad::eInvalidInput;
  point = zhost::ChainPointAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getParamAtPoint(const AcGePoint3d& point, double& param) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path().pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  AcGePoint3d nearest;
  double t = zhost::ChainClosest(pieces, point, nearest);
  if (!nearest.isEqualTo(point)) return Acad::ePointNotOnEntity;
  param = t;
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getDistAtParam(double param, double& dist) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path().pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  if (!(param >= -1e-9 && param <= static_cast<double>(pieces.size()) + 1e-9)) return Acad::eInvalidInput;
  dist = zhost::ChainDistAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getParamAtDist(double dist, double& param) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path().pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  double tol = AcGeContext::gTol.equalPoint();
  if (!(dist >= -tol && dist <= zhost::ChainLength(pieces) + tol)) return Acad::eInvalidInput;
  param = zhost::ChainParamAtDist(pieces, dist);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getFirstDeriv(double param, AcGeVector3d& firstDeriv) const {
  assertReadEnabled();
  std::vector<zhost::CurvePiece> pieces = path().pieces();
  if (pieces.empty()) return Acad::eDegenerateGeometry;
  firstDeriv = zhost::ChainDerivAt(pieces, param);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::getArea(double& area) const {
  assertReadEnabled();
  area = path().area();
  return Acad::eOk;
}

bool AcDb2dPolyline::getPieces(std::vector<zhost::CurvePiece>& pieces) const {
  assertReadEnabled();
  pieces = path().pieces();
  return !pieces.empty();
}

Acad::ErrorStatus AcDb2dPolyline::subTransformBy(const AcGeMatrix3d& xform) {
  zhost::BulgePath moved = path();
  Acad::ErrorStatus es = moved.transformBy(xform);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  takePath(moved);
  thickness_ *= xform.scale();
  if (xform.isUniScaledOrtho()) {
    defStartWidth_ *= xform.scale();
    defEndWidth_ *= xform.scale();
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subExplode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  path().explode(this, thickness_, entitySet);
  return Acad::eOk;
}

void AcDb2dPolyline::subList() const {
  assertReadEnabled();
  static const wchar_t* const kTypes[] = {L"simple", L"fit curve", L"quadratic spline", L"cubic spline"};
  acutPrintf(L"\n%28s %s", L"type", kTypes[type_]);
  zhost::ListFields(*this, fields());
  path().list(0.0, false);
}

Acad::ErrorStatus AcDb2dPolyline::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  if (vertices_.empty()) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  path().addExtents(extents, thickness_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker,
                                                    const AcGePoint3d& pickPoint, const AcGePoint3d&,
                                                    const AcGeMatrix3d&, AcGePoint3dArray& snapPoints,
                                                    AcDbIntArray&) const {
  assertReadEnabled();
  path().osnapPoints(osnapMode, pickPoint, snapPoints);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  return subGetStretchPoints(gripPoints);
}

Acad::ErrorStatus AcDb2dPolyline::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveStretchPointsAt(indices, offset);
}

Acad::ErrorStatus AcDb2dPolyline::subGetStretchPoints(AcGePoint3dArray& stretchPoints) const {
  assertReadEnabled();
  zhost::BulgePath p = path();
  for (size_t i = 0; i < p.vertices.size(); ++i) stretchPoints.append(p.worldPoint(i));
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  zhost::BulgePath p = path();
  p.moveVertices(indices, offset);
  takePath(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kVersion);
  zhost::WriteFields(*this, filer, fields());
  filer->writeInt16(static_cast<Adesk::Int16>(type_));
  filer->writeBoolean(closed_);
  filer->writeInt32(static_cast<Adesk::Int32>(vertices_.size()));
  for (const auto& v : vertices_) v->writeVertexFields(filer);
  return filer->filerStatus();
}

// Everything is read into new values first, so a damaged record leaves the polyline unchanged;
// a hostile count ends at the first failed read.
Acad::ErrorStatus AcDb2dPolyline::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbCurve::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() == Acad::eOk && version > kVersion) return Acad::eMakeMeProxy;
  AcDb2dPolyline incoming;
  es = zhost::ReadFields(incoming, filer, fields());
  if (es != Acad::eOk) return es;
  Adesk::Int16 type = 0;
  bool closed = false;
  Adesk::Int32 count = 0;
  filer->readInt16(&type);
  filer->readBoolean(&closed);
  filer->readInt32(&count);
  std::vector<std::unique_ptr<AcDb2dVertex>> vertices;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    std::unique_ptr<AcDb2dVertex> v(new AcDb2dVertex);
    if (v->readVertexFields(filer) == Acad::eOk) vertices.push_back(std::move(v));
  }
  if (filer->filerStatus() == Acad::eOk && (count < 0 || type < 0 || type > AcDb::k2dCubicSplinePoly))
    filer->setFilerStatus(Acad::eDwgObjectImproperlyRead);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  elevation_ = incoming.elevation_;
  thickness_ = incoming.thickness_;
  defStartWidth_ = incoming.defStartWidth_;
  defEndWidth_ = incoming.defEndWidth_;
  normal_ = incoming.normal_;
  type_ = static_cast<AcDb::Poly2dType>(type);
  closed_ = closed;
  vertices_ = std::move(vertices);
  return Acad::eOk;
}

Acad::ErrorStatus AcDb2dPolyline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbCurve::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDb2dPolyline");
  filer->writeInt16(AcDb::kDxfInt16, static_cast<Adesk::Int16>(closed_ ? 1 : 0));
  zhost::WriteDxfFields(*this, filer, fields());
  return filer->filerStatus();
}
