// Running a peer script (python3 with ezdxf) from a benchmark: finding it under bench/peers/ and
// reading the seconds it prints.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace zkbench {

// The path of bench/peers/<name>, or "" when it cannot be found.
inline std::string FindPeerScript(const std::string& name) {
  namespace fs = std::filesystem;
  const std::vector<std::string> candidates = {
      fs::path(__FILE__).parent_path().string() + "/peers/" + name,
      std::string(ZK_BIN_DIR) + "/../../bench/peers/" + name,
      std::string(ZK_BIN_DIR) + "/../bench/peers/" + name,
  };
  std::error_code ec;
  for (const std::string& c : candidates)
    if (fs::exists(c, ec)) return c;
  return "";
}

// Runs /usr/bin/python3 script args... and returns the number it prints, or a negative number
// when it does not run to its end (ezdxf missing, say).
inline double RunPeerSeconds(const std::string& script, const std::vector<std::string>& args) {
  int fds[2];
  if (::pipe(fds) != 0) return -1;
  std::vector<std::string> words = {"python3", script};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(fds[1], 1);
    ::close(fds[0]);
    ::close(fds[1]);
    if (!std::freopen("/dev/null", "w", stderr)) ::_exit(126);
    ::execv("/usr/bin/python3", argv.data());
    ::_exit(127);
  }
  ::close(fds[1]);
  std::string out;
  char buf[256];
  ssize_t n = 0;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
  return std::atof(out.c_str());
}

}  // namespace zkbench
