// Running the zhost program of the build as a child process, and writing scripts for it.
#pragma once

#include <string>
#include <vector>

namespace zktest {

struct ZhostResult {
  int exitCode = -1;  // the exit status, or 128 + signal number when a signal ended it
  std::string out;    // standard output (the transcript unless --quiet)
  std::string err;    // standard error
};

// Runs ZK_BIN_DIR "/zhost" with the arguments (no shell: any characters are fine), feeding
// stdinText to its standard input.
ZhostResult RunZhost(const std::vector<std::string>& args, const std::string& stdinText = "");

// Writes the lines (each ended by "\n", UTF-8) to the file at path; returns the path.
std::string WriteScript(const std::string& path, const std::vector<std::string>& lines);

}  // namespace zktest
