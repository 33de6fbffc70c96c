// Opening a document or starting a program, the shell's "open" on this host.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/path_mapper.h"
#include "platform/system.h"

namespace platform::host {

// An executable regular file of that name in a folder of $PATH.
std::optional<std::string> FindOnPath(std::string_view hostName);

// The file as a system path (a bare name also on $PATH; a missing "x.exe" tried as "x"):
// an executable regular file runs with the parameters split as a command line, each
// argument that is a system path on a mapped drive handed over as its host path; anything
// else that exists opens with xdg-open. Error 2 when nothing is found.
ShellResult ShellOpenOnHost(const PathMapper& paths, std::string_view file,
                            std::string_view parameters);

}  // namespace platform::host
