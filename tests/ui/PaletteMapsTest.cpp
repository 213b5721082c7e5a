// The palette's fixed maps: tab visibility, text-alignment entries, rounding and scale texts.
#include <gtest/gtest.h>

#include "settings/GlobDimOptions.h"
#include "ui/DlgMain.h"

namespace {

TEST(PaletteMaps, TabTableShowsEachControlOnItsTabAndModes) {
  struct Case {
    int id;
    int tab;
    int mode;
    bool visible;
  } cases[] = {
      {IDC_TEXTHEIGHT, 0, MODE_DIM, true},       {IDC_TEXTHEIGHT, 1, MODE_DIM, false},
      {IDC_DIMLINESDIST, 0, MODE_DIM, true},     {IDC_DIMLINESDIST, 0, MODE_HEIGHT, false},
      {IDC_EXTLINE, 0, MODE_HEIGHT, true},       {IDC_EXTLINE, 0, MODE_HEIGHT_PLAN, false},
      {IDC_EXTLINE, 0, MODE_ALL, false},         {IDC_REDUCEDSIZE, 0, MODE_HEIGHT_PLAN, true},
      {IDC_REDUCEDSIZE, 0, MODE_DIM, false},     {IDC_TYPE_CHOICE, 0, MODE_TEXT, false},
      {IDC_TYPE_CHOICE, 0, MODE_HEIGHT, true},   {IDC_MEASURE, 1, MODE_DIM, true},
      {IDC_MEASURE, 1, MODE_TEXT, false},        {IDC_UNITS, 1, MODE_TEXT, true},
      {IDC_TEXTSTYLE, 0, MODE_DIM, false},       {IDC_TEXTALIGN, 2, MODE_HEIGHT, true},
      {IDC_TEXTPOS, 2, MODE_DIM, false},         {IDC_LAYER, 1, MODE_DIM, true},
      {IDC_LAYER, 0, MODE_ALL, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CDlgMain::IsTabControlVisible(c.id, c.tab, c.mode), c.visible) << c.id << " tab " << c.tab << " mode " << c.mode;
}

TEST(PaletteMaps, TextAlignmentEntriesMapBothWays) {
  const int mode3[] = {10, 11, 12, 7, 9, 4, 5, 6};
  for (int pos = 0; pos < 8; ++pos) {
    EXPECT_EQ(CDlgMain::TextAlignFromComboPos(MODE_HEIGHT, pos), mode3[pos]) << pos;
    EXPECT_EQ(CDlgMain::ComboPosFromTextAlign(MODE_HEIGHT, mode3[pos]), pos) << pos;
  }
  EXPECT_EQ(CDlgMain::TextAlignFromComboPos(MODE_HEIGHT, 8), 11);
  EXPECT_EQ(CDlgMain::ComboPosFromTextAlign(MODE_HEIGHT, 8), 3);
  EXPECT_EQ(CDlgMain::ComboPosFromTextAlign(MODE_HEIGHT, 99), 1);
  EXPECT_EQ(CDlgMain::TextAlignFromComboPos(MODE_HEIGHT_PLAN, 1), 9);
  EXPECT_EQ(CDlgMain::TextAlignFromComboPos(MODE_HEIGHT_PLAN, 5), 7);
  for (int code : {1, 4, 7, 10}) EXPECT_EQ(CDlgMain::ComboPosFromTextAlign(MODE_HEIGHT_PLAN, code), 0) << code;
  EXPECT_EQ(CDlgMain::ComboPosFromTextAlign(MODE_HEIGHT_PLAN, 9), 1);
}

TEST(PaletteMaps, RoundingAndScaleTexts) {
  EXPECT_EQ(CDlgMain::RoundMMFromText(L"2.5 mm"), 2);
  EXPECT_EQ(CDlgMain::RoundMMFromText(L"5   mm"), 5);
  EXPECT_EQ(CDlgMain::RoundMMFromText(L""), 0);
  EXPECT_EQ(CDlgMain::RoundMMFromText(L"7 mm"), 0);
  EXPECT_EQ(CDlgMain::RoundMMText(0), CString(L""));
  EXPECT_EQ(CDlgMain::RoundMMText(2), CString(L"2.5 mm"));
  EXPECT_EQ(CDlgMain::RoundMMText(1), CString(L"5   mm"));
  EXPECT_EQ(CDlgMain::NormaliseScaleText(L"250"), CString(L"1:250"));
  EXPECT_EQ(CDlgMain::NormaliseScaleText(L"1"), CString(L"1"));
  EXPECT_EQ(CDlgMain::NormaliseScaleText(L"1:50"), CString(L"1:50"));
  EXPECT_EQ(CDlgMain::NormaliseScaleText(L"AnnoScale"), CString(L"AnnoScale"));
}

}  // namespace
