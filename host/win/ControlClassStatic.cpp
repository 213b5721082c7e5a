// The "Static" class: labels, frames and images (icon or bitmap kept as data); a click reaches
// the parent as STN_CLICKED only with SS_NOTIFY.
#include <memory>

#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct StaticState {
  HANDLE image = nullptr;
};

LRESULT StaticProc(const std::shared_ptr<StaticState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  switch (m) {
    case STM_SETICON:
    case STM_SETIMAGE: {
      HANDLE old = state->image;
      state->image = reinterpret_cast<HANDLE>(m == STM_SETICON ? static_cast<LPARAM>(wp) : lp);
      return reinterpret_cast<LRESULT>(old);
    }
    case STM_GETICON:
    case STM_GETIMAGE: return reinterpret_cast<LRESULT>(state->image);
    case ZHM_USERCLICK:
      if (!IsWindowEnabled(w) || !(w->style & SS_NOTIFY)) return FALSE;
      NotifyParent(w, 0);  // STN_CLICKED
      return TRUE;
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallStaticClass(HWND window) {
  auto state = std::make_shared<StaticState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return StaticProc(state, w, m, wp, lp); };
}

}  // namespace zhost
