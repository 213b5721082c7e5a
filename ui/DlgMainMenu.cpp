// The palette's menu, its buttons that start work in the drawing, and closing it.
#include "acadobjects/AcadVars.h"
#include "frame/MainPalette.h"
#include "frame/ProductTitle.h"
#include "frame/ResourceOverride.h"
#include "frame/ResourceString.h"
#include "host/ed/CommandLine.h"
#include "host/mfc/Exceptions.h"
#include "host/mfc/MessageBox.h"
#include "host/rx/ads.h"
#include "settings/GlobDimOptions.h"
#include "settings/WindowPosition.h"
#include "ui/DlgMain.h"

bool CDlgMain::CommandIsActive() {
  const CString command = GetActiveCommand(true);
  if (command.IsEmpty()) return false;
  CString text;
  text.Format(LoadResString(32927), static_cast<const wchar_t*>(command));
  MessageBoxW(adsw_acadMainWnd(), text, kProductTitle, MB_OK | MB_ICONINFORMATION);
  return true;
}

void CDlgMain::OnMyCommand(UINT) {
  if (CommandIsActive()) return;
  CTemporaryResourceOverride useModuleResources;
  // The operations of the menu come with the dialogs and operations they open; their items
  // stay grey until then, so no item reaches this point with work to do.
}

void CDlgMain::OnButUpdateClicked() {
  try {
    OnButUpdate();
  } catch (CException* e) {
    e->Delete();
    acutPrintf(L"\nAktualisieren: unexpected error");
  } catch (...) {
    acutPrintf(L"\nAktualisieren: unexpected error");
  }
}

void CDlgMain::OnButSelectClicked() {
  if (CommandIsActive()) return;
  acedPostCommand(L"\x1b\x1b");
  acedPostCommand(L"QTRV_SelectZenkoraObjects ");
}

void CDlgMain::OnClose() {
  SaveWindowPosition(L"DlgMain", m_hWnd);
  EndApp(true, false);
}
