#include "scmake/link_rules.h"

#include <gtest/gtest.h>

#include "platform/codec.h"

namespace zunt {
namespace {

std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

TEST(LinkRules, WndStateIsStoredAsTheShellsShowCommand) {
  EXPECT_EQ(ShowCmdOf(WNDSTATE::Normal), 5);  // SW_SHOW, not SW_SHOWNORMAL
  EXPECT_EQ(ShowCmdOf(WNDSTATE::Maximize), 3);
  EXPECT_EQ(ShowCmdOf(WNDSTATE::Minimize), 7);
  EXPECT_EQ(ShowCmdOf(static_cast<WNDSTATE>(9)), 5);
}

TEST(LinkRules, ShowCommandsReadAsWndState) {
  const struct {
    std::int32_t showCmd;
    WNDSTATE state;
  } cases[] = {
      {0, WNDSTATE::Normal},  {1, WNDSTATE::Normal},   {3, WNDSTATE::Maximize},
      {5, WNDSTATE::Normal},  {7, WNDSTATE::Minimize}, {2, WNDSTATE::Normal},
      {-1, WNDSTATE::Normal},
  };
  for (const auto& c : cases) EXPECT_EQ(WndStateOf(c.showCmd), c.state) << c.showCmd;
}

TEST(LinkRules, HotkeyConversionBothWays) {
  const struct {
    std::uint16_t shortCut;
    std::uint16_t hotkey;
  } written[] = {
      {0x46 | 0x4000 | 0x8000, 0x0646},  // Ctrl+Alt+F
      {0x46 | 0x2000, 0x0146},
      {0x70, 0x0070},  // F1 alone
      {0x2000, 0},     // Shift without a key is not stored
      {0xE000, 0},
      {0, 0},
  };
  for (const auto& c : written) {
    EXPECT_EQ(HotkeyOf(c.shortCut), c.hotkey) << std::hex << c.shortCut;
    if (c.hotkey != 0) {
      EXPECT_EQ(ShortCutOf(c.hotkey), c.shortCut) << std::hex << c.shortCut;
    }
  }
  EXPECT_EQ(ShortCutOf(0x0946), 0x2046);  // HOTKEYF_EXT dropped
  EXPECT_EQ(ShortCutOf(0xF846), 0x0046);  // unknown flag bits dropped
  EXPECT_EQ(ShortCutOf(0x074B), 0x4B | 0x2000 | 0x4000 | 0x8000);
}

TEST(LinkRules, LinkFileNameJoinsWithoutNormalising) {
  EXPECT_EQ(LinkFileName("D:\\Links", "readme.txt"), "D:\\Links\\readme.txt.lnk");
  EXPECT_EQ(LinkFileName("C:\\", "Tool"), "C:\\\\Tool.lnk");
}

TEST(LinkRules, OnlyTheLnkExtensionIsALink) {
  EXPECT_TRUE(HasLinkExtension("C:\\x\\Tool.lnk"));
  EXPECT_TRUE(HasLinkExtension("C:\\x\\Tool.LNK"));
  EXPECT_TRUE(HasLinkExtension("C:\\x\\.lnk"));
  EXPECT_FALSE(HasLinkExtension("C:\\x\\Tool"));
  EXPECT_FALSE(HasLinkExtension("C:\\x\\Tool.lnk.bak"));
  EXPECT_FALSE(HasLinkExtension("C:\\x.lnk\\Tool"));
  EXPECT_FALSE(HasLinkExtension(""));
}

TEST(LinkRules, NameAndFolderOfALinkPath) {
  const struct {
    std::string path, name, dir;
  } cases[] = {
      {"C:\\x\\Tool.LNK", "Tool", "C:\\x"},
      {"C:\\Tool.lnk", "Tool", "C:\\"},
      {"D:\\Links\\readme.txt.lnk", "readme.txt", "D:\\Links"},
      {"C:Tool.lnk", "Tool", "C:"},
      {"\\\\srv\\share\\a.lnk", "a", "\\\\srv\\share"},
      {"\\\\a.lnk", "a", "\\\\"},
      {"a.lnk", "a", ""},
      {"C:\\x\\.lnk", "", "C:\\x"},
      // 表 and ソ end in the byte 0x5C, which is no separator.
      {J("C:\\予定表\\ソ.lnk"), J("ソ"), J("C:\\予定表")},
      {J("C:\\表\\a.lnk"), "a", J("C:\\表")},
      {J("C:\\ソ表.lnk"), J("ソ表"), "C:\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LinkNameOf(c.path), c.name) << platform::Cp932ToUtf8(c.path);
    EXPECT_EQ(LinkDirOf(c.path), c.dir) << platform::Cp932ToUtf8(c.path);
  }
}

}  // namespace
}  // namespace zunt
