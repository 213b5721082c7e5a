// CWnd: the handle maps, subclassing, the dispatcher and the window functions.
#include "host/mfc/Wnd.h"

#include <map>
#include <memory>
#include <vector>

#include "host/mfc/Button.h"
#include "host/mfc/ComboBox.h"
#include "host/mfc/DataExchange.h"
#include "host/mfc/Edit.h"
#include "host/mfc/ListBox.h"
#include "host/mfc/Static.h"
#include "host/mfc/TabCtrl.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/Menu.h"
#include "host/mfc/Transcript.h"
#include "host/win/ControlWindows.h"
#include <cwchar>

namespace {

std::map<HWND, CWnd*>& Permanent() {
  static auto* map = new std::map<HWND, CWnd*>;  // never destroyed: windows outlive statics
  return *map;
}

void ForgetWindow(HWND window);

std::map<HWND, std::unique_ptr<CWnd>>& Temporary() {
  static auto* map = [] {
    zhost::AddWindowDestroyHook(&ForgetWindow);
    return new std::map<HWND, std::unique_ptr<CWnd>>;
  }();
  return *map;
}

// A window that goes takes its temporary and any object still attached (not hooked) with it.
void ForgetWindow(HWND window) {
  auto& temps = Temporary();
  auto it = temps.find(window);
  if (it != temps.end()) {
    it->second->m_hWnd = nullptr;
    temps.erase(it);
  }
  auto p = Permanent().find(window);
  if (p != Permanent().end()) {
    p->second->m_hWnd = nullptr;
    Permanent().erase(p);
  }
}

void DropDeadTemporaries() {
  auto& temps = Temporary();
  for (auto it = temps.begin(); it != temps.end();) {
    if (IsWindow(it->first)) {
      ++it;
      continue;
    }
    it->second->m_hWnd = nullptr;
    it = temps.erase(it);
  }
}

// The message being handled, innermost first: Default() passes it on.
struct SentMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
std::vector<SentMessage>& SentMessages() {
  static auto* stack = new std::vector<SentMessage>;
  return *stack;
}

std::wstring MessageName(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_COMMAND: return L"WM_COMMAND (id " + std::to_wstring(LOWORD(wParam)) + L", code " + std::to_wstring(HIWORD(wParam)) + L")";
    case WM_NOTIFY: return L"WM_NOTIFY (id " + std::to_wstring(wParam) + L")";
    case WM_INITDIALOG: return L"WM_INITDIALOG";
    case WM_TIMER: return L"WM_TIMER (id " + std::to_wstring(wParam) + L")";
    case WM_CLOSE: return L"WM_CLOSE";
    case WM_DESTROY: return L"WM_DESTROY";
    case WM_DRAWITEM: return L"WM_DRAWITEM (id " + std::to_wstring(wParam) + L")";
    default: return L"message " + std::to_wstring(message);
  }
}

// A temporary of the control class that fits the window, so that module code may treat the
// CWnd of a control as its control class, as MFC code does.
std::unique_ptr<CWnd> NewTemporary(HWND window) {
  const std::wstring& cls = window->className;
  if (cls == WC_BUTTONW) return std::make_unique<CButton>();
  if (cls == WC_EDITW) return std::make_unique<CEdit>();
  if (cls == WC_COMBOBOXW) return std::make_unique<CComboBox>();
  if (cls == WC_LISTBOXW) return std::make_unique<CListBox>();
  if (cls == WC_STATICW) return std::make_unique<CStatic>();
  if (cls == WC_TABCONTROLW) return std::make_unique<CTabCtrl>();
  return std::make_unique<CWnd>();
}

}  // namespace

// The procedure every hooked window gets: finds its CWnd and runs the message through it.
struct CWndAccess {
  static LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    if (!wnd || !wnd->m_bHooked) return DefWindowProcW(window, message, wParam, lParam);
    SentMessages().push_back({window, message, wParam, lParam});
    LRESULT result = 0;
    try {
      result = wnd->WindowProc(message, wParam, lParam);
    } catch (CException* e) {
      e->Delete();
      Report(window, message, wParam);
    } catch (...) {
      Report(window, message, wParam);
    }
    SentMessages().pop_back();
    if (message == WM_NCDESTROY) Finish(window);
    return result;
  }

  static void Report(HWND window, UINT message, WPARAM wParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    std::wstring who = wnd ? wnd->DescribeForTranscript() : L"window";
    zhost::TranscriptLine(L"[" + who + L"] the handler of " + MessageName(message, wParam) +
                          L" ended with an exception; the message is dropped.");
  }

  // The window is gone: its CWnd lets go of it (the handler may have deleted the CWnd).
  static void Finish(HWND window) {
    CWnd* wnd = CWnd::FromHandlePermanent(window);
    if (!wnd) return;
    wnd->Unhook();
    try {
      wnd->PostNcDestroy();
    } catch (CException* e) {
      e->Delete();
    } catch (...) {
    }
  }
};

CWnd::CWnd() { Temporary(); }

