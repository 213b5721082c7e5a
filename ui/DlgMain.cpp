// The main palette as far as the module lifecycle needs it (no window in this version).
#include "ui/DlgMain.h"

CDlgMain::CDlgMain(HWND parent) : m_hWndParent(parent) {}

CDlgMain::~CDlgMain() = default;

BOOL CDlgMain::Create(UINT, HWND parent) {
  m_hWndParent = parent;
  // No palette window exists in this version.
  return FALSE;
}

BOOL CDlgMain::ShowWindow(int) { return FALSE; }

BOOL CDlgMain::IsWindowVisible() const { return FALSE; }

BOOL CDlgMain::DestroyWindow() {
  const BOOL had = m_hWnd != nullptr;
  m_hWnd = nullptr;
  return had;
}

void CDlgMain::ReloadDwgData() {}
