// Tool tips as data.
#include "host/mfc/ToolTipCtrl.h"

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  RECT none;
  return CWnd::Create(TOOLTIPS_CLASSW, L"", (style & ~static_cast<DWORD>(WS_VISIBLE)) | WS_CHILD, none, parent, 0);
}

CToolTipCtrl::Tool* CToolTipCtrl::find(HWND window, UINT_PTR id) {
  for (Tool& t : m_tools)
    if (t.window == window && t.id == id) return &t;
  return nullptr;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCWSTR text, LPCRECT, UINT_PTR id) {
  if (!m_hWnd || !tool) return FALSE;
  Tool* existing = find(tool->m_hWnd, id);
  if (existing) {
    existing->text = text ? text : L"";
    return TRUE;
  }
  Tool t;
  t.window = tool->m_hWnd;
  t.id = id;
  t.text = text ? text : L"";
  m_tools.push_back(t);
  return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, UINT textId, LPCRECT rect, UINT_PTR id) {
  CString text;
  text.LoadString(textId);
  return AddTool(tool, text, rect, id);
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT_PTR id) {
  if (!tool) return;
  for (auto it = m_tools.begin(); it != m_tools.end(); ++it)
    if (it->window == tool->m_hWnd && it->id == id) {
      m_tools.erase(it);
      return;
    }
}

void CToolTipCtrl::UpdateTipText(LPCWSTR text, CWnd* tool, UINT_PTR id) {
  if (!tool) return;
  if (Tool* t = find(tool->m_hWnd, id)) t->text = text ? text : L"";
}

void CToolTipCtrl::UpdateTipText(UINT textId, CWnd* tool, UINT_PTR id) {
  CString text;
  text.LoadString(textId);
  UpdateTipText(text, tool, id);
}
