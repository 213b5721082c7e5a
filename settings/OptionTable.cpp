// The option set as data: keys, load and save steps, defaults.
#include "settings/OptionTable.h"

#include "settings/GlobDimOptions.h"

unsigned SetsOfMode(int mode) {
  if (mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN) return SETS_HEIGHT;
  if (mode == MODE_TEXT) return SETS_TEXT;
  return SETS_DIM;
}

#define ROWS(a) (sizeof(a) / sizeof((a)[0]))

// Slots and their keys. Slots not listed (ints 7 and 24-26, doubles 10 and 14-17, strings 8-12,
// general ints 12 and 13) have no key.
const OptionKeyRow kOptionKeys[] = {
    {OT_INT, IND_I_ExtLine, L"ExtLine", nullptr, nullptr},
    {OT_INT, IND_I_TextAlign, L"TextAlign", nullptr, nullptr},
    {OT_INT, IND_I_RoundMM, L"RoundMM", nullptr, nullptr},
    {OT_INT, IND_I_LastType, L"LastType", nullptr, nullptr},
    {OT_INT, IND_I_Decimals, L"Decimals", nullptr, nullptr},
    {OT_INT, IND_I_Format, L"Format", nullptr, nullptr},
    {OT_INT, IND_I_TextPosition, L"TextPosition", nullptr, nullptr},
    {OT_INT, IND_I_HDimNoModify, L"HDimNoModify", nullptr, nullptr},
    {OT_INT, IND_I_MCmFrom10, L"MCmFrom10", L"HIsReducedSize", nullptr},
    {OT_INT, IND_I_ArcDimMinPoint, L"ArcDimMinPoint", nullptr, nullptr},
    {OT_INT, IND_I_ArcDimMaxPoint, L"ArcDimMaxPoint", L"HDimTextUnderline", nullptr},
    {OT_INT, IND_I_ArcDimAsCircle, L"ArcDimAsCircle", L"HPlusMinusHide", nullptr},
    {OT_INT, IND_I_AppVersion, L"AppVersion", nullptr, nullptr},
    {OT_INT, IND_I_ArcDimCW, L"ArcDimCW", L"HUserText", nullptr},
    {OT_INT, IND_I_ArcDimInputArcIsCircle, L"ArcDimInputArcIsCircle", nullptr, nullptr},
    {OT_INT, IND_I_TrimZero, L"TrimZero", nullptr, nullptr},
    {OT_INT, IND_I_LayerWithoutScale, L"LayerWithoutScale", nullptr, nullptr},
    {OT_INT, IND_I_ForbidLayer0, L"ForbidLayer0", nullptr, nullptr},
    {OT_INT, IND_I_DirectionExt, L"DirectionExt", L"HAutoValue1", nullptr},
    {OT_INT, IND_I_SumStatus, L"SumStatus", L"HAutoValue2", nullptr},
    {OT_INT, IND_I_WipeOutStatus, L"WipeOutStatus", nullptr, nullptr},
    {OT_INT, IND_I_AltUnitsStatus, L"AltUnitsStatus", L"TextAlignPlan", nullptr},
    {OT_INT, IND_I_HPDimTextUnderline, L"HPDimTextUnderline", nullptr, nullptr},

    {OT_DOUBLE, IND_D_ScaleVal, L"ScaleVal", nullptr, nullptr},
    {OT_DOUBLE, IND_D_TextHeight, L"TextHeight", nullptr, nullptr},
    {OT_DOUBLE, IND_D_ExtLineLength, L"ExtLineLength", nullptr, nullptr},
    {OT_DOUBLE, IND_D_DimLinesDistance, L"DimLinesDistance", nullptr, nullptr},
    {OT_DOUBLE, IND_D_TickSize, L"TickSize", L"HDimSize", nullptr},
    {OT_DOUBLE, IND_D_ExtendBeyondDimLine, L"ExtendBeyondDimLine", nullptr, nullptr},
    {OT_DOUBLE, IND_D_ExtendBeyondTick, L"ExtendBeyondTick", L"HDimDiameter", nullptr},
    {OT_DOUBLE, IND_D_TextOffset, L"TextOffset", nullptr, nullptr},
    {OT_DOUBLE, IND_D_ExpTextHeight, L"ExpTextHeight", nullptr, nullptr},
    {OT_DOUBLE, IND_D_AcadUnits, L"AcadUnits", nullptr, nullptr},
    {OT_DOUBLE, IND_D_OffsetFromOrigin, L"OffsetFromOrigin", nullptr, nullptr},
    {OT_DOUBLE, IND_D_UserTextTolerance, L"UserTextTolerance", nullptr, nullptr},
    {OT_DOUBLE, IND_D_DimLineDist, L"DimLineDist", L"HDimReducedSize", nullptr},

    {OT_STRING, IND_S_Scale, L"Scale", nullptr, nullptr},
    {OT_STRING, IND_S_TextStyle, L"TextStyle", nullptr, nullptr},
    {OT_STRING, IND_S_Measure, L"Measure", nullptr, nullptr},
    {OT_STRING, IND_S_IniFile, L"IniFile", nullptr, nullptr},
    {OT_STRING, IND_S_UTextMarkLayer, L"UTextMarkLayer", nullptr, nullptr},
    {OT_STRING, IND_S_Delimiter, L"Delimiter", nullptr, nullptr},
    {OT_STRING, IND_S_DimDescription, L"DimDescription", L"HK_Auto_Handle1", nullptr},
    {OT_STRING, IND_S_HK_Auto_Handle2, L"HK_Auto_Handle2", nullptr, nullptr},

    {OT_GEN_INT, IND_OPT_B_DimByLine, L"DimByLine", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_ExtNewPosition, L"ExtNewPosition", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_ShowInputPoints, L"ShowInputPoints", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_HDimAlign, L"HDimAlign", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_AcadDimAssociative, L"AcadDimAssociative", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_ShowBaseHDAsXline, L"ShowBaseHDAsXline", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_IgnoreUserTextTolerance, L"IgnoreUserTextTolerance", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_ShowSumOfDim, L"ShowSumOfDim", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_ZenkoraContextMenuAlways, L"ZenkoraContextMenuAlways", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_LeadersShow, L"LeadersShow", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_WipeOut, L"WipeOut", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_AutoPosition, L"AutoPosition", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_AltUnits, L"AltUnits", nullptr, nullptr},
    {OT_GEN_INT, IND_OPT_B_AltDecimals, L"AltDecimals", nullptr, nullptr},

    {OT_GEN_STRING, IND_OPT_S_ScalePaperSpace, L"ScalePaperSpace", nullptr, L"1:1"},
    {OT_GEN_STRING, IND_OPT_S_AutoPosLocationOrder, L"AutoPosLocationOrder", nullptr, L"0,14,2,13,15,3"},
    {OT_GEN_STRING, IND_OPT_S_AltMeasure, L"AltMeasure", nullptr, nullptr},
    {OT_GEN_STRING, IND_OPT_S_AltFormat, L"AltFormat", nullptr, nullptr},
    {OT_GEN_STRING, IND_OPT_S_AltFormatList, L"AltFormatList", nullptr, L"[#],[ # ],<#>,< # >,=> #"},
};
const size_t kOptionKeyCount = ROWS(kOptionKeys);

