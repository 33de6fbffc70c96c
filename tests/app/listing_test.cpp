#include <gtest/gtest.h>

#include "app/texts.h"
#include "fixture.h"

namespace {

using Lines_t = std::vector<std::string>;

class ListingTest : public ZuntTest {
 protected:
  void StartIn(const char* folder) {
    os.currentDir = folder;
    Start();
  }
  void SortBy(ui::MenuItem* item) { item->Click(); }
};

TEST_F(ListingTest, RootHasNoParentLineAndShowsItsWholePath) {
  os.AddFolder("C:\\sub");
  StartIn("C:\\");
  EXPECT_EQ(Lines(), (Lines_t{"<sub>", "<work>", "<zunt>", "<C:>"}));
  EXPECT_EQ(main->FolderName, "C:\\");
  EXPECT_EQ(main->Caption(), "C:\\");
}

TEST_F(ListingTest, EmptyFolderHoldsParentAndDrivesWithTheParentSelected) {
  StartIn("C:\\work");
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<C:>"}));
  EXPECT_EQ(main->ListBox1.ItemIndex(), 0);
  EXPECT_TRUE(main->ListBox1.Selected(0));
}

TEST_F(ListingTest, FoldersFirstThenMaskedFilesEachSortedThenDrives) {
  os.AddFolder("C:\\work\\Beta");
  os.AddFolder("C:\\work\\alpha");
  os.AddFolder("C:\\work\\.hidden", platform::faDirectory | platform::faHidden);
  os.AddFile("C:\\work\\b.txt");
  os.AddFile("C:\\work\\A.doc");
  os.AddFile("C:\\work\\c.jpg");
  os.drives = 0x4 | 0x8;
  StartIn("C:\\work");
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<.hidden>", "<alpha>", "<Beta>", "A.doc", "b.txt", "c.jpg",
                              "<C:>", "<D:>"}));
  main->Mask = "*.txt;;*.doc";
  main->RefreshList();
  EXPECT_EQ(Lines(),
            (Lines_t{"<..>", "<.hidden>", "<alpha>", "<Beta>", "A.doc", "b.txt", "<C:>", "<D:>"}));
  main->Mask = "*.*;*.txt";
  main->RefreshList();
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<.hidden>", "<alpha>", "<Beta>", "A.doc", "b.txt", "b.txt",
                              "c.jpg", "<C:>", "<D:>"}));
  main->Mask = "";
  main->RefreshList();
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<.hidden>", "<alpha>", "<Beta>", "<C:>", "<D:>"}));
}

TEST_F(ListingTest, SortOrdersAndTheirInfos) {
  os.AddFolder("C:\\work\\sub");
  os.AddFile("C:\\work\\z", 300, {2021, 5, 1, 10, 0, 0});
  os.AddFile("C:\\work\\b.c", 5, {2019, 1, 1, 0, 0, 0});
  os.AddFile("C:\\work\\a.cpp", 40, {2200, 1, 1, 0, 0, 0});
  StartIn("C:\\work");
  SortBy(main->mnSortExt);
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<sub>", "z", "b.c", "a.cpp", "<C:>"}));
  EXPECT_EQ(text::Lookup(main->Settings, "Sort"), "1");
  EXPECT_EQ(main->Caption(), "work");

  SortBy(main->mnSortSize);
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<sub>", "b.c", "a.cpp", "z", "<C:>"}));
  EXPECT_EQ(main->LineInfos, (text::StringList{"work", "work", "5", "40", "300", "work"}));
  EXPECT_FALSE(main->mnSortName->Checked());
  EXPECT_TRUE(main->mnSortSize->Checked());

  SortBy(main->mnSortUpdate);
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "<sub>", "b.c", "z", "a.cpp", "<C:>"}));
  EXPECT_EQ(main->LineInfos[0], "work");  // the parent shows the folder's name
  EXPECT_EQ(main->LineInfos[4], "2200/01/01 00:00:00");
  EXPECT_EQ(main->Caption(), "work");
  main->ListBox1.SetItemIndex(3);
  main->ListBox1Click();
  EXPECT_EQ(main->Caption(), "2021/05/01 10:00:00");
}

TEST_F(ListingTest, SortValueOutOfRangeListsByName) {
  os.AddFile("C:\\work\\b");
  os.AddFile("C:\\work\\a");
  os.currentDir = "C:\\work";
  StartWithSettings({"Sort=9"});
  EXPECT_EQ(Lines(), (Lines_t{"<..>", "a", "b", "<C:>"}));
  EXPECT_EQ(main->LineInfos.size(), Lines().size());
}

TEST_F(ListingTest, FullPathViewShowsCurrentDir) {
  os.AddFolder("C:\\work\\deep");
  StartIn("C:\\work\\deep");
  Key('P', ui::kAlt);
  EXPECT_EQ(main->Caption(), "C:\\work\\deep\\");
  Key('P', ui::kAlt);
  EXPECT_EQ(main->Caption(), "deep");
}

