// The desktop's top-level windows and the file-drop message on an X11 desktop.
#pragma once

#include <functional>
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
  void SetOutcomeListener(std::function<void(DropOutcome)> listener) {
    sender_.onOutcome = std::move(listener);
  }

 private:
  GlobalMemory& memory_;
  Options options_;
  XConnection x_;
  XdndSender sender_;
  struct Atoms {
    xcb_atom_t wmCheck, clientListStacking, state, stateAbove, netWmName, utf8String, compoundText;
  } atoms_{};
  std::vector<WindowHandle> walk_;
};

}  // namespace platform::x11
