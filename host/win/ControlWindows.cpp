// Window creation by class and the notifications that every control sends its parent.
#include "host/win/ControlWindows.h"

#include "host/win/TextCase.h"
#include "host/win/WinMessages.h"
#include "host/win/WinStyles.h"
#include "host/win/Window.h"

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE, LPVOID) {
  if (parent && !IsWindow(parent)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  RECT rect;
  rect.left = x;
  rect.top = y;
  rect.right = x + (width > 0 ? width : 0);
  rect.bottom = y + (height > 0 ? height : 0);
  bool child = parent && (style & WS_CHILD);
  int id = child ? static_cast<int>(reinterpret_cast<intptr_t>(menu)) : 0;
  HWND window = zhost::CreateHostWindow(className ? className : L"", text ? text : L"", parent, rect,
                                        (style & WS_VISIBLE) != 0, id);
  window->style = style;
  window->exStyle = exStyle;
  window->enabled = (style & WS_DISABLED) == 0;
  zhost::InstallClassProcedure(window);
  return window;
}

namespace zhost {

void InstallClassProcedure(HWND window) {
  const struct {
    const wchar_t* name;
    void (*install)(HWND);
  } kClasses[] = {
      {WC_BUTTONW, InstallButtonClass},     {WC_EDITW, InstallEditClass},
      {WC_COMBOBOXW, InstallComboBoxClass}, {WC_LISTBOXW, InstallListBoxClass},
      {WC_TABCONTROLW, InstallTabControlClass}, {WC_STATICW, InstallStaticClass},
  };
  for (const auto& c : kClasses) {
    if (!EqualsNoCase(window->className, c.name)) continue;
    window->className = c.name;
    c.install(window);
    return;
  }
  window->proc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); };
}

void NotifyParent(HWND control, UINT code) {
  HWND parent = GetParent(control);
  if (!parent) return;
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

void DrawOwnerItem(HWND control, UINT controlType) {
  HWND parent = GetParent(control);
  if (!parent || !IsWindow(control)) return;
  DRAWITEMSTRUCT item;
  item.CtlType = controlType;
  item.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
  item.itemAction = ODA_DRAWENTIRE;
  item.itemState = (IsWindowEnabled(control) ? 0 : ODS_DISABLED) | (GetFocus() == control ? ODS_FOCUS : 0);
  item.hwndItem = control;
  GetClientRect(control, &item.rcItem);
  SendMessageW(parent, WM_DRAWITEM, static_cast<WPARAM>(item.CtlID), reinterpret_cast<LPARAM>(&item));
}

}  // namespace zhost
