// The plain lines of a multiline text: paragraphs split at "\P" (and line feeds), the simple
// formatting codes removed ("\A", "\C", "\f", "\F", "\H", "\Q", "\T", "\W" with their values up
// to ";", the switches "\L", "\l", "\O", "\o", "\K", "\k", the braces of groups), "\S" stacks shown
// as "a/b", "\~" as a space and "\\", "\{", "\}" as the character itself.
#pragma once

#include <string>
#include <vector>

namespace zhost {

std::vector<std::wstring> MTextPlainLines(const std::wstring& contents);

}  // namespace zhost
