// Finding a running window by part of its title.
#pragma once

#include <string_view>

#include "platform/window_service.h"

namespace launch {

// The first window of the walk from the top of the main window's z-order group whose
// title (at most 255 bytes) contains text on a character boundary, case counting; 0 when
// none does. The main window itself takes part.
platform::WindowHandle FindWindowByTitle(platform::WindowService& windows, std::string_view text);

}  // namespace launch
