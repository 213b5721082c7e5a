// LINE, ARC, CIRCLE, PLINE, TEXT, MTEXT, DIMLINEAR and DIMALIGNED, and the append that gives new
// entities the drawing's current properties.
#include "host/ed/DrawCommands.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "host/ap/AcApDocManager.h"
#include "host/db/AcDbAlignedDimension.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbMText.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/AcDbRotatedDimension.h"
#include "host/db/AcDbText.h"
#include "host/db/AcDbTextStyleTable.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGeVector2d.h"
#include "host/win/WideFormat.h"

namespace zhost {

AcDbDatabase* CommandDatabase() {
  AcApDocument* doc = acDocManagerPtr()->curDocument();
  return doc ? doc->database() : nullptr;
}

AcGePoint3d ToPoint(const ads_point pt) { return AcGePoint3d(pt[0], pt[1], pt[2]); }

void ToAdsPoint(const AcGePoint3d& p, ads_point out) {
  out[0] = p.x;
  out[1] = p.y;
  out[2] = p.z;
}

Acad::ErrorStatus AppendEntityTo(AcDbObjectId owner, AcDbEntity* entity, AcDbObjectId* id) {
  std::unique_ptr<AcDbEntity> guard(entity);
  AcDbBlockTableRecord* space = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(space, owner, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  AcDbObjectId newId;
  es = space->appendAcDbEntity(newId, entity);
  space->close();
  if (es != Acad::eOk) return es;
  guard.release()->close();
  if (id) *id = newId;
  return Acad::eOk;
}

Acad::ErrorStatus AppendEntity(AcDbDatabase* db, AcDbEntity* entity, bool useDefaults, AcDbObjectId* id) {
  if (!db) {
    delete entity;
    return Acad::eNoDatabase;
  }
  if (useDefaults) entity->setDatabaseDefaults(db);
  return AppendEntityTo(db->currentSpaceId(), entity, id);
}

namespace {

const double kPi = 3.14159265358979323846;

// A point, a keyword or the end of the prompt. Keywords are the names given to acedInitGet.
struct Answer {
  int rc = RTNONE;
  AcGePoint3d point;
  std::wstring keyword;
  bool isPoint() const { return rc == RTNORM; }
  bool isKeyword(const wchar_t* k) const { return rc == RTKWORD && keyword == k; }
};

std::wstring TakeKeyword() {
  ACHAR buffer[512] = {0};
  acedGetInput(buffer);
  return buffer;
}

Answer AskPoint(const AcGePoint3d* base, const std::wstring& prompt, int bits = 0, const wchar_t* keywords = nullptr) {
  Answer answer;
  acedInitGet(bits, keywords);
  ads_point b, result = {0, 0, 0};
  // The user answers in the UCS; the commands work in the world.
  if (base) ToAdsPoint(WorldToUcs(*base), b);
  answer.rc = acedGetPoint(base ? b : nullptr, prompt.c_str(), result);
  if (answer.rc == RTNORM) answer.point = UcsToWorld(ToPoint(result));
  if (answer.rc == RTKWORD) answer.keyword = TakeKeyword();
  return answer;
}

// A distance (typed, or from base to a picked point): RTNORM, RTNONE for Enter, RTKWORD ...
int AskDist(const AcGePoint3d* base, const std::wstring& prompt, int bits, const wchar_t* keywords, double& value,
            std::wstring* keyword = nullptr) {
  acedInitGet(bits, keywords);
  ads_point b;
  if (base) ToAdsPoint(*base, b);
  ads_real v = 0;
  int rc = acedGetDist(base ? b : nullptr, prompt.c_str(), &v);
  if (rc == RTNORM) value = v;
  if (rc == RTKWORD && keyword) *keyword = TakeKeyword();
  return rc;
}

int AskAngle(const AcGePoint3d* base, const std::wstring& prompt, double& radians) {
  acedInitGet(0, nullptr);
  ads_point b;
  if (base) ToAdsPoint(*base, b);
  ads_real v = 0;
  int rc = acedGetAngle(base ? b : nullptr, prompt.c_str(), &v);
  if (rc == RTNORM) radians = v;
  return rc;
}

// A text line; RTNORM with "" for Enter.
int AskText(const std::wstring& prompt, std::wstring& text) {
  std::vector<ACHAR> buffer(4096, 0);
  int rc = acedGetString(1, prompt.c_str(), buffer.data(), buffer.size());
  if (rc == RTNORM) text = buffer.data();
  return rc;
}

std::wstring Number(double v) {
  std::wstring text = FormatWide(L"%.4f", v);
  while (!text.empty() && text.back() == L'0') text.pop_back();
  if (!text.empty() && text.back() == L'.') text.pop_back();
  return text == L"-0" ? L"0" : text;
}

void SayNotAdded(Acad::ErrorStatus es) {
  PrintLine(FormatWide(L"The object could not be added to the drawing (error %d).", static_cast<int>(es)));
}

// Appends with the current properties; says so when it fails.
bool Add(AcDbEntity* entity, AcDbObjectId* id = nullptr) {
  Acad::ErrorStatus es = AppendEntity(CommandDatabase(), entity, true, id);
  if (es == Acad::eOk) return true;
  SayNotAdded(es);
  return false;
}

void EraseEntity(AcDbObjectId id) {
  AcDbEntity* entity = nullptr;
  if (acdbOpenAcDbEntity(entity, id, AcDb::kForWrite) != Acad::eOk) return;
  entity->erase();
  entity->close();
}

// LINE: segments from point to point until Enter; "Close" joins the last point to the first,
// "Undo" takes back the last segment.
void LineCommand() {
  Answer first = AskPoint(nullptr, L"Specify first point: ");
  if (!first.isPoint()) return;
  std::vector<AcGePoint3d> points{first.point};
  std::vector<AcDbObjectId> segments;
  for (;;) {
    bool canClose = segments.size() >= 2;
    Answer next = AskPoint(&points.back(), canClose ? L"Specify next point or [Close/Undo]: " : L"Specify next point or [Undo]: ",
                           0, canClose ? L"Close Undo" : L"Undo");
    if (next.isKeyword(L"Undo")) {
      if (segments.empty()) {
        PrintLine(L"All segments already undone.");
        continue;
      }
      EraseEntity(segments.back());
      segments.pop_back();
      points.pop_back();
      continue;
    }
    if (next.isKeyword(L"Close")) {
      AcDbLine* line = new AcDbLine();
      line->setStartPoint(points.back());
      line->setEndPoint(points.front());
      Add(line);
      return;
    }
    if (!next.isPoint()) return;
    if (next.point.isEqualTo(points.back())) {
      PrintLine(L"The point is the same as the last one; no segment drawn.");
      continue;
    }
    AcDbLine* line = new AcDbLine();
    line->setStartPoint(points.back());
    line->setEndPoint(next.point);
    AcDbObjectId id;
    if (!Add(line, &id)) return;
    segments.push_back(id);
    points.push_back(next.point);
  }
}

bool CircleThrough(const AcGePoint3d& a, const AcGePoint3d& b, const AcGePoint3d& c, AcGePoint3d& center) {
  double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
  double scale = std::max({a.distanceTo(b), b.distanceTo(c), a.distanceTo(c), 1.0});
  if (std::fabs(d) <= 1e-10 * scale * scale) return false;
  double a2 = a.x * a.x + a.y * a.y, b2 = b.x * b.x + b.y * b.y, c2 = c.x * c.x + c.y * c.y;
  center = AcGePoint3d((a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                       (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d, a.z);
  return true;
}

double AngleOf(const AcGePoint3d& from, const AcGePoint3d& to) { return std::atan2(to.y - from.y, to.x - from.x); }

void AddArc(const AcGePoint3d& center, double radius, double start, double end) {
  AcDbArc* arc = new AcDbArc();
  arc->setCenter(center);
  arc->setRadius(radius);
  arc->setStartAngle(start);
  arc->setEndAngle(end);
  Add(arc);
}

// ARC: start, second and end point; or "Center", then start and end point (counter-clockwise).
void ArcCommand() {
  Answer start = AskPoint(nullptr, L"Specify start point of arc or [Center]: ", 0, L"Center");
  if (start.isKeyword(L"Center")) {
    Answer center = AskPoint(nullptr, L"Specify center point of arc: ");
    if (!center.isPoint()) return;
    Answer from = AskPoint(&center.point, L"Specify start point of arc: ");
    if (!from.isPoint()) return;
    double radius = center.point.distanceTo(from.point);
    if (radius <= 1e-10) {
      PrintLine(L"The start point is the center; no arc drawn.");
      return;
    }
    Answer to = AskPoint(&center.point, L"Specify end point of arc: ");
    if (!to.isPoint()) return;
    AddArc(center.point, radius, AngleOf(center.point, from.point), AngleOf(center.point, to.point));
    return;
  }
  if (!start.isPoint()) return;
  Answer second = AskPoint(&start.point, L"Specify second point of arc: ");
  if (!second.isPoint()) return;
  Answer end = AskPoint(&second.point, L"Specify end point of arc: ");
  if (!end.isPoint()) return;
  AcGePoint3d center;
  if (!CircleThrough(start.point, second.point, end.point, center)) {
    PrintLine(L"The three points lie on one line; no arc drawn.");
    return;
  }
  double a1 = AngleOf(center, start.point), a3 = AngleOf(center, end.point);
  AcGeVector3d u = second.point - start.point, v = end.point - start.point;
  bool counterClockwise = u.x * v.y - u.y * v.x > 0;
  AddArc(center, center.distanceTo(start.point), counterClockwise ? a1 : a3, counterClockwise ? a3 : a1);
}

// CIRCLE: center, then the radius or "Diameter" and the diameter.
void CircleCommand() {
  Answer center = AskPoint(nullptr, L"Specify center point for circle: ");
  if (!center.isPoint()) return;
  double radius = 0;
  std::wstring keyword;
  int rc = AskDist(&center.point, L"Specify radius of circle or [Diameter]: ", RSG_NONULL | RSG_NOZERO | RSG_NONEG,
                   L"Diameter", radius, &keyword);
  if (rc == RTKWORD) {
    double diameter = 0;
    if (AskDist(&center.point, L"Specify diameter of circle: ", RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr, diameter) !=
        RTNORM)
      return;
    radius = diameter / 2.0;
  } else if (rc != RTNORM) {
    return;
  }
  AcDbCircle* circle = new AcDbCircle();
  circle->setCenter(center.point);
  circle->setRadius(radius);
  Add(circle);
}

// PLINE: the vertices as they are typed; each one keeps the bulge and widths of the segment that
// starts at it.
struct PlineVertex {
  AcGePoint2d point;
  double bulge = 0, startWidth = 0, endWidth = 0;
};

double Angle2d(const AcGeVector2d& v) { return std::atan2(v.y, v.x); }

double NormalizedAngle(double a) {
  while (a > kPi) a -= 2 * kPi;
  while (a <= -kPi) a += 2 * kPi;
  return a;
}

// The direction the polyline leaves its last vertex in (the x axis before the first segment).
double EndTangent(const std::vector<PlineVertex>& v) {
  if (v.size() < 2) return 0.0;
  const PlineVertex& a = v[v.size() - 2];
  const PlineVertex& b = v.back();
  double chord = Angle2d(b.point - a.point);
  return chord + 2.0 * std::atan(a.bulge);  // the end tangent turns by half the included angle
}

// The bulge of the arc that leaves from with the tangent direction and ends at to.
double TangentBulge(double tangent, const AcGePoint2d& from, const AcGePoint2d& to) {
  double alpha = NormalizedAngle(Angle2d(to - from) - tangent);
  return std::tan(alpha / 2.0);
}

void PlineCommand() {
  Answer start = AskPoint(nullptr, L"Specify start point: ");
  if (!start.isPoint()) return;
  double elevation = start.point.z;
  std::vector<PlineVertex> vertices(1);
  vertices[0].point = AcGePoint2d(start.point.x, start.point.y);
  double startWidth = 0, endWidth = 0;
  bool arcMode = false, closed = false;
  PrintLine(FormatWide(L"Current line-width is %.4f.", startWidth));
  for (;;) {
    AcGePoint3d last(vertices.back().point.x, vertices.back().point.y, elevation);
    bool canClose = vertices.size() >= (arcMode ? 2u : 3u);
    Answer next = arcMode ? AskPoint(&last, L"Specify endpoint of arc or [Close/Line/Undo/Width]: ", 0, L"Close Line Undo Width")
                          : AskPoint(&last, L"Specify next point or [Arc/Close/Undo/Width]: ", 0, L"Arc Close Undo Width");
    if (next.isKeyword(L"Arc")) {
      arcMode = true;
      continue;
    }
    if (next.isKeyword(L"Line")) {
      arcMode = false;
      continue;
    }
    if (next.isKeyword(L"Width")) {
      double w = startWidth;
      int rc = AskDist(&last, FormatWide(L"Specify starting width <%.4f>: ", startWidth), RSG_NONEG, nullptr, w);
      if (rc == RTCAN) return;
      if (rc == RTNORM) startWidth = w;
      double e = startWidth;
      rc = AskDist(&last, FormatWide(L"Specify ending width <%.4f>: ", startWidth), RSG_NONEG, nullptr, e);
      if (rc == RTCAN) return;
      endWidth = rc == RTNORM ? e : startWidth;
      continue;
    }
    if (next.isKeyword(L"Undo")) {
      if (vertices.size() < 2) {
        PrintLine(L"All segments already undone.");
        continue;
      }
      vertices.pop_back();
      vertices.back().bulge = vertices.back().startWidth = vertices.back().endWidth = 0;
      continue;
    }
    if (next.isKeyword(L"Close")) {
      if (!canClose) {
        PrintLine(L"Too few segments to close.");
        continue;
      }
      PlineVertex& from = vertices.back();
      from.bulge = arcMode ? TangentBulge(EndTangent(vertices), from.point, vertices.front().point) : 0.0;
      from.startWidth = startWidth;
      from.endWidth = endWidth;
      closed = true;
      break;
    }
    if (!next.isPoint()) break;
    AcGePoint2d to(next.point.x, next.point.y);
    if (to.isEqualTo(vertices.back().point)) {
      PrintLine(L"The point is the same as the last one; no segment drawn.");
      continue;
    }
    PlineVertex& from = vertices.back();
    from.bulge = arcMode ? TangentBulge(EndTangent(vertices), from.point, to) : 0.0;
    from.startWidth = startWidth;
    from.endWidth = endWidth;
    startWidth = endWidth;
    PlineVertex v;
    v.point = to;
    v.startWidth = v.endWidth = endWidth;
    vertices.push_back(v);
  }
  if (vertices.size() < 2) return;
  AcDbPolyline* pline = new AcDbPolyline();
  for (unsigned int i = 0; i < vertices.size(); ++i)
    pline->addVertexAt(i, vertices[i].point, vertices[i].bulge, vertices[i].startWidth, vertices[i].endWidth);
  pline->setClosed(closed);
  pline->setElevation(elevation);
  Add(pline);
}

// The fixed height of the current text style, 0 when the height is asked.
double StyleHeight(AcDbDatabase* db) {
  AcDbTextStyleTableRecord* style = nullptr;
  if (acdbOpenObject(style, db->textstyle(), AcDb::kForRead) != Acad::eOk) return 0.0;
  double size = style->textSize();
  style->close();
  return size;
}

// TEXT: start point, height (unless the style fixes it), rotation and one line of text.
void TextCommand() {
  AcDbDatabase* db = CommandDatabase();
  if (!db) return;
  Answer start = AskPoint(nullptr, L"Specify start point of text: ");
  if (!start.isPoint()) return;
  double height = StyleHeight(db);
  if (height <= 0) {
    height = db->textsize();
    double h = height;
    int rc = AskDist(&start.point, FormatWide(L"Specify height <%.4f>: ", height), RSG_NOZERO | RSG_NONEG, nullptr, h);
    if (rc == RTNORM) {
      height = h;
      db->setTextsize(height);
    } else if (rc != RTNONE) {
      return;
    }
  }
  double rotation = 0;
  int rc = AskAngle(&start.point, L"Specify rotation angle of text <0>: ", rotation);
  if (rc != RTNORM && rc != RTNONE) return;
  std::wstring text;
  if (AskText(L"Enter text: ", text) != RTNORM || text.empty()) return;
  AcDbText* entity = new AcDbText();
  entity->setDatabaseDefaults(db);
  entity->setPosition(start.point);
  entity->setHeight(height);
  entity->setRotation(rc == RTNORM ? rotation : 0.0);
  entity->setTextString(text.c_str());
  entity->setTextStyle(db->textstyle());
  Acad::ErrorStatus es = AppendEntity(db, entity, false);
  if (es != Acad::eOk) SayNotAdded(es);
}

// MTEXT: two corners of the text box, then the lines of text up to an empty line.
void MTextCommand() {
  AcDbDatabase* db = CommandDatabase();
  if (!db) return;
  Answer first = AskPoint(nullptr, L"Specify first corner: ");
  if (!first.isPoint()) return;
  acedInitGet(0, nullptr);
  ads_point base, other;
  ToAdsPoint(first.point, base);
  if (acedGetCorner(base, L"Specify opposite corner: ", other) != RTNORM) return;
  AcGePoint3d second = ToPoint(other);
  std::wstring contents, line;
  for (;;) {
    int rc = AskText(L"MText: ", line);
    if (rc == RTCAN) return;
    if (rc != RTNORM || line.empty()) break;
    contents += (contents.empty() ? L"" : L"\\P") + line;
  }
  if (contents.empty()) return;
  AcDbMText* mtext = new AcDbMText();
  mtext->setDatabaseDefaults(db);
  double height = StyleHeight(db);
  mtext->setTextHeight(height > 0 ? height : db->textsize());
  mtext->setLocation(AcGePoint3d(std::min(first.point.x, second.x), std::max(first.point.y, second.y), first.point.z));
  mtext->setWidth(std::fabs(second.x - first.point.x));
  mtext->setTextStyle(db->textstyle());
  mtext->setContents(contents.c_str());
  Acad::ErrorStatus es = AppendEntity(db, mtext, false);
  if (es != Acad::eOk) SayNotAdded(es);
}

bool AskOrigins(AcGePoint3d& p1, AcGePoint3d& p2) {
  Answer a = AskPoint(nullptr, L"Specify first extension line origin: ");
  if (!a.isPoint()) return false;
  Answer b = AskPoint(&a.point, L"Specify second extension line origin: ");
  if (!b.isPoint()) return false;
  if (a.point.isEqualTo(b.point)) {
    PrintLine(L"The two extension line origins are the same point; no dimension made.");
    return false;
  }
  p1 = a.point;
  p2 = b.point;
  return true;
}

// Horizontal when the location lies above or below the measured points, vertical when it lies
// beside them; in a corner region, whichever side it is farther out on.
double LinearRotationFor(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& at) {
  double outX = std::max({std::min(p1.x, p2.x) - at.x, at.x - std::max(p1.x, p2.x), 0.0});
  double outY = std::max({std::min(p1.y, p2.y) - at.y, at.y - std::max(p1.y, p2.y), 0.0});
  return outX > outY ? kPi / 2.0 : 0.0;
}

void AddDimension(AcDbDimension* dim, double measurement) {
  AcDbDatabase* db = CommandDatabase();
  if (!db) {
    delete dim;
    return;
  }
  dim->setDatabaseDefaults(db);
  dim->setDimensionStyle(db->dimstyle());
  Acad::ErrorStatus es = AppendEntity(db, dim, false);
  if (es != Acad::eOk) {
    SayNotAdded(es);
    return;
  }
  PrintLine(L"Dimension text = " + Number(measurement));
}

// DIMLINEAR: two origins and the location; "Horizontal", "Vertical" or "Rotated" fix the direction.
void DimLinearCommand() {
  AcGePoint3d p1, p2;
  if (!AskOrigins(p1, p2)) return;
  double rotation = 0;
  bool fixed = false;
  Answer at;
  for (;;) {
    at = AskPoint(nullptr, L"Specify dimension line location or [Horizontal/Vertical/Rotated]: ", 0,
                  L"Horizontal Vertical Rotated");
    if (at.isKeyword(L"Horizontal") || at.isKeyword(L"Vertical")) {
      rotation = at.isKeyword(L"Vertical") ? kPi / 2.0 : 0.0;
      fixed = true;
      continue;
    }
    if (at.isKeyword(L"Rotated")) {
      double angle = 0;
      int rc = AskAngle(&p1, L"Specify angle of dimension line <0>: ", angle);
      if (rc != RTNORM && rc != RTNONE) return;
      rotation = rc == RTNORM ? angle : 0.0;
      fixed = true;
      continue;
    }
    break;
  }
  if (!at.isPoint()) return;
  if (!fixed) rotation = LinearRotationFor(p1, p2, at.point);
  AcGeVector3d dir(std::cos(rotation), std::sin(rotation), 0.0);
  AcDbRotatedDimension* dim = new AcDbRotatedDimension();
  dim->setXLine1Point(p1);
  dim->setXLine2Point(p2);
  dim->setDimLinePoint(at.point);
  dim->setRotation(rotation);
  AddDimension(dim, std::fabs((p2 - p1).dotProduct(dir)));
}

// DIMALIGNED: two origins and the location; the dimension line runs parallel to them.
void DimAlignedCommand() {
  AcGePoint3d p1, p2;
  if (!AskOrigins(p1, p2)) return;
  Answer at = AskPoint(nullptr, L"Specify dimension line location: ");
  if (!at.isPoint()) return;
  AcDbAlignedDimension* dim = new AcDbAlignedDimension();
  dim->setXLine1Point(p1);
  dim->setXLine2Point(p2);
  dim->setDimLinePoint(at.point);
  AddDimension(dim, p1.distanceTo(p2));
}

}  // namespace

void RegisterDrawCommands() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"LINE", LineCommand);
  processor.addBuiltin(L"ARC", ArcCommand);
  processor.addBuiltin(L"CIRCLE", CircleCommand);
  processor.addBuiltin(L"PLINE", PlineCommand);
  processor.addBuiltin(L"TEXT", TextCommand);
  processor.addBuiltin(L"DTEXT", TextCommand);
  processor.addBuiltin(L"MTEXT", MTextCommand);
  processor.addBuiltin(L"DIMLINEAR", DimLinearCommand);
  processor.addBuiltin(L"DIMALIGNED", DimAlignedCommand);
}

}  // namespace zhost
