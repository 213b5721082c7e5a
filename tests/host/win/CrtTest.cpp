// The wide C runtime helpers: C-locale numbers, bounded copies and Windows printf results.
#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <string>

#include "host/win/Crt.h"

namespace {

TEST(Crt, NumbersInTheCLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  std::string saved = previous ? previous : "C";
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // if present, it must not matter
  EXPECT_DOUBLE_EQ(_wtof(L"2.5"), 2.5);
  EXPECT_DOUBLE_EQ(_wtof(L"  -1.25e2xyz"), -125.0);
  EXPECT_DOUBLE_EQ(_wtof(L"2,5"), 2.0);
  EXPECT_DOUBLE_EQ(_wtof(L"abc"), 0.0);
  std::setlocale(LC_NUMERIC, saved.c_str());

  EXPECT_EQ(_wtoi(L"  42abc"), 42);
  EXPECT_EQ(_wtoi(L"-17"), -17);
  EXPECT_EQ(_wtoi(L"+8"), 8);
  EXPECT_EQ(_wtoi(L"x1"), 0);
  EXPECT_EQ(_wtoi(nullptr), 0);
  EXPECT_EQ(_wtoi(L"99999999999"), 2147483647);
  EXPECT_EQ(_wtoi(L"-99999999999"), -2147483647 - 1);
  EXPECT_EQ(_wtol(L"-2147483648"), -2147483647L - 1);
  EXPECT_EQ(_wtoi64(L"1099511627776"), 1099511627776LL);
}

TEST(Crt, CaseInsensitiveCompareFoldsAsciiOnly) {
  EXPECT_EQ(_wcsicmp(L"Layer", L"LAYER"), 0);
  EXPECT_LT(_wcsicmp(L"abc", L"ABD"), 0);
  EXPECT_GT(_wcsicmp(L"abcd", L"ABC"), 0);
  EXPECT_EQ(_wcsnicmp(L"QTRV_Hdim", L"qtrv_other", 5), 0);
  EXPECT_NE(_wcsnicmp(L"QTRV_Hdim", L"qtrv_other", 6), 0);
}

TEST(Crt, BoundedCopiesNeverOverrun) {
  wchar_t buf[6];
  EXPECT_EQ(wcscpy_s(buf, L"12345"), 0);
  EXPECT_EQ(std::wstring(buf), L"12345");
  EXPECT_EQ(wcscpy_s(buf, L"123456"), ERANGE);
  EXPECT_EQ(buf[0], 0);
  EXPECT_EQ(wcscpy_s(buf, 6, nullptr), EINVAL);
  EXPECT_EQ(wcsncpy_s(buf, L"abcdefgh", 3), 0);
  EXPECT_EQ(std::wstring(buf), L"abc");
  EXPECT_EQ(wcsncpy_s(buf, L"abcdefgh", _TRUNCATE), STRUNCATE);
  EXPECT_EQ(std::wstring(buf), L"abcde");
  EXPECT_EQ(wcsncpy_s(buf, L"abcdefgh", 7), ERANGE);
  wcscpy_s(buf, L"ab");
  EXPECT_EQ(wcscat_s(buf, L"cd"), 0);
  EXPECT_EQ(std::wstring(buf), L"abcd");
  EXPECT_EQ(wcscat_s(buf, L"ef"), ERANGE);
  EXPECT_EQ(buf[0], 0);
}

TEST(Crt, PrintfResultsAsOnWindows) {
  wchar_t buf[8];
  EXPECT_EQ(swprintf_s(buf, L"%s=%d", L"k", 42), 4);
  EXPECT_EQ(std::wstring(buf), L"k=42");
  EXPECT_EQ(swprintf_s(buf, 8, L"%s", L"too long text"), -1);
  EXPECT_EQ(buf[0], 0);

  wchar_t raw[4] = {L'x', L'x', L'x', L'x'};
  EXPECT_EQ(_snwprintf(raw, 4, L"%d", 12), 2);
  EXPECT_EQ(std::wstring(raw), L"12");
  EXPECT_EQ(_snwprintf(raw, 4, L"%d", 1234), 4);  // exactly full: no NUL
  EXPECT_EQ(std::wstring(raw, 4), L"1234");
  EXPECT_EQ(_snwprintf(raw, 4, L"%d", 12345), -1);

  std::wstring big(2000, L'a');
  wchar_t log[1024];
  EXPECT_EQ(wsprintfW(log, L"%s", big.c_str()), 1023);
  EXPECT_EQ(std::wstring(log), big.substr(0, 1023));
  EXPECT_EQ(wsprintfW(log, L"%s %.2f", L"v", 2.5), 6);
  EXPECT_EQ(std::wstring(log), L"v 2.50");
}

}  // namespace
