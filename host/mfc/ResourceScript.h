// Resource scripts: the parsed form of a module's .rc text (UTF-8) and its parser.
//
// Syntax read: "//" and "/* */" comments; lines starting with "#" (#include, #define, #pragma)
// are ignored; STRINGTABLE blocks (BEGIN/END or { }) of `id [,] "text"` entries with numeric
// ids 0..65535, string literals with "" for a quote and the escapes \n \t \r \\ \" \a \0 \xHHHH.
// Several STRINGTABLE blocks may appear.
//
// Resources with a numeric id 1..65535 are read into their tables:
//   id DIALOG|DIALOGEX x, y, cx, cy [, help]  with STYLE, EXSTYLE, CAPTION, MENU, FONT, CLASS,
//      LANGUAGE, CHARACTERISTICS, VERSION, then a block of controls: CONTROL "text", id, class,
//      style, x, y, cx, cy [, exstyle] and the shorthands LTEXT, RTEXT, CTEXT, PUSHBUTTON,
//      DEFPUSHBUTTON, PUSHBOX, CHECKBOX, AUTOCHECKBOX, STATE3, AUTO3STATE, RADIOBUTTON,
//      AUTORADIOBUTTON, GROUPBOX ("text", id, x, y, cx, cy [, style [, exstyle]]), EDITTEXT,
//      COMBOBOX, LISTBOX, SCROLLBAR (id, x, y, cx, cy [, style [, exstyle]]) and ICON (icon, id,
//      x, y [, cx, cy [, style [, exstyle]]]). Styles are expressions of numbers and the named
//      constants of host/win/WinStyles.h joined by | or +; NOT name removes a bit from the
//      statement's default style.
//   id MENU|MENUEX  with POPUP "text" [, flags] blocks, MENUITEM "text", id [, flags] and
//      MENUITEM SEPARATOR (flags CHECKED, GRAYED, INACTIVE, MENUBARBREAK, MENUBREAK, HELP; in
//      MENUEX the id, type and state numbers or MFT_/MFS_ names).
//   id ICON "file", id BITMAP "file", id TOOLBAR cx, cy with BUTTON id and SEPARATOR rows.
// Other statements (VERSIONINFO, resources with symbolic ids ...) are skipped with their
// block, nesting included, and listed in `skipped`. Any input parses: what cannot be read is
// reported in `problems` and skipped.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/mfc/DialogTemplate.h"
#include "host/win/WinTypes.h"

namespace zhost {

// The string table, keyed by id.
struct StringTable {
  std::map<UINT, std::wstring> entries;
  // The text of `id`, or null when there is none.
  const std::wstring* find(UINT id) const;
};

struct SkippedResource {
  std::wstring kind;  // the statement's keyword, e.g. "DIALOGEX"
  std::wstring name;  // the resource's id or name as written, may be empty
  int line = 0;
};

struct ResourceScript {
  StringTable strings;
  std::map<UINT, DialogTemplate> dialogs;
  std::map<UINT, MenuTemplate> menus;
  std::map<UINT, ImageResource> icons;
  std::map<UINT, ImageResource> bitmaps;
  std::map<UINT, ToolbarResource> toolbars;
  std::vector<SkippedResource> skipped;
  std::vector<std::wstring> problems;  // "line N: ..." (at most the first 100)
};

ResourceScript ParseResourceScript(const char* text, size_t size);
ResourceScript ParseResourceScript(const std::string& text);

}  // namespace zhost
