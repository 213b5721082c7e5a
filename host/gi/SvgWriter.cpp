// The SVG writer: extents, view box, one element per primitive, one group per entity.
#include "host/gi/SvgWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/gi/AciColors.h"
#include "host/gi/Regenerate.h"
#include "host/win/Files.h"
#include "host/win/TextConv.h"

namespace zhost {

namespace {

const double kPi = 3.14159265358979323846;
const double kCapHeightEm = 0.72;  // the text height is the cap height of the face

struct Box {
  double x0 = std::numeric_limits<double>::max(), y0 = std::numeric_limits<double>::max();
  double x1 = -std::numeric_limits<double>::max(), y1 = -std::numeric_limits<double>::max();
  bool valid() const { return x0 <= x1 && y0 <= y1; }
  void add(const AcGePoint3d& p) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
    x0 = std::min(x0, p.x), y0 = std::min(y0, p.y), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  }
};

std::string Num(double v) {
  if (!std::isfinite(v)) v = 0;
  if (std::fabs(v) < 1e-9) v = 0;
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  std::string s(buf);
  std::replace(s.begin(), s.end(), ',', '.');  // whatever the C library's locale says
  return s;
}

// An SVG point: y turned up.
std::string Pt(const AcGePoint3d& p) { return Num(p.x) + "," + Num(-p.y); }

std::string Escape(const std::wstring& text) {
  std::string out;
  for (char c : ToUtf8(text)) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else if (static_cast<unsigned char>(c) < 0x20) out += ' ';
    else out += c;
  }
  return out;
}

