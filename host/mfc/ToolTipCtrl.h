// CToolTipCtrl: tool tips kept as data (tool window, id, text) and the active state. Without
// a screen nothing pops up; the dialog's print lists the tips.
#pragma once

#include <string>
#include <vector>

#include "host/mfc/Wnd.h"
#include "host/win/ControlWindows.h"

class CToolTipCtrl : public CWnd {
 public:
  struct Tool {
    HWND window = nullptr;
    UINT_PTR id = 0;
    std::wstring text;
  };

  // A hidden "tooltips_class32" window under the parent.
  BOOL Create(CWnd* parent, DWORD style = 0);
  BOOL AddTool(CWnd* tool, LPCWSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
  // The text is string resource `textId`.
  BOOL AddTool(CWnd* tool, UINT textId, LPCRECT rect = nullptr, UINT_PTR id = 0);
  void DelTool(CWnd* tool, UINT_PTR id = 0);
  void UpdateTipText(LPCWSTR text, CWnd* tool, UINT_PTR id = 0);
  void UpdateTipText(UINT textId, CWnd* tool, UINT_PTR id = 0);
  void Activate(BOOL activate) { m_bActive = activate != FALSE; }
  BOOL IsActive() const { return m_bActive ? TRUE : FALSE; }
  int GetToolCount() const { return static_cast<int>(m_tools.size()); }
  const std::vector<Tool>& Tools() const { return m_tools; }
  // The mouse messages a real tip would watch; nothing to do without a screen.
  void RelayEvent(void*) {}

 private:
  Tool* find(HWND window, UINT_PTR id);
  std::vector<Tool> m_tools;
  bool m_bActive = true;
};
