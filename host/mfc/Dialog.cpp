// Building dialogs from templates, the modeless and modal life, the default handlers.
#include "host/mfc/Dialog.h"

#include <algorithm>

#include "host/mfc/Menu.h"
#include "host/mfc/MessageBox.h"
#include "host/mfc/Resources.h"
#include "host/mfc/ScriptActions.h"
#include "host/mfc/Transcript.h"
#include "host/win/ControlWindows.h"

namespace {

std::vector<CDialog*>& Open() {
  static auto* open = new std::vector<CDialog*>;
  return *open;
}

std::wstring Label(UINT id) { return L"[dialog " + std::to_wstring(id) + L"]"; }

std::wstring CodeName(int code) {
  switch (code) {
    case IDOK: return L"1 (IDOK)";
    case IDCANCEL: return L"2 (IDCANCEL)";
    case IDYES: return L"6 (IDYES)";
    case IDNO: return L"7 (IDNO)";
    default: return std::to_wstring(code);
  }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
  ON_WM_CLOSE()
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_pParentWnd(parent), m_nIDTemplate(templateId) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
  Forget();
}

void CDialog::Forget() {
  auto& open = Open();
  open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_bModal = false;
  return CreateFromTemplate(templateId, parent);
}

BOOL CDialog::Create(LPCWSTR templateName, CWnd* parent) {
  if (!IS_INTRESOURCE(templateName)) {
    zhost::TranscriptLine(L"[dialog] cannot be created: named dialog templates are not kept (use a number).");
    return FALSE;
  }
  return Create(static_cast<UINT>(reinterpret_cast<UINT_PTR>(templateName)), parent);
}

BOOL CDialog::CreateFromTemplate(UINT templateId, CWnd* parent) {
  if (m_hWnd) return FALSE;
  const zhost::DialogTemplate* found = zhost::FindDialogTemplate(templateId);
  if (!found) {
    zhost::TranscriptLine(Label(templateId) + L" cannot be created: no module has dialog resource " +
                          std::to_wstring(templateId) + L".");
    return FALSE;
  }
  const zhost::DialogTemplate t = *found;  // the module may go while the dialog is open
  m_nIDTemplate = templateId;
  if (parent) m_pParentWnd = parent;
  HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : zhost::MainWindow();
  RECT r;
  r.left = t.x, r.top = t.y, r.right = t.x + t.cx, r.bottom = t.y + t.cy;
  MapDialogRect(&r);
  HWND window = CreateWindowExW(t.exStyle, L"#32770", t.caption.c_str(), t.style & ~static_cast<DWORD>(WS_VISIBLE),
                                r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, nullptr);
  if (!window || !SubclassWindow(window)) return FALSE;
  Open().push_back(this);
  if (t.menuId) {
    const zhost::MenuTemplate* menu = zhost::FindMenuTemplate(t.menuId);
    if (menu) ::SetMenu(window, zhost::BuildMenu(*menu));
    else zhost::TranscriptLine(Label(templateId) + L" has no menu: no module has menu resource " + std::to_wstring(t.menuId) + L".");
  }
  if (t.style & DS_CENTER) CenterWindow();
  for (const zhost::DialogControlTemplate& c : t.controls) {
    RECT cr;
    cr.left = c.x, cr.top = c.y, cr.right = c.x + c.cx, cr.bottom = c.y + c.cy;
    MapDialogRect(&cr);
    CreateWindowExW(c.exStyle, c.className.c_str(), c.text.c_str(), c.style, cr.left, cr.top, cr.right - cr.left,
                    cr.bottom - cr.top, window, reinterpret_cast<HMENU>(static_cast<intptr_t>(c.id)), nullptr, nullptr);
  }
  ::SendMessageW(window, WM_INITDIALOG, 0, 0);
  if (!IsWindow(window)) return FALSE;  // the initialisation closed it
  for (HWND control : zhost::ChildWindows(window))
    if (control->className == WC_BUTTONW && (control->style & BS_TYPEMASK) == BS_OWNERDRAW && control->visible)
      zhost::DrawOwnerItem(control, ODT_BUTTON);
  if (IsWindow(window) && (t.style & WS_VISIBLE)) ::ShowWindow(window, SW_SHOW);
  return IsWindow(window) ? TRUE : FALSE;
}

INT_PTR CDialog::DoModal() {
  m_bModal = true;
  m_bEnded = false;
  m_nModalResult = -1;
  UINT id = m_nIDTemplate;
  if (!CreateFromTemplate(id, nullptr)) {
    m_bModal = false;
    if (!m_hWnd) return -1;
  }
  HWND window = m_hWnd;
  HWND owner = ::GetParent(window);
  bool reenable = owner && ::IsWindowEnabled(owner);
  if (reenable) ::EnableWindow(owner, FALSE);
  if (IsWindow(window) && !::IsWindowVisible(window) && !m_bEnded) ::ShowWindow(window, SW_SHOW);
  zhost::TranscriptLine(Label(id) + L" " + zhost::Quoted(IsWindow(window) ? window->text : L"") + L" opened (modal)");
  while (!m_bEnded && IsWindow(window)) {
    if (zhost::RunNextScriptAction()) continue;
    if (m_bEnded || !IsWindow(window)) break;
    zhost::TranscriptLine(Label(id) + L" no more script actions: cancelled");
    ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!m_bEnded) m_nModalResult = IDCANCEL;
    break;
  }
  int result = m_nModalResult;
  if (IsWindow(window)) {
    ::ShowWindow(window, SW_HIDE);
    ::DestroyWindow(window);
  }
  if (reenable && IsWindow(owner)) ::EnableWindow(owner, TRUE);
  m_bModal = false;
  zhost::TranscriptLine(Label(id) + L" ended with " + CodeName(result));
  return result;
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  if (m_bModal) {
    m_bEnded = true;
    return;
  }
  if (m_hWnd) ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::GotoDlgCtrl(CWnd* control) {
  if (control) control->SetFocus();
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// The close box and the system menu's Close: as Cancel, as the dialog manager does it.
void CDialog::OnClose() {
  SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, IDCANCEL)));
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_INITDIALOG) {
    *result = OnInitDialog();
    return TRUE;
  }
  if (message == WM_NCDESTROY) {
    HMENU menu = ::GetMenu(m_hWnd);
    ::SetMenu(m_hWnd, nullptr);
    if (menu) ::DestroyMenu(menu);
    Forget();
  }
  return CWnd::OnWndMsg(message, wParam, lParam, result);
}

std::wstring CDialog::DescribeForTranscript() const { return L"dialog " + std::to_wstring(m_nIDTemplate); }

namespace zhost {

std::vector<CDialog*> OpenDialogs() {
  std::vector<CDialog*> live;
  for (CDialog* d : Open())
    if (d->m_hWnd && IsWindow(d->m_hWnd)) live.push_back(d);
  return live;
}

CDialog* FindOpenDialog(UINT templateId) {
  std::vector<CDialog*> live = OpenDialogs();
  for (auto it = live.rbegin(); it != live.rend(); ++it)
    if ((*it)->GetTemplateId() == templateId) return *it;
  return nullptr;
}

}  // namespace zhost
