// The listing over real temporary folders through the Linux platform layer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <ctime>

#include "fixture.h"
#include "platform/linux/linux_system.h"
#include "tests/support/temp_dir.h"

namespace {

void SetTimes(const std::string& path, long long seconds, long long size = -1) {
  const int fd = open(path.c_str(), O_WRONLY);
  ASSERT_GE(fd, 0);
  if (size >= 0) {
    ASSERT_EQ(ftruncate(fd, size), 0);
  }
  const timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), 0}};
  ASSERT_EQ(futimens(fd, times), 0);
  close(fd);
}

class RealFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.CreateDir("表ソ");
    dir.CreateDir(".hidden");
    dir.CreateFile("a\xF0\x9F\x98\x80.txt", "x");  // an emoji: code page 932 has none
    dir.CreateFile("big.bin");
    SetTimes(dir / "big.bin", 1600000000, 5LL << 30);
    dir.CreateFile("old.txt", "12");
    SetTimes(dir / "old.txt", 86400 + 43200);  // 1970-01-02 noon UTC
    dir.CreateFile("future.txt", "123");
    SetTimes(dir / "future.txt", 7258161600LL);  // 2200-01-01 noon UTC
    exe = "app_tests";
    arg = dir.path();
    char* argv[] = {exe.data(), arg.data(), nullptr};
    os = std::make_unique<platform::LinuxSystem>(
        2, argv, [] { return false; }, platform::host::DriveMap());
    main = std::make_unique<TFrmZunt>(backend, zunt::Services{*os});
  }

  std::vector<std::string> Lines() const { return main->ListBox1.Items(); }

  testing_support::TempDir dir;
  std::string exe, arg;
  ui::HeadlessBackend backend;
  std::unique_ptr<platform::LinuxSystem> os;
  std::unique_ptr<TFrmZunt> main;
};

TEST_F(RealFolderTest, ListsJapaneseAndUnmappableNamesSortedWithDrives) {
  std::string shown = "C:" + dir.path() + "/";
  for (char& c : shown) c = c == '/' ? '\\' : c;
  EXPECT_EQ(main->CurrentDir, shown);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<..>", "<.hidden>", "<" + J("表ソ") + ">", "a?.txt",
                                               "big.bin", "future.txt", "old.txt", "<C:>"}));
  EXPECT_TRUE(main->IsDirectory(main->CurrentDir + J("表ソ")));
  EXPECT_FALSE(main->IsDirectory(main->CurrentDir + ".hidden"));
  EXPECT_FALSE(main->IsDirectory(main->CurrentDir + "a?.txt"));

  main->CurrentDir += J("表ソ");
  main->RefreshList();
  EXPECT_EQ(main->FolderName, J("表ソ"));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<..>", "<C:>"}));
}

TEST_F(RealFolderTest, SizesAndDatesBeyond32BitsAndThePackedRangeSortRight) {
  main->mnSortSize->Click();
  EXPECT_EQ(Lines()[3], "a?.txt");
  EXPECT_EQ(Lines()[6], "big.bin");
  EXPECT_EQ(main->LineInfos[6], "5368709120");

  main->mnSortUpdate->Click();
  EXPECT_EQ(Lines()[3], "old.txt");
  EXPECT_EQ(main->LineInfos[3].substr(0, 8), "1970/01/");
  EXPECT_EQ(Lines()[6], "future.txt");
  EXPECT_EQ(main->LineInfos[6].substr(0, 8), "2200/01/");
}

}  // namespace
