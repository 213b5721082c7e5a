// The texts a chain shows: segment texts with user texts and the sum, the lines with raised
// millimetres, prefix, suffix and alternate units, the label, the switches and the tolerance
// check of manual texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/win/TextConv.h"
#include "proxy/QBdim.h"
#include "tests/proxy/format/ChainFormatFixture.h"

namespace {

class ChainTexts : public ChainFormatFixture {
 protected:
  std::vector<std::wstring> Lines(QBdim* chain, int i, int expectedResult, AppendingText* app = nullptr) {
    CStringArray lines;
    lines.Add(L"stale");
    EXPECT_EQ(chain->GetTextLines(i, lines, app), expectedResult);
    std::vector<std::wstring> out;
    for (INT_PTR k = 0; k < lines.GetSize(); ++k) out.push_back(lines[k].str());
    return out;
  }
  void AltUnits(const wchar_t* measure, int decimals, const wchar_t* format) {
    options->arrayOptInt[IND_OPT_B_AltUnits] = 1;
    options->arrayOptString[IND_OPT_S_AltMeasure] = measure;
    options->arrayOptInt[IND_OPT_B_AltDecimals] = static_cast<UINT>(decimals);
    options->arrayOptString[IND_OPT_S_AltFormat] = format;
  }
};

using Texts = std::vector<std::wstring>;

TEST_F(ChainTexts, DimTextUserTextsAndSum) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 1.25, 3.0});
  chain->arrayText[1] = L"1.25#8";
  chain->arrayText[2] = L"1.75#4@abc";
  EXPECT_EQ(chain->GetDimText(1), L"1.25");
  EXPECT_EQ(chain->GetDimText(2), L"abc");
  EXPECT_EQ(chain->GetDimText(3), L"3.00");  // the sum
  EXPECT_EQ(chain->GetDimText(-1), L"000");
  // A numeric user text is a length in drawing units, written like a measurement.
  chain->arrayText[2] = L"1.75#4@1,5";
  EXPECT_EQ(chain->GetDimText(2), L"1.50");
  chain->arrayText[2] = L"1.75#4@- 0.5";
  EXPECT_EQ(chain->GetDimText(2), L"-0.50");
  chain->arrayText[2] = L"1.75#4@\u00D812";
  EXPECT_EQ(chain->GetDimText(2), L"\u00D812");
}

TEST_F(ChainTexts, MissingRecordGivesQuestionMarksAndKeepsTheOthers) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 1.0, 2.0});
  chain->arrayText[2] = L"1.00#8@user";
  EXPECT_EQ(chain->GetDimText(7), L"???");
  EXPECT_EQ(chain->arrayText.GetSize(), 3);
  EXPECT_EQ(chain->arrayText[2], L"1.00#8@user");

  chain->arrayText.SetSize(2);
  EXPECT_EQ(chain->GetDimText(2), L"???");
  EXPECT_EQ(chain->arrayText.GetSize(), 3);
  EXPECT_EQ(chain->arrayText[2], L"");
}

TEST_F(ChainTexts, RaisedPartPrefixAndSuffix) {
  QBdim* chain = MakeChain(L"m/cm", 4, {0.0, 1.2345});
  chain->arrayText[1] = L"1.23^45#8";
  EXPECT_EQ(Lines(chain, 1, 1), (Texts{L"1.23", L"45"}));
  chain->arrayText[1] = L"1.23^45#8@@pre@suf";
  EXPECT_EQ(Lines(chain, 1, 1), (Texts{L"pre 1.23", L"45", L" suf"}));
  chain->arrayText[1] = L"1.23^#8";  // nothing after "^": one line
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"1.23^"}));

  QBdim* plain = MakeChain(L"m", 2, {0.0, 1.25});
  plain->arrayText[1] = L"1.25#8@@pre@suf";
  EXPECT_EQ(Lines(plain, 1, 0), (Texts{L"pre 1.25 suf"}));
  plain->arrayText[1] = L"1.25#8@x\\Py^z";  // MText codes are never split
  EXPECT_EQ(Lines(plain, 1, 0), (Texts{L"x\\Py^z"}));
}

