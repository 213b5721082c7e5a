// AcEdJig driven by script lines: the prompt, "%move" samples before the click, keywords, Enter
// with and without kNullResponseAccepted, cancel, refused answers, distances, the left-click
// feed, a rotated UCS and append.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/ed/AcEdJig.h"
#include "host/ed/ClickFeed.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/ed/WinMsgFilter.h"
#include "host/gi/Primitive.h"
#include "host/win/WinMessages.h"
#include "tests/host/ed/EdTestSupport.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

using zktest::Contains;
using zktest::WithAnswers;

// Drags the end of a line from the origin.
class LineJig : public AcEdJig {
 public:
  LineJig() : line_(new AcDbLine(AcGePoint3d::kOrigin, AcGePoint3d::kOrigin)) { setDispPrompt(L"\nEnd point: "); }
  ~LineJig() override { delete line_; }

  DragStatus sampler() override {
    AcGePoint3d p;
    DragStatus status = useBase ? acquirePoint(p, AcGePoint3d::kOrigin) : acquirePoint(p);
    if (status == kNormal) {
      samples.push_back(p);
      current = p;
    }
    return status;
  }
  Adesk::Boolean update() override {
    line_->setEndPoint(current);
    ++updates;
    return Adesk::kTrue;
  }
  AcDbEntity* entity() const override { return line_; }
  // The database owns the line once it is appended.
  AcDbObjectId appendLine() {
    AcDbObjectId id = append();
    if (!id.isNull()) line_ = nullptr;
    return id;
  }

  bool useBase = true;
  std::vector<AcGePoint3d> samples;
  AcGePoint3d current;
  int updates = 0;

 private:
  AcDbLine* line_;
};

class Jig : public zktest::DrawingTest {
 protected:
  void SetUp() override {
    zktest::DrawingTest::SetUp();
    zhost::SetJigEntityDrawer([this](AcDbEntity*) { ++draws; });
  }
  void TearDown() override {
    zhost::SetJigEntityDrawer(nullptr);
    zktest::DrawingTest::TearDown();
  }
  AcEdJig::DragStatus Drag(AcEdJig& jig, const std::vector<std::wstring>& lines, std::wstring* transcript = nullptr) {
    AcEdJig::DragStatus status = AcEdJig::kCancel;
    std::wstring text = WithAnswers(lines, [&] { status = jig.drag(); });
    if (transcript) *transcript = text;
    return status;
  }
  int draws = 0;
};

size_t Count(const std::wstring& text, const std::wstring& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size())) ++n;
  return n;
}

TEST_F(Jig, MovesSampleBeforeTheClickAndEachPassDraws) {
  LineJig jig;
  std::wstring transcript;
  EXPECT_EQ(AcEdJig::kNormal, Drag(jig, {L"%move 1,1", L"%move 2,5", L"3,4"}, &transcript));
  ASSERT_EQ(3u, jig.samples.size());
  EXPECT_TRUE(jig.samples[0].isEqualTo(AcGePoint3d(1, 1, 0)));
  EXPECT_TRUE(jig.samples[1].isEqualTo(AcGePoint3d(2, 5, 0)));
  EXPECT_TRUE(jig.samples[2].isEqualTo(AcGePoint3d(3, 4, 0)));
  EXPECT_EQ(3, jig.updates);
  EXPECT_EQ(3, draws);
  EXPECT_TRUE(static_cast<AcDbLine*>(jig.entity())->endPoint().isEqualTo(AcGePoint3d(3, 4, 0)));
  EXPECT_TRUE(Contains(transcript, L"End point: 3,4"));
  // The click is a point answer like acedGetPoint's: it becomes LASTPOINT.
  ads_point last;
  zhost::GetLastPoint(last);
  EXPECT_DOUBLE_EQ(3, last[0]);
}

