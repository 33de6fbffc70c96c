// The desktop's top-level windows and the file-drop message on an X11 desktop.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_service.h"
#include "platform/x11/event_loop.h"
#include "platform/x11/xcb_util.h"
#include "platform/x11/xdnd_sender.h"

namespace platform::x11 {

class X11WindowService : public WindowService {
 public:
  struct MainWindowState {
    WindowHandle window = 0;
    bool staysOnTop = false;
  };
  struct Options {
    // The system's main window as the toolkit knows it.
    std::function<MainWindowState()> mainWindow;
    // The host path of a system path; nullopt when it has none.
    std::function<std::optional<std::string>(std::string_view systemPath)> hostPathOf;
    XdndTimeouts timeouts;
    const char* display = nullptr;  // null: $DISPLAY
  };

  X11WindowService(GlobalMemory& memory, EventLoop& loop, Options options);

  WindowHandle MainWindow() override;
  WindowHandle FirstWindow(WindowHandle window) override;
  WindowHandle NextWindow(WindowHandle window) override;
  std::string WindowTitle(WindowHandle window) override;
  // The paths go to the window by XDND; the block is released at once. False (the block
  // untouched) when the window takes no drops or no path has a host path.
  bool PostDropFiles(WindowHandle window, GlobalHandle drop) override;

  // Told how each drop ended (for tests; the system reports nothing).
  void SetOutcomeListener(std::function<void(DropOutcome)> listener);

 private:
  struct Atoms {
    xcb_atom_t wmCheck, clientListStacking, state, stateAbove, netWmName, utf8String, compoundText;
  };
  struct Display {
    XConnection x;
    Atoms atoms{};
    explicit Display(const char* name);
  };
  // The connections are opened on first use: most runs never walk or drop on a window, and
  // opening them would only delay the start.
  const Display& Connected();
  XdndSender& Sender();

  GlobalMemory& memory_;
  EventLoop& loop_;
  Options options_;
  std::unique_ptr<Display> display_;
  std::unique_ptr<XdndSender> sender_;
  std::function<void(DropOutcome)> onOutcome_;
  std::vector<WindowHandle> walk_;
};

}  // namespace platform::x11