TEST_F(ChainTexts, AlternateUnitsAndTheirFormats) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 1.25, 2.0});
  chain->arrayText[1] = L"1.25#8";
  chain->arrayText[2] = L"0.75#8@@@suf";
  AltUnits(L"mm", 0, L"[#]");
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"1.25 [1250]"}));
  EXPECT_EQ(Lines(chain, 2, 0), (Texts{L"0.75 [750] suf"}));
  EXPECT_EQ(Lines(chain, 3, 0), (Texts{L"2.00 [2000]"}));  // the sum
  const struct {
    const wchar_t* format;
    const wchar_t* line;
  } formats[] = {
      {L"(9 mm)", L"1.25 (1250 mm)"}, {L"mm:", L"1.25 mm:1250"}, {L"%#%", L"1.25  1250 "},
      {L"[##]", L"1.25 [12501250]"},  {L"", L"1.25"},
  };
  for (const auto& f : formats) {
    options->arrayOptString[IND_OPT_S_AltFormat] = f.format;
    EXPECT_EQ(Lines(chain, 1, 0), (Texts{f.line})) << zhost::ToUtf8(f.format);
  }

  // The chain's status word turns them off; a text that is no number has none.
  options->arrayOptString[IND_OPT_S_AltFormat] = L"[#]";
  chain->arrayText[1] = L"1.25#8@abc";
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"abc"}));
  chain->arrayText[1] = L"1.25#8@1.5";
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"1.50 [1500]"}));
  chain->arrayInt[IND_I_AltUnitsStatus] = 2;
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"1.50"}));
}

TEST_F(ChainTexts, AlternateUnitsBesideRaisedDigitsAndFromTheOptionFile) {
  QBdim* chain = MakeChain(L"m/cm", 4, {0.0, 0.8456});
  chain->arrayText[1] = L"84^56#8@@@suf";
  AltUnits(L"mm", 0, L"[#]");
  EXPECT_EQ(Lines(chain, 1, 1), (Texts{L"84", L"56", L" [846] suf"}));

  const std::string file = dir.file("chain.ini");
  zktest::WriteFileBytes(file, "[General Info]\nAltFormat=<#>\nAltMeasure=cm\nAltDecimals=1\n");
  chain->arrayString[IND_S_IniFile] = CString(file.c_str());
  EXPECT_EQ(Lines(chain, 1, 1), (Texts{L"84", L"56", L" <84.6> suf"}));
}

TEST_F(ChainTexts, FullCircleIsMarkedBeforeThePrefix) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 0.0});
  chain->m_dimType = DIMTYPE_ARC;
  chain->arrayInt[IND_I_ArcDimAsCircle] = 1;
  chain->arrayText[1] = L"6.28#8@@pre";
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"pre U=6.28"}));
  chain->arrayInt[IND_I_ArcDimAsCircle] = 0;
  EXPECT_EQ(Lines(chain, 1, 0), (Texts{L"pre 6.28"}));
}

TEST_F(ChainTexts, AppendedTextsAndLabel) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 1.0});
  AppendingText app;
  app.strText = L"x";
  app.dValue = 2.5;
  EXPECT_EQ(Lines(chain, 1, 0, &app), (Texts{L"2.50"}));
  app.iPosition = 0;
  EXPECT_EQ(Lines(chain, 1, 0, &app), (Texts{L"x"}));
  app.iPosition = 1;
  app.strText = L"a^b";
  EXPECT_EQ(Lines(chain, 1, 1, &app), (Texts{L"a", L"b"}));

  chain->arrayString[IND_S_DimDescription] = L"3Achse A";
  EXPECT_EQ(Lines(chain, -100, 0), (Texts{L"Achse A"}));
  EXPECT_EQ(chain->GetChainLabel(), L"Achse A");
  EXPECT_EQ(chain->GetChainLabelPosition(), 3);
  chain->arrayString[IND_S_DimDescription] = L"2";
  EXPECT_EQ(chain->GetChainLabel(), L"");
  EXPECT_EQ(chain->GetChainLabelPosition(), 0);
}

