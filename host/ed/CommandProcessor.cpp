// The command prompt loop, input order, command lookup and CMDNAMES.
#include "host/ed/CommandProcessor.h"

#include "host/ed/AcEdCommandStack.h"
#include "host/ed/CommandLine.h"
#include "host/ed/EditorReactor.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/LispInterpreter.h"
#include "host/ed/UpperCase.h"
#include "host/mfc/Exceptions.h"
#include "host/rx/AcRxDynamicLinker.h"
#include "host/rx/ads.h"
#include "host/win/Console.h"
#include "host/win/MessageQueue.h"

namespace zhost {

namespace {

std::wstring Trim(const std::wstring& s) {
  size_t b = s.find_first_not_of(L" \t\r\n");
  if (b == std::wstring::npos) return L"";
  size_t e = s.find_last_not_of(L" \t\r\n");
  return s.substr(b, e - b + 1);
}

bool IsCancel(const std::wstring& text) { return SameUpper(Trim(text), L"*CANCEL*"); }

void Echo(const std::wstring& text) {
  Console::instance().print(text);
  MarkInputEchoed();
}

// Reactor callbacks are module code: what they throw stays here.
template <class Fn>
void NotifyEditor(Fn fn) {
  acedEditor->notify([&](AcEditorReactor* r) {
    try {
      fn(r);
    } catch (CException* e) {
      e->Delete();
    } catch (...) {
    }
  });
}

}  // namespace

CommandProcessor& CommandProcessor::instance() {
  static CommandProcessor processor;
  return processor;
}

CommandProcessor::CommandProcessor() = default;

void CommandProcessor::addBuiltin(const std::wstring& name, BuiltinFn fn) { builtins_[UpperCase(name)] = std::move(fn); }

void CommandProcessor::addDirective(const std::wstring& name, DirectiveFn fn) {
  directives_[UpperCase(name)] = std::move(fn);
}

void CommandProcessor::reset() {
  posted_.clear();
  lineRest_.clear();
  lookahead_.clear();
  active_.clear();
  outcomes_.clear();
  lispDepth_ = 0;
  lispCancelled_ = false;
  lastCommand_.clear();
  promptRequested_ = false;
  quit_ = false;
}

std::wstring CommandProcessor::activeCommandNames() const {
  std::wstring names;
  for (const auto& n : active_) names += (names.empty() ? L"" : L"'") + n;
  return names;
}

void CommandProcessor::post(const std::wstring& text) {
  std::wstring token;
  bool afterSeparator = true;
  for (size_t i = 0; i < text.size(); ++i) {
    wchar_t c = text[i];
    if (c == 27) {
      if (!token.empty()) posted_.push_back({false, token});
      token.clear();
      posted_.push_back({true, L""});
      afterSeparator = false;
      continue;
    }
    if (c == L'(' && token.empty()) {
      // A LISP expression is one input, blanks and all.
      int depth = 0;
      bool inString = false;
      size_t j = i;
      for (; j < text.size(); ++j) {
        wchar_t d = text[j];
        if (inString) {
          if (d == L'\\') ++j;
          else if (d == L'"') inString = false;
        } else if (d == L'"') {
          inString = true;
        } else if (d == L'(') {
          ++depth;
        } else if (d == L')' && --depth == 0) {
          break;
        }
      }
      token = text.substr(i, j - i + 1);
      i = j;
      continue;
    }
    if (c == L' ' || c == L'\n' || c == L'\r') {
      if (!token.empty() || afterSeparator) posted_.push_back({false, token});
      token.clear();
      afterSeparator = true;
      continue;
    }
    token += c;
    afterSeparator = false;
  }
  if (!token.empty()) posted_.push_back({false, token});
}

bool CommandProcessor::peekInput() {
  if (!posted_.empty() || !lineRest_.empty() || !lookahead_.empty()) return true;
  if (!source_) return false;
  std::wstring line;
  for (;;) {
    // Every script line is a gap between inputs: posted messages and due timers come first,
    // and what they post is the next input.
    PumpMessages();
    if (!posted_.empty() || !lookahead_.empty()) return true;
    if (!source_->nextLine(line)) break;
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    std::wstring trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] == L';') continue;
    if (!trimmed.empty() && trimmed[0] == L'%') {
      runDirective(trimmed);
      if (quit_) return false;
      if (!posted_.empty()) return true;
      continue;
    }
    lookahead_.push_back(line);
    return true;
  }
  return false;
}

