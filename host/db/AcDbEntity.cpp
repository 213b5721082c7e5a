// Entities: the common properties, their filing, and the public forms of the geometric protocol
// around the sub* hooks.
#include "host/db/AcDbEntity.h"

#include <cmath>
#include <cstdlib>
#include <cwctype>
#include <exception>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbDxfFiler.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbLinetypeTable.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AssertionError.h"
#include "host/db/DbDiagnostics.h"
#include "host/db/EntityDrawHook.h"
#include "host/db/ObjectAccess.h"
#include "host/db/ObjectStub.h"
#include "host/db/SymbolLookup.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxClass.h"
#include "host/win/TextCase.h"

ZHOST_RX_HOST_MEMBERS(AcDbEntity, AcDbObject, nullptr)

namespace {

// Runs an entity hook, turning what it throws into a status.
template <class Fn>
Acad::ErrorStatus Hook(Fn fn) {
  try {
    return fn();
  } catch (CException* e) {
    e->Delete();
    return Acad::eInvalidInput;
  } catch (const zhost::AssertionError& e) {
    return e.status();
  } catch (...) {
    return Acad::eGeneralModelingFailure;
  }
}

std::wstring RecordName(AcDbObjectId id) {
  const AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(zhost::PeekObject(id));
  return rec ? rec->nameString() : std::wstring();
}

// A record of the table by name, created (with default properties) when missing; null when it
// cannot be made.
AcDbObjectId FindOrMakeLayer(AcDbDatabase* db, const std::wstring& name) {
  AcDbObjectId id = zhost::FindRecord(db->layerTableId(), name);
  if (!id.isNull() || name.empty()) return id;
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return id;
  AcDbLayerTableRecord* rec = new AcDbLayerTableRecord;
  if (rec->setName(name.c_str()) == Acad::eOk && table->add(id, rec) == Acad::eOk) {
    rec->setLinetypeObjectId(db->continuousLinetype());
    rec->close();
  } else {
    delete rec;
  }
  table->close();
  return id;
}

}  // namespace

AcDbEntity::AcDbEntity() = default;
AcDbEntity::~AcDbEntity() = default;

AcCmColor AcDbEntity::color() const {
  assertReadEnabled();
  return AcCmColor(color_);
}

const AcCmEntityColor& AcDbEntity::entityColor() const {
  assertReadEnabled();
  return color_;
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmColor& color, Adesk::Boolean doSubents) {
  return setColor(color.entityColor(), doSubents);
}

Acad::ErrorStatus AcDbEntity::setColor(const AcCmEntityColor& color, Adesk::Boolean) {
  assertWriteEnabled();
  color_ = color;
  recordGraphicsModified();
  return Acad::eOk;
}

Adesk::UInt16 AcDbEntity::colorIndex() const {
  assertReadEnabled();
  return static_cast<Adesk::UInt16>(color_.colorIndex());
}

Acad::ErrorStatus AcDbEntity::setColorIndex(Adesk::UInt16 color, Adesk::Boolean) {
  if (color > 256) return Acad::eInvalidInput;
  assertWriteEnabled();
  color_.setColorIndex(static_cast<Adesk::Int16>(color));
  recordGraphicsModified();
  return Acad::eOk;
}

const ACHAR* AcDbEntity::layer() const {
  assertReadEnabled();
  layerText_ = layerId_.isNull() ? layerName_ : RecordName(layerId_);
  return layerText_.c_str();
}

AcDbObjectId AcDbEntity::layerId() const { return layerId_; }

