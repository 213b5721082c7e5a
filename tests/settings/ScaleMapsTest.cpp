// Scale texts, the scale-to-layer and text-height-to-colour maps, unit texts.
#include <gtest/gtest.h>

#include <cmath>

#include "settings/IniFiles.h"
#include "settings/ScaleMaps.h"
#include "tests/settings/SettingsFixture.h"

namespace {

class ScaleMaps : public SettingsFixture {
 protected:
  void SetUp() override {
    SettingsFixture::SetUp();
    Options().LoadOptions();  // a fresh main file with the default maps
  }
};

TEST_F(ScaleMaps, ScaleTextToNumber) {
  struct Case {
    const wchar_t* text;
    double value;
  } cases[] = {
      {L"1:100", 0.01}, {L"1:0", 0.01},   {L"0:50", 0.02},   {L"2", 2.0},         {L"abc", 1.0},
      {L"", 1.0},       {L"AnnoScale", 0.01}, {L"annoscale", 0.01}, {L"BMa\u00df", 0.01}, {L"2:1", 2.0},
      {L"1:2,5", 0.4},  {L"0", 1.0},       {L"nan", 1.0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(options->ScaleStr2Double(c.text), c.value) << c.text;
}

TEST_F(ScaleMaps, LayerForScaleWithTheDefaultMap) {
  EXPECT_EQ(std::wstring(options->GetLayerForScale(L"1:100")), L"DIM_1_100");
  EXPECT_EQ(std::wstring(options->GetLayerForScale(L"1:75")), L"DIM_1_X");
  options->iCurrentMode = MODE_HEIGHT_PLAN;
  EXPECT_EQ(std::wstring(options->GetLayerForScale(L"1:1000")), L"DIM_1_1000");
  options->mapScale2LayerHeight.RemoveAll();
  EXPECT_EQ(std::wstring(options->GetLayerForScale(L"1:100")), L"");
}

TEST_F(ScaleMaps, LayerDefaultColour) {
  EXPECT_EQ(options->Layer2DefaultColor(L"DIM_1_X"), 7);
  options->mapScale2Layer.SetAt(L"1:25", L"DIM_1_25=3");
  options->mapScale2Layer.SetAt(L"1:33", L"DIM_1_33");
  options->mapScale2Layer.SetAt(L"1:40", L"DIM_1_40=-2");
  std::wstring file = MainIniW();
  WriteEntryToIni(file.c_str(), L"Layer2DefaultColor", L"Item_0", L"dim_1_33=5");
  WriteEntryToIni(file.c_str(), L"Layer2DefaultColor", L"Item_1", L"Walls=2");
  WriteEntryToIni(file.c_str(), L"Layer2DefaultColor", L"Item_2", L"DIM_1_40=-4");
  EXPECT_EQ(options->Layer2DefaultColor(L"DIM_1_25"), 3);
  EXPECT_EQ(options->Layer2DefaultColor(L"DIM_1_33"), 5);
  EXPECT_EQ(options->Layer2DefaultColor(L"WALLS"), 2);
  EXPECT_EQ(options->Layer2DefaultColor(L"DIM_1_40"), 7);
  EXPECT_EQ(options->Layer2DefaultColor(L"Nowhere"), 7);
  EXPECT_EQ(options->Layer2DefaultColor(L"dim_1_25"), 7);  // the map is case-sensitive
  EXPECT_EQ(GetLayerDefaultColor(L"DIM_1_25"), 3);
  pGlobDimOptions = nullptr;
  EXPECT_EQ(GetLayerDefaultColor(L"DIM_1_25"), 7);
  pGlobDimOptions = options;
}

TEST_F(ScaleMaps, ColourForTextHeight) {
  EXPECT_EQ(options->GetColorForTextHeight(35), 3);
  EXPECT_EQ(options->GetColorForTextHeight(36), 0);
  EXPECT_EQ(options->GetColorForTextHeight(0), 7);  // a TrueType style
  EXPECT_EQ(options->GetColorForTextHeight(-1), 4);  // the current "TextHeight", 50
  options->iCurrentMode = MODE_TEXT;
  EXPECT_EQ(options->GetColorForTextHeight(100), 6);
  options->mapTextHeight2ColorText.RemoveAll();
  EXPECT_EQ(options->GetColorForTextHeight(100), 0);
}

TEST_F(ScaleMaps, LoadMapFromAListSection) {
  std::wstring file = FileW("maps.ini");
  zktest::WriteFileBytes(File("maps.ini"),
                         "[TXT_Scale2Layer]\nItem_0=1:10=T10=2\nItem_1=no pair\nItem_2=1:10=T10b=4\nItem_3=1:20=T20\n"
                         "[Parameters_INT]\nItem_0=ExtLine=1Ext;lines\n");
  EXPECT_EQ(options->LoadMap(MODE_TEXT, L"Scale2Layer", file.c_str()), 2);
  CString value;
  ASSERT_TRUE(options->mapScale2LayerText.Lookup(L"1:10", value));
  EXPECT_EQ(std::wstring(value), L"T10b=4");
  EXPECT_EQ(options->LoadMap(MODE_DIM, L"ExtLineLength", file.c_str()), 0);
  options->paramMap.SetAt(L"Kept", L"0");
  EXPECT_EQ(options->LoadMap(-100, L"Parameters_INT", file.c_str()), 2);
  // A missing section empties the map.
  EXPECT_EQ(options->LoadMap(MODE_TEXT, L"Scale2Layer", FileW("none.ini").c_str()), 0);
}

TEST_F(ScaleMaps, UnitTexts) {
  struct Case {
    const wchar_t* text;
    double value;
  } cases[] = {{L"1 m", 0.001}, {L"1 cm", 0.1}, {L"1 mm", 1.0}, {L"1 Zoll", 0.0393701}, {L"1 Fu\u00df", 0.0032808}};
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(AcadUnitsText2Value(c.text), c.value) << c.text;
    EXPECT_EQ(std::wstring(AcadUnitsValue2Text(c.value)), c.text);
  }
  EXPECT_DOUBLE_EQ(AcadUnitsText2Value(L"1 km"), 1.0);
  EXPECT_EQ(std::wstring(AcadUnitsValue2Text(0.0393702)), L"1 Zoll");
  EXPECT_EQ(std::wstring(AcadUnitsValue2Text(0.0032815)), L"1 Fu\u00df");
  EXPECT_EQ(std::wstring(AcadUnitsValue2Text(0.04)), L"1 mm");
  EXPECT_EQ(std::wstring(AcadUnitsValue2Text(0.0011)), L"1 mm");
}

}  // namespace
