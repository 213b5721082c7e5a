// The "ListBox" class: single or multiple selection (LBS_MULTIPLESEL, LBS_EXTENDEDSEL), sorted
// with LBS_SORT; LBN_SELCHANGE for the user's picks and the focus notifications, sent only with
// LBS_NOTIFY as Windows does.
#include <memory>

#include "host/win/ControlListItems.h"
#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct ListState {
  ControlListItems items;
  int selection = -1;  // single selection: the selected item; multiple: the caret
};

bool IsMulti(HWND w) { return (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

void Notify(HWND w, UINT code) {
  if (w->style & LBS_NOTIFY) NotifyParent(w, code);
}

int SelectedCount(const ListState& s) {
  int n = 0;
  for (int i = 0; i < s.items.count(); ++i)
    if (s.items.at(i).selected) ++n;
  return n;
}

LRESULT SetSel(ListState& s, bool select, int index) {
  if (index == -1) {
    for (int i = 0; i < s.items.count(); ++i) s.items.at(i).selected = select;
    return 0;
  }
  if (!s.items.valid(index)) return LB_ERR;
  s.items.at(index).selected = select;
  s.selection = index;
  return 0;
}

LRESULT UserPick(HWND w, ListState& s, int index) {
  if (!IsWindowEnabled(w) || !s.items.valid(index)) return FALSE;
  if (IsMulti(w)) {
    s.items.at(index).selected = !s.items.at(index).selected;
    s.selection = index;
  } else {
    s.selection = index;
  }
  Notify(w, LBN_SELCHANGE);
  return TRUE;
}

LRESULT AddOrInsert(HWND w, ListState& s, int index, const wchar_t* text, bool add) {
  std::wstring t = text ? text : L"";
  int at = add ? s.items.add(t, (w->style & LBS_SORT) != 0) : s.items.insert(index, t);
  if (at < 0) return LB_ERR;
  if (s.selection >= at) ++s.selection;
  return at;
}

LRESULT ListProc(const std::shared_ptr<ListState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ListState& s = *state;
  const wchar_t* text = reinterpret_cast<const wchar_t*>(lp);
  int index = static_cast<int>(static_cast<intptr_t>(wp));
  switch (m) {
    case LB_ADDSTRING: return AddOrInsert(w, s, -1, text, true);
    case LB_INSERTSTRING: return AddOrInsert(w, s, index, text, false);
    case LB_DELETESTRING:
      if (!s.items.remove(index)) return LB_ERR;
      if (s.selection == index) s.selection = -1;
      else if (s.selection > index) --s.selection;
      return s.items.count();
    case LB_RESETCONTENT: s.items.clear(); s.selection = -1; return 0;
    case LB_GETCOUNT: return s.items.count();
    case LB_GETTEXT: return s.items.valid(index) ? CopyItemText(s.items.at(index).text, lp) : LB_ERR;
    case LB_GETTEXTLEN: return s.items.valid(index) ? static_cast<LRESULT>(s.items.at(index).text.size()) : LB_ERR;
    case LB_FINDSTRING: return s.items.find(index, text ? text : L"", false);
    case LB_FINDSTRINGEXACT: return s.items.find(index, text ? text : L"", true);
    case LB_SELECTSTRING: {
      if (IsMulti(w)) return LB_ERR;
      int found = s.items.find(index, text ? text : L"", false);
      if (found >= 0) s.selection = found;
      return found;
    }
    case LB_SETCURSEL:
      if (IsMulti(w)) return LB_ERR;
      s.selection = s.items.valid(index) ? index : -1;
      return s.items.valid(index) ? index : LB_ERR;
    case LB_GETCURSEL: return s.selection;
    case LB_SETSEL: return IsMulti(w) ? SetSel(s, wp != 0, static_cast<int>(lp)) : LB_ERR;
    case LB_GETSEL:
      if (!s.items.valid(index)) return LB_ERR;
      return IsMulti(w) ? (s.items.at(index).selected ? 1 : 0) : (s.selection == index ? 1 : 0);
    case LB_GETSELCOUNT: return IsMulti(w) ? SelectedCount(s) : LB_ERR;
    case LB_GETSELITEMS: {
      if (!IsMulti(w)) return LB_ERR;
      int* out = reinterpret_cast<int*>(lp);
      int n = 0;
      for (int i = 0; i < s.items.count() && n < index; ++i)
        if (s.items.at(i).selected && out) out[n++] = i;
      return n;
    }
    case LB_SETITEMDATA:
      if (!s.items.valid(index)) return LB_ERR;
      s.items.at(index).data = static_cast<DWORD_PTR>(lp);
      return TRUE;
    case LB_GETITEMDATA: return s.items.valid(index) ? static_cast<LRESULT>(s.items.at(index).data) : LB_ERR;
    case ZHM_USERPICK: return UserPick(w, s, index);
    case WM_SETFOCUS: Notify(w, LBN_SETFOCUS); return 0;
    case WM_KILLFOCUS: Notify(w, LBN_KILLFOCUS); return 0;
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallListBoxClass(HWND window) {
  auto state = std::make_shared<ListState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return ListProc(state, w, m, wp, lp); };
}

}  // namespace zhost