std::string Hex(const Rgb& c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

std::string ColorOf(const Primitive& p, const SvgOptions& options) {
  if (p.resolvedColor.isByColor()) {
    Rgb c;
    c.r = p.resolvedColor.red(), c.g = p.resolvedColor.green(), c.b = p.resolvedColor.blue();
    return Hex(c);
  }
  return Hex(AciToRgb(p.resolvedColorIndex, options.darkBackground));
}

AcGePoint3d ArcPoint(const Primitive& p, double angle) {
  AcGeVector3d v = p.normal.crossProduct(p.startVector);
  return p.center + (p.startVector * std::cos(angle) + v * std::sin(angle)) * p.radius;
}

bool InPlan(const Primitive& p) { return std::fabs(std::fabs(p.normal.z) - 1.0) < 1e-9; }

std::vector<AcGePoint3d> ArcSamples(const Primitive& p) {
  int n = std::max(8, static_cast<int>(std::ceil(p.sweep / (kPi / 36))));
  std::vector<AcGePoint3d> pts;
  for (int i = 0; i <= n; ++i) pts.push_back(ArcPoint(p, p.sweep * i / n));
  return pts;
}

AcGeVector3d TextUp(const Primitive& p) { return p.normal.crossProduct(p.direction); }

void AddExtents(const Primitive& p, Box& box) {
  switch (p.kind) {
    case Primitive::kPolyline:
    case Primitive::kPolygon:
      for (const AcGePoint3d& q : p.points) box.add(q);
      break;
    case Primitive::kCircle:
    case Primitive::kArc:
      for (const AcGePoint3d& q : ArcSamples(p)) box.add(q);
      if (p.arcType == kAcGiArcSector) box.add(p.center);
      break;
    case Primitive::kText: {
      AcGeVector3d up = TextUp(p) * p.height;
      AcGeVector3d along = p.direction * p.width;
      for (const AcGePoint3d& q : {p.position, p.position + along, p.position + along + up, p.position + up}) box.add(q);
      break;
    }
    case Primitive::kXline:
    case Primitive::kRay:
      break;
  }
}

// The part of the line through a along d inside the box (t from tmin): false when it misses.
bool Clip(const AcGePoint3d& a, const AcGeVector3d& d, double tmin, const Box& box, AcGePoint3d& from,
          AcGePoint3d& to) {
  double t0 = tmin, t1 = std::numeric_limits<double>::max();
  const double origin[2] = {a.x, a.y}, dir[2] = {d.x, d.y}, lo[2] = {box.x0, box.y0}, hi[2] = {box.x1, box.y1};
  for (int k = 0; k < 2; ++k) {
    if (std::fabs(dir[k]) < 1e-12) {
      if (origin[k] < lo[k] || origin[k] > hi[k]) return false;
      continue;
    }
    double ta = (lo[k] - origin[k]) / dir[k], tb = (hi[k] - origin[k]) / dir[k];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
  }
  if (t0 > t1 || t1 == std::numeric_limits<double>::max()) return false;
  from = a + d * t0;
  to = a + d * t1;
  return true;
}

// unit: the size of one output pixel in drawing units. Widths are given in drawing units so that
// every SVG renderer draws them alike (not every one knows non-scaling strokes).
std::string StrokeWidth(const Primitive& p, double unit) {
  double px = p.lineWeight > 0 ? std::max(1.0, p.lineWeight / 25.0) : 1.0;
  return " stroke-width=\"" + Num(px * unit) + "\"";
}

std::string Paint(const Primitive& p, const std::string& color, bool filled, double unit) {
  if (filled) return " fill=\"" + color + "\" stroke=\"none\"";
  return " fill=\"none\" stroke=\"" + color + "\"" + StrokeWidth(p, unit);
}

std::string PointList(const std::vector<AcGePoint3d>& pts) {
  std::string s;
  for (size_t i = 0; i < pts.size(); ++i) s += (i ? " " : "") + Pt(pts[i]);
  return s;
}

std::string FontFamily(const Primitive& p) {
  if (!p.trueType) return "monospace";
  std::wstring face = p.typeface;
  if (face.empty()) {
    face = p.fontFile;
    size_t slash = face.find_last_of(L"/\\");
    if (slash != std::wstring::npos) face.erase(0, slash + 1);
    size_t dot = face.rfind(L'.');
    if (dot != std::wstring::npos) face.erase(dot);
  }
  std::wstring clean;
  for (wchar_t c : face)
    if (c != L'\'' && c != L'"') clean += c;
  return clean.empty() ? "sans-serif" : "'" + Escape(clean) + "', sans-serif";
}

std::string TextElement(const Primitive& p, const std::string& color) {
  // The text's own frame: x along the direction, y down the glyphs (SVG), oblique as a skew.
  AcGeVector3d up = TextUp(p);
  double a = p.direction.x, b = -p.direction.y, c = -up.x, d = up.y;
  double t = std::tan(p.oblique);
  c -= t * a;
  d -= t * b;
  std::string s = "<text transform=\"matrix(" + Num(a) + " " + Num(b) + " " + Num(c) + " " + Num(d) + " " +
                  Num(p.position.x) + " " + Num(-p.position.y) + ")\" font-size=\"" + Num(p.height / kCapHeightEm) +
                  "\" font-family=\"" + FontFamily(p) + "\" fill=\"" + color + "\"";
  if (p.width > 0) s += " textLength=\"" + Num(p.width) + "\" lengthAdjust=\"spacingAndGlyphs\"";
  return s + " xml:space=\"preserve\">" + Escape(p.text) + "</text>";
}

std::string ArcElement(const Primitive& p, const std::string& color, double unit) {
  bool filled = p.filled();
  bool closed = filled || p.arcType != kAcGiArcSimple;
  if (p.sweep >= 2 * kPi - 1e-9 && InPlan(p))
    return "<circle cx=\"" + Num(p.center.x) + "\" cy=\"" + Num(-p.center.y) + "\" r=\"" + Num(p.radius) + "\"" +
           Paint(p, color, filled, unit) + "/>";
  if (!InPlan(p)) {  // a tilted arc is an ellipse in the plan: drawn through samples
    std::vector<AcGePoint3d> pts = ArcSamples(p);
    if (p.arcType == kAcGiArcSector) pts.push_back(p.center);
    return std::string(closed ? "<polygon" : "<polyline") + " points=\"" + PointList(pts) + "\"" +
           Paint(p, color, filled, unit) + "/>";
  }
  AcGePoint3d s = ArcPoint(p, 0), e = ArcPoint(p, p.sweep);
  int large = p.sweep > kPi ? 1 : 0, sweepFlag = p.normal.z > 0 ? 0 : 1;
  std::string d = "M" + Pt(s) + " A" + Num(p.radius) + "," + Num(p.radius) + " 0 " + std::to_string(large) + "," +
                  std::to_string(sweepFlag) + " " + Pt(e);
  if (p.arcType == kAcGiArcSector) d += " L" + Pt(p.center) + " Z";
  else if (closed) d += " Z";
  return "<path d=\"" + d + "\"" + Paint(p, color, filled, unit) + "/>";
}

std::string Element(const Primitive& p, const Box& box, const SvgOptions& options, double dotRadius, double unit) {
  std::string color = ColorOf(p, options);
  switch (p.kind) {
    case Primitive::kPolyline:
      if (p.points.size() == 2 && p.points[0].isEqualTo(p.points[1]))  // a point
        return "<circle cx=\"" + Num(p.points[0].x) + "\" cy=\"" + Num(-p.points[0].y) + "\" r=\"" + Num(dotRadius) +
               "\" fill=\"" + color + "\" stroke=\"none\"/>";
      return "<polyline points=\"" + PointList(p.points) + "\"" + Paint(p, color, false, unit) + "/>";
    case Primitive::kPolygon:
      return "<polygon points=\"" + PointList(p.points) + "\"" + Paint(p, color, p.filled(), unit) + "/>";
    case Primitive::kCircle:
    case Primitive::kArc:
      return ArcElement(p, color, unit);
    case Primitive::kXline:
    case Primitive::kRay: {
      AcGePoint3d from, to;
      AcGeVector3d d = p.points[1] - p.points[0];
      double tmin = p.kind == Primitive::kRay ? 0.0 : -std::numeric_limits<double>::max();
      if (!Clip(p.points[0], d, tmin, box, from, to)) return "";
      return "<line x1=\"" + Num(from.x) + "\" y1=\"" + Num(-from.y) + "\" x2=\"" + Num(to.x) + "\" y2=\"" +
             Num(-to.y) + "\"" + Paint(p, color, false, unit) + "/>";
    }
    case Primitive::kText:
      return TextElement(p, color);
  }
  return "";
}

bool InSpace(const EntityGraphics& g, AcDbObjectId blockId) { return blockId.isNull() || g.blockId == blockId; }

}  // namespace

