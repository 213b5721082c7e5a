// Resource scripts: the parsed form of a module's .rc text (UTF-8) and its parser.
//
// Syntax read: "//" and "/* */" comments; lines starting with "#" (#include, #define, #pragma)
// are ignored; STRINGTABLE blocks (BEGIN/END or { }) of `id [,] "text"` entries with numeric
// ids 0..65535, string literals with "" for a quote and the escapes \n \t \r \\ \" \a \0 \xHHHH.
// Several STRINGTABLE blocks may appear. Other resource statements (DIALOGEX, MENU, BITMAP,
// VERSIONINFO ...) are skipped with their block, nesting included, and listed in `skipped`.
// Any input parses: what cannot be read is reported in `problems` and skipped.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/win/WinTypes.h"

namespace zhost {

// One kind of resource keyed by id. Dialog templates and menus join as further tables.
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
  std::vector<SkippedResource> skipped;
  std::vector<std::wstring> problems;  // "line N: ..." (at most the first 100)
};

ResourceScript ParseResourceScript(const char* text, size_t size);
ResourceScript ParseResourceScript(const std::string& text);

}  // namespace zhost