bool CommandProcessor::nextInput(Input& input) {
  if (!lineRest_.empty()) {
    input = {false, lineRest_.front()};
    lineRest_.pop_front();
  } else if (!posted_.empty()) {
    input = posted_.front();
    posted_.pop_front();
  } else if (peekInput() && !lookahead_.empty()) {
    input = {false, lookahead_.front()};
    lookahead_.pop_front();
  } else if (!posted_.empty()) {
    input = posted_.front();
    posted_.pop_front();
  } else {
    return false;
  }
  if (!input.cancel && IsCancel(input.text)) input = {true, L""};
  return true;
}

void CommandProcessor::run() {
  while (step()) {
  }
}

bool CommandProcessor::step() {
  if (quit_) return false;
  lisp::Interpreter::instance().runQueued();
  if (quit_) return false;
  if (!peekInput()) {
    if (promptRequested_) PrintPrompt(L"Command: ");
    promptRequested_ = false;
    return false;
  }
  PrintPrompt(L"Command: ");
  promptRequested_ = false;
  Input input;
  if (!nextInput(input)) return false;
  Echo(input.cancel ? L"*Cancel*" : input.text);
  if (!input.cancel) execute(input.text);
  return !quit_;
}

void CommandProcessor::execute(const std::wstring& line) {
  std::wstring text = Trim(line);
  if (text.empty()) {
    if (!lastCommand_.empty()) runCommand(lastCommand_);
    return;
  }
  if (text[0] == L'(') {
    runLisp(text);
    return;
  }
  std::wstring name = text, rest;
  size_t blank = text.find_first_of(L" \t");
  if (blank != std::wstring::npos) {
    name = text.substr(0, blank);
    rest = Trim(text.substr(blank));
    lineRest_.push_front(rest);
  }
  if (runCommand(name)) {
    lastCommand_ = name;
    return;
  }
  lineRest_.clear();
  std::wstring unknown = UpperCase(name);
  NotifyEditor([&](AcEditorReactor* r) { r->unknownCommand(unknown.c_str(), nullptr); });
  PrintLine(L"Unknown command \"" + UpperCase(name) + L"\". Type a command name, or a LISP expression in parentheses.");
}

bool CommandProcessor::runCommand(const std::wstring& typed) {
  std::wstring name = typed;
  bool global = false, builtinFirst = false;
  while (!name.empty() && (name[0] == L'_' || name[0] == L'-' || name[0] == L'.' || name[0] == L'\'')) {
    global = global || name[0] == L'_';
    builtinFirst = builtinFirst || name[0] == L'.';
    name.erase(0, 1);
  }
  if (name.empty()) return false;
  auto builtin = builtins_.find(UpperCase(name));
  if (builtinFirst && builtin != builtins_.end()) {
    BuiltinFn fn = builtin->second;
    runNamed(builtin->first, fn);
    return true;
  }
  if (AcEdCommandStack* stack = CommandStack()) {
    if (AcEdCommand* cmd = stack->lookupAnyName(name, global)) {
      AcRxFunctionPtr fn = cmd->functionAddr();
      std::wstring owner = cmd->ownerApp();
      runNamed(UpperCase(cmd->globalName()), [fn, owner] {
        AppScope scope(owner);
        fn();
      });
      return true;
    }
  }
  if (builtin != builtins_.end()) {
    BuiltinFn fn = builtin->second;
    runNamed(builtin->first, fn);
    return true;
  }
  lisp::Interpreter& lisp = lisp::Interpreter::instance();
  std::wstring function = L"C:" + UpperCase(name);
  if (!lisp.isFunction(function)) return false;
  std::wstring typedName = L"(" + function + L")";
  NotifyEditor([&](AcEditorReactor* r) { r->lispWillStart(typedName.c_str()); });
  ++lispDepth_;
  if (lispDepth_ == 1) lispCancelled_ = false;
  try {
    lisp::ValuePtr value = lisp.call(function, {});
    if (!lisp::IsVoid(value)) WriteText(lisp::Prin1(value));
  } catch (const lisp::LispError& e) {
    PrintLine(L"; error: " + e.message);
  }
  bool cancelled = --lispDepth_ == 0 && lispCancelled_;
  NotifyEditor([&](AcEditorReactor* r) { cancelled ? r->lispCancelled() : r->lispEnded(); });
  return true;
}

