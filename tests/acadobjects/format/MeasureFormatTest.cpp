// FormatMeasure over every unit, rounding, trimming, separator and sign; alternate units from the
// option object and from an option file; IsNumber.
#include <gtest/gtest.h>

#include <string>

#include "acadobjects/MeasureFormat.h"
#include "host/win/TextConv.h"
#include "tests/acadobjects/format/FormatFixture.h"

namespace {

const wchar_t* const kFeetInchDecimal = L"0'-0.00\"";
const wchar_t* const kFeetInchFraction = L"0'-0 1/16\"";

struct Case {
  int type;
  double value;
  const wchar_t* unit;
  int decimals;
  double acadUnits;
  int roundMM;
  bool trim;
  const wchar_t* delimiter;
  bool from10;
  const wchar_t* text;
};

class MeasureFormat : public FormatFixture {
 protected:
  std::wstring Format(const Case& c) {
    OptionArrays set = Set(c.unit, c.decimals, c.acadUnits);
    set.ints[IND_I_RoundMM] = static_cast<UINT>(c.roundMM);
    set.ints[IND_I_TrimZero] = c.trim ? 1 : 0;
    set.ints[IND_I_MCmFrom10] = c.from10 ? 1 : 0;
    set.strings[IND_S_Delimiter] = c.delimiter;
    return FormatMeasure(c.type, c.value, set.strings, set.ints, set.doubles).str();
  }
};

TEST_F(MeasureFormat, Table) {
  const Case cases[] = {
      // m/cm: metres from 1 m (10 m with MCmFrom10), the millimetres raised from 3 decimals on.
      {2, 1.2345, L"m/cm", 4, 0.001, 0, false, L".", false, L"1.23^45"},
      {2, 1.2345, L"m/cm", 4, 0.001, 0, false, L".", true, L"123^45"},
      {2, 0.845, L"m/cm", 3, 0.001, 0, false, L".", false, L"84^5"},
      {2, 0.846, L"m/cm", 2, 0.001, 0, false, L".", false, L"85"},
      {2, 1.5, L"M/CM", 2, 0.001, 0, false, L".", false, L"1.50"},
      {2, 1.5, L"m/cm", 2, 0.001, 0, true, L".", false, L"1.5"},
      {2, 1.5, L"m/cm", 0, 0.001, 0, false, L",", false, L"1,50"},
      {2, 1.23, L"m/cm", 4, 0.001, 0, false, L".", false, L"1.23^0"},
      {2, 1.2305, L"m/cm", 4, 0.001, 0, false, L".", false, L"1.23^05"},
      {2, 1230.0, L"m/cm", 3, 1.0, 0, false, L".", false, L"1.23^0"},
      // Base and raised digits from the same rounded millimetres: 1239.6 mm is 1.24 m and 0 mm.
      {2, 1.2396, L"m/cm", 3, 0.001, 0, false, L".", false, L"1.24^0"},
      {2, 0.9996, L"m/cm", 3, 0.001, 0, false, L".", false, L"100^0"},
      // Height marks are always in metres; host dimensions get MText stacking.
      {3, 0.845, L"m/cm", 4, 0.001, 0, false, L".", false, L"0.84^5"},
      {5, 0.845, L"m/cm", 3, 0.001, 0, false, L".", false, L"\\A1;84{\\H0.7x;\\S5^;}"},
      {5, 2.5, L"m/cm", 2, 0.001, 0, false, L".", false, L"2.50"},
      // m, cm, mm, ft and the feet-and-inch forms.
      {2, 1.2346, L"m", 3, 0.001, 0, false, L".", false, L"1.235"},
      {2, 1.5, L"m", 3, 0.001, 0, true, L",", false, L"1,5"},
      {2, 1.2346, L"cm", 1, 0.001, 0, false, L".", false, L"123.5"},
      {2, 1.2346, L"mm", 0, 0.001, 0, false, L".", false, L"1235"},
      {2, 1500.0, L"", 2, 1.0, 0, false, L",", false, L"1500,00"},
      {2, 1.5, L"mm", 0, 0.0, 0, false, L".", false, L"1500"},  // AcadUnits 0 means metres
      {2, 457.2, L"ft", 2, 1.0, 0, false, L".", false, L"1.50"},
      {2, 368.3, kFeetInchDecimal, 2, 1.0, 0, false, L".", false, L"1'-2.50\""},
      {2, 368.3, kFeetInchFraction, 4, 1.0, 0, false, L".", false, L"1'-2 1/2\""},
      {2, 0.3683, kFeetInchFraction, 3, 0.001, 0, false, L".", false, L"1'-2 1/2\""},
      // Rounding to half (any non-zero value) and quarter (2) centimetres.
      {2, 1237.0, L"mm", 1, 1.0, 1, false, L".", false, L"1235.0"},
      {2, 1238.0, L"mm", 1, 1.0, 1, false, L".", false, L"1240.0"},
      {2, 1222.0, L"mm", 1, 1.0, 5, false, L".", false, L"1220.0"},
      {2, 1213.0, L"mm", 1, 1.0, 2, false, L".", false, L"1212.5"},
      {2, 1216.0, L"mm", 1, 1.0, 2, false, L".", false, L"1215.0"},
      {2, 1211.0, L"mm", 1, 1.0, 2, false, L".", false, L"1210.0"},
      {2, 1219.0, L"mm", 1, 1.0, 2, false, L".", false, L"1220.0"},
      {2, 1.2239, L"m/cm", 3, 0.001, 2, false, L".", false, L"1.22^5"},
      {2, 1.2237, L"m/cm", 4, 0.001, 2, false, L".", false, L"1.22^25"},
      {2, 0.5, L"mm", 1, 1.0, 1, false, L".", false, L"0.5"},  // one digit of tenths: kept
      // Sign and zero.
      {2, -1.5, L"m", 2, 0.001, 0, false, L".", false, L"-1.50"},
      {2, -0.845, L"m/cm", 3, 0.001, 0, false, L".", false, L"-84^5"},
      {2, -1237.0, L"mm", 0, 1.0, 1, false, L".", false, L"-1235"},
      {5, -1.5, L"m", 2, 0.001, 0, false, L".", false, L"-1.50"},
      {5, -12.0, L"m/cm", 3, 0.001, 0, false, L".", false, L"\\A1;-12.00{\\H0.7x;\\S0^;}"},
      {5, -0.845, L"m/cm", 3, 0.001, 0, false, L".", false, L"\\A1;-84{\\H0.7x;\\S5^;}"},
      {2, -368.3, kFeetInchFraction, 4, 1.0, 0, false, L".", false, L"-1'-2 1/2\""},
      {2, -0.0001, L"m", 2, 0.001, 0, false, L".", false, L"0.00"},
      {2, 0.0, L"m", 2, 0.001, 0, false, L".", false, L""},
      {5, 0.0, L"m/cm", 3, 0.001, 0, false, L".", false, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Format(c), c.text) << "type " << c.type << " value " << c.value << " unit " << zhost::ToUtf8(c.unit);
  }
}

TEST_F(MeasureFormat, ZeroAcadUnitsIsRepairedInTheArray) {
  OptionArrays set = Set(L"m", 2, 0.0);
  FormatMeasure(2, 1.0, set.strings, set.ints, set.doubles);
  EXPECT_EQ(set.doubles[IND_D_AcadUnits], 0.001);
}

TEST_F(MeasureFormat, ShortArraysUseMetresAndNoOptions) {
  CStringArray strings;
  CUIntArray ints;
  CArray<double, double> doubles;
  EXPECT_EQ(FormatMeasure(2, 1.25, strings, ints, doubles), L"1250");
}

TEST_F(MeasureFormat, WithoutOptionObjectTheValueIsShownRaw) {
  OptionArrays set = Set(L"m", 2);
  pGlobDimOptions = nullptr;
  EXPECT_EQ(FormatMeasure(2, 1.5, set.strings, set.ints, set.doubles), L"...<1.500000>");
  pGlobDimOptions = options;
}

TEST_F(MeasureFormat, AlternateUnitsFromOptionObjectAndOptionFile) {
  OptionArrays set = Set(L"m/cm", 4);
  options->arrayOptString[IND_OPT_S_AltMeasure] = L"mm";
  options->arrayOptInt[IND_OPT_B_AltDecimals] = 1;
  EXPECT_EQ(FormatMeasure(-2, 1.2345, set.strings, set.ints, set.doubles), L"1234.5");
  EXPECT_EQ(FormatMeasure(-2, -1.2345, set.strings, set.ints, set.doubles), L"-1234.5");
  EXPECT_EQ(FormatMeasure(2, 1.2345, set.strings, set.ints, set.doubles), L"1.23^45");

  // The chain's option file decides when it is set; an entry it lacks keeps the global value.
  const std::string file = dir.file("chain.ini");
  zktest::WriteFileBytes(file, "[General Info]\nAltMeasure=cm\nAltDecimals=2\n");
  set.strings[IND_S_IniFile] = CString(file.c_str());
  EXPECT_EQ(FormatMeasure(-2, 1.2345, set.strings, set.ints, set.doubles), L"123.45");

  const std::string partial = dir.file("partial.ini");
  zktest::WriteFileBytes(partial, "[General Info]\nAltMeasure=m\n");
  set.strings[IND_S_IniFile] = CString(partial.c_str());
  EXPECT_EQ(FormatMeasure(-2, 1.2345, set.strings, set.ints, set.doubles), L"1.2");
}

TEST(IsNumberTest, NumbersAndTexts) {
  const wchar_t* numbers[] = {L"1.5", L"1,5", L"12", L"-3", L"- 3.25", L"-\t4", L".5", L"1.234,5"};
  for (const wchar_t* t : numbers) EXPECT_TRUE(IsNumber(t)) << zhost::ToUtf8(t);
  const wchar_t* texts[] = {L"", L"-", L"abc", L"1.5m", L"12 5", L"1+2", L"3-4", L"\u00B15", L"12^5",
                            L"2*3", L"1/2", L"1:50", L"a;b", L"5'", L"?", L"!", L"5\"", L"\u00D812",
                            L"(12)", L"=", L"12%", L"ABC", L" 12", L"."};
  for (const wchar_t* t : texts) EXPECT_FALSE(IsNumber(t)) << zhost::ToUtf8(t);
  EXPECT_DOUBLE_EQ(NumberOfText(L"- 1,5"), -1.5);
  EXPECT_DOUBLE_EQ(NumberOfText(L"2.25"), 2.25);
}

}  // namespace
