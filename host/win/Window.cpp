// The window records and the state the window functions keep.
#include "host/win/Window.h"

#include "host/win/WinMessages.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct WindowRegistry {
  std::vector<std::unique_ptr<HWND__>> windows;
  std::vector<void (*)(HWND)> destroyHooks;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND main = nullptr;
};

// Never destroyed: windows may be destroyed from other static destructors at exit.
WindowRegistry& Registry() {
  static WindowRegistry* registry = new WindowRegistry;
  return *registry;
}

HWND Live(HWND window) {
  if (!window) return nullptr;
  for (auto& w : Registry().windows)
    if (w.get() == window) return window;
  return nullptr;
}

BOOL Invalid() {
  SetLastError(ERROR_INVALID_WINDOW_HANDLE);
  return FALSE;
}

LONG Width(const RECT& r) { return r.right - r.left; }
LONG Height(const RECT& r) { return r.bottom - r.top; }

RECT MakeRect(LONG x, LONG y, LONG w, LONG h) {
  RECT r;
  r.left = x;
  r.top = y;
  r.right = x + w;
  r.bottom = y + h;
  return r;
}

RECT MaximisedRect(HWND window) {
  if (window->parent) return MakeRect(0, 0, Width(window->parent->rect), Height(window->parent->rect));
  return zhost::ScreenRect();
}

RECT MinimisedRect() { return MakeRect(-32000, -32000, 160, 28); }

bool IsSelfOrChild(HWND ancestor, HWND window) {
  for (HWND w = window; w; w = w->parent)
    if (w == ancestor) return true;
  return false;
}

void LoseFocusWithin(HWND window) {
  WindowRegistry& r = Registry();
  if (r.focus && IsSelfOrChild(window, r.focus)) r.focus = nullptr;
  if (r.active && IsSelfOrChild(window, r.active)) r.active = nullptr;
}

void Restore(HWND window) {
  window->maximised = window->minimised = false;
  window->rect = window->normalRect;
}

void Maximise(HWND window) {
  window->minimised = false;
  window->maximised = true;
  window->rect = MaximisedRect(window);
}

void Minimise(HWND window) {
  window->minimised = true;
  window->rect = MinimisedRect();
}

void Activate(HWND window) {
  if (!window->parent) Registry().active = window;
}

LRESULT Notify(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!window->proc) return 0;
  return SendMessageW(window, message, wParam, lParam);
}

// Moves the record and tells the window what changed.
void Place(HWND window, const RECT& rect) {
  RECT old = window->rect;
  window->rect = rect;
  if (!window->maximised && !window->minimised) window->normalRect = rect;
  if (old.left != rect.left || old.top != rect.top) Notify(window, WM_MOVE, 0, MAKELPARAM(rect.left, rect.top));
  if (Width(old) != Width(rect) || Height(old) != Height(rect))
    Notify(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(rect), Height(rect)));
}

void SetVisible(HWND window, bool visible) {
  if (window->visible == visible) return;
  window->visible = visible;
  Notify(window, WM_SHOWWINDOW, visible ? TRUE : FALSE, 0);
}

}  // namespace

namespace zhost {

RECT ScreenRect() { return MakeRect(0, 0, 1920, 1080); }

HWND CreateHostWindow(const std::wstring& className, const std::wstring& text, HWND parent,
                      const RECT& rect, bool visible, int id) {
  auto window = std::make_unique<HWND__>();
  window->className = className;
  window->text = text;
  window->parent = Live(parent);
  window->id = id;
  window->visible = visible;
  window->rect = window->normalRect = rect;
  Registry().windows.push_back(std::move(window));
  return Registry().windows.back().get();
}

void AddWindowDestroyHook(void (*hook)(HWND window)) {
  auto& hooks = Registry().destroyHooks;
  if (hook && std::find(hooks.begin(), hooks.end(), hook) == hooks.end()) hooks.push_back(hook);
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  if (!Live(parent)) return children;
  for (auto& w : Registry().windows)
    if (w->parent == parent) children.push_back(w.get());
  return children;
}

HWND MainWindow() {
  WindowRegistry& r = Registry();
  if (!r.main) {
    r.main = CreateHostWindow(L"zhostMainWindow", L"zhost", nullptr, MakeRect(0, 0, 1280, 800), true);
    r.active = r.main;
  }
  return r.main;
}

}  // namespace zhost

BOOL IsWindow(HWND window) { return Live(window) ? TRUE : FALSE; }

