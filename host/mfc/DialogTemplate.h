// The parsed forms of the resources that the dialog layer builds from: dialog templates with
// their controls, menus with their popups and items, icons and bitmaps (the file name as data)
// and toolbars (button ids and separators). Positions are in dialog units.
#pragma once

#include <string>
#include <vector>

#include "host/win/WinTypes.h"

namespace zhost {

struct DialogControlTemplate {
  std::wstring text;       // caption; for ICON controls the icon's name or id as written
  int id = 0;              // -1 for IDC_STATIC
  std::wstring className;  // "Button", "Edit", "ComboBox", "ListBox", "Static", "ScrollBar" or a custom class
  DWORD style = 0;         // complete style, WS_CHILD included
  DWORD exStyle = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  int line = 0;            // of the statement in the script
};

struct DialogTemplate {
  UINT id = 0;
  bool extended = false;   // DIALOGEX
  DWORD style = 0;
  DWORD exStyle = 0;
  std::wstring caption;
  UINT menuId = 0;         // the MENU statement; 0 for none
  std::wstring fontName;
  int fontSize = 0;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::vector<DialogControlTemplate> controls;
  const DialogControlTemplate* findControl(int controlId) const {
    for (const auto& c : controls)
      if (c.id == controlId) return &c;
    return nullptr;
  }
};

// Menu item flags as the resource script gives them (MF_* values of the menu layer).
struct MenuItemTemplate {
  std::wstring text;
  UINT id = 0;
  UINT flags = 0;          // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_MENUBARBREAK, MF_MENUBREAK, MF_HELP
  bool separator = false;
  bool popup = false;
  std::vector<MenuItemTemplate> items;  // of a popup
};

struct MenuTemplate {
  UINT id = 0;
  bool extended = false;   // MENUEX
  std::vector<MenuItemTemplate> items;
};

// ICON and BITMAP resources: the id and the file the script names.
struct ImageResource {
  UINT id = 0;
  std::wstring file;
};

struct ToolbarResource {
  UINT id = 0;
  int buttonWidth = 0, buttonHeight = 0;
  std::vector<UINT> buttons;  // button ids in order; 0 stands for a SEPARATOR
};

}  // namespace zhost
