#include "platform/linux/path_map.h"

#include <gtest/gtest.h>

#include "platform/linux/host_names.h"

namespace platform::host {
namespace {

// 表 and ソ end in 0x5C, the backslash byte.
constexpr std::string_view kHyo = "\x95\x5c";
constexpr std::string_view kSo = "\x83\x5c";

const DriveMap& Drives() {
  static const DriveMap map = DriveMap::FromRoots({"/media/me/usb", "/mnt/data"});
  return map;
}

std::optional<std::string> Host(std::string_view systemPath, std::string_view cwd) {
  const std::optional<HostPlan> plan = PlanHostPath(Drives(), systemPath, cwd);
  if (!plan) return std::nullopt;
  return JoinAsWritten(*plan);
}

TEST(PlanHostPath, MapsSystemPathsOntoHostPaths) {
  struct Case {
    std::string system;
    std::optional<std::string> host;
  };
  const std::string cwd = "/home/me/work";
  const std::vector<Case> cases{
      {"C:\\tmp\\", "/tmp/"},
      {"c:/tmp/a.txt", "/tmp/a.txt"},
      {"C:\\", "/"},
      {"C:", "/home/me/work"},
      {"D:\\", "/media/me/usb/"},
      {"d:\\x\\..\\..\\y", "/media/me/usb/y"},
      {"D:sub", "/media/me/usb/sub"},
      {"E:/a/b/", "/mnt/data/a/b/"},
      {"\\etc\\fstab", "/etc/fstab"},
      {"a\\b", "/home/me/work/a/b"},
      {"..\\x", "/home/me/x"},
      {"a\\..\\..\\x", "/home/me/x"},
      {"..\\..\\..\\..\\x", "/x"},
      {".\\a\\.\\b", "/home/me/work/a/b"},
      {"C:\\a\\\\b", "/a/b"},
      {"C:\\" + std::string(kHyo) + "\\" + std::string(kSo), "/表/ソ"},
      {"C:\\" + std::string(kHyo), "/表"},
      {"\\\\server\\share", std::nullopt},
      {"//server/share", std::nullopt},
      {"\\/server", std::nullopt},
      {"Z:\\x", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(Host(c.system, cwd), c.host) << c.system;
}

TEST(PlanHostPath, RootAndRelativePathsFollowTheCurrentFoldersDrive) {
  struct Case {
    std::string system;
    std::string host;
  };
  const std::string cwd = "/media/me/usb/docs";
  const std::vector<Case> cases{
      {"\\x", "/media/me/usb/x"},
      {"x", "/media/me/usb/docs/x"},
      {"..\\..\\..", "/media/me/usb"},
      {"D:x", "/media/me/usb/docs/x"},
      {"C:x", "/x"},
  };
  for (const Case& c : cases) EXPECT_EQ(Host(c.system, cwd), c.host) << c.system;
}

TEST(ToSystemPath, MapsHostPathsOntoDrivesAndSystemNames) {
  struct Case {
    std::string host;
    std::string system;
  };
  const std::vector<Case> cases{
      {"/", "C:\\"},
      {"/tmp", "C:\\tmp"},
      {"/tmp/", "C:\\tmp\\"},
      {"/media/me/usb", "D:\\"},
      {"/media/me/usb/", "D:\\"},
      {"/media/me/usb/a/b", "D:\\a\\b"},
      {"/media/me/usbx", "C:\\media\\me\\usbx"},
      {"/mnt/data/日本語", "E:\\\x93\xfa\x96\x7b\x8c\xea"},
      {"/x/表", "C:\\x\\" + std::string(kHyo)},
      {"/x/a😀b", "C:\\x\\a?b"},
      {"/x/a\\b", "C:\\x\\a?b"},
      {"/a/./b/../c", "C:\\a\\c"},
      {"//a//b", "C:\\a\\b"},
  };
  for (const Case& c : cases) EXPECT_EQ(ToSystemPath(Drives(), c.host), c.system) << c.host;
}

TEST(NormalizeHostPath, MakesAbsoluteAndKeepsATrailingSlash) {
  EXPECT_EQ(NormalizeHostPath("docs", "/home/me"), "/home/me/docs");
  EXPECT_EQ(NormalizeHostPath("../x/", "/home/me"), "/home/x/");
  EXPECT_EQ(NormalizeHostPath("./", "/home/me"), "/home/me/");
  EXPECT_EQ(NormalizeHostPath("", "/home/me"), "/home/me");
  EXPECT_EQ(NormalizeHostPath("/../../a", "/home/me"), "/a");
  EXPECT_EQ(NormalizeHostPath("/", "/home/me"), "/");
}

TEST(ToSystemName, ShowsWhatASystemNameCannotHoldAsQuestionMarks) {
  struct Case {
    std::string host;
    std::string system;
  };
  const std::vector<Case> cases{
      {"readme.txt", "readme.txt"},
      {"日本語", "\x93\xfa\x96\x7b\x8c\xea"},
      {"表ソ", std::string(kHyo) + std::string(kSo)},  // trail bytes 0x5C stay
      {"a😀b", "a?b"},
      {"مرحبا.txt", "?????.txt"},
      {"a\\b:c*d\"e<f>g|h", "a?b?c?d?e?f?g?h"},
      {"tab\there", "tab?here"},
      {"¥", "?"},            // the code page would make it 0x5C, a separator
      {"\xE9t\xE9", "?t?"},  // not UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(ToSystemName(c.host), c.system) << c.host;
}

TEST(MatchesSystemName, IgnoresAsciiCaseAndTakesQuestionMarkForOneCharacter) {
  struct Case {
    std::string typed;
    std::string shown;
    bool match;
  };
  const std::vector<Case> cases{
      {"README.TXT", "ReadMe.txt", true},
      {"a?b", "a?b", true},
      {"a?b", "axb", true},
      {"a?b", "a" + std::string(kHyo) + "b", true},
      {"a?b", "ab", false},
      {"a?b", "axxb", false},
      {std::string(kHyo), std::string(kSo), false},
      {"\x82\x60", "\x82\x81", false},  // full-width Ａ and ａ are not ASCII letters
      {"ab", "abc", false},
      {"abc", "ab", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MatchesSystemName(c.typed, c.shown), c.match) << c.typed << " / " << c.shown;
  }
}

TEST(IsDriveRootedPath, NeedsLetterColonAndSeparator) {
  EXPECT_TRUE(IsDriveRootedPath("C:\\tmp"));
  EXPECT_TRUE(IsDriveRootedPath("c:/"));
  EXPECT_FALSE(IsDriveRootedPath("C:"));
  EXPECT_FALSE(IsDriveRootedPath("C:tmp"));
  EXPECT_FALSE(IsDriveRootedPath("/tmp"));
  EXPECT_FALSE(IsDriveRootedPath("1:\\"));
}

}  // namespace
}  // namespace platform::host
