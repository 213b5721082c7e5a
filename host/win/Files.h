// Files and folders with the Windows API's names and results: attributes, folders, copy, move,
// delete, the temporary and application-data folders, and the wide C runtime file functions.
// Paths may use "\" or "/". A file whose owner-write permission bit is clear counts as read-only
// (FILE_ATTRIBUTE_READONLY), for every user including root, as the read-only attribute does.
#pragma once

#include <cstdio>
#include <string>

#include "host/win/LastError.h"
#include "host/win/WinTypes.h"

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_HIDDEN 0x00000002
#define FILE_ATTRIBUTE_SYSTEM 0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
#define MOVEFILE_DELAY_UNTIL_REBOOT 0x00000004
#define MOVEFILE_WRITE_THROUGH 0x00000008

#define CSIDL_PERSONAL 0x0005
#define CSIDL_APPDATA 0x001a
#define CSIDL_LOCAL_APPDATA 0x001c
#define CSIDL_FLAG_CREATE 0x8000
#define CSIDL_FLAG_MASK 0xFF00
#define SHGFP_TYPE_CURRENT 0
#define SHGFP_TYPE_DEFAULT 1

#ifndef E_INVALIDARG
#define E_INVALIDARG ((HRESULT)0x80070057L)
#endif

struct SECURITY_ATTRIBUTES {
  DWORD nLength = sizeof(SECURITY_ATTRIBUTES);
  LPVOID lpSecurityDescriptor = nullptr;
  BOOL bInheritHandle = FALSE;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

DWORD GetFileAttributesW(LPCWSTR path);
BOOL CreateDirectoryW(LPCWSTR path, LPSECURITY_ATTRIBUTES attributes);
BOOL RemoveDirectoryW(LPCWSTR path);
// Refuses a read-only file (ERROR_ACCESS_DENIED) as Windows does.
BOOL DeleteFileW(LPCWSTR path);
// Copies through a temporary file beside the target, so a failed copy leaves the target as it
// was; the permission bits go with the copy.
BOOL CopyFileW(LPCWSTR existing, LPCWSTR target, BOOL failIfExists);
BOOL MoveFileExW(LPCWSTR existing, LPCWSTR target, DWORD flags);
BOOL MoveFileW(LPCWSTR existing, LPCWSTR target);
BOOL PathFileExistsW(LPCWSTR path);

// $TMPDIR or "/tmp/", always with a trailing "/". Returns the length without the NUL; when the
// buffer is too small, the size needed including the NUL (and the buffer holds "").
DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer);

// CSIDL_APPDATA: zhost::AppDataFolder(); CSIDL_LOCAL_APPDATA: its "Local" subfolder;
// CSIDL_PERSONAL: $HOME. With CSIDL_FLAG_CREATE the folder is created when missing. `path`
// holds MAX_PATH characters; a longer folder is refused with E_FAIL.
HRESULT SHGetFolderPathW(HWND owner, int folder, HANDLE token, DWORD flags, LPWSTR path);

// The C runtime's wide file functions. _wfopen accepts the Windows mode letters ("t",
// ", ccs=UTF-8" ...); _wrename refuses an existing target as on Windows.
FILE* _wfopen(const wchar_t* path, const wchar_t* mode);
int _waccess(const wchar_t* path, int mode);
int _wremove(const wchar_t* path);
int _wrename(const wchar_t* oldName, const wchar_t* newName);
int _wmkdir(const wchar_t* path);
int _wrmdir(const wchar_t* path);
int _wunlink(const wchar_t* path);

namespace zhost {

// The user's application-data folder (no trailing separator): set by SetAppDataFolder (the
// shell's --appdata), else $APPDATA, else $HOME/.local/share/zhost/AppData.
void SetAppDataFolder(const std::wstring& folder);
std::wstring AppDataFolder();

// Whole-file read. Returns false with a Windows error code when the file cannot be read.
bool ReadWholeFile(const std::string& fsPath, std::string& bytes, DWORD* error);

// Replaces the file's contents safely: the bytes go to a temporary file in the same folder,
// which is then renamed over the target (a symbolic link is followed to its target). The
// target's permission bits are kept; a new file gets the usual 0666 & ~umask. A read-only
// target (no owner-write bit) is refused with ERROR_ACCESS_DENIED, a missing folder with
// ERROR_PATH_NOT_FOUND. On failure the target is untouched and no temporary file remains.
bool WriteFileAtomically(const std::string& fsPath, const std::string& bytes, DWORD* error);

// True when the file exists and its owner-write permission bit is clear.
bool IsReadOnlyFile(const std::string& fsPath);

}  // namespace zhost
