// Menus without a screen: menu handles with their items (text, id, check and grey state,
// separators, popups), the Windows menu functions, CMenu over them, menus loaded from the
// resources, a window's menu bar, and TrackPopupMenu answered from the script.
//
// A pop-up menu is written to the transcript with its items, one a line, indented two blanks
// a level:  "<id> <text>" with " [x]" when checked and " (grey)" when grey or disabled,
// "<text> >" for a popup followed by its items, "----" for a separator; then the answer line
//   [popup menu] -> <id> <text>      or      [popup menu] -> cancelled
// The answer is the next queued "menu" answer (zhost::Console, queued by "%menu ITEM"); when
// none is queued the menu waits for the script's next actions (ScriptActions.h). ITEM is an
// item id or its text (case-insensitive, "&" and a tab's accelerator text ignored); an answer
// that names no command item, or a grey one, is refused with a line and the menu is cancelled.
#pragma once

#include <string>
#include <vector>

#include "host/mfc/CString.h"
#include "host/mfc/DialogTemplate.h"
#include "host/win/WinTypes.h"

#define MF_INSERT 0x0000
#define MF_CHANGE 0x0080
#define MF_APPEND 0x0100
#define MF_DELETE 0x0200
#define MF_REMOVE 0x1000
#define MF_BYCOMMAND 0x0000
#define MF_BYPOSITION 0x0400
#define MF_SEPARATOR 0x0800
#define MF_ENABLED 0x0000
#define MF_GRAYED 0x0001
#define MF_DISABLED 0x0002
#define MF_UNCHECKED 0x0000
#define MF_CHECKED 0x0008
#define MF_USECHECKBITMAPS 0x0200
#define MF_STRING 0x0000
#define MF_BITMAP 0x0004
#define MF_OWNERDRAW 0x0100
#define MF_POPUP 0x0010
#define MF_MENUBARBREAK 0x0020
#define MF_MENUBREAK 0x0040
#define MF_HILITE 0x0080
#define MF_DEFAULT 0x1000
#define MF_HELP 0x4000

#define TPM_LEFTBUTTON 0x0000
#define TPM_RIGHTBUTTON 0x0002
#define TPM_LEFTALIGN 0x0000
#define TPM_CENTERALIGN 0x0004
#define TPM_RIGHTALIGN 0x0008
#define TPM_TOPALIGN 0x0000
#define TPM_VCENTERALIGN 0x0010
#define TPM_BOTTOMALIGN 0x0020
#define TPM_NONOTIFY 0x0080
#define TPM_RETURNCMD 0x0100

#define MIIM_STATE 0x0001
#define MIIM_ID 0x0002
#define MIIM_SUBMENU 0x0004
#define MIIM_DATA 0x0020
#define MIIM_STRING 0x0040
#define MIIM_FTYPE 0x0100
#define MFT_STRING 0x0000
#define MFT_SEPARATOR 0x0800
#define MFS_ENABLED 0x0000
#define MFS_UNCHECKED 0x0000
#define MFS_GRAYED 0x0003
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED 0x0008
#define MFS_DEFAULT 0x1000

struct MENUITEMINFOW {
  UINT cbSize = sizeof(MENUITEMINFOW);
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = nullptr;
  DWORD_PTR dwItemData = 0;
  LPWSTR dwTypeData = nullptr;
  UINT cch = 0;
};
typedef MENUITEMINFOW MENUITEMINFO;

