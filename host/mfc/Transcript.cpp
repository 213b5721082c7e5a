// Transcript lines of the dialog layer.
#include "host/mfc/Transcript.h"

#include "host/win/Console.h"

namespace zhost {

void TranscriptLine(const std::wstring& text) {
  Console& console = Console::instance();
  const std::wstring& t = console.transcript();
  console.print((!t.empty() && t.back() != L'\n' ? L"\n" : L"") + text + L"\n");
}

std::wstring Quoted(const std::wstring& text) {
  std::wstring q = L"\"";
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') q += L'\\';
    if (c == L'\n') q += L"\\n";
    else if (c == L'\r') q += L"\\r";
    else if (c == L'\t') q += L"\\t";
    else q += c;
  }
  return q + L"\"";
}

}  // namespace zhost
