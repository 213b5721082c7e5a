// Running script lines through the command processor in the test program.
#pragma once

#include <string>
#include <vector>

#include "host/ed/CommandProcessor.h"
#include "host/win/Console.h"

namespace zktest {

// Runs the lines at the command prompt and returns what they added to the transcript.
inline std::wstring RunLines(const std::vector<std::wstring>& lines) {
  zhost::Console& console = zhost::Console::instance();
  size_t before = console.transcript().size();
  zhost::LinesSource source(lines);
  zhost::CommandProcessor& processor = zhost::CommandProcessor::instance();
  processor.setSource(&source);
  processor.run();
  processor.setSource(nullptr);
  processor.clearQuit();
  return console.transcript().substr(before);
}

inline bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

}  // namespace zktest
