// The user's actions on open dialogs and menus as a script gives them, and the dialog print.
//
//   %dialog ID set CONTROL TEXT      edit or editable combo box: the control gets the focus, the
//                                    text is typed (EN_UPDATE, EN_CHANGE / CBN_EDITUPDATE,
//                                    CBN_EDITCHANGE) and the focus leaves (EN_KILLFOCUS /
//                                    CBN_KILLFOCUS)
//   %dialog ID select CONTROL ITEM   combo box (CBN_DROPDOWN, then the item: CBN_SELCHANGE,
//                                    CBN_SELENDOK, CBN_CLOSEUP, then CBN_KILLFOCUS), list box
//                                    (LBN_SELCHANGE; in a multiple-selection box the item's
//                                    selection toggles) or tab control (TCN_SELCHANGING, which
//                                    the dialog may refuse, then TCN_SELCHANGE). ITEM is the
//                                    item's text (case-insensitive; tab texts trimmed) or #INDEX
//   %dialog ID check CONTROL 0|1|2   the clicks (BN_CLICKED each) that bring the button to that
//                                    state; a radio button is cleared by checking another
//   %dialog ID click CONTROL         a click (BN_CLICKED; the automatic styles change first)
//   %dialog ID menu ITEM             the item of the dialog's menu bar (WM_COMMAND)
//   %dialog ID close                 the close box (WM_CLOSE)
//   %dialog ID print                 the dialog and every control, one line each
//   %menu ITEM                       answers the pop-up menu that waits; otherwise chooses ITEM
//                                    from the menu bar of the newest open dialog that has it;
//                                    otherwise queues ITEM for the next pop-up menu
//
// ID is the dialog's template id; CONTROL a control id or its caption in double quotes.
// Clicks, checks and selections give the control the focus first (a control that had it hears
// its kill-focus notification). A dialog that is not open, hidden or disabled, a control it
// does not have, or one that is hidden or disabled, is refused with a line and nothing changes.
// After each action the control's print line follows, prefixed with "->".
//
// Print format (one line per control, in creation order):
//   [dialog <id>] "<caption>" visible|hidden enabled|disabled, <n> controls
//     <id> <kind> "<text>" [check=<0|1|2>] [sel=<index>|sel=[<i>,...]] [items=<n>]
//          [tabs="A","B"] [<flags>] visible|hidden enabled|disabled
//     menu:  then the menu bar's items as pop-up menus show them, indented
//   kinds: button, defbutton, checkbox, 3state, radio, groupbox, ownerdraw, edit, combo,
//   droplist, listbox, tab, static, icon, scrollbar, tooltip, window(<class>); flags: auto,
//   pushlike, icon, bitmap, readonly, sorted, multi, focus; tooltip lines list their tips
//   as tips=[<tool id>:"<text>",...] and inactive when deactivated.
#pragma once

#include <string>
#include <vector>

#include "host/win/WinTypes.h"

class CDialog;

namespace zhost {

void RunDialogDirective(const std::wstring& args);
void RunMenuDirective(const std::wstring& args);

// The print lines of a dialog, and of one control (without the indent).
std::vector<std::wstring> DescribeDialog(CDialog& dialog);
std::wstring DescribeControl(HWND control);

}  // namespace zhost
