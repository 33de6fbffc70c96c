// A fixture for the X11 tests: an X server of its own, the window service on it driven by
// a poll loop, receivers to drop on, and a connection of the test's own for arranging
// windows.
#pragma once

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/x11/x11_window_service.h"
#include "poll_loop.h"
#include "x_session.h"

class X11Fixture {
 protected:
  using WindowHandle = platform::WindowHandle;
  using Paths = std::vector<std::string>;

  struct Receiver {
    std::unique_ptr<ChildProcess> process;
    std::string out;
    WindowHandle window = 0;
  };

  // False, with the reason, when no X server can run here.
  bool StartX(bool withWindowManager, std::string& whyNot);
  void StopX();

  // A Qt window whose left half takes drops (and whose right half, given a path, drags
  // that file); waits until the walk sees it.
  Receiver StartReceiver(const std::string& title, bool onTop = false,
                         const std::string& dragPath = {});
  // The same made with GTK 3; false (and nothing started) when GTK is not at hand.
  bool StartGtkReceiver(const std::string& title, Receiver& receiver);
  // Each drop the receiver took, as its local paths.
  static std::vector<Paths> Drops(const Receiver& receiver);

  // "C:\..." in code page 932 for a host path, and back.
  static std::string SystemPath(const std::string& hostPath);
  static std::optional<std::string> HostPath(std::string_view systemPath);

  WindowHandle Find(const std::string& utf8Text);
  // The walk with titles, for messages.
  std::string DescribeWalk();
  // Raises window to the top of its layer, through the window manager when there is one.
  void Raise(WindowHandle window);
  struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
  };
  // Where window is on the screen.
  Rect ScreenRect(WindowHandle window);
  void Move(WindowHandle window, int x, int y);
  // Iconifies window with a window manager, unmaps it without.
  void Hide(WindowHandle window);
  bool WaitFor(const std::function<bool()>& done, int seconds = 10) {
    return loop.RunUntil(done, std::chrono::seconds(seconds));
  }

  bool withWindowManager = false;
  std::unique_ptr<XSession> session;
  xcb_connection_t* control = nullptr;
  xcb_window_t root = XCB_NONE;
  PollLoop loop;
  platform::StdGlobalMemory memory;
  platform::x11::X11WindowService::MainWindowState main;
  std::unique_ptr<platform::x11::X11WindowService> windows;
  std::vector<platform::x11::DropOutcome> outcomes;
  TempDir dir;

 private:
  Receiver Start(std::vector<std::string> argv, const std::string& title);
  xcb_atom_t Atom(const char* name);
  void AskWindowManager(const char* type, WindowHandle window, std::uint32_t value);
  int receivers_ = 0;
};
