// The real program under an X server of its own: a file dragged from another program and
// dropped on its window shows the file's folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "x11_fixture.h"

namespace {

namespace fs = std::filesystem;

class ZuntDrop : public X11Fixture, public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!ProgramOnPath("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    std::string whyNot;
    if (!StartX(GetParam(), whyNot)) GTEST_SKIP() << whyNot;
  }
  void TearDown() override {
    sources_.clear();
    zunt_.reset();
    StopX();
  }

  static bool ProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string_view rest = path ? path : "";
    while (!rest.empty()) {
      const std::string_view dir = rest.substr(0, rest.find(':'));
      if (access((std::string(dir) + "/" + name).c_str(), X_OK) == 0) return true;
      rest.remove_prefix(std::min(rest.size(), dir.size() + 1));
    }
    return false;
  }

  // Runs xdotool with args and waits for it.
  void Pointer(const std::vector<std::string>& args) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    ChildProcess(argv, session->Environment()).Wait();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }

  // zunt from a folder of its own (its settings file goes beside it), showing folder.
  WindowHandle StartZunt(const std::string& folder) {
    fs::create_directories(dir.Path() + "/bin");
    const std::string program = dir.Path() + "/bin/zunt";
    fs::copy_file(ZUNT_PROGRAM, program);
    zunt_ = std::make_unique<ChildProcess>(std::vector<std::string>{program, folder},
                                           session->Environment());
    main = {1, true};
    const std::string caption = fs::path(folder).filename().string();
    WindowHandle window = 0;
    EXPECT_TRUE(WaitFor([&] { return (window = Find(caption)) != 0; })) << DescribeWalk();
    return window;
  }

  // Presses on the right half of a new drag source (away from zunt) and lets go over the
  // middle of target.
  void DragOnto(const std::string& path, WindowHandle target) {
    sources_.push_back(StartReceiver("drag source", false, path));
    const WindowHandle source = sources_.back().window;
    Move(source, 500, 420);
    ASSERT_TRUE(WaitFor([&] { return ScreenRect(source).x >= 500; }));
    const Rect from = ScreenRect(source);
    const Rect to = ScreenRect(target);
    const int x0 = from.x + from.width * 3 / 4, y0 = from.y + from.height / 2;
    const int x1 = to.x + to.width / 2, y1 = to.y + to.height / 2;
    Pointer({"mousemove", std::to_string(x0), std::to_string(y0)});
    Pointer({"mousedown", "1"});
    for (int step = 1; step <= 8; ++step) {
      Pointer({"mousemove", std::to_string(x0 + (x1 - x0) * step / 8),
               std::to_string(y0 + (y1 - y0) * step / 8)});
    }
    Pointer({"mouseup", "1"});
  }

  std::unique_ptr<ChildProcess> zunt_;
  std::vector<Receiver> sources_;
};

TEST_P(ZuntDrop, AFileDroppedOnTheWindowShowsItsFolderAlsoAfterAStayOnTopChange) {
  const std::string start = dir.Path() + "/start here";
  const std::string first = "drop \xE6\x97\xA5/sub folder/file one.txt";  // 日
  const std::string second = "other/second.txt";
  fs::create_directories(start);
  fs::create_directories(fs::path(dir.Path() + "/" + first).parent_path());
  fs::create_directories(dir.Path() + "/other");

  const WindowHandle zunt = StartZunt(start);
  ASSERT_NE(zunt, 0u);
  DragOnto(dir.File(first), zunt);
  EXPECT_TRUE(WaitFor([&] { return windows->WindowTitle(zunt) == "sub folder"; }))
      << windows->WindowTitle(zunt);

  // It stays on top: a walk of the ordinary windows does not meet it. (Without a window
  // manager nobody updates its state property when that changes, so only the manager's is
  // followed here.)
  if (withWindowManager) {
    main = {1, false};
    EXPECT_EQ(Find("sub folder"), 0u);
  }

  // Alt+T takes the window off the top (the toolkit may make it anew), and drops still land.
  Pointer({"windowactivate", "--sync", std::to_string(zunt)});
  Pointer({"key", "alt+t"});
  WindowHandle again = 0;
  ASSERT_TRUE(WaitFor([&] { return (again = Find("sub folder")) != 0; })) << DescribeWalk();
  main = {1, true};
  DragOnto(dir.File(second), again);
  EXPECT_TRUE(WaitFor([&] { return Find("other") != 0; })) << DescribeWalk();
  EXPECT_TRUE(zunt_->Running());
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, ZuntDrop, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "openbox" : "none";
                         });

}  // namespace
