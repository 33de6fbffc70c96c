#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <map>

#include "tests/platform/host_test.h"

namespace platform {
namespace {

struct Found {
  std::string name;
  std::uint32_t attr;
  bool operator==(const Found&) const = default;
  bool operator<(const Found& o) const { return name < o.name; }
};

std::ostream& operator<<(std::ostream& os, const Found& f) { return os << f.name << ":" << f.attr; }

struct FullRec {
  std::string name;
  std::uint32_t attr;
  std::int64_t size;
  FileTime time;
  bool operator==(const FullRec&) const = default;
  bool operator<(const FullRec& o) const { return name < o.name; }
};

std::ostream& operator<<(std::ostream& os, const FullRec& f) {
  return os << f.name << ":" << f.attr << ":" << f.size << ":" << f.time.year << "-"
            << f.time.second;
}

// Every entry a search finds, sorted by name (duplicates stay, so they show).
std::vector<Found> List(System& sys, const std::string& pathPattern, std::uint32_t mask,
                        unsigned details = kNameOnly) {
  std::vector<Found> found;
  auto search = sys.FindFirst(pathPattern, mask, details);
  SearchRec rec;
  while (search && search->Next(rec)) found.push_back({rec.name, rec.attr});
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<std::string> Names(System& sys, const std::string& pathPattern, std::uint32_t mask) {
  std::vector<std::string> names;
  for (const Found& f : List(sys, pathPattern, mask)) names.push_back(f.name);
  return names;
}

std::vector<std::string> Sorted(std::vector<std::string> v) {
  std::sort(v.begin(), v.end());
  return v;
}

std::optional<SearchRec> FindOne(System& sys, const std::string& path, unsigned details) {
  auto search = sys.FindFirst(path, faAnyFile, details);
  SearchRec rec;
  if (!search || !search->Next(rec)) return std::nullopt;
  return rec;
}

using FileSearchTest = HostTest;

TEST_F(FileSearchTest, ListsJapaneseAndUnmappableNamesAsSystemNames) {
  for (const char* name : {"日本語.txt", "表.txt", "a😀b.txt", "مرحبا.txt", "x\\y.txt", "c:d"}) {
    tmp.CreateFile(name);
  }
  tmp.CreateDir("フォルダ");
  EXPECT_EQ(Names(sys, SysIn("*.*"), faAnyFile),
            Sorted({".", "..", Cp932("日本語.txt"), Cp932("表.txt"), "a?b.txt", "?????.txt",
                    "x?y.txt", "c?d", Cp932("フォルダ")}));
}

TEST_F(FileSearchTest, UnmappableNamesAreReachableThroughTheirShownPaths) {
  tmp.CreateFile("a😀b.txt", "emoji");
  tmp.CreateFile("مرحبا.txt", "arabic");
  tmp.CreateFile("x\\y.txt", "backslash");
  tmp.CreateFile("日本語.txt", "japanese");
  tmp.CreateDir("d😀");
  tmp.CreateFile("d😀/In.txt", "inside");
  tmp.CreateDir("amb");
  tmp.CreateFile("amb/a😀.txt");
  tmp.CreateFile("amb/a🙂.txt");
  const std::string dir = Sys(tmp.path());

  EXPECT_EQ(sys.ReadWholeFile(dir + "\\a?b.txt"), "emoji");
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\?????.TXT"), "arabic");
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\x?y.txt"), "backslash");
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\" + Cp932("日本語.txt")), "japanese");
  EXPECT_EQ(sys.ReadWholeFile(dir + "/D?/in.TXT"), "inside");
  EXPECT_EQ(Names(sys, dir + "\\d?\\*.txt", 0), std::vector<std::string>{"In.txt"});
  ASSERT_TRUE(sys.SetCurrentDir(dir + "\\d?\\"));
  EXPECT_EQ(sys.GetCurrentDir(), dir + "\\d?");

  // Written through its shown name, the file itself changes; no new name appears.
  EXPECT_TRUE(sys.WriteWholeFile(dir + "\\a?b.txt", "changed"));
  EXPECT_EQ(tmp.path() + "/a😀b.txt", sys.HostPath(dir + "\\a?b.txt"));
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\a?b.txt"), "changed");
  EXPECT_FALSE(sys.FileExists(dir + "\\a\\b.txt"));
  EXPECT_EQ(Names(sys, dir + "\\a*", 0), std::vector<std::string>{"a?b.txt"});

  // Two names behind one shown name: neither is taken.
  EXPECT_EQ(Names(sys, dir + "\\amb\\*", 0), (std::vector<std::string>{"a?.txt", "a?.txt"}));
  EXPECT_FALSE(sys.FileExists(dir + "\\amb\\a?.txt"));
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\amb\\a?.txt"), std::nullopt);
}

TEST_F(FileSearchTest, PatternsMatchSystemNamesWithWindowsWildcards) {
  for (const char* name : {"a.txt", "B.TXT", "表.txt", "noext", "x.tar.gz", "日本語.txt"}) {
    tmp.CreateFile(name);
  }
  struct Case {
    std::string pattern;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases{
      {"*.txt", {"B.TXT", "a.txt", Cp932("日本語.txt"), Cp932("表.txt")}},
      {"?.txt", {"B.TXT", "a.txt", Cp932("表.txt")}},
      {Cp932("表") + "*", {Cp932("表.txt")}},
      {"*.gz", {"x.tar.gz"}},
      {"noext", {"noext"}},
      {"NOEXT", {"noext"}},  // no such name as written: the real one is found
      {"b.txt", {"B.TXT"}},
      {"*.*", {"B.TXT", "a.txt", "noext", "x.tar.gz", Cp932("日本語.txt"), Cp932("表.txt")}},
      {"missing", {}},
      {"*.doc", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Names(sys, SysIn(c.pattern), 0), Sorted(c.names)) << c.pattern;
  }
}

class EntryKindsTest : public FileSearchTest {
 protected:
  EntryKindsTest() {
    tmp.CreateFile("plain", "p");
    tmp.CreateFile(".hidden");
    tmp.CreateDir("sub");
    tmp.CreateDir(".hdir");
    EXPECT_EQ(symlink("sub", (tmp / "tosub").c_str()), 0);
    EXPECT_EQ(symlink("plain", (tmp / "tofile").c_str()), 0);
    EXPECT_EQ(symlink("nowhere", (tmp / "dead").c_str()), 0);
    EXPECT_EQ(mkfifo((tmp / "pipe").c_str(), 0600), 0);
  }
};

TEST_F(EntryKindsTest, AttributesFollowWhatTheEntryIs) {
  const std::vector<Found> expected{
      {".", faDirectory},
      {"..", faDirectory},
      {".hdir", faDirectory | faHidden},
      {".hidden", faArchive | faHidden},
      {"dead", faArchive},
      {"pipe", faSysFile},
      {"plain", faArchive},
      {"sub", faDirectory},
      {"tofile", faArchive},
      {"tosub", faDirectory},
  };
  EXPECT_EQ(List(sys, SysIn("*.*"), faAnyFile, kNameOnly), expected);
  // Told by a look at each entry instead of the folder's entry types: the same.
  EXPECT_EQ(List(sys, SysIn("*.*"), faAnyFile, kTime | kSize), expected);
}

TEST_F(EntryKindsTest, TheMaskAdmitsHiddenSystemAndFolderEntriesOnlyByTheirBits) {
  struct Case {
    std::uint32_t mask;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases{
      {0, {"dead", "plain", "tofile"}},
      {faReadOnly | faArchive, {"dead", "plain", "tofile"}},
      {faDirectory, {".", "..", "dead", "plain", "sub", "tofile", "tosub"}},
      {faHidden, {".hidden", "dead", "plain", "tofile"}},
      {faHidden | faDirectory,
       {".", "..", ".hdir", ".hidden", "dead", "plain", "sub", "tofile", "tosub"}},
      {faSysFile, {"dead", "pipe", "plain", "tofile"}},
      {faAnyFile,
       {".", "..", ".hdir", ".hidden", "dead", "pipe", "plain", "sub", "tofile", "tosub"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Names(sys, SysIn("*"), c.mask), c.names) << c.mask;
}

TEST_F(FileSearchTest, DriveRootsHaveNoDotEntries) {
  EXPECT_EQ(Names(sys, SysIn("*"), faDirectory), (std::vector<std::string>{".", ".."}));
  const std::vector<std::string> root = Names(sys, "C:\\*", faAnyFile);
  EXPECT_FALSE(root.empty());
  EXPECT_EQ(std::count(root.begin(), root.end(), "."), 0);
  EXPECT_EQ(std::count(root.begin(), root.end(), ".."), 0);
  EXPECT_EQ(sys.FindFirst("C:\\..", faAnyFile), nullptr);

  // A mounted drive's root is a root too, even though its host folder has a parent.
  tmp.CreateDir("usb/sub");
  LinuxSystem mounted(0, nullptr, {}, host::DriveMap::FromRoots({tmp / "usb"}));
  EXPECT_EQ(mounted.GetLogicalDrives(), 0xCu);
  EXPECT_EQ(Names(mounted, "D:\\*.*", faAnyFile), std::vector<std::string>{"sub"});
  EXPECT_EQ(Names(mounted, "d:/sub/*.*", faAnyFile), (std::vector<std::string>{".", ".."}));
  EXPECT_EQ(mounted.SystemPath(tmp / "usb/sub"), "D:\\sub");
  EXPECT_EQ(mounted.HostPath("D:\\SUB\\"), tmp / "usb/sub/");
}

TEST_F(FileSearchTest, SearchesThatFindNothingAreNull) {
  tmp.CreateFile("a.txt");
  EXPECT_EQ(sys.FindFirst(SysIn(""), faAnyFile), nullptr);  // "...\" : empty pattern
  EXPECT_EQ(sys.FindFirst("", faAnyFile), nullptr);
  EXPECT_EQ(sys.FindFirst(SysIn("*.doc"), faAnyFile), nullptr);
  EXPECT_EQ(sys.FindFirst(SysIn("missing\\*.*"), faAnyFile), nullptr);
  EXPECT_EQ(sys.FindFirst(SysIn("a.txt\\*.*"), faAnyFile), nullptr);
  EXPECT_EQ(sys.FindFirst("\\\\server\\share\\*.*", faAnyFile), nullptr);
  EXPECT_EQ(sys.FindFirst("Q:\\*.*", faAnyFile), nullptr);
}

TEST_F(FileSearchTest, SizesAreFull64BitSizes) {
  const std::string big = tmp.CreateFile("big.bin");
  ASSERT_EQ(truncate(big.c_str(), 5LL << 30), 0);
  tmp.CreateFile("small.txt", "12345");
  tmp.CreateDir("folder");
  EXPECT_EQ(FindOne(sys, SysIn("big.bin"), kSize)->size, 5LL << 30);
  EXPECT_EQ(FindOne(sys, SysIn("small.txt"), kSize)->size, 5);
  EXPECT_EQ(FindOne(sys, SysIn("folder"), kSize)->size, 0);
}

TEST_F(FileSearchTest, TimesAreLocalTimesWithEvenSecondsInAnyYear) {
  const auto setTime = [&](const char* name, int year, int month, int day, int h, int m, int s) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = h;
    tm.tm_min = m;
    tm.tm_sec = s;
    const timespec times[2] = {{timegm(&tm), 0}, {timegm(&tm), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, tmp.CreateFile(name).c_str(), times, 0), 0);
  };
  setTime("old", 1970, 1, 1, 0, 0, 1);
  setTime("future", 2200, 6, 15, 12, 34, 57);
  {
    ScopedEnv tz("TZ", "UTC0");
    EXPECT_EQ(FindOne(sys, SysIn("old"), kTime)->time, (FileTime{1970, 1, 1, 0, 0, 0}));
    EXPECT_EQ(FindOne(sys, SysIn("future"), kTime)->time, (FileTime{2200, 6, 15, 12, 34, 56}));
  }
  {
    ScopedEnv tz("TZ", "JST-9");
    EXPECT_EQ(FindOne(sys, SysIn("old"), kTime)->time, (FileTime{1970, 1, 1, 9, 0, 0}));
    EXPECT_EQ(FindOne(sys, SysIn("future"), kAllDetails)->time,
              (FileTime{2200, 6, 15, 21, 34, 56}));
  }
}

TEST_F(FileSearchTest, ALargeFolderIsListedWholeAndOnce) {
  std::vector<std::string> expected{".", ".."};
  for (int i = 0; i < 3000; ++i) {
    const std::string name = "f" + std::to_string(i) + (i % 3 ? ".txt" : ".dat");
    tmp.CreateFile(name);
    expected.push_back(name);
  }
  EXPECT_EQ(Names(sys, SysIn("*.*"), faAnyFile), Sorted(expected));
  EXPECT_EQ(Names(sys, SysIn("*.dat"), faAnyFile).size(), 1000u);
}

}  // namespace
}  // namespace platform

namespace platform {
namespace {

class FolderReadOnceTest : public FileSearchTest {
 protected:
  // A folder that has not changed for an hour, as most folders a user lists.
  void AgeFolder() {
    const timespec hourAgo{time(nullptr) - 3600, 0};
    const timespec times[2] = {hourAgo, hourAgo};
    ASSERT_EQ(utimensat(AT_FDCWD, tmp.path().c_str(), times, 0), 0);
  }

  std::vector<FullRec> ListFull(System& s, const std::string& pattern, std::uint32_t mask,
                                unsigned details) {
    std::vector<FullRec> found;
    auto search = s.FindFirst(SysIn(pattern), mask, details);
    SearchRec rec;
    while (search && search->Next(rec)) found.push_back({rec.name, rec.attr, rec.size, rec.time});
    std::sort(found.begin(), found.end());
    return found;
  }
};

TEST_F(FolderReadOnceTest, LaterSearchesOfAnUnchangedFolderFindWhatAFreshReadFinds) {
  tmp.CreateFile("a.txt", "aaa");
  tmp.CreateFile("B.TXT", "b");
  tmp.CreateFile(".hidden.txt", "hh");
  tmp.CreateFile("日本語.doc", "jjjj");
  tmp.CreateDir("sub.txt");
  ASSERT_EQ(mkfifo((tmp / "pipe").c_str(), 0600), 0);
  AgeFolder();
  const auto oneListing = sys.ShareFolderReads();
  // The first complete read, with every detail, is what later searches may be served from.
  ListFull(sys, "*.*", faAnyFile, kAllDetails);

  struct Case {
    std::string pattern;
    std::uint32_t mask;
    unsigned details;
  };
  for (const Case& c : std::vector<Case>{{"*.*", faAnyFile, kAllDetails},
                                         {"*.*", faAnyFile, kNameOnly},
                                         {"*.txt", 0, kSize},
                                         {"*.TXT", faHidden | faDirectory, kTime},
                                         {"?.txt", faAnyFile, kReadOnly},
                                         {"*", faSysFile, kAllDetails},
                                         {"A.TXT", 0, kAllDetails},
                                         {"nothing*", faAnyFile, kAllDetails}}) {
    LinuxSystem fresh(0, nullptr, {});
    EXPECT_EQ(ListFull(sys, c.pattern, c.mask, c.details),
              ListFull(fresh, c.pattern, c.mask, c.details))
        << c.pattern << " " << c.mask << " " << c.details;
  }
}

TEST_F(FolderReadOnceTest, NamesAddedOrRemovedShowAtOnce) {
  tmp.CreateFile("old.txt");
  AgeFolder();
  const auto oneListing = sys.ShareFolderReads();
  EXPECT_EQ(Names(sys, SysIn("*.*"), faAnyFile), (std::vector<std::string>{".", "..", "old.txt"}));
  tmp.CreateFile("new.txt");
  std::remove((tmp / "old.txt").c_str());
  EXPECT_EQ(Names(sys, SysIn("*.*"), faAnyFile), (std::vector<std::string>{".", "..", "new.txt"}));
  EXPECT_EQ(Names(sys, SysIn("*.txt"), 0), std::vector<std::string>{"new.txt"});
}

TEST_F(FolderReadOnceTest, AReadIsSharedOnlyWithinOneListing) {
  tmp.CreateFile("grow.txt", "1");
  AgeFolder();
  const auto sizeOf = [&] { return ListFull(sys, "*.txt", 0, kSize).at(0).size; };
  {
    const auto oneListing = sys.ShareFolderReads();
    ListFull(sys, "*.*", faAnyFile, kAllDetails);
    tmp.CreateFile("grow.txt", "12345");  // rewritten in place: the folder's time stays
    EXPECT_EQ(sizeOf(), 1);  // served from the listing's one read
  }
  EXPECT_EQ(sizeOf(), 5);  // the next listing reads afresh
}

}  // namespace
}  // namespace platform
