// CButton: push buttons, check boxes, radio buttons and group boxes over the "Button" class.
// An owner-drawn button draws itself in DrawItem (the parent's WM_DRAWITEM comes back to it).
#pragma once

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CButton : public CWnd {
 public:
  using CWnd::Create;
  BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_BUTTONW, caption, style, rect, parent, id);
  }
  int GetCheck() const { return static_cast<int>(::SendMessageW(m_hWnd, BM_GETCHECK, 0, 0)); }
  void SetCheck(int check) { ::SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(check), 0); }
  UINT GetState() const { return static_cast<UINT>(::SendMessageW(m_hWnd, BM_GETSTATE, 0, 0)); }
  void SetState(BOOL highlight) { ::SendMessageW(m_hWnd, BM_SETSTATE, static_cast<WPARAM>(highlight), 0); }
  UINT GetButtonStyle() const { return IsWindow(m_hWnd) ? (m_hWnd->style & 0xFFFF) : 0; }
  void SetButtonStyle(UINT style, BOOL redraw = TRUE) {
    ::SendMessageW(m_hWnd, BM_SETSTYLE, style, redraw);
  }
  HICON SetIcon(HICON icon) {
    return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon)));
  }
  HICON GetIcon() const { return reinterpret_cast<HICON>(::SendMessageW(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0)); }
  HBITMAP SetBitmap(HBITMAP bitmap) {
    return reinterpret_cast<HBITMAP>(::SendMessageW(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
  HBITMAP GetBitmap() const { return reinterpret_cast<HBITMAP>(::SendMessageW(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0)); }
  // A click as the user gives it: automatic styles change state, the parent hears BN_CLICKED.
  void Click() { ::SendMessageW(m_hWnd, BM_CLICK, 0, 0); }

  // Owner-drawn buttons: without a screen hDC is null; the drawing code sees the state.
  virtual void DrawItem(LPDRAWITEMSTRUCT) {}

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    return TRUE;
  }
};
