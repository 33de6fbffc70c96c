#include "platform/linux/spawn_detached.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux/handles.h"

namespace platform::host {

namespace {

void Report(int fd, int error) {
  while (write(fd, &error, sizeof error) < 0 && errno == EINTR) {
  }
}

// Between fork and exec only async-signal-safe calls: the parent may have threads.
[[noreturn]] void RunGrandchild(char* const argv[], char* const envp[], int errFd) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  struct sigaction dfl = {};
  dfl.sa_handler = SIG_DFL;
  for (int sig = 1; sig < NSIG; ++sig) sigaction(sig, &dfl, nullptr);
  // Our own descriptors (the display connection among them) are not the program's.
  close_range(3, ~0U, CLOSE_RANGE_CLOEXEC);
  execve(argv[0], argv, envp);
  Report(errFd, errno);
  _exit(127);
}

[[noreturn]] void RunChild(char* const argv[], char* const envp[], int errFd) {
  setsid();
  const pid_t pid = fork();
  if (pid == 0) RunGrandchild(argv, envp, errFd);
  if (pid < 0) Report(errFd, errno);
  _exit(0);
}

}  // namespace

int SpawnDetached(const std::vector<std::string>& args) {
  if (args.empty()) return EINVAL;
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return errno;
  UniqueFd readEnd(fds[0]);
  UniqueFd writeEnd(fds[1]);
  const pid_t child = fork();
  if (child < 0) return errno;
  if (child == 0) RunChild(argv.data(), environ, writeEnd.get());
  writeEnd.Close();
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes on a successful exec; otherwise it carries the errno.
  int error = 0;
  ssize_t n;
  while ((n = read(readEnd.get(), &error, sizeof error)) < 0 && errno == EINTR) {
  }
  return n == static_cast<ssize_t>(sizeof error) ? error : 0;
}

}  // namespace platform::host