const OptionKeyRow* FindOptionKey(int type, int index) {
  if (type == OT_BOOL) type = OT_INT;
  for (const OptionKeyRow& row : kOptionKeys) {
    if (row.type == type && row.index == index) return &row;
  }
  return nullptr;
}

// The steps over a mode set. Where the sets read or write in different orders, a slot has one
// row per order (e.g. "UserTextTolerance" of the height set is saved before and loaded after
// "HDimNoModify").
const OptionStepRow kOptionSteps[] = {
    {OT_STRING, IND_S_Scale, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_STRING, IND_S_TextStyle, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_STRING, IND_S_Measure, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_STRING, IND_S_Delimiter, SETS_ALL, LoadForm::Delimiter, SETS_ALL, SaveForm::DimValue},
    {OT_STRING, IND_S_IniFile, SETS_ALL, LoadForm::CurOptionsFile, SETS_NONE, SaveForm::None},
    {OT_DOUBLE, IND_D_ScaleVal, SETS_ALL, LoadForm::ScaleValue, SETS_NONE, SaveForm::None},
    {OT_DOUBLE, IND_D_TextHeight, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_ExtLineLength, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_DimLinesDistance, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_ExtendBeyondDimLine, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_TextOffset, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_ExpTextHeight, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_AcadUnits, SETS_ALL, LoadForm::NonZero, SETS_ALL, SaveForm::Write},
    {OT_DOUBLE, IND_D_OffsetFromOrigin, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_ExtLine, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_RoundMM, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_TextAlign, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_AltUnitsStatus, SETS_ALL, LoadForm::SevenOrNine, SETS_ALL, SaveForm::SevenOrNine},
    {OT_INT, IND_I_TextPosition, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_Decimals, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_TrimZero, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_Format, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_LayerWithoutScale, SETS_NONE, LoadForm::None, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_MCmFrom10, SETS_DIM | SETS_TEXT, LoadForm::Bool, SETS_ALL, SaveForm::Write},
    {OT_INT, IND_I_ForbidLayer0, SETS_ALL, LoadForm::Bool, SETS_NONE, SaveForm::None},
    {OT_STRING, IND_S_UTextMarkLayer, SETS_DIM | SETS_HEIGHT, LoadForm::Read, SETS_DIM | SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_FormatCopy, SETS_HEIGHT, LoadForm::CopyFormat, SETS_NONE, SaveForm::None},
    // Dim set only.
    {OT_DOUBLE, IND_D_DimLineDist, SETS_DIM, LoadForm::Read, SETS_DIM, SaveForm::Write},
    {OT_DOUBLE, IND_D_TickSize, SETS_DIM, LoadForm::Read, SETS_DIM, SaveForm::Write},
    {OT_DOUBLE, IND_D_ExtendBeyondTick, SETS_DIM, LoadForm::Read, SETS_DIM, SaveForm::Write},
    {OT_DOUBLE, IND_D_UserTextTolerance, SETS_DIM, LoadForm::Read, SETS_DIM, SaveForm::Write},
    // Height set only.
    {OT_DOUBLE, IND_D_UserTextTolerance, SETS_NONE, LoadForm::None, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HDimNoModify, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HIsReducedSize, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HDimTextUnderline, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HPDimTextUnderline, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HPlusMinusHide, SETS_HEIGHT, LoadForm::Bool, SETS_NONE, SaveForm::None},
    {OT_DOUBLE, IND_D_UserTextTolerance, SETS_HEIGHT, LoadForm::Read, SETS_NONE, SaveForm::None},
    {OT_DOUBLE, IND_D_HDimSize, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_DOUBLE, IND_D_HDimDiameter, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_DOUBLE, IND_D_HDimReducedSize, SETS_HEIGHT, LoadForm::Read, SETS_HEIGHT, SaveForm::Write},
    {OT_INT, IND_I_HPlusMinusHide, SETS_NONE, LoadForm::None, SETS_HEIGHT, SaveForm::Write},
    // Every set, last.
    {OT_INT, IND_I_LastType, SETS_ALL, LoadForm::Read, SETS_ALL, SaveForm::Write},
};
const size_t kOptionStepCount = ROWS(kOptionSteps);

