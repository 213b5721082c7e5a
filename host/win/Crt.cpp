// Wide C runtime helpers in the C locale.
#include "host/win/Crt.h"

#include <locale.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cwchar>
#include <string>

#include "host/win/WideFormat.h"

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }
wchar_t UpperAscii(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

// The decimal value of the text's leading integer, saturated at the 64-bit range.
long long ParseInteger(const wchar_t* text, long long low, long long high) {
  if (!text) return 0;
  const wchar_t* p = text;
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == L'-' || *p == L'+') negative = *p++ == L'-';
  unsigned long long limit = negative ? static_cast<unsigned long long>(-(low + 1)) + 1 : static_cast<unsigned long long>(high);
  unsigned long long value = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) {
    unsigned digit = static_cast<unsigned>(*p - L'0');
    if (value > (limit - digit) / 10) return negative ? low : high;
    value = value * 10 + digit;
  }
  if (!negative) return static_cast<long long>(value);
  return value == limit ? low : -static_cast<long long>(value);
}

locale_t CLocale() {
  static locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

errno_t Range(wchar_t* dest) {
  dest[0] = 0;
  return ERANGE;
}

}  // namespace

int _wtoi(const wchar_t* text) { return static_cast<int>(ParseInteger(text, INT32_MIN, INT32_MAX)); }
long _wtol(const wchar_t* text) { return static_cast<long>(ParseInteger(text, INT32_MIN, INT32_MAX)); }
long long _wtoi64(const wchar_t* text) { return ParseInteger(text, LLONG_MIN, LLONG_MAX); }

double _wtof(const wchar_t* text) {
  if (!text) return 0.0;
  return ::wcstod_l(text, nullptr, CLocale());
}

int _wcsicmp(const wchar_t* a, const wchar_t* b) {
  if (!a || !b) return a == b ? 0 : (a ? 1 : -1);
  for (;; ++a, ++b) {
    wchar_t ca = LowerAscii(*a), cb = LowerAscii(*b);
    if (ca != cb || !ca) return static_cast<int>(ca) - static_cast<int>(cb);
  }
}

int _wcsnicmp(const wchar_t* a, const wchar_t* b, size_t count) {
  if (!a || !b) return a == b ? 0 : (a ? 1 : -1);
  for (size_t i = 0; i < count; ++i) {
    wchar_t ca = LowerAscii(a[i]), cb = LowerAscii(b[i]);
    if (ca != cb || !ca) return static_cast<int>(ca) - static_cast<int>(cb);
  }
  return 0;
}

wchar_t* _wcsupr(wchar_t* text) {
  for (wchar_t* p = text; p && *p; ++p) *p = UpperAscii(*p);
  return text;
}

wchar_t* _wcslwr(wchar_t* text) {
  for (wchar_t* p = text; p && *p; ++p) *p = LowerAscii(*p);
  return text;
}

errno_t wcscpy_s(wchar_t* dest, size_t size, const wchar_t* src) {
  if (!dest || size == 0) return EINVAL;
  if (!src) {
    dest[0] = 0;
    return EINVAL;
  }
  size_t n = std::wcslen(src);
  if (n >= size) return Range(dest);
  std::wmemcpy(dest, src, n + 1);
  return 0;
}

errno_t wcsncpy_s(wchar_t* dest, size_t size, const wchar_t* src, size_t count) {
  if (!dest || size == 0) return EINVAL;
  if (!src) {
    dest[0] = 0;
    return count == 0 ? 0 : EINVAL;
  }
  size_t n = 0;
  while (n < count && src[n]) ++n;
  if (n >= size) {
    if (count != _TRUNCATE) return Range(dest);
    std::wmemcpy(dest, src, size - 1);
    dest[size - 1] = 0;
    return STRUNCATE;
  }
  std::wmemcpy(dest, src, n);
  dest[n] = 0;
  return 0;
}

errno_t wcscat_s(wchar_t* dest, size_t size, const wchar_t* src) {
  if (!dest || size == 0) return EINVAL;
  size_t have = 0;
  while (have < size && dest[have]) ++have;
  if (have == size) return Range(dest);  // not terminated within its size
  if (!src) {
    dest[0] = 0;
    return EINVAL;
  }
  size_t n = std::wcslen(src);
  if (have + n >= size) return Range(dest);
  std::wmemcpy(dest + have, src, n + 1);
  return 0;
}

int vswprintf_s(wchar_t* buffer, size_t size, const wchar_t* format, va_list args) {
  if (!buffer || size == 0) return -1;
  if (!format) {
    buffer[0] = 0;
    return -1;
  }
  std::wstring text = zhost::FormatWideV(format, args);
  if (text.size() >= size) {
    buffer[0] = 0;
    return -1;
  }
  std::wmemcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

int swprintf_s(wchar_t* buffer, size_t size, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  int n = vswprintf_s(buffer, size, format, args);
  va_end(args);
  return n;
}

int _vsnwprintf(wchar_t* buffer, size_t count, const wchar_t* format, va_list args) {
  if (!format || (!buffer && count > 0)) return -1;
  std::wstring text = zhost::FormatWideV(format, args);
  if (text.size() > count) {
    if (count > 0) std::wmemcpy(buffer, text.data(), count);
    return -1;
  }
  std::wmemcpy(buffer, text.data(), text.size());
  if (text.size() < count) buffer[text.size()] = 0;
  return static_cast<int>(text.size());
}

int _snwprintf(wchar_t* buffer, size_t count, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  int n = _vsnwprintf(buffer, count, format, args);
  va_end(args);
  return n;
}

int wvsprintfW(LPWSTR buffer, LPCWSTR format, va_list args) {
  if (!buffer) return 0;
  if (!format) {
    buffer[0] = 0;
    return 0;
  }
  const size_t kLimit = 1024;
  std::wstring text = zhost::FormatWideV(format, args);
  if (text.size() >= kLimit) text.resize(kLimit - 1);
  std::wmemcpy(buffer, text.c_str(), text.size() + 1);
  return static_cast<int>(text.size());
}

int wsprintfW(LPWSTR buffer, LPCWSTR format, ...) {
  va_list args;
  va_start(args, format);
  int n = wvsprintfW(buffer, format, args);
  va_end(args);
  return n;
}
