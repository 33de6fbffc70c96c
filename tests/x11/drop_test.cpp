// Handing files to running windows on a real X server, with openbox and with no window
// manager: the window walk, titles, and drops taken by a Qt program.
#include <gtest/gtest.h>

#include "launch/drop_block.h"
#include "x11_fixture.h"

namespace {

using platform::x11::DropOutcome;
using namespace std::chrono_literals;

class X11Drop : public X11Fixture, public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    std::string whyNot;
    if (!StartX(GetParam(), whyNot)) GTEST_SKIP() << whyNot;
  }
  void TearDown() override { StopX(); }

  platform::GlobalHandle Block(const Paths& hostPaths) {
    Paths systemPaths;
    for (const std::string& p : hostPaths) systemPaths.push_back(SystemPath(p));
    return launch::DropBlockOf(memory, systemPaths);
  }
  bool Outcome(std::size_t count, int seconds = 10) {
    return WaitFor([&] { return outcomes.size() >= count; }, seconds);
  }
};

TEST_P(X11Drop, AReceiverFoundByPartOfItsTitleTakesThreePathsInOneDrop) {
  // The title and the paths hold Japanese; ソ and 表 end in the byte 0x5C in code page 932.
  const Receiver r = StartReceiver("\xE5\x8F\x97\xE4\xBF\xA1 - drop target");  // 受信
  const Paths paths = {
      dir.File("a b.txt"), dir.File("#1 100%.txt"),
      dir.File("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE3\x82\xBD\xE8\xA1\xA8.txt")};
  const WindowHandle target = Find("\xE5\x8F\x97\xE4\xBF\xA1");
  ASSERT_EQ(target, r.window);

  ASSERT_TRUE(windows->PostDropFiles(target, Block(paths)));
  EXPECT_EQ(memory.LiveBlocks(), 0u);
  ASSERT_TRUE(Outcome(1));
  EXPECT_EQ(outcomes[0], DropOutcome::Delivered);
  EXPECT_EQ(Drops(r), std::vector<Paths>{paths});
}

TEST_P(X11Drop, AGtkReceiverTakesTheSameDrop) {
  Receiver r;
  if (!StartGtkReceiver("gtk \xE5\x8F\x97\xE4\xBF\xA1", r)) {
    GTEST_SKIP() << "GTK 3 for Python (python3-gi, gir1.2-gtk-3.0) is not installed";
  }
  const Paths paths = {
      dir.File("a b.txt"), dir.File("#1 100%.txt"),
      dir.File("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xE3\x82\xBD\xE8\xA1\xA8.txt")};
  ASSERT_EQ(Find("gtk \xE5\x8F\x97"), r.window);
  ASSERT_TRUE(windows->PostDropFiles(r.window, Block(paths)));
  ASSERT_TRUE(Outcome(1));
  EXPECT_EQ(outcomes[0], DropOutcome::Delivered);
  EXPECT_EQ(Drops(r), std::vector<Paths>{paths});
}

TEST_P(X11Drop, OnlyTheFirst255BytesOfATitleAreSearched) {
  const Receiver r = StartReceiver(std::string(250, 'x') + "TAILMARK");
  EXPECT_EQ(Find("xTAILM"), r.window);
  EXPECT_EQ(Find("TAILMA"), 0u);
}

TEST_P(X11Drop, OfTwoMatchingWindowsTheUpperOneWins) {
  const Receiver one = StartReceiver("twin one");
  const Receiver two = StartReceiver("twin two");
  Raise(one.window);
  EXPECT_TRUE(WaitFor([&] { return Find("twin") == one.window; }));
  Raise(two.window);
  EXPECT_TRUE(WaitFor([&] { return Find("twin") == two.window; }));

  ASSERT_TRUE(windows->PostDropFiles(Find("twin"), Block({dir.File("x.txt")})));
  ASSERT_TRUE(Outcome(1));
  EXPECT_EQ(Drops(two).size(), 1u);
  EXPECT_TRUE(Drops(one).empty());
}