TEST_F(ChainTexts, ParseDimText) {
  const struct {
    const wchar_t* text;
    double value;
  } cases[] = {{L"123^5", 123.5}, {L"1.23^45", 1.2345}, {L"1,23^45", 1.2345}, {L"12.5", 12.5},
               {L"12,5", 12.5},   {L"", 0.0},           {L"abc", 0.0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(QBdim::ParseDimText(c.text), c.value) << zhost::ToUtf8(c.text);
}

TEST_F(ChainTexts, SwitchesCombineStatusWordAndGlobalSwitch) {
  QBdim* chain = MakeChain(L"M/CM", 2, {0.0, 1.0});
  EXPECT_TRUE(chain->IsMCm());
  chain->arrayString[IND_S_Measure] = L"m";
  EXPECT_FALSE(chain->IsMCm());

  const struct {
    int status;
    int global;  // -1: no option object
    bool on;
  } table[] = {{1, 1, true}, {1, 0, true}, {1, -1, true}, {2, 1, false}, {2, 0, false}, {2, -1, false},
               {0, 1, true}, {0, 0, false}, {9, 1, true},  {9, 0, false}, {0, -1, true}};
  for (const auto& row : table) {
    chain->arrayInt[IND_I_SumStatus] = chain->arrayInt[IND_I_WipeOutStatus] =
        chain->arrayInt[IND_I_AltUnitsStatus] = static_cast<UINT>(row.status);
    const UINT global = row.global == 1 ? 1u : 0u;
    options->arrayOptInt[IND_OPT_B_ShowSumOfDim] = options->arrayOptInt[IND_OPT_B_WipeOut] =
        options->arrayOptInt[IND_OPT_B_AltUnits] = global;
    if (row.global < 0) pGlobDimOptions = nullptr;
    EXPECT_EQ(chain->IsShowSum(), row.on) << row.status << " " << row.global;
    EXPECT_EQ(chain->IsWipeOut(), row.on) << row.status << " " << row.global;
    EXPECT_EQ(chain->IsAltUnits(), row.on) << row.status << " " << row.global;
    pGlobDimOptions = options;
  }
}

TEST_F(ChainTexts, UserTextOutOfTolerance) {
  QBdim* chain = MakeChain(L"m", 2, {0.0, 1.25});
  // 1 mm on paper at 1:100 is 0.1 m in the drawing.
  options->dimSet.arrayDouble[IND_D_UserTextTolerance] = 1.0;
  const struct {
    const wchar_t* user;
    int out;
  } cases[] = {{L"1.3", 0}, {L"1,5", 1}, {L"1.0", 1}, {L"- 1.25", 1}, {L"abc", 0}, {L"", 0}};
  for (const auto& c : cases) {
    chain->arrayText[1] = CString(L"1.25#8@") + c.user;
    EXPECT_EQ(chain->IsUserTextOutOfTolerance(1), c.out) << zhost::ToUtf8(c.user);
  }
  chain->arrayText[1] = L"1.25#8@2";
  EXPECT_EQ(chain->IsUserTextOutOfTolerance(0), 0);
  EXPECT_EQ(chain->IsUserTextOutOfTolerance(2), 0);
  pGlobDimOptions = nullptr;
  EXPECT_EQ(chain->IsUserTextOutOfTolerance(1), 0);
  pGlobDimOptions = options;
  EXPECT_EQ(chain->IsUserTextOutOfTolerance(1), 1);
}

}  // namespace
