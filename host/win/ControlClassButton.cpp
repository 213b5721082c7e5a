// The "Button" class: push buttons, check boxes (two- and three-state, automatic or not), radio
// buttons with their groups, group boxes and owner-drawn buttons; images kept as data.
#include <memory>

#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct ButtonState {
  int check = BST_UNCHECKED;
  bool pushed = false;
  HICON icon = nullptr;
  HBITMAP bitmap = nullptr;
};

DWORD TypeOf(HWND w) { return w->style & BS_TYPEMASK; }

bool KeepsCheck(DWORD type) {
  return type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && type != BS_GROUPBOX && type != BS_PUSHBOX;
}

// The siblings of the group that `button` belongs to: from the last WS_GROUP control at or
// before it up to the next WS_GROUP control.
std::vector<HWND> GroupOf(HWND button) {
  std::vector<HWND> siblings = ChildWindows(GetParent(button));
  size_t at = 0;
  while (at < siblings.size() && siblings[at] != button) ++at;
  size_t first = at;
  while (first > 0 && !(siblings[first]->style & WS_GROUP)) --first;
  size_t last = at + 1;
  while (last < siblings.size() && !(siblings[last]->style & WS_GROUP)) ++last;
  return std::vector<HWND>(siblings.begin() + static_cast<long>(first), siblings.begin() + static_cast<long>(last));
}

void UncheckOtherRadios(HWND button) {
  for (HWND other : GroupOf(button)) {
    if (other == button || other->className != WC_BUTTONW || TypeOf(other) != BS_AUTORADIOBUTTON) continue;
    SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
  }
}

void Redraw(HWND w) {
  if (TypeOf(w) == BS_OWNERDRAW && IsWindow(w)) DrawOwnerItem(w, ODT_BUTTON);
}

// A click as the mouse gives it: the automatic styles change their state first, then the
// parent hears BN_CLICKED.
LRESULT Click(HWND w, ButtonState& s) {
  if (!IsWindowEnabled(w)) return FALSE;
  switch (TypeOf(w)) {
    case BS_AUTOCHECKBOX: s.check = s.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED; break;
    case BS_AUTO3STATE: s.check = (s.check + 1) % 3; break;
    case BS_AUTORADIOBUTTON:
      s.check = BST_CHECKED;
      UncheckOtherRadios(w);
      break;
    default: break;
  }
  Redraw(w);
  if (IsWindow(w)) NotifyParent(w, BN_CLICKED);
  return TRUE;
}

LRESULT ButtonProc(const std::shared_ptr<ButtonState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ButtonState& s = *state;
  switch (m) {
    case BM_GETCHECK: return KeepsCheck(TypeOf(w)) ? s.check : BST_UNCHECKED;
    case BM_SETCHECK:
      if (!KeepsCheck(TypeOf(w))) return 0;
      s.check = static_cast<int>(wp) & 3;
      if (s.check == 3) s.check = BST_INDETERMINATE;
      Redraw(w);
      return 0;
    case BM_GETSTATE: return (KeepsCheck(TypeOf(w)) ? s.check : 0) | (s.pushed ? BST_PUSHED : 0) | (GetFocus() == w ? BST_FOCUS : 0);
    case BM_SETSTATE: s.pushed = wp != 0; return 0;
    case BM_SETSTYLE: w->style = (w->style & ~static_cast<DWORD>(0xFFFF)) | (static_cast<DWORD>(wp) & 0xFFFF); return 0;
    case BM_SETIMAGE: {
      if (wp == IMAGE_ICON) {
        HICON old = s.icon;
        s.icon = reinterpret_cast<HICON>(lp);
        return reinterpret_cast<LRESULT>(old);
      }
      HBITMAP old = s.bitmap;
      s.bitmap = reinterpret_cast<HBITMAP>(lp);
      return reinterpret_cast<LRESULT>(old);
    }
    case BM_GETIMAGE:
      return wp == IMAGE_ICON ? reinterpret_cast<LRESULT>(s.icon) : reinterpret_cast<LRESULT>(s.bitmap);
    case BM_CLICK:
    case ZHM_USERCLICK:
      return Click(w, s);
    case WM_SETFOCUS:
      if (w->style & BS_NOTIFY) NotifyParent(w, BN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (w->style & BS_NOTIFY) NotifyParent(w, BN_KILLFOCUS);
      return 0;
    case WM_SETTEXT: {
      LRESULT r = DefWindowProcW(w, m, wp, lp);
      Redraw(w);
      return r;
    }
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallButtonClass(HWND window) {
  auto state = std::make_shared<ButtonState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return ButtonProc(state, w, m, wp, lp); };
}

}  // namespace zhost
