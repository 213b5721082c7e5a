// The script's actions on dialogs and menus, and the dialog print.
#include "host/mfc/DialogScripting.h"

#include <cwchar>

#include "host/mfc/Dialog.h"
#include "host/mfc/Menu.h"
#include "host/mfc/ToolTipCtrl.h"
#include "host/mfc/Transcript.h"
#include "host/win/Console.h"
#include "host/win/ControlWindows.h"
#include "host/win/TextCase.h"

namespace zhost {

namespace {

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return std::wstring();
  return s.substr(b, s.find_last_not_of(L" \t\r\n") - b + 1);
}

// The next word of `rest` (a "quoted" word may hold blanks); `rest` keeps what follows.
std::wstring NextWord(std::wstring& rest) {
  rest = Trim(rest);
  if (rest.empty()) return rest;
  size_t end;
  std::wstring word;
  if (rest[0] == L'"') {
    end = rest.find(L'"', 1);
    if (end == std::wstring::npos) end = rest.size();
    word = L"\"" + rest.substr(1, end - 1) + L"\"";
    ++end;
  } else {
    end = rest.find_first_of(L" \t");
    if (end == std::wstring::npos) end = rest.size();
    word = rest.substr(0, end);
  }
  rest = end < rest.size() ? Trim(rest.substr(end)) : std::wstring();
  return word;
}

std::wstring Unquoted(const std::wstring& s) {
  if (s.size() >= 2 && s.front() == L'"' && s.back() == L'"') return s.substr(1, s.size() - 2);
  return s;
}

bool ToNumber(const std::wstring& s, long& value) {
  if (s.empty()) return false;
  wchar_t* end = nullptr;
  value = std::wcstol(s.c_str(), &end, 10);
  return end && *end == 0;
}

std::wstring Label(UINT id) { return L"[dialog " + std::to_wstring(id) + L"]"; }

std::wstring PlainCaption(const std::wstring& text) {
  std::wstring plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size() && text[i + 1] != L'&') continue;
    plain += text[i];
  }
  return Trim(plain);
}

HWND FindControl(HWND dialog, const std::wstring& name) {
  long id = 0;
  if (ToNumber(name, id)) return ::GetDlgItem(dialog, static_cast<int>(id));
  std::wstring caption = Unquoted(name);
  for (HWND c : ChildWindows(dialog))
    if (EqualsNoCase(PlainCaption(c->text), caption)) return c;
  return nullptr;
}

DWORD ButtonType(HWND c) { return c->style & BS_TYPEMASK; }
bool Is(HWND c, const wchar_t* cls) { return c->className == cls; }

std::wstring Kind(HWND c) {
  if (Is(c, WC_BUTTONW)) {
    switch (ButtonType(c)) {
      case BS_DEFPUSHBUTTON: return L"defbutton";
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX: return L"checkbox";
      case BS_3STATE:
      case BS_AUTO3STATE: return L"3state";
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return L"radio";
      case BS_GROUPBOX: return L"groupbox";
      case BS_OWNERDRAW: return L"ownerdraw";
      default: return L"button";
    }
  }
  if (Is(c, WC_EDITW)) return L"edit";
  if (Is(c, WC_COMBOBOXW)) return (c->style & 3) == CBS_DROPDOWNLIST ? L"droplist" : L"combo";
  if (Is(c, WC_LISTBOXW)) return L"listbox";
  if (Is(c, WC_TABCONTROLW)) return L"tab";
  if (Is(c, WC_STATICW)) return (c->style & SS_TYPEMASK) == SS_ICON ? L"icon" : L"static";
  if (Is(c, WC_SCROLLBARW)) return L"scrollbar";
  if (Is(c, TOOLTIPS_CLASSW)) return L"tooltip";
  return L"window(" + c->className + L")";
}

bool HasCheck(HWND c) {
  if (!Is(c, WC_BUTTONW)) return false;
  DWORD t = ButtonType(c);
  return t != BS_PUSHBUTTON && t != BS_DEFPUSHBUTTON && t != BS_GROUPBOX && t != BS_PUSHBOX;
}

