#include <gtest/gtest.h>

#include "app/program.h"
#include "app/texts.h"
#include "fixture.h"

namespace {

TEST_F(ZuntTest, FirstRunShowsTheCurrentFolderInTheLayoutsWindow) {
  os.AddFile("C:\\work\\a.txt");
  Start();
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
  EXPECT_EQ(main->Caption(), "work");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"<..>", "a.txt", "<C:>"}));
  EXPECT_EQ(main->Left(), 179);
  EXPECT_EQ(main->Top(), 104);
  EXPECT_EQ(main->Width(), 137);
  EXPECT_EQ(main->Height(), 241);
  EXPECT_TRUE(main->StayOnTop());
  EXPECT_FALSE(main->HasCloseBox());
  EXPECT_TRUE(main->AcceptFiles());
  EXPECT_EQ(main->Mask, "*.*");
  EXPECT_EQ(main->Settings.size(), 9u);
  EXPECT_EQ(main->Settings.front(), "Exttxt=" + J("メモ帳|notepad.exe"));
  EXPECT_EQ(main->Settings.back(), "Sort=0");
  EXPECT_EQ(main->History, (text::StringList{"C:\\work\\"}));
  EXPECT_EQ(main->IniPath, kIni);
}

TEST_F(ZuntTest, StartFolderFromArguments) {
  os.AddFolder("C:\\tmp");
  const struct {
    std::vector<std::string> args;
    const char* shown;
  } cases[] = {
      {{}, "C:\\work\\"},
      {{"C:\\tmp"}, "C:\\tmp\\"},
      {{"C:\\tmp\\"}, "C:\\tmp\\"},
      {{"C:\\My", "Files"}, "C:\\work\\"},
  };
  for (const auto& c : cases) {
    os.args = c.args;
    os.currentDir = "C:\\work";  // each start makes the shown folder current
    Start();
    EXPECT_EQ(main->CurrentDir, c.shown);
  }
}

TEST_F(ZuntTest, DriveLinesFollowTheDriveMask) {
  os.drives = (1u << 0) | (1u << 2) | (1u << 25);  // A, C, Z
  Start();
  EXPECT_EQ(main->DriveLines, "<A:>\n<C:>\n<Z:>\n");
  EXPECT_EQ(main->DriveCount, 3);
  const auto lines = Lines();
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"<A:>", "<C:>", "<Z:>"}));
}

TEST_F(ZuntTest, DesktopFolderGetsABackslashAndAMissingOneIsTheRoot) {
  Start();
  EXPECT_EQ(main->DesktopDir, "C:\\Users\\me\\Desktop\\");
  os.desktop = "";
  Start();
  EXPECT_EQ(main->DesktopDir, "\\");
}

