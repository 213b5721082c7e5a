// CGlobDimOptions: loading and saving the option set, and writing the defaults of a mode.
#include <cstddef>

#include "frame/LanguageModule.h"
#include "frame/ResourceString.h"
#include "host/mfc/WaitCursor.h"
#include "frame/MainPalette.h"
#include "settings/DebugLog.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"
#include "settings/OptionNumbers.h"
#include "ui/DlgMain.h"
#include "settings/OptionTable.h"

namespace {

// Resource string of the catch-all scale key (German "<Unbekannt>").
const UINT IDS_UNKNOWN_SCALE = 32873;

const wchar_t* const kParameterSections[] = {L"Parameters_INT", L"Parameters_DBL", L"Parameters_STR",
                                             L"Parameters_General"};

// The folder part of a path, with its separator.
CString FolderOf(const CString& path) {
  int slash = path.ReverseFind(L'\\');
  int other = path.ReverseFind(L'/');
  if (other > slash) slash = other;
  return slash < 0 ? CString() : path.Left(slash + 1);
}

bool HasDelimiterMark(const CString& text) { return text.FindOneOf(L"#@^") >= 0; }

UINT SevenOrNine(UINT value) { return (value == 7 || value == 9) ? value : 9; }

// Restores iCurrentMode when a walk over the sets ends.
class ModeScope {
 public:
  explicit ModeScope(int& mode) : mode_(mode), saved_(mode) {}
  ~ModeScope() { mode_ = saved_; }
  ModeScope(const ModeScope&) = delete;
  ModeScope& operator=(const ModeScope&) = delete;

 private:
  int& mode_;
  int saved_;
};

}  // namespace

void CGlobDimOptions::LoadParameterDescriptions() {
  if (!paramMap.IsEmpty()) return;
  CString file = FolderOf(GetLanguageModulePath()) + L"DimParam.ini";
  if (!IniFileExists(file)) return;
  for (const wchar_t* section : kParameterSections) LoadMap(-100, section, file);
}

void CGlobDimOptions::LoadOptionFileChoice() {
  strIniFile = GetIniFileName();
  bNoEditableParams = ReadGeneralInfoInt(L"NoEditableParams") == 1;
  m_bNoWrite = false;
  iCurrentMode = MODE_DIM;
  bDebugMsg = ReadGeneralInfoInt(L"DebugMsg") == 1;
  strCurOptionsFile = ReadGeneralInfoString(L"CurOptionsFile");
  if (strCurOptionsFile.IsEmpty() || !IniFileExists(strCurOptionsFile)) strCurOptionsFile = strIniFile;

  CStringArray files;
  LoadSection(files, L"OptionsFiles", strIniFile);
  for (INT_PTR i = 0; i < files.GetSize(); ++i) {
    if (files.GetAt(i).CompareNoCase(strCurOptionsFile) == 0) return;
  }
  files.Add(strCurOptionsFile);
  SaveSection(files, L"OptionsFiles", strIniFile);
}

