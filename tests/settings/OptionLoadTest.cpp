// LoadOptions, SaveOptions and MakeDefaultIniValues against real files.
#include <gtest/gtest.h>

#include <string>

#include "frame/MainPalette.h"
#include "settings/IniFiles.h"
#include "ui/DlgMain.h"
#include "tests/settings/SettingsFixture.h"

namespace {

class OptionLoad : public SettingsFixture {
 protected:
  // The main INI file with `text` before the first load.
  void WriteMain(const std::string& text) { zktest::WriteFileBytes(MainIni(), text); }
  std::wstring OnDisk(const wchar_t* section, const wchar_t* key) {
    FlushIni();
    return DiskValue(MainIniW(), section, key);
  }
};

TEST_F(OptionLoad, FreshMainFileGetsStartEntriesAndDefaults) {
  Options().LoadOptions();
  EXPECT_EQ(std::wstring(options->strIniFile), MainIniW());
  EXPECT_EQ(std::wstring(options->strCurOptionsFile), MainIniW());
  EXPECT_EQ(OnDisk(L"General Info", L"TextMoveStep"), L"5");
  EXPECT_EQ(OnDisk(L"General Info", L"DefaultSection"), L"Decimal");
  EXPECT_EQ(OnDisk(L"MainOptions", L"TickSize"), L"4");
  EXPECT_EQ(OnDisk(L"MainOptions", L"DimByLine"), L"0");
  EXPECT_EQ(OnDisk(L"MainOptions", L"TextVectorByUCS"), L"1");
  EXPECT_EQ(OnDisk(L"DH_MainOptions", L"HDimDiameter"), L"10");
  EXPECT_EQ(OnDisk(L"DH_MainOptions", L"TickSize"), L"");
  EXPECT_EQ(OnDisk(L"TXT_MainOptions", L"ExtLine"), L"");
  EXPECT_EQ(OnDisk(L"TXT_MainOptions", L"Scale"), L"1:100");
  EXPECT_EQ(OnDisk(L"Scale2Layer", L"Item_0"), L"<Unbekannt>=DIM_1_X=7");
  EXPECT_EQ(OnDisk(L"DH_TextHeight2Color", L"Item_6"), L"100=6");
  EXPECT_EQ(OnDisk(L"DH_ExtLineLength", L"Item_6"), L"10");
  EXPECT_EQ(OnDisk(L"TXT_ExtLineLength", L"Item_0"), L"");
  // The main file is listed once.
  EXPECT_EQ(OnDisk(L"OptionsFiles", L"Item_0"), MainIniW());
  EXPECT_EQ(OnDisk(L"OptionsFiles", L"Item_1"), L"");

  EXPECT_EQ(std::wstring(options->dimSet.arrayString[IND_S_Scale]), L"1:100");
  EXPECT_DOUBLE_EQ(options->dimSet.arrayDouble[IND_D_ScaleVal], 0.01);
  EXPECT_EQ(options->dimSet.arrayDouble[IND_D_TextHeight], 50.0);
  EXPECT_EQ(options->dimSet.arrayDouble[IND_D_TickSize], 4.0);
  EXPECT_EQ(options->heightSet.arrayDouble[IND_D_HDimSize], 5.0);
  EXPECT_EQ(options->textSet.arrayDouble[IND_D_ExtLineLength], 0.0);
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_Decimals], 4u);
  EXPECT_EQ(std::wstring(options->heightSet.arrayString[IND_S_Measure]), L"m/cm");
  EXPECT_EQ(std::wstring(options->textSet.arrayString[IND_S_IniFile]), MainIniW());
  EXPECT_EQ(options->dimSet.arrayInt.GetSize(), 27);
  EXPECT_EQ(options->dimSet.arrayDouble.GetSize(), 18);
  EXPECT_EQ(options->dimSet.arrayString.GetSize(), 13);
  EXPECT_EQ(options->mapScale2Layer.GetCount(), 8);
  EXPECT_EQ(options->mapTextHeight2ColorText.GetCount(), 7);
  EXPECT_EQ(options->iCurrentMode, MODE_DIM);
  EXPECT_FALSE(options->m_bNoWrite);
}

