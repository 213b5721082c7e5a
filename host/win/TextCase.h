// Case-insensitive comparison as the Windows profile and module-name lookups do it: letters of
// the Latin, Greek and Cyrillic alphabets compare equal to their other case, whatever the locale.
#pragma once

#include <string>

namespace zhost {

// The lower-case form of ch where the alphabets above have one; ch itself otherwise.
wchar_t FoldCase(wchar_t ch);
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

}  // namespace zhost
