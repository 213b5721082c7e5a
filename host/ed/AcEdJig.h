// AcEdJig: dragging an entity while the user gives a point, distance, angle or text. drag()
// prints the prompt and takes one answer from the script as the user's click; "%move x,y" lines
// before it are cursor positions. For every position and for the click the jig's sampler() runs
// (its acquire* call returns the position, or the click's answer), then update() when the
// sampler returned kNormal, then entity() is drawn. Points are world coordinates; the user
// answers in the current UCS.
#pragma once

#include <functional>
#include <string>

#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/adesk.h"
#include "host/rx/ads.h"

class AcDbEntity;

// How the original and the dragged entities look while dragging (the display's affair).
class AcEdDragStyle {
 public:
  enum StyleType { kNone = 0, kHide, kTransparent25, kTransparent75, kDeletedEffect, kHighlight, kNotSet };
  AcEdDragStyle() = default;
  AcEdDragStyle(StyleType forOriginal, StyleType forDragged) : original_(forOriginal), dragged_(forDragged) {}
  StyleType styleTypeForOriginal() const { return original_; }
  StyleType styleTypeForDragged() const { return dragged_; }
  void setStyleTypeForOriginal(StyleType t) { original_ = t; }
  void setStyleTypeForDragged(StyleType t) { dragged_ = t; }

 private:
  StyleType original_ = kNone;
  StyleType dragged_ = kNone;
};

class AcEdJig : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdJig);

  enum UserInputControls {
    kGovernedByOrthoMode = 0x000001,
    kNullResponseAccepted = 0x000002,
    kDontEchoCancelForCtrlC = 0x000004,
    kDontUpdateLastPoint = 0x000008,
    kNoDwgLimitsChecking = 0x000010,
    kNoZeroResponseAccepted = 0x000020,
    kNoNegativeResponseAccepted = 0x000040,
    kAccept3dCoordinates = 0x000080,
    kAcceptMouseUpAsPoint = 0x000100,
    kAnyBlankTerminatesInput = 0x000200,
    kInitialBlankTerminatesInput = 0x000400,
    kAcceptOtherInputString = 0x000800,
    kGovernedByUCSDetect = 0x001000,
    kNoZDirectionOrtho = 0x002000,
    kImpliedFaceForUCSChange = 0x004000,
    kUseBasePointElevation = 0x008000,
    kDisableDirectDistanceInput = 0x010000
  };

  // kKW1 ... kKW9: the first nine keywords of the list; later ones give their place (10 ...).
  enum DragStatus {
    kModeless = -17,
    kNoChange = -6,
    kCancel = -4,
    kOther = -3,
    kNull = -1,
    kNormal = 0,
    kKW1 = 1,
    kKW2,
    kKW3,
    kKW4,
    kKW5,
    kKW6,
    kKW7,
    kKW8,
    kKW9
  };

  enum CursorType {
    kNoSpecialCursor = -1,
    kCrosshair = 0,
    kRectCursor,
    kRubberBand,
    kNotRotated,
    kTargetBox,
    kRotatedCrosshair,
    kCrosshairNoRotate,
    kInvisible,
    kEntitySelect,
    kParallelogram,
    kEntitySelectNoPersp,
    kPkfirstOrGrips,
    kCrosshairDashed
  };

  AcEdJig();
  ~AcEdJig() override;
  AcEdJig(const AcEdJig&) = delete;
  AcEdJig& operator=(const AcEdJig&) = delete;

  // The prompt, printf-style (a wide %s takes a wide string).
  void setDispPrompt(const ACHAR* format, ...);
  const ACHAR* dispPrompt() const { return prompt_.c_str(); }
  // Keywords in acedInitGet's syntax ("LType,LT Width", "Width Height _Width Height").
  void setKeywordList(const ACHAR* keywords);
  const ACHAR* keywordList() const { return keywords_.c_str(); }
  void setUserInputControls(UserInputControls controls) { controls_ = controls; }
  UserInputControls userInputControls() const { return controls_; }
  void setSpecialCursorType(CursorType type) { cursor_ = type; }
  CursorType specialCursorType() const { return cursor_; }

  // Runs the input described above; the status of the click's acquire: kNormal, kKW1 ...,
  // kNull (Enter, with kNullResponseAccepted; without it the prompt repeats), kOther (a text
  // with kAcceptOtherInputString, read by acedGetInput) or kCancel (ESC, or the end of input).
  DragStatus drag();
  DragStatus drag(const AcEdDragStyle& style);

  // Adds entity() to the current space of the working database; the database owns it from then
  // on (closed). A null id when there is no entity or the append fails (the jig then still owns
  // it).
  AcDbObjectId append();

  // For the sampler. The base point draws the rubber band; a typed "@dx,dy" is relative to
  // LASTPOINT as at every prompt.
  DragStatus acquirePoint(AcGePoint3d& point);
  DragStatus acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint);
  // A typed number, or the distance from the base point (LASTPOINT without one) to a point.
  DragStatus acquireDist(double& distance);
  DragStatus acquireDist(double& distance, const AcGePoint3d& basePoint);
  // A typed angle in degrees, or the direction from the base point to a point; radians in the
  // UCS's XY plane.
  DragStatus acquireAngle(double& angle);
  DragStatus acquireAngle(double& angle, const AcGePoint3d& basePoint);
  // The click's whole answer line (the moves leave it unchanged: kNoChange).
  DragStatus acquireString(ACHAR (&text)[2049]);

  virtual DragStatus sampler();
  virtual Adesk::Boolean update();
  virtual AcDbEntity* entity() const;

  // What the running drag() is being fed; for the host's directives.
  static AcEdJig* dragging();
  // One cursor position (UCS) for the running drag: a sampler pass.
  void moveCursor(const AcGePoint3d& ucsPoint);

 private:
  enum class Feed { kNone, kMove, kClick };
  DragStatus acquire(const AcGePoint3d* base, int kind, double& value, AcGePoint3d& point, std::wstring* text);
  DragStatus readClick(const AcGePoint3d& from, int kind, double& value, AcGePoint3d& point, std::wstring* text);
  DragStatus refuse(const wchar_t* message);

  std::wstring prompt_;
  std::wstring keywords_;
  UserInputControls controls_ = static_cast<UserInputControls>(0);
  CursorType cursor_ = kNoSpecialCursor;

  // What the sampler's acquire sees: nothing (outside drag), a cursor move or the click.
  Feed feed_ = Feed::kNone;
  AcGePoint3d cursor3d_;  // world
  std::wstring clickText_;
  bool clickCancel_ = false;
  bool clickRejected_ = false;  // the answer did not fit: the prompt repeats
  bool clickAcquired_ = false;
  DragStatus clickStatus_ = kCancel;
  AcGePoint3d clickPoint_;
  double clickValue_ = 0;
  std::wstring clickString_;
};

namespace zhost {

struct RegenRecord;

// Shows the dragged entity; drag() calls it after every sampler pass. It draws the entity
// through the graphics layer into the dragged-graphics record, or hands it to the drawer that
// a display (or a test) has set instead.
void DrawJigEntity(AcDbEntity* entity);
void SetJigEntityDrawer(std::function<void(AcDbEntity*)> drawer);
// What the last pass drew (world primitives), until the next pass.
const RegenRecord& DraggedGraphics();

}  // namespace zhost
