// Deriving the loader's names, folder and load expression from the module path.
#include "lispload/LoaderNames.h"

namespace pellbar {

namespace {

// Index just after the last of `separators`, 0 when there is none.
std::size_t StartAfterLast(const std::wstring& path, const wchar_t* separators) {
  const std::size_t last = path.find_last_of(separators);
  return last == std::wstring::npos ? 0 : last + 1;
}

}  // namespace

bool IsSupportedModulePath(const std::wstring& modulePath) {
  return !modulePath.empty() && modulePath.size() < kMaxModulePathLength;
}

std::wstring BaseNameOf(const std::wstring& modulePath) {
  const std::wstring fileName = modulePath.substr(StartAfterLast(modulePath, L"/:\\"));
  return fileName.substr(0, fileName.find(L'.'));
}

std::wstring LoaderFunctionName(const std::wstring& baseName) { return L"Pellbar-" + baseName; }

std::wstring FolderFunctionName(const std::wstring& baseName) { return L"GetPathOf" + baseName; }

std::wstring FolderOf(const std::wstring& modulePath) {
  return modulePath.substr(0, StartAfterLast(modulePath, L"/:\\"));
}

std::wstring LoadPathOf(const std::wstring& modulePath) {
  std::wstring path = modulePath;
  for (wchar_t& ch : path)
    if (ch == L'\\') ch = L'/';
  const std::size_t nameStart = StartAfterLast(path, L"/:");
  // A leading "." belongs to the name (".hidden.arx" loads ".hidden").
  const std::size_t dot = path.find(L'.', nameStart + 1);
  if (dot != std::wstring::npos) path.erase(dot);
  return path;
}

std::wstring LoadExpression(const std::wstring& modulePath) {
  std::wstring literal;
  for (wchar_t ch : LoadPathOf(modulePath)) {
    if (ch == L'"') literal += L'\\';
    literal += ch;
  }
  return L"(vl-load-all \"" + literal + L"\")(princ)\n";
}

}  // namespace pellbar
