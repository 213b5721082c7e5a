// The INI caches, the main INI file and the reads and writes through them.
#include "settings/IniFiles.h"

#include "host/mfc/Collections.h"
#include "host/win/Files.h"
#include "host/win/Profile.h"
#include "settings/GlobDimOptions.h"
#include "settings/OptionNumbers.h"

namespace {

// The longest value a read returns is one less.
const int kValueBuffer = 512;

struct IniCache {
  CMapStringToString entries;
  // Keys written since the last write-back. Only they go back to the file: an entry that was
  // only read may hold a value cut at 511 characters, or a key the file never had.
  CMapStringToString pending;
  bool dirty = false;
  CString file;  // the other-file cache's file
};

struct IniState {
  IniCache main;
  IniCache other;
  CString mainPath;
};

IniState& State() {
  static IniState state;
  return state;
}

CString CacheKey(const wchar_t* section, const wchar_t* key) {
  CString cacheKey;
  cacheKey.Format(L"%s=%s", section ? section : L"", key ? key : L"");
  return cacheKey;
}

// Keys never hold "=", so the last one separates section and key even for a section that has one.
bool SplitCacheKey(const CString& cacheKey, CString& section, CString& key) {
  int at = cacheKey.ReverseFind(L'=');
  if (at < 0) return false;
  section = cacheKey.Left(at);
  key = cacheKey.Mid(at + 1);
  return !section.IsEmpty() && !key.IsEmpty();
}

void WriteStartEntries(const CString& path) {
  WritePrivateProfileStringW(SECTION_GENERAL_INFO, L"OptionsActivePage", L"0", path);
  WritePrivateProfileStringW(SECTION_GENERAL_INFO, L"DefaultSection", L"Decimal", path);
  WritePrivateProfileStringW(SECTION_GENERAL_INFO, L"TextMoveStep", L"5", path);
  WritePrivateProfileStringW(SECTION_GENERAL_INFO, L"CurOptionsFile", path, path);
  WritePrivateProfileStringW(L"OptionsFiles", L"Item_0", path, path);
}

// The cache that holds `file`; moving the other-file cache to a new file writes back the old one.
IniCache& CacheFor(const wchar_t* file) {
  CString path(file);
  if (path.CompareNoCase(GetIniFileName()) == 0) return State().main;
  IniCache& other = State().other;
  if (!other.file.IsEmpty() && other.file.CompareNoCase(path) != 0) SaveIniBuffer(INI_BUFFER_OTHER, true);
  other.file = path;
  return other;
}

bool IsMainIniName(const wchar_t* file) {
  CString lower(file);
  lower.MakeLower();
  return lower.Find(L"\\zenkora.ini") >= 0 || lower.Find(L"/zenkora.ini") >= 0;
}

CString FileOfSection(const wchar_t* section) {
  if (CString(section).CompareNoCase(L"Convert") == 0) return GetOptionFileName();
  return GetIniFileName();
}

}  // namespace

CString GetIniFileName() {
  IniState& state = State();
  if (!state.mainPath.IsEmpty()) return state.mainPath;
  CString folder = GetMainIniFolder();
  state.mainPath = folder + L"Zenkora.ini";
  if (!IniFileExists(state.mainPath)) {
    if (!folder.IsEmpty()) CreateDirectoryW(folder, nullptr);
    WriteStartEntries(state.mainPath);
  }
  return state.mainPath;
}

void SetIniFileName(const wchar_t* path) {
  IniState& state = State();
  if (!state.mainPath.IsEmpty()) SaveIniBuffer(INI_BUFFER_MAIN, true);
  state.mainPath = path ? path : L"";
  ForgetMainIniFolder();
}

void ResetIniState() {
  IniState& state = State();
  state.main.entries.RemoveAll();
  state.main.pending.RemoveAll();
  state.main.dirty = false;
  state.other.entries.RemoveAll();
  state.other.pending.RemoveAll();
  state.other.dirty = false;
  state.other.file.Empty();
  state.mainPath.Empty();
  ForgetMainIniFolder();
}

CString GetOptionFileName() {
  if (pGlobDimOptions && !pGlobDimOptions->strCurOptionsFile.IsEmpty()) return pGlobDimOptions->strCurOptionsFile;
  return GetIniFileName();
}

