#include "launch/find_window.h"

#include "text/sjis.h"

namespace launch {

platform::WindowHandle FindWindowByTitle(platform::WindowService& windows, std::string_view text) {
  for (platform::WindowHandle w = windows.FirstWindow(windows.MainWindow()); w != 0;
       w = windows.NextWindow(w)) {
    if (text::Find(windows.WindowTitle(w), text) != text::npos) return w;
  }
  return 0;
}

}  // namespace launch
