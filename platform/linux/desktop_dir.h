// The user's desktop folder after the freedesktop user-dirs convention.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::host {

// XDG_DESKTOP_DIR of a user-dirs.dirs text ("$HOME/Desktop" or an absolute path, quoted,
// backslash escapes); the last definition counts. Nullopt when absent or not usable.
std::optional<std::string> ParseDesktopDir(std::string_view userDirs, std::string_view home);

// $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config), else $HOME/Desktop; empty when the
// home folder is unknown.
std::string HostDesktopDir();

}  // namespace platform::host
