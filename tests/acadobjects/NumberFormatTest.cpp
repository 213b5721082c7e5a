// Number texts: FormatNumber, ParseNumber, ParseInt.
#include <gtest/gtest.h>

#include <string>

#include "acadobjects/NumberFormat.h"

namespace {

TEST(FormatNumberTest, WritesDecimalsTrimsSignAndSeparator) {
  struct Case {
    double value;
    int decimals;
    bool trim;
    const wchar_t* separator;
    const wchar_t* text;
  } cases[] = {
      {2.50, 2, true, nullptr, L"2.5"},
      {3.0, 2, true, nullptr, L"3"},
      {-0.001, 2, false, nullptr, L"0.00"},     // zero apart from the sign: no sign
      {-0.001, 2, true, nullptr, L"0"},
      {1234.5, 1, false, L",", L"1234,5"},
      {1234.5, 1, false, L".", L"1234.5"},
      {1234.5, 1, false, L"", L"1234.5"},       // an empty separator changes nothing
      {2.25, 2, false, L" dec ", L"2 dec 25"},
      {20.0, 0, true, nullptr, L"20"},          // without a separator no zero is trimmed
      {100.0, 2, true, L",", L"100"},
      {-1.5, 1, false, nullptr, L"-1.5"},
      {-0.04, 1, false, nullptr, L"0.0"},
      {0.125, 14, false, nullptr, L"0.12500000000000"},
      {1.0 / 3.0, 14, true, nullptr, L"0.33333333333333"},
      {2.5, 0, false, nullptr, L"2"},           // "%.0f" rounds half to even
      // Decimals outside 0..14: "%f" and always trimmed.
      {2.5, -1, false, nullptr, L"2.5"},
      {2.5, 15, false, nullptr, L"2.5"},
      {100.0, kFreeDecimals, false, nullptr, L"100"},
      {1.23456789, kFreeDecimals, false, L",", L"1,234568"},
      {1e-7, kFreeDecimals, false, nullptr, L"0"},
      {-1e-7, kFreeDecimals, false, nullptr, L"0"},   // "-0" is zero as well
      {-2.0, kFreeDecimals, false, nullptr, L"-2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::wstring(FormatNumber(c.value, c.decimals, c.trim, c.separator)), c.text)
        << c.value << " decimals " << c.decimals << " trim " << c.trim;
  }
}

TEST(FormatNumberTest, VeryLargeValuesAreWrittenInFull) {
  const std::wstring text(FormatNumber(1e300, 14));
  EXPECT_EQ(text.size(), 301u + 1u + 14u);
  EXPECT_EQ(text.substr(0, 2), L"10");
}

TEST(ParseNumberTest, ReadsCommaAndPointTexts) {
  struct Case {
    const wchar_t* text;
    double value;
  } cases[] = {
      {L"2,5", 2.5},     {L"2.5", 2.5},      {L"", 0.0},        {L"   ", 0.0},
      {L" 3.75 ", 3.75}, {L"-2,5", -2.5},    {L",5", 0.5},      {L".5", 0.5},
      {L"1,234.5", 1234.5},                  {L"1.234,5", 1234.5},
      {L"1,2,3", 1.2},   {L"1.2.3", 1.2},    {L"12abc", 12.0},  {L"abc", 0.0},
      {L"1e3", 1000.0},  {L"nan", 0.0},      {L"inf", 0.0},     {L"1e999", 0.0},
      {L"0,000", 0.0},   {L"7", 7.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(ParseNumber(c.text), c.value) << c.text;
  EXPECT_EQ(ParseNumber(nullptr), 0.0);
}

TEST(ParseNumberTest, ReadsBackWhatFormatNumberWrites) {
  for (double value : {0.0, 2.5, -17.125, 1234.5, 0.001}) {
    EXPECT_DOUBLE_EQ(ParseNumber(FormatNumber(value, 3, true, L",")), value);
    EXPECT_DOUBLE_EQ(ParseNumber(FormatNumber(value, 3, false)), value);
  }
}

TEST(ParseIntTest, ReadsTheLeadingWholeNumber) {
  EXPECT_EQ(ParseInt(L"42"), 42);
  EXPECT_EQ(ParseInt(L"  -7x"), -7);
  EXPECT_EQ(ParseInt(L"2,5"), 2);
  EXPECT_EQ(ParseInt(L"x1"), 0);
  EXPECT_EQ(ParseInt(L""), 0);
  EXPECT_EQ(ParseInt(nullptr), 0);
}

}  // namespace
