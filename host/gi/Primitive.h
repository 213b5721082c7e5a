// The regeneration record: every primitive an entity drew, in world coordinates, with the
// traits in force when it was drawn (raw and resolved colour, fill, layer, linetype, line
// weight, selection marker). Display (SVG), hit testing and selection markers read it.
#pragma once

#include <string>
#include <vector>

#include "host/db/AcCmEntityColor.h"
#include "host/db/AcDb.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/ge/adesk.h"
#include "host/gi/AcGi.h"

namespace zhost {

struct Primitive {
  enum Kind { kPolyline, kPolygon, kCircle, kArc, kXline, kRay, kText };
  Kind kind = kPolyline;

  // Polyline and polygon vertices; xline: two points on the line; ray: base and through point.
  std::vector<AcGePoint3d> points;

  // Circle and arc: the arc runs counter-clockwise about normal from startVector by sweep.
  AcGePoint3d center;
  double radius = 0.0;
  AcGeVector3d normal{0, 0, 1};
  AcGeVector3d startVector{1, 0, 0};
  double sweep = 0.0;
  AcGiArcType arcType = kAcGiArcSimple;

  // Text: the left end of its baseline (center holds nothing), reading along direction (unit)
  // with up = normal x direction; width is the measured width (width factor applied).
  AcGePoint3d position;
  AcGeVector3d direction{1, 0, 0};
  std::wstring text;  // the characters shown ("%%" codes expanded unless drawn raw)
  std::wstring styleName, fontFile, typeface;
  bool trueType = false;
  double height = 0.0, widthFactor = 1.0, oblique = 0.0, width = 0.0;

  // Traits.
  Adesk::LongPtr marker = 0;
  Adesk::UInt16 colorIndex = 256;           // as set: 0 by block, 256 by layer
  AcCmEntityColor trueColor;                // as set
  Adesk::UInt16 resolvedColorIndex = 7;     // 1..255 after by-layer and by-block
  AcCmEntityColor resolvedColor;            // kByACI or kByColor after by-layer and by-block
  AcGiFillType fill = kAcGiFillNever;
  AcDbObjectId layerId, linetypeId;
  AcDb::LineWeight lineWeight = AcDb::kLnWtByLayer;

  AcDbObjectId entityId;  // the top-level entity that drew it (null for an entity outside a drawing)

  bool filled() const { return fill == kAcGiFillAlways && (kind == kPolygon || kind == kCircle || kind == kArc); }
};

// What one entity drew.
struct EntityGraphics {
  AcDbObjectId id;
  AcDbObjectId blockId;  // the space or block it belongs to
  std::vector<Primitive> primitives;
};

struct RegenRecord {
  std::vector<EntityGraphics> entities;  // in draw order

  const EntityGraphics* find(AcDbObjectId id) const;
  size_t primitiveCount() const;
  void clear() { entities.clear(); }
};

}  // namespace zhost
