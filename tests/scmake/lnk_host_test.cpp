// Shortcut files on the host: the component over the Linux system services, in a temporary
// folder mapped as drive D:.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/codec.h"
#include "platform/linux/linux_system.h"
#include "platform/lnk/lnk_shell_link.h"
#include "scmake/scmake.h"
#include "tests/scmake/lnk_bytes.h"

namespace zunt {
namespace {

namespace fs = std::filesystem;

std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

class HostLink : public ::testing::Test {
 protected:
  HostLink()
      : root(NewFolder()),
        system(
            1, argv, [] { return false; }, platform::host::DriveMap::FromRoots({root})) {
    sc.SetSCName("Tool");
    sc.SetLinkPath("D:\\tool.exe");
  }
  ~HostLink() override { fs::remove_all(root); }

  static fs::path NewFolder() {
    const fs::path folder = fs::temp_directory_path() / ("zunt-lnk-" + std::to_string(getpid()));
    fs::create_directories(folder);
    return folder;
  }

  std::vector<std::string> Names(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  char arg0[5] = "zunt";
  char* argv[2] = {arg0, nullptr};
  fs::path root;
  platform::LinuxSystem system;
  platform::LnkShellLinkService shell{system};
  TSCMake sc{shell};
};

TEST_F(HostLink, RootFolderLinkIsWrittenAndReadBack) {
  std::ofstream(root / "tool.exe") << "1234";
  sc.SetSCDir("D:\\");  // "D:\\Tool.lnk", doubled backslash
  sc.SetArgument(J("-a ソ表"));
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(Names(root), (std::vector<std::string>{"Tool.lnk", "tool.exe"}));
  const std::string bytes = *system.ReadWholeFile("D:\\Tool.lnk");
  EXPECT_EQ(lnkbytes::U32(bytes, lnkbytes::kFileSize), 4u);

  TSCMake reader(shell);
  ASSERT_EQ(reader.ReadLink("D:\\Tool.lnk"), 0);
  EXPECT_EQ(reader.SCDir(), "D:\\");
  EXPECT_EQ(reader.LinkPath(), "D:\\tool.exe");
  EXPECT_EQ(reader.Argument(), J("-a ソ表"));
}

TEST_F(HostLink, JapaneseFolderAndNameWithTrailByte5C) {
  fs::create_directories(root / "予定表");
  sc.SetSCDir(J("D:\\予定表"));
  sc.SetSCName(J("ソ表"));
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(Names(root / "予定表"), std::vector<std::string>{"ソ表.lnk"});

  TSCMake reader(shell);
  ASSERT_EQ(reader.ReadLink(J("D:\\予定表\\ソ表.lnk")), 0);
  EXPECT_EQ(reader.SCDir(), J("D:\\予定表"));
  EXPECT_EQ(reader.SCName(), J("ソ表"));
}

TEST_F(HostLink, ReplacingALinkLeavesNoOtherFile) {
  sc.SetSCDir("D:\\");
  ASSERT_EQ(sc.MakeLink(), 0);
  sc.SetArgument("second");
  ASSERT_EQ(sc.MakeLink(), 0);
  EXPECT_EQ(Names(root), std::vector<std::string>{"Tool.lnk"});
  TSCMake reader(shell);
  ASSERT_EQ(reader.ReadLink("D:\\Tool.lnk"), 0);
  EXPECT_EQ(reader.Argument(), "second");
}

TEST_F(HostLink, MissingFolderGivesAnErrorAndNoFile) {
  std::ofstream(root / "plain") << "x";
  for (const char* dir : {"D:\\missing", "D:\\missing\\deeper", "D:\\plain", "E:\\"}) {
    sc.SetSCDir(dir);
    EXPECT_EQ(sc.MakeLink(), platform::kEPathNotFound) << dir;
  }
  EXPECT_EQ(Names(root), std::vector<std::string>{"plain"});
}

}  // namespace
}  // namespace zunt
