// The choice button: its row of choices and the notification of the choice made.
#include "ui/controls/ChoiceButton.h"

#include "host/mfc/Menu.h"

void CChoiceButton::SetImage(int group, int size) {
  m_iImageGroup = group;
  m_iImageSize = size;
  Invalidate();
}

int CChoiceButton::ChooseFromRow() {
  CMenu row;
  if (!row.CreatePopupMenu()) return 0;
  for (int value : m_choices) {
    if (value <= 0) {
      row.AppendMenu(MF_SEPARATOR);
      continue;
    }
    CString text;
    text.Format(L"%d", value);
    row.AppendMenu(MF_STRING, static_cast<UINT_PTR>(value), text);
  }
  RECT rect;
  GetWindowRect(&rect);
  return static_cast<int>(row.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, rect.left, rect.bottom, this));
}

BOOL CChoiceButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return CButton::OnChildNotify(message, wParam, lParam, result);
  const int value = ChooseFromRow();
  if (value <= 0) return TRUE;
  CWnd* parent = GetParent();
  if (!parent) return TRUE;
  CHOICENOTIFY notify;
  notify.hdr.hwndFrom = m_hWnd;
  notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  notify.hdr.code = 0;
  notify.iValue = value;
  parent->SendMessage(WM_NOTIFY, kChoiceNotifyCode, reinterpret_cast<LPARAM>(&notify));
  return TRUE;
}
