// Windows without a screen: a window is a record of its state (text, visibility, enabled,
// position, parent, maximised/minimised, focus and activation) that the window functions keep
// and read back. The screen is a fixed 1920 x 1080 area, so positions are the same on every
// machine. Positions of child windows are relative to their parent, as MoveWindow takes them;
// GetWindowRect returns screen coordinates.
//
// A window with a procedure hears what happens to it as Windows tells it: SetWindowText goes
// through WM_SETTEXT, focus changes send WM_KILLFOCUS and WM_SETFOCUS, ShowWindow sends
// WM_SHOWWINDOW when the visibility changes, MoveWindow and SetWindowPos send WM_MOVE and
// WM_SIZE when the position or size changes, DestroyWindow sends WM_DESTROY (parent first) and
// WM_NCDESTROY (children first) before the records go.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/win/LastError.h"
#include "host/win/WinTypes.h"

struct HWND__ {
  std::wstring className;
  std::wstring text;
  HWND parent = nullptr;
  int id = 0;              // control id of a child window
  DWORD style = 0;
  DWORD exStyle = 0;
  bool visible = false;
  bool enabled = true;
  bool maximised = false;
  bool minimised = false;
  RECT rect;               // current position (relative to the parent)
  RECT normalRect;         // position when neither maximised nor minimised
  int invalidations = 0;   // InvalidateRect calls: nothing is painted, the request is counted
  bool destroying = false; // DestroyWindow is sending its messages
  // Receives SendMessageW; owners (dialogs, controls) install it.
  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> proc;
};

#define SW_HIDE 0
#define SW_SHOWNORMAL 1
#define SW_NORMAL 1
#define SW_SHOWMINIMIZED 2
#define SW_SHOWMAXIMIZED 3
#define SW_MAXIMIZE 3
#define SW_SHOWNOACTIVATE 4
#define SW_SHOW 5
#define SW_MINIMIZE 6
#define SW_SHOWMINNOACTIVE 7
#define SW_SHOWNA 8
#define SW_RESTORE 9
#define SW_SHOWDEFAULT 10

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOREDRAW 0x0008
#define SWP_NOACTIVATE 0x0010
#define SWP_FRAMECHANGED 0x0020
#define SWP_SHOWWINDOW 0x0040
#define SWP_HIDEWINDOW 0x0080
#define SWP_NOOWNERZORDER 0x0200

#define HWND_TOP ((HWND)0)
#define HWND_BOTTOM ((HWND)1)
#define HWND_TOPMOST ((HWND)-1)
#define HWND_NOTOPMOST ((HWND)-2)

#define WPF_SETMINPOSITION 0x0001
#define WPF_RESTORETOMAXIMIZED 0x0002

struct WINDOWPLACEMENT {
  UINT length = sizeof(WINDOWPLACEMENT);
  UINT flags = 0;
  UINT showCmd = SW_SHOWNORMAL;
  POINT ptMinPosition;
  POINT ptMaxPosition;
  RECT rcNormalPosition;
};
typedef WINDOWPLACEMENT* LPWINDOWPLACEMENT;

namespace zhost {

// The CAD program's main window (created on first use, visible, 1280 x 800 at 0,0).
HWND MainWindow();
RECT ScreenRect();

// A new window record; destroyed with DestroyWindow (which destroys its children too).
HWND CreateHostWindow(const std::wstring& className, const std::wstring& text, HWND parent,
                      const RECT& rect, bool visible, int id = 0);
// Called for every window DestroyWindow removes, after its WM_NCDESTROY and before its record
// goes, so that tables keyed by the handle (timers, menus, window objects) forget it before the
// address can be reused.
void AddWindowDestroyHook(void (*hook)(HWND window));
// The direct children of `parent` in the order they were created.
std::vector<HWND> ChildWindows(HWND parent);

}  // namespace zhost

BOOL IsWindow(HWND window);
BOOL DestroyWindow(HWND window);
BOOL IsWindowVisible(HWND window);
// Returns whether the window was visible before.
BOOL ShowWindow(HWND window, int command);
// Returns whether the window was disabled before.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();
HWND GetForegroundWindow();
BOOL SetForegroundWindow(HWND window);
HWND GetParent(HWND window);
BOOL IsChild(HWND parent, HWND window);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL IsZoomed(HWND window);
BOOL IsIconic(HWND window);
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetWindowTextW(HWND window, LPWSTR buffer, int size);
int GetWindowTextLengthW(HWND window);
LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// What a window does with a message its own procedure leaves: WM_SETTEXT, WM_GETTEXT,
// WM_GETTEXTLENGTH and WM_CLOSE (which destroys the window); 0 for everything else.
LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The child with control id `id`, or null.
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
// Nothing is painted; the request is counted in HWND__::invalidations.
BOOL InvalidateRect(HWND window, const RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND window);
BOOL ClientToScreen(HWND window, LPPOINT point);
BOOL ScreenToClient(HWND window, LPPOINT point);

inline BOOL SetWindowText(HWND w, LPCWSTR t) { return SetWindowTextW(w, t); }
inline int GetWindowText(HWND w, LPWSTR b, int n) { return GetWindowTextW(w, b, n); }
inline LRESULT SendMessage(HWND w, UINT m, WPARAM wp, LPARAM lp) { return SendMessageW(w, m, wp, lp); }
inline LRESULT DefWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }
