// List sections ("Item_0", "Item_1", ..., "LastItem"), pair entries ("key=value") and the reader
// of a whole section by key prefix.
#pragma once

#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"

// The most items a list section holds.
const int MAX_LIST_ITEMS = 100;

// Reads list `section` of `file` (null or empty: the option file) through the cache into `list`
// (emptied first): "Item_0" up to "Item_99", ending at the first missing or empty item; a value
// already in the list (case-insensitively) is dropped. Returns the number of values.
int LoadSection(CStringArray& list, const wchar_t* section, const wchar_t* file = nullptr);
// Writes `list` as list `section` of `file` (deferred), ending it with an empty item and
// "LastItem" = the last value. Returns the number of values.
int SaveSection(const CStringArray& list, const wchar_t* section, const wchar_t* file = nullptr);

// Splits "key=value" (trimmed); a third part stays in the value ("a=b=c" is a, "b=c"), later parts
// are dropped. False for a text without "=" or with an empty key.
bool SplitPairEntry(const wchar_t* text, CString& key, CString& value);

// Parses `file` itself and collects the keys of `section` that start with `prefix`
// (case-insensitive) with their values into `result` (emptied first). Returns their number.
int ReadSectionByPrefix(const wchar_t* file, const wchar_t* section, const wchar_t* prefix,
                        CMapStringToString& result);
