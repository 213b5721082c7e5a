// AcGiDrawable: something the graphics layer can draw that is not an entity of a drawing (an
// entity is drawn through AcGiGeometry::draw(AcDbEntity*)). worldDraw returns true when it is
// done, false when it also wants viewportDraw.
#pragma once

#include "host/ge/adesk.h"

class AcGiWorldDraw;
class AcGiViewportDraw;

class AcGiDrawable {
 public:
  virtual ~AcGiDrawable() = default;
  virtual Adesk::Boolean worldDraw(AcGiWorldDraw* mode) = 0;
  virtual void viewportDraw(AcGiViewportDraw*) {}
};
