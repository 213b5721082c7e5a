// CGlobDimOptions: the one option object (per-mode option sets, general options, maps) and the
// index constants, option types and modes that every part of the add-on addresses it by.
#pragma once

#include "host/db/AcCmEntityColor.h"
#include "host/mfc/CObject.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"

// Modes: the kind of object an option set belongs to.
const int MODE_ALL = 1;          // every set at once (only as a target of writes and saves)
const int MODE_DIM = 2;          // chain dimensions
const int MODE_HEIGHT = 3;       // height marks in sections and elevations
const int MODE_HEIGHT_PLAN = 4;  // height marks in plans (shares the height set)
const int MODE_TEXT = 5;         // texts

// Option types, the first argument of GetOptionKey and WriteOption.
enum OptionType {
  OT_STRING = 0,      // string of the mode set
  OT_DOUBLE = 1,      // double of the mode set
  OT_INT = 2,         // int of the mode set
  OT_BOOL = 3,        // int of the mode set read as 0/1 (same keys as OT_INT)
  OT_GEN_STRING = 5,  // general string ("General Info")
  OT_GEN_INT = 6      // general int ("General Info")
};

// Sizes of the arrays.
const int SIZE_ARRAY_INT = 27;
const int SIZE_ARRAY_DOUBLE = 18;
const int SIZE_ARRAY_STRING = 13;
const int SIZE_ARRAY_OPT_INT = 16;
const int SIZE_ARRAY_OPT_STRING = 5;

// arrayInt. Where a slot has two keys, the second constant names its use in the height modes.
const int IND_I_ExtLine = 0;
const int IND_I_TextAlign = 1;
const int IND_I_RoundMM = 2;
const int IND_I_LastType = 3;
const int IND_I_Decimals = 4;
const int IND_I_Format = 5;
const int IND_I_TextPosition = 6;
const int IND_I_FormatCopy = 7;  // no key: the height set's copy of "Format"
const int IND_I_HDimNoModify = 8;
const int IND_I_MCmFrom10 = 9;
const int IND_I_HIsReducedSize = 9;
const int IND_I_ArcDimMinPoint = 10;
const int IND_I_ArcDimMaxPoint = 11;
const int IND_I_HDimTextUnderline = 11;
const int IND_I_ArcDimAsCircle = 12;
const int IND_I_HPlusMinusHide = 12;
const int IND_I_AppVersion = 13;
const int IND_I_ArcDimCW = 14;
const int IND_I_HUserText = 14;
const int IND_I_ArcDimInputArcIsCircle = 15;
const int IND_I_TrimZero = 16;
const int IND_I_LayerWithoutScale = 17;
const int IND_I_ForbidLayer0 = 18;
const int IND_I_DirectionExt = 19;
const int IND_I_HAutoValue1 = 19;
const int IND_I_SumStatus = 20;
const int IND_I_HAutoValue2 = 20;
const int IND_I_WipeOutStatus = 21;
const int IND_I_AltUnitsStatus = 22;
const int IND_I_TextAlignPlan = 22;
const int IND_I_HPDimTextUnderline = 23;

// arrayDouble.
const int IND_D_ScaleVal = 0;
const int IND_D_TextHeight = 1;
const int IND_D_ExtLineLength = 2;
const int IND_D_DimLinesDistance = 3;
const int IND_D_TickSize = 4;
const int IND_D_HDimSize = 4;
const int IND_D_ExtendBeyondDimLine = 5;
const int IND_D_ExtendBeyondTick = 6;
const int IND_D_HDimDiameter = 6;
const int IND_D_TextOffset = 7;
const int IND_D_ExpTextHeight = 8;
const int IND_D_AcadUnits = 9;
const int IND_D_OffsetFromOrigin = 11;
const int IND_D_UserTextTolerance = 12;
const int IND_D_DimLineDist = 13;
const int IND_D_HDimReducedSize = 13;

// arrayString.
const int IND_S_Scale = 0;
const int IND_S_TextStyle = 1;
const int IND_S_Measure = 2;
const int IND_S_IniFile = 3;
const int IND_S_UTextMarkLayer = 4;
const int IND_S_Delimiter = 5;
const int IND_S_DimDescription = 6;
const int IND_S_HK_Auto_Handle1 = 6;
const int IND_S_HK_Auto_Handle2 = 7;

// arrayOptInt (section "General Info").
const int IND_OPT_B_DimByLine = 0;
const int IND_OPT_B_ExtNewPosition = 1;
const int IND_OPT_B_ShowInputPoints = 2;
const int IND_OPT_B_HDimAlign = 3;
const int IND_OPT_B_AcadDimAssociative = 4;
const int IND_OPT_B_ShowBaseHDAsXline = 5;
const int IND_OPT_B_IgnoreUserTextTolerance = 6;
const int IND_OPT_B_ShowSumOfDim = 7;
const int IND_OPT_B_ZenkoraContextMenuAlways = 8;
const int IND_OPT_B_LeadersShow = 9;
const int IND_OPT_B_WipeOut = 10;
const int IND_OPT_B_AutoPosition = 11;
const int IND_OPT_B_AutoPosFlag1 = 12;
const int IND_OPT_B_AutoPosFlag2 = 13;
const int IND_OPT_B_AltUnits = 14;
const int IND_OPT_B_AltDecimals = 15;

