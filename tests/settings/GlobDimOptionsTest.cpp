// The option object: keys, single-option reads and writes, the in-memory sets, keep markers.
#include <gtest/gtest.h>

#include "settings/IniFiles.h"
#include "settings/OptionTable.h"
#include "tests/settings/SettingsFixture.h"

namespace {

class OptionObject : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    Options().strIniFile = GetIniFileName();
    options->strCurOptionsFile = options->strIniFile;
  }
  std::wstring Main(const wchar_t* section, const wchar_t* key) {
    FlushIni();
    return DiskValue(MainIniW(), section, key);
  }
};

TEST_F(OptionObject, KeysByTypeIndexAndMode) {
  struct Case {
    int type, index, mode;
    const wchar_t* key;
  } cases[] = {
      {OT_INT, IND_I_MCmFrom10, MODE_DIM, L"MCmFrom10"},
      {OT_BOOL, IND_I_HIsReducedSize, MODE_HEIGHT, L"HIsReducedSize"},
      {OT_INT, IND_I_AltUnitsStatus, MODE_HEIGHT_PLAN, L"TextAlignPlan"},
      {OT_INT, IND_I_AltUnitsStatus, MODE_TEXT, L"AltUnitsStatus"},
      {OT_INT, IND_I_ExtLine, MODE_HEIGHT, L"ExtLine"},
      {OT_DOUBLE, IND_D_TickSize, MODE_DIM, L"TickSize"},
      {OT_DOUBLE, IND_D_HDimSize, MODE_HEIGHT, L"HDimSize"},
      {OT_DOUBLE, IND_D_DimLineDist, MODE_ALL, L"DimLineDist"},
      {OT_STRING, IND_S_DimDescription, MODE_HEIGHT, L"HK_Auto_Handle1"},
      {OT_STRING, IND_S_HK_Auto_Handle2, MODE_DIM, L"HK_Auto_Handle2"},
      {OT_GEN_INT, IND_OPT_B_AcadDimAssociative, MODE_HEIGHT, L"AcadDimAssociative"},
      {OT_GEN_STRING, IND_OPT_S_AltFormatList, MODE_DIM, L"AltFormatList"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::wstring(options->GetOptionKey(c.type, c.index, c.mode)), c.key) << c.key;
  }
  options->iCurrentMode = MODE_HEIGHT_PLAN;
  EXPECT_EQ(std::wstring(options->GetOptionKey(OT_DOUBLE, IND_D_ExtendBeyondTick, 0)), L"HDimDiameter");
  EXPECT_TRUE(Transcript().empty());
}

TEST_F(OptionObject, SlotWithoutKeyGetsTheFallbackAndALine) {
  EXPECT_EQ(std::wstring(options->GetOptionKey(OT_INT, IND_I_FormatCopy, MODE_DIM)), L"Option2-7");
  EXPECT_EQ(std::wstring(options->GetOptionKey(OT_GEN_INT, IND_OPT_B_AutoPosFlag1, MODE_DIM)), L"Option6-12");
  EXPECT_EQ(Transcript(), L"\n>>>>> Option2-7 <<<<<\n>>>>> Option6-12 <<<<<");
}

TEST_F(OptionObject, ModePredicatesAndSets) {
  EXPECT_TRUE(options->IsHeightMode(MODE_HEIGHT_PLAN));
  EXPECT_FALSE(options->IsHeightMode(MODE_TEXT));
  EXPECT_TRUE(options->IsPlanMode(MODE_HEIGHT_PLAN));
  EXPECT_FALSE(options->IsPlanMode(MODE_HEIGHT));
  options->iCurrentMode = MODE_TEXT;
  EXPECT_TRUE(options->IsTextMode());
  EXPECT_EQ(&options->SetOfMode(-1), &options->textSet);
  EXPECT_EQ(&options->SetOfMode(7), &options->dimSet);
  EXPECT_EQ(std::wstring(CGlobDimOptions::SectionPrefix(4)), L"DH_");
  EXPECT_EQ(std::wstring(CGlobDimOptions::SectionPrefix(9)), L"");
}

