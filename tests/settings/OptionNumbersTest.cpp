// Number texts of the option files.
#include <gtest/gtest.h>

#include "settings/OptionNumbers.h"

namespace {

TEST(OptionNumbers, DoublesAreWrittenTrimmed) {
  struct Case {
    double value;
    const wchar_t* text;
  } cases[] = {
      {2.5, L"2.5"}, {10.0, L"10"}, {0.001, L"0.001"}, {-1.25, L"-1.25"}, {0.0, L"0"},
      {-0.0000001, L"0"}, {-0.0, L"0"}, {100.0, L"100"}, {0.0393701, L"0.03937"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::wstring(OptionDoubleText(c.value)), c.text) << c.value;
}

TEST(OptionNumbers, DoublesReadWithPointOrComma) {
  struct Case {
    const wchar_t* text;
    double value;
  } cases[] = {
      {L"2.5", 2.5}, {L"2,5", 2.5}, {L" 0,001 ", 0.001}, {L"", 0.0}, {L"abc", 0.0}, {L"0.0", 0.0}, {L"-3", -3.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(OptionTextToDouble(c.text), c.value) << c.text;
}

TEST(OptionNumbers, Ints) {
  EXPECT_EQ(std::wstring(OptionIntText(-42)), L"-42");
  EXPECT_EQ(OptionTextToInt(L"17abc"), 17);
  EXPECT_EQ(OptionTextToInt(L"x"), 0);
  EXPECT_EQ(OptionTextToInt(nullptr), 0);
  EXPECT_EQ(OptionTextToInt(L"99999999999999"), 2147483647);
}

}  // namespace
