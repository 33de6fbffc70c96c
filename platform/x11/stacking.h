// The order in which the window search walks the top-level windows, from what the X server
// says of them.
#pragma once

#include <optional>
#include <set>
#include <vector>

#include "platform/window_service.h"

namespace platform::x11 {

struct StackingData {
  // The root's _NET_SUPPORTING_WM_CHECK, and that window's own; a window manager runs when
  // both name the same window.
  std::optional<WindowHandle> wmCheck;
  std::optional<WindowHandle> wmCheckOfCheck;
  // The root's _NET_CLIENT_LIST_STACKING, bottom to top.
  std::optional<std::vector<WindowHandle>> clientListStacking;
  // The root's children, bottom to top.
  std::vector<WindowHandle> rootChildren;
  // Windows whose _NET_WM_STATE holds _NET_WM_STATE_ABOVE.
  std::set<WindowHandle> above;
  // Our own main window, and whether the toolkit keeps it on top: without a window manager
  // its state property keeps whatever it had when it was mapped.
  WindowHandle mainWindow = 0;
  bool mainStaysOnTop = false;
};

// True when a window manager's stacking list is to be used.
bool HasWindowManagerStacking(const StackingData& data);

// The walk from the top of from's group: with a window manager its stacking list (iconified
// windows included), else the root's children (unmapped ones included). While from stays
// on top the stay-on-top windows come first, then the others; otherwise only the others.
std::vector<WindowHandle> WalkOrder(const StackingData& data, WindowHandle from);

}  // namespace platform::x11