TEST_F(OptionLoad, GeneralStringsTakeAndWriteTheirDefaults) {
  Options().LoadOptions();
  EXPECT_EQ(std::wstring(options->arrayOptString[IND_OPT_S_ScalePaperSpace]), L"1:1");
  EXPECT_EQ(std::wstring(options->arrayOptString[IND_OPT_S_AltFormatList]), L"[#],[ # ],<#>,< # >,=> #");
  EXPECT_EQ(OnDisk(L"General Info", L"AutoPosLocationOrder"), L"0,14,2,13,15,3");
  EXPECT_EQ(OnDisk(L"General Info", L"ScalePaperSpace"), L"1:1");
  EXPECT_EQ(OnDisk(L"General Info", L"AltFormat"), L"");
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AutoPosFlag1], 0u);
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AutoPosFlag2], 0u);
  ASSERT_EQ(options->arrayAutoPosOrder.GetSize(), 5);
  EXPECT_EQ(options->arrayAutoPosOrder[0], 14u);
  EXPECT_EQ(options->arrayAutoPosOrder[4], 3u);
}

TEST_F(OptionLoad, AutoPosLocationOrderFlagsAndCodes) {
  WriteMain("[General Info]\nAutoPosLocationOrder=3,14,2\n");
  Options().LoadOptions();
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AutoPosFlag1], 1u);
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AutoPosFlag2], 1u);
  ASSERT_EQ(options->arrayAutoPosOrder.GetSize(), 2);
  EXPECT_EQ(options->arrayAutoPosOrder[0], 14u);
  EXPECT_EQ(options->arrayAutoPosOrder[1], 2u);
  EXPECT_EQ(OnDisk(L"General Info", L"AutoPosLocationOrder"), L"3,14,2");
}

TEST_F(OptionLoad, StoredValuesAreNormalised) {
  struct Case {
    const char* altUnits;
    UINT loaded;
  } cases[] = {{"0", 9}, {"8", 9}, {"7", 7}, {"9", 9}, {"-7", 9}, {"", 9}};
  for (const Case& c : cases) {
    WriteMain(std::string("[MainOptions]\nTickSize=4\nAltUnitsStatus=") + c.altUnits +
              "\nAcadUnits=0\nDelimiter=a#b\n[DH_MainOptions]\nHDimSize=5\nTextAlignPlan=" + c.altUnits +
              "\n[TXT_MainOptions]\nScale=1:5\n");
    ResetIniState();
    CGlobDimOptions loaded;
    pGlobDimOptions = &loaded;
    loaded.LoadOptions();
    EXPECT_EQ(loaded.dimSet.arrayInt[IND_I_AltUnitsStatus], c.loaded) << c.altUnits;
    EXPECT_EQ(loaded.heightSet.arrayInt[IND_I_TextAlignPlan], c.loaded) << c.altUnits;
    EXPECT_EQ(loaded.dimSet.arrayDouble[IND_D_AcadUnits], 0.001);
    EXPECT_EQ(loaded.textSet.arrayDouble[IND_D_AcadUnits], 0.001);  // missing key
    EXPECT_EQ(std::wstring(loaded.dimSet.arrayString[IND_S_Delimiter]), L"");
    loaded.dimSet.arrayInt[IND_I_AltUnitsStatus] = 8;
    loaded.iCurrentMode = MODE_DIM;
    loaded.SaveOptions();
    EXPECT_EQ(OnDisk(L"MainOptions", L"AltUnitsStatus"), L"9");
    pGlobDimOptions = nullptr;
  }
}

