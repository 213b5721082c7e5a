// CTabCtrl over the "SysTabControl32" class: tabs with text, image and data; the selection.
#pragma once

#include <string>

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CTabCtrl : public CWnd {
 public:
  using CWnd::Create;
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_TABCONTROLW, L"", style, rect, parent, id);
  }
  LONG InsertItem(int index, TCITEMW* item) {
    return static_cast<LONG>(::SendMessageW(m_hWnd, TCM_INSERTITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  LONG InsertItem(int index, LPCWSTR text) {
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    return InsertItem(index, &item);
  }
  LONG InsertItem(int index, LPCWSTR text, int image) {
    TCITEMW item;
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    item.iImage = image;
    return InsertItem(index, &item);
  }
  LONG InsertItem(UINT mask, int index, LPCWSTR text, int image, LPARAM param) {
    TCITEMW item;
    item.mask = mask;
    item.pszText = const_cast<LPWSTR>(text ? text : L"");
    item.iImage = image;
    item.lParam = param;
    return InsertItem(index, &item);
  }
  BOOL DeleteItem(int index) { return static_cast<BOOL>(::SendMessageW(m_hWnd, TCM_DELETEITEM, static_cast<WPARAM>(index), 0)); }
  BOOL DeleteAllItems() { return static_cast<BOOL>(::SendMessageW(m_hWnd, TCM_DELETEALLITEMS, 0, 0)); }
  int GetItemCount() const { return static_cast<int>(::SendMessageW(m_hWnd, TCM_GETITEMCOUNT, 0, 0)); }
  int GetCurSel() const { return static_cast<int>(::SendMessageW(m_hWnd, TCM_GETCURSEL, 0, 0)); }
  int SetCurSel(int index) { return static_cast<int>(::SendMessageW(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0)); }
  BOOL GetItem(int index, TCITEMW* item) const {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  BOOL SetItem(int index, TCITEMW* item) {
    return static_cast<BOOL>(::SendMessageW(m_hWnd, TCM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(item)));
  }
  // The tab's text; empty for an index out of range.
  CString GetItemText(int index) const {
    wchar_t buffer[260] = {0};
    TCITEMW item;
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 260;
    return GetItem(index, &item) ? CString(buffer) : CString();
  }
};