// arrayOptString (section "General Info").
const int IND_OPT_S_ScalePaperSpace = 0;
const int IND_OPT_S_AutoPosLocationOrder = 1;
const int IND_OPT_S_AltMeasure = 2;
const int IND_OPT_S_AltFormat = 3;
const int IND_OPT_S_AltFormatList = 4;

// One mode's option arrays (entities carry copies of the same shape).
class ModeOptionSet {
 public:
  CArray<double, double> arrayDouble;
  CStringArray arrayString;
  CUIntArray arrayInt;

  // 27 ints, 18 doubles, 13 strings, all zero or empty.
  void Reset();
};

class CGlobDimOptions : public CObject {
 public:
  CGlobDimOptions();
  ~CGlobDimOptions() override = default;
  CGlobDimOptions(const CGlobDimOptions&) = delete;
  CGlobDimOptions& operator=(const CGlobDimOptions&) = delete;

  int iCurrentMode = MODE_DIM;
  bool bNoEditableParams = false;
  bool m_bNoWrite = false;
  AcCmEntityColor bkColor;
  ModeOptionSet dimSet;
  ModeOptionSet heightSet;
  ModeOptionSet textSet;
  CUIntArray arrayAutoPosOrder;
  CStringArray arrayOptString;
  CUIntArray arrayOptInt;
  CMapStringToString paramMap;
  CMapStringToString mapTextHeight2Color;        // mode 2
  CMapStringToString mapScale2Layer;             // mode 2
  CMapStringToString mapTextHeight2ColorHeight;  // modes 3/4
  CMapStringToString mapScale2LayerHeight;       // modes 3/4
  CMapStringToString mapTextHeight2ColorText;    // mode 5
  CMapStringToString mapScale2LayerText;         // mode 5
  bool bDebugMsg = false;
  int iBusyState = 0;
  CString strCurOptionsFile;
  CString strIniFile;

  // Modes. A negative mode means iCurrentMode.
  bool IsHeightMode(int mode = -1) const;
  bool IsPlanMode(int mode = -1) const;
  bool IsTextMode(int mode = -1) const;
  // "", "DH_" or "TXT_".
  static CString SectionPrefix(int mode);
  // The set a mode works on: height modes the height set, mode 5 the text set, else the dim set.
  ModeOptionSet& SetOfMode(int mode);
  const ModeOptionSet& SetOfMode(int mode) const;

  // Keys and files. Mode 0 means iCurrentMode.
  CString GetOptionKey(int type, int index, int mode = 0) const;
  // True when the parameter descriptions place `key` in the option file.
  bool IsOptionFileKey(const wchar_t* key) const;
  CString OptionFileOfKey(const wchar_t* key) const;
  CString OptionSection(int type, int mode) const;

  // Reading one option of iCurrentMode from its file.
  CString ReadOption(int type, int index);
  CString ReadOptionString(int index) { return ReadOption(OT_STRING, index); }
  double ReadOptionDouble(int index);
  int ReadOptionInt(int index);
  bool ReadOptionBool(int index) { return ReadOptionInt(index) != 0; }
  int ReadGeneralInt(int index);
  CString ReadGeneralString(int index) { return ReadOption(OT_GEN_STRING, index); }

  // Writing one option (deferred, through the INI cache). False while m_bNoWrite is set or for
  // a keep marker.
  bool WriteOption(int type, int index, const wchar_t* text);
  bool WriteOptionInt(int index, int value);
  bool WriteOptionDouble(int index, double value);
  bool WriteOptionString(int index, const wchar_t* text) { return WriteOption(OT_STRING, index, text); }
  bool WriteGeneralInt(int index, int value);
  bool WriteGeneralString(int index, const wchar_t* text) { return WriteOption(OT_GEN_STRING, index, text); }

  // The in-memory set of iCurrentMode.
  double GetDouble(int index) const;
  int GetInt(int index) const;
  CString GetString(int index) const;
  bool SetDouble(int index, double value);
  bool SetInt(int index, int value);
  bool SetString(int index, const wchar_t* text);

  // "Scale2Layer" or "TextHeight2Color" of the set of `mode` (4 counts as 3); null otherwise.
  CMapStringToString* GetMap(int mode, const wchar_t* name);

  void LoadOptions();
  void SaveOptions();
  // Writes the defaults of `mode` into `file` at once (cache and file).
  static void MakeDefaultIniValues(const wchar_t* file, int mode);

  // "<var>" or resource string 32897, case-insensitively.
  static bool IsKeepMarker(const wchar_t* text);

  // Scale, layer and colour maps.
  double ScaleStr2Double(const wchar_t* text) const;
  // Fills map `name` of `mode` from its list section of `file`; mode -100 adds a section of the
  // parameter descriptions to paramMap. Returns the map's entry count.
  int LoadMap(int mode, const wchar_t* name, const wchar_t* file);
  CString GetLayerForScale(const wchar_t* scale);
  int Layer2DefaultColor(const wchar_t* layer);
  int GetColorForTextHeight(double height);

 private:
  void LoadParameterDescriptions();
  void LoadOptionFileChoice();
  void LoadModeSet(int mode);
  void LoadGeneralOptions();
  void ParseAutoPosLocationOrder();
  void SaveModeSet(int mode);
  CString OptionFileName() const;
};

extern CGlobDimOptions* pGlobDimOptions;

// Map name constants.
#define MAP_SCALE2LAYER L"Scale2Layer"
#define MAP_TEXTHEIGHT2COLOR L"TextHeight2Color"
#define SECTION_GENERAL_INFO L"General Info"