Acad::ErrorStatus AcDbEntity::setLayer(const ACHAR* newVal, Adesk::Boolean, bool) {
  if (!newVal || !*newVal) return Acad::eInvalidInput;
  if (AcDbDatabase* db = database()) {
    AcDbObjectId id = zhost::FindRecord(db->layerTableId(), newVal);
    if (id.isNull()) return Acad::eKeyNotFound;
    assertWriteEnabled();
    layerId_ = id;
    layerName_.clear();
    recordGraphicsModified();
    return Acad::eOk;
  }
  assertWriteEnabled();
  layerName_ = newVal;
  layerId_.setNull();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLayer(AcDbObjectId newVal, Adesk::Boolean, bool) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (!AcDbLayerTableRecord::cast(zhost::PeekObject(newVal))) return Acad::eWrongObjectType;
  if (database() && newVal.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  layerId_ = newVal;
  layerName_.clear();
  recordGraphicsModified();
  return Acad::eOk;
}

const ACHAR* AcDbEntity::linetype() const {
  assertReadEnabled();
  linetypeText_ = linetypeId_.isNull() ? linetypeName_ : RecordName(linetypeId_);
  return linetypeText_.c_str();
}

AcDbObjectId AcDbEntity::linetypeId() const { return linetypeId_; }

Acad::ErrorStatus AcDbEntity::setLinetype(const ACHAR* newVal, Adesk::Boolean) {
  if (!newVal || !*newVal) return Acad::eInvalidInput;
  if (AcDbDatabase* db = database()) {
    AcDbObjectId id = zhost::FindRecord(db->linetypeTableId(), newVal);
    if (id.isNull()) return Acad::eKeyNotFound;
    assertWriteEnabled();
    linetypeId_ = id;
    linetypeName_.clear();
    recordGraphicsModified();
    return Acad::eOk;
  }
  assertWriteEnabled();
  linetypeName_ = newVal;
  linetypeId_.setNull();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::setLinetype(AcDbObjectId newVal, Adesk::Boolean) {
  if (newVal.isNull()) return Acad::eNullObjectId;
  if (!AcDbLinetypeTableRecord::cast(zhost::PeekObject(newVal))) return Acad::eWrongObjectType;
  if (database() && newVal.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  linetypeId_ = newVal;
  linetypeName_.clear();
  recordGraphicsModified();
  return Acad::eOk;
}

double AcDbEntity::linetypeScale() const {
  assertReadEnabled();
  return linetypeScale_;
}

Acad::ErrorStatus AcDbEntity::setLinetypeScale(double newVal, Adesk::Boolean) {
  if (!(newVal > 0) || !std::isfinite(newVal)) return Acad::eInvalidInput;
  assertWriteEnabled();
  linetypeScale_ = newVal;
  recordGraphicsModified();
  return Acad::eOk;
}

AcDb::Visibility AcDbEntity::visibility() const {
  assertReadEnabled();
  return visibility_;
}

Acad::ErrorStatus AcDbEntity::setVisibility(AcDb::Visibility newVal, Adesk::Boolean) {
  if (newVal != AcDb::kVisible && newVal != AcDb::kInvisible) return Acad::eInvalidInput;
  assertWriteEnabled();
  visibility_ = newVal;
  recordGraphicsModified();
  return Acad::eOk;
}

AcDb::LineWeight AcDbEntity::lineWeight() const {
  assertReadEnabled();
  return lineWeight_;
}

Acad::ErrorStatus AcDbEntity::setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean) {
  if (newVal < AcDb::kLnWtByLwDefault || newVal > AcDb::kLnWt211) return Acad::eInvalidInput;
  assertWriteEnabled();
  lineWeight_ = newVal;
  recordGraphicsModified();
  return Acad::eOk;
}

void AcDbEntity::setDatabaseDefaults(AcDbDatabase* pDb) {
  AcDbDatabase* db = pDb ? pDb : (database() ? database() : acdbHostApplicationServices()->workingDatabase());
  if (!db) return;
  assertWriteEnabled();
  if (!database()) setIntendedDatabase(db);
  if (!db->clayer().isNull()) {
    layerId_ = db->clayer();
    layerName_.clear();
  }
  if (!db->celtype().isNull()) {
    linetypeId_ = db->celtype();
    linetypeName_.clear();
  }
  color_ = db->cecolor().entityColor();
  linetypeScale_ = db->celtscale();
  lineWeight_ = db->celweight();
  subSetDatabaseDefaults(db);
}

void AcDbEntity::subSetDatabaseDefaults(AcDbDatabase*) {}

Acad::ErrorStatus AcDbEntity::setPropertiesFrom(const AcDbEntity* pEntity, Adesk::Boolean) {
  if (!pEntity) return Acad::eNullObjectPointer;
  pEntity->assertReadEnabled();
  assertWriteEnabled();
  bool sameDb = database() == pEntity->database() || !database();
  if (sameDb && !pEntity->layerId_.isNull()) {
    layerId_ = pEntity->layerId_;
    layerName_.clear();
  } else {
    std::wstring name = pEntity->layer();
    AcDbObjectId id = database() ? zhost::FindRecord(database()->layerTableId(), name) : AcDbObjectId();
    layerId_ = id;
    layerName_ = id.isNull() ? name : L"";
  }
  if (sameDb && !pEntity->linetypeId_.isNull()) {
    linetypeId_ = pEntity->linetypeId_;
    linetypeName_.clear();
  } else {
    std::wstring name = pEntity->linetype();
    AcDbObjectId id = database() ? zhost::FindRecord(database()->linetypeTableId(), name) : AcDbObjectId();
    linetypeId_ = id;
    linetypeName_ = id.isNull() ? name : L"";
  }
  color_ = pEntity->color_;
  linetypeScale_ = pEntity->linetypeScale_;
  visibility_ = pEntity->visibility_;
  lineWeight_ = pEntity->lineWeight_;
  recordGraphicsModified();
  return Acad::eOk;
}

void AcDbEntity::resolveSymbols(AcDbDatabase* db) {
  if (!db) return;
  if (layerId_.isNull() || layerId_.database() != db) {
    std::wstring name = layerId_.isNull() ? layerName_ : RecordName(layerId_);
    AcDbObjectId id = FindOrMakeLayer(db, name.empty() ? L"0" : name);
    layerId_ = id.isNull() ? db->layerZero() : id;
    layerName_.clear();
  }
  if (linetypeId_.isNull() || linetypeId_.database() != db) {
    std::wstring name = linetypeId_.isNull() ? linetypeName_ : RecordName(linetypeId_);
    AcDbObjectId id = zhost::FindRecord(db->linetypeTableId(), name.empty() ? L"ByLayer" : name);
    linetypeId_ = id.isNull() ? db->byLayerLinetype() : id;
    linetypeName_.clear();
  }
}

void AcDbEntity::recordGraphicsModified(Adesk::Boolean setModified) { AcDbObject::recordGraphicsModified(setModified); }

Acad::ErrorStatus AcDbEntity::transformBy(const AcGeMatrix3d& xform) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  return Hook([&] { return subTransformBy(xform); });
}

Acad::ErrorStatus AcDbEntity::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const {
  pEnt = nullptr;
  if (!isReadEnabled()) return Acad::eNotOpenForRead;
  return Hook([&] { return subGetTransformedCopy(xform, pEnt); });
}

Acad::ErrorStatus AcDbEntity::explode(AcDbVoidPtrArray& entitySet) const {
  if (!isReadEnabled()) return Acad::eNotOpenForRead;
  return Hook([&] { return subExplode(entitySet); });
}

namespace {

// "AcDbLine" -> "LINE": the name the common part of a listing shows.
std::wstring ListName(const AcRxClass* cls) {
  if (!cls) return L"ENTITY";
  std::wstring name = cls->dxfName();
  if (name.empty()) {
    name = cls->name();
    if (name.compare(0, 4, L"AcDb") == 0) name = name.substr(4);
  }
  for (wchar_t& c : name) c = static_cast<wchar_t>(std::towupper(c));
  return name;
}

}  // namespace

void AcDbEntity::list() const {
  if (!isReadEnabled()) return;
  zhost::Guarded(L"Listing an entity", [this] {
    std::wstring space = L"Model space";
    AcDbDatabase* db = database();
    if (db && ownerId() == db->paperSpaceId()) space = L"Paper space";
    else if (db && ownerId() != db->modelSpaceId()) space = L"Block";
    acutPrintf(L"\n                  %-10s Layer: \"%s\"", ListName(isA()).c_str(), layer());
    acutPrintf(L"\n                            Space: %s", space.c_str());
    if (!color_.isByLayer()) {
      if (color_.isByBlock())
        acutPrintf(L"\n                            Color: BYBLOCK");
      else if (color_.isByColor())
        acutPrintf(L"\n                            Color: %d,%d,%d", color_.red(), color_.green(), color_.blue());
      else
        acutPrintf(L"\n                            Color: %d", color_.colorIndex());
    }
    std::wstring lt = linetype();
    if (!zhost::EqualsNoCase(lt, L"ByLayer")) acutPrintf(L"\n                         Linetype: \"%s\"", lt.c_str());
    if (linetypeScale_ != 1.0) acutPrintf(L"\n                 Linetype scale: %g", linetypeScale_);
    acutPrintf(L"\n                   Handle = %s", handle().text().c_str());
    subList();
    acutPrintf(L"\n");
  });
}

Acad::ErrorStatus AcDbEntity::getGeomExtents(AcDbExtents& extents) const {
  if (!isReadEnabled()) return Acad::eNotOpenForRead;
  return Hook([&] { return subGetGeomExtents(extents); });
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                            Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const {
  if (!pEnt) return Acad::eNullObjectPointer;
  return Hook([&] { return subIntersectWith(pEnt, intType, points, thisGsMarker, otherGsMarker); });
}

Acad::ErrorStatus AcDbEntity::intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                            AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                            Adesk::GsMarker otherGsMarker) const {
  if (!pEnt) return Acad::eNullObjectPointer;
  return Hook([&] { return subIntersectWith(pEnt, intType, projPlane, points, thisGsMarker, otherGsMarker); });
}

Acad::ErrorStatus AcDbEntity::getOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                             const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                             const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                             AcDbIntArray& geomIds) const {
  return Hook([&] {
    return subGetOsnapPoints(osnapMode, gsSelectionMark, pickPoint, lastPoint, viewXform, snapPoints, geomIds);
  });
}

