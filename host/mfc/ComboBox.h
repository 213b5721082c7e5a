// CComboBox over the "ComboBox" class: sorted or not, editable (CBS_DROPDOWN, CBS_SIMPLE) or a
// list (CBS_DROPDOWNLIST); the window text is the edit part.
#pragma once

#include <string>

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CComboBox : public CWnd {
 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_COMBOBOXW, L"", style, rect, parent, id);
  }
  int AddString(LPCWSTR text) { return Send(CB_ADDSTRING, 0, text); }
  int InsertString(int index, LPCWSTR text) { return Send(CB_INSERTSTRING, static_cast<WPARAM>(index), text); }
  int DeleteString(UINT index) { return Send(CB_DELETESTRING, index, nullptr); }
  void ResetContent() { Send(CB_RESETCONTENT, 0, nullptr); }
  int GetCount() const { return Send(CB_GETCOUNT, 0, nullptr); }
  int GetCurSel() const { return Send(CB_GETCURSEL, 0, nullptr); }
  int SetCurSel(int index) { return Send(CB_SETCURSEL, static_cast<WPARAM>(index), nullptr); }
  int GetLBTextLen(int index) const { return Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index), nullptr); }
  int GetLBText(int index, LPWSTR buffer) const {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)));
  }
  // An index out of range leaves the text empty (MFC raises; the host keeps going).
  void GetLBText(int index, CString& text) const {
    int length = GetLBTextLen(index);
    if (length < 0) {
      text.Empty();
      return;
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    GetLBText(index, &buffer[0]);
    buffer.resize(static_cast<size_t>(length));
    text = CString(buffer);
  }
  int FindString(int start, LPCWSTR text) const { return Send(CB_FINDSTRING, static_cast<WPARAM>(start), text); }
  int FindStringExact(int start, LPCWSTR text) const { return Send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text); }
  int SelectString(int start, LPCWSTR text) { return Send(CB_SELECTSTRING, static_cast<WPARAM>(start), text); }
  int SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(::SendMessageW(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)));
  }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(::SendMessageW(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  }
  void ShowDropDown(BOOL show = TRUE) { Send(CB_SHOWDROPDOWN, static_cast<WPARAM>(show), nullptr); }
  BOOL GetDroppedState() const { return Send(CB_GETDROPPEDSTATE, 0, nullptr); }
  BOOL LimitText(int chars) { return Send(CB_LIMITTEXT, static_cast<WPARAM>(chars), nullptr); }
  BOOL SetEditSel(int start, int end) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(start, end)));
  }

 private:
  int Send(UINT message, WPARAM wParam, LPCWSTR text) const {
    return static_cast<int>(::SendMessageW(m_hWnd, message, wParam, reinterpret_cast<LPARAM>(text)));
  }
};
