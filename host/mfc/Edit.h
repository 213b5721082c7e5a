// CEdit over the "Edit" class: text, limit, read-only state, modified flag and selection.
#pragma once

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CEdit : public CWnd {
 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_EDITW, L"", style, rect, parent, id);
  }
  void LimitText(int chars = 0) { ::SendMessageW(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(chars), 0); }
  void SetLimitText(UINT chars) { ::SendMessageW(m_hWnd, EM_SETLIMITTEXT, chars, 0); }
  UINT GetLimitText() const { return static_cast<UINT>(::SendMessageW(m_hWnd, EM_GETLIMITTEXT, 0, 0)); }
  BOOL SetReadOnly(BOOL readOnly = TRUE) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, EM_SETREADONLY, static_cast<WPARAM>(readOnly), 0));
  }
  BOOL GetModify() const { return static_cast<BOOL>(::SendMessageW(m_hWnd, EM_GETMODIFY, 0, 0)); }
  void SetModify(BOOL modified = TRUE) { ::SendMessageW(m_hWnd, EM_SETMODIFY, static_cast<WPARAM>(modified), 0); }
  void SetSel(int start, int end, BOOL = FALSE) {
    ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
  }
  void GetSel(int& start, int& end) const {
    DWORD a = 0, b = 0;
    ::SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&a), reinterpret_cast<LPARAM>(&b));
    start = static_cast<int>(a);
    end = static_cast<int>(b);
  }
};
