#include "launch/find_window.h"

#include <gtest/gtest.h>

#include "fake_windows.h"

namespace {

class FindWindowTest : public ::testing::Test {
 protected:
  platform::StdGlobalMemory memory;
  FakeWindows desktop{memory};
};

TEST_F(FindWindowTest, TitlePartsMatchByteForByteOnCharacterBoundaries) {
  // 無題 - メモ帳, MEMO, 表 (second byte 0x5C), 日本語
  desktop.windows = {{11, "\x96\xb3\x91\xe8 - \x83\x81\x83\x82\x92\xa0"},
                     {12, "MEMO"},
                     {13, "\x95\x5c"},
                     {14, "\x93\xfa\x96\x7b\x8c\xea"}};
  struct Case {
    const char* text;
    platform::WindowHandle found;
  } const cases[] = {
      {"\x83\x81\x83\x82\x92\xa0", 11},  // メモ帳
      {"memo", 0},                       // case counts
      {"MEM", 12},
      {"\\", 0},         // the trail byte of 表 is no backslash
      {"\x7b\x8c", 0},   // across a character boundary
      {"\x96\x7b", 14},  // 本
  };
  for (const Case& c : cases) {
    EXPECT_EQ(launch::FindWindowByTitle(desktop, c.text), c.found) << c.text;
  }
}

TEST_F(FindWindowTest, FirstMatchOfTheWalkFromTheMainWindowsGroupWins) {
  desktop.main = 5;
  desktop.windows = {{7, "editor - a.txt"}, {5, "C:\\work\\"}, {9, "editor - b.txt"}};
  EXPECT_EQ(launch::FindWindowByTitle(desktop, "editor"), 7u);
  EXPECT_EQ(desktop.firstAskedFor, std::vector<platform::WindowHandle>{5});
  // The main window is searched like any other.
  EXPECT_EQ(launch::FindWindowByTitle(desktop, "work"), 5u);
  EXPECT_EQ(launch::FindWindowByTitle(desktop, "b.txt"), 9u);
  desktop.windows.clear();
  EXPECT_EQ(launch::FindWindowByTitle(desktop, "editor"), 0u);
}

}  // namespace
