// The names and texts the LISP loader derives from its own module path: the base name, the
// LISP function names, the folder and the expression that loads the LISP application.
#pragma once

#include <string>

namespace pellbar {

// Module paths of this many characters or more are refused: the loader was built for shorter ones.
constexpr std::size_t kMaxModulePathLength = 216;

// The limit GetModuleFileNameW is called with.
constexpr std::size_t kModulePathBufferSize = 260;

bool IsSupportedModulePath(const std::wstring& modulePath);

// The file-name part (after the last "/", ":" or "\") cut at its first ".": abc.ARX.21.x64.arx -> abc.
std::wstring BaseNameOf(const std::wstring& modulePath);

// "Pellbar-" + base name: the function that queues the load once.
std::wstring LoaderFunctionName(const std::wstring& baseName);

// "GetPathOf" + base name: the function that returns the module's folder.
std::wstring FolderFunctionName(const std::wstring& baseName);

// The path up to and including its last "/", ":" or "\" (backslashes kept); empty without any.
std::wstring FolderOf(const std::wstring& modulePath);

// The path with "/" for "\" and without the extension of the file name: C:/Apps/abc.
std::wstring LoadPathOf(const std::wstring& modulePath);

// (vl-load-all "PATH")(princ) and a newline; a double quote in the path is escaped.
std::wstring LoadExpression(const std::wstring& modulePath);

}  // namespace pellbar
