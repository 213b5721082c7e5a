// Formatting codes of multiline texts reduced to plain lines.
#include "host/gi/MTextFormat.h"

namespace zhost {

std::vector<std::wstring> MTextPlainLines(const std::wstring& s) {
  std::vector<std::wstring> lines(1);
  for (size_t i = 0; i < s.size(); ++i) {
    wchar_t c = s[i];
    if (c == L'{' || c == L'}' || c == L'\r') continue;
    if (c == L'\n') {
      lines.emplace_back();
      continue;
    }
    if (c != L'\\' || i + 1 >= s.size()) {
      lines.back() += c;
      continue;
    }
    wchar_t code = s[++i];
    switch (code) {
      case L'P':
        lines.emplace_back();
        break;
      case L'~':
        lines.back() += L' ';
        break;
      case L'\\': case L'{': case L'}':
        lines.back() += code;
        break;
      case L'L': case L'l': case L'O': case L'o': case L'K': case L'k':
        break;
      case L'A': case L'C': case L'c': case L'f': case L'F': case L'H': case L'Q': case L'T': case L'W': {
        size_t end = s.find(L';', i + 1);
        i = end == std::wstring::npos ? s.size() : end;
        break;
      }
      case L'S': {
        size_t end = s.find(L';', i + 1);
        std::wstring stack = s.substr(i + 1, end == std::wstring::npos ? std::wstring::npos : end - i - 1);
        for (wchar_t& k : stack)
          if (k == L'^' || k == L'#') k = L'/';
        lines.back() += stack;
        i = end == std::wstring::npos ? s.size() : end;
        break;
      }
      default:
        lines.back() += L'\\';
        lines.back() += code;
    }
  }
  return lines;
}

}  // namespace zhost
