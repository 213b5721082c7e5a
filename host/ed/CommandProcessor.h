// The command processor: reads the input (posted input first, then queued LISP, then the
// script), runs commands, LISP lines and directives at the "Command:" prompt, and gives running
// commands their answers. Each input is echoed after its prompt as the command line shows it.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace zhost {

class LineSource {
 public:
  virtual ~LineSource() = default;
  // The next line, without its line break; false at the end.
  virtual bool nextLine(std::wstring& line) = 0;
};

// Lines held in memory (a script given as text).
class LinesSource : public LineSource {
 public:
  explicit LinesSource(std::vector<std::wstring> lines) : lines_(std::move(lines)) {}
  bool nextLine(std::wstring& line) override {
    if (next_ >= lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }

 private:
  std::vector<std::wstring> lines_;
  size_t next_ = 0;
};

class CommandProcessor {
 public:
  static CommandProcessor& instance();

  typedef std::function<void()> BuiltinFn;
  typedef std::function<void(const std::wstring& args)> DirectiveFn;

  // The host's own commands (looked up after the registered ones, or first with a "." prefix).
  void addBuiltin(const std::wstring& name, BuiltinFn fn);
  // Script directives: "%name args".
  void addDirective(const std::wstring& name, DirectiveFn fn);

  void setSource(LineSource* source) { source_ = source; }
  // Runs the command prompt until the input ends or the session is to end.
  void run();
  // One input at the command prompt; false when there is none (or the session ends).
  bool step();
  // A line as typed at the command prompt (without echo).
  void execute(const std::wstring& line);
  // Runs a command by name (prefixes "_", "-", "." accepted); false when there is none.
  bool runCommand(const std::wstring& name);

  // Input for a prompt of a running command: prints the prompt, takes the next input and echoes
  // it. Returns RTNORM, RTCAN (ESC, "*cancel*") or RTNONE (no more input).
  int getInput(const std::wstring& prompt, std::wstring& line);

  // Runs the script's next line when it is a directive (comments are passed over) and returns
  // true; false, leaving the line as the next input, when it is anything else or there is none.
  // Modal dialogs and waiting pop-up menus take the user's actions this way.
  bool runDirectiveLine();

  // Puts text back as the next input (the rest of an answer that ended at a blank).
  void pushInput(const std::wstring& text) { lineRest_.push_front(text); }

  // What the document layer does around every command (the automatic document lock and the
  // undo group); begin runs after commandWillStart, end before commandEnded.
  struct CommandScope {
    std::function<void(const std::wstring& name)> begin;
    std::function<void(const std::wstring& name)> end;
  };
  void setCommandScope(CommandScope scope) { scope_ = std::move(scope); }
  // The running command reports a failure: its reactors hear commandFailed.
  void failCommand();

  void post(const std::wstring& text);
  void requestPrompt() { promptRequested_ = true; }
  void requestQuit() { quit_ = true; }
  bool quitRequested() const { return quit_; }
  void clearQuit() { quit_ = false; }

  // CMDNAMES: the names of the running commands, upper case, joined by "'".
  std::wstring activeCommandNames() const;
  bool idle() const { return active_.empty(); }
  // Clears posted input and state between sessions (tests).
  void reset();

 private:
  CommandProcessor();
  struct Input {
    bool cancel = false;
    std::wstring text;
  };
  bool nextInput(Input& input);
  bool peekInput();
  void runLisp(const std::wstring& text);
  void runDirective(const std::wstring& line);
  void runNamed(const std::wstring& name, const std::function<void()>& body);
  void noteCancel();

  enum Outcome { kCompleted, kCancelled, kFailed };
  std::vector<Outcome> outcomes_;  // one per running command
  CommandScope scope_;
  int lispDepth_ = 0;
  bool lispCancelled_ = false;

  LineSource* source_ = nullptr;
  std::deque<Input> posted_;
  std::deque<std::wstring> lineRest_;   // the rest of a "COMMAND answer" line
  std::deque<std::wstring> lookahead_;  // lines read from the source but not used yet
  std::map<std::wstring, BuiltinFn> builtins_;
  std::map<std::wstring, DirectiveFn> directives_;
  std::vector<std::wstring> active_;
  std::wstring lastCommand_;
  bool promptRequested_ = false;
  bool quit_ = false;
};

}  // namespace zhost
