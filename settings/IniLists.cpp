// List sections, pair entries and the section reader by key prefix.
#include "settings/IniLists.h"

#include <cstdio>
#include <string>

#include "host/win/Files.h"
#include "host/win/TextConv.h"
#include "settings/IniFiles.h"

namespace {

CString ListFile(const wchar_t* file) {
  if (file && *file) return CString(file);
  return GetOptionFileName();
}

CString ItemKey(int index) {
  CString key;
  key.Format(L"Item_%d", index);
  return key;
}

bool ListHolds(const CStringArray& list, const CString& value) {
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    if (list.GetAt(i).GetLength() == value.GetLength() && list.GetAt(i).CompareNoCase(value) == 0) return true;
  }
  return false;
}

bool ReadWholeFile(const wchar_t* file, std::string& bytes) {
  FILE* in = _wfopen(file, L"rb");
  if (!in) return false;
  char chunk[65536];
  size_t got;
  while ((got = fread(chunk, 1, sizeof(chunk), in)) > 0) bytes.append(chunk, got);
  fclose(in);
  return true;
}

}  // namespace

int LoadSection(CStringArray& list, const wchar_t* section, const wchar_t* file) {
  list.RemoveAll();
  CString path = ListFile(file);
  for (int i = 0; i < MAX_LIST_ITEMS; ++i) {
    CString value = ReadEntryFromIni(path, section, ItemKey(i));
    if (value.IsEmpty()) break;
    if (!ListHolds(list, value)) list.Add(value);
  }
  return static_cast<int>(list.GetSize());
}

int SaveSection(const CStringArray& list, const wchar_t* section, const wchar_t* file) {
  CString path = ListFile(file);
  int count = static_cast<int>(list.GetSize());
  if (count == 0) {
    // Item_0 too: an old first item would otherwise still read back as a one-value list.
    WriteEntryDeferred(path, section, L"LastItem", L"");
    WriteEntryDeferred(path, section, ItemKey(0), L"");
    WriteEntryDeferred(path, section, ItemKey(1), L"");
    return 0;
  }
  for (int i = 0; i < count; ++i) {
    // An empty value is written as an empty item, so that an older value under its number cannot
    // come back; reading ends there either way.
    WriteEntryDeferred(path, section, ItemKey(i), list.GetAt(i));
  }
  WriteEntryDeferred(path, section, ItemKey(count), L"");
  WriteEntryDeferred(path, section, L"LastItem", list.GetAt(count - 1));
  return count;
}

bool SplitPairEntry(const wchar_t* text, CString& key, CString& value) {
  CString entry(text);
  int first = entry.Find(L'=');
  if (first < 0) return false;
  key = entry.Left(first);
  key.Trim();
  if (key.IsEmpty()) return false;
  CString rest = entry.Mid(first + 1);
  int second = rest.Find(L'=');
  if (second < 0) {
    value = rest;
    value.Trim();
    return true;
  }
  value = rest.Left(second);
  value.Trim();
  CString third = rest.Mid(second + 1);
  int fourth = third.Find(L'=');
  if (fourth >= 0) third = third.Left(fourth);
  third.Trim();
  value += L"=";
  value += third;
  return true;
}

int ReadSectionByPrefix(const wchar_t* file, const wchar_t* section, const wchar_t* prefix,
                        CMapStringToString& result) {
  result.RemoveAll();
  if (!IniFileExists(file)) return 0;
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) return 0;
  std::wstring text = zhost::FromUtf8(bytes);
  if (!text.empty() && text[0] == 0xFEFF) text.erase(0, 1);
  CString wanted(section);
  CString keyPrefix(prefix ? prefix : L"");
  bool inside = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    CString line(text.substr(start, end - start));
    start = end + 1;
    line.Trim();
    if (line.IsEmpty() || line[0] == L';') continue;
    if (line[0] == L'[') {
      if (inside) break;
      CString name = line.Mid(1);
      int close = name.Find(L']');
      if (close >= 0) name = name.Left(close);
      name.Trim();
      inside = name.CompareNoCase(wanted) == 0;
      continue;
    }
    if (!inside) continue;
    int at = line.Find(L'=');
    if (at < 0) continue;
    CString key = line.Left(at);
    key.TrimRight();
    if (keyPrefix.IsEmpty() || key.Left(keyPrefix.GetLength()).CompareNoCase(keyPrefix) == 0) {
      CString value = line.Mid(at + 1);
      value.TrimLeft();
      result.SetAt(key, value);
    }
  }
  return static_cast<int>(result.GetCount());
}
