// The "ComboBox" class: the item list, the selection, the edit part (the window text) of
// editable boxes, the drop-down state; CBN_* notifications for the user's actions and focus.
#include <memory>

#include "host/win/ControlListItems.h"
#include "host/win/ControlWindows.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

namespace zhost {

namespace {

struct ComboState {
  ControlListItems items;
  int selection = -1;
  bool dropped = false;
  int limit = 0;
  DWORD editSel = 0;
};

bool IsList(HWND w) { return (w->style & 3) == CBS_DROPDOWNLIST; }
bool IsSimple(HWND w) { return (w->style & 3) == CBS_SIMPLE; }

void Select(HWND w, ComboState& s, int index) {
  s.selection = s.items.valid(index) ? index : -1;
  w->text = s.selection >= 0 ? s.items.at(s.selection).text : std::wstring();
}

void ShowDropDown(HWND w, ComboState& s, bool show) {
  if (IsSimple(w) || s.dropped == show) return;
  if (show) {
    NotifyParent(w, CBN_DROPDOWN);  // before it opens: handlers may refill the list
    s.dropped = IsWindow(w);
    return;
  }
  s.dropped = false;
  NotifyParent(w, CBN_CLOSEUP);
}

LRESULT UserPick(HWND w, ComboState& s, int index) {
  if (!IsWindowEnabled(w) || !s.items.valid(index)) return FALSE;
  Select(w, s, index);
  NotifyParent(w, CBN_SELCHANGE);
  if (!IsWindow(w)) return TRUE;
  if (s.dropped) {
    NotifyParent(w, CBN_SELENDOK);
    if (IsWindow(w)) ShowDropDown(w, s, false);
  }
  return TRUE;
}

LRESULT UserType(HWND w, ComboState& s, const wchar_t* typed) {
  if (!IsWindowEnabled(w) || IsList(w)) return FALSE;
  std::wstring text = typed ? typed : L"";
  if (s.limit > 0 && text.size() > static_cast<size_t>(s.limit)) text.resize(static_cast<size_t>(s.limit));
  w->text = text;
  s.selection = -1;  // typed text is not a list entry until the box takes it as one
  NotifyParent(w, CBN_EDITUPDATE);
  if (IsWindow(w)) NotifyParent(w, CBN_EDITCHANGE);
  return TRUE;
}

LRESULT AddOrInsert(HWND w, ComboState& s, int index, const wchar_t* text, bool add) {
  std::wstring t = text ? text : L"";
  int at = add ? s.items.add(t, (w->style & CBS_SORT) != 0) : s.items.insert(index, t);
  if (at < 0) return CB_ERR;
  if (s.selection >= at) ++s.selection;
  return at;
}

LRESULT Delete(ComboState& s, int index) {
  if (!s.items.remove(index)) return CB_ERR;
  if (s.selection == index) s.selection = -1;
  else if (s.selection > index) --s.selection;
  return s.items.count();
}

LRESULT ComboProc(const std::shared_ptr<ComboState>& state, HWND w, UINT m, WPARAM wp, LPARAM lp) {
  ComboState& s = *state;
  const wchar_t* text = reinterpret_cast<const wchar_t*>(lp);
  int index = static_cast<int>(static_cast<intptr_t>(wp));
  switch (m) {
    case CB_ADDSTRING: return AddOrInsert(w, s, -1, text, true);
    case CB_INSERTSTRING: return AddOrInsert(w, s, index, text, false);
    case CB_DELETESTRING: return Delete(s, index);
    case CB_RESETCONTENT:
      s.items.clear();
      s.selection = -1;
      w->text.clear();
      return 0;  // CB_OKAY
    case CB_GETCOUNT: return s.items.count();
    case CB_GETCURSEL: return s.selection;
    case CB_SETCURSEL:
      Select(w, s, index);
      return s.items.valid(index) ? index : CB_ERR;
    case CB_GETLBTEXT: return s.items.valid(index) ? CopyItemText(s.items.at(index).text, lp) : CB_ERR;
    case CB_GETLBTEXTLEN: return s.items.valid(index) ? static_cast<LRESULT>(s.items.at(index).text.size()) : CB_ERR;
    case CB_FINDSTRING: return s.items.find(index, text ? text : L"", false);
    case CB_FINDSTRINGEXACT: return s.items.find(index, text ? text : L"", true);
    case CB_SELECTSTRING: {
      int found = s.items.find(index, text ? text : L"", false);
      if (found < 0) return CB_ERR;
      Select(w, s, found);
      return found;
    }
    case CB_SETITEMDATA:
      if (!s.items.valid(index)) return CB_ERR;
      s.items.at(index).data = static_cast<DWORD_PTR>(lp);
      return TRUE;
    case CB_GETITEMDATA: return s.items.valid(index) ? static_cast<LRESULT>(s.items.at(index).data) : CB_ERR;
    case CB_SHOWDROPDOWN: ShowDropDown(w, s, wp != 0); return TRUE;
    case CB_GETDROPPEDSTATE: return s.dropped ? TRUE : FALSE;
    case CB_LIMITTEXT: s.limit = index; return TRUE;
    case CB_SETEDITSEL: s.editSel = static_cast<DWORD>(lp); return IsList(w) ? CB_ERR : TRUE;
    case CB_GETEDITSEL: return static_cast<LRESULT>(s.editSel);
    case WM_SETTEXT:
      if (!IsList(w)) return DefWindowProcW(w, m, wp, lp);
      {
        int found = s.items.find(-1, text ? text : L"", true);
        if (found < 0) return CB_ERR;
        Select(w, s, found);
        return TRUE;
      }
    case ZHM_USERPICK: return UserPick(w, s, index);
    case ZHM_USERTYPE: return UserType(w, s, text);
    case WM_SETFOCUS: NotifyParent(w, CBN_SETFOCUS); return 0;
    case WM_KILLFOCUS:
      if (s.dropped) {
        NotifyParent(w, CBN_SELENDCANCEL);
        if (IsWindow(w)) ShowDropDown(w, s, false);
      }
      if (IsWindow(w)) NotifyParent(w, CBN_KILLFOCUS);
      return 0;
    default: return DefWindowProcW(w, m, wp, lp);
  }
}

}  // namespace

void InstallComboBoxClass(HWND window) {
  auto state = std::make_shared<ComboState>();
  window->proc = [state](HWND w, UINT m, WPARAM wp, LPARAM lp) { return ComboProc(state, w, m, wp, lp); };
}

}  // namespace zhost