TEST_F(OptionObject, SetIntInModeFourAndModeOne) {
  options->iCurrentMode = MODE_HEIGHT_PLAN;
  EXPECT_TRUE(options->SetInt(IND_I_Decimals, 3));
  EXPECT_EQ(options->heightSet.arrayInt[IND_I_Decimals], 3u);
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_Decimals], 0u);
  EXPECT_EQ(options->textSet.arrayInt[IND_I_Decimals], 0u);
  options->iCurrentMode = MODE_ALL;
  EXPECT_TRUE(options->SetInt(IND_I_Decimals, 5));
  for (ModeOptionSet* set : {&options->dimSet, &options->heightSet, &options->textSet}) {
    EXPECT_EQ(set->arrayInt[IND_I_Decimals], 5u);
  }
}

TEST_F(OptionObject, SettersRefuseWhileNoWriteOrForNegativeIndexAndGrow) {
  options->m_bNoWrite = true;
  EXPECT_FALSE(options->SetDouble(IND_D_TextHeight, 3.0));
  EXPECT_FALSE(options->SetString(IND_S_Scale, L"1:5"));
  EXPECT_EQ(options->dimSet.arrayDouble[IND_D_TextHeight], 0.0);
  options->m_bNoWrite = false;
  EXPECT_FALSE(options->SetInt(-1, 3));
  EXPECT_TRUE(options->SetString(40, L"far"));
  EXPECT_EQ(options->dimSet.arrayString.GetSize(), 41);
  EXPECT_EQ(std::wstring(options->GetString(40)), L"far");
}

TEST_F(OptionObject, GettersOutOfRange) {
  options->SetDouble(IND_D_TextHeight, 2.5);
  EXPECT_EQ(options->GetDouble(IND_D_TextHeight), 2.5);
  EXPECT_EQ(options->GetDouble(18), 0.0);
  EXPECT_EQ(Transcript(), L" !!!!GetDouble( 18 ) size=18 ");
  EXPECT_EQ(options->GetDouble(-1), 0.0);
  EXPECT_EQ(options->GetInt(27), 0);
  EXPECT_EQ(options->GetInt(-3), 0);
  EXPECT_EQ(std::wstring(options->GetString(13)), L"?");
}

TEST_F(OptionObject, WriteOptionInModeOneWritesEverySection) {
  options->iCurrentMode = MODE_ALL;
  EXPECT_TRUE(options->WriteOptionDouble(IND_D_TextHeight, 2.5));
  for (const wchar_t* section : {L"MainOptions", L"DH_MainOptions", L"TXT_MainOptions"}) {
    EXPECT_EQ(Main(section, L"TextHeight"), L"2.5") << section;
  }
}

TEST_F(OptionObject, WriteOptionSectionsAndFiles) {
  options->iCurrentMode = MODE_HEIGHT;
  options->WriteOptionInt(IND_I_HIsReducedSize, 1);
  options->WriteGeneralInt(IND_OPT_B_WipeOut, 1);
  options->WriteGeneralString(IND_OPT_S_AltMeasure, L"mm");
  EXPECT_EQ(Main(L"DH_MainOptions", L"HIsReducedSize"), L"1");
  EXPECT_EQ(Main(L"MainOptions", L"HIsReducedSize"), L"");
  EXPECT_EQ(Main(L"General Info", L"WipeOut"), L"1");
  EXPECT_EQ(Main(L"General Info", L"AltMeasure"), L"mm");

  // A key that the parameter descriptions mark lives in the option file.
  std::wstring optionFile = FileW("opt.ini");
  zktest::WriteFileBytes(File("opt.ini"), "[MainOptions]\n");
  options->strCurOptionsFile = optionFile.c_str();
  options->paramMap.SetAt(L"Scale", L"1Scale;the drawing scale");
  options->paramMap.SetAt(L"Measure", L"0Unit;not in the option file");
  options->iCurrentMode = MODE_DIM;
  options->WriteOptionString(IND_S_Scale, L"1:20");
  options->WriteOptionString(IND_S_Measure, L"cm");
  FlushIni();
  EXPECT_EQ(DiskValue(optionFile, L"MainOptions", L"Scale"), L"1:20");
  EXPECT_EQ(DiskValue(MainIniW(), L"MainOptions", L"Scale"), L"");
  EXPECT_EQ(DiskValue(MainIniW(), L"MainOptions", L"Measure"), L"cm");
  EXPECT_EQ(std::wstring(options->ReadOption(OT_STRING, IND_S_Scale)), L"1:20");
}

