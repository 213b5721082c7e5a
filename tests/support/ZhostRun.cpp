// zhost as a child process with its three standard streams on pipes.
#include "tests/support/ZhostRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace zktest {

namespace {

void Close(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

}  // namespace

ZhostResult RunZhost(const std::vector<std::string>& args, const std::string& stdinText) {
  ZhostResult result;
  int in[2], out[2], err[2];
  if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0) return result;
  std::string program = ZK_BIN_DIR "/zhost";
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(in[0], 0);
    ::dup2(out[1], 1);
    ::dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) ::close(fd);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  if (pid < 0) {
    ::close(in[1]);
    ::close(out[0]);
    ::close(err[0]);
    return result;
  }
  // Feed standard input while reading both outputs, so no pipe fills up and blocks the child.
  ::signal(SIGPIPE, SIG_IGN);
  int fds[3] = {in[1], out[0], err[0]};
  ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
  size_t written = 0;
  if (stdinText.empty()) Close(fds[0]);
  while (fds[0] >= 0 || fds[1] >= 0 || fds[2] >= 0) {
    pollfd p[3];
    int n = 0;
    int index[3];
    if (fds[0] >= 0) { p[n] = {fds[0], POLLOUT, 0}; index[n++] = 0; }
    if (fds[1] >= 0) { p[n] = {fds[1], POLLIN, 0}; index[n++] = 1; }
    if (fds[2] >= 0) { p[n] = {fds[2], POLLIN, 0}; index[n++] = 2; }
    if (::poll(p, n, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int i = 0; i < n; ++i) {
      if (!p[i].revents) continue;
      int which = index[i];
      if (which == 0) {
        ssize_t w = ::write(fds[0], stdinText.data() + written, stdinText.size() - written);
        if (w > 0) written += static_cast<size_t>(w);
        if (w < 0 && errno != EAGAIN) Close(fds[0]);
        if (written >= stdinText.size()) Close(fds[0]);
        continue;
      }
      char buf[4096];
      ssize_t r = ::read(fds[which], buf, sizeof buf);
      if (r > 0) {
        (which == 1 ? result.out : result.err).append(buf, static_cast<size_t>(r));
      } else if (r == 0 || errno != EINTR) {
        Close(fds[which]);
      }
    }
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  else if (WIFSIGNALED(status)) result.exitCode = 128 + WTERMSIG(status);
  return result;
}

std::string WriteScript(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  for (const auto& line : lines) file << line << "\n";
  return path;
}

}  // namespace zktest
