// The file search over a folder of 100,000 files (every 20th with a Japanese name) and 1,000
// sub-folders, against a plain readdir loop and GNU ls -1 / ls -l on the same folder in the
// same run. Prints the times and ratios.
// Usage: search_bench [FOLDER] [RUNS]
#include <dirent.h>

#include <cstdlib>

#include "bench/bench_support.h"
#include "platform/linux/linux_system.h"

namespace {

using bench::RunLs;
using bench::TimeMs;

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
  const auto oneRead = system.ShareFolderReads();
  CountSearch(system, pattern, details);
  CountSearch(system, pattern, details);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : bench::kDefaultFolder;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
  bench::MakeFolder(dir);
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
