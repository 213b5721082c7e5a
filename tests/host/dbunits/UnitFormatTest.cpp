// acdbRToS: the linear unit formats with their precisions, the system-variable defaults and the
// refused inputs.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "host/db/AcDbUnitFormat.h"
#include "host/ed/SysVars.h"

namespace {

std::wstring RToS(double value, int unit, int prec) {
  wchar_t buffer[128] = {0};
  EXPECT_EQ(acdbRToS(value, unit, prec, buffer, 128), RTNORM) << value << " " << unit << " " << prec;
  return buffer;
}

struct Case {
  double value;
  int unit;
  int prec;
  const wchar_t* text;
};

TEST(UnitFormat, FormatsAndPrecisions) {
  const Case cases[] = {
      {15.5, kLUnitsScientific, 4, L"1.5500E+01"},
      {15.5, kLUnitsDecimal, 4, L"15.5000"},
      {15.5, kLUnitsDecimal, 0, L"16"},
      {-2.345, kLUnitsDecimal, 2, L"-2.35"},
      {-0.001, kLUnitsDecimal, 2, L"0.00"},
      {3.0, kLUnitsDecimal, 12, L"3.00000000"},  // at most 8 decimals
      {14.5, kLUnitsEngineering, 2, L"1'-2.50\""},
      {6.0, kLUnitsEngineering, 2, L"0'-6.00\""},
      {12.0, kLUnitsEngineering, 0, L"1'-0\""},
      {23.999, kLUnitsEngineering, 2, L"2'-0.00\""},  // rounding carries into the feet
      {-14.5, kLUnitsEngineering, 1, L"-1'-2.5\""},
      {14.5, kLUnitsArchitectural, 4, L"1'-2 1/2\""},
      {14.5625, kLUnitsArchitectural, 4, L"1'-2 9/16\""},
      {14.5625, kLUnitsArchitectural, 2, L"1'-2 1/2\""},
      {14.3, kLUnitsArchitectural, 0, L"1'-2\""},
      {12.0, kLUnitsArchitectural, 4, L"1'-0\""},
      {11.99, kLUnitsArchitectural, 4, L"1'-0\""},
      {0.5, kLUnitsArchitectural, 4, L"0'-0 1/2\""},
      {0.0, kLUnitsArchitectural, 4, L"0'-0\""},
      {-26.25, kLUnitsArchitectural, 3, L"-2'-2 1/4\""},
      {14.5, kLUnitsFractional, 4, L"14 1/2"},
      {0.75, kLUnitsFractional, 4, L"3/4"},
      {3.0, kLUnitsFractional, 4, L"3"},
  };
  for (const Case& c : cases) EXPECT_EQ(RToS(c.value, c.unit, c.prec), c.text) << c.value << " " << c.unit << " " << c.prec;
}

TEST(UnitFormat, RefusesBadUnitPrecisionValueAndBuffer) {
  wchar_t buffer[8] = {L'x', 0};
  EXPECT_EQ(acdbRToS(1.0, 0, 2, buffer, 8), RTERROR);
  EXPECT_EQ(buffer[0], 0);
  EXPECT_EQ(acdbRToS(1.0, 6, 2, buffer, 8), RTERROR);
  EXPECT_EQ(acdbRToS(1.0, kLUnitsDecimal, -2, buffer, 8), RTERROR);
  EXPECT_EQ(acdbRToS(std::numeric_limits<double>::infinity(), kLUnitsDecimal, 2, buffer, 8), RTERROR);
  EXPECT_EQ(acdbRToS(1.0, kLUnitsDecimal, 2, nullptr, 8), RTERROR);
  // "1.00" needs five characters with the NUL: four are refused and nothing is written past them.
  wchar_t small[5] = {L'a', L'b', L'c', L'd', L'#'};
  EXPECT_EQ(acdbRToS(1.0, kLUnitsDecimal, 2, small, 4), RTERROR);
  EXPECT_EQ(small[0], 0);
  EXPECT_EQ(small[4], L'#');
  EXPECT_EQ(acdbRToS(1.0, kLUnitsDecimal, 2, small, 5), RTNORM);
  EXPECT_EQ(std::wstring(small), L"1.00");
}

TEST(UnitFormat, MinusOneTakesTheSystemVariablesWhenDefined) {
  zhost::SysVars& vars = zhost::SysVars::instance();
  if (!vars.has(L"LUNITS")) {
    EXPECT_EQ(RToS(2.5, -1, -1), L"2.5000");
    vars.define(L"LUNITS", zhost::SysVarValue::Int(4));
  }
  if (!vars.has(L"LUPREC")) vars.define(L"LUPREC", zhost::SysVarValue::Int(4));
  vars.set(L"LUNITS", zhost::SysVarValue::Int(4));
  vars.set(L"LUPREC", zhost::SysVarValue::Int(1));
  EXPECT_EQ(RToS(14.5, -1, -1), L"1'-2 1/2\"");
  EXPECT_EQ(RToS(14.5, kLUnitsDecimal, -1), L"14.5");
}

}  // namespace
