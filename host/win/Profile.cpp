// INI file reads and writes on top of IniDocument.
#include "host/win/Profile.h"

#include <string>
#include <vector>

#include "host/win/Files.h"
#include "host/win/IniDocument.h"
#include "host/win/TextConv.h"

namespace {

// The document of `file`; false when the file cannot be read (error set, document empty).
bool LoadDocument(LPCWSTR file, zhost::IniDocument& doc, DWORD& error) {
  error = ERROR_FILE_NOT_FOUND;
  if (!file || !*file) return false;
  std::string bytes;
  if (!zhost::ReadWholeFile(zhost::ToFsPath(file), bytes, &error)) return false;
  doc = zhost::IniDocument(bytes);
  error = ERROR_SUCCESS;
  return true;
}

DWORD CopyText(const std::wstring& text, LPWSTR buffer, DWORD size) {
  if (text.size() < size) {
    std::wmemcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<DWORD>(text.size());
  }
  std::wmemcpy(buffer, text.c_str(), size - 1);
  buffer[size - 1] = 0;
  SetLastError(ERROR_MORE_DATA);
  return size - 1;
}

// "a\0b\0\0"; when it does not fit, the last string is cut and followed by two NULs.
DWORD CopyList(const std::vector<std::wstring>& items, LPWSTR buffer, DWORD size) {
  std::wstring all;
  for (const auto& item : items) {
    all += item;
    all += L'\0';
  }
  if (all.size() + 1 <= size) {
    std::wmemcpy(buffer, all.data(), all.size());
    buffer[all.size()] = 0;
    if (all.empty() && size >= 2) buffer[1] = 0;
    return static_cast<DWORD>(all.size());
  }
  if (size < 2) {
    buffer[0] = 0;
    SetLastError(ERROR_MORE_DATA);
    return 0;
  }
  std::wmemcpy(buffer, all.data(), size - 2);
  buffer[size - 2] = 0;
  buffer[size - 1] = 0;
  SetLastError(ERROR_MORE_DATA);
  return size - 2;
}

std::wstring DefaultText(LPCWSTR defaultValue) {
  std::wstring d = defaultValue ? defaultValue : L"";
  while (!d.empty() && (d.back() == L' ' || d.back() == L'\t')) d.pop_back();
  return d;
}

bool HasLineBreak(const std::wstring& s) { return s.find_first_of(L"\r\n") != std::wstring::npos; }

std::wstring TrimmedName(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t");
  if (b == std::wstring::npos) return std::wstring();
  return s.substr(b, s.find_last_not_of(L" \t") - b + 1);
}

bool ValidSection(LPCWSTR section) {
  std::wstring s = section;
  return !HasLineBreak(s) && s.find(L']') == std::wstring::npos;
}

bool ValidKey(LPCWSTR key) {
  std::wstring k = TrimmedName(key);
  return !k.empty() && !HasLineBreak(k) && k.find(L'=') == std::wstring::npos && k[0] != L'[' && k[0] != L';';
}

template <typename Edit>
BOOL EditFile(LPCWSTR file, bool removesOnly, Edit edit) {
  if (!file || !*file) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  std::string path = zhost::ToFsPath(file);
  if (zhost::IsReadOnlyFile(path)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  zhost::IniDocument doc("");
  DWORD error = 0;
  bool exists = LoadDocument(file, doc, error);
  if (!exists && error != ERROR_FILE_NOT_FOUND && !(removesOnly && error == ERROR_PATH_NOT_FOUND)) {
    SetLastError(error);
    return FALSE;
  }
  if (!exists && removesOnly) return TRUE;
  std::string before = doc.bytes();
  edit(doc);
  std::string after = doc.bytes();
  if (exists && after == before) return TRUE;
  if (!zhost::WriteFileAtomically(path, after, &error)) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer,
                               DWORD size, LPCWSTR file) {
  if (!buffer || size == 0) return 0;
  zhost::IniDocument doc("");
  DWORD error = 0;
  bool loaded = LoadDocument(file, doc, error);
  SetLastError(error);
  if (!section) return CopyList(doc.sectionNames(), buffer, size);
  if (!key) return CopyList(doc.keyNames(section), buffer, size);
  std::wstring value;
  if (!loaded || !doc.findValue(section, key, value)) value = DefaultText(defaultValue);
  return CopyText(value, buffer, size);
}

UINT GetPrivateProfileIntW(LPCWSTR section, LPCWSTR key, int defaultValue, LPCWSTR file) {
  zhost::IniDocument doc("");
  DWORD error = 0;
  std::wstring value;
  if (!section || !key || !LoadDocument(file, doc, error) || !doc.findValue(section, key, value) || value.empty())
    return static_cast<UINT>(defaultValue);
  size_t i = 0;
  bool negative = false;
  if (value[i] == L'-' || value[i] == L'+') negative = value[i++] == L'-';
  UINT result = 0;
  for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i)
    result = result * 10u + static_cast<UINT>(value[i] - L'0');
  return negative ? 0u - result : result;
}

DWORD GetPrivateProfileSectionW(LPCWSTR section, LPWSTR buffer, DWORD size, LPCWSTR file) {
  if (!buffer || size == 0) return 0;
  zhost::IniDocument doc("");
  DWORD error = 0;
  LoadDocument(file, doc, error);
  SetLastError(error);
  return CopyList(section ? doc.sectionEntries(section) : std::vector<std::wstring>(), buffer, size);
}

DWORD GetPrivateProfileSectionNamesW(LPWSTR buffer, DWORD size, LPCWSTR file) {
  return GetPrivateProfileStringW(nullptr, nullptr, nullptr, buffer, size, file);
}

BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
  if (!section && !key && !value) return TRUE;  // "flush the cache": nothing is cached
  if (!section || !ValidSection(section) || (key && !ValidKey(key)) || (value && HasLineBreak(value))) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!key) return EditFile(file, true, [&](zhost::IniDocument& d) { d.deleteSection(section); });
  if (!value) return EditFile(file, true, [&](zhost::IniDocument& d) { d.deleteKey(section, key); });
  return EditFile(file, false, [&](zhost::IniDocument& d) { d.setValue(section, key, value); });
}

BOOL WritePrivateProfileSectionW(LPCWSTR section, LPCWSTR entries, LPCWSTR file) {
  if (!section || !ValidSection(section)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (!entries) return EditFile(file, true, [&](zhost::IniDocument& d) { d.deleteSection(section); });
  std::vector<std::wstring> lines;
  for (const wchar_t* p = entries; *p; p += std::wcslen(p) + 1) {
    std::wstring entry = p;
    std::wstring trimmed = TrimmedName(entry);
    if (HasLineBreak(entry) || (!trimmed.empty() && trimmed[0] == L'[')) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return FALSE;
    }
    lines.push_back(entry);
  }
  return EditFile(file, false, [&](zhost::IniDocument& d) { d.replaceSection(section, lines); });
}
