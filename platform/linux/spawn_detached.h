// Starting a program that lives on its own.
#pragma once

#include <string>
#include <vector>

namespace platform::host {

// Starts argv[0] (a host path) with the argument vector, no shell, in a session of its own and
// without being its parent: nothing waits for it, it never becomes our zombie and it does not
// end with us. 0 when the program was started, else the errno of the failure (exec included).
int SpawnDetached(const std::vector<std::string>& argv);

}  // namespace platform::host