bool IsMultiList(HWND c) { return (c->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }

std::wstring TabText(HWND c, int i) {
  wchar_t buffer[260] = {0};
  TCITEMW item;
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = 260;
  ::SendMessageW(c, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

std::wstring Selection(HWND c) {
  if (Is(c, WC_COMBOBOXW)) return L" sel=" + std::to_wstring(::SendMessageW(c, CB_GETCURSEL, 0, 0)) + L" items=" +
                                   std::to_wstring(::SendMessageW(c, CB_GETCOUNT, 0, 0));
  if (Is(c, WC_TABCONTROLW)) {
    int n = static_cast<int>(::SendMessageW(c, TCM_GETITEMCOUNT, 0, 0));
    std::wstring tabs;
    for (int i = 0; i < n; ++i) tabs += (i ? L"," : L"") + Quoted(TabText(c, i));
    return L" sel=" + std::to_wstring(::SendMessageW(c, TCM_GETCURSEL, 0, 0)) + L" items=" + std::to_wstring(n) +
           (n ? L" tabs=" + tabs : L"");
  }
  if (!Is(c, WC_LISTBOXW)) return std::wstring();
  int n = static_cast<int>(::SendMessageW(c, LB_GETCOUNT, 0, 0));
  if (!IsMultiList(c)) return L" sel=" + std::to_wstring(::SendMessageW(c, LB_GETCURSEL, 0, 0)) + L" items=" + std::to_wstring(n);
  std::wstring sel;
  for (int i = 0; i < n; ++i)
    if (::SendMessageW(c, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0) sel += (sel.empty() ? L"" : L",") + std::to_wstring(i);
  return L" sel=[" + sel + L"] items=" + std::to_wstring(n);
}

std::wstring Flags(HWND c) {
  std::wstring f;
  if (Is(c, WC_BUTTONW)) {
    DWORD t = ButtonType(c);
    if (t == BS_AUTOCHECKBOX || t == BS_AUTO3STATE || t == BS_AUTORADIOBUTTON) f += L" auto";
    if (c->style & BS_PUSHLIKE) f += L" pushlike";
    if ((c->style & BS_ICON) || ::SendMessageW(c, BM_GETIMAGE, IMAGE_ICON, 0)) f += L" icon";
    if ((c->style & BS_BITMAP) || ::SendMessageW(c, BM_GETIMAGE, IMAGE_BITMAP, 0)) f += L" bitmap";
  }
  if (Is(c, WC_EDITW) && (c->style & ES_READONLY)) f += L" readonly";
  if (Is(c, WC_COMBOBOXW) && (c->style & CBS_SORT)) f += L" sorted";
  if (Is(c, WC_LISTBOXW) && (c->style & LBS_SORT)) f += L" sorted";
  if (Is(c, WC_LISTBOXW) && IsMultiList(c)) f += L" multi";
  if (GetFocus() == c) f += L" focus";
  return f;
}

std::wstring ToolTips(HWND c) {
  auto* tips = dynamic_cast<CToolTipCtrl*>(CWnd::FromHandlePermanent(c));
  if (!tips) return std::wstring();
  std::wstring list;
  for (const auto& t : tips->Tools())
    list += (list.empty() ? L"" : L",") + std::to_wstring(GetDlgCtrlID(t.window)) + L":" + Quoted(t.text);
  return L" tips=[" + list + L"]" + (tips->IsActive() ? L"" : L" inactive");
}

std::wstring State(HWND w) {
  return std::wstring(w->visible ? L" visible" : L" hidden") + (IsWindowEnabled(w) ? L" enabled" : L" disabled");
}

void Leave(HWND dialog) {
  if (IsWindow(dialog)) ::SetFocus(dialog);
}

void Result(UINT id, HWND control) {
  if (IsWindow(control)) TranscriptLine(Label(id) + L" -> " + DescribeControl(control));
}

// The item named by ITEM (#index or text) in a combo box, list box or tab control; -1 for none.
int FindItem(HWND c, const std::wstring& item) {
  long index = 0;
  if (item.size() > 1 && item[0] == L'#' && ToNumber(item.substr(1), index)) return static_cast<int>(index);
  std::wstring wanted = Unquoted(item);
  if (Is(c, WC_TABCONTROLW)) {
    int n = static_cast<int>(::SendMessageW(c, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < n; ++i)
      if (EqualsNoCase(Trim(TabText(c, i)), Trim(wanted))) return i;
    return -1;
  }
  UINT exact = Is(c, WC_COMBOBOXW) ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT;
  return static_cast<int>(::SendMessageW(c, exact, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wanted.c_str())));
}

void SetText(UINT id, HWND dialog, HWND c, const std::wstring& text) {
  bool combo = Is(c, WC_COMBOBOXW);
  if (!combo && !Is(c, WC_EDITW)) return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is a " + Kind(c) + L": it takes no text; nothing done.");
  if (combo && (c->style & 3) == CBS_DROPDOWNLIST) return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is a drop-down list: use select; nothing done.");
  if (!combo && (c->style & ES_READONLY)) return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is read-only; nothing done.");
  ::SetFocus(c);
  if (IsWindow(c)) ::SendMessageW(c, ZHM_USERTYPE, 0, reinterpret_cast<LPARAM>(text.c_str()));
  Leave(dialog);
  Result(id, c);
}

void Select(UINT id, HWND dialog, HWND c, const std::wstring& item) {
  bool combo = Is(c, WC_COMBOBOXW);
  if (!combo && !Is(c, WC_LISTBOXW) && !Is(c, WC_TABCONTROLW))
    return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is a " + Kind(c) + L": it has no items; nothing done.");
  if (!Is(c, WC_TABCONTROLW)) ::SetFocus(c);
  if (combo && IsWindow(c)) ::SendMessageW(c, CB_SHOWDROPDOWN, TRUE, 0);  // handlers may refill the list
  if (!IsWindow(c)) return;
  int index = FindItem(c, item);
  if (index < 0 || !::SendMessageW(c, ZHM_USERPICK, static_cast<WPARAM>(index), 0)) {
    bool refused = index >= 0;
    if (combo && IsWindow(c)) ::SendMessageW(c, CB_SHOWDROPDOWN, FALSE, 0);
    TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) +
                   (refused ? L" kept its selection: the dialog refused " : L" has no item ") + Quoted(Unquoted(item)) + L".");
  }
  if (!Is(c, WC_TABCONTROLW)) Leave(dialog);
  Result(id, c);
}

void Click(UINT id, HWND c) {
  if (!Is(c, WC_BUTTONW) && !(Is(c, WC_STATICW) && (c->style & SS_NOTIFY)))
    return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is a " + Kind(c) + L": it takes no click; nothing done.");
  ::SetFocus(c);
  if (IsWindow(c)) ::SendMessageW(c, ZHM_USERCLICK, 0, 0);
  Result(id, c);
}

void Check(UINT id, HWND c, const std::wstring& value) {
  long wanted = -1;
  if (!ToNumber(value, wanted) || wanted < 0 || wanted > 2)
    return TranscriptLine(Label(id) + L" check takes 0, 1 or 2, not " + Quoted(value) + L"; nothing done.");
  if (!HasCheck(c)) return TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" is a " + Kind(c) + L": it has no check state; nothing done.");
  DWORD t = ButtonType(c);
  if ((t == BS_RADIOBUTTON || t == BS_AUTORADIOBUTTON) && wanted != 1)
    return TranscriptLine(Label(id) + L" radio button " + std::to_wstring(c->id) + L" is cleared by checking another; nothing done.");
  ::SetFocus(c);
  for (int clicks = 0; clicks < 3 && IsWindow(c); ++clicks) {
    LRESULT before = ::SendMessageW(c, BM_GETCHECK, 0, 0);
    if (before == wanted) break;
    ::SendMessageW(c, ZHM_USERCLICK, 0, 0);
    if (!IsWindow(c) || ::SendMessageW(c, BM_GETCHECK, 0, 0) == before) break;  // the click changed nothing
  }
  if (IsWindow(c) && ::SendMessageW(c, BM_GETCHECK, 0, 0) != wanted)
    TranscriptLine(Label(id) + L" control " + std::to_wstring(c->id) + L" stays at " +
                   std::to_wstring(::SendMessageW(c, BM_GETCHECK, 0, 0)) + L": its clicks do not lead to " + value + L".");
  Result(id, c);
}

// A menu-bar item of the dialog; false when the menu has no such command.
bool ChooseMenuItem(UINT id, HWND dialog, const std::wstring& item, bool quiet) {
  HMENU menu = ::GetMenu(dialog);
  const HMENU__::Item* it = menu ? FindMenuAnswer(menu, item) : nullptr;
  if (!it) {
    if (!quiet) TranscriptLine(Label(id) + (menu ? L" the menu has no command " : L" has no menu for ") + Quoted(Unquoted(item)) + L"; nothing done.");
    return false;
  }
  if (it->flags & (MF_GRAYED | MF_DISABLED)) {
    TranscriptLine(Label(id) + L" menu item " + std::to_wstring(it->id) + L" " + PlainMenuText(it->text) + L" is grey; nothing done.");
    return true;
  }
  UINT command = it->id;
  TranscriptLine(Label(id) + L" menu -> " + std::to_wstring(command) + L" " + PlainMenuText(it->text));
  ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, 0), 0);
  return true;
}

}  // namespace

