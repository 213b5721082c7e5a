// QUIT, EXIT, APPLOAD, ARXUNLOAD and MATCHPROP.
#include "host/shell/HostCommands.h"

#include <string>

#include "host/db/MatchPropertiesApp.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/rx/AcRxDynamicLinker.h"

namespace zhost {

namespace {

std::wstring Unquoted(std::wstring text) {
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"') text = text.substr(1, text.size() - 2);
  return text;
}

void Quit() { CommandProcessor::instance().requestQuit(); }

void AppLoad() {
  std::wstring file;
  if (CommandProcessor::instance().getInput(L"Application file to load: ", file) != RTNORM || file.empty()) return;
  if (AcRxDynamicLinker* linker = Linker()) linker->loadModule(Unquoted(file).c_str(), true, true);
}

void ArxUnload() {
  std::wstring name;
  if (CommandProcessor::instance().getInput(L"Application to unload: ", name) != RTNORM || name.empty()) return;
  if (AcRxDynamicLinker* linker = Linker()) linker->unloadModule(Unquoted(name).c_str(), true, true);
}

void MatchProp() {
  AcRxDynamicLinker* linker = Linker();
  if (!linker) return;
  if (!linker->isAppLoaded(kMatchPropertiesApp) && !linker->loadModule(kMatchPropertiesApp, false, true)) return;
  PrintLine(L"Nothing to match yet: the drawing has no objects to pick.");
}

}  // namespace

void RegisterHostCommands() {
  CommandProcessor& processor = CommandProcessor::instance();
  processor.addBuiltin(L"QUIT", Quit);
  processor.addBuiltin(L"EXIT", Quit);
  processor.addBuiltin(L"APPLOAD", AppLoad);
  processor.addBuiltin(L"ARXLOAD", AppLoad);
  processor.addBuiltin(L"ARXUNLOAD", ArxUnload);
  processor.addBuiltin(L"MATCHPROP", MatchProp);
  RegisterMatchPropertiesApp();
}

}  // namespace zhost
