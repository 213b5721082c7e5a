// The folders of the add-on's files: the user data folder, the main INI folder, the temporary folder.
#pragma once

#include "host/mfc/CString.h"

// Roaming application data + "\quillbar\zenkora\" (subfolders created); "\quillbar\zenkora\"
// alone when the application-data folder cannot be had.
CString GetUserDataFolder();
// The temporary folder with a trailing backslash (at most 255 characters).
CString GetTempFolder();
// The folder of the main INI file: the user data folder (remembered once found), or the
// temporary folder when the user data folder cannot be used.
CString GetMainIniFolder();
// Forgets the remembered main INI folder.
void ForgetMainIniFolder();
// True when `path` names an existing file (not a folder).
bool IniFileExists(const wchar_t* path);