std::wstring DescribeControl(HWND c) {
  if (!IsWindow(c)) return L"(gone)";
  std::wstring line = std::to_wstring(c->id) + L" " + Kind(c) + L" " + Quoted(c->text);
  if (HasCheck(c)) line += L" check=" + std::to_wstring(::SendMessageW(c, BM_GETCHECK, 0, 0));
  line += Selection(c) + ToolTips(c) + Flags(c) + State(c);
  return line;
}

std::vector<std::wstring> DescribeDialog(CDialog& dialog) {
  std::vector<std::wstring> lines;
  HWND w = dialog.m_hWnd;
  if (!IsWindow(w)) return lines;
  std::vector<HWND> controls = ChildWindows(w);
  lines.push_back(Label(dialog.GetTemplateId()) + L" " + Quoted(w->text) + State(w) + L", " +
                  std::to_wstring(controls.size()) + L" controls");
  for (HWND c : controls) lines.push_back(L"  " + DescribeControl(c));
  if (HMENU menu = ::GetMenu(w)) {
    lines.push_back(L"  menu:");
    for (const std::wstring& item : DescribeMenuItems(menu, 4)) lines.push_back(item);
  }
  return lines;
}

void RunDialogDirective(const std::wstring& args) {
  std::wstring rest = args;
  std::wstring idText = NextWord(rest), action = NextWord(rest);
  long id = 0;
  if (!ToNumber(idText, id) || action.empty()) {
    TranscriptLine(L"%dialog expects ID set|select|check|click|menu|close|print [CONTROL] [VALUE].");
    return;
  }
  CDialog* dialog = FindOpenDialog(static_cast<UINT>(id));
  if (!dialog) {
    TranscriptLine(L"%dialog: no dialog " + idText + L" is open; nothing done.");
    return;
  }
  UINT tid = static_cast<UINT>(id);
  HWND w = dialog->m_hWnd;
  for (auto& ch : action) ch = static_cast<wchar_t>(ch >= L'A' && ch <= L'Z' ? ch + 32 : ch);
  if (action == L"print") {
    for (const std::wstring& line : DescribeDialog(*dialog)) TranscriptLine(line);
    return;
  }
  if (!IsWindowVisible(w) || !IsWindowEnabled(w)) {
    TranscriptLine(Label(tid) + (IsWindowVisible(w) ? L" is disabled" : L" is hidden") + L"; nothing done.");
    return;
  }
  if (action == L"close") {
    ::SendMessageW(w, WM_CLOSE, 0, 0);
    return;
  }
  if (action == L"menu") {
    ChooseMenuItem(tid, w, rest, false);
    return;
  }
  if (action != L"set" && action != L"select" && action != L"check" && action != L"click") {
    TranscriptLine(L"%dialog does not know the action " + Quoted(action) + L"; nothing done.");
    return;
  }
  std::wstring name = NextWord(rest);
  HWND c = name.empty() ? nullptr : FindControl(w, name);
  if (!c) {
    TranscriptLine(Label(tid) + L" has no control " + (name.empty() ? L"(none given)" : name) + L"; nothing done.");
    return;
  }
  if (!IsWindowVisible(c) || !IsWindowEnabled(c)) {
    TranscriptLine(Label(tid) + L" control " + std::to_wstring(c->id) + (IsWindowVisible(c) ? L" is disabled" : L" is hidden") + L"; nothing done.");
    return;
  }
  std::wstring value = Unquoted(rest);
  if (action == L"set") SetText(tid, w, c, value);
  else if (action == L"select") Select(tid, w, c, rest);
  else if (action == L"check") Check(tid, c, value);
  else Click(tid, c);
}

void RunMenuDirective(const std::wstring& args) {
  std::wstring item = Trim(args);
  if (item.empty()) {
    TranscriptLine(L"%menu expects an item id or text.");
    return;
  }
  if (PopupMenuIsWaiting()) {
    Console::instance().queueAnswer(L"menu", item);
    return;
  }
  std::vector<CDialog*> open = OpenDialogs();
  for (auto it = open.rbegin(); it != open.rend(); ++it) {
    HWND w = (*it)->m_hWnd;
    if (!::GetMenu(w) || !IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
    if (ChooseMenuItem((*it)->GetTemplateId(), w, item, true)) return;
  }
  Console::instance().queueAnswer(L"menu", item);
  TranscriptLine(L"%menu " + Quoted(Unquoted(item)) + L" is queued for the next pop-up menu.");
}

}  // namespace zhost
