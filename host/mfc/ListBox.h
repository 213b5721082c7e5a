// CListBox over the "ListBox" class: single or multiple selection, sorted with LBS_SORT.
#pragma once

#include <string>

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CListBox : public CWnd {
 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTBOXW, L"", style, rect, parent, id);
  }
  int AddString(LPCWSTR text) { return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)); }
  int InsertString(int index, LPCWSTR text) { return Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)); }
  int DeleteString(UINT index) { return Send(LB_DELETESTRING, index, 0); }
  void ResetContent() { Send(LB_RESETCONTENT, 0, 0); }
  int GetCount() const { return Send(LB_GETCOUNT, 0, 0); }
  int GetCurSel() const { return Send(LB_GETCURSEL, 0, 0); }
  int SetCurSel(int index) { return Send(LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  int GetTextLen(int index) const { return Send(LB_GETTEXTLEN, static_cast<WPARAM>(index), 0); }
  int GetText(int index, LPWSTR buffer) const { return Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer)); }
  void GetText(int index, CString& text) const {
    int length = GetTextLen(index);
    if (length < 0) {
      text.Empty();
      return;
    }
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    GetText(index, &buffer[0]);
    buffer.resize(static_cast<size_t>(length));
    text = CString(buffer);
  }
  int FindString(int start, LPCWSTR text) const { return Send(LB_FINDSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)); }
  int FindStringExact(int start, LPCWSTR text) const {
    return Send(LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text));
  }
  int SelectString(int start, LPCWSTR text) { return Send(LB_SELECTSTRING, static_cast<WPARAM>(start), reinterpret_cast<LPARAM>(text)); }
  int SetItemData(int index, DWORD_PTR data) { return Send(LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)); }
  DWORD_PTR GetItemData(int index) const {
    return static_cast<DWORD_PTR>(::SendMessageW(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
  }
  int GetSel(int index) const { return Send(LB_GETSEL, static_cast<WPARAM>(index), 0); }
  int SetSel(int index, BOOL select = TRUE) { return Send(LB_SETSEL, static_cast<WPARAM>(select), index); }
  int GetSelCount() const { return Send(LB_GETSELCOUNT, 0, 0); }
  int GetSelItems(int maxItems, LPINT items) const {
    return Send(LB_GETSELITEMS, static_cast<WPARAM>(maxItems), reinterpret_cast<LPARAM>(items));
  }

 private:
  int Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return static_cast<int>(::SendMessageW(m_hWnd, message, wParam, lParam));
  }
};