// Defaults of the MainOptions section, in the order they are written.
const OptionDefaultRow kOptionDefaults[] = {
    {OT_DOUBLE, IND_D_HDimSize, nullptr, L"5", SETS_HEIGHT},
    {OT_DOUBLE, IND_D_HDimDiameter, nullptr, L"10", SETS_HEIGHT},
    {OT_DOUBLE, IND_D_TickSize, nullptr, L"4", SETS_DIM},
    {OT_DOUBLE, IND_D_ExtendBeyondTick, nullptr, L"2", SETS_DIM},
    {OT_DOUBLE, IND_D_DimLinesDistance, nullptr, L"10", SETS_DIM},
    // Written here although the option itself is read from "General Info".
    {OT_GEN_INT, IND_OPT_B_DimByLine, nullptr, L"0", SETS_DIM},
    {OT_STRING, IND_S_TextStyle, nullptr, L"", SETS_ALL},
    {OT_INT, IND_I_RoundMM, nullptr, L"1", SETS_ALL},
    {OT_DOUBLE, IND_D_ExpTextHeight, nullptr, L"80", SETS_ALL},
    {OT_DOUBLE, IND_D_AcadUnits, nullptr, L"0.001", SETS_ALL},
    {OT_STRING, IND_S_Measure, nullptr, L"m/cm", SETS_ALL},
    {OT_INT, IND_I_Decimals, nullptr, L"4", SETS_ALL},
    {OT_STRING, IND_S_Scale, nullptr, L"1:100", SETS_ALL},
    {OT_DOUBLE, IND_D_TextHeight, nullptr, L"50", SETS_ALL},
    {OT_INT, IND_I_ExtLine, nullptr, L"1", SETS_DIM | SETS_HEIGHT},
    {OT_DOUBLE, IND_D_ExtLineLength, nullptr, L"10", SETS_DIM | SETS_HEIGHT},
    {OT_DOUBLE, IND_D_ExtendBeyondDimLine, nullptr, L"2", SETS_DIM | SETS_HEIGHT},
    {OT_DOUBLE, IND_D_OffsetFromOrigin, nullptr, L"5", SETS_DIM | SETS_HEIGHT},
    {OT_DOUBLE, IND_D_TextOffset, nullptr, L"50", SETS_DIM | SETS_HEIGHT},
    {OT_GEN_INT, IND_OPT_B_ExtNewPosition, nullptr, L"1", SETS_DIM | SETS_HEIGHT},
    // Written for the option sheet's sake; no routine reads them.
    {-1, 0, L"TextArrange", L"1", SETS_DIM | SETS_HEIGHT},
    {-1, 0, L"ClearUserText", L"1", SETS_DIM | SETS_HEIGHT},
    {-1, 0, L"TextVectorByUCS", L"1", SETS_DIM | SETS_HEIGHT},
};
const size_t kOptionDefaultCount = ROWS(kOptionDefaults);

