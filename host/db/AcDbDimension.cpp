// The dimension base: text, style, overrides, filing, and the graphics every kind explodes into.
#include "host/db/AcDbDimension.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cwchar>
#include <cwctype>

#include "host/db/AcDbArc.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbSolid.h"
#include "host/db/AcDbText.h"
#include "host/db/AnnotSupport.h"
#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_DXF_MEMBERS(AcDbDimension, AcDbEntity, nullptr, L"DIMENSION")

namespace {

const Adesk::Int16 kDimensionVersion = 1;

std::wstring Upper(const std::wstring& name) {
  std::wstring out = name;
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(c));
  return out;
}

struct DefaultVar {
  const wchar_t* name;
  double value;
};
// The host's defaults (metric drawings) for the variables a dimension draws with; the full
// dimension-variable set comes with the dimension styles.
const DefaultVar kDefaults[] = {
    {L"DIMASZ", 2.5}, {L"DIMTXT", 2.5},   {L"DIMEXO", 0.625}, {L"DIMEXE", 1.25}, {L"DIMGAP", 0.625},
    {L"DIMSCALE", 1}, {L"DIMLFAC", 1.0}, {L"DIMDEC", 2},      {L"DIMADEC", 0},
};

std::wstring FixedText(double value, int decimals) {
  decimals = std::max(0, std::min(decimals, 8));
  double limit = 0.5 * std::pow(10.0, -decimals);
  if (std::fabs(value) < limit) value = 0.0;  // no "-0.00"
  wchar_t buffer[64];
  std::swprintf(buffer, 64, L"%.*f", decimals, value);
  return buffer;
}

double ReadableAngle(double angle) {
  double a = zhost::NormalizeAngle(angle);
  if (a > M_PI / 2 + 1e-9 && a <= 3 * M_PI / 2 + 1e-9) a = zhost::NormalizeAngle(a + M_PI);
  return a;
}

}  // namespace

AcDbDimension::AcDbDimension() = default;
AcDbDimension::~AcDbDimension() = default;

AcGePoint3d AcDbDimension::textPosition() const {
  assertReadEnabled();
  return textPosition_;
}

Acad::ErrorStatus AcDbDimension::setTextPosition(const AcGePoint3d& pt) {
  assertWriteEnabled();
  textPosition_ = pt;
  defaultTextPosition_ = false;
  return Acad::eOk;
}

bool AcDbDimension::isUsingDefaultTextPosition() const {
  assertReadEnabled();
  return defaultTextPosition_;
}

Acad::ErrorStatus AcDbDimension::useDefaultTextPosition() {
  assertWriteEnabled();
  defaultTextPosition_ = true;
  updateDefaultTextPosition();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::useSetTextPosition() {
  assertWriteEnabled();
  defaultTextPosition_ = false;
  return Acad::eOk;
}

ACHAR* AcDbDimension::dimensionText() const {
  assertReadEnabled();
  return acutNewString(text_.c_str());
}

const ACHAR* AcDbDimension::dimensionTextConst() const {
  assertReadEnabled();
  return text_.c_str();
}

Acad::ErrorStatus AcDbDimension::setDimensionText(const ACHAR* text) {
  if (!text) return Acad::eNullPtr;
  assertWriteEnabled();
  text_ = text;
  updateDefaultTextPosition();
  return Acad::eOk;
}

std::wstring AcDbDimension::formattedMeasurement() const {
  assertReadEnabled();
  double value = subMeasurement();
  std::wstring number;
  if (isAngular()) {
    number = FixedText(value * 180.0 / M_PI, static_cast<int>(dimVarReal(L"DIMADEC"))) + L"%%d";
  } else {
    number = measurementPrefix() +
             FixedText(value * dimVarReal(L"DIMLFAC", 1.0), static_cast<int>(dimVarReal(L"DIMDEC", 2)));
  }
  zhost::DimVarValue post;
  if (effectiveDimVar(L"DIMPOST", post) != Acad::eOk || post.kind != zhost::DimVarValue::kString || post.s.empty())
    return number;
  size_t at = post.s.find(L"<>");
  if (at == std::wstring::npos) return number + post.s;
  return post.s.substr(0, at) + number + post.s.substr(at + 2);
}

std::wstring AcDbDimension::displayText() const {
  assertReadEnabled();
  if (text_.empty()) return formattedMeasurement();
  if (text_ == L" ") return L"";
  size_t at = text_.find(L"<>");
  if (at == std::wstring::npos) return text_;
  return text_.substr(0, at) + formattedMeasurement() + text_.substr(at + 2);
}

Acad::ErrorStatus AcDbDimension::measurement(double& value) const {
  assertReadEnabled();
  value = subMeasurement();
  return Acad::eOk;
}

double AcDbDimension::measurement() const {
  assertReadEnabled();
  return subMeasurement();
}

AcDbObjectId AcDbDimension::dimensionStyle() const {
  assertReadEnabled();
  return style_;
}

Acad::ErrorStatus AcDbDimension::setDimensionStyle(AcDbObjectId style) {
  if (!style.isNull() && style.objectClass() && !style.objectClass()->isDerivedFrom(AcDbDimStyleTableRecord::desc()))
    return Acad::eWrongObjectType;
  assertWriteEnabled();
  style_ = style;
  updateDefaultTextPosition();
  return Acad::eOk;
}

AcDbObjectId AcDbDimension::dimBlockId() const {
  assertReadEnabled();
  return block_;
}

Acad::ErrorStatus AcDbDimension::setDimBlockId(AcDbObjectId block) {
  assertWriteEnabled();
  block_ = block;
  return Acad::eOk;
}

double AcDbDimension::textRotation() const {
  assertReadEnabled();
  return textRotation_;
}

Acad::ErrorStatus AcDbDimension::setTextRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  textRotation_ = zhost::NormalizeAngle(angle);
  return Acad::eOk;
}

