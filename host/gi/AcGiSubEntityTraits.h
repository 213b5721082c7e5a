// AcGiSubEntityTraits: the properties a drawing entity sets before the primitives they apply
// to: colour (index or true colour), layer, linetype, line weight, fill and the selection
// marker that names the sub-entity the following primitives belong to.
#pragma once

#include "host/db/AcCmEntityColor.h"
#include "host/db/AcDb.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/adesk.h"
#include "host/gi/AcGi.h"

class AcGiSubEntityTraits {
 public:
  virtual ~AcGiSubEntityTraits() = default;

  // 0 by block, 256 by layer, 1..255 a colour index.
  virtual void setColor(const Adesk::UInt16 color) = 0;
  virtual void setTrueColor(const AcCmEntityColor& color) = 0;
  virtual void setLayer(const AcDbObjectId layerId) = 0;
  virtual void setLineType(const AcDbObjectId linetypeId) = 0;
  virtual void setSelectionMarker(const Adesk::LongPtr markerId) = 0;
  virtual void setFillType(const AcGiFillType type) = 0;
  virtual void setLineWeight(const AcDb::LineWeight lw) = 0;
  virtual void setLineTypeScale(double scale = 1.0) = 0;
  virtual void setThickness(double thickness) = 0;

  virtual Adesk::UInt16 color() const = 0;
  virtual AcCmEntityColor trueColor() const = 0;
  virtual AcDbObjectId layerId() const = 0;
  virtual AcDbObjectId lineTypeId() const = 0;
  virtual AcGiFillType fillType() const = 0;
  virtual AcDb::LineWeight lineWeight() const = 0;
  virtual double lineTypeScale() const = 0;
  virtual double thickness() const = 0;
  virtual Adesk::LongPtr selectionMarker() const = 0;
};