CString ReadEntryFromDisk(const wchar_t* file, const wchar_t* section, const wchar_t* key) {
  if (!file || !*file) return CString();
  if (!IniFileExists(file)) {
    if (IsMainIniName(file)) {
      for (int mode = MODE_DIM; mode <= MODE_TEXT; ++mode) CGlobDimOptions::MakeDefaultIniValues(file, mode);
    }
    if (!IniFileExists(file)) return CString();
  }
  if (!key || !*key) {
    key = section;
    section = SECTION_GENERAL_INFO;
  }
  wchar_t buffer[kValueBuffer] = {0};
  GetPrivateProfileStringW(section, key, L"", buffer, kValueBuffer, file);
  buffer[kValueBuffer - 1] = 0;
  return CString(buffer);
}

CString ReadEntryFromIni(const wchar_t* file, const wchar_t* section, const wchar_t* key) {
  CString cacheKey = CacheKey(section, key);
  IniCache& cache = CacheFor(file);
  CString value;
  if (cache.entries.Lookup(cacheKey, value)) return value;
  value = ReadEntryFromDisk(file, section, key);
  // The disk read may have written defaults and so moved the other-file cache: look it up again.
  CacheFor(file).entries.SetAt(cacheKey, value);
  return value;
}

void WriteEntryDeferred(const wchar_t* file, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  CString cacheKey = CacheKey(section, key);
  IniCache& cache = CacheFor(file);
  CString text(value);
  CString old;
  if (!cache.entries.Lookup(cacheKey, old) || old != text) {
    cache.dirty = true;
    cache.pending.SetAt(cacheKey, L"");
  }
  cache.entries.SetAt(cacheKey, text);
}

void WriteEntryToIni(const wchar_t* file, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  WriteEntryDeferred(file, section, key, value);
  WritePrivateProfileStringW(section, key, value ? value : L"", file);
}

CString ReadIniString(const wchar_t* section, const wchar_t* key) {
  return ReadEntryFromIni(FileOfSection(section), section, key);
}

int ReadIniInt(const wchar_t* section, const wchar_t* key) { return OptionTextToInt(ReadIniString(section, key)); }

void WriteIniString(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
  WriteEntryDeferred(FileOfSection(section), section, key, value);
}

void WriteIniInt(const wchar_t* section, const wchar_t* key, int value) {
  WriteIniString(section, key, OptionIntText(value));
}

int ReadGeneralInfoInt(const wchar_t* key) { return OptionTextToInt(ReadGeneralInfoString(key)); }

CString ReadGeneralInfoString(const wchar_t* key) {
  return ReadEntryFromIni(GetIniFileName(), SECTION_GENERAL_INFO, key);
}

void WriteGeneralInfoString(const wchar_t* key, const wchar_t* value) {
  WriteEntryDeferred(GetIniFileName(), SECTION_GENERAL_INFO, key, value);
}

void WriteGeneralInfoInt(const wchar_t* key, int value) { WriteGeneralInfoString(key, OptionIntText(value)); }

void SaveIniBuffer(int which, bool clear) {
  IniState& state = State();
  IniCache& cache = which == INI_BUFFER_MAIN ? state.main : state.other;
  CString file = which == INI_BUFFER_MAIN ? state.mainPath : cache.file;
  bool dirty = cache.dirty;
  cache.dirty = false;
  // A file that is gone is not brought back by the write-back: its user removed it.
  if (dirty && !file.IsEmpty() && IniFileExists(file)) {
    POSITION pos = cache.pending.GetStartPosition();
    while (pos) {
      CString cacheKey, unused, value, section, key;
      cache.pending.GetNextAssoc(pos, cacheKey, unused);
      if (!cache.entries.Lookup(cacheKey, value)) continue;
      if (SplitCacheKey(cacheKey, section, key)) WritePrivateProfileStringW(section, key, value, file);
    }
  }
  cache.pending.RemoveAll();
  if (clear) cache.entries.RemoveAll();
}

void FlushIni() {
  SaveIniBuffer(INI_BUFFER_MAIN, false);
  SaveIniBuffer(INI_BUFFER_OTHER, false);
}

bool IsIniBufferDirty(int which) { return which == INI_BUFFER_MAIN ? State().main.dirty : State().other.dirty; }

int IniBufferCount(int which) {
  const IniCache& cache = which == INI_BUFFER_MAIN ? State().main : State().other;
  return static_cast<int>(cache.entries.GetCount());
}

CString IniBufferFile(int which) { return which == INI_BUFFER_MAIN ? State().mainPath : State().other.file; }
