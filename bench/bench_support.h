// What the benchmarks share: the generated folder, timing, and GNU ls as the peer.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bench {

constexpr int kFiles = 100000;
constexpr int kFolders = 1000;
constexpr const char* kDefaultFolder = "/tmp/zunt-bench-100k";

// 100,000 files (every 20th with a Japanese name; sizes and dates spread, sparse) and 1,000
// sub-folders; made once, marked complete.
inline void MakeFolder(const std::string& dir) {
  const std::string done = dir + "/.complete-v2";
  if (std::filesystem::exists(done)) return;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (int i = 0; i < kFolders; ++i) {
    std::filesystem::create_directory(dir + "/dir" + std::to_string(i * 7919 % kFolders));
  }
  const char* exts[] = {".txt", ".c", ".cpp", ".jpg", "", ".tar.gz"};
  for (int i = 0; i < kFiles; ++i) {
    const int n = static_cast<int>((static_cast<long long>(i) * 48271) % kFiles);
    const std::string name = (n % 20 == 0 ? "ファイル" : "file") + std::to_string(n) + exts[i % 6];
    const int fd = open((dir + "/" + name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd < 0) continue;
    if (ftruncate(fd, (static_cast<off_t>(n) * 7919) % 1000003) != 0) std::perror("ftruncate");
    const timespec times[2] = {{0, UTIME_OMIT}, {1000000000 + n * 613L, 0}};
    futimens(fd, times);
    close(fd);
  }
  close(open(done.c_str(), O_CREAT | O_WRONLY, 0644));
}

inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Median of runs timings of f, after one warm-up call.
inline double TimeMs(const std::function<void()>& f, int runs) {
  f();
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    f();
    t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
  }
  return Median(t);
}

// GNU ls on dir with one option, output to /dev/null, in the C.UTF-8 locale.
inline void RunLs(const char* option, const std::string& dir) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::string lcAll = "LC_ALL=C.UTF-8", path = "PATH=/usr/bin:/bin";
  char* envp[] = {lcAll.data(), path.data(), nullptr};
  std::string ls = "ls", opt = option, target = dir;
  char* argv[] = {ls.data(), opt.data(), target.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawnp(&pid, "ls", &actions, nullptr, argv, envp) == 0) waitpid(pid, nullptr, 0);
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace bench