CWnd::~CWnd() {
  auto it = Permanent().find(m_hWnd);
  if (m_hWnd && it != Permanent().end() && it->second == this) {
    if (IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    if (m_hWnd) Unhook();
  }
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
  auto it = Permanent().find(window);
  if (it == Permanent().end()) return nullptr;
  if (!IsWindow(window)) return nullptr;
  return it->second;
}

CWnd* CWnd::FromHandle(HWND window) {
  if (!IsWindow(window)) return nullptr;
  if (CWnd* wnd = FromHandlePermanent(window)) return wnd;
  DropDeadTemporaries();
  auto& temps = Temporary();
  auto it = temps.find(window);
  if (it != temps.end()) return it->second.get();
  std::unique_ptr<CWnd> wnd = NewTemporary(window);
  wnd->m_hWnd = window;
  CWnd* raw = wnd.get();
  temps.emplace(window, std::move(wnd));
  return raw;
}

void CWnd::Unhook() {
  HWND window = m_hWnd;
  auto it = Permanent().find(window);
  if (it != Permanent().end() && it->second == this) Permanent().erase(it);
  if (m_bHooked && IsWindow(window)) window->proc = m_pfnSuper;
  m_pfnSuper = nullptr;
  m_bHooked = false;
  m_hWnd = nullptr;
}

BOOL CWnd::Attach(HWND window) {
  if (!IsWindow(window) || m_hWnd || Permanent().count(window)) return FALSE;
  m_hWnd = window;
  Permanent()[window] = this;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND window = m_hWnd;
  if (window) Unhook();
  return window;
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (!IsWindow(window) || m_hWnd || Permanent().count(window)) return FALSE;
  m_hWnd = window;
  Permanent()[window] = this;
  m_pfnSuper = window->proc;
  m_bHooked = true;
  window->proc = &CWndAccess::Procedure;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

BOOL CWnd::Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
  return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id) {
  if (m_hWnd) return FALSE;
  HWND window = CreateWindowExW(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                                rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                                reinterpret_cast<HMENU>(static_cast<intptr_t>(id)), nullptr, nullptr);
  if (!window) return FALSE;
  return SubclassWindow(window);
}

BOOL CWnd::DestroyWindow() {
  HWND window = m_hWnd;
  if (!window || !IsWindow(window)) return FALSE;
  BOOL done = ::DestroyWindow(window);
  if (m_hWnd == window && Permanent().count(window)) Unhook();  // not hooked: no WM_NCDESTROY reached us
  return done;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) {
    auto super = m_pfnSuper;
    return super(m_hWnd, message, wParam, lParam);
  }
  return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  for (auto it = SentMessages().rbegin(); it != SentMessages().rend(); ++it)
    if (it->window == m_hWnd) return DefWindowProc(it->message, it->wParam, it->lParam);
  return 0;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam);
  if (message == WM_NOTIFY) {
    LRESULT r = 0;
    if (!OnNotify(wParam, lParam, &r)) return FALSE;
    *result = r;
    return TRUE;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
  if (entry) {
    *result = CallEntry(*entry, 0, wParam, lParam, result);
    return TRUE;
  }
  if (message == WM_DRAWITEM) {
    OnDrawItem(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    *result = TRUE;
    return TRUE;
  }
  return FALSE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control && control != m_hWnd) {
    CWnd* child = FromHandlePermanent(control);
    if (child && child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
  }
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam), nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
  NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
  if (!header) return FALSE;
  if (header->hwndFrom && header->hwndFrom != m_hWnd) {
    CWnd* child = FromHandlePermanent(header->hwndFrom);
    if (child && child->OnChildNotify(WM_NOTIFY, header->idFrom, lParam, result)) return TRUE;
  }
  const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
  if (!entry) return FALSE;
  CallEntry(*entry, static_cast<UINT>(header->idFrom), header->idFrom, lParam, result);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(WM_COMMAND + WM_REFLECT_BASE, HIWORD(wParam), 0);
    if (!entry) return FALSE;
    CallEntry(*entry, 0, wParam, lParam, result);
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    const AFX_MSGMAP_ENTRY* entry = header ? FindMessageEntry(WM_NOTIFY + WM_REFLECT_BASE, header->code, 0) : nullptr;
    if (!entry) return FALSE;
    CallEntry(*entry, 0, wParam, lParam, result);
    return TRUE;
  }
  return FALSE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

// Owner-drawn controls draw themselves: the item goes back to the control's CWnd.
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT item) {
  if (!item) return;
  CWnd* control = FromHandlePermanent(item->hwndItem);
  if (control && control != this) control->OnChildNotify(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(item), nullptr);
}

std::wstring CWnd::DescribeForTranscript() const {
  if (!m_hWnd) return L"window";
  return m_hWnd->className + L" " + std::to_wstring(m_hWnd->id);
}

BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
void CWnd::SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const {
  text = CString(IsWindow(m_hWnd) ? m_hWnd->text : std::wstring());
}

int CWnd::GetWindowText(LPWSTR buffer, int size) const { return ::GetWindowTextW(m_hWnd, buffer, size); }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
void CWnd::GetDlgItem(int id, HWND* window) const {
  if (window) *window = ::GetDlgItem(m_hWnd, id);
}
int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