static const wchar_t* const kDefaultHeightColors[] = {L"TrueType=7", L"18=1", L"25=2", L"35=3",
                                                      L"50=4",       L"70=5", L"100=6"};
// The first entry is the catch-all scale, whose key is a resource string (see
// MakeDefaultIniValues); it stands here with its layer and colour only.
static const wchar_t* const kDefaultScaleLayers[] = {
    L"=DIM_1_X=7",        L"1:2=DIM_1_2=7",     L"1:5=DIM_1_5=7",     L"1:50=DIM_1_50=7",
    L"1:100=DIM_1_100=7", L"1:200=DIM_1_200=7", L"1:500=DIM_1_500=7", L"1:1000=DIM_1_1000=7"};
static const wchar_t* const kDefaultExtLineLengths[] = {L"4", L"5", L"6", L"7", L"8", L"9", L"10"};

const DefaultListRow kDefaultLists[] = {
    {L"TextHeight2Color", SETS_ALL, kDefaultHeightColors, ROWS(kDefaultHeightColors)},
    {L"Scale2Layer", SETS_ALL, kDefaultScaleLayers, ROWS(kDefaultScaleLayers)},
    {L"ExtLineLength", SETS_DIM | SETS_HEIGHT, kDefaultExtLineLengths, ROWS(kDefaultExtLineLengths)},
};
const size_t kDefaultListCount = ROWS(kDefaultLists);

const int kGeneralIntLoadOrder[] = {
    IND_OPT_B_ExtNewPosition,        IND_OPT_B_ShowBaseHDAsXline,     IND_OPT_B_DimByLine,
    IND_OPT_B_ShowInputPoints,       IND_OPT_B_HDimAlign,             IND_OPT_B_ShowSumOfDim,
    IND_OPT_B_IgnoreUserTextTolerance, IND_OPT_B_ZenkoraContextMenuAlways, IND_OPT_B_LeadersShow,
    IND_OPT_B_WipeOut,               IND_OPT_B_AutoPosition,          IND_OPT_B_AltUnits,
    IND_OPT_B_AltDecimals};
const size_t kGeneralIntLoadCount = ROWS(kGeneralIntLoadOrder);

const PresenceKeys kPresenceKeys[] = {
    {MODE_DIM, {L"TickSize", L"TextHeight", L"Scale"}},
    {MODE_HEIGHT, {L"HDimSize", L"AcadUnits", L"Scale"}},
    {MODE_TEXT, {L"TextHeight", L"AcadUnits", L"Scale"}},
};
const size_t kPresenceKeyCount = ROWS(kPresenceKeys);
