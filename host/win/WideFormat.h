// printf-style formatting of wide strings with the Windows convention: in a wide format string
// %s and %c take wide arguments, %S and %C narrow ones, %I64d is a 64-bit integer. Numbers use
// the C locale whatever the user's locale is.
#pragma once

#include <cstdarg>
#include <string>

namespace zhost {

std::wstring FormatWideV(const wchar_t* format, va_list args);
std::wstring FormatWide(const wchar_t* format, ...);

// The format translated to the C library's wide convention (%s -> %ls and so on).
std::wstring TranslateWideFormat(const wchar_t* format);

}  // namespace zhost