Acad::ErrorStatus AcDbEntity::getOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                             const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                             const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                             AcDbIntArray& geomIds, const AcGeMatrix3d& insertionMat) const {
  return Hook([&] {
    return subGetOsnapPoints(osnapMode, gsSelectionMark, pickPoint, lastPoint, viewXform, snapPoints, geomIds,
                             insertionMat);
  });
}

Acad::ErrorStatus AcDbEntity::getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                            AcDbIntArray& geomIds) const {
  return Hook([&] { return subGetGripPoints(gripPoints, osnapModes, geomIds); });
}

Acad::ErrorStatus AcDbEntity::moveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  return Hook([&] { return subMoveGripPointsAt(indices, offset); });
}

Acad::ErrorStatus AcDbEntity::getStretchPoints(AcGePoint3dArray& stretchPoints) const {
  return Hook([&] { return subGetStretchPoints(stretchPoints); });
}

Acad::ErrorStatus AcDbEntity::moveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  return Hook([&] { return subMoveStretchPointsAt(indices, offset); });
}

Acad::ErrorStatus AcDbEntity::getGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath,
                                                       AcArray<Adesk::GsMarker>& gsMarkers) const {
  return Hook([&] { return subGetGsMarkersAtSubentPath(subPath, gsMarkers); });
}

AcDbEntity* AcDbEntity::subentPtr(const AcDbFullSubentPath& id) const {
  AcDbEntity* result = nullptr;
  Hook([&] {
    result = subSubentPtr(id);
    return Acad::eOk;
  });
  return result;
}

Acad::ErrorStatus AcDbEntity::getPlane(AcGePlane&, AcDb::Planarity& planarity) const {
  planarity = AcDb::kNonPlanar;
  return Acad::eNotApplicable;
}

Adesk::Boolean AcDbEntity::worldDraw(AcGiWorldDraw* mode) {
  Adesk::Boolean done = true;
  Acad::ErrorStatus es = Hook([&] {
    done = subWorldDraw(mode);
    return Acad::eOk;
  });
  return es == Acad::eOk ? done : true;
}

void AcDbEntity::viewportDraw(AcGiViewportDraw* mode) {
  Hook([&] {
    subViewportDraw(mode);
    return Acad::eOk;
  });
}

Adesk::UInt32 AcDbEntity::viewportDrawLogicalFlags(AcGiViewportDraw* vd) {
  Adesk::UInt32 flags = 0;
  Hook([&] {
    flags = subViewportDrawLogicalFlags(vd);
    return Acad::eOk;
  });
  return flags;
}

Acad::ErrorStatus AcDbEntity::subTransformBy(const AcGeMatrix3d&) { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::subGetTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const {
  pEnt = nullptr;
  AcDbEntity* copy = AcDbEntity::cast(clone());
  if (!copy) return Acad::eNotApplicable;
  Acad::ErrorStatus es = copy->transformBy(xform);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  pEnt = copy;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::subExplode(AcDbVoidPtrArray&) const { return Acad::eNotApplicable; }

void AcDbEntity::subList() const {}

Acad::ErrorStatus AcDbEntity::subGetGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray points;
  if (subGetStretchPoints(points) != Acad::eOk || points.isEmpty()) return Acad::eInvalidExtents;
  AcDbExtents box;
  for (int i = 0; i < points.length(); ++i) box.addPoint(points[i]);
  extents = box;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::subIntersectWith(const AcDbEntity*, AcDb::Intersect, AcGePoint3dArray&, Adesk::GsMarker,
                                               Adesk::GsMarker) const {
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::subIntersectWith(const AcDbEntity*, AcDb::Intersect, const AcGePlane&, AcGePoint3dArray&,
                                               Adesk::GsMarker, Adesk::GsMarker) const {
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::subGetOsnapPoints(AcDb::OsnapMode, Adesk::GsMarker, const AcGePoint3d&, const AcGePoint3d&,
                                                const AcGeMatrix3d&, AcGePoint3dArray&, AcDbIntArray&) const {
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                                const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                                const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                                AcDbIntArray& geomIds, const AcGeMatrix3d&) const {
  return subGetOsnapPoints(osnapMode, gsSelectionMark, pickPoint, lastPoint, viewXform, snapPoints, geomIds);
}

Acad::ErrorStatus AcDbEntity::subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray&, AcDbIntArray&) const {
  return subGetStretchPoints(gripPoints);
}

Acad::ErrorStatus AcDbEntity::subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset) {
  return subMoveStretchPointsAt(indices, offset);
}

Acad::ErrorStatus AcDbEntity::subGetStretchPoints(AcGePoint3dArray&) const { return Acad::eNotApplicable; }

Acad::ErrorStatus AcDbEntity::subMoveStretchPointsAt(const AcDbIntArray&, const AcGeVector3d&) {
  return Acad::eNotApplicable;
}

Acad::ErrorStatus AcDbEntity::subGetGsMarkersAtSubentPath(const AcDbFullSubentPath&, AcArray<Adesk::GsMarker>&) const {
  return Acad::eNotApplicable;
}

AcDbEntity* AcDbEntity::subSubentPtr(const AcDbFullSubentPath&) const { return nullptr; }

Adesk::Boolean AcDbEntity::subWorldDraw(AcGiWorldDraw* mode) {
  zhost::HostEntityDrawFn draw = zhost::HostEntityDraw();
  return draw ? draw(this, mode) : true;
}
void AcDbEntity::subViewportDraw(AcGiViewportDraw*) {}
Adesk::UInt32 AcDbEntity::subViewportDrawLogicalFlags(AcGiViewportDraw*) { return 0; }

Acad::ErrorStatus AcDbEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(layerId_);
  filer->writeString(layerId_.isNull() ? layerName_ : std::wstring());
  filer->writeHardPointerId(linetypeId_);
  filer->writeString(linetypeId_.isNull() ? linetypeName_ : std::wstring());
  filer->writeUInt8(static_cast<Adesk::UInt8>(color_.colorMethod()));
  filer->writeInt16(color_.colorIndex());
  filer->writeUInt32((Adesk::UInt32(color_.red()) << 16) | (Adesk::UInt32(color_.green()) << 8) | color_.blue());
  filer->writeDouble(linetypeScale_);
  filer->writeInt16(static_cast<Adesk::Int16>(visibility_));
  filer->writeInt16(static_cast<Adesk::Int16>(lineWeight_));
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId layer, linetype;
  std::wstring layerName, linetypeName;
  Adesk::UInt8 method = 0;
  Adesk::Int16 index = 0, visibility = 0, weight = 0;
  Adesk::UInt32 rgb = 0;
  double scale = 1.0;
  filer->readHardPointerId(&layer);
  filer->readString(layerName);
  filer->readHardPointerId(&linetype);
  filer->readString(linetypeName);
  filer->readUInt8(&method);
  filer->readInt16(&index);
  filer->readUInt32(&rgb);
  filer->readDouble(&scale);
  filer->readInt16(&visibility);
  filer->readInt16(&weight);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  layerId_ = layer;
  layerName_ = layer.isNull() ? (layerName.empty() ? L"0" : layerName) : L"";
  linetypeId_ = linetype;
  linetypeName_ = linetype.isNull() ? (linetypeName.empty() ? L"ByLayer" : linetypeName) : L"";
  AcCmEntityColor color;
  if (method == AcCmEntityColor::kByColor)
    color.setRGB(static_cast<Adesk::UInt8>(rgb >> 16), static_cast<Adesk::UInt8>(rgb >> 8), static_cast<Adesk::UInt8>(rgb));
  else if (method == AcCmEntityColor::kByACI || method == AcCmEntityColor::kByLayer || method == AcCmEntityColor::kByBlock)
    color.setColorIndex(index);
  else
    color.setColorMethod(static_cast<AcCmEntityColor::ColorMethod>(method));
  color_ = color;
  linetypeScale_ = (scale > 0 && std::isfinite(scale)) ? scale : 1.0;
  visibility_ = visibility == AcDb::kInvisible ? AcDb::kInvisible : AcDb::kVisible;
  lineWeight_ = (weight >= AcDb::kLnWtByLwDefault && weight <= AcDb::kLnWt211) ? static_cast<AcDb::LineWeight>(weight)
                                                                               : AcDb::kLnWtByLayer;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeSubclassMarker(L"AcDbEntity");
  if (AcDbDatabase* db = database())
    if (ownerId() == db->paperSpaceId()) filer->writeInt16(static_cast<AcDb::DxfCode>(67), 1);
  filer->writeString(AcDb::kDxfLayerName, layer());
  std::wstring lt = linetype();
  if (!zhost::EqualsNoCase(lt, L"ByLayer")) filer->writeString(AcDb::kDxfLinetypeName, lt.c_str());
  if (!color_.isByLayer()) filer->writeInt16(AcDb::kDxfColor, color_.isByColor() ? 7 : color_.colorIndex());
  if (color_.isByColor())
    filer->writeInt32(AcDb::kDxfColorRGB, static_cast<Adesk::Int32>((Adesk::UInt32(color_.red()) << 16) |
                                                                    (Adesk::UInt32(color_.green()) << 8) | color_.blue()));
  if (lineWeight_ != AcDb::kLnWtByLayer) filer->writeInt16(AcDb::kDxfLineWeight, static_cast<Adesk::Int16>(lineWeight_));
  if (linetypeScale_ != 1.0) filer->writeDouble(AcDb::kDxfLinetypeScale, linetypeScale_);
  if (visibility_ == AcDb::kInvisible) filer->writeInt16(AcDb::kDxfVisibility, 1);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbEntity::dxfInFields(AcDbDxfFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbEntity")) return Acad::eOk;
  resbuf rb;
  while (!filer->atEOF() && filer->readItem(&rb) == Acad::eOk) {
    int code = rb.restype;
    bool isString = zhostRbHoldsString(code);
    if (code == AcDb::kDxfSubclass || code == 0) {
      if (isString) std::free(rb.resval.rstring);
      filer->pushBackItem();
      break;
    }
    if (code == AcDb::kDxfLayerName) setLayer(rb.resval.rstring);
    if (code == AcDb::kDxfLinetypeName) setLinetype(rb.resval.rstring);
    if (code == AcDb::kDxfColor) setColorIndex(static_cast<Adesk::UInt16>(rb.resval.rint));
    if (code == AcDb::kDxfLinetypeScale) setLinetypeScale(rb.resval.rreal);
    if (code == AcDb::kDxfVisibility) setVisibility(rb.resval.rint ? AcDb::kInvisible : AcDb::kVisible);
    if (code == AcDb::kDxfLineWeight) setLineWeight(static_cast<AcDb::LineWeight>(rb.resval.rint));
    if (isString) std::free(rb.resval.rstring);
  }
  return Acad::eOk;
}
