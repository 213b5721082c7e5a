// The command-line transcript and the answers that a script has queued for the user interface.
// Every layer that shows something to the user (command line, prompts, message boxes, dialogs,
// menus) writes it here; the shell decides whether it also goes to standard output.
#pragma once

#include <deque>
#include <map>
#include <string>

namespace zhost {

class Console {
 public:
  static Console& instance();

  // Appends text to the transcript exactly as given (callers carry their own line breaks).
  void print(const std::wstring& text);
  const std::wstring& transcript() const { return transcript_; }
  void clearTranscript() { transcript_.clear(); }

  // With quiet set nothing goes to standard output; the transcript is kept either way.
  void setQuiet(bool quiet) { quiet_ = quiet; }
  bool quiet() const { return quiet_; }

  // Answers queued for the next user-interface element of a kind ("messagebox", "file",
  // "menu" ...), taken in order. takeAnswer returns false when none is queued.
  void queueAnswer(const std::wstring& kind, const std::wstring& value);
  bool takeAnswer(const std::wstring& kind, std::wstring& value);
  void clearAnswers() { answers_.clear(); }

 private:
  std::wstring transcript_;
  bool quiet_ = false;
  std::map<std::wstring, std::deque<std::wstring>> answers_;
};

}  // namespace zhost
