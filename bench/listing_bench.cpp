// Listing a folder of 100,000 files and 1,000 sub-folders into the list's text, headless, as
// the main window does it, for each sort order; against GNU ls -1 and ls -l on the same folder
// in the same run. Prints the ratios and the peak resident memory.
// Usage: listing_bench [FOLDER] [RUNS]
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/zunt1.h"
#include "bench/bench_support.h"
#include "platform/linux/linux_system.h"
#include "ui/headless.h"

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : bench::kDefaultFolder;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  bench::MakeFolder(dir);

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
    ours[sort] = bench::TimeMs([&] { window.RefreshList(); }, runs);
  }
  const double l1 = bench::TimeMs([&] { bench::RunLs("-1", dir); }, runs);
  const double ll = bench::TimeMs([&] { bench::RunLs("-l", dir); }, runs);
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
