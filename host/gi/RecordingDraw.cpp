// The recording draw contexts and the recorder behind them.
#include "host/gi/RecordingDraw.h"

#include <cmath>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/ObjectStub.h"
#include "host/ge/AcGeCircArc3d.h"
#include "host/gi/AcGiDrawable.h"
#include "host/gi/AcGiTextStyle.h"

namespace zhost {

namespace {

const int kMaxNesting = 16;
const double kTwoPi = 6.28318530717958647692;

class RecordingTraits : public AcGiSubEntityTraits {
 public:
  explicit RecordingTraits(Recorder& r) : r_(r) {}
  void setColor(const Adesk::UInt16 color) override {
    r_.traits().color = color;
    r_.traits().trueColor.setColorIndex(static_cast<Adesk::Int16>(color));
  }
  void setTrueColor(const AcCmEntityColor& color) override {
    r_.traits().trueColor = color;
    r_.traits().color = static_cast<Adesk::UInt16>(color.colorIndex());
  }
  void setLayer(const AcDbObjectId layerId) override { r_.traits().layer = layerId; }
  void setLineType(const AcDbObjectId linetypeId) override { r_.traits().linetype = linetypeId; }
  void setSelectionMarker(const Adesk::LongPtr markerId) override { r_.traits().marker = markerId; }
  void setFillType(const AcGiFillType type) override { r_.traits().fill = type; }
  void setLineWeight(const AcDb::LineWeight lw) override { r_.traits().lineWeight = lw; }
  void setLineTypeScale(double scale) override { r_.traits().linetypeScale = scale; }
  void setThickness(double thickness) override { r_.traits().thickness = thickness; }
  Adesk::UInt16 color() const override { return r_.traits().color; }
  AcCmEntityColor trueColor() const override { return r_.traits().trueColor; }
  AcDbObjectId layerId() const override { return r_.traits().layer; }
  AcDbObjectId lineTypeId() const override { return r_.traits().linetype; }
  AcGiFillType fillType() const override { return r_.traits().fill; }
  AcDb::LineWeight lineWeight() const override { return r_.traits().lineWeight; }
  double lineTypeScale() const override { return r_.traits().linetypeScale; }
  double thickness() const override { return r_.traits().thickness; }
  Adesk::LongPtr selectionMarker() const override { return r_.traits().marker; }

 private:
  Recorder& r_;
};

// The primitives, shared by the world and the viewport geometry.
template <class Base>
class RecordingGeometry : public Base {
 public:
  explicit RecordingGeometry(Recorder& r) : r_(r) {}
  Adesk::Boolean polyline(const Adesk::UInt32 n, const AcGePoint3d* pts, const AcGeVector3d*,
                          Adesk::LongPtr base) const override {
    r_.polyline(n, pts, base);
    return Adesk::kFalse;
  }
  Adesk::Boolean polygon(const Adesk::UInt32 n, const AcGePoint3d* pts) const override {
    r_.polygon(n, pts);
    return Adesk::kFalse;
  }
  Adesk::Boolean circle(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal) const override {
    r_.circle(center, radius, normal);
    return Adesk::kFalse;
  }
  Adesk::Boolean circle(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) const override {
    r_.circle3(p1, p2, p3);
    return Adesk::kFalse;
  }
  Adesk::Boolean circularArc(const AcGePoint3d& center, const double radius, const AcGeVector3d& normal,
                             const AcGeVector3d& startVector, const double sweep,
                             const AcGiArcType type) const override {
    r_.arc(center, radius, normal, startVector, sweep, type);
    return Adesk::kFalse;
  }
  Adesk::Boolean circularArc(const AcGePoint3d& start, const AcGePoint3d& point, const AcGePoint3d& end,
                             const AcGiArcType type) const override {
    r_.arc3(start, point, end, type);
    return Adesk::kFalse;
  }
  Adesk::Boolean xline(const AcGePoint3d& p1, const AcGePoint3d& p2) const override {
    r_.line(Primitive::kXline, p1, p2);
    return Adesk::kFalse;
  }
  Adesk::Boolean ray(const AcGePoint3d& p1, const AcGePoint3d& p2) const override {
    r_.line(Primitive::kRay, p1, p2);
    return Adesk::kFalse;
  }
  Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                      const double height, const double width, const double oblique,
                      const ACHAR* msg) const override {
    AcGiTextStyle style;
    style.setTextSize(height);
    style.setXScale(width);
    style.setObliquingAngle(oblique);
    r_.text(position, normal, direction, msg, -1, false, style);
    return Adesk::kFalse;
  }
  Adesk::Boolean text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                      const ACHAR* msg, const Adesk::Int32 length, const Adesk::Boolean raw,
                      const AcGiTextStyle& style) const override {
    r_.text(position, normal, direction, msg, length, raw, style);
    return Adesk::kFalse;
  }
  Adesk::Boolean draw(AcDbEntity* ent) const override {
    if (ent) r_.drawNested(ent);
    return Adesk::kFalse;
  }
  Adesk::Boolean draw(AcGiDrawable* drawable) const override {
    if (drawable) r_.drawNested(drawable);
    return Adesk::kFalse;
  }
  Adesk::Boolean pushModelTransform(const AcGeMatrix3d& xform) override {
    r_.pushTransform(xform);
    return Adesk::kFalse;
  }
  Adesk::Boolean popModelTransform() override { return r_.popTransform() ? Adesk::kFalse : Adesk::kTrue; }
  AcGeMatrix3d getModelToWorldTransform() const override { return r_.transform(); }
  AcGeMatrix3d getWorldToModelTransform() const override { return r_.transform().inverse(); }