void CommandProcessor::failCommand() {
  if (!outcomes_.empty()) outcomes_.back() = kFailed;
}

void CommandProcessor::noteCancel() {
  if (!outcomes_.empty() && outcomes_.back() == kCompleted) outcomes_.back() = kCancelled;
  if (lispDepth_ > 0) lispCancelled_ = true;
}

void CommandProcessor::runNamed(const std::wstring& name, const std::function<void()>& body) {
  active_.push_back(name);
  outcomes_.push_back(kCompleted);
  NotifyEditor([&](AcEditorReactor* r) { r->commandWillStart(name.c_str()); });
  try {
    if (scope_.begin) scope_.begin(name);
    body();
  } catch (CException* e) {
    e->Delete();
    outcomes_.back() = kFailed;
    PrintLine(L"The command " + name + L" ended with an exception.");
  } catch (...) {
    outcomes_.back() = kFailed;
    PrintLine(L"The command " + name + L" ended with an exception.");
  }
  try {
    if (scope_.end) scope_.end(name);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  Outcome outcome = outcomes_.back();
  NotifyEditor([&](AcEditorReactor* r) {
    if (outcome == kCompleted) r->commandEnded(name.c_str());
    else if (outcome == kCancelled) r->commandCancelled(name.c_str());
    else r->commandFailed(name.c_str());
  });
  outcomes_.pop_back();
  active_.pop_back();
  if (active_.empty()) ClearUsedPickfirst();
}

void CommandProcessor::runLisp(const std::wstring& text) {
  NotifyEditor([&](AcEditorReactor* r) { r->lispWillStart(text.c_str()); });
  ++lispDepth_;
  if (lispDepth_ == 1) lispCancelled_ = false;
  lisp::ValuePtr value;
  // As on the command line, the value follows what the expression printed itself.
  if (lisp::Interpreter::instance().evalText(text, &value) && !lisp::IsVoid(value)) WriteText(lisp::Prin1(value));
  bool cancelled = --lispDepth_ == 0 && lispCancelled_;
  NotifyEditor([&](AcEditorReactor* r) { cancelled ? r->lispCancelled() : r->lispEnded(); });
}

void CommandProcessor::runDirective(const std::wstring& line) {
  std::wstring body = Trim(line.substr(1));
  size_t blank = body.find_first_of(L" \t");
  std::wstring name = blank == std::wstring::npos ? body : body.substr(0, blank);
  std::wstring args = blank == std::wstring::npos ? L"" : Trim(body.substr(blank));
  PrintLine(line);
  auto it = directives_.find(UpperCase(name));
  if (it == directives_.end()) {
    PrintLine(L"Unknown script directive \"%" + name + L"\"; the line is ignored.");
    return;
  }
  DirectiveFn fn = it->second;
  try {
    fn(args);
  } catch (CException* e) {
    e->Delete();
    PrintLine(L"The directive %" + name + L" ended with an exception.");
  } catch (...) {
    PrintLine(L"The directive %" + name + L" ended with an exception.");
  }
}

bool CommandProcessor::runDirectiveLine() {
  if (!posted_.empty() || !lineRest_.empty() || !lookahead_.empty() || !source_ || quit_) return false;
  std::wstring line;
  while (source_->nextLine(line)) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    std::wstring trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] == L';') continue;
    if (trimmed.empty() || trimmed[0] != L'%') {
      lookahead_.push_back(line);
      return false;
    }
    runDirective(trimmed);
    return !quit_;
  }
  return false;
}

int CommandProcessor::getInput(const std::wstring& prompt, std::wstring& line) {
  for (;;) {
    bool available = peekInput();
    PrintPrompt(prompt);
    Input input;
    if (!available || !nextInput(input)) return RTNONE;
    Echo(input.cancel ? L"*Cancel*" : input.text);
    if (input.cancel) {
      noteCancel();
      return RTCAN;
    }
    std::wstring text = Trim(input.text);
    if (text.empty() || text[0] != L'(') {
      line = input.text;
      return RTNORM;
    }
    // A LISP expression at a prompt answers with its value.
    lisp::ValuePtr value;
    if (!lisp::Interpreter::instance().evalText(text, &value) || !value || lisp::IsVoid(value)) continue;
    line = lisp::Princ(value);
    return RTNORM;
  }
}

}  // namespace zhost