BOOL DestroyWindow(HWND window) {
  if (!Live(window)) return Invalid();
  if (window->destroying) return TRUE;
  WindowRegistry& r = Registry();
  std::vector<HWND> doomed;
  for (auto& w : r.windows)
    if (IsSelfOrChild(window, w.get())) doomed.push_back(w.get());
  for (HWND w : doomed) w->destroying = true;
  LoseFocusWithin(window);
  // Parents are created before their children, so the registry order is parent first.
  for (HWND w : doomed)
    if (Live(w)) Notify(w, WM_DESTROY, 0, 0);
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
    if (Live(*it)) Notify(*it, WM_NCDESTROY, 0, 0);
  LoseFocusWithin(window);
  std::vector<void (*)(HWND)> hooks = r.destroyHooks;
  for (HWND w : doomed)
    for (auto hook : hooks) hook(w);
  if (r.main && std::find(doomed.begin(), doomed.end(), r.main) != doomed.end()) r.main = nullptr;
  r.windows.erase(std::remove_if(r.windows.begin(), r.windows.end(),
                                 [&](const std::unique_ptr<HWND__>& w) {
                                   return std::find(doomed.begin(), doomed.end(), w.get()) != doomed.end();
                                 }),
                  r.windows.end());
  return TRUE;
}

BOOL IsWindowVisible(HWND window) {
  if (!Live(window)) return FALSE;
  for (HWND w = window; w; w = w->parent)
    if (!w->visible) return FALSE;
  return TRUE;
}

BOOL ShowWindow(HWND window, int command) {
  if (!Live(window)) return Invalid();
  BOOL wasVisible = window->visible ? TRUE : FALSE;
  switch (command) {
    case SW_HIDE:
      LoseFocusWithin(window);
      SetVisible(window, false);
      return wasVisible;
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
      Restore(window);
      Activate(window);
      break;
    case SW_RESTORE:  // a minimised window that was maximised becomes maximised again
      if (window->minimised && window->maximised) Maximise(window);
      else Restore(window);
      Activate(window);
      break;
    case SW_SHOWMAXIMIZED:
      Maximise(window);
      Activate(window);
      break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
      Minimise(window);
      if (Registry().active == window) Registry().active = nullptr;
      LoseFocusWithin(window);
      break;
    case SW_SHOW:
      Activate(window);
      break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
      break;
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return wasVisible;
  }
  SetVisible(window, true);
  return wasVisible;
}

BOOL EnableWindow(HWND window, BOOL enable) {
  if (!Live(window)) return FALSE;
  BOOL wasDisabled = window->enabled ? FALSE : TRUE;
  window->enabled = enable != FALSE;
  if (!window->enabled && Registry().focus && IsSelfOrChild(window, Registry().focus)) Registry().focus = nullptr;
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND window) { return Live(window) && window->enabled ? TRUE : FALSE; }

