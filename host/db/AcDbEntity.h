// AcDbEntity: an object with a place in the drawing: the common properties (layer, colour,
// linetype and its scale, visibility, line weight) and the geometric protocol whose sub* hooks
// every entity class overrides: transform, explode, list, extents, intersections, object snaps,
// grips, stretch points and drawing. The public forms check the open state and catch what a hook
// throws; an entity class overrides only the sub* forms.
//
// An entity class: derive, ACRX_DECLARE_MEMBERS, file its own fields after the parent's in
// dwgOutFields/dwgInFields, call assertReadEnabled() in getters and assertWriteEnabled() in
// setters, override the sub* hooks it supports.
#pragma once

#include <string>

#include "host/db/AcCmColor.h"
#include "host/db/AcCmEntityColor.h"
#include "host/db/AcDbArrays.h"
#include "host/db/AcDbExtents.h"
#include "host/db/AcDbObject.h"
#include "host/db/AcDbSubentPath.h"
#include "host/ge/AcGeIntArray.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePlane.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGePoint3dArray.h"
#include "host/ge/AcGeVector3d.h"
#include "host/ge/adesk.h"
#include "host/rx/ads.h"

class AcGiWorldDraw;
class AcGiViewportDraw;

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);

  AcDbEntity();
  ~AcDbEntity() override;

  // The block table record (or other owner) holding the entity.
  AcDbObjectId blockId() const { return ownerId(); }

  // Colour.
  AcCmColor color() const;
  const AcCmEntityColor& entityColor() const;
  Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setColor(const AcCmEntityColor& color, Adesk::Boolean doSubents = true);
  // 0 by block, 256 by layer, 1..255 an ACI colour; 7 for a true colour.
  Adesk::UInt16 colorIndex() const;
  // 0..256; eInvalidInput otherwise.
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents = true);

  // Layer: by name (the layer must exist in the entity's database: eKeyNotFound; an entity not
  // in a database keeps the name and resolves it when it is appended, creating the layer there
  // when it is missing) or by id. The returned text belongs to the entity and stays valid until
  // its next layer call.
  const ACHAR* layer() const;
  AcDbObjectId layerId() const;
  Acad::ErrorStatus setLayer(const ACHAR* newVal, Adesk::Boolean doSubents = true,
                             bool allowHiddenLayer = false);
  Acad::ErrorStatus setLayer(AcDbObjectId newVal, Adesk::Boolean doSubents = true,
                             bool allowHiddenLayer = false);

  // Linetype: as the layer ("ByLayer" when new).
  const ACHAR* linetype() const;
  AcDbObjectId linetypeId() const;
  Acad::ErrorStatus setLinetype(const ACHAR* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId newVal, Adesk::Boolean doSubents = true);
  double linetypeScale() const;
  // Positive finite values only.
  Acad::ErrorStatus setLinetypeScale(double newVal, Adesk::Boolean doSubents = true);

  AcDb::Visibility visibility() const;
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, Adesk::Boolean doSubents = true);
  AcDb::LineWeight lineWeight() const;
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean doSubents = true);

  // The database's current layer, colour, linetype, linetype scale (db null: the working
  // database); then subSetDatabaseDefaults.
  void setDatabaseDefaults(AcDbDatabase* pDb = nullptr);
  virtual void subSetDatabaseDefaults(AcDbDatabase* pDb);
  // Layer, colour, linetype, linetype scale, visibility and line weight of another entity.
  Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* pEntity, Adesk::Boolean doSubents = true);

  // Geometry protocol.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
  Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const;
  // New entities (not in a database, owned by the caller) that together draw like this one.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
  // Prints the common part (class, layer, space, handle, colour, linetype ...) then subList's
  // text on the command line (acutPrintf).
  void list() const;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
  Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, AcGePoint3dArray& points,
                                  Adesk::GsMarker thisGsMarker = 0, Adesk::GsMarker otherGsMarker = 0) const;
  Acad::ErrorStatus intersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType, const AcGePlane& projPlane,
                                  AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                  Adesk::GsMarker otherGsMarker = 0) const;
  Acad::ErrorStatus getOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                   const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                   const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                   AcDbIntArray& geomIds) const;
  Acad::ErrorStatus getOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                   const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                   const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                   AcDbIntArray& geomIds, const AcGeMatrix3d& insertionMat) const;
  Acad::ErrorStatus getGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                  AcDbIntArray& geomIds) const;
  Acad::ErrorStatus moveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
  Acad::ErrorStatus getStretchPoints(AcGePoint3dArray& stretchPoints) const;
  Acad::ErrorStatus moveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
  Acad::ErrorStatus getGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath, AcArray<Adesk::GsMarker>& gsMarkers) const;
  AcDbEntity* subentPtr(const AcDbFullSubentPath& id) const;
  virtual bool isPlanar() const { return false; }
  virtual Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const;

  // Drawing (the graphics layer calls these).
  Adesk::Boolean worldDraw(AcGiWorldDraw* mode);
  void viewportDraw(AcGiViewportDraw* mode);
  Adesk::UInt32 viewportDrawLogicalFlags(AcGiViewportDraw* vd);

  // The hooks. Defaults: transform/explode/grips/stretch eNotApplicable; extents from the
  // stretch points (eInvalidExtents when none); intersections and snaps none; subList nothing;
  // subWorldDraw true (nothing drawn); subGetTransformedCopy a clone transformed.
  virtual Acad::ErrorStatus subTransformBy(const AcGeMatrix3d& xform);
  virtual Acad::ErrorStatus subGetTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& pEnt) const;
  virtual Acad::ErrorStatus subExplode(AcDbVoidPtrArray& entitySet) const;
  virtual void subList() const;
  virtual Acad::ErrorStatus subGetGeomExtents(AcDbExtents& extents) const;
  virtual Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType,
                                             AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker,
                                             Adesk::GsMarker otherGsMarker) const;
  virtual Acad::ErrorStatus subIntersectWith(const AcDbEntity* pEnt, AcDb::Intersect intType,
                                             const AcGePlane& projPlane, AcGePoint3dArray& points,
                                             Adesk::GsMarker thisGsMarker, Adesk::GsMarker otherGsMarker) const;
  virtual Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                              const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                              const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                              AcDbIntArray& geomIds) const;
  virtual Acad::ErrorStatus subGetOsnapPoints(AcDb::OsnapMode osnapMode, Adesk::GsMarker gsSelectionMark,
                                              const AcGePoint3d& pickPoint, const AcGePoint3d& lastPoint,
                                              const AcGeMatrix3d& viewXform, AcGePoint3dArray& snapPoints,
                                              AcDbIntArray& geomIds, const AcGeMatrix3d& insertionMat) const;
  virtual Acad::ErrorStatus subGetGripPoints(AcGePoint3dArray& gripPoints, AcDbIntArray& osnapModes,
                                             AcDbIntArray& geomIds) const;
  virtual Acad::ErrorStatus subMoveGripPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
  virtual Acad::ErrorStatus subGetStretchPoints(AcGePoint3dArray& stretchPoints) const;
  virtual Acad::ErrorStatus subMoveStretchPointsAt(const AcDbIntArray& indices, const AcGeVector3d& offset);
  virtual Acad::ErrorStatus subGetGsMarkersAtSubentPath(const AcDbFullSubentPath& subPath,
                                                        AcArray<Adesk::GsMarker>& gsMarkers) const;
  virtual AcDbEntity* subSubentPtr(const AcDbFullSubentPath& id) const;
  virtual Adesk::Boolean subWorldDraw(AcGiWorldDraw* mode);
  virtual void subViewportDraw(AcGiViewportDraw* mode);
  virtual Adesk::UInt32 subViewportDrawLogicalFlags(AcGiViewportDraw* vd);

  // Marks the graphics changed; the display regenerates the entity.
  void recordGraphicsModified(Adesk::Boolean setModified = true) override;

  // Filing of the common properties after the object part: HardPointerId layer, String layer
  // name (only for an entity not in a database, else ""), HardPointerId linetype, String
  // linetype name (likewise), UInt8 colour method, Int16 colour index, UInt32 RGB, Double
  // linetype scale, Int16 visibility, Int16 line weight.
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Host: resolves the layer and linetype names kept by an entity outside a database in db
  // (appending calls it).
  void resolveSymbols(AcDbDatabase* db);

 private:
  AcCmEntityColor color_;
  AcDbObjectId layerId_, linetypeId_;
  std::wstring layerName_ = L"0";
  std::wstring linetypeName_ = L"ByLayer";
  mutable std::wstring layerText_, linetypeText_;
  double linetypeScale_ = 1.0;
  AcDb::Visibility visibility_ = AcDb::kVisible;
  AcDb::LineWeight lineWeight_ = AcDb::kLnWtByLayer;
};
