#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/platform/host_test.h"

namespace platform {
namespace {

using LinuxSystemTest = HostTest;

TEST_F(LinuxSystemTest, CurrentFolderFollowsSystemPaths) {
  tmp.CreateDir("sub");
  tmp.CreateFile("file.txt");
  const std::string dir = Sys(tmp.path());

  ASSERT_TRUE(sys.SetCurrentDir(dir + "\\"));
  EXPECT_EQ(sys.GetCurrentDir(), dir);
  EXPECT_EQ(std::filesystem::current_path(), tmp.path());
  ASSERT_TRUE(sys.SetCurrentDir("SUB"));
  EXPECT_EQ(sys.GetCurrentDir(), dir + "\\sub");
  ASSERT_TRUE(sys.SetCurrentDir(".."));
  EXPECT_EQ(sys.GetCurrentDir(), dir);

  EXPECT_FALSE(sys.SetCurrentDir(dir + "\\missing\\"));
  EXPECT_FALSE(sys.SetCurrentDir(dir + "\\file.txt"));
  EXPECT_FALSE(sys.SetCurrentDir("\\\\server\\share\\"));
  EXPECT_FALSE(sys.SetCurrentDir(""));
  EXPECT_EQ(sys.GetCurrentDir(), dir);

  ASSERT_TRUE(sys.SetCurrentDir("\\"));
  EXPECT_EQ(sys.GetCurrentDir(), "C:\\");
}

TEST_F(LinuxSystemTest, ArgumentsBecomeSystemPaths) {
  tmp.CreateDir("docs");
  ASSERT_EQ(chdir(tmp.path().c_str()), 0);
  const std::string dir = Sys(tmp.path());
  const std::string parent(dir.substr(0, dir.rfind('\\')));
  std::vector<std::string> args{"zunt", "C:\\tmp", "c:/x/", "docs", "/abs/dir/",
                                "..",   "日本",    "./a😀b", ""};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  LinuxSystem withArgs(static_cast<int>(argv.size()), argv.data(), {});
  ASSERT_EQ(chdir("/"), 0);  // taken at start, not at the call
  EXPECT_EQ(withArgs.Args(),
            (std::vector<std::string>{"C:\\tmp", "c:/x/", dir + "\\docs", "C:\\abs\\dir\\", parent,
                                      dir + "\\" + Cp932("日本"), dir + "\\a?b", ""}));
}

TEST_F(LinuxSystemTest, ExecutablePathNamesThisProgram) {
  const std::string exe = sys.ExePath();
  EXPECT_EQ(exe.substr(1, 2), ":\\");
  EXPECT_TRUE(exe.ends_with("\\platform_tests")) << exe;
  EXPECT_TRUE(sys.FileExists(exe));
}

TEST_F(LinuxSystemTest, DesktopComesFromUserDirsElseHomeDesktop) {
  tmp.CreateDir("cfg");
  ScopedEnv home("HOME", tmp.path());
  ScopedEnv config("XDG_CONFIG_HOME", tmp / "cfg");
  const std::string dir = Sys(tmp.path());

  EXPECT_EQ(sys.DesktopDir(), dir + "\\Desktop");
  tmp.CreateFile("cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/デスク/\"\n");
  EXPECT_EQ(sys.DesktopDir(), dir + "\\" + Cp932("デスク"));
  tmp.CreateFile("cfg/user-dirs.dirs", "XDG_DESKTOP_DIR=\"/\"\n");
  EXPECT_EQ(sys.DesktopDir(), "C:\\");
}

TEST_F(LinuxSystemTest, WholeFilesRoundTripAndReplaceAtomically) {
  const std::string dir = Sys(tmp.path());
  const std::string file = dir + "\\" + Cp932("設定.ini");
  std::string bytes(3 << 20, 'x');
  bytes[5] = '\0';
  bytes[100] = '\r';

  ASSERT_TRUE(sys.WriteWholeFile(file, bytes));
  EXPECT_EQ(sys.ReadWholeFile(file), bytes);
  EXPECT_TRUE(sys.FileExists(file));

  // Replacing keeps the permissions and leaves nothing else behind.
  ASSERT_EQ(chmod((tmp / "設定.ini").c_str(), 0640), 0);
  ASSERT_TRUE(sys.WriteWholeFile(file, "short"));
  EXPECT_EQ(sys.ReadWholeFile(file), "short");
  struct stat st;
  ASSERT_EQ(stat((tmp / "設定.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()),
                          std::filesystem::directory_iterator()),
            1);

  // A link stays a link; its target gets the bytes.
  ASSERT_EQ(symlink("設定.ini", (tmp / "link.ini").c_str()), 0);
  ASSERT_TRUE(sys.WriteWholeFile(dir + "\\link.ini", "via link"));
  EXPECT_TRUE(std::filesystem::is_symlink(tmp / "link.ini"));
  EXPECT_EQ(sys.ReadWholeFile(file), "via link");
}

TEST_F(LinuxSystemTest, AWrittenNameNeverLandsOnAnotherFile) {
  tmp.CreateFile("axb.lnk", "keep");
  tmp.CreateFile("a\xF0\x9F\x98\x80.lnk", "old");  // shown as "a?.lnk"
  const std::string dir = Sys(tmp.path());
  const auto read = [](const std::string& host) { return testing_support::ReadHostFile(host); };

  // "?" typed by hand is no wildcard for a write: a new file, and axb.lnk is left alone.
  ASSERT_TRUE(sys.WriteWholeFile(dir + "\\a?b.lnk", "new"));
  EXPECT_EQ(read(tmp / "axb.lnk"), "keep");
  EXPECT_EQ(read(tmp / "a?b.lnk"), "new");

  // The name as the listing shows it still reaches the file it shows.
  ASSERT_TRUE(sys.WriteWholeFile(dir + "\\a?.lnk", "updated"));
  EXPECT_EQ(read(tmp / "a\xF0\x9F\x98\x80.lnk"), "updated");

  // Letter case aside, an existing name is replaced, as on Windows.
  ASSERT_TRUE(sys.WriteWholeFile(dir + "\\AXB.LNK", "replaced"));
  EXPECT_EQ(read(tmp / "axb.lnk"), "replaced");
}

TEST_F(LinuxSystemTest, FileFailuresLeaveEverythingAsItWas) {
  const std::string dir = Sys(tmp.path());
  tmp.CreateDir("folder");
  tmp.CreateFile("folder/inside", "kept");

  EXPECT_FALSE(sys.WriteWholeFile(dir + "\\missing\\x.ini", "x"));
  EXPECT_FALSE(sys.WriteWholeFile(dir + "\\folder", "x"));
  EXPECT_FALSE(sys.WriteWholeFile("\\\\server\\share\\x.ini", "x"));
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\folder\\inside"), "kept");
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\folder"), std::nullopt);
  EXPECT_EQ(sys.ReadWholeFile(dir + "\\missing"), std::nullopt);
  EXPECT_FALSE(sys.FileExists(dir + "\\folder"));
  EXPECT_FALSE(sys.FileExists(dir + "\\missing"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST_F(LinuxSystemTest, ShiftStateComesFromTheGivenFunction) {
  bool down = false;
  LinuxSystem withShift(0, nullptr, [&] { return down; });
  EXPECT_FALSE(withShift.IsShiftDown());
  down = true;
  EXPECT_TRUE(withShift.IsShiftDown());
  EXPECT_FALSE(sys.IsShiftDown());  // no function given
}

}  // namespace
}  // namespace platform
