// The private-profile (INI file) functions with Windows' signatures and results.
//
// Reading: section and key names are case-insensitive and trimmed; values are trimmed of blanks
// and a matching pair of surrounding quotes ("..." or '...') is removed; lines without "=" and
// comment lines (";") never match a key; of two sections with one name the first is read. A
// missing file reads as empty (ERROR_FILE_NOT_FOUND). A truncated value returns nSize - 1, a
// truncated double-NUL list nSize - 2 (both with ERROR_MORE_DATA).
//
// Writing rewrites the file with every other line kept byte for byte: a key replaces its first
// line in the section, a new key goes after the section's last key line, a new section is
// appended at the end (new files use "\r\n" line endings, existing files keep theirs). A NULL
// key deletes the section (every section of that name), a NULL value deletes the key. Files
// are UTF-8; a BOM is kept. The file is replaced through a temporary file in its folder, so a
// failed write leaves it as it was. Refused writes return FALSE with: ERROR_ACCESS_DENIED for a
// read-only file (no owner-write bit), ERROR_PATH_NOT_FOUND when the folder is missing,
// ERROR_INVALID_PARAMETER for names or values that would change the file's structure (a line
// break anywhere, "]" in a section name, "=" in a key, a key starting with "[" or ";").
#pragma once

#include "host/win/LastError.h"
#include "host/win/WinTypes.h"

DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer,
                               DWORD size, LPCWSTR file);
BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);
// The leading decimal integer of the value (sign allowed); the default when the key is missing
// or its value is empty; 0 when the value does not start with a number.
UINT GetPrivateProfileIntW(LPCWSTR section, LPCWSTR key, int defaultValue, LPCWSTR file);
// "key=value\0...\0\0" of the section.
DWORD GetPrivateProfileSectionW(LPCWSTR section, LPWSTR buffer, DWORD size, LPCWSTR file);
// Replaces the section's lines with the "key=value\0...\0\0" list; NULL deletes the section.
BOOL WritePrivateProfileSectionW(LPCWSTR section, LPCWSTR entries, LPCWSTR file);
DWORD GetPrivateProfileSectionNamesW(LPWSTR buffer, DWORD size, LPCWSTR file);

inline DWORD GetPrivateProfileString(LPCWSTR s, LPCWSTR k, LPCWSTR d, LPWSTR b, DWORD n, LPCWSTR f) {
  return GetPrivateProfileStringW(s, k, d, b, n, f);
}
inline BOOL WritePrivateProfileString(LPCWSTR s, LPCWSTR k, LPCWSTR v, LPCWSTR f) {
  return WritePrivateProfileStringW(s, k, v, f);
}
inline UINT GetPrivateProfileInt(LPCWSTR s, LPCWSTR k, int d, LPCWSTR f) {
  return GetPrivateProfileIntW(s, k, d, f);
}
