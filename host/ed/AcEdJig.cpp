// AcEdJig over the command processor's input, and the "%move" directive that feeds it cursor
// positions.
#include "host/ed/AcEdJig.h"

#include <cmath>
#include <cstdarg>
#include <cwchar>

#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/ClickFeed.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/gi/Regenerate.h"
#include "host/rx/AcRxClass.h"
#include "host/win/WideFormat.h"

ZHOST_RX_HOST_MEMBERS(AcEdJig, AcRxObject, nullptr)

namespace {

const double kPi = 3.14159265358979323846;

enum Kind { kPointKind, kDistKind, kAngleKind, kStringKind };

AcEdJig*& Dragging() {
  static AcEdJig* jig = nullptr;
  return jig;
}

// Marks the jig as the one being dragged (drags may nest: a sampler may start another jig).
class DragScope {
 public:
  explicit DragScope(AcEdJig* jig) : previous_(Dragging()) { Dragging() = jig; }
  ~DragScope() { Dragging() = previous_; }
  DragScope(const DragScope&) = delete;
  DragScope& operator=(const DragScope&) = delete;

 private:
  AcEdJig* previous_;
};

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return L"";
  size_t e = s.find_last_not_of(L" \t\r\n");
  return s.substr(b, e - b + 1);
}

double NormalizeAngle(double a) {
  a = std::fmod(a, 2 * kPi);
  if (a < 0) a += 2 * kPi;
  return a;
}

AcGePoint3d LastPointWorld() {
  ads_point last = {0, 0, 0};
  zhost::GetLastPoint(last);
  return zhost::UcsToWorld(AcGePoint3d(last[0], last[1], last[2]));
}

// The angle of the direction from a to b (world points) in the UCS's XY plane.
double UcsAngle(const AcGePoint3d& a, const AcGePoint3d& b) {
  AcGeVector3d d = zhost::WorldToUcs(b - a);
  return NormalizeAngle(std::atan2(d.y, d.x));
}

zhost::RegenRecord& DraggedRecord() {
  static zhost::RegenRecord record;
  return record;
}

std::function<void(AcDbEntity*)>& Drawer() {
  static std::function<void(AcDbEntity*)> drawer;
  return drawer;
}

}  // namespace

namespace zhost {

const RegenRecord& DraggedGraphics() { return DraggedRecord(); }

void DrawJigEntity(AcDbEntity* entity) {
  if (!entity) return;
  if (Drawer()) {
    Drawer()(entity);
    return;
  }
  DraggedRecord().clear();
  DrawEntity(entity, DraggedRecord());
}

void SetJigEntityDrawer(std::function<void(AcDbEntity*)> drawer) { Drawer() = std::move(drawer); }

}  // namespace zhost

AcEdJig::AcEdJig() = default;

AcEdJig::~AcEdJig() {
  if (Dragging() == this) Dragging() = nullptr;
}

void AcEdJig::setDispPrompt(const ACHAR* format, ...) {
  if (!format) {
    prompt_.clear();
    return;
  }
  va_list args;
  va_start(args, format);
  prompt_ = zhost::FormatWideV(format, args);
  va_end(args);
}

void AcEdJig::setKeywordList(const ACHAR* keywords) { keywords_ = keywords ? keywords : L""; }

AcEdJig::DragStatus AcEdJig::sampler() { return kNoChange; }
Adesk::Boolean AcEdJig::update() { return Adesk::kTrue; }
AcDbEntity* AcEdJig::entity() const { return nullptr; }

AcEdJig* AcEdJig::dragging() { return Dragging(); }

AcEdJig::DragStatus AcEdJig::drag(const AcEdDragStyle&) { return drag(); }

AcEdJig::DragStatus AcEdJig::drag() {
  DragScope scope(this);
  for (;;) {
    feed_ = Feed::kNone;
    std::wstring line;
    int rc = zhost::CommandProcessor::instance().getInput(prompt_, line);
    feed_ = Feed::kClick;
    clickText_ = line;
    clickCancel_ = rc != RTNORM;
    clickRejected_ = false;
    clickAcquired_ = false;
    clickStatus_ = kCancel;
    DragStatus sampled = kCancel;
    try {
      sampled = sampler();
    } catch (...) {
      feed_ = Feed::kNone;
      throw;
    }
    if (clickRejected_) continue;
    if (sampled == kNormal) update();
    zhost::DrawJigEntity(entity());
    feed_ = Feed::kNone;
    return clickAcquired_ ? clickStatus_ : sampled;
  }
}

