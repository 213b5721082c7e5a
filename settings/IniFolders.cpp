// The folders of the add-on's files.
#include "settings/IniFolders.h"

#include "host/win/Files.h"

namespace {

CString& RememberedMainIniFolder() {
  static CString folder;
  return folder;
}

bool FolderExists(const CString& path) {
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// An existing folder counts as created.
void CreateFolder(const CString& path) {
  if (!FolderExists(path)) CreateDirectoryW(path, nullptr);
}

bool GetAppDataFolder(CString& folder) {
  wchar_t buffer[MAX_PATH + 1] = {0};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buffer))) return false;
  folder = buffer;
  return !folder.IsEmpty();
}

}  // namespace

CString GetUserDataFolder() {
  CString folder;
  // Without an application-data folder the subfolders are not made: they would land in the
  // root of the drive.
  bool found = GetAppDataFolder(folder);
  folder += L"\\quillbar";
  if (found) CreateFolder(folder);
  folder += L"\\zenkora";
  if (found) CreateFolder(folder);
  folder += L"\\";
  return folder;
}

CString GetTempFolder() {
  wchar_t buffer[256] = {0};
  DWORD length = GetTempPathW(255, buffer);
  if (length == 0 || length > 255) return CString();
  CString folder(buffer);
  if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\' && folder[folder.GetLength() - 1] != L'/') {
    folder += L"\\";
  }
  return folder;
}

CString GetMainIniFolder() {
  CString& remembered = RememberedMainIniFolder();
  if (!remembered.IsEmpty()) return remembered;
  CString appData;
  CString folder = GetUserDataFolder();
  // The user data folder may be unusable (no application-data folder, or its subfolders could not
  // be created): the settings then go to the temporary folder rather than nowhere.
  if (!GetAppDataFolder(appData) || folder.GetLength() < 3 || !FolderExists(folder)) return GetTempFolder();
  remembered = folder;
  return folder;
}

void ForgetMainIniFolder() { RememberedMainIniFolder().Empty(); }

bool IniFileExists(const wchar_t* path) {
  if (!path || !*path) return false;
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
