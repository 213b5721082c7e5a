// The "SysTabControl32" class: tabs with text, image and item data, the selected tab, and
// TCN_SELCHANGING (which the parent may refuse with a result of TRUE) and TCN_SELCHANGE through
// WM_NOTIFY when the user picks a tab.
#include <algorithm>
#include <memory>
#include <vector>

#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct Tab {
  std::wstring text;
  int image = -1;
  LPARAM param = 0;
};

struct TabState {
  std::vector<Tab> tabs;
  int selection = -1;
  bool valid(int i) const { return i >= 0 && i < static_cast<int>(tabs.size()); }
};

LRESULT NotifyTab(HWND w, UINT code) {
  HWND parent = GetParent(w);
  if (!parent) return 0;
  NMHDR header;
  header.hwndFrom = w;
  header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(w));
  header.code = code;
  return SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void Apply(Tab& tab, const TCITEMW& item) {
  if ((item.mask & TCIF_TEXT) && item.pszText) tab.text = item.pszText;
  if (item.mask & TCIF_IMAGE) tab.image = item.iImage;
  if (item.mask & TCIF_PARAM) tab.param = item.lParam;
}

LRESULT GetItem(const TabState& s, int index, TCITEMW* item) {
  if (!s.valid(index) || !item) return FALSE;
  const Tab& tab = s.tabs[static_cast<size_t>(index)];
  if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0) {
    size_t n = std::min(tab.text.size(), static_cast<size_t>(item->cchTextMax - 1));
    tab.text.copy(item->pszText, n);
    item->pszText[n] = 0;
  }
  if (item->mask & TCIF_IMAGE) item->iImage = tab.image;
  if (item->mask & TCIF_PARAM) item->lParam = tab.param;
  return TRUE;
}

LRESULT UserPick(HWND w, TabState& s, int index) {
  if (!IsWindowEnabled(w) || !s.valid(index)) return FALSE;
  if (index == s.selection) return TRUE;
  if (NotifyTab(w, TCN_SELCHANGING)) return FALSE;  // the parent keeps the current tab
  if (!IsWindow(w) || !s.valid(index)) return FALSE;
  s.selection = index;
  NotifyTab(w, TCN_SELCHANGE);
  return TRUE;
}

LRESULT TabProc(const std::shared_ptr<TabState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  TabState& s = *state;
  int index = static_cast<int>(static_cast<intptr_t>(wp));
  switch (m) {
    case TCM_INSERTITEMW: {
      const TCITEMW* item = reinterpret_cast<const TCITEMW*>(lp);
      if (!item || index < 0) return -1;
      if (index > static_cast<int>(s.tabs.size())) index = static_cast<int>(s.tabs.size());
      Tab tab;
      Apply(tab, *item);
      s.tabs.insert(s.tabs.begin() + index, tab);
      if (s.selection < 0 && s.tabs.size() == 1) s.selection = 0;
      else if (s.selection >= index) ++s.selection;
      return index;
    }
    case TCM_SETITEMW:
      if (!s.valid(index) || !lp) return FALSE;
      Apply(s.tabs[static_cast<size_t>(index)], *reinterpret_cast<const TCITEMW*>(lp));
      return TRUE;
    case TCM_GETITEMW: return GetItem(s, index, reinterpret_cast<TCITEMW*>(lp));
    case TCM_DELETEITEM:
      if (!s.valid(index)) return FALSE;
      s.tabs.erase(s.tabs.begin() + index);
      if (s.selection == index) s.selection = -1;
      else if (s.selection > index) --s.selection;
      return TRUE;
    case TCM_DELETEALLITEMS: s.tabs.clear(); s.selection = -1; return TRUE;
    case TCM_GETITEMCOUNT: return static_cast<LRESULT>(s.tabs.size());
    case TCM_GETCURSEL: return s.selection;
    case TCM_SETCURSEL: {
      int previous = s.selection;
      if (!s.valid(index)) return -1;
      s.selection = index;
      return previous;
    }
    case ZHM_USERPICK: return UserPick(w, s, index);
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallTabControlClass(HWND window) {
  auto state = std::make_shared<TabState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return TabProc(state, w, m, wp, lp); };
}

}  // namespace zhost
