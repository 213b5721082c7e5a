// Creation, display and destruction of the main palette.
#include "frame/MainPalette.h"

#include "frame/DocumentLocks.h"
#include "frame/LanguageModule.h"
#include "frame/ProductTitle.h"
#include "frame/ResourceOverride.h"
#include "host/ed/CommandLine.h"
#include "host/ed/SysVars.h"
#include "host/mfc/CString.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/MessageBox.h"
#include "host/rx/ads.h"
#include "host/win/Window.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "ui/DlgMain.h"

CDlgMain* dlgMyApp = nullptr;

namespace {

bool g_bPaletteWasVisible = false;

bool PaletteVisible() { return dlgMyApp && dlgMyApp->IsWindowVisible(); }

// The names of the commands running now, upper-cased.
CString ActiveCommandNames() {
  resbuf rb;
  rb.rbnext = nullptr;
  rb.restype = RTNONE;
  if (acedGetVar(L"CMDNAMES", &rb) != RTNORM || rb.restype != RTSTR || !rb.resval.rstring) return CString();
  CString names(rb.resval.rstring);
  acutDelString(rb.resval.rstring);
  return names.MakeUpper();
}

void FocusHostWindow() {
  HWND main = adsw_acadMainWnd();
  SetFocus(main);
  EnableWindow(main, TRUE);
  SetActiveWindow(main);
}

}  // namespace

bool StartApp(bool bShow) {
  LoadLanguageModule();
  CTemporaryResourceOverride useModuleResources;

  if (dlgMyApp) {
    ReleaseHeldDocumentLocks();
    if (bShow) dlgMyApp->ShowWindow(SW_SHOWNORMAL);
    dlgMyApp->ReloadDwgData();
    return true;
  }

  // The main INI path is decided again: the user may have switched files since the last start.
  SetIniFileName(L"");
  if (pGlobDimOptions) pGlobDimOptions->LoadOptions();

  CWnd* parent = CWnd::FromHandle(adsw_acadMainWnd());
  dlgMyApp = new CDlgMain(parent);
  if (dlgMyApp->Create(parent)) {
    if (bShow) RestoreWindowPosition(L"Position", dlgMyApp->GetSafeHwnd(), true);
    return true;
  }

  // Create has shown its message box.
  delete dlgMyApp;
  dlgMyApp = nullptr;
  return false;
}

void EndApp(bool bDestroy, bool bSaveState) {
  if (!pGlobDimOptions) return;
  const bool visible = PaletteVisible();
  if (bDestroy && bSaveState) WriteGeneralInfoString(L"ShowAppWindow", visible ? L"1" : L"0");
  if (!dlgMyApp) return;

  if (!bDestroy) {
    dlgMyApp->ShowWindow(SW_HIDE);
    return;
  }
  if (visible) SaveWindowPosition(L"Position", dlgMyApp->GetSafeHwnd());
  dlgMyApp->DestroyWindow();
  if (bSaveState) ReleaseHeldDocumentLocks();
  delete dlgMyApp;
  dlgMyApp = nullptr;
}

void HideDlgMain() {
  g_bPaletteWasVisible = PaletteVisible();
  if (dlgMyApp) {
    if (ActiveCommandNames().Find(L"QTRV_") < 0) acedPostCommand(L"\x1b\x1b");
    if (pGlobDimOptions) pGlobDimOptions->iBusyState = 1;
    HWND main = adsw_acadMainWnd();
    EnableWindow(main, TRUE);
    dlgMyApp->ShowWindow(SW_HIDE);
    SetFocus(main);
  }
  FocusHostWindow();
}

void ShowDlgMain() {
  if (dlgMyApp && g_bPaletteWasVisible) {
    dlgMyApp->ShowWindow(SW_SHOW);
    SetFocus(dlgMyApp->GetSafeHwnd());
    EnableWindow(dlgMyApp->GetSafeHwnd(), TRUE);
    g_bPaletteWasVisible = false;
  }
  acedPostCommandPrompt();
  if (pGlobDimOptions) pGlobDimOptions->iBusyState = 0;
}

void SaveShowAppWindow() { WriteGeneralInfoString(L"ShowAppWindow", dlgMyApp ? L"1" : L"0"); }

void SelectZenkoraObjectsCommand() {
  // Without a palette there is nothing to show the values in.
  if (!dlgMyApp) return;
  CTemporaryResourceOverride useModuleResources;
  try {
    dlgMyApp->OnButSelectObjects();
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\nQTRV_SelectZenkoraObjects: unexpected error");
  } catch (...) {
    acutPrintf(L"\nQTRV_SelectZenkoraObjects: unexpected error");
  }
}

void OpenMainPalette() {
  if (!StartApp(true) || !dlgMyApp) {
    MessageBoxW(adsw_acadMainWnd(), L"Any error on create zenkora dialog...", kProductTitle, MB_OK | MB_ICONERROR);
    return;
  }
  dlgMyApp->ShowWindow(SW_SHOWNORMAL);
}
