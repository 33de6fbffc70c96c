// The platform services the main window is given at start.
#pragma once

namespace platform {
class System;
}

namespace zunt {

struct Services {
  platform::System& system;
  // Handing files to a running window and drops (launch/, app/wm_drop_files.cpp)
};

}  // namespace zunt
