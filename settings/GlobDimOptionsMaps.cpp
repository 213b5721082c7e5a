// CGlobDimOptions: scale texts, the scale-to-layer and text-height-to-colour maps, layer default
// colours; and the unit texts of "AcadUnits".
#include <cmath>

#include "frame/ResourceString.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "settings/OptionNumbers.h"
#include "settings/ScaleMaps.h"

namespace {

const UINT IDS_UNKNOWN_SCALE = 32873;  // German "<Unbekannt>"
const UINT IDS_ANNO_SCALE = 7102;      // German "BMaß"
const UINT IDS_UNIT_INCH = 7049;       // German "1 Zoll"
const UINT IDS_UNIT_FOOT = 7050;       // German "1 Fuß"

const int kParameterMapMode = -100;
const int kDefaultLayerColor = 7;

const double kUnitsMetre = 0.001;
const double kUnitsCentimetre = 0.1;
const double kUnitsMillimetre = 1.0;
const double kUnitsInch = 0.0393701;
const double kUnitsFoot = 0.0032808;

double NumberOf(const CString& text) {
  double value = OptionTextToDouble(text);
  return std::isfinite(value) ? value : 0.0;
}

// The layer part of a "layer=colour" value.
CString LayerPart(const CString& value) {
  int at = value.Find(L'=');
  return at < 0 ? value : value.Left(at);
}

}  // namespace

double CGlobDimOptions::ScaleStr2Double(const wchar_t* text) const {
  CString scale(text);
  if (scale.CompareNoCase(L"AnnoScale") == 0 || scale.CompareNoCase(L"BMa\u00df") == 0) return 0.01;
  CString anno = GetResString(IDS_ANNO_SCALE);
  if (!anno.IsEmpty() && scale.CompareNoCase(anno) == 0) return 0.01;
  double value = 0.0;
  int colon = scale.Find(L':');
  if (colon < 0) {
    value = NumberOf(scale);
  } else {
    double a = NumberOf(scale.Left(colon));
    double b = NumberOf(scale.Mid(colon + 1));
    if (b == 0.0) b = 100.0;
    if (a == 0.0) a = 1.0;
    value = a / b;
  }
  if (value == 0.0 || !std::isfinite(value)) {
    TraceMsgF(L"\nScaleStr2Double: scale \"%s\" reads as 0, taken as 1", scale.GetString());
    value = 1.0;
  }
  return value;
}

int CGlobDimOptions::LoadMap(int mode, const wchar_t* name, const wchar_t* file) {
  bool parameters = mode == kParameterMapMode;
  CMapStringToString* map = parameters ? &paramMap : GetMap(mode, name);
  if (!map) return 0;
  CString section = parameters ? CString(name) : SectionPrefix(mode) + name;
  if (!parameters) map->RemoveAll();
  CStringArray list;
  LoadSection(list, section, file);
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    CString key, value;
    if (SplitPairEntry(list.GetAt(i), key, value)) map->SetAt(key, value);
  }
  return static_cast<int>(map->GetCount());
}

CString CGlobDimOptions::GetLayerForScale(const wchar_t* scale) {
  CMapStringToString* map = GetMap(iCurrentMode, MAP_SCALE2LAYER);
  if (!map) return CString();
  CString value;
  if (map->Lookup(scale, value)) return LayerPart(value);
  if (map->Lookup(GetResString(IDS_UNKNOWN_SCALE), value)) return LayerPart(value);
  return CString();
}

int CGlobDimOptions::Layer2DefaultColor(const wchar_t* layer) {
  CString name(layer);
  CMapStringToString* map = GetMap(iCurrentMode, MAP_SCALE2LAYER);
  if (map) {
    POSITION pos = map->GetStartPosition();
    while (pos) {
      CString scale, value;
      map->GetNextAssoc(pos, scale, value);
      if (LayerPart(value) != name) continue;
      int at = value.Find(L'=');
      CString colour = at < 0 ? CString() : value.Mid(at + 1);
      colour.Trim();
      if (!colour.IsEmpty() && OptionTextToInt(colour) >= 0) return OptionTextToInt(colour);
      break;
    }
  }
  int result = -1;
  CStringArray list;
  LoadSection(list, SectionPrefix(iCurrentMode) + L"Layer2DefaultColor", OptionFileName());
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    CString key, value;
    if (!SplitPairEntry(list.GetAt(i), key, value) || key.CompareNoCase(name) != 0) continue;
    result = OptionTextToInt(value);
    break;
  }
  return result < 0 ? kDefaultLayerColor : result;
}

int CGlobDimOptions::GetColorForTextHeight(double height) {
  if (height < 0.0) height = GetDouble(IND_D_TextHeight);
  CMapStringToString* map = GetMap(iCurrentMode, MAP_TEXTHEIGHT2COLOR);
  if (!map) return 0;
  POSITION pos = map->GetStartPosition();
  while (pos) {
    CString key, value;
    map->GetNextAssoc(pos, key, value);
    bool trueType = key.CompareNoCase(L"TrueType") == 0;
    if (trueType ? height == 0.0 : NumberOf(key) == height) return OptionTextToInt(value);
  }
  return 0;
}

double AcadUnitsText2Value(const wchar_t* text) {
  CString unit(text);
  if (unit == L"1 m") return kUnitsMetre;
  if (unit == L"1 cm") return kUnitsCentimetre;
  if (unit == L"1 mm") return kUnitsMillimetre;
  if (unit == GetResString(IDS_UNIT_INCH)) return kUnitsInch;
  if (unit == GetResString(IDS_UNIT_FOOT)) return kUnitsFoot;
  return 1.0;
}

CString AcadUnitsValue2Text(double value) {
  if (value == kUnitsMetre) return L"1 m";
  if (value == kUnitsCentimetre) return L"1 cm";
  if (std::fabs(value - kUnitsInch) <= 1e-6) return GetResString(IDS_UNIT_INCH);
  if (std::fabs(value - kUnitsFoot) <= 1e-6) return GetResString(IDS_UNIT_FOOT);
  return L"1 mm";
}

int GetLayerDefaultColor(const wchar_t* layer) {
  if (!pGlobDimOptions) return kDefaultLayerColor;
  return pGlobDimOptions->Layer2DefaultColor(layer);
}
