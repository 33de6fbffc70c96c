// The platform services the main window is given at start.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace platform {
class System;
class GlobalMemory;
class WindowService;
}  // namespace platform

namespace zunt {

struct Services {
  platform::System& system;
  // Handing files to a running window and drops (launch/, app/wm_drop_files.cpp)
  platform::GlobalMemory* globalMemory = nullptr;
  platform::WindowService* windows = nullptr;
  // The system path of a host path: files dropped on the window arrive as host paths.
  std::function<std::string(std::string_view hostPath)> systemPathOf = nullptr;
};

}  // namespace zunt
