// CWnd: the MFC window object over a host window handle. A CWnd that creates or subclasses a
// window takes its messages (CWnd::WindowProc) and passes what its message map does not take
// to the window's previous procedure. Every message that reaches a CWnd is a top-level entry:
// what a handler throws is caught there and written to the transcript, never passed on.
//
// Dialog units: MapDialogRect uses the fixed base units 6 x 13 pixels, so a dialog unit is
// 6/4 pixels across and 13/8 pixels down (x * 6 / 4, y * 13 / 8).
#pragma once

#include <functional>
#include <string>

#include "host/mfc/CString.h"
#include "host/mfc/MessageMap.h"
#include "host/win/MessageQueue.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

class CDataExchange;
class CMenu;

class CWnd : public CCmdTarget {
 public:
  CWnd();
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  operator HWND() const { return m_hWnd; }
  HWND GetSafeHwnd() const { return m_hWnd; }

  // The CWnd of the handle: the permanent one, else a temporary attached to it (kept until the
  // window goes). Null for a handle that is no window.
  static CWnd* FromHandle(HWND window);
  static CWnd* FromHandlePermanent(HWND window);

  virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                        CWnd* parent, UINT id);
  virtual BOOL DestroyWindow();
  BOOL Attach(HWND window);
  HWND Detach();
  // Takes the window's messages (the previous procedure gets what this one leaves).
  BOOL SubclassWindow(HWND window);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();

  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL EnableWindow(BOOL enable = TRUE);
  BOOL IsWindowEnabled() const;
  CWnd* SetFocus();
  static CWnd* GetFocus();
  void SetWindowText(LPCWSTR text);
  void GetWindowText(CString& text) const;
  int GetWindowText(LPWSTR buffer, int size) const;
  int GetWindowTextLength() const;
  CWnd* GetDlgItem(int id) const;
  void GetDlgItem(int id, HWND* window) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int id);
  void SetDlgItemText(int id, LPCWSTR text);
  int GetDlgItemText(int id, CString& text) const;
  void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
  UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
  void CheckDlgButton(int id, UINT check);
  UINT IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int firstId, int lastId, int checkId);
  CWnd* GetParent() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);

  void GetClientRect(LPRECT rect) const;
  void GetWindowRect(LPRECT rect) const;
  void MapDialogRect(LPRECT rect) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void ScreenToClient(LPPOINT point) const;
  void ScreenToClient(LPRECT rect) const;
  void ClientToScreen(LPPOINT point) const;
  void ClientToScreen(LPRECT rect) const;
  void CenterWindow(CWnd* alternateOwner = nullptr);
  BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
  BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);

  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
  BOOL KillTimer(UINT_PTR id);
  void Invalidate(BOOL erase = TRUE);
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
  void UpdateWindow();

  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* menu);

  // DoDataExchange with a CDataExchange; FALSE when a field refused its text.
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // The procedure of the window: the message map, then DefWindowProc.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The default for the message being handled (the previous procedure).
  LRESULT Default();

 protected:
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A notification this control sent its parent, offered back to it first; TRUE takes it.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual void DoDataExchange(CDataExchange* dx);
  // After the window went (WM_NCDESTROY): m_hWnd is already null.
  virtual void PostNcDestroy() {}
  virtual void PreSubclassWindow() {}

  afx_msg void OnClose();
  afx_msg void OnDestroy();
  afx_msg void OnTimer(UINT_PTR id);
  afx_msg void OnSize(UINT type, int cx, int cy);
  afx_msg void OnMove(int x, int y);
  afx_msg void OnDrawItem(int id, LPDRAWITEMSTRUCT item);
  afx_msg void OnShowWindow(BOOL show, UINT status);

  // What the transcript calls this window in a line about a failed handler.
  virtual std::wstring DescribeForTranscript() const;

 private:
  friend struct CWndAccess;
  // Gives the window back its previous procedure and forgets it.
  void Unhook();

  std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)> m_pfnSuper;
  bool m_bHooked = false;  // this object's procedure is the window's
};