struct HMENU__ {
  struct Item {
    std::wstring text;
    UINT id = 0;
    UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP, breaks, MF_HELP
    HMENU popup = nullptr;
    DWORD_PTR data = 0;
  };
  std::vector<Item> items;
  bool isPopup = false;
};

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the menu and its popups.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);
// `item` is a command id, or with MF_POPUP the popup's handle (the menu then owns it).
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR item, LPCWSTR text);
BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);  // a popup is destroyed
BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);  // a popup is kept
HMENU GetSubMenu(HMENU menu, int position);
int GetMenuItemCount(HMENU menu);
// -1 for a popup or a position out of range; 0 for a separator.
UINT GetMenuItemID(HMENU menu, int position);
int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int size, UINT flags);
// The previous MF_CHECKED state, or (DWORD)-1 for no such item. MF_BYCOMMAND finds ids in
// popups too.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
// The previous MF_GRAYED/MF_DISABLED state, or -1 for no such item.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable);
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, MENUITEMINFOW* info);
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, const MENUITEMINFOW* info);
HMENU GetMenu(HWND window);
BOOL SetMenu(HWND window, HMENU menu);
BOOL DrawMenuBar(HWND window);
// The chosen command: returned with TPM_RETURNCMD (0 when cancelled), otherwise posted to
// `owner` as WM_COMMAND and TRUE returned.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
// A menu resource by number (MAKEINTRESOURCE) from the module; null when it has none.
HMENU LoadMenuW(HINSTANCE module, LPCWSTR name);

inline BOOL AppendMenu(HMENU m, UINT f, UINT_PTR i, LPCWSTR t) { return AppendMenuW(m, f, i, t); }
inline BOOL InsertMenu(HMENU m, UINT p, UINT f, UINT_PTR i, LPCWSTR t) { return InsertMenuW(m, p, f, i, t); }
inline BOOL ModifyMenu(HMENU m, UINT p, UINT f, UINT_PTR i, LPCWSTR t) { return ModifyMenuW(m, p, f, i, t); }

namespace zhost {

// A new menu bar (or popup) from the template.
HMENU BuildMenu(const MenuTemplate& menu, bool popup = false);
// The item an answer names: an id, or a text; searched through the popups. Null for none.
const HMENU__::Item* FindMenuAnswer(HMENU menu, const std::wstring& answer);
// The transcript lines of the menu's items (the format above).
std::vector<std::wstring> DescribeMenuItems(HMENU menu, int indent = 2);
// True while a pop-up menu waits for the script's answer (a "%menu" now answers it).
bool PopupMenuIsWaiting();
// The item text as the script names it: "&" removed, the accelerator after a tab dropped, trimmed.
std::wstring PlainMenuText(const std::wstring& text);

}  // namespace zhost

class CWnd;

class CMenu {
 public:
  CMenu() = default;
  virtual ~CMenu();
  CMenu(const CMenu&) = delete;
  CMenu& operator=(const CMenu&) = delete;

  HMENU m_hMenu = nullptr;
  operator HMENU() const { return m_hMenu; }
  HMENU GetSafeHmenu() const { return m_hMenu; }
  // A temporary CMenu for the handle (kept while the menu lives); null for none.
  static CMenu* FromHandle(HMENU menu);

  // Menu resource `id` through the resource handle and the module chain.
  BOOL LoadMenu(UINT id);
  BOOL LoadMenu(LPCWSTR name);
  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  BOOL DestroyMenu();
  BOOL Attach(HMENU menu);
  HMENU Detach();

  CMenu* GetSubMenu(int position) const;
  UINT GetMenuItemCount() const;
  UINT GetMenuItemID(int position) const;
  int GetMenuString(UINT item, CString& text, UINT flags) const;
  int GetMenuString(UINT item, LPWSTR buffer, int size, UINT flags) const;
  UINT GetMenuState(UINT item, UINT flags) const;
  BOOL AppendMenu(UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
  BOOL InsertMenu(UINT position, UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
  BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR item = 0, LPCWSTR text = nullptr);
  BOOL DeleteMenu(UINT position, UINT flags);
  BOOL RemoveMenu(UINT position, UINT flags);
  UINT CheckMenuItem(UINT item, UINT check);
  UINT EnableMenuItem(UINT item, UINT enable);
  BOOL GetMenuItemInfo(UINT item, MENUITEMINFOW* info, BOOL byPosition = FALSE);
  BOOL SetMenuItemInfo(UINT item, const MENUITEMINFOW* info, BOOL byPosition = FALSE);
  BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, LPCRECT rect = nullptr);
};