std::string RenderSvg(const RegenRecord& record, AcDbObjectId blockId, const SvgOptions& options) {
  Box box;
  std::vector<const Primitive*> lines;
  for (const EntityGraphics& g : record.entities) {
    if (!InSpace(g, blockId)) continue;
    for (const Primitive& p : g.primitives) {
      AddExtents(p, box);
      if (p.kind == Primitive::kXline || p.kind == Primitive::kRay) lines.push_back(&p);
    }
  }
  if (!box.valid())  // nothing with a size: the construction lines' base points, else a unit field
    for (const Primitive* p : lines) box.add(p->points[0]);
  if (!box.valid()) {
    box.add(AcGePoint3d(0, 0, 0));
    box.add(AcGePoint3d(100, 100, 0));
  }
  double side = std::max(box.x1 - box.x0, box.y1 - box.y0);
  double margin = std::max(1.0, side * std::max(0.0, options.margin));
  box.x0 -= margin, box.y0 -= margin, box.x1 += margin, box.y1 += margin;
  double w = box.x1 - box.x0, h = box.y1 - box.y0;
  double scale = std::max(1, options.pixelSize) / std::max(w, h);
  double dotRadius = std::max(w, h) / 400;
  std::string background = options.darkBackground ? "#212830" : "#ffffff";

  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"" + Num(box.x0) + " " + Num(-box.y1) +
         " " + Num(w) + " " + Num(h) + "\" width=\"" + Num(std::round(w * scale)) + "\" height=\"" +
         Num(std::round(h * scale)) + "\">\n";
  out += "<rect id=\"background\" x=\"" + Num(box.x0) + "\" y=\"" + Num(-box.y1) + "\" width=\"" + Num(w) +
         "\" height=\"" + Num(h) + "\" fill=\"" + background + "\"/>\n";
  out += "<g id=\"entities\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
  for (const EntityGraphics& g : record.entities) {
    if (!InSpace(g, blockId) || g.primitives.empty()) continue;
    out += "<g data-handle=\"" + ToUtf8(g.id.handle().text()) + "\">\n";
    for (const Primitive& p : g.primitives) {
      std::string element = Element(p, box, options, dotRadius, 1.0 / scale);
      if (!element.empty()) out += element + "\n";
    }
    out += "</g>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

bool WriteSvg(AcDbDatabase* db, const std::wstring& path, const SvgOptions& options, std::wstring* error) {
  if (!db) {
    if (error) *error = L"no drawing";
    return false;
  }
  RegenOptions regen;
  regen.modelSpace = !options.paperSpace;
  regen.paperSpace = options.paperSpace;
  RegenRecord record;
  Regenerate(db, record, regen);
  AcDbObjectId space = options.paperSpace ? db->paperSpaceId() : db->modelSpaceId();
  std::string svg = RenderSvg(record, space, options);
  DWORD code = 0;
  if (WriteFileAtomically(ToFsPath(path), svg, &code)) return true;
  if (error) *error = L"cannot write " + path + L" (error " + std::to_wstring(code) + L")";
  return false;
}

}  // namespace zhost
