#include "platform/x11/stacking.h"

namespace platform::x11 {

bool HasWindowManagerStacking(const StackingData& data) {
  return data.wmCheck && *data.wmCheck != 0 && data.wmCheckOfCheck == data.wmCheck &&
         data.clientListStacking;
}

std::vector<WindowHandle> WalkOrder(const StackingData& data, WindowHandle from) {
  const std::vector<WindowHandle>& bottomToTop =
      HasWindowManagerStacking(data) ? *data.clientListStacking : data.rootChildren;
  const auto onTop = [&](WindowHandle w) {
    return (w != 0 && w == data.mainWindow) ? data.mainStaysOnTop : data.above.count(w) > 0;
  };
  const bool groupOnTop = onTop(from);
  std::vector<WindowHandle> order;
  // Stay-on-top windows sit above all others, as they do on the desktop the search was
  // made for, even where no window manager keeps them there.
  if (groupOnTop) {
    for (auto w = bottomToTop.rbegin(); w != bottomToTop.rend(); ++w) {
      if (onTop(*w)) order.push_back(*w);
    }
  }
  for (auto w = bottomToTop.rbegin(); w != bottomToTop.rend(); ++w) {
    if (!onTop(*w)) order.push_back(*w);
  }
  return order;
}

}  // namespace platform::x11
