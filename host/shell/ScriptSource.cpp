// Reading script files and standard input.
#include "host/shell/ScriptSource.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "host/win/TextConv.h"

namespace zhost {

bool ReadScriptLines(const std::string& path, std::vector<std::wstring>& lines, std::string& error) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    error = std::strerror(errno);
    return false;
  }
  if (S_ISDIR(st.st_mode)) {
    error = "it is a folder";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return false;
  }
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::string data = bytes.str();
  if (data.compare(0, 3, "\xEF\xBB\xBF") == 0) data.erase(0, 3);
  lines.clear();
  size_t start = 0;
  while (start <= data.size()) {
    size_t end = data.find('\n', start);
    if (end == std::string::npos) {
      if (start < data.size()) lines.push_back(FromUtf8(data.substr(start)));
      break;
    }
    std::string line = data.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(FromUtf8(line));
    start = end + 1;
  }
  return true;
}

ScriptSource::ScriptSource(std::vector<std::string> scripts, std::istream& input)
    : scripts_(std::move(scripts)), input_(input) {}

bool ScriptSource::openNext() {
  while (next_ < scripts_.size()) {
    const std::string& name = scripts_[next_++];
    lines_.clear();
    line_ = 0;
    fromInput_ = name == "-";
    if (fromInput_) return true;
    std::string error;
    if (ReadScriptLines(name, lines_, error)) return true;
    std::fprintf(stderr, "zhost: cannot read script \"%s\": %s\n", name.c_str(), error.c_str());
    ++failures_;
  }
  return false;
}

bool ScriptSource::nextLine(std::wstring& line) {
  for (;;) {
    if (fromInput_) {
      std::string bytes;
      if (std::getline(input_, bytes)) {
        if (!bytes.empty() && bytes.back() == '\r') bytes.pop_back();
        line = FromUtf8(bytes);
        return true;
      }
      fromInput_ = false;
    } else if (line_ < lines_.size()) {
      line = lines_[line_++];
      return true;
    }
    if (!openNext()) return false;
  }
}

}  // namespace zhost