 protected:
  Recorder& r_;
};

class RecordingViewportGeometry : public RecordingGeometry<AcGiViewportGeometry> {
 public:
  using RecordingGeometry<AcGiViewportGeometry>::RecordingGeometry;
  Adesk::Boolean polylineEye(const Adesk::UInt32 n, const AcGePoint3d* pts) const override {
    return polyline(n, pts, nullptr, -1);
  }
  Adesk::Boolean polygonEye(const Adesk::UInt32 n, const AcGePoint3d* pts) const override { return polygon(n, pts); }
  Adesk::Boolean polylineDc(const Adesk::UInt32 n, const AcGePoint3d* pts) const override {
    return polyline(n, pts, nullptr, -1);
  }
  Adesk::Boolean polygonDc(const Adesk::UInt32 n, const AcGePoint3d* pts) const override { return polygon(n, pts); }
};

class RecordingContext : public AcGiContext {
 public:
  explicit RecordingContext(Recorder& r) : r_(r) {}
  Adesk::Boolean isPsOut() const override { return Adesk::kFalse; }
  Adesk::Boolean isPlotGeneration() const override { return r_.plot(); }
  AcDbDatabase* database() const override { return r_.database(); }

 private:
  Recorder& r_;
};

// What the world and the viewport draw share.
template <class Base, class Geometry>
class RecordingDrawT : public Base {
 public:
  explicit RecordingDrawT(Recorder& r) : r_(r), traits_(r), geometry_(r), context_(r) {}
  AcGiRegenType regenType() const override { return r_.regenType(); }
  Adesk::Boolean regenAbort() const override { return Adesk::kFalse; }
  AcGiSubEntityTraits& subEntityTraits() const override { return traits_; }
  AcGiGeometry* rawGeometry() const override { return &geometry_; }
  Adesk::Boolean isDragging() const override { return Adesk::kFalse; }
  AcGiContext* context() override { return &context_; }
  Geometry& geometry() const override { return geometry_; }

 protected:
  Recorder& r_;
  mutable RecordingTraits traits_;
  mutable Geometry geometry_;
  RecordingContext context_;
};

class PlanViewport : public AcGiViewport {};

}  // namespace

class RecordingWorldDraw : public RecordingDrawT<AcGiWorldDraw, RecordingGeometry<AcGiWorldGeometry>> {
 public:
  using RecordingDrawT::RecordingDrawT;
};

class RecordingViewportDraw : public RecordingDrawT<AcGiViewportDraw, RecordingViewportGeometry> {
 public:
  using RecordingDrawT::RecordingDrawT;
  AcGiViewport& viewport() const override { return viewport_; }

 private:
  mutable PlanViewport viewport_;
};

Recorder::Recorder(EntityGraphics& out, AcDbDatabase* db, AcGiRegenType type, bool plot)
    : out_(out), db_(db), type_(type), plot_(plot), transforms_(1, AcGeMatrix3d::kIdentity),
      world_(new RecordingWorldDraw(*this)), viewport_(new RecordingViewportDraw(*this)) {}

Recorder::~Recorder() = default;

