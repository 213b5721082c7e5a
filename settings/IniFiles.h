// The INI files of the add-on: the main INI file "Zenkora.ini", the option file in use and any
// other file, read and written through two caches (one for the main file, one for another file)
// that are written back on demand.
#pragma once

#include "host/mfc/CString.h"
#include "settings/IniFolders.h"
#include "settings/IniLists.h"
#include "settings/WindowPosition.h"

// Which cache SaveIniBuffer writes back.
const int INI_BUFFER_MAIN = 1;
const int INI_BUFFER_OTHER = 2;

// Path of the main INI file; computed once (and the file created with its start entries).
CString GetIniFileName();
// Writes back and empties the main cache when a path is remembered, then remembers `path`
// (empty: computed again by the next GetIniFileName) and forgets the main INI folder.
void SetIniFileName(const wchar_t* path);
// Forgets everything the INI layer remembers (paths, both caches, dirty flags) without writing
// anything back: a fresh start, as after loading the module.
void ResetIniState();
// The option file in use (the option object's), or the main INI file.
CString GetOptionFileName();

// Through the cache of `file`.
CString ReadEntryFromIni(const wchar_t* file, const wchar_t* section, const wchar_t* key);
// From the disk, bypassing the caches. Without a key, `section` is read as a key of
// "General Info". A missing file whose name is "Zenkora.ini" receives the option defaults first.
CString ReadEntryFromDisk(const wchar_t* file, const wchar_t* section, const wchar_t* key);
// Into the cache only; the file gets it at the next write-back.
void WriteEntryDeferred(const wchar_t* file, const wchar_t* section, const wchar_t* key, const wchar_t* value);
// Into the cache and the file.
void WriteEntryToIni(const wchar_t* file, const wchar_t* section, const wchar_t* key, const wchar_t* value);

// By section name: "Convert" lives in the option file, every other section in the main INI file.
// Writes are deferred.
CString ReadIniString(const wchar_t* section, const wchar_t* key);
int ReadIniInt(const wchar_t* section, const wchar_t* key);
void WriteIniString(const wchar_t* section, const wchar_t* key, const wchar_t* value);
void WriteIniInt(const wchar_t* section, const wchar_t* key, int value);

// Section "General Info" of the main INI file; writes are deferred.
int ReadGeneralInfoInt(const wchar_t* key);
CString ReadGeneralInfoString(const wchar_t* key);
void WriteGeneralInfoString(const wchar_t* key, const wchar_t* value);
void WriteGeneralInfoInt(const wchar_t* key, int value);

// Writes the entries written since the last write-back to the cache's file when the cache is
// dirty and the file exists; `clear` empties the cache after.
void SaveIniBuffer(int which, bool clear);
// Both caches, kept.
void FlushIni();

// State of the caches, for diagnostics and tests.
bool IsIniBufferDirty(int which);
int IniBufferCount(int which);
CString IniBufferFile(int which);
