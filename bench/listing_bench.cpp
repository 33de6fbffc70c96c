// Listing a folder of 100,000 files and 1,000 sub-folders into the list's text, headless, as
// the main window does it, for each sort order; against GNU ls -1 and ls -l on the same folder
// in the same run. Prints the ratios and the peak resident memory.
// Usage: listing_bench [FOLDER] [RUNS]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/zunt1.h"
#include "platform/linux/linux_system.h"
#include "ui/headless.h"

extern char** environ;

namespace {

constexpr int kFiles = 100000;
constexpr int kFolders = 1000;

void MakeFolder(const std::string& dir) {
  const std::string done = dir + "/.complete";
  if (std::filesystem::exists(done)) return;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const char* exts[] = {".txt", ".c", ".cpp", ".jpg", "", ".tar.gz"};
  for (int i = 0; i < kFolders; ++i) {
    std::filesystem::create_directory(dir + "/dir" + std::to_string(i * 7919 % kFolders));
  }
  for (int i = 0; i < kFiles; ++i) {
    const int n = static_cast<int>((static_cast<long long>(i) * 48271) % kFiles);
    const std::string path = dir + "/file" + std::to_string(n) + exts[i % 6];
    const int fd = open(path.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0) continue;
    if (ftruncate(fd, (static_cast<off_t>(n) * 7919) % 1000003) != 0) std::perror("ftruncate");
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000 + n * 613L, 0}};
    futimens(fd, times);
    close(fd);
  }
  close(open(done.c_str(), O_CREAT | O_WRONLY, 0644));
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void RunLs(const char* option, const std::string& dir) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> env = {"LC_ALL=C.UTF-8", "PATH=/usr/bin:/bin"};
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string ls = "ls", opt = option, target = dir;
  char* argv[] = {ls.data(), opt.data(), target.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "ls", &actions, nullptr, argv, envp.data()) == 0) waitpid(pid, nullptr, 0);
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "/tmp/zunt-bench-100k";
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  MakeFolder(dir);

  std::string exe = argv[0];
  std::string folderArg = dir;
  char* fakeArgv[] = {exe.data(), folderArg.data(), nullptr};
  platform::LinuxSystem system(2, fakeArgv, [] { return false; });
  ui::HeadlessBackend backend;
  TFrmZunt window(backend, zunt::Services{system});
  std::printf("folder %s: %d lines listed\n", dir.c_str(), window.ListBox1.Count());

  const char* names[] = {"name", "extension", "update time", "size"};
  double ours[4];
  for (int sort = 0; sort < 4; ++sort) {
    window.SortKind = sort;
    window.RefreshList();
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) t.push_back(TimeMs([&] { window.RefreshList(); }));
    ours[sort] = Median(t);
  }
  std::vector<double> ls1, lsl;
  RunLs("-1", dir);
  RunLs("-l", dir);
  for (int i = 0; i < runs; ++i) {
    ls1.push_back(TimeMs([&] { RunLs("-1", dir); }));
    lsl.push_back(TimeMs([&] { RunLs("-l", dir); }));
  }
  const double l1 = Median(ls1), ll = Median(lsl);
  std::printf("ls -1: %.1f ms   ls -l: %.1f ms   (LC_ALL=C.UTF-8, median of %d)\n", l1, ll, runs);
  const double peers[4] = {l1, l1, ll, ll};
  const char* peerNames[4] = {"ls -1", "ls -1", "ls -l", "ls -l"};
  const char* targets[4] = {"<= 1.0x", "", "<= 0.5x", "<= 0.5x"};
  for (int sort = 0; sort < 4; ++sort) {
    std::printf("%-12s %7.1f ms  ratio %.2fx against %s %s\n", names[sort], ours[sort],
                ours[sort] / peers[sort], peerNames[sort], targets[sort]);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak resident memory of the headless listing: %.1f MB (target <= 60 MB)\n",
              usage.ru_maxrss / 1024.0);
  return 0;
}