void AcEdJig::moveCursor(const AcGePoint3d& ucsPoint) {
  // A prompt inside the sampler (a nested input during the click) sees no moves.
  if (feed_ != Feed::kNone) return;
  feed_ = Feed::kMove;
  cursor3d_ = zhost::UcsToWorld(ucsPoint);
  try {
    if (sampler() == kNormal) update();
    zhost::DrawJigEntity(entity());
  } catch (...) {
    feed_ = Feed::kNone;
    throw;
  }
  feed_ = Feed::kNone;
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point) {
  double unused = 0;
  return acquire(nullptr, kPointKind, unused, point, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint) {
  double unused = 0;
  return acquire(&basePoint, kPointKind, unused, point, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance) {
  AcGePoint3d unused;
  return acquire(nullptr, kDistKind, distance, unused, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireDist(double& distance, const AcGePoint3d& basePoint) {
  AcGePoint3d unused;
  return acquire(&basePoint, kDistKind, distance, unused, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle) {
  AcGePoint3d unused;
  return acquire(nullptr, kAngleKind, angle, unused, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireAngle(double& angle, const AcGePoint3d& basePoint) {
  AcGePoint3d unused;
  return acquire(&basePoint, kAngleKind, angle, unused, nullptr);
}

AcEdJig::DragStatus AcEdJig::acquireString(ACHAR (&text)[2049]) {
  double unused = 0;
  AcGePoint3d unusedPoint;
  std::wstring answer;
  DragStatus status = acquire(nullptr, kStringKind, unused, unusedPoint, &answer);
  if (status == kNormal) {
    size_t n = std::min<size_t>(answer.size(), 2048);
    std::wmemcpy(text, answer.c_str(), n);
    text[n] = L'\0';
  }
  return status;
}

AcEdJig::DragStatus AcEdJig::acquire(const AcGePoint3d* base, int kind, double& value, AcGePoint3d& point,
                                     std::wstring* text) {
  if (feed_ == Feed::kNone) return kCancel;
  AcGePoint3d from = base ? *base : LastPointWorld();
  if (feed_ == Feed::kMove) {
    if (kind == kStringKind) return kNoChange;
    point = cursor3d_;
    if (kind == kDistKind) value = from.distanceTo(cursor3d_);
    if (kind == kAngleKind) value = UcsAngle(from, cursor3d_);
    return kNormal;
  }
  // A second acquire in the same pass sees the same answer.
  if (clickAcquired_) {
    point = clickPoint_;
    value = clickValue_;
    if (text) *text = clickString_;
    return clickStatus_;
  }
  DragStatus status = readClick(from, kind, value, point, text);
  if (clickRejected_) return kNoChange;
  clickAcquired_ = true;
  clickStatus_ = status;
  clickPoint_ = point;
  clickValue_ = value;
  if (text) clickString_ = *text;
  return status;
}

AcEdJig::DragStatus AcEdJig::readClick(const AcGePoint3d& from, int kind, double& value, AcGePoint3d& point,
                                       std::wstring* text) {
  if (clickCancel_) return kCancel;
  std::wstring answer = Trim(clickText_);
  if (answer.empty()) {
    if (controls_ & kNullResponseAccepted) return kNull;
    if (kind == kStringKind) {
      *text = L"";
      return kNormal;
    }
    clickRejected_ = true;
    return kNoChange;
  }
  zhost::KeywordList keywords(keywords_);
  if (int place = keywords.index(answer)) {
    zhost::SetLastKeyword(keywords.match(answer));
    return static_cast<DragStatus>(place);
  }
  if (kind == kStringKind) {
    *text = clickText_;
    return kNormal;
  }
  double number = 0;
  if (kind != kPointKind && zhost::ParseReal(answer, number)) {
    if (kind == kAngleKind) {
      value = NormalizeAngle(number * kPi / 180.0);
      return kNormal;
    }
    if ((controls_ & kNoZeroResponseAccepted) && number == 0.0) return refuse(L"Value must be nonzero.");
    if ((controls_ & kNoNegativeResponseAccepted) && number < 0.0) return refuse(L"Value must be positive.");
    value = number;
    return kNormal;
  }
  ads_point typed = {0, 0, 0};
  if (zhost::ParsePoint(answer, typed)) {
    AcGePoint3d world = zhost::UcsToWorld(AcGePoint3d(typed[0], typed[1], typed[2]));
    // Left-button filters see the click first; one that takes it leaves the prompt waiting.
    if (zhost::FeedLeftClick(world)) {
      clickRejected_ = true;
      return kNoChange;
    }
    if (!(controls_ & kDontUpdateLastPoint)) zhost::SetLastPoint(typed);
    point = world;
    if (kind == kDistKind) value = from.distanceTo(world);
    if (kind == kAngleKind) value = UcsAngle(from, world);
    return kNormal;
  }
  if (controls_ & kAcceptOtherInputString) {
    zhost::SetLastKeyword(answer);
    return kOther;
  }
  if (kind == kDistKind) return refuse(L"Requires numeric distance or two points.");
  if (kind == kAngleKind) return refuse(L"Requires numeric angle or second point.");
  return refuse(L"Invalid point.");
}

AcEdJig::DragStatus AcEdJig::refuse(const wchar_t* message) {
  zhost::PrintLine(message);
  clickRejected_ = true;
  return kNoChange;
}

AcDbObjectId AcEdJig::append() {
  AcDbEntity* ent = entity();
  AcDbDatabase* db = acdbHostApplicationServices() ? acdbHostApplicationServices()->workingDatabase() : nullptr;
  if (!ent || !db) return AcDbObjectId();
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
  AcDbObjectId id;
  Acad::ErrorStatus es = space->appendAcDbEntity(id, ent);
  space->close();
  if (es != Acad::eOk) return AcDbObjectId();
  ent->close();
  return id;
}

namespace {

// "%move x,y[,z]": a cursor position (UCS) for the jig being dragged.
void MoveDirective(const std::wstring& args) {
  ads_point p = {0, 0, 0};
  if (!zhost::ParsePoint(args, p)) {
    zhost::PrintLine(L"%move expects a point x,y or x,y,z, not \"" + args + L"\".");
    return;
  }
  AcEdJig* jig = AcEdJig::dragging();
  if (!jig) {
    zhost::PrintLine(L"%move: nothing is being dragged; the line is ignored.");
    return;
  }
  jig->moveCursor(AcGePoint3d(p[0], p[1], p[2]));
}

[[maybe_unused]] const bool registered =
    (zhost::CommandProcessor::instance().addDirective(L"move", MoveDirective), true);

}  // namespace
