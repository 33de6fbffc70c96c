// The desktop's top-level windows as the system walks them, and the file-drop message.
#pragma once

#include <cstdint>
#include <string>

#include "platform/global_memory.h"

namespace platform {

// 0 is no window.
using WindowHandle = std::uint64_t;

class WindowService {
 public:
  virtual ~WindowService() = default;

  // The system's own main window; 0 while it has none.
  virtual WindowHandle MainWindow() = 0;

  // The top window of window's z-order group: the stay-on-top windows while window stays on
  // top, else the ordinary ones. 0 when there is none.
  virtual WindowHandle FirstWindow(WindowHandle window) = 0;
  // The window below in z-order, down to the last top-level window, then 0.
  virtual WindowHandle NextWindow(WindowHandle window) = 0;
  // The title in code page 932, at most 255 bytes (cut on a character boundary).
  virtual std::string WindowTitle(WindowHandle window) = 0;

  // Hands the paths of the drop block to window, as if they were dropped on it. On true the
  // block is the service's to release, now or when the delivery ends; on false it is still
  // the caller's. Never waits for the target.
  virtual bool PostDropFiles(WindowHandle window, GlobalHandle drop) = 0;
};

}  // namespace platform