TEST_F(OptionObject, KeepMarkersAreNeverWritten) {
  EXPECT_TRUE(CGlobDimOptions::IsKeepMarker(L"<VAR>"));
  EXPECT_TRUE(CGlobDimOptions::IsKeepMarker(L"<beibehalten>"));
  EXPECT_TRUE(CGlobDimOptions::IsKeepMarker(L"<BEIBEHALTEN>"));
  EXPECT_FALSE(CGlobDimOptions::IsKeepMarker(L"var"));
  EXPECT_FALSE(CGlobDimOptions::IsKeepMarker(L""));
  EXPECT_FALSE(options->WriteOptionString(IND_S_Scale, L"<var>"));
  EXPECT_FALSE(options->WriteGeneralString(IND_OPT_S_AltFormat, L"<beibehalten>"));
  EXPECT_FALSE(IsIniBufferDirty(INI_BUFFER_MAIN));
  EXPECT_EQ(Main(L"MainOptions", L"Scale"), L"");
  options->m_bNoWrite = true;
  EXPECT_FALSE(options->WriteOptionString(IND_S_Scale, L"1:5"));
  EXPECT_EQ(Main(L"MainOptions", L"Scale"), L"");
}

TEST_F(OptionObject, TypedReaders) {
  zktest::WriteFileBytes(MainIni(),
                         "[MainOptions]\nTextHeight=2,5\nDecimals=3\nMCmFrom10=7\n[TXT_MainOptions]\nScale=1:20\n"
                         "[General Info]\nAltUnits=1\nAltFormat=<#>\n");
  EXPECT_EQ(options->ReadOptionDouble(IND_D_TextHeight), 2.5);
  EXPECT_EQ(options->ReadOptionInt(IND_I_Decimals), 3);
  EXPECT_TRUE(options->ReadOptionBool(IND_I_MCmFrom10));
  EXPECT_EQ(options->ReadGeneralInt(IND_OPT_B_AltUnits), 1);
  EXPECT_EQ(std::wstring(options->ReadGeneralString(IND_OPT_S_AltFormat)), L"<#>");
  options->iCurrentMode = MODE_TEXT;
  EXPECT_EQ(std::wstring(options->ReadOptionString(IND_S_Scale)), L"1:20");
}

TEST_F(OptionObject, MapsByModeAndName) {
  EXPECT_EQ(options->GetMap(MODE_DIM, L"Scale2Layer"), &options->mapScale2Layer);
  EXPECT_EQ(options->GetMap(MODE_HEIGHT_PLAN, L"TextHeight2Color"), &options->mapTextHeight2ColorHeight);
  EXPECT_EQ(options->GetMap(MODE_TEXT, L"Scale2Layer"), &options->mapScale2LayerText);
  EXPECT_EQ(options->GetMap(MODE_DIM, L"Layer2DefaultColor"), nullptr);
}

TEST(OptionTableData, EveryStepNamesAKeyedSlot) {
  for (size_t i = 0; i < kOptionStepCount; ++i) {
    const OptionStepRow& step = kOptionSteps[i];
    bool computed = step.load == LoadForm::CurOptionsFile || step.load == LoadForm::ScaleValue ||
                    step.load == LoadForm::CopyFormat;
    if (!computed) {
      EXPECT_NE(FindOptionKey(step.type, step.index), nullptr) << i;
    }
  }
}

}  // namespace
