// The program entry's work, apart from the toolkit that runs it.
#pragma once

#include "app/services.h"

namespace ui {
class Backend;
}

namespace zunt {

// Creates the forms in their fixed order, runs the event loop until the main window has
// closed and shows an error that escapes from either step. Returns the exit code, 0.
int RunProgram(ui::Backend& backend, const Services& services);

}  // namespace zunt