HWND SetFocus(HWND window) {
  WindowRegistry& r = Registry();
  if (window && !Live(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  HWND previous = r.focus;
  if (window) {
    HWND top = window;
    while (top->parent) top = top->parent;
    r.active = top;
  }
  if (previous == window) return previous;
  r.focus = window;
  if (previous && Live(previous)) Notify(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(window), 0);
  if (window && Live(window) && r.focus == window) Notify(window, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND GetFocus() { return Registry().focus; }

HWND SetActiveWindow(HWND window) {
  WindowRegistry& r = Registry();
  if (window && !Live(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  HWND previous = r.active;
  r.active = window;
  return previous;
}

HWND GetActiveWindow() { return Registry().active; }
HWND GetForegroundWindow() { return Registry().active; }

BOOL SetForegroundWindow(HWND window) {
  if (!Live(window)) return FALSE;
  SetActiveWindow(window);
  return TRUE;
}

HWND GetParent(HWND window) { return Live(window) ? window->parent : nullptr; }

BOOL IsChild(HWND parent, HWND window) {
  if (!Live(parent) || !Live(window) || parent == window) return FALSE;
  return IsSelfOrChild(parent, window) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND window, LPRECT rect) {
  if (!Live(window) || !rect) return Invalid();
  RECT r = window->rect;
  for (HWND p = window->parent; p; p = p->parent) {
    r.left += p->rect.left;
    r.right += p->rect.left;
    r.top += p->rect.top;
    r.bottom += p->rect.top;
  }
  *rect = r;
  return TRUE;
}

BOOL GetClientRect(HWND window, LPRECT rect) {
  if (!Live(window) || !rect) return Invalid();
  *rect = MakeRect(0, 0, Width(window->rect), Height(window->rect));
  return TRUE;
}

BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL) {
  if (!Live(window)) return Invalid();
  Place(window, MakeRect(x, y, std::max(width, 0), std::max(height, 0)));
  return TRUE;
}

BOOL SetWindowPos(HWND window, HWND, int x, int y, int cx, int cy, UINT flags) {
  if (!Live(window)) return Invalid();
  RECT r = window->rect;
  LONG left = (flags & SWP_NOMOVE) ? r.left : x;
  LONG top = (flags & SWP_NOMOVE) ? r.top : y;
  LONG w = (flags & SWP_NOSIZE) ? Width(r) : std::max(cx, 0);
  LONG h = (flags & SWP_NOSIZE) ? Height(r) : std::max(cy, 0);
  Place(window, MakeRect(left, top, w, h));
  if (flags & SWP_SHOWWINDOW) SetVisible(window, true);
  if (flags & SWP_HIDEWINDOW) {
    LoseFocusWithin(window);
    SetVisible(window, false);
  }
  if (!(flags & SWP_NOACTIVATE) && window->visible) Activate(window);
  return TRUE;
}

BOOL IsZoomed(HWND window) { return Live(window) && window->maximised && !window->minimised ? TRUE : FALSE; }
BOOL IsIconic(HWND window) { return Live(window) && window->minimised ? TRUE : FALSE; }

BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement) {
  if (!Live(window) || !placement) return Invalid();
  placement->length = sizeof(WINDOWPLACEMENT);
  placement->flags = window->minimised && window->maximised ? WPF_RESTORETOMAXIMIZED : 0;
  placement->showCmd = window->minimised ? SW_SHOWMINIMIZED : window->maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  placement->ptMinPosition.x = placement->ptMinPosition.y = -1;
  placement->ptMaxPosition.x = placement->ptMaxPosition.y = -1;
  placement->rcNormalPosition = window->normalRect;
  return TRUE;
}

BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement) {
  if (!Live(window) || !placement) return Invalid();
  window->normalRect = placement->rcNormalPosition;
  if (!window->maximised && !window->minimised) window->rect = window->normalRect;
  ShowWindow(window, static_cast<int>(placement->showCmd));
  if (window->minimised) window->maximised = (placement->flags & WPF_RESTORETOMAXIMIZED) != 0;
  return TRUE;
}

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
  if (!Live(window)) return Invalid();
  if (window->proc) return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : L"")) ? TRUE : FALSE;
  window->text = text ? text : L"";
  return TRUE;
}

int GetWindowTextW(HWND window, LPWSTR buffer, int size) {
  if (!buffer || size <= 0) return 0;
  buffer[0] = 0;
  if (!Live(window)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  size_t n = std::min(window->text.size(), static_cast<size_t>(size - 1));
  std::wmemcpy(buffer, window->text.c_str(), n);
  buffer[n] = 0;
  return static_cast<int>(n);
}

int GetWindowTextLengthW(HWND window) { return Live(window) ? static_cast<int>(window->text.size()) : 0; }

LRESULT SendMessageW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window) || !window->proc) return 0;
  auto proc = window->proc;  // the handler may destroy the window
  return proc(window, message, wParam, lParam);
}

BOOL ClientToScreen(HWND window, LPPOINT point) {
  RECT r;
  if (!point || !GetWindowRect(window, &r)) return FALSE;
  point->x += r.left;
  point->y += r.top;
  return TRUE;
}

BOOL ScreenToClient(HWND window, LPPOINT point) {
  RECT r;
  if (!point || !GetWindowRect(window, &r)) return FALSE;
  point->x -= r.left;
  point->y -= r.top;
  return TRUE;
}

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Live(window)) return 0;
  switch (message) {
    case WM_SETTEXT: {
      const wchar_t* text = reinterpret_cast<const wchar_t*>(lParam);
      window->text = text ? text : L"";
      return TRUE;
    }
    case WM_GETTEXT: {
      wchar_t* buffer = reinterpret_cast<wchar_t*>(lParam);
      if (!buffer || wParam == 0) return 0;
      size_t n = std::min(window->text.size(), static_cast<size_t>(wParam - 1));
      std::wmemcpy(buffer, window->text.c_str(), n);
      buffer[n] = 0;
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    default:
      return 0;
  }
}

HWND GetDlgItem(HWND dialog, int id) {
  if (!Live(dialog)) return nullptr;
  for (auto& w : Registry().windows)
    if (w->parent == dialog && w->id == id) return w.get();
  return nullptr;
}

int GetDlgCtrlID(HWND window) { return Live(window) ? window->id : 0; }

BOOL InvalidateRect(HWND window, const RECT*, BOOL) {
  if (!Live(window)) return FALSE;
  ++window->invalidations;
  return TRUE;
}

BOOL UpdateWindow(HWND window) { return Live(window) ? TRUE : FALSE; }
