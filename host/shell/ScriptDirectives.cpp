// The script directives: each row names a directive and the function that carries it out.
#include <string>

#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/UpperCase.h"
#include "host/mfc/DialogScripting.h"
#include "host/mfc/ScriptActions.h"
#include "host/shell/HostCommands.h"
#include "host/win/Console.h"
#include "host/win/KeyState.h"

namespace zhost {

namespace {

// %answer yes|no|ok|cancel|retry|ignore|abort: the answer for the next message box.
void Answer(const std::wstring& args) {
  static const wchar_t* const kAnswers[] = {L"yes", L"no", L"ok", L"cancel", L"retry", L"ignore", L"abort"};
  std::wstring value = args;
  for (auto& c : value) c = static_cast<wchar_t>(c >= L'A' && c <= L'Z' ? c + 32 : c);
  for (const wchar_t* answer : kAnswers) {
    if (value != answer) continue;
    Console::instance().queueAnswer(L"messagebox", value);
    return;
  }
  PrintLine(L"%answer expects yes, no, ok, cancel, retry, ignore or abort, not \"" + args + L"\".");
}

// %key NAME: one stroke of the named key (esc, enter, shift ...), seen by the next key-state query.
void Key(const std::wstring& args) {
  int vk = VirtualKeyFromName(args);
  if (!vk) {
    PrintLine(L"%key does not know the key \"" + args + L"\".");
    return;
  }
  PressKey(vk);
}

const struct {
  const wchar_t* name;
  void (*run)(const std::wstring& args);
} kDirectives[] = {
    {L"answer", Answer},
    {L"key", Key},
    {L"dialog", RunDialogDirective},
    {L"menu", RunMenuDirective},
};

// Modal dialogs and waiting pop-up menus take the script's next directive lines as the
// user's actions.
bool RunDirectiveLine() { return CommandProcessor::instance().runDirectiveLine(); }

}  // namespace

void RegisterScriptDirectives() {
  for (const auto& row : kDirectives) CommandProcessor::instance().addDirective(row.name, row.run);
  SetScriptActionSource(RunDirectiveLine);
}

}  // namespace zhost