int CWnd::SetDlgCtrlID(int id) {
  if (!IsWindow(m_hWnd)) return 0;
  int old = m_hWnd->id;
  m_hWnd->id = id;
  return old;
}

void CWnd::SetDlgItemText(int id, LPCWSTR text) { ::SetWindowTextW(::GetDlgItem(m_hWnd, id), text); }

int CWnd::GetDlgItemText(int id, CString& text) const {
  HWND item = ::GetDlgItem(m_hWnd, id);
  text = CString(item ? item->text : std::wstring());
  return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
  CString text;
  if (isSigned) text.Format(L"%d", static_cast<int>(value));
  else text.Format(L"%u", value);
  SetDlgItemText(id, text);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
  CString text;
  GetDlgItemText(id, text);
  text.Trim();
  wchar_t* end = nullptr;
  long long v = std::wcstoll(text.GetString(), &end, 10);
  bool ok = !text.IsEmpty() && end && *end == 0 && (isSigned || v >= 0);
  if (translated) *translated = ok ? TRUE : FALSE;
  return ok ? static_cast<UINT>(v) : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) { ::SendMessageW(::GetDlgItem(m_hWnd, id), BM_SETCHECK, check, 0); }
UINT CWnd::IsDlgButtonChecked(int id) const {
  return static_cast<UINT>(::SendMessageW(::GetDlgItem(m_hWnd, id), BM_GETCHECK, 0, 0));
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
  for (int id = firstId; id <= lastId; ++id)
    ::SendMessageW(::GetDlgItem(m_hWnd, id), BM_SETCHECK, id == checkId ? BST_CHECKED : BST_UNCHECKED, 0);
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
DWORD CWnd::GetStyle() const { return IsWindow(m_hWnd) ? m_hWnd->style : 0; }
DWORD CWnd::GetExStyle() const { return IsWindow(m_hWnd) ? m_hWnd->exStyle : 0; }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
  if (!IsWindow(m_hWnd)) return FALSE;
  DWORD old = m_hWnd->style;
  m_hWnd->style = (old & ~remove) | add;
  if ((add & WS_VISIBLE) && !(old & WS_VISIBLE)) ::ShowWindow(m_hWnd, SW_SHOWNA);
  if ((remove & WS_VISIBLE) && (old & WS_VISIBLE)) ::ShowWindow(m_hWnd, SW_HIDE);
  if (add & WS_DISABLED) ::EnableWindow(m_hWnd, FALSE);
  if (remove & WS_DISABLED) ::EnableWindow(m_hWnd, TRUE);
  return old != m_hWnd->style;
}

void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }

void CWnd::MapDialogRect(LPRECT rect) const {
  if (!rect) return;
  rect->left = rect->left * 6 / 4;
  rect->right = rect->right * 6 / 4;
  rect->top = rect->top * 13 / 8;
  rect->bottom = rect->bottom * 13 / 8;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }
void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
  if (rect) MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  return ::SetWindowPos(m_hWnd, insertAfter ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const {
  if (!rect) return;
  POINT a, b;
  a.x = rect->left, a.y = rect->top, b.x = rect->right, b.y = rect->bottom;
  ::ScreenToClient(m_hWnd, &a);
  ::ScreenToClient(m_hWnd, &b);
  rect->left = a.x, rect->top = a.y, rect->right = b.x, rect->bottom = b.y;
}

void CWnd::ClientToScreen(LPRECT rect) const {
  if (!rect) return;
  POINT a, b;
  a.x = rect->left, a.y = rect->top, b.x = rect->right, b.y = rect->bottom;
  ::ClientToScreen(m_hWnd, &a);
  ::ClientToScreen(m_hWnd, &b);
  rect->left = a.x, rect->top = a.y, rect->right = b.x, rect->bottom = b.y;
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
  if (!IsWindow(m_hWnd)) return;
  RECT area = zhost::ScreenRect();
  HWND owner = alternateOwner ? alternateOwner->m_hWnd : ::GetParent(m_hWnd);
  if (owner) ::GetWindowRect(owner, &area);
  RECT self;
  ::GetWindowRect(m_hWnd, &self);
  LONG w = self.right - self.left, h = self.bottom - self.top;
  POINT at;
  at.x = area.left + (area.right - area.left - w) / 2;
  at.y = area.top + (area.bottom - area.top - h) / 2;
  if (HWND parent = ::GetParent(m_hWnd)) ::ScreenToClient(parent, &at);
  ::MoveWindow(m_hWnd, at.x, at.y, w, h, FALSE);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const { return ::GetWindowPlacement(m_hWnd, placement); }
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) { return ::SetWindowPlacement(m_hWnd, placement); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::SendMessageW(m_hWnd, message, wParam, lParam); }
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::PostMessageW(m_hWnd, message, wParam, lParam); }
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) { return ::SetTimer(m_hWnd, id, elapse, proc); }
BOOL CWnd::KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* menu) { return ::SetMenu(m_hWnd, menu ? menu->m_hMenu : nullptr); }
