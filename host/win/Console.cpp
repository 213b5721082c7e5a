// Transcript and queued user-interface answers.
#include "host/win/Console.h"

#include <cstdio>

#include "host/win/TextConv.h"

namespace zhost {

Console& Console::instance() {
  static Console console;
  return console;
}

void Console::print(const std::wstring& text) {
  transcript_ += text;
  if (quiet_) return;
  std::string bytes = ToUtf8(text);
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void Console::queueAnswer(const std::wstring& kind, const std::wstring& value) {
  answers_[kind].push_back(value);
}

bool Console::takeAnswer(const std::wstring& kind, std::wstring& value) {
  auto it = answers_.find(kind);
  if (it == answers_.end() || it->second.empty()) return false;
  value = it->second.front();
  it->second.pop_front();
  return true;
}

}  // namespace zhost
