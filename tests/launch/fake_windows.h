// A desktop of titled windows for tests, walked from the top, recording what is posted.
#pragma once

#include <string>
#include <vector>

#include "platform/drop_files.h"
#include "platform/window_service.h"

class FakeWindows : public platform::WindowService {
 public:
  struct Window {
    platform::WindowHandle handle;
    std::string title;
  };
  struct Post {
    platform::WindowHandle target;
    std::vector<std::string> paths;
  };

  explicit FakeWindows(platform::GlobalMemory& memory) : memory_(memory) {}

  std::vector<Window> windows;  // from the top
  platform::WindowHandle main = 0;
  bool refusePosts = false;
  std::vector<Post> posts;
  std::vector<platform::WindowHandle> firstAskedFor;

  platform::WindowHandle MainWindow() override { return main; }
  platform::WindowHandle FirstWindow(platform::WindowHandle window) override {
    firstAskedFor.push_back(window);
    return windows.empty() ? 0 : windows.front().handle;
  }
  platform::WindowHandle NextWindow(platform::WindowHandle window) override {
    for (std::size_t i = 0; i + 1 < windows.size(); ++i) {
      if (windows[i].handle == window) return windows[i + 1].handle;
    }
    return 0;
  }
  std::string WindowTitle(platform::WindowHandle window) override {
    for (const Window& w : windows) {
      if (w.handle == window) return w.title;
    }
    return {};
  }
  // Reads the block as a receiver and releases it, as the real service does.
  bool PostDropFiles(platform::WindowHandle target, platform::GlobalHandle drop) override {
    if (refusePosts) return false;
    posts.push_back({target, platform::DragQueryAllFiles(memory_, drop)});
    platform::DragFinish(memory_, drop);
    return true;
  }

 private:
  platform::GlobalMemory& memory_;
};
