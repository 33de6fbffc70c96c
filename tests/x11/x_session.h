// X servers and programs for the X11 tests: each test gets an Xvfb of its own on a free
// display, with openbox (a configuration that takes no keys) or with no window manager.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <vector>

// A child process, ended (and reaped) with the object.
class ChildProcess {
 public:
  // Starts argv[0] (looked up on PATH) with extra environment entries; it inherits every
  // descriptor not marked close-on-exec.
  ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  bool Running();
  // Waits for the end; the exit status, or -1.
  int Wait();
  void Stop();      // SIGSTOP: it answers nothing any more
  void Continue();  // SIGCONT

 private:
  pid_t pid_ = 0;
};

class XSession {
 public:
  // Nullptr, with the reason in whyNot, when Xvfb (or openbox, when asked) cannot run.
  static std::unique_ptr<XSession> Start(bool withWindowManager, std::string& whyNot);

  const std::string& Display() const { return display_; }
  // Entries for a child's environment: the display and the Qt platform.
  std::vector<std::string> Environment() const;

 private:
  std::string display_;
  std::unique_ptr<ChildProcess> server_;
  std::unique_ptr<ChildProcess> windowManager_;
};

// A temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }
  // Creates an empty file in it and returns its path.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// The whole file, or empty.
std::string ReadFile(const std::string& path);
