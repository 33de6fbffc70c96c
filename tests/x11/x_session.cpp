#include "x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

xcb_atom_t AtomOf(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
  std::free(reply);
  return atom;
}

bool Lists(xcb_connection_t* c, xcb_window_t root, xcb_atom_t list, xcb_window_t window) {
  xcb_get_property_reply_t* p = xcb_get_property_reply(
      c, xcb_get_property(c, 0, root, list, XCB_ATOM_WINDOW, 0, 1024), nullptr);
  const auto* ids = p ? static_cast<const xcb_window_t*>(xcb_get_property_value(p)) : nullptr;
  const int count = p ? xcb_get_property_value_length(p) / 4 : 0;
  const bool listed = std::find(ids, ids + count, window) != ids + count;
  std::free(p);
  return listed;
}

// True once the window manager takes on new windows: a probe window, mapped (again, when a
// manager still starting up overlooked it) until the manager lists it.
bool WindowManagerRuns(const std::string& display, ChildProcess& manager) {
  xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
  bool runs = false;
  if (!xcb_connection_has_error(c)) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t list = AtomOf(c, "_NET_CLIENT_LIST");
    const xcb_window_t probe = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, probe, root, 0, 0, 10, 10, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    for (int attempt = 0; attempt < 50 && !runs && manager.Running(); ++attempt) {
      xcb_unmap_window(c, probe);
      xcb_map_window(c, probe);
      xcb_flush(c);
      for (int i = 0; i < 10 && !runs; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        runs = Lists(c, root, list, probe);
      }
    }
    xcb_destroy_window(c, probe);
    for (int i = 0; i < 50 && runs && Lists(c, root, list, probe); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  }
  xcb_disconnect(c);
  return runs;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::vector<std::string>& env) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  // The entries given replace inherited ones of the same name.
  std::vector<std::string> environment = env;
  for (char** e = environ; *e; ++e) {
    const std::string_view entry(*e);
    const std::string_view name = entry.substr(0, entry.find('=') + 1);
    const bool replaced = std::any_of(env.begin(), env.end(),
                                      [&](const std::string& g) { return g.starts_with(name); });
    if (!replaced) environment.emplace_back(entry);
  }
  std::vector<char*> envp;
  for (const std::string& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  if (posix_spawnp(&pid_, args[0], &actions, nullptr, args.data(), envp.data()) != 0) pid_ = 0;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  kill(pid_, SIGCONT);
  kill(pid_, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool ChildProcess::Running() {
  if (pid_ <= 0) return false;
  if (waitpid(pid_, nullptr, WNOHANG) == 0) return true;
  pid_ = 0;  // reaped: the number may go to another process
  return false;
}

int ChildProcess::Wait() {
  int status = 0;
  if (pid_ <= 0 || waitpid(pid_, &status, 0) != pid_) return -1;
  pid_ = 0;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void ChildProcess::Stop() { kill(pid_, SIGSTOP); }

void ChildProcess::Continue() { kill(pid_, SIGCONT); }

std::unique_ptr<XSession> XSession::Start(bool withWindowManager, std::string& whyNot) {
  auto session = std::unique_ptr<XSession>(new XSession);
  // Xvfb picks a free display itself and writes its number once it takes connections.
  int ready[2];
  if (pipe(ready) != 0) {
    whyNot = "no pipe";
    return nullptr;
  }
  session->server_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(ready[1]), "-screen", "0",
                               "1024x768x24", "-nolisten", "tcp", "-noreset"});
  close(ready[1]);
  std::string number;
  pollfd p{ready[0], POLLIN, 0};
  while (session->server_->Started() && poll(&p, 1, 10000) > 0) {
    char buf[16];
    const ssize_t n = read(ready[0], buf, sizeof buf);
    if (n <= 0) break;
    number.append(buf, static_cast<std::size_t>(n));
    if (number.find('\n') != std::string::npos) break;
  }
  close(ready[0]);
  if (number.empty() || number.find('\n') == std::string::npos) {
    whyNot = "Xvfb is not available";
    return nullptr;
  }
  session->display_ = ":" + number.substr(0, number.find('\n'));
  if (!withWindowManager) return session;

  session->windowManager_ = std::make_unique<ChildProcess>(
      std::vector<std::string>{"openbox", "--config-file", ZUNT_OPENBOX_RC},
      session->Environment());
  if (WindowManagerRuns(session->display_, *session->windowManager_)) return session;
  whyNot = "openbox is not available";
  return nullptr;
}

std::vector<std::string> XSession::Environment() const {
  return {"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"};
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "zunt-x11-XXXXXX").string();
  if (mkdtemp(pattern.data())) path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::File(const std::string& name) const {
  const std::string path = path_ + "/" + name;
  std::ofstream(path, std::ios::binary);
  return path;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}