void CGlobDimOptions::LoadModeSet(int mode) {
  iCurrentMode = mode;
  ModeOptionSet& set = SetOfMode(mode);
  set.Reset();
  unsigned bit = SetsOfMode(mode);
  CString section = SectionPrefix(mode) + L"MainOptions";
  for (size_t i = 0; i < kPresenceKeyCount; ++i) {
    const PresenceKeys& presence = kPresenceKeys[i];
    if (presence.mode != mode) continue;
    bool empty = true;
    for (const wchar_t* key : presence.keys) {
      if (!ReadEntryFromDisk(strCurOptionsFile, section, key).IsEmpty()) empty = false;
    }
    if (empty) MakeDefaultIniValues(strCurOptionsFile, mode);
  }
  for (size_t i = 0; i < kOptionStepCount; ++i) {
    const OptionStepRow& step = kOptionSteps[i];
    if (!(step.loadSets & bit)) continue;
    switch (step.load) {
      case LoadForm::None:
        break;
      case LoadForm::Read:
        if (step.type == OT_STRING) set.arrayString[step.index] = ReadOptionString(step.index);
        if (step.type == OT_DOUBLE) set.arrayDouble[step.index] = ReadOptionDouble(step.index);
        if (step.type == OT_INT) set.arrayInt[step.index] = static_cast<UINT>(ReadOptionInt(step.index));
        break;
      case LoadForm::Bool:
        set.arrayInt[step.index] = ReadOptionBool(step.index) ? 1 : 0;
        break;
      case LoadForm::SevenOrNine:
        set.arrayInt[step.index] = SevenOrNine(static_cast<UINT>(ReadOptionInt(step.index)));
        break;
      case LoadForm::NonZero: {
        double value = ReadOptionDouble(step.index);
        set.arrayDouble[step.index] = value == 0.0 ? 0.001 : value;
        break;
      }
      case LoadForm::Delimiter: {
        CString value = mode == MODE_DIM ? ReadOptionString(step.index) : dimSet.arrayString[step.index];
        set.arrayString[step.index] = HasDelimiterMark(value) ? CString() : value;
        break;
      }
      case LoadForm::CurOptionsFile:
        set.arrayString[step.index] = strCurOptionsFile;
        break;
      case LoadForm::ScaleValue:
        set.arrayDouble[step.index] = ScaleStr2Double(set.arrayString[IND_S_Scale]);
        break;
      case LoadForm::CopyFormat:
        set.arrayInt[step.index] = set.arrayInt[IND_I_Format];
        break;
    }
  }
}

void CGlobDimOptions::ParseAutoPosLocationOrder() {
  arrayOptInt[IND_OPT_B_AutoPosFlag1] = 0;
  arrayOptInt[IND_OPT_B_AutoPosFlag2] = 0;
  arrayAutoPosOrder.RemoveAll();
  CString order = arrayOptString[IND_OPT_S_AutoPosLocationOrder];
  int start = 0;
  bool first = true;
  for (CString token = order.Tokenize(L",", start); start >= 0; token = order.Tokenize(L",", start)) {
    token.Trim();
    if (token.IsEmpty()) continue;
    int value = OptionTextToInt(token);
    if (first) {
      first = false;
      arrayOptInt[IND_OPT_B_AutoPosFlag1] = (value & 1) ? 1 : 0;
      arrayOptInt[IND_OPT_B_AutoPosFlag2] = (value & 2) ? 1 : 0;
      continue;
    }
    // A location code is never negative; such a number is a typing error and is left out.
    if (value >= 0) arrayAutoPosOrder.Add(static_cast<UINT>(value));
  }
}

void CGlobDimOptions::LoadGeneralOptions() {
  iCurrentMode = MODE_DIM;
  for (size_t i = 0; i < kGeneralIntLoadCount; ++i) {
    int index = kGeneralIntLoadOrder[i];
    arrayOptInt[index] = static_cast<UINT>(ReadGeneralInt(index));
  }
  arrayOptInt[IND_OPT_B_AcadDimAssociative] = static_cast<UINT>(ReadIniInt(L"Convert", L"Associative"));
  for (int index = 0; index < SIZE_ARRAY_OPT_STRING; ++index) {
    arrayOptString[index] = ReadGeneralString(index);
    const OptionKeyRow* row = FindOptionKey(OT_GEN_STRING, index);
    if (!arrayOptString[index].IsEmpty() || !row || !row->emptyDefault) continue;
    arrayOptString[index] = row->emptyDefault;
    WriteGeneralString(index, row->emptyDefault);
  }
  ParseAutoPosLocationOrder();
}

