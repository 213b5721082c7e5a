// Choosing, loading and freeing the language resource module.
#include "frame/LanguageModule.h"

#include "frame/ModuleHandles.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "settings/IniFiles.h"

namespace {

HINSTANCE g_hLanguageModule = nullptr;
CString g_strLanguageModulePath;

bool FileExists(const CString& path) { return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES; }

// The folder of this module's file, with its trailing separator.
CString ModuleFolder() {
  wchar_t path[MAX_PATH] = {0};
  GetModuleFileNameW(GetModuleInstance(), path, MAX_PATH);
  CString folder(path);
  int last = -1;
  for (int i = 0; i < folder.GetLength(); ++i) {
    const wchar_t ch = folder[i];
    if (ch == L'\\' || ch == L'/' || ch == L':') last = i;
  }
  return folder.Left(last + 1);
}

}  // namespace

HINSTANCE GetLanguageModule() { return g_hLanguageModule; }

CString GetLoadedLanguageModulePath() { return g_strLanguageModulePath; }

CString GetLanguageModulePath() {
  const CString language = ReadEntryFromIni(GetIniFileName(), L"LastStatus", L"Language");
  // A language is a name suffix, never a path: such a value would load a module from elsewhere.
  if (language.FindOneOf(L"\\/:") >= 0) return CString();
  CString fileName;
  fileName.Format(L"zenkora%s.lng", language.GetString());

  const CString besideModule = ModuleFolder() + fileName;
  if (FileExists(besideModule)) return besideModule;
  return GetUserDataFolder() + fileName;
}

void FreeLanguageModule() {
  if (g_hLanguageModule) FreeLibrary(g_hLanguageModule);
  g_hLanguageModule = nullptr;
  g_strLanguageModulePath.Empty();
}

void LoadLanguageModule() {
  const CString path = GetLanguageModulePath();
  if (!g_strLanguageModulePath.IsEmpty() && path.CompareNoCase(g_strLanguageModulePath) == 0) return;

  if (g_hLanguageModule) FreeLibrary(g_hLanguageModule);
  g_hLanguageModule = nullptr;
  g_strLanguageModulePath = path;

  if (path.IsEmpty() || !FileExists(path)) return;
  g_hLanguageModule = LoadLibraryW(path);
}