double AcDbDimension::horizontalRotation() const {
  assertReadEnabled();
  return horizontalRotation_;
}

Acad::ErrorStatus AcDbDimension::setHorizontalRotation(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  assertWriteEnabled();
  horizontalRotation_ = zhost::NormalizeAngle(angle);
  return Acad::eOk;
}

double AcDbDimension::elevation() const {
  assertReadEnabled();
  return elevation_;
}

Acad::ErrorStatus AcDbDimension::setElevation(double elevation) {
  if (!std::isfinite(elevation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  elevation_ = elevation;
  return Acad::eOk;
}

AcGeVector3d AcDbDimension::normal() const {
  assertReadEnabled();
  return normal_;
}

Acad::ErrorStatus AcDbDimension::setNormal(const AcGeVector3d& normal) {
  if (normal.isZeroLength()) return Acad::eInvalidInput;
  assertWriteEnabled();
  normal_ = normal.normal();
  updateDefaultTextPosition();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::setDimVar(const std::wstring& name, const zhost::DimVarValue& value) {
  if (name.empty()) return Acad::eInvalidInput;
  if (value.kind < zhost::DimVarValue::kInt || value.kind > zhost::DimVarValue::kId) return Acad::eInvalidInput;
  assertWriteEnabled();
  overrides_[Upper(name)] = value;
  updateDefaultTextPosition();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::getDimVar(const std::wstring& name, zhost::DimVarValue& value) const {
  assertReadEnabled();
  auto it = overrides_.find(Upper(name));
  if (it == overrides_.end()) return Acad::eKeyNotFound;
  value = it->second;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::removeDimVar(const std::wstring& name) {
  assertReadEnabled();
  if (overrides_.find(Upper(name)) == overrides_.end()) return Acad::eKeyNotFound;
  assertWriteEnabled();
  overrides_.erase(Upper(name));
  updateDefaultTextPosition();
  return Acad::eOk;
}

const zhost::DimVarMap& AcDbDimension::dimVarOverrides() const {
  assertReadEnabled();
  return overrides_;
}

Acad::ErrorStatus AcDbDimension::effectiveDimVar(const std::wstring& name, zhost::DimVarValue& value) const {
  assertReadEnabled();
  if (getDimVar(name, value) == Acad::eOk) return Acad::eOk;
  zhost::ReadAccess<AcDbDimStyleTableRecord> style(style_);
  if (!style.get()) return Acad::eKeyNotFound;
  const zhost::DimVarValue* found = style.get()->dimVar(Upper(name));
  if (!found) return Acad::eKeyNotFound;
  value = *found;
  return Acad::eOk;
}

double AcDbDimension::dimVarReal(const std::wstring& name, double fallback) const {
  zhost::DimVarValue value;
  if (effectiveDimVar(name, value) == Acad::eOk) {
    if (value.kind == zhost::DimVarValue::kReal && std::isfinite(value.d)) return value.d;
    if (value.kind == zhost::DimVarValue::kInt) return value.i;
  }
  std::wstring key = Upper(name);
  for (const DefaultVar& var : kDefaults)
    if (key == var.name) return var.value;
  return fallback;
}

zhost::DimSizes AcDbDimension::sizes() const {
  double scale = dimVarReal(L"DIMSCALE", 1.0);
  if (!(scale > 0)) scale = 1.0;  // 0 scales to the layout, which the host does not have
  zhost::DimSizes s;
  s.arrow = std::fabs(dimVarReal(L"DIMASZ")) * scale;
  s.text = std::fabs(dimVarReal(L"DIMTXT")) * scale;
  s.extOffset = dimVarReal(L"DIMEXO") * scale;
  s.extExtension = dimVarReal(L"DIMEXE") * scale;
  s.gap = std::fabs(dimVarReal(L"DIMGAP")) * scale;
  return s;
}

void AcDbDimension::subSetDatabaseDefaults(AcDbDatabase* pDb) {
  if (pDb && !pDb->dimstyle().isNull()) style_ = pDb->dimstyle();
}

void AcDbDimension::updateDefaultTextPosition() {
  if (defaultTextPosition_) textPosition_ = subDefaultTextPosition();
}

double AcDbDimension::textAngle(const AcGeVector3d& lineDirection) const {
  if (textRotation_ != 0.0) return textRotation_;
  return ReadableAngle(zhost::PlaneAngle(normal_, lineDirection));
}

AcGePoint3d AcDbDimension::textAbove(const AcGePoint3d& at, const AcGeVector3d& lineDirection) const {
  zhost::DimSizes s = sizes();
  AcGeVector3d dir = zhost::PlaneDirection(normal_, textAngle(lineDirection));
  AcGeVector3d up = zhost::UnitNormal(normal_).crossProduct(dir);
  return at + up * (s.gap + s.text / 2);
}

AcGePoint3d AcDbDimension::subDefaultTextPosition() const { return textPosition_; }

Acad::ErrorStatus AcDbDimension::subGraphics(zhost::DimGraphics&, const zhost::DimSizes&) const {
  return Acad::eNotApplicable;
}

void AcDbDimension::subTransformPoints(const AcGeMatrix3d&, const AcGeVector3d&) {}

void AcDbDimension::linearGraphics(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& dimLine,
                                   const AcGeVector3d& dir, zhost::DimGraphics& g, const zhost::DimSizes& s) const {
  AcGePoint3d a1 = dimLine + dir * (p1 - dimLine).dotProduct(dir);
  AcGePoint3d a2 = dimLine + dir * (p2 - dimLine).dotProduct(dir);
  const AcGePoint3d origins[2] = {p1, p2};
  const AcGePoint3d ends[2] = {a1, a2};
  for (int i = 0; i < 2; ++i) {
    AcGeVector3d along = ends[i] - origins[i];
    if (along.isZeroLength()) continue;
    along.normalize();
    g.lines.push_back({origins[i] + along * s.extOffset, ends[i] + along * s.extExtension});
  }
  g.lines.push_back({a1, a2});
  AcGeVector3d inward = a2 - a1;
  if (!inward.isZeroLength()) {
    inward.normalize();
    g.arrows.push_back({a1, inward});
    g.arrows.push_back({a2, -inward});
  }
  g.textDirection = dir;
}

void AcDbDimension::angleOnSide(const AcGePoint3d& center, const AcGePoint3d& p1, const AcGePoint3d& p2,
                                const AcGePoint3d& arcPoint, double& startAngle, double& endAngle) const {
  double a1 = zhost::PlaneAngle(normal_, p1 - center);
  double a2 = zhost::PlaneAngle(normal_, p2 - center);
  double sweep = zhost::NormalizeAngle(a2 - a1);
  bool onSide = (arcPoint - center).isZeroLength() || zhost::NormalizeAngle(zhost::PlaneAngle(normal_, arcPoint - center) - a1) <= sweep;
  startAngle = onSide ? a1 : a2;
  endAngle = onSide ? a2 : a1;
}

void AcDbDimension::angularGraphics(const AcGePoint3d& center, double startAngle, double endAngle, double radius,
                                    double dist1, double dist2, zhost::DimGraphics& g,
                                    const zhost::DimSizes& s) const {
  g.arcs.push_back({center, radius, startAngle, endAngle});
  const double angles[2] = {startAngle, endAngle};
  const double dists[2] = {dist1, dist2};
  for (int i = 0; i < 2; ++i) {
    AcGeVector3d ray = zhost::PlaneDirection(normal_, angles[i]);
    if (std::fabs(radius - dists[i]) <= s.extOffset) continue;
    double sign = radius > dists[i] ? 1.0 : -1.0;
    g.lines.push_back({center + ray * (dists[i] + sign * s.extOffset), center + ray * (radius + sign * s.extExtension)});
  }
  AcGeVector3d n = zhost::UnitNormal(normal_);
  AcGeVector3d startRay = zhost::PlaneDirection(normal_, startAngle);
  AcGeVector3d endRay = zhost::PlaneDirection(normal_, endAngle);
  g.arrows.push_back({center + startRay * radius, n.crossProduct(startRay)});
  g.arrows.push_back({center + endRay * radius, -n.crossProduct(endRay)});
  double mid = startAngle + zhost::NormalizeAngle(endAngle - startAngle) / 2;
  g.textDirection = n.crossProduct(zhost::PlaneDirection(normal_, mid));
}

Acad::ErrorStatus AcDbDimension::subTransformBy(const AcGeMatrix3d& xform) {
  // A mirror turns the frame over; the dimension stays in its plane facing the same side, so
  // its text keeps reading left to right.
  zhost::TextFrameChange change;
  if (!zhost::TransformTextFrame(xform, normal_, 0.0, change)) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  zhost::TextFrameChange textChange;
  if (textRotation_ != 0.0 && zhost::TransformTextFrame(xform, normal_, textRotation_, textChange))
    textRotation_ = textChange.rotation;
  subTransformPoints(xform, change.normal);
  textPosition_.transformBy(xform);
  normal_ = change.normal;
  updateDefaultTextPosition();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::subExplode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  zhost::DimSizes s = sizes();
  zhost::DimGraphics g;
  Acad::ErrorStatus es = subGraphics(g, s);
  if (es != Acad::eOk) return es;
  std::vector<AcDbEntity*> made;
  for (const zhost::DimGraphics::Segment& seg : g.lines) {
    AcDbLine* line = new AcDbLine(seg.from, seg.to);
    line->setNormal(normal_);
    made.push_back(line);
  }
  for (const zhost::DimGraphics::ArcPiece& piece : g.arcs)
    made.push_back(new AcDbArc(piece.center, normal_, piece.radius, piece.startAngle, piece.endAngle));
  AcGeVector3d n = zhost::UnitNormal(normal_);
  for (const zhost::DimGraphics::Arrow& arrow : g.arrows) {
    if (!(s.arrow > 0)) break;
    AcGePoint3d tail = arrow.tip + arrow.toTail * s.arrow;
    AcGeVector3d side = n.crossProduct(arrow.toTail) * (s.arrow / 6);
    AcDbSolid* solid = new AcDbSolid(arrow.tip, tail + side, tail - side, tail - side);
    solid->setNormal(normal_);
    made.push_back(solid);
  }
  std::wstring shown = displayText();
  if (!shown.empty() && s.text > 0) {
    // The text style of the dimension variables (DIMTXSTY) when one is set.
    zhost::DimVarValue textStyle;
    AcDbObjectId styleId;
    if (effectiveDimVar(L"DIMTXSTY", textStyle) == Acad::eOk && textStyle.kind == zhost::DimVarValue::kId)
      styleId = textStyle.id;
    AcDbText* text = new AcDbText(textPosition_, shown.c_str(), styleId, s.text, textAngle(g.textDirection));
    text->setNormal(normal_);
    text->setHorizontalMode(AcDb::kTextMid);
    text->setAlignmentPoint(textPosition_);
    made.push_back(text);
  }
  for (AcDbEntity* entity : made) {
    entity->setPropertiesFrom(this);
    entitySet.append(entity);
  }
  return Acad::eOk;
}

void AcDbDimension::subList() const {
  assertReadEnabled();
  subListGeometry();
  zhost::ListReal(L"measurement:", subMeasurement());
  zhost::ListText(L"text:", displayText());
  if (!text_.empty()) zhost::ListText(L"dimension text:", text_);
  zhost::ListPoint(L"text position:", textPosition_);
  zhost::ListText(L"default text position:", defaultTextPosition_ ? L"Yes" : L"No");
  if (textRotation_ != 0.0) zhost::ListAngle(L"text rotation:", textRotation_);
  zhost::ListText(L"dimension style:", L"\"" + zhost::SymbolName(style_) + L"\"");
  for (const auto& entry : overrides_) {
    const zhost::DimVarValue& v = entry.second;
    std::wstring value;
    if (v.kind == zhost::DimVarValue::kInt) value = std::to_wstring(v.i);
    if (v.kind == zhost::DimVarValue::kReal) value = FixedText(v.d, 4);
    if (v.kind == zhost::DimVarValue::kString) value = L"\"" + v.s + L"\"";
    if (v.kind == zhost::DimVarValue::kId) value = v.id.isNull() ? L"none" : v.id.handle().text();
    zhost::ListText((entry.first + L":").c_str(), value);
  }
}

Acad::ErrorStatus AcDbDimension::subGetGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  AcDbVoidPtrArray pieces;
  Acad::ErrorStatus es = subExplode(pieces);
  if (es != Acad::eOk) return es;
  AcDbExtents total;
  bool any = false;
  for (int i = 0; i < pieces.length(); ++i) {
    AcDbEntity* entity = static_cast<AcDbEntity*>(pieces[i]);
    AcDbExtents box;
    if (entity->getGeomExtents(box) == Acad::eOk) {
      total.addExt(box);
      any = true;
    }
    delete entity;
  }
  if (!any) return Acad::eInvalidExtents;
  extents = total;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimension::dwgOutFields(AcDbDwgFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeInt16(kDimensionVersion);
  forEachField(*this, [filer](const auto& field) { zhost::FileOut(filer, field); });
  filer->writeInt32(static_cast<Adesk::Int32>(overrides_.size()));
  for (const auto& entry : overrides_) {
    const zhost::DimVarValue& v = entry.second;
    filer->writeString(entry.first);
    filer->writeInt16(static_cast<Adesk::Int16>(v.groupCode));
    filer->writeInt8(static_cast<Adesk::Int8>(v.kind));
    if (v.kind == zhost::DimVarValue::kInt) filer->writeInt32(v.i);
    if (v.kind == zhost::DimVarValue::kReal) filer->writeDouble(v.d);
    if (v.kind == zhost::DimVarValue::kString) filer->writeString(v.s);
    if (v.kind == zhost::DimVarValue::kId) filer->writeHardPointerId(v.id);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimension::dwgInFields(AcDbDwgFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  Adesk::Int16 version = 0;
  filer->readInt16(&version);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (version != kDimensionVersion) return Acad::eDwgObjectImproperlyRead;
  forEachField(*this, [filer](auto& field) { zhost::FileIn(filer, field); });
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  // Every override takes several items: a count beyond what any filer can hold is damage.
  if (count < 0 || count > 100000) return Acad::eDwgObjectImproperlyRead;
  zhost::DimVarMap vars;
  for (Adesk::Int32 i = 0; i < count; ++i) {
    std::wstring name;
    Adesk::Int16 code = 0;
    Adesk::Int8 kind = 0;
    filer->readString(name);
    filer->readInt16(&code);
    filer->readInt8(&kind);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    zhost::DimVarValue v;
    v.groupCode = code;
    if (kind == zhost::DimVarValue::kInt) {
      filer->readInt32(&v.i);
    } else if (kind == zhost::DimVarValue::kReal) {
      filer->readDouble(&v.d);
    } else if (kind == zhost::DimVarValue::kString) {
      filer->readString(v.s);
    } else if (kind == zhost::DimVarValue::kId) {
      AcDbHardPointerId id;
      filer->readHardPointerId(&id);
      v.id = id;
    } else {
      return Acad::eDwgObjectImproperlyRead;
    }
    v.kind = static_cast<zhost::DimVarValue::Kind>(kind);
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
    if (name.empty()) return Acad::eDwgObjectImproperlyRead;
    vars[Upper(name)] = v;
  }
  overrides_.swap(vars);
  if (normal_.isZeroLength()) return Acad::eDwgObjectImproperlyRead;
  return Acad::eOk;
}