void CGlobDimOptions::LoadOptions() {
  CWaitCursor wait;
  // The host offers no current-colours query yet: the mask background stays black.
  bkColor.setRGB(0, 0, 0);
  LoadParameterDescriptions();
  LoadOptionFileChoice();
  const int modes[] = {MODE_DIM, MODE_HEIGHT, MODE_TEXT};
  for (int mode : modes) LoadModeSet(mode);
  LoadGeneralOptions();
  iBusyState = 0;
  for (int mode : {MODE_DIM, MODE_TEXT, MODE_HEIGHT}) {
    LoadMap(mode, MAP_SCALE2LAYER, strCurOptionsFile);
    LoadMap(mode, MAP_TEXTHEIGHT2COLOR, strCurOptionsFile);
  }
  iCurrentMode = MODE_DIM;
  if (dlgMyApp && dlgMyApp->m_iCurrentMode > 0) {
    iCurrentMode = dlgMyApp->m_iCurrentMode;
    if (dlgMyApp->m_iCurrentType > 0) SetInt(IND_I_LastType, dlgMyApp->m_iCurrentType);
  }
  TraceMsgF(L"\nLoadOptions: %s", strCurOptionsFile.GetString());
}

void CGlobDimOptions::SaveModeSet(int mode) {
  iCurrentMode = mode;
  const ModeOptionSet& set = SetOfMode(mode);
  unsigned bit = SetsOfMode(mode);
  for (size_t i = 0; i < kOptionStepCount; ++i) {
    const OptionStepRow& step = kOptionSteps[i];
    if (!(step.saveSets & bit) || step.save == SaveForm::None) continue;
    const ModeOptionSet& source = step.save == SaveForm::DimValue ? dimSet : set;
    if (step.type == OT_STRING) {
      WriteOptionString(step.index, source.arrayString[step.index]);
    } else if (step.type == OT_DOUBLE) {
      WriteOptionDouble(step.index, source.arrayDouble[step.index]);
    } else {
      UINT value = source.arrayInt[step.index];
      if (step.save == SaveForm::SevenOrNine) {
        value = SevenOrNine(value);
        SetOfMode(mode).arrayInt[step.index] = value;
      }
      WriteOptionInt(step.index, static_cast<int>(value));
    }
  }
}

void CGlobDimOptions::SaveOptions() {
  ModeScope keep(iCurrentMode);
  int target = iCurrentMode;
  if (target == MODE_ALL) {
    for (int mode : {MODE_DIM, MODE_HEIGHT, MODE_TEXT}) SaveModeSet(mode);
    return;
  }
  if (target >= MODE_DIM && target <= MODE_TEXT) SaveModeSet(target);
}

void CGlobDimOptions::MakeDefaultIniValues(const wchar_t* file, int mode) {
  CString prefix = SectionPrefix(mode);
  CString mainSection = prefix + L"MainOptions";
  unsigned bit = SetsOfMode(mode);
  // Keys by the mode written: a height mode takes the slot's second key.
  for (size_t i = 0; i < kOptionDefaultCount; ++i) {
    const OptionDefaultRow& row = kOptionDefaults[i];
    if (!(row.sets & bit)) continue;
    CString key;
    if (row.literalKey) {
      key = row.literalKey;
    } else {
      const OptionKeyRow* slot = FindOptionKey(row.type, row.index);
      if (!slot) continue;
      key = (bit == SETS_HEIGHT && slot->heightKey) ? slot->heightKey : slot->key;
    }
    WriteEntryToIni(file, mainSection, key, row.value);
  }
  for (size_t i = 0; i < kDefaultListCount; ++i) {
    const DefaultListRow& list = kDefaultLists[i];
    if (!(list.sets & bit)) continue;
    CString section = prefix + list.section;
    for (size_t item = 0; item < list.count; ++item) {
      CString key;
      key.Format(L"Item_%d", static_cast<int>(item));
      CString value(list.values[item]);
      if (value[0] == L'=') value = GetResString(IDS_UNKNOWN_SCALE) + value;
      WriteEntryToIni(file, section, key, value);
    }
  }
}
