// Key state set by the script or a test and read through GetKeyState and GetAsyncKeyState.
#include <gtest/gtest.h>

#include "host/win/KeyState.h"

namespace {

class KeyStateTest : public ::testing::Test {
 protected:
  void SetUp() override { zhost::ResetKeyState(); }
  void TearDown() override { zhost::ResetKeyState(); }
};

bool Down(SHORT state) { return (state & 0x8000) != 0; }

TEST_F(KeyStateTest, HeldKeyReadsDownUntilReleased) {
  EXPECT_EQ(GetKeyState(VK_ESCAPE), 0);
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);

  zhost::SetKeyDown(VK_ESCAPE, true);
  EXPECT_TRUE(Down(GetKeyState(VK_ESCAPE)));
  EXPECT_EQ(GetKeyState(VK_ESCAPE) & 1, 1);               // toggled by the press
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8001, 0x8001);  // down, and pressed since the last call
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8001, 0x8000);  // still down, no new press
  EXPECT_FALSE(Down(GetKeyState(VK_SHIFT)));

  zhost::SetKeyDown(VK_ESCAPE, false);
  EXPECT_FALSE(Down(GetKeyState(VK_ESCAPE)));
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
}

TEST_F(KeyStateTest, StrokeIsSeenByTheNextQueryOnly) {
  zhost::PressKey(VK_ESCAPE);
  EXPECT_TRUE(Down(GetKeyState(VK_ESCAPE)));
  EXPECT_FALSE(Down(GetKeyState(VK_ESCAPE)));
  // The async form still reports the press since its last call.
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 1);
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);

  zhost::PressKey(VK_ESCAPE);
  EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE) & 0x8001, 0x8001);
  EXPECT_FALSE(Down(GetKeyState(VK_ESCAPE)));
  EXPECT_EQ(GetKeyState(VK_ESCAPE) & 1, 0);  // two strokes: toggle off again
}

TEST_F(KeyStateTest, KeyNames) {
  EXPECT_EQ(zhost::VirtualKeyFromName(L"esc"), VK_ESCAPE);
  EXPECT_EQ(zhost::VirtualKeyFromName(L"ESCAPE"), VK_ESCAPE);
  EXPECT_EQ(zhost::VirtualKeyFromName(L"Enter"), VK_RETURN);
  EXPECT_EQ(zhost::VirtualKeyFromName(L"ctrl"), VK_CONTROL);
  EXPECT_EQ(zhost::VirtualKeyFromName(L"F13"), 0);
  EXPECT_EQ(zhost::VirtualKeyFromName(L""), 0);
}

}  // namespace