TEST_P(X11Drop, HiddenAndIconifiedWindowsAreWalkedToo) {
  const Receiver r = StartReceiver("tucked away");
  Hide(r.window);
  // Still there after the window manager (or the server) has taken it off the screen.
  EXPECT_TRUE(WaitFor([&] {
    xcb_get_window_attributes_reply_t* a = xcb_get_window_attributes_reply(
        control, xcb_get_window_attributes(control, static_cast<xcb_window_t>(r.window)), nullptr);
    const bool hidden = a && a->map_state != XCB_MAP_STATE_VIEWABLE;
    std::free(a);
    return hidden;
  }));
  EXPECT_EQ(Find("tucked"), r.window);
}

TEST_P(X11Drop, StayOnTopWindowsCountOnlyWhileTheMainWindowStaysOnTop) {
  const Receiver r = StartReceiver("high flyer", true);
  main = {1, false};
  EXPECT_EQ(Find("high flyer"), 0u);
  main = {1, true};
  EXPECT_EQ(Find("high flyer"), r.window) << DescribeWalk();
}

TEST_P(X11Drop, AReceiverThatNeverAnswersTimesOutWhileTheLoopRuns) {
  Receiver silent = StartReceiver("silent one");
  silent.process->Stop();
  loop.longestCallback = {};

  const auto start = PollLoop::Clock::now();
  ASSERT_TRUE(windows->PostDropFiles(Find("silent"), Block({dir.File("x.txt")})));
  const auto posting = PollLoop::Clock::now() - start;
  EXPECT_EQ(memory.LiveBlocks(), 0u);
  ASSERT_TRUE(Outcome(1));
  EXPECT_EQ(outcomes[0], DropOutcome::TimedOut);
  // Nothing waited for the target: neither posting nor any step of the loop came near the
  // 1.5 s the answer was waited for.
  EXPECT_LT(posting, 1000ms);
  EXPECT_LT(loop.longestCallback, 1000ms);

  // The next drop goes through.
  silent.process->Continue();
  const Receiver awake = StartReceiver("awake one");
  ASSERT_TRUE(windows->PostDropFiles(Find("awake"), Block({dir.File("y.txt")})));
  ASSERT_TRUE(Outcome(2));
  EXPECT_EQ(outcomes[1], DropOutcome::Delivered);
  EXPECT_EQ(Drops(awake).size(), 1u);
}

TEST_P(X11Drop, WindowsThatTakeNoDropsRefuseThePostAndLeaveTheBlock) {
  // A bare window with a title and no XdndAware.
  const xcb_window_t bare = xcb_generate_id(control);
  xcb_create_window(control, XCB_COPY_FROM_PARENT, bare, root, 0, 0, 50, 50, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
  const char title[] = "bare window";
  xcb_change_property(control, XCB_PROP_MODE_REPLACE, bare, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                      sizeof title - 1, title);
  xcb_map_window(control, bare);
  xcb_flush(control);
  main = {1, true};
  ASSERT_TRUE(WaitFor([&] { return Find("bare window") == bare; })) << DescribeWalk();

  const platform::GlobalHandle block = Block({dir.File("x.txt")});
  EXPECT_FALSE(windows->PostDropFiles(bare, block));
  EXPECT_EQ(memory.Size(block), 26u + dir.Path().size());
  // Nor does a block without any path that has a host path go anywhere.
  const Receiver r = StartReceiver("receiver");
  const platform::GlobalHandle unmapped = launch::DropBlockOf(memory, {"\\\\server\\share\\x"});
  EXPECT_FALSE(windows->PostDropFiles(r.window, unmapped));
  EXPECT_EQ(memory.LiveBlocks(), 2u);
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, X11Drop, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "openbox" : "none";
                         });

}  // namespace