TEST_F(Jig, AnswersGiveTheirStatus) {
  struct Row {
    const char* name;
    int controls;
    std::vector<std::wstring> lines;
    AcEdJig::DragStatus status;
    size_t prompts;        // how often the prompt was shown
    std::wstring keyword;  // what acedGetInput gives afterwards ("" unchecked)
    std::wstring printed;
  } rows[] = {
      {"keyword by comma abbreviation", 0, {L"L"}, AcEdJig::kKW1, 1, L"Lagepunkt", L""},
      {"keyword spelled", 0, {L"lage"}, AcEdJig::kKW1, 1, L"Lagepunkt", L""},
      {"second keyword", 0, {L"w"}, AcEdJig::kKW2, 1, L"Width", L""},
      {"global keyword", 0, {L"_Width"}, AcEdJig::kKW2, 1, L"Width", L""},
      {"enter accepted", AcEdJig::kNullResponseAccepted, {L""}, AcEdJig::kNull, 1, L"", L""},
      {"enter repeats the prompt", 0, {L"", L"1,1"}, AcEdJig::kNormal, 2, L"", L""},
      {"cancel", 0, {L"*cancel*"}, AcEdJig::kCancel, 1, L"", L""},
      {"end of input", 0, {}, AcEdJig::kCancel, 1, L"", L""},
      {"wrong answer repeats", 0, {L"abc", L"2,2"}, AcEdJig::kNormal, 2, L"", L"Invalid point."},
      {"other text accepted", AcEdJig::kAcceptOtherInputString, {L"abc"}, AcEdJig::kOther, 1, L"abc", L""},
  };
  for (const Row& row : rows) {
    LineJig jig;
    jig.setKeywordList(L"Lagepunkt,L Width _Lagepunkt Width");
    jig.setUserInputControls(static_cast<AcEdJig::UserInputControls>(row.controls));
    std::wstring transcript;
    EXPECT_EQ(row.status, Drag(jig, row.lines, &transcript)) << row.name;
    EXPECT_EQ(row.prompts, Count(transcript, L"End point: ")) << row.name;
    if (!row.keyword.empty()) {
      ACHAR buffer[64] = L"";
      acedGetInput(buffer);
      EXPECT_EQ(row.keyword, std::wstring(buffer)) << row.name;
    }
    if (!row.printed.empty()) {
      EXPECT_TRUE(Contains(transcript, row.printed)) << row.name;
    }
    // Only a point answer updates the entity.
    EXPECT_EQ(row.status == AcEdJig::kNormal ? 1 : 0, jig.updates) << row.name;
  }
}

// Distances from the base point, typed or picked, and the checks of the input controls.
class DistJig : public AcEdJig {
 public:
  DragStatus sampler() override { return acquireDist(distance, AcGePoint3d(1, 1, 0)); }
  double distance = -1;
};

TEST_F(Jig, DistanceFromTheBasePoint) {
  DistJig jig;
  jig.setDispPrompt(L"\nDistance: ");
  jig.setUserInputControls(static_cast<AcEdJig::UserInputControls>(AcEdJig::kNoZeroResponseAccepted));
  EXPECT_EQ(AcEdJig::kCancel, Drag(jig, {L"%move 4,5", L"*cancel*"}));
  EXPECT_DOUBLE_EQ(5, jig.distance);  // sampled at the move
  EXPECT_EQ(AcEdJig::kNormal, Drag(jig, {L"1,3"}));
  EXPECT_DOUBLE_EQ(2, jig.distance);
  std::wstring transcript;
  EXPECT_EQ(AcEdJig::kNormal, Drag(jig, {L"0", L"7.5"}, &transcript));
  EXPECT_DOUBLE_EQ(7.5, jig.distance);
  EXPECT_TRUE(Contains(transcript, L"Value must be nonzero."));
}

