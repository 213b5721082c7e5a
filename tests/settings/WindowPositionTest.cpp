// Window-position records: saving, the move and maximise rules of restoring.
#include <gtest/gtest.h>

#include "host/win/Window.h"
#include "settings/IniFiles.h"
#include "tests/settings/SettingsFixture.h"

namespace {

class WindowPositions : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    RECT rect;
    rect.left = 10;
    rect.top = 20;
    rect.right = 310;
    rect.bottom = 220;
    window = zhost::CreateHostWindow(L"Test", L"palette", nullptr, rect, true);
  }
  void TearDown() override {
    DestroyWindow(window);
    SettingsFixture::TearDown();
  }
  RECT Rect() const {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
  }
  HWND window = nullptr;
};

TEST_F(WindowPositions, SaveWritesLeftTopWidthHeightMaximised) {
  ASSERT_TRUE(SaveWindowPosition(L"Position", window));
  EXPECT_EQ(std::wstring(ReadGeneralInfoString(L"Position")), L"10,20,300,200,0");
  ShowWindow(window, SW_MINIMIZE);
  WriteGeneralInfoString(L"Position", L"old");
  EXPECT_FALSE(SaveWindowPosition(L"Position", window));
  EXPECT_EQ(std::wstring(ReadGeneralInfoString(L"Position")), L"old");
}

TEST_F(WindowPositions, RestoreRules) {
  struct Case {
    const wchar_t* record;
    bool keepSize;
    bool moved;
    LONG left, top, width, height;
  } cases[] = {
      {L"100,50,400,300,0", false, true, 100, 50, 400, 300},
      {L"100,50,400,300,0", true, true, 100, 50, 300, 200},
      {L"5000,50,400,300,0", false, false, 10, 20, 300, 200},
      {L"100,1000,400,300,0", false, false, 10, 20, 300, 200},
      {L"100,50,20,300,0", false, false, 10, 20, 300, 200},
      {L"100,50,400,2000,0", false, false, 10, 20, 300, 200},
      {L"-50,50,21,1999,0", false, true, -50, 50, 21, 1999},
      {L"100,50,400,300", false, false, 10, 20, 300, 200},
      {L"", false, false, 10, 20, 300, 200},
      {L"garbage", false, false, 10, 20, 300, 200},
  };
  for (const Case& c : cases) {
    MoveWindow(window, 10, 20, 300, 200, TRUE);
    WriteGeneralInfoString(L"Position", c.record);
    EXPECT_EQ(RestoreWindowPosition(L"Position", window, c.keepSize), c.moved) << c.record;
    RECT rect = Rect();
    EXPECT_EQ(rect.left, c.left) << c.record;
    EXPECT_EQ(rect.top, c.top) << c.record;
    EXPECT_EQ(rect.right - rect.left, c.width) << c.record;
    EXPECT_EQ(rect.bottom - rect.top, c.height) << c.record;
    EXPECT_FALSE(IsZoomed(window));
  }
}

TEST_F(WindowPositions, FifthNumberOneMaximisesWhateverTheOthers) {
  WriteGeneralInfoString(L"Position", L"5000,5000,1,1,1");
  EXPECT_TRUE(RestoreWindowPosition(L"Position", window, false));
  EXPECT_TRUE(IsZoomed(window));
  // Saved while maximised: the place it returns to.
  ASSERT_TRUE(SaveWindowPosition(L"Position", window));
  EXPECT_EQ(std::wstring(ReadGeneralInfoString(L"Position")), L"10,20,300,200,1");
}

}  // namespace