TEST_F(OptionLoad, DelimiterComesFromTheDimSet) {
  WriteMain("[MainOptions]\nTickSize=4\nDelimiter=.\n[DH_MainOptions]\nHDimSize=5\nDelimiter=x\n"
            "[TXT_MainOptions]\nScale=1:5\nDelimiter=y\n");
  Options().LoadOptions();
  EXPECT_EQ(std::wstring(options->dimSet.arrayString[IND_S_Delimiter]), L".");
  EXPECT_EQ(std::wstring(options->heightSet.arrayString[IND_S_Delimiter]), L".");
  EXPECT_EQ(std::wstring(options->textSet.arrayString[IND_S_Delimiter]), L".");
  for (const char* bad : {"#", "@", "^", "1^2"}) {
    WriteMain(std::string("[MainOptions]\nTickSize=4\nDelimiter=") + bad + "\n");
    ResetIniState();
    options->LoadOptions();
    EXPECT_EQ(std::wstring(options->dimSet.arrayString[IND_S_Delimiter]), L"") << bad;
    EXPECT_EQ(std::wstring(options->textSet.arrayString[IND_S_Delimiter]), L"") << bad;
  }
}

TEST_F(OptionLoad, BoolAndIntFormsOfTheSharedSlots) {
  WriteMain("[MainOptions]\nTickSize=4\nMCmFrom10=5\nForbidLayer0=3\n[DH_MainOptions]\nHDimSize=5\n"
            "HIsReducedSize=5\nHPlusMinusHide=4\nHDimTextUnderline=2\n[TXT_MainOptions]\nScale=1:5\nMCmFrom10=2\n"
            "Format=3\n[DH_MainOptions]\nFormat=6\n");
  Options().LoadOptions();
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_MCmFrom10], 1u);
  EXPECT_EQ(options->textSet.arrayInt[IND_I_MCmFrom10], 1u);
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_ForbidLayer0], 1u);
  EXPECT_EQ(options->heightSet.arrayInt[IND_I_HIsReducedSize], 5u);
  EXPECT_EQ(options->heightSet.arrayInt[IND_I_HPlusMinusHide], 1u);
  EXPECT_EQ(options->heightSet.arrayInt[IND_I_HDimTextUnderline], 2u);
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_ArcDimMaxPoint], 0u);  // not loaded for chains
}

TEST_F(OptionLoad, OptionFileInUseAndItsList) {
  std::wstring optionFile = FileW("Office.ini");
  zktest::WriteFileBytes(File("Office.ini"), "[MainOptions]\nTickSize=3\nScale=1:50\n[Convert]\nAssociative=1\n");
  WriteMain("[General Info]\nCurOptionsFile=" + File("Office.ini") + "\n[OptionsFiles]\nItem_0=" + MainIni() + "\n");
  Options().LoadOptions();
  EXPECT_EQ(std::wstring(options->strCurOptionsFile), optionFile);
  EXPECT_EQ(options->dimSet.arrayDouble[IND_D_TickSize], 0.0);  // "TickSize" lives in the main file
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AcadDimAssociative], 1u);
  EXPECT_EQ(OnDisk(L"OptionsFiles", L"Item_1"), optionFile);
  EXPECT_EQ(OnDisk(L"OptionsFiles", L"LastItem"), optionFile);
  // Its height and text sets had no presence keys: their defaults went into the option file.
  EXPECT_EQ(DiskValue(optionFile, L"DH_MainOptions", L"HDimSize"), L"5");
  EXPECT_EQ(DiskValue(optionFile, L"MainOptions", L"TickSize"), L"3");

  // A named file that is gone gives way to the main file.
  ResetIniState();
  WriteMain("[General Info]\nCurOptionsFile=" + File("Gone.ini") + "\n");
  options->LoadOptions();
  EXPECT_EQ(std::wstring(options->strCurOptionsFile), MainIniW());
}

