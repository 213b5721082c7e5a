// CGlobDimOptions: modes, option keys, reading and writing single options, the in-memory sets.
#include "settings/GlobDimOptions.h"

#include <initializer_list>

#include "frame/ResourceString.h"
#include "host/ed/CommandLine.h"
#include "settings/DebugLog.h"
#include "settings/IniFiles.h"
#include "settings/OptionNumbers.h"
#include "settings/OptionTable.h"

CGlobDimOptions* pGlobDimOptions = nullptr;

// Resource string of the German keep marker "<beibehalten>".
static const UINT IDS_KEEP_MARKER = 32897;

void ModeOptionSet::Reset() {
  arrayInt.SetSize(SIZE_ARRAY_INT);
  arrayDouble.SetSize(SIZE_ARRAY_DOUBLE);
  arrayString.SetSize(SIZE_ARRAY_STRING);
  for (INT_PTR i = 0; i < arrayInt.GetSize(); ++i) arrayInt[i] = 0;
  for (INT_PTR i = 0; i < arrayDouble.GetSize(); ++i) arrayDouble[i] = 0.0;
  for (INT_PTR i = 0; i < arrayString.GetSize(); ++i) arrayString[i].Empty();
}

CGlobDimOptions::CGlobDimOptions()
    : paramMap(10),
      mapTextHeight2Color(10),
      mapScale2Layer(10),
      mapTextHeight2ColorHeight(10),
      mapScale2LayerHeight(10),
      mapTextHeight2ColorText(10),
      mapScale2LayerText(10) {
  bkColor.setRGB(0, 0, 0);
  dimSet.Reset();
  heightSet.Reset();
  textSet.Reset();
  arrayOptString.SetSize(SIZE_ARRAY_OPT_STRING);
  arrayOptInt.SetSize(SIZE_ARRAY_OPT_INT);
  for (INT_PTR i = 0; i < arrayOptInt.GetSize(); ++i) arrayOptInt[i] = 0;
}

bool CGlobDimOptions::IsHeightMode(int mode) const {
  if (mode < 0) mode = iCurrentMode;
  return mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN;
}

bool CGlobDimOptions::IsPlanMode(int mode) const {
  if (mode < 0) mode = iCurrentMode;
  return mode == MODE_HEIGHT_PLAN;
}

bool CGlobDimOptions::IsTextMode(int mode) const {
  if (mode < 0) mode = iCurrentMode;
  return mode == MODE_TEXT;
}

CString CGlobDimOptions::SectionPrefix(int mode) {
  if (mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN) return L"DH_";
  if (mode == MODE_TEXT) return L"TXT_";
  return CString();
}

ModeOptionSet& CGlobDimOptions::SetOfMode(int mode) {
  if (IsHeightMode(mode < 0 ? iCurrentMode : mode)) return heightSet;
  if (IsTextMode(mode < 0 ? iCurrentMode : mode)) return textSet;
  return dimSet;
}

const ModeOptionSet& CGlobDimOptions::SetOfMode(int mode) const {
  return const_cast<CGlobDimOptions*>(this)->SetOfMode(mode);
}

CString CGlobDimOptions::GetOptionKey(int type, int index, int mode) const {
  if (mode == 0) mode = iCurrentMode;
  const OptionKeyRow* row = FindOptionKey(type, index);
  if (row) return (IsHeightMode(mode) && row->heightKey) ? row->heightKey : row->key;
  CString key;
  key.Format(L"Option%d-%d", type, index);
  acutPrintf(L"\n>>>>> %s <<<<<", key.GetString());
  return key;
}

bool CGlobDimOptions::IsOptionFileKey(const wchar_t* key) const {
  CString description;
  if (!paramMap.Lookup(key, description) || description.IsEmpty()) return false;
  wchar_t digit = description[0];
  return digit >= L'1' && digit <= L'9';
}

CString CGlobDimOptions::OptionFileName() const {
  if (!strCurOptionsFile.IsEmpty()) return strCurOptionsFile;
  if (!strIniFile.IsEmpty()) return strIniFile;
  return GetIniFileName();
}

CString CGlobDimOptions::OptionFileOfKey(const wchar_t* key) const {
  if (IsOptionFileKey(key)) return OptionFileName();
  return strIniFile.IsEmpty() ? GetIniFileName() : strIniFile;
}

CString CGlobDimOptions::OptionSection(int type, int mode) const {
  if (type == OT_GEN_STRING || type == OT_GEN_INT) return SECTION_GENERAL_INFO;
  return SectionPrefix(mode) + L"MainOptions";
}

CString CGlobDimOptions::ReadOption(int type, int index) {
  CString key = GetOptionKey(type, index, iCurrentMode);
  return ReadEntryFromIni(OptionFileOfKey(key), OptionSection(type, iCurrentMode), key);
}

double CGlobDimOptions::ReadOptionDouble(int index) { return OptionTextToDouble(ReadOption(OT_DOUBLE, index)); }

