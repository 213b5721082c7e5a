// The draw contexts handed to an entity: AcGiContext (the drawing and whether a plot is being
// generated), AcGiCommonDraw (regeneration type, abort, dragging, traits), AcGiWorldDraw (for
// worldDraw, with world geometry) and AcGiViewportDraw (for viewportDraw, with viewport
// geometry and the viewport).
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/ge/adesk.h"
#include "host/gi/AcGi.h"
#include "host/gi/AcGiGeometry.h"
#include "host/gi/AcGiSubEntityTraits.h"

class AcDbDatabase;

class AcGiContext {
 public:
  virtual ~AcGiContext() = default;
  virtual Adesk::Boolean isPsOut() const = 0;
  virtual Adesk::Boolean isPlotGeneration() const = 0;
  virtual AcDbDatabase* database() const = 0;
  virtual bool isBoundaryClipping() const { return false; }
};

class AcGiCommonDraw {
 public:
  virtual ~AcGiCommonDraw() = default;
  virtual AcGiRegenType regenType() const = 0;
  virtual Adesk::Boolean regenAbort() const = 0;
  virtual AcGiSubEntityTraits& subEntityTraits() const = 0;
  virtual AcGiGeometry* rawGeometry() const = 0;
  virtual Adesk::Boolean isDragging() const = 0;
  virtual AcGiContext* context() = 0;
  virtual Adesk::UInt32 numberOfIsolines() const { return 4; }
};

class AcGiWorldDraw : public AcGiCommonDraw {
 public:
  virtual AcGiWorldGeometry& geometry() const = 0;
};

// The viewport of a plan view: eye coordinates are world coordinates.
class AcGiViewport {
 public:
  virtual ~AcGiViewport() = default;
  virtual void getModelToEyeTransform(AcGeMatrix3d& xform) const { xform.setToIdentity(); }
  virtual void getEyeToModelTransform(AcGeMatrix3d& xform) const { xform.setToIdentity(); }
  virtual void getWorldToEyeTransform(AcGeMatrix3d& xform) const { xform.setToIdentity(); }
  virtual void getEyeToWorldTransform(AcGeMatrix3d& xform) const { xform.setToIdentity(); }
  virtual void getCameraLocation(AcGePoint3d& location) const { location.set(0, 0, 1); }
  virtual void getCameraTarget(AcGePoint3d& target) const { target.set(0, 0, 0); }
  virtual void getCameraUpVector(AcGeVector3d& up) const { up = AcGeVector3d::kYAxis; }
  virtual void getViewDirection(AcGeVector3d& dir) const { dir = AcGeVector3d(0, 0, -1); }
  virtual Adesk::Boolean isPerspective() const { return Adesk::kFalse; }
};

class AcGiViewportDraw : public AcGiCommonDraw {
 public:
  virtual AcGiViewport& viewport() const = 0;
  virtual AcGiViewportGeometry& geometry() const = 0;
  virtual Adesk::UInt32 sequenceNumber() const { return 0; }
  virtual AcDbObjectId viewportObjectId() const { return AcDbObjectId(); }
};
