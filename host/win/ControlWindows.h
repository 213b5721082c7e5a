// The system's control window classes without a screen: "Button", "Edit", "ComboBox",
// "ListBox", "Static", "SysTabControl32", "ScrollBar" and "tooltips_class32". A control keeps
// its state (check state, text, list items and selection, tabs) with its window procedure and
// is driven by the documented messages (BM_*, EM_*, CB_*, LB_*, TCM_*), sending its parent the
// notifications Windows sends. A window of any other class gets DefWindowProcW.
//
// The user's own actions, as a script performs them, are the host messages below: they do what
// a mouse click or typing would (refused on a disabled control) and send the notifications of
// that action.
#pragma once

#include <string>

#include "host/win/WinTypes.h"

#define WC_BUTTONW L"Button"
#define WC_EDITW L"Edit"
#define WC_COMBOBOXW L"ComboBox"
#define WC_LISTBOXW L"ListBox"
#define WC_STATICW L"Static"
#define WC_SCROLLBARW L"ScrollBar"
#define WC_TABCONTROLW L"SysTabControl32"
#define TOOLTIPS_CLASSW L"tooltips_class32"
#define WC_TABCONTROL WC_TABCONTROLW

// The user clicks the control (button, static with SS_NOTIFY). TRUE when it took the click.
#define ZHM_USERCLICK 0x7FE0
// The user replaces the text of an edit control or the edit part of a combo box with
// (const wchar_t*) lParam. TRUE when the control took it (not read-only, not a list).
#define ZHM_USERTYPE 0x7FE1
// The user picks item wParam in a combo box (its list must be open), list box or tab control.
#define ZHM_USERPICK 0x7FE2

// Creates a window of the class (a child when `parent` is given and WS_CHILD is set: then
// `menu` is the control id). Visible with WS_VISIBLE, disabled with WS_DISABLED.
HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR text, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param);
inline HWND CreateWindowEx(DWORD ex, LPCWSTR cls, LPCWSTR text, DWORD style, int x, int y, int w, int h, HWND parent,
                           HMENU menu, HINSTANCE instance, LPVOID param) {
  return CreateWindowExW(ex, cls, text, style, x, y, w, h, parent, menu, instance, param);
}

namespace zhost {

// Gives the window the procedure of its class (by its class name, case-insensitive).
void InstallClassProcedure(HWND window);
// Sends the parent WM_COMMAND with the control's id and `code`, as controls notify.
void NotifyParent(HWND control, UINT code);
// Sends the parent WM_DRAWITEM for an owner-drawn control of type `controlType` (ODT_*).
void DrawOwnerItem(HWND control, UINT controlType);

// The procedures of the classes (ControlClass*.cpp).
void InstallButtonClass(HWND window);
void InstallEditClass(HWND window);
void InstallComboBoxClass(HWND window);
void InstallListBoxClass(HWND window);
void InstallTabControlClass(HWND window);
void InstallStaticClass(HWND window);

}  // namespace zhost
