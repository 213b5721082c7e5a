// Command-line output and posting.
#include "host/ed/CommandLine.h"

#include <cstdarg>

#include "host/ed/CommandProcessor.h"
#include "host/win/Console.h"
#include "host/win/Module.h"
#include "host/win/Window.h"
#include "host/win/WideFormat.h"

int acutPrintf(const ACHAR* format, ...) {
  if (!format) return 0;
  va_list args;
  va_start(args, format);
  std::wstring text = zhost::FormatWideV(format, args);
  va_end(args);
  zhost::WriteText(text);
  return static_cast<int>(text.size());
}

int acedPostCommandPrompt() {
  zhost::CommandProcessor::instance().requestPrompt();
  return RTNORM;
}

int acedPostCommand(const ACHAR* text) {
  if (!text) return RTERROR;
  zhost::CommandProcessor::instance().post(text);
  return RTNORM;
}

HINSTANCE acedGetAcadResourceInstance() { return zhost::HostModule(); }

namespace zhost {

static bool AtLineStart() {
  const std::wstring& t = Console::instance().transcript();
  return t.empty() || t.back() == L'\n';
}

void PrintPrompt(const std::wstring& prompt) {
  // Prompts often carry their own leading line break; one line start is enough.
  size_t first = prompt.find_first_not_of(L'\n');
  if (!AtLineStart()) Console::instance().print(L"\n");
  if (first != std::wstring::npos) Console::instance().print(prompt.substr(first));
}

void PrintLine(const std::wstring& text) { PrintPrompt(text); }

namespace {
size_t echoedAt = static_cast<size_t>(-1);  // transcript length right after the last echo
}

void MarkInputEchoed() { echoedAt = Console::instance().transcript().size(); }

void WriteText(const std::wstring& text) {
  if (text.empty()) return;
  Console& console = Console::instance();
  if (echoedAt == console.transcript().size() && text[0] != L'\n') console.print(L"\n");
  console.print(text);
}

}  // namespace zhost

HWND adsw_acadMainWnd() { return zhost::MainWindow(); }
