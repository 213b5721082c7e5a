// Window records: visibility, enabling, focus, positions and placement are kept and read back.
#include <gtest/gtest.h>

#include "host/win/Window.h"

namespace {

RECT Rect(LONG l, LONG t, LONG r, LONG b) {
  RECT rc;
  rc.left = l;
  rc.top = t;
  rc.right = r;
  rc.bottom = b;
  return rc;
}

bool Same(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Window, StateIsKeptAndReadBack) {
  HWND main = zhost::MainWindow();
  ASSERT_TRUE(IsWindow(main));
  EXPECT_EQ(zhost::MainWindow(), main);
  EXPECT_TRUE(IsWindowVisible(main));

  HWND palette = zhost::CreateHostWindow(L"Dialog", L"zenkora", main, Rect(10, 20, 310, 420), false);
  EXPECT_FALSE(IsWindowVisible(palette));
  EXPECT_FALSE(ShowWindow(palette, SW_SHOW));
  EXPECT_TRUE(IsWindowVisible(palette));
  EXPECT_TRUE(ShowWindow(palette, SW_HIDE));
  EXPECT_FALSE(IsWindowVisible(palette));

  EXPECT_FALSE(EnableWindow(palette, FALSE));  // was enabled
  EXPECT_FALSE(IsWindowEnabled(palette));
  EXPECT_TRUE(EnableWindow(palette, TRUE));    // was disabled

  SetFocus(palette);
  EXPECT_EQ(GetFocus(), palette);
  EXPECT_EQ(SetFocus(main), palette);
  SetActiveWindow(main);
  EXPECT_EQ(GetActiveWindow(), main);

  wchar_t text[4];
  EXPECT_EQ(GetWindowTextW(palette, text, 4), 3);
  EXPECT_EQ(std::wstring(text), L"zen");
  EXPECT_TRUE(SetWindowTextW(palette, L"Palette"));
  EXPECT_EQ(GetWindowTextLengthW(palette), 7);

  RECT rc;
  ASSERT_TRUE(GetWindowRect(palette, &rc));
  EXPECT_TRUE(Same(rc, Rect(10, 20, 310, 420)));
  MoveWindow(palette, 5, 6, 100, 50, TRUE);
  SetWindowPos(palette, HWND_TOP, 0, 0, 200, 80, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(palette, &rc);
  EXPECT_TRUE(Same(rc, Rect(5, 6, 205, 86)));
  EXPECT_TRUE(DestroyWindow(palette));
  EXPECT_FALSE(IsWindow(palette));
  EXPECT_FALSE(GetWindowRect(palette, &rc));
}

TEST(Window, MaximiseMinimiseRestoreAndPlacement) {
  HWND w = zhost::CreateHostWindow(L"Dialog", L"w", nullptr, Rect(100, 100, 400, 300), true);
  ShowWindow(w, SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(w));
  RECT rc;
  GetWindowRect(w, &rc);
  EXPECT_TRUE(Same(rc, zhost::ScreenRect()));
  WINDOWPLACEMENT wp;
  ASSERT_TRUE(GetWindowPlacement(w, &wp));
  EXPECT_EQ(wp.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_TRUE(Same(wp.rcNormalPosition, Rect(100, 100, 400, 300)));

  ShowWindow(w, SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(w));
  EXPECT_FALSE(IsZoomed(w));
  ShowWindow(w, SW_RESTORE);  // back to maximised, as it was before
  EXPECT_TRUE(IsZoomed(w));
  ShowWindow(w, SW_SHOWNORMAL);
  GetWindowRect(w, &rc);
  EXPECT_TRUE(Same(rc, Rect(100, 100, 400, 300)));

  wp.showCmd = SW_SHOWNORMAL;
  wp.rcNormalPosition = Rect(1, 2, 301, 202);
  ASSERT_TRUE(SetWindowPlacement(w, &wp));
  GetWindowRect(w, &rc);
  EXPECT_TRUE(Same(rc, Rect(1, 2, 301, 202)));
  EXPECT_FALSE(IsZoomed(w));
  DestroyWindow(w);
}

TEST(Window, DestroyingAParentDestroysItsChildrenAndFocus) {
  HWND parent = zhost::CreateHostWindow(L"Dialog", L"p", nullptr, Rect(50, 60, 250, 260), true);
  HWND child = zhost::CreateHostWindow(L"Button", L"OK", parent, Rect(10, 10, 60, 30), true, 1);
  RECT rc;
  GetWindowRect(child, &rc);
  EXPECT_TRUE(Same(rc, Rect(60, 70, 110, 90)));  // screen coordinates
  EXPECT_TRUE(IsChild(parent, child));
  SetFocus(child);
  int calls = 0;
  child->proc = [&](HWND, UINT message, WPARAM, LPARAM) -> LRESULT { return ++calls + static_cast<LRESULT>(message); };
  EXPECT_EQ(SendMessageW(child, 100, 0, 0), 101);
  DestroyWindow(parent);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(SendMessageW(child, 100, 0, 0), 0);
}

}  // namespace