TEST_F(OptionLoad, ParameterDescriptionsPlaceKeysInTheOptionFile) {
  zktest::WriteFileBytes(UserFolder() + "DimParam.ini",
                         "[Parameters_DBL]\nItem_0=TextHeight=1Text height;Height of the texts\n"
                         "[Parameters_STR]\nItem_0=Scale=0Scale;Drawing scale\n");
  std::wstring optionFile = FileW("Office.ini");
  zktest::WriteFileBytes(File("Office.ini"), "[MainOptions]\nTextHeight=35\nScale=1:20\n");
  WriteMain("[General Info]\nCurOptionsFile=" + File("Office.ini") + "\n[MainOptions]\nScale=1:10\n");
  Options().LoadOptions();
  EXPECT_EQ(options->paramMap.GetCount(), 2);
  EXPECT_EQ(options->dimSet.arrayDouble[IND_D_TextHeight], 35.0);
  EXPECT_EQ(std::wstring(options->dimSet.arrayString[IND_S_Scale]), L"1:10");
  // Loaded once: a second load keeps the map.
  options->paramMap.SetAt(L"Extra", L"0x");
  options->LoadOptions();
  EXPECT_EQ(options->paramMap.GetCount(), 3);
}

TEST_F(OptionLoad, GeneralSwitchesFromTheMainFile) {
  WriteMain("[General Info]\nNoEditableParams=1\nDebugMsg=2\nExtNewPosition=1\nAltDecimals=3\nShowSumOfDim=1\n");
  Options().m_bNoWrite = true;
  options->iBusyState = 8;
  options->LoadOptions();
  EXPECT_TRUE(options->bNoEditableParams);
  EXPECT_FALSE(options->bDebugMsg);
  EXPECT_FALSE(options->m_bNoWrite);
  EXPECT_EQ(options->iBusyState, 0);
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_ExtNewPosition], 1u);
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_AltDecimals], 3u);
  EXPECT_EQ(options->arrayOptInt[IND_OPT_B_ShowSumOfDim], 1u);
}

TEST_F(OptionLoad, PaletteModeAndTypeWinAtTheEnd) {
  CDlgMain palette;
  palette.m_iCurrentMode = MODE_HEIGHT_PLAN;
  palette.m_iCurrentType = 2;
  dlgMyApp = &palette;
  Options().LoadOptions();
  dlgMyApp = nullptr;
  EXPECT_EQ(options->iCurrentMode, MODE_HEIGHT_PLAN);
  EXPECT_EQ(options->heightSet.arrayInt[IND_I_LastType], 2u);
  EXPECT_EQ(options->dimSet.arrayInt[IND_I_LastType], 0u);
}