TEST_F(ZuntTest, MenuBarHasEveryItemWithItsShortcutAndTag) {
  Start();
  const struct {
    ui::MenuItem* item;
    const char* caption;
    ui::ShortCut shortcut;
    int tag;
  } cases[] = {
      {main->mnFolderInput, zunt::cap::mnFolderInput, ui::scCtrl | 'O', 0},
      {main->mnRename, zunt::cap::mnRename, ui::scAlt | 'R', 0},
      {main->mnCopy, zunt::cap::mnCopy, 118, 0},
      {main->mnMove, zunt::cap::mnMove, 119, 1},
      {main->mnNewFolder, zunt::cap::mnNewFolder, 45, 0},
      {main->mnDelete, zunt::cap::mnDelete, 46, 0},
      {main->mnDelete2, zunt::cap::mnDelete2, ui::scShift | 46, 1},
      {main->mnMkShortcut, zunt::cap::mnMkShortcut, ui::scAlt | 'S', 2},
      {main->mnUpdate, zunt::cap::mnUpdate, 116, 0},
      {main->mnAddGo, zunt::cap::mnAddGo, ui::scCtrl | 'D', 0},
      {main->mnSortSize, zunt::cap::mnSortSize, 0, 3},
      {main->mnViewFullpath, zunt::cap::mnViewFullpath, ui::scAlt | 'P', 0},
      {main->mnViewStaytop, zunt::cap::mnViewStaytop, ui::scAlt | 'T', 0},
      {main->mnSetExtapps, zunt::cap::mnSetExtapps, ui::scCtrl | ui::scShift | 'E', 0},
      {main->mnSetMask, zunt::cap::mnSetMask, ui::scCtrl | ui::scShift | 'M', 0},
      {main->mnQuit, zunt::cap::mnQuit, ui::scCtrl | 'Q', 0},
      {main->mnGoDesktop, zunt::cap::mnGoDesktop, 114, 0},
      {main->mnMask, zunt::cap::mnMask, ui::scAlt | ui::scShift | 'M', 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.item->Caption(), c.caption);
    EXPECT_EQ(c.item->GetShortCut(), c.shortcut) << c.caption;
    EXPECT_EQ(c.item->Tag(), c.tag) << c.caption;
  }
  const ui::MenuItem& bar = main->MainMenu1.Items();
  ASSERT_EQ(bar.Count(), 3);
  EXPECT_EQ(bar.Item(0).Caption(), "&F");
  EXPECT_EQ(bar.Item(1).Caption(), "&go");
  EXPECT_EQ(bar.Item(2).Caption(), "&M");
  EXPECT_EQ(main->mnF->Count(), 17);
  EXPECT_TRUE(main->mnF->Item(9).IsSeparator());
  EXPECT_TRUE(main->mnSortName->Checked());
  EXPECT_TRUE(main->mnViewStaytop->Checked());
  EXPECT_FALSE(main->mnViewFullpath->Checked());
  EXPECT_EQ(main->PopupMenu1.Items().Item(0).Caption(), zunt::cap::popAppli);
}

TEST_F(ZuntTest, StayOnTopTogglesTwiceBackAndKeepsDrops) {
  Start();
  Key('T', ui::kAlt);
  EXPECT_FALSE(main->StayOnTop());
  Key('T', ui::kAlt);
  EXPECT_TRUE(main->StayOnTop());
  EXPECT_TRUE(main->AcceptFiles());
}

TEST_F(ZuntTest, ShellOpenReportsAMissingFile) {
  os.shellResult = [](std::string_view) { return platform::ShellResult{false, 2}; };
  Start();
  main->ShellOpen("C:\\no.exe", "");
  ASSERT_EQ(backend.messages.size(), 1u);
  EXPECT_EQ(backend.messages[0].text,
            std::string(zunt::msg::kFilePrefix) + "C:\\no.exe" + zunt::msg::kNotFoundSuffix);
  EXPECT_EQ(backend.messages[0].caption, zunt::msg::kCaptionError);
  os.shellResult = [](std::string_view) { return platform::ShellResult{false, 5}; };
  main->ShellOpen("C:\\other.exe", "");
  EXPECT_EQ(backend.messages.size(), 1u);
}

TEST(Program, AnUnreadableNumberEndsTheStartAndLeavesTheFile) {
  ui::HeadlessBackend backend;
  platform::FakeSystem os;
  os.AddFolder("C:\\zunt");
  const std::string bad = "Width=abc\r\nHeight=1\r\n";
  os.files["C:\\zunt\\zunt.ini"] = bad;
  EXPECT_EQ(zunt::RunProgram(backend, zunt::Services{os}), 0);
  ASSERT_EQ(backend.errors.size(), 1u);
  EXPECT_EQ(backend.errors[0], J("'abc' は整数ではありません."));
  EXPECT_EQ(backend.mainForm, nullptr);  // the window never ran
  EXPECT_EQ(os.files["C:\\zunt\\zunt.ini"], bad);
}

TEST(Program, RunsUntilTheMainWindowClosesAndSaves) {
  ui::HeadlessBackend backend;
  platform::FakeSystem os;
  os.AddFolder("C:\\zunt");
  backend.runScript = [&] { backend.PressKey(*backend.mainForm, 'Q', ui::kCtrl); };
  EXPECT_EQ(zunt::RunProgram(backend, zunt::Services{os}), 0);
  EXPECT_TRUE(backend.errors.empty());
  EXPECT_EQ(os.files.count("C:\\zunt\\zunt.ini"), 1u);
}

}  // namespace
