// The file search over a folder of 100,000 files (every 20th with a Japanese name) and 1,000
// sub-folders, against a plain readdir loop and GNU ls -1 / ls -l on the same folder in the
// same run. Prints the times and ratios.
// Usage: search_bench [FOLDER] [RUNS]
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
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

#include "platform/linux/linux_system.h"

extern char** environ;

namespace {

constexpr int kFiles = 100000;
constexpr int kFolders = 1000;

void MakeFolder(const std::string& dir) {
  const std::string done = dir + "/.complete";
  if (std::filesystem::exists(done)) return;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  for (int i = 0; i < kFolders; ++i)
    std::filesystem::create_directory(dir + "/dir" + std::to_string(i));
  const char* exts[] = {".txt", ".c", ".cpp", ".jpg", "", ".tar.gz"};
  for (int i = 0; i < kFiles; ++i) {
    const std::string name = (i % 20 == 0 ? "ファイル" : "file") + std::to_string(i) + exts[i % 6];
    const int fd = open((dir + "/" + name).c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    if (fd >= 0) close(fd);
  }
  close(open(done.c_str(), O_CREAT | O_WRONLY, 0644));
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double TimeMs(const std::function<void()>& f, int runs) {
  f();  // warm the caches
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    f();
    t.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
  }
  return Median(t);
}

void RunLs(const char* option, const std::string& dir) {
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

long CountReaddir(const std::string& dir) {
  long n = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (readdir(d)) ++n;
    closedir(d);
  }
  return n;
}

long CountSearch(platform::System& system, const std::string& pattern, unsigned details) {
  long n = 0;
  auto search = system.FindFirst(pattern, platform::faAnyFile, details);
  platform::SearchRec rec;
  while (search && search->Next(rec)) ++n;
  return n;
}

// One search on a system of its own, so that no earlier read of the folder serves it.
long FreshSearch(const std::string& pattern, unsigned details) {
  platform::LinuxSystem system(0, nullptr, [] { return false; });
  return CountSearch(system, pattern, details);
}

// The folder pass and the file pass of one listing with the mask *.*.
void ListingPasses(const std::string& pattern, unsigned details) {
  platform::LinuxSystem system(0, nullptr, [] { return false; });
  CountSearch(system, pattern, details);
  CountSearch(system, pattern, details);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "/tmp/zunt-search-bench-100k";
  const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
  MakeFolder(dir);
  platform::LinuxSystem system(0, nullptr, [] { return false; });
  const std::string all = system.SystemPath(dir) + "\\*.*";
  const std::string txt = system.SystemPath(dir) + "\\*.txt";

  long entries = 0;
  const double raw = TimeMs([&] { entries = CountReaddir(dir); }, runs);
  long found = 0;
  const double names = TimeMs([&] { found = FreshSearch(all, platform::kNameOnly); }, runs);
  const double masked = TimeMs([&] { FreshSearch(txt, platform::kNameOnly); }, runs);
  const double timeSize =
      TimeMs([&] { FreshSearch(all, platform::kTime | platform::kSize); }, runs);
  const double allDetails = TimeMs([&] { FreshSearch(all, platform::kAllDetails); }, runs);
  const double twoNames = TimeMs([&] { ListingPasses(all, platform::kNameOnly); }, runs);
  const double twoTimes = TimeMs([&] { ListingPasses(all, platform::kTime); }, runs);
  const double ls1 = TimeMs([&] { RunLs("-1", dir); }, runs);
  const double lsl = TimeMs([&] { RunLs("-l", dir); }, runs);

  std::printf("folder %s: %ld entries read, %ld found (median of %d runs)\n", dir.c_str(), entries,
              found, runs);
  std::printf("readdir loop                 %7.1f ms\n", raw);
  std::printf("ls -1 (LC_ALL=C.UTF-8)       %7.1f ms\n", ls1);
  std::printf("ls -l (LC_ALL=C.UTF-8)       %7.1f ms\n", lsl);
  const auto row = [&](const char* what, double ms, double peer, const char* peerName) {
    std::printf("%-28s %7.1f ms  %5.2fx %s  %5.2fx readdir\n", what, ms, ms / peer, peerName,
                ms / raw);
  };
  row("FindFirst *.*, names", names, ls1, "ls -1");
  row("FindFirst *.txt, names", masked, ls1, "ls -1");
  row("FindFirst *.*, time+size", timeSize, lsl, "ls -l");
  row("FindFirst *.*, all details", allDetails, lsl, "ls -l");
  row("two passes *.*, names", twoNames, ls1, "ls -1");
  row("two passes *.*, time", twoTimes, lsl, "ls -l");
  return 0;
}
