// The Microsoft C runtime's wide-string helpers with their Windows behaviour: numbers read and
// written in the C locale whatever the user's locale, case-insensitive compares that fold
// A-Z only (the C locale), the bounds-checked "_s" copies, and printf-style formatting with the
// Windows convention (%s takes a wide string; see host/win/WideFormat.h).
//
// Where the C runtime would call its invalid-parameter handler (and end the program), these
// return the error code instead: EINVAL for a null argument, ERANGE when the result does not
// fit (the destination then holds ""), STRUNCATE when _TRUNCATE cut the text.
#pragma once

#include <cstdarg>
#include <cstddef>

#include "host/win/WinTypes.h"

typedef int errno_t;

#ifndef STRUNCATE
#define STRUNCATE 80
#endif
#ifndef _TRUNCATE
#define _TRUNCATE ((size_t)-1)
#endif

// Leading blanks, an optional sign and decimal digits; 0 when there are none. _wtoi and _wtol
// saturate at the 32-bit range on overflow.
int _wtoi(const wchar_t* text);
long _wtol(const wchar_t* text);
long long _wtoi64(const wchar_t* text);
// A decimal number with "." as the separator ("2,5" reads as 2).
double _wtof(const wchar_t* text);

int _wcsicmp(const wchar_t* a, const wchar_t* b);
int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count);
wchar_t* _wcsupr(wchar_t* text);
wchar_t* _wcslwr(wchar_t* text);

errno_t wcscpy_s(wchar_t* dest, size_t size, const wchar_t* src);
errno_t wcsncpy_s(wchar_t* dest, size_t size, const wchar_t* src, size_t count);
errno_t wcscat_s(wchar_t* dest, size_t size, const wchar_t* src);

template <size_t N>
errno_t wcscpy_s(wchar_t (&dest)[N], const wchar_t* src) {
  return wcscpy_s(dest, N, src);
}
template <size_t N>
errno_t wcsncpy_s(wchar_t (&dest)[N], const wchar_t* src, size_t count) {
  return wcsncpy_s(dest, N, src, count);
}
template <size_t N>
errno_t wcscat_s(wchar_t (&dest)[N], const wchar_t* src) {
  return wcscat_s(dest, N, src);
}

// Writes the whole text and a NUL; -1 (and "") when it does not fit.
int vswprintf_s(wchar_t* buffer, size_t size, const wchar_t* format, va_list args);
int swprintf_s(wchar_t* buffer, size_t size, const wchar_t* format, ...);
template <size_t N, typename... Args>
int swprintf_s(wchar_t (&buffer)[N], const wchar_t* format, Args... args) {
  return swprintf_s(static_cast<wchar_t*>(buffer), N, format, args...);
}

// At most `count` characters; a NUL only when there is room. Returns the length, or -1 when
// the text was cut.
int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args);
int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...);

// Formats into a buffer of (at least) 1024 characters, the Windows limit: longer output is cut
// to 1023 characters and a NUL. Returns the number of characters stored.
int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args);
int wsprintfW(LPWSTR buffer, LPCWSTR format, ...);