int CGlobDimOptions::ReadOptionInt(int index) { return OptionTextToInt(ReadOption(OT_INT, index)); }

int CGlobDimOptions::ReadGeneralInt(int index) { return OptionTextToInt(ReadOption(OT_GEN_INT, index)); }

bool CGlobDimOptions::WriteOption(int type, int index, const wchar_t* text) {
  if (m_bNoWrite || IsKeepMarker(text)) return false;
  CString key = GetOptionKey(type, index, iCurrentMode);
  CString file = OptionFileOfKey(key);
  const wchar_t* value = text ? text : L"";
  if (type == OT_GEN_STRING || type == OT_GEN_INT) {
    WriteEntryDeferred(file, SECTION_GENERAL_INFO, key, value);
    return true;
  }
  if (iCurrentMode == MODE_ALL) {
    const int modes[] = {MODE_DIM, MODE_HEIGHT, MODE_HEIGHT_PLAN, MODE_TEXT};
    for (int mode : modes) WriteEntryDeferred(file, OptionSection(type, mode), key, value);
    return true;
  }
  WriteEntryDeferred(file, OptionSection(type, iCurrentMode), key, value);
  return true;
}

bool CGlobDimOptions::WriteOptionInt(int index, int value) { return WriteOption(OT_INT, index, OptionIntText(value)); }

bool CGlobDimOptions::WriteOptionDouble(int index, double value) {
  return WriteOption(OT_DOUBLE, index, OptionDoubleText(value));
}

bool CGlobDimOptions::WriteGeneralInt(int index, int value) {
  return WriteOption(OT_GEN_INT, index, OptionIntText(value));
}

double CGlobDimOptions::GetDouble(int index) const {
  const CArray<double, double>& values = SetOfMode(iCurrentMode).arrayDouble;
  if (index < 0 || index >= values.GetSize()) {
    acutPrintf(L" !!!!GetDouble( %d ) size=%d ", index, static_cast<int>(values.GetSize()));
    return 0.0;
  }
  return values.GetAt(index);
}

int CGlobDimOptions::GetInt(int index) const {
  const CUIntArray& values = SetOfMode(iCurrentMode).arrayInt;
  if (index < 0 || index >= values.GetSize()) return 0;
  return static_cast<int>(values.GetAt(index));
}

CString CGlobDimOptions::GetString(int index) const {
  const CStringArray& values = SetOfMode(iCurrentMode).arrayString;
  if (index < 0 || index >= values.GetSize()) return L"?";
  return values.GetAt(index);
}

bool CGlobDimOptions::SetDouble(int index, double value) {
  if (m_bNoWrite || index < 0) return false;
  if (iCurrentMode == MODE_ALL) {
    for (ModeOptionSet* set : {&dimSet, &heightSet, &textSet}) set->arrayDouble.SetAtGrow(index, value);
    return true;
  }
  SetOfMode(iCurrentMode).arrayDouble.SetAtGrow(index, value);
  return true;
}

bool CGlobDimOptions::SetInt(int index, int value) {
  if (m_bNoWrite || index < 0) return false;
  UINT stored = static_cast<UINT>(value);
  if (iCurrentMode == MODE_ALL) {
    for (ModeOptionSet* set : {&dimSet, &heightSet, &textSet}) set->arrayInt.SetAtGrow(index, stored);
    return true;
  }
  SetOfMode(iCurrentMode).arrayInt.SetAtGrow(index, stored);
  return true;
}

bool CGlobDimOptions::SetString(int index, const wchar_t* text) {
  if (m_bNoWrite || index < 0) return false;
  CString value(text);
  if (iCurrentMode == MODE_ALL) {
    for (ModeOptionSet* set : {&dimSet, &heightSet, &textSet}) set->arrayString.SetAtGrow(index, value);
    return true;
  }
  SetOfMode(iCurrentMode).arrayString.SetAtGrow(index, value);
  return true;
}

CMapStringToString* CGlobDimOptions::GetMap(int mode, const wchar_t* name) {
  CString which(name);
  bool scale = which == MAP_SCALE2LAYER;
  bool height = which == MAP_TEXTHEIGHT2COLOR;
  if (!scale && !height) return nullptr;
  if (mode == MODE_HEIGHT || mode == MODE_HEIGHT_PLAN) return scale ? &mapScale2LayerHeight : &mapTextHeight2ColorHeight;
  if (mode == MODE_TEXT) return scale ? &mapScale2LayerText : &mapTextHeight2ColorText;
  return scale ? &mapScale2Layer : &mapTextHeight2Color;
}

bool CGlobDimOptions::IsKeepMarker(const wchar_t* text) {
  if (!text || !*text) return false;
  CString value(text);
  if (value.CompareNoCase(L"<var>") == 0) return true;
  CString marker = GetResString(IDS_KEEP_MARKER);
  return !marker.IsEmpty() && value.CompareNoCase(marker) == 0;
}