TEST_F(ListingTest, CaptionFollowsTheCurrentLine) {
  os.AddFile("C:\\work\\a", 7);
  StartIn("C:\\work");
  SortBy(main->mnSortSize);
  Key(ui::vkDown);
  EXPECT_EQ(main->Caption(), "7");
  Key(ui::vkDown);
  EXPECT_EQ(main->Caption(), "work");  // a drive line
}

TEST_F(ListingTest, HistoryGrowsWithEveryRefresh) {
  StartIn("C:\\work");
  main->RefreshList();
  main->CurrentDir = "C:\\zunt";
  main->RefreshList();
  EXPECT_EQ(main->History, (text::StringList{"C:\\work\\", "C:\\work\\", "C:\\zunt\\"}));
  EXPECT_EQ(main->LastGoodDir, "C:\\zunt\\");
  EXPECT_EQ(os.currentDir, "C:\\zunt");
}

TEST_F(ListingTest, AFolderThatCannotBeShownLeavesEverythingAsItWas) {
  os.AddFolder("C:\\locked");
  os.Deny("C:\\locked");
  StartIn("C:\\work");
  const auto before = Lines();
  for (const char* target : {"C:\\gone", "C:\\locked"}) {
    main->CurrentDir = target;
    main->RefreshList();
    EXPECT_EQ(backend.messages.back().text,
              std::string(target) + "\\" + zunt::msg::kCannotOpenSuffix);
    EXPECT_EQ(backend.messages.back().caption, zunt::msg::kCaptionError);
    EXPECT_EQ(main->CurrentDir, "C:\\work\\");
    EXPECT_EQ(Lines(), before);
    EXPECT_EQ(main->History.size(), 1u);
  }
}

TEST_F(ListingTest, AStartFolderThatCannotBeShownKeepsTheLayoutCaption) {
  os.args = {"C:\\gone"};
  StartIn("C:\\work");
  EXPECT_EQ(main->Caption(), "zunt");
  EXPECT_TRUE(Lines().empty());
  EXPECT_EQ(main->CurrentDir, "C:\\work");
  EXPECT_TRUE(main->History.empty());
}

TEST_F(ListingTest, TrailByteOfTheLastCharacterIsNoBackslash) {
  const std::string folder = J("C:\\一覧表");
  os.AddFolder(folder);
  os.args = {folder};
  Start();
  EXPECT_EQ(main->CurrentDir, folder + "\\");
  EXPECT_EQ(main->FolderName, J("一覧表"));
}

TEST_F(ListingTest, IsDirectoryOnlyForPlainFolders) {
  os.AddFolder("C:\\work\\plain");
  os.AddFolder("C:\\work\\hid", platform::faDirectory | platform::faHidden);
  os.AddFolder("C:\\work\\sys", platform::faDirectory | platform::faSysFile);
  os.AddFile("C:\\work\\f.txt");
  StartIn("C:\\work");
  EXPECT_TRUE(main->IsDirectory("C:\\work\\plain"));
  EXPECT_TRUE(main->IsDirectory("C:\\work\\plain\\"));
  EXPECT_FALSE(main->IsDirectory("C:\\work\\hid"));
  EXPECT_FALSE(main->IsDirectory("C:\\work\\sys"));
  EXPECT_FALSE(main->IsDirectory("C:\\work\\f.txt"));
  EXPECT_FALSE(main->IsDirectory("C:\\work\\missing"));
}

TEST_F(ListingTest, ShiftStartsASecondInstanceAfterSavingWithoutGeometry) {
  os.AddFolder("C:\\My Dir");
  StartIn("C:\\work");
  main->SetBounds(1, 2, 300, 400);
  os.shiftDown = true;
  main->CurrentDir = "C:\\My Dir";
  main->RefreshList();
  ASSERT_EQ(os.executed.size(), 1u);
  EXPECT_EQ(os.executed[0].first, os.exePath);
  EXPECT_EQ(os.executed[0].second, "\"C:\\My Dir\\\"");
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
  EXPECT_EQ(main->History.size(), 1u);
  const auto saved = text::SplitLines(os.files[kIni]);
  EXPECT_EQ(text::IndexOfName(saved, "Width"), -1);
  EXPECT_EQ(text::Lookup(saved, "Mask"), "*.*");
}

TEST_F(ListingTest, SecondInstanceIsNotStartedWhenSettingsCannotBeWritten) {
  StartIn("C:\\work");
  os.unwritable.push_back(kIni);
  os.shiftDown = true;
  main->CurrentDir = "C:\\zunt";
  ui::Guarded(backend, [&] { main->RefreshList(); });
  EXPECT_EQ(backend.errors.size(), 1u);
  EXPECT_TRUE(os.executed.empty());
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
}

TEST_F(ListingTest, ShiftIsIgnoredBeforeTheFirstListing) {
  os.shiftDown = true;
  StartIn("C:\\work");
  EXPECT_TRUE(os.executed.empty());
  EXPECT_EQ(main->History.size(), 1u);
}

}  // namespace
