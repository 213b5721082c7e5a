// CDlgMain: the module's main palette, the modeless dialog from which the user chooses the kind
// of object, the scale, the text height and the texts.
//
// This version carries only the members the module lifecycle uses. The palette itself (its
// dialog template, controls and their handlers) comes with the dialog layer: until then Create
// fails, so that the lifecycle takes its own path for a palette that cannot be created.
#pragma once

#include "host/win/WinTypes.h"

class CDlgMain {
 public:
  enum { IDD = 129 };

  explicit CDlgMain(HWND parent = nullptr);
  ~CDlgMain();
  CDlgMain(const CDlgMain&) = delete;
  CDlgMain& operator=(const CDlgMain&) = delete;

  // Creates the palette window from dialog resource `templateId`; FALSE when it cannot.
  BOOL Create(UINT templateId, HWND parent);
  BOOL ShowWindow(int command);
  BOOL IsWindowVisible() const;
  BOOL DestroyWindow();
  HWND GetSafeHwnd() const { return m_hWnd; }

  // Reloads what the palette shows from the drawing now current (layers, styles, scales).
  void ReloadDwgData();

  int m_iCurrentMode = 0;
  int m_iCurrentType = 0;

 private:
  HWND m_hWndParent = nullptr;
  HWND m_hWnd = nullptr;
};
