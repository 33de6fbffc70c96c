// The main window's hand-over of files to a running window, and files dropped on it.
#include <gtest/gtest.h>

#include "fake_windows.h"
#include "launch/drop_block.h"
#include "tests/app/fixture.h"

namespace {

using Paths = std::vector<std::string>;

class HandOverTest : public ZuntTest {
 protected:
  static constexpr platform::WindowHandle kMain = 5;

  HandOverTest() {
    os.AddFolder("C:\\work\\sub");
    os.AddFile("C:\\work\\sub\\x.txt");
    os.AddFolder("C:\\work\\.hidden", platform::faDirectory | platform::faHidden);
    desktop.main = kMain;
  }

  void StartWithDrops() {
    zunt::Services services{os};
    services.globalMemory = &memory;
    services.windows = &desktop;
    // Host "/a/b" is system "C:\a\b" here.
    services.systemPathOf = [](std::string_view host) {
      std::string path = "C:" + std::string(host);
      for (char& c : path) c = c == '/' ? '\\' : c;
      return path;
    };
    main = std::make_unique<TFrmZunt>(backend, services);
    input = std::make_unique<TFrmInput>(backend, *main);
    main->FrmInput = input.get();
    backend.mainForm = main.get();
    desktop.windows = {{7, "editor - notes"}, {kMain, main->Caption()}, {9, "editor - more"}};
  }

  platform::GlobalHandle Drop(const Paths& paths) { return launch::DropBlockOf(memory, paths); }

  platform::StdGlobalMemory memory;
  FakeWindows desktop{memory};
};

TEST_F(HandOverTest, AllFilesGoToTheFoundWindowInOneMessage) {
  StartWithDrops();
  const Paths paths = {"C:\\work\\a.txt", "C:\\work\\b c.txt",
                       "C:\\work\\\x93\xfa\x96\x7b.txt"};  // 日本.txt
  const platform::WindowHandle target = main->FindWindowByTitle("editor");
  ASSERT_EQ(target, 7u);
  main->HandOverFiles(target, paths);
  ASSERT_EQ(desktop.posts.size(), 1u);
  EXPECT_EQ(desktop.posts[0].target, 7u);
  EXPECT_EQ(desktop.posts[0].paths, paths);
  EXPECT_TRUE(backend.posted.empty());
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(HandOverTest, NothingIsPostedAndNothingLeftWhenTheBlockCannotBeMade) {
  StartWithDrops();
  memory.allow = [](std::size_t size) { return size < 30; };  // room for one short path
  main->HandOverFiles(7, {"C:\\a.txt", "C:\\b.txt"});
  memory.allow = [](std::size_t) { return false; };
  main->HandOverFiles(7, {"C:\\a.txt"});
  EXPECT_TRUE(desktop.posts.empty());
  EXPECT_EQ(memory.LiveBlocks(), 0u);
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(HandOverTest, ARefusedPostReleasesTheBlock) {
  StartWithDrops();
  desktop.refusePosts = true;
  main->HandOverFiles(7, {"C:\\a.txt"});
  EXPECT_EQ(memory.LiveBlocks(), 0u);
  EXPECT_TRUE(backend.messages.empty());
}

TEST_F(HandOverTest, OurOwnWindowGetsTheDropThroughTheEventLoop) {
  StartWithDrops();
  // The caption shows the folder on show.
  ASSERT_EQ(main->Caption(), "work");
  const platform::WindowHandle target = main->FindWindowByTitle("work");
  ASSERT_EQ(target, kMain);
  main->HandOverFiles(target, {"C:\\work\\sub\\x.txt", "C:\\work\\a.txt"});
  EXPECT_TRUE(desktop.posts.empty());
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
  backend.RunPosted();
  EXPECT_EQ(main->CurrentDir, "C:\\work\\sub\\");
  EXPECT_EQ(Lines(), (Paths{"<..>", "x.txt", "<C:>"}));
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(HandOverTest, ADropShowsTheFolderOfItsFirstPath) {
  os.AddFolder(std::string("C:\\") + std::string(300, 'd'));
  StartWithDrops();
  struct Case {
    Paths dropped;
    std::string shown;
  } const cases[] = {
      {{"C:\\work\\sub\\x.txt"}, "C:\\work\\sub\\"},
      {{"C:\\work\\sub"}, "C:\\work\\sub\\"},
      {{"C:\\work\\sub\\"}, "C:\\work\\sub\\"},
      {{"C:\\work\\.hidden"}, "C:\\work\\"},  // a hidden folder is not shown itself
      {{"C:\\zunt", "C:\\work\\sub"}, "C:\\zunt\\"},
      {{std::string("C:\\") + std::string(300, 'd')}, "C:\\" + std::string(300, 'd') + "\\"},
  };
  for (const Case& c : cases) {
    main->WMDropFiles(Drop(c.dropped));
    EXPECT_EQ(main->CurrentDir, c.shown) << c.dropped[0];
    EXPECT_EQ(memory.LiveBlocks(), 0u);
  }
}

TEST_F(HandOverTest, AnEmptyDropChangesNothing) {
  StartWithDrops();
  const std::size_t historyBefore = main->History.size();
  main->WMDropFiles(Drop({}));
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
  EXPECT_EQ(main->History.size(), historyBefore);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(HandOverTest, FilesDroppedFromTheDesktopArriveAsSystemPaths) {
  StartWithDrops();
  main->FormDropFiles({"/work/sub/x.txt", "/zunt"});
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
  backend.RunPosted();
  EXPECT_EQ(main->CurrentDir, "C:\\work\\sub\\");
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(HandOverTest, ADropWithShiftHeldOpensASecondInstance) {
  StartWithDrops();
  os.shiftDown = true;
  main->FormDropFiles({"/work/sub/x.txt"});
  backend.RunPosted();
  ASSERT_EQ(os.executed.size(), 1u);
  EXPECT_EQ(os.executed[0].second, "C:\\work\\sub\\");
  EXPECT_EQ(main->CurrentDir, "C:\\work\\");
}

}  // namespace
