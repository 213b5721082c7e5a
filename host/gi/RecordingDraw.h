// The host's draw contexts: zhost::Recorder keeps the traits, the model transforms and the
// colour of the enclosing block while an entity draws, and turns every primitive into a
// zhost::Primitive in world coordinates. RecordingWorldDraw / RecordingViewportDraw hand it to
// an entity as AcGiWorldDraw / AcGiViewportDraw.
#pragma once

#include <memory>
#include <vector>

#include "host/gi/AcGiWorldDraw.h"
#include "host/gi/Primitive.h"

class AcDbEntity;
class AcGiTextStyle;

namespace zhost {

class RecordingWorldDraw;
class RecordingViewportDraw;

class Recorder {
 public:
  // Primitives go to out; db resolves layer colours and layer names.
  Recorder(EntityGraphics& out, AcDbDatabase* db, AcGiRegenType type, bool plot);
  ~Recorder();
  Recorder(const Recorder&) = delete;
  Recorder& operator=(const Recorder&) = delete;

  // Draws a top-level entity: its own traits, worldDraw, then viewportDraw when worldDraw
  // returned false.
  void drawEntity(AcDbEntity* ent);
  // Nested: the entity's traits inside the current ones (layer "0" and by-block colour take the
  // enclosing entity's). False when nesting is too deep (a block that holds itself).
  bool drawNested(AcDbEntity* ent);
  bool drawNested(AcGiDrawable* drawable);

  void polyline(Adesk::UInt32 n, const AcGePoint3d* pts, Adesk::LongPtr baseMarker);
  void polygon(Adesk::UInt32 n, const AcGePoint3d* pts);
  void circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal);
  void circle3(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3);
  void arc(const AcGePoint3d& center, double radius, const AcGeVector3d& normal, const AcGeVector3d& startVector,
           double sweep, AcGiArcType type);
  void arc3(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end, AcGiArcType type);
  void line(Primitive::Kind kind, const AcGePoint3d& p1, const AcGePoint3d& p2);
  void text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction, const ACHAR* msg,
            int length, bool raw, const AcGiTextStyle& style);

  void pushTransform(const AcGeMatrix3d& xform);
  bool popTransform();
  const AcGeMatrix3d& transform() const { return transforms_.back(); }

  struct Traits {
    Adesk::UInt16 color = 256;
    AcCmEntityColor trueColor;
    AcDbObjectId layer, linetype;
    Adesk::LongPtr marker = 0;
    AcGiFillType fill = kAcGiFillNever;
    AcDb::LineWeight lineWeight = AcDb::kLnWtByLayer;
    double linetypeScale = 1.0, thickness = 0.0;
  };
  Traits& traits() { return traits_; }

  AcGiRegenType regenType() const { return type_; }
  bool plot() const { return plot_; }
  AcDbDatabase* database() const { return db_; }
  RecordingWorldDraw& worldDraw() { return *world_; }

 private:
  void setTraitsFrom(AcDbEntity* ent, bool nested);
  void drawWith(AcDbEntity* ent);
  Primitive& add(Primitive::Kind kind);
  AcCmEntityColor resolve(const AcCmEntityColor& color, AcDbObjectId layer) const;
  AcDbObjectId layerByName(const ACHAR* name) const;

  EntityGraphics& out_;
  AcDbDatabase* db_;
  AcGiRegenType type_;
  bool plot_;
  Traits traits_;
  std::vector<AcGeMatrix3d> transforms_;
  std::vector<AcCmEntityColor> blockColors_;  // the resolved colour of each enclosing entity
  int depth_ = 0;
  std::unique_ptr<RecordingWorldDraw> world_;
  std::unique_ptr<RecordingViewportDraw> viewport_;
};

}  // namespace zhost