TEST_F(Jig, PointsAreGivenInTheUcsAndReturnedInTheWorld) {
  zhost::Ucs ucs;
  ucs.origin.set(10, 0, 0);
  ucs.xAxis = AcGeVector3d::kYAxis;
  ucs.yAxis = -AcGeVector3d::kXAxis;
  ASSERT_TRUE(zhost::SetCurrentUcs(ucs));
  LineJig jig;
  EXPECT_EQ(AcEdJig::kNormal, Drag(jig, {L"%move 1,0", L"2,3"}));
  ASSERT_EQ(2u, jig.samples.size());
  EXPECT_TRUE(jig.samples[0].isEqualTo(AcGePoint3d(10, 1, 0)));
  EXPECT_TRUE(jig.samples[1].isEqualTo(AcGePoint3d(7, 2, 0)));
}

std::vector<MSG>& Seen() {
  static std::vector<MSG> seen;
  return seen;
}
bool Watch(MSG* msg) {
  Seen().push_back(*msg);
  return false;
}
int swallowLeft = 0;
bool SwallowOnce(MSG* msg) {
  if (msg->message != WM_LBUTTONDOWN || swallowLeft == 0) return false;
  --swallowLeft;
  return true;
}

TEST_F(Jig, TheClickReachesTheMessageFiltersFirst) {
  Seen().clear();
  ASSERT_TRUE(acedRegisterFilterWinMsg(Watch));
  LineJig jig;
  EXPECT_EQ(AcEdJig::kNormal, Drag(jig, {L"%move 1,1", L"30,-20"}));
  acedRemoveFilterWinMsg(Watch);
  // Moves are no clicks; the click is a press and a release at its pixel.
  ASSERT_EQ(2u, Seen().size());
  EXPECT_EQ(static_cast<UINT>(WM_LBUTTONDOWN), Seen()[0].message);
  EXPECT_EQ(static_cast<UINT>(WM_LBUTTONUP), Seen()[1].message);
  ads_point world;
  ASSERT_TRUE(acedCoordFromPixelToWorld(Seen()[0].pt, world));
  EXPECT_DOUBLE_EQ(30, world[0]);
  EXPECT_DOUBLE_EQ(-20, world[1]);

  // A filter that takes the press swallows the click: the prompt waits for the next one.
  swallowLeft = 1;
  ASSERT_TRUE(acedRegisterFilterWinMsg(SwallowOnce));
  LineJig second;
  std::wstring transcript;
  EXPECT_EQ(AcEdJig::kNormal, Drag(second, {L"5,5", L"6,6"}, &transcript));
  acedRemoveFilterWinMsg(SwallowOnce);
  EXPECT_EQ(2u, Count(transcript, L"End point: "));
  EXPECT_TRUE(second.current.isEqualTo(AcGePoint3d(6, 6, 0)));
}

TEST_F(Jig, AppendHandsTheEntityToTheDrawing) {
  LineJig jig;
  ASSERT_EQ(AcEdJig::kNormal, Drag(jig, {L"8,0"}));
  AcDbObjectId id = jig.appendLine();
  ASSERT_FALSE(id.isNull());
  AcDbLine* line = nullptr;
  ASSERT_EQ(Acad::eOk, acdbOpenObject(line, id, AcDb::kForRead));
  EXPECT_TRUE(line->endPoint().isEqualTo(AcGePoint3d(8, 0, 0)));
  line->close();
}

TEST_F(Jig, WithoutADisplayTheGraphicsLayerDrawsTheDraggedEntity) {
  zhost::SetJigEntityDrawer(nullptr);
  LineJig jig;
  ASSERT_EQ(AcEdJig::kNormal, Drag(jig, {L"%move 2,2", L"5,1"}));
  const zhost::RegenRecord& drawn = zhost::DraggedGraphics();
  ASSERT_EQ(1u, drawn.entities.size());
  ASSERT_FALSE(drawn.entities[0].primitives.empty());
  const zhost::Primitive& line = drawn.entities[0].primitives[0];
  ASSERT_EQ(2u, line.points.size());
  EXPECT_TRUE(line.points[1].isEqualTo(AcGePoint3d(5, 1, 0)));
}

TEST_F(Jig, MoveWithoutADragIsReported) {
  std::wstring transcript = zktest::RunLines({L"%move 1,1"});
  EXPECT_TRUE(Contains(transcript, L"nothing is being dragged"));
}

}  // namespace