AcDbObjectId Recorder::layerByName(const ACHAR* name) const {
  AcDbObjectId id;
  if (!db_ || !name) return id;
  AcDbLayerTable* table = nullptr;
  if (db_->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return id;
  table->getAt(name, id);
  table->close();
  return id;
}

void Recorder::setTraitsFrom(AcDbEntity* ent, bool nested) {
  Traits t;
  t.trueColor = ent->entityColor();
  t.color = static_cast<Adesk::UInt16>(t.trueColor.colorIndex());
  t.layer = ent->layerId();
  if (t.layer.isNull()) t.layer = layerByName(ent->layer());
  // Block contents on layer "0" take the layer of the entity that draws them.
  if (nested && (t.layer.isNull() || (db_ && t.layer == db_->layerZero()))) t.layer = traits_.layer;
  t.linetype = ent->linetypeId();
  t.lineWeight = ent->lineWeight();
  t.linetypeScale = ent->linetypeScale();
  t.marker = nested ? traits_.marker : 0;
  traits_ = t;
}

void Recorder::drawWith(AcDbEntity* ent) {
  if (!ent->worldDraw(world_.get())) ent->viewportDraw(viewport_.get());
}

void Recorder::drawEntity(AcDbEntity* ent) {
  if (!ent) return;
  setTraitsFrom(ent, false);
  drawWith(ent);
}

bool Recorder::drawNested(AcDbEntity* ent) {
  if (depth_ >= kMaxNesting) return false;
  Traits saved = traits_;
  blockColors_.push_back(resolve(traits_.trueColor, traits_.layer));
  ++depth_;
  setTraitsFrom(ent, true);
  drawWith(ent);
  --depth_;
  blockColors_.pop_back();
  traits_ = saved;
  return true;
}

bool Recorder::drawNested(AcGiDrawable* drawable) {
  if (depth_ >= kMaxNesting) return false;
  Traits saved = traits_;
  ++depth_;
  if (!drawable->worldDraw(world_.get())) drawable->viewportDraw(viewport_.get());
  --depth_;
  traits_ = saved;
  return true;
}

AcCmEntityColor Recorder::resolve(const AcCmEntityColor& color, AcDbObjectId layer) const {
  AcCmEntityColor white;
  white.setColorIndex(7);
  if (color.isByBlock()) return blockColors_.empty() ? white : blockColors_.back();
  if (!color.isByLayer()) return color.isNone() ? white : color;
  const AcDbLayerTableRecord* rec = AcDbLayerTableRecord::cast(PeekObject(layer));
  if (!rec) return white;
  AcCmEntityColor layerColor = rec->peekColor().entityColor();
  if (layerColor.isByLayer() || layerColor.isByBlock() || layerColor.isNone()) return white;
  return layerColor;
}

Primitive& Recorder::add(Primitive::Kind kind) {
  out_.primitives.emplace_back();
  Primitive& p = out_.primitives.back();
  p.kind = kind;
  p.marker = traits_.marker;
  p.colorIndex = traits_.color;
  p.trueColor = traits_.trueColor;
  p.resolvedColor = resolve(traits_.trueColor, traits_.layer);
  p.resolvedColorIndex = static_cast<Adesk::UInt16>(p.resolvedColor.colorIndex());
  p.fill = traits_.fill;
  p.layerId = traits_.layer;
  p.linetypeId = traits_.linetype;
  p.lineWeight = traits_.lineWeight;
  p.entityId = out_.id;
  return p;
}

namespace {

AcGePoint3d Moved(const AcGePoint3d& p, const AcGeMatrix3d& m) {
  AcGePoint3d q = p;
  return q.transformBy(m);
}

AcGeVector3d Turned(const AcGeVector3d& v, const AcGeMatrix3d& m) {
  AcGeVector3d w = v;
  return w.transformBy(m);
}

bool Finite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

}  // namespace

void Recorder::polyline(Adesk::UInt32 n, const AcGePoint3d* pts, Adesk::LongPtr baseMarker) {
  if (!pts || n < 2) return;
  for (Adesk::UInt32 i = 0; i < n; ++i)
    if (!Finite(pts[i])) return;
  if (baseMarker < 0) {
    Primitive& p = add(Primitive::kPolyline);
    for (Adesk::UInt32 i = 0; i < n; ++i) p.points.push_back(Moved(pts[i], transform()));
    return;
  }
  // One primitive per segment, so that each carries its own marker.
  Adesk::LongPtr saved = traits_.marker;
  for (Adesk::UInt32 i = 0; i + 1 < n; ++i) {
    traits_.marker = baseMarker + static_cast<Adesk::LongPtr>(i) + 1;
    Primitive& p = add(Primitive::kPolyline);
    p.points = {Moved(pts[i], transform()), Moved(pts[i + 1], transform())};
  }
  traits_.marker = saved;
}

void Recorder::polygon(Adesk::UInt32 n, const AcGePoint3d* pts) {
  if (!pts || n < 2) return;
  for (Adesk::UInt32 i = 0; i < n; ++i)
    if (!Finite(pts[i])) return;
  Primitive& p = add(Primitive::kPolygon);
  for (Adesk::UInt32 i = 0; i < n; ++i) p.points.push_back(Moved(pts[i], transform()));
}

void Recorder::circle(const AcGePoint3d& center, double radius, const AcGeVector3d& normal) {
  AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  size_t before = out_.primitives.size();
  arc(center, radius, n, n.perpVector(), kTwoPi, kAcGiArcSimple);
  if (out_.primitives.size() > before) out_.primitives.back().kind = Primitive::kCircle;
}

void Recorder::circle3(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& p3) {
  AcGeCircArc3d through;
  AcGe::ErrorCondition flag = AcGe::kOk;
  through.set(p1, p2, p3, flag);
  if (flag != AcGe::kOk) return;
  circle(through.center(), through.radius(), through.normal());
}

void Recorder::arc(const AcGePoint3d& center, double radius, const AcGeVector3d& normal,
                   const AcGeVector3d& startVector, double sweep, AcGiArcType type) {
  if (!Finite(center) || !std::isfinite(radius) || !(radius > 0) || !std::isfinite(sweep) || sweep == 0) return;
  AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  AcGeVector3d u = startVector - n * startVector.dotProduct(n);
  if (u.isZeroLength()) u = n.perpVector();
  u.normalize();
  if (sweep < 0) {  // the same arc the other way round
    u = Turned(u, AcGeMatrix3d::rotation(sweep, n));
    sweep = -sweep;
  }
  if (sweep > kTwoPi) sweep = kTwoPi;
  AcGeVector3d v = n.crossProduct(u);
  const AcGeMatrix3d& m = transform();
  AcGeVector3d mu = Turned(u, m), mv = Turned(v, m);
  Primitive& p = add(Primitive::kArc);
  p.center = Moved(center, m);
  p.radius = radius * mu.length();
  p.normal = mu.crossProduct(mv).normal();
  p.startVector = mu.normal();
  p.sweep = sweep;
  p.arcType = type;
}

void Recorder::arc3(const AcGePoint3d& start, const AcGePoint3d& mid, const AcGePoint3d& end, AcGiArcType type) {
  AcGeCircArc3d through;
  AcGe::ErrorCondition flag = AcGe::kOk;
  through.set(start, mid, end, flag);
  if (flag != AcGe::kOk) {
    AcGePoint3d pts[3] = {start, mid, end};
    polyline(3, pts, -1);
    return;
  }
  AcGeVector3d u = through.startPoint() - through.center();
  arc(through.center(), through.radius(), through.normal(), u, through.endAng() - through.startAng(), type);
}

void Recorder::line(Primitive::Kind kind, const AcGePoint3d& p1, const AcGePoint3d& p2) {
  if (!Finite(p1) || !Finite(p2) || p1.isEqualTo(p2)) return;
  Primitive& p = add(kind);
  p.points = {Moved(p1, transform()), Moved(p2, transform())};
}

void Recorder::text(const AcGePoint3d& position, const AcGeVector3d& normal, const AcGeVector3d& direction,
                    const ACHAR* msg, int length, bool raw, const AcGiTextStyle& style) {
  std::wstring shown = AcGiTextStyle::shownText(msg, length, raw);
  double size = style.textSize();
  if (shown.empty() || !Finite(position) || !std::isfinite(size) || !(size > 0)) return;
  AcGeVector3d n = normal.isZeroLength() ? AcGeVector3d::kZAxis : normal.normal();
  AcGeVector3d dir = direction - n * direction.dotProduct(n);
  if (dir.isZeroLength()) dir = n.perpVector();
  dir.normalize();
  AcGeVector3d up = n.crossProduct(dir);
  const AcGeMatrix3d& m = transform();
  AcGeVector3d mdir = Turned(dir, m), mup = Turned(up, m);
  if (mdir.isZeroLength() || mup.isZeroLength()) return;
  double xScale = std::isfinite(style.xScale()) && style.xScale() > 0 ? style.xScale() : 1.0;
  Primitive& p = add(Primitive::kText);
  p.position = Moved(position, m);
  p.direction = mdir.normal();
  p.normal = mdir.crossProduct(mup).normal();
  p.text = shown;
  p.styleName = style.styleName();
  p.fontFile = style.fileName();
  p.typeface = style.typeface();
  p.trueType = style.isTrueType();
  p.height = size * mup.length();
  p.widthFactor = xScale * mdir.length() / mup.length();
  p.oblique = std::isfinite(style.obliquingAngle()) ? style.obliquingAngle() : 0.0;
  p.width = style.extents(shown.c_str(), Adesk::kFalse, -1, Adesk::kTrue).x * mdir.length();
}

void Recorder::pushTransform(const AcGeMatrix3d& xform) { transforms_.push_back(transforms_.back() * xform); }

bool Recorder::popTransform() {
  if (transforms_.size() < 2) return false;
  transforms_.pop_back();
  return true;
}

}  // namespace zhost
