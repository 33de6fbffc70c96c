// Starts a program and measures the time until its first top-level window is mapped,
// watching the root window of the X server in DISPLAY (run it without a window manager).
// Usage: map_timer RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]; with two programs the runs
// alternate, so both meet the same load. Prints each program's median in milliseconds.
#include <X11/Xlib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

double TimeToMap(Display* dpy, char** argv) {
  XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
  XSync(dpy, True);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) return -1;
  double ms = -1;
  while (ms < 0) {
    XEvent ev;
    XNextEvent(dpy, &ev);
    if (ev.type == MapNotify && ev.xmap.event == DefaultRootWindow(dpy) &&
        !ev.xmap.override_redirect) {
      ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
               .count();
    }
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: map_timer RUNS PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]\n");
    return 2;
  }
  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    std::fprintf(stderr, "no X display\n");
    return 1;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<char**> programs = {argv + 2};
  for (int i = 2; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--") {
      argv[i] = nullptr;
      programs.push_back(argv + i + 1);
    }
  }
  std::vector<std::vector<double>> times(programs.size());
  for (int i = 0; i < runs; ++i) {
    for (std::size_t p = 0; p < programs.size(); ++p) {
      times[p].push_back(TimeToMap(dpy, programs[p]));
    }
  }
  for (auto& t : times) {
    std::sort(t.begin(), t.end());
    std::printf("%.1f ", t[t.size() / 2]);
  }
  std::printf("\n");
  XCloseDisplay(dpy);
  return 0;
}
