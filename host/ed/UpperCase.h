// Upper-casing of command names, symbols and system-variable names as the command line does it.
#pragma once

#include <string>

namespace zhost {

std::wstring UpperCase(std::wstring text);
bool SameUpper(const std::wstring& a, const std::wstring& b);

}  // namespace zhost