TEST_F(OptionLoad, SaveAndLoadRoundTrip) {
  Options().LoadOptions();
  struct Change {
    int mode;
    int type;
    int index;
    const wchar_t* text;
    double number;
  } changes[] = {
      {MODE_DIM, OT_STRING, IND_S_Scale, L"1:20", 0},
      {MODE_ALL, OT_STRING, IND_S_Delimiter, L";", 0},
      {MODE_DIM, OT_DOUBLE, IND_D_TextHeight, nullptr, 2.5},
      {MODE_DIM, OT_DOUBLE, IND_D_UserTextTolerance, nullptr, 0.125},
      {MODE_DIM, OT_INT, IND_I_TrimZero, nullptr, 3},
      {MODE_DIM, OT_INT, IND_I_LastType, nullptr, 4},
      {MODE_HEIGHT, OT_DOUBLE, IND_D_HDimReducedSize, nullptr, 60},
      {MODE_HEIGHT, OT_INT, IND_I_HDimNoModify, nullptr, 1},
      {MODE_HEIGHT, OT_INT, IND_I_HIsReducedSize, nullptr, 2},
      {MODE_HEIGHT, OT_INT, IND_I_HPDimTextUnderline, nullptr, 1},
      {MODE_HEIGHT, OT_STRING, IND_S_UTextMarkLayer, L"MARKS", 0},
      {MODE_TEXT, OT_STRING, IND_S_TextStyle, L"Arial", 0},
      {MODE_TEXT, OT_DOUBLE, IND_D_AcadUnits, nullptr, 0.1},
      {MODE_TEXT, OT_INT, IND_I_AltUnitsStatus, nullptr, 7},
  };
  for (const Change& c : changes) {
    options->iCurrentMode = c.mode;
    if (c.type == OT_STRING) options->SetString(c.index, c.text);
    if (c.type == OT_DOUBLE) options->SetDouble(c.index, c.number);
    if (c.type == OT_INT) options->SetInt(c.index, static_cast<int>(c.number));
  }
  options->iCurrentMode = MODE_ALL;
  options->SaveOptions();
  EXPECT_EQ(options->iCurrentMode, MODE_ALL);
  FlushIni();

  ResetIniState();
  CGlobDimOptions reloaded;
  pGlobDimOptions = &reloaded;
  reloaded.LoadOptions();
  for (const Change& c : changes) {
    reloaded.iCurrentMode = c.mode;
    if (c.type == OT_STRING) {
      EXPECT_EQ(std::wstring(reloaded.GetString(c.index)), c.text) << c.index;
    } else if (c.type == OT_DOUBLE) {
      EXPECT_DOUBLE_EQ(reloaded.GetDouble(c.index), c.number) << c.index;
    } else {
      EXPECT_EQ(reloaded.GetInt(c.index), static_cast<int>(c.number)) << c.index;
    }
  }
  EXPECT_DOUBLE_EQ(reloaded.dimSet.arrayDouble[IND_D_ScaleVal], 0.05);
  EXPECT_EQ(std::wstring(reloaded.textSet.arrayString[IND_S_Delimiter]), L";");
  // Every loaded slot of every set matches.
  for (int mode : {MODE_DIM, MODE_HEIGHT, MODE_TEXT}) {
    const ModeOptionSet& a = options->SetOfMode(mode);
    const ModeOptionSet& b = reloaded.SetOfMode(mode);
    // ScaleVal follows "Scale" at load only.
    for (int i = 1; i < SIZE_ARRAY_DOUBLE; ++i) EXPECT_DOUBLE_EQ(a.arrayDouble[i], b.arrayDouble[i]) << mode << ":" << i;
    for (int i = 0; i < SIZE_ARRAY_STRING; ++i) EXPECT_EQ(a.arrayString[i], b.arrayString[i]) << mode << ":" << i;
    for (int i = 0; i < SIZE_ARRAY_INT; ++i) {
      if (i == IND_I_LayerWithoutScale) continue;  // saved, never loaded
      EXPECT_EQ(a.arrayInt[i], b.arrayInt[i]) << mode << ":" << i;
    }
  }
  pGlobDimOptions = options;
}

TEST_F(OptionLoad, SaveWritesOnlyTheSetsOfItsMode) {
  Options().LoadOptions();
  options->iCurrentMode = MODE_HEIGHT_PLAN;
  options->SetDouble(IND_D_HDimSize, 7);
  options->iCurrentMode = MODE_DIM;
  options->SetDouble(IND_D_TickSize, 9);
  options->iCurrentMode = MODE_HEIGHT_PLAN;
  options->SaveOptions();
  EXPECT_EQ(options->iCurrentMode, MODE_HEIGHT_PLAN);
  EXPECT_EQ(OnDisk(L"DH_MainOptions", L"HDimSize"), L"7");
  EXPECT_EQ(OnDisk(L"MainOptions", L"TickSize"), L"4");
  options->iCurrentMode = 9;
  options->SaveOptions();
  EXPECT_EQ(OnDisk(L"MainOptions", L"TickSize"), L"4");
}

TEST_F(OptionLoad, KeepMarkerValuesAreNotSaved) {
  Options().LoadOptions();
  options->SetString(IND_S_TextStyle, L"<var>");
  options->SaveOptions();
  EXPECT_EQ(OnDisk(L"MainOptions", L"TextStyle"), L"");
  EXPECT_NE(zktest::ReadFileBytes(MainIni()).find("TextStyle="), std::string::npos);
  EXPECT_EQ(zktest::ReadFileBytes(MainIni()).find("<var>"), std::string::npos);
}

}  // namespace
