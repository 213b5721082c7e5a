// The scripts of a run as one stream of lines: each file is read when its turn comes; one that
// cannot be read is reported on standard error and skipped.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "host/ed/CommandProcessor.h"

namespace zhost {

class ScriptSource : public LineSource {
 public:
  // "-" reads standard input (line by line, as it comes).
  ScriptSource(std::vector<std::string> scripts, std::istream& input);
  bool nextLine(std::wstring& line) override;
  // Scripts that could not be read.
  int failures() const { return failures_; }

 private:
  bool openNext();

  std::vector<std::string> scripts_;
  size_t next_ = 0;
  std::istream& input_;
  bool fromInput_ = false;
  std::vector<std::wstring> lines_;
  size_t line_ = 0;
  int failures_ = 0;
};

// A file's lines (UTF-8, with or without a byte-order mark; CR LF or LF). False when the file
// cannot be read, with the reason.
bool ReadScriptLines(const std::string& path, std::vector<std::wstring>& lines, std::string& error);

}  // namespace zhost
