// Block references.
#include "host/db/AcDbBlockReference.h"

#include <cmath>
#include <vector>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AnnotSupport.h"
#include "host/db/ObjectStub.h"
#include "host/rx/AcRxClass.h"

namespace {
AcRxObject* MakeBlockReference() { return new AcDbBlockReference; }
const Adesk::Int16 kBlockReferenceVersion = 1;

bool UsableFactor(double v) { return std::isfinite(v) && std::fabs(v) > 1e-12; }

// The live entities of a block definition.
std::vector<AcDbObjectId> LiveEntities(const AcDbBlockTableRecord* block) {
  std::vector<AcDbObjectId> ids;
  for (const AcDbObjectId& id : block->entityIds())
    if (id.isValid() && !id.isErased()) ids.push_back(id);
  return ids;
}
}  // namespace

ZHOST_RX_HOST_DXF_MEMBERS(AcDbBlockReference, AcDbEntity, MakeBlockReference, L"INSERT")

AcDbBlockReference::AcDbBlockReference() = default;
AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : block_(blockTableRecord), position_(position) {}
AcDbBlockReference::~AcDbBlockReference() = default;

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  assertReadEnabled();
  return block_;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId id) {
  if (!id.isNull() && id.objectClass() && !id.objectClass()->isDerivedFrom(AcDbBlockTableRecord::desc()))
    return Acad::eWrongObjectType;
  assertWriteEnabled();
  block_ = id;
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::position() const {
  assertReadEnabled();
  return position_;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& pt) {
  assertWriteEnabled();
  position_ = pt;
  return Acad::eOk;
}

AcGeScale3d AcDbBlockReference::scaleFactors() const {
  assertReadEnabled();
  return scale_;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
  if (!UsableFactor(scale.sx) || !UsableFactor(scale.sy) || !UsableFactor(scale.sz)) return Acad::eInvalidInput;
  assertWriteEnabled();
  scale_ = scale;
  return Acad::eOk;
}

double AcDbBlockReference::rotation() const {
  assertReadEnabled();
  return rotation_;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  rotation_ = zhost::NormalizeAngle(angle);
  return Acad::eOk;
}

AcGeVector3d AcDbBlockReference::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = normal.normal();
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::blockOrigin() const {
  zhost::ReadAccess<AcDbBlockTableRecord> block(block_);
  return block.get() ? block.get()->origin() : AcGePoint3d::kOrigin;
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  assertReadEnabled();
  AcGeVector3d n = zhost::UnitNormal(normal_);
  AcGeVector3d x = zhost::PlaneDirection(n, rotation_);
  AcGeVector3d y = n.crossProduct(x);
  AcGeMatrix3d m;
  m.setCoordSystem(position_, x * scale_.sx, y * scale_.sy, n * scale_.sz);
  return m * AcGeMatrix3d::translation(AcGePoint3d::kOrigin - blockOrigin());
}

Acad::ErrorStatus AcDbBlockReference::subTransformBy(const AcGeMatrix3d& xform) {
  AcGeVector3d n = zhost::UnitNormal(normal_);
  AcGeVector3d ax = zhost::PlaneDirection(n, rotation_);
  AcGeVector3d ay = n.crossProduct(ax);
  AcGeVector3d az = n;
  ax.transformBy(xform);
  ay.transformBy(xform);
  az.transformBy(xform);
  if (ax.isZeroLength() || ay.isZeroLength() || az.isZeroLength()) return Acad::eCannotScaleNonUniformly;
  // Only transformations that keep the block's axes at right angles can be written as a
  // position, scale factors and a rotation.
  const double kSkew = 1e-9;
  AcGeVector3d ux = ax.normal(), uy = ay.normal(), uz = az.normal();
  if (std::fabs(ux.dotProduct(uy)) > kSkew || std::fabs(ux.dotProduct(uz)) > kSkew ||
      std::fabs(uy.dotProduct(uz)) > kSkew)
    return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  bool mirrored = ux.crossProduct(uy).dotProduct(uz) < 0;
  AcGeVector3d newX = mirrored ? -ux : ux;
  scale_.sx *= mirrored ? -ax.length() : ax.length();
  scale_.sy *= ay.length();
  scale_.sz *= az.length();
  normal_ = uz;
  rotation_ = zhost::PlaneAngle(uz, newX);
  position_.transformBy(xform);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subExplode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  zhost::ReadAccess<AcDbBlockTableRecord> block(block_);
  if (!block.get()) return block_.isNull() ? Acad::eNullObjectId : Acad::eWasOpenForWrite;
  AcGeMatrix3d xform = blockTransform();
  std::vector<AcDbEntity*> copies;
  Acad::ErrorStatus failure = Acad::eOk;
  for (const AcDbObjectId& id : LiveEntities(block.get())) {
    zhost::ReadAccess<AcDbEntity> entity(id);
    if (!entity.get()) {
      failure = Acad::eWasOpenForWrite;
      break;
    }
    AcDbEntity* copy = nullptr;
    failure = entity.get()->getTransformedCopy(xform, copy);
    if (failure != Acad::eOk || !copy) {
      if (failure == Acad::eOk) failure = Acad::eNotApplicable;
      delete copy;
      break;
    }
    copies.push_back(copy);
  }
  if (failure != Acad::eOk) {
    for (AcDbEntity* copy : copies) delete copy;
    return failure;
  }
  for (AcDbEntity* copy : copies) entitySet.append(copy);
  return Acad::eOk;
}

void AcDbBlockReference::subList() const {
  assertReadEnabled();
  zhost::ListText(L"Block Name:", L"\"" + zhost::SymbolName(block_) + L"\"");
  zhost::ListPoint(L"at point,", position_);
  zhost::ListReal(L"X scale factor:", scale_.sx);
  zhost::ListReal(L"Y scale factor:", scale_.sy);
  zhost::ListAngle(L"rotation angle:", rotation_);
  zhost::ListReal(L"Z scale factor:", scale_.sz);
  if (!normal_.isCodirectionalTo(AcGeVector3d(0, 0, 1))) zhost::ListVector(L"Extrusion direction:", normal_);
}

Acad::ErrorStatus AcDbBlockReference::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  zhost::ReadAccess<AcDbBlockTableRecord> block(block_);
  if (!block.get()) return Acad::eInvalidExtents;
  AcGeMatrix3d xform = blockTransform();
  AcDbExtents total;
  bool any = false;
  for (const AcDbObjectId& id : LiveEntities(block.get())) {
    zhost::ReadAccess<AcDbEntity> entity(id);
    AcDbExtents box;
    if (!entity.get() || entity.get()->getGeomExtents(box) != Acad::eOk) continue;
    box.transformBy(xform);
    total.addExt(box);
    any = true;
  }
  if (!any) return Acad::eInvalidExtents;
  extents = total;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType,
                                                       AcGePoint3dArray& points, Adesk::GsMarker,
                                                       Adesk::GsMarker) const {
  assertReadEnabled();
  if (!pEnt) return Acad::eInvalidInput;
  zhost::ReadAccess<AcDbBlockTableRecord> block(block_);
  if (!block.get()) return block_.isNull() ? Acad::eNullObjectId : Acad::eWasOpenForWrite;
  AcGeMatrix3d xform = blockTransform();
  for (const AcDbObjectId& id : LiveEntities(block.get())) {
    zhost::ReadAccess<AcDbEntity> entity(id);
    AcDbEntity* copy = nullptr;
    if (!entity.get() || entity.get()->getTransformedCopy(xform, copy) != Acad::eOk || !copy) {
      delete copy;
      continue;
    }
    AcGePoint3dArray found;
    copy->intersectWith(pEnt, intType, found);
    delete copy;
    for (int i = 0; i < found.length(); ++i) {
      bool known = false;
      for (int j = 0; j < points.length() && !known; ++j) known = points[j].isEqualTo(found[i]);
      if (!known) points.append(found[i]);
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType,
                                                       const AcGePlane&, AcGePoint3dArray& points,
                                                       Adesk::GsMarker thisGsMarker,
                                                       Adesk::GsMarker otherGsMarker) const {
  return subIntersectWith(pEnt, intType, points, thisGsMarker, otherGsMarker);
}

Acad::ErrorStatus AcDbBlockReference::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker,
                                                        const AcGePoint3d&, const AcGePoint3d&, const AcGeMatrix3d&,
                                                        AcGePoint3dArray& snapPoints, AcDbIntArray&) const {
  assertReadEnabled();
  if (osnapMode == AcDb::kOsModeIns) snapPoints.append(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&,
                                                       AcDbIntArray&) const {
  assertReadEnabled();
  gripPoints.append(position_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  assertWriteEnabled();
  for (int i = 0; i < indices.length(); ++i)
    if (indices[i] == 0) position_ += offset;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  return zhost::FileOutVersioned(filer, kBlockReferenceVersion, [this](auto&& file) { forEachField(*this, file); });
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  es = zhost::FileInVersioned(filer, kBlockReferenceVersion, [this](auto&& file) { forEachField(*this, file); });
  if (es != Acad::eOk) return es;
  if (!UsableFactor(scale_.sx) || !UsableFactor(scale_.sy) || !UsableFactor(scale_.sz))
    return Acad::eDwgObjectImproperlyRead;
  return Acad::eOk;
}
