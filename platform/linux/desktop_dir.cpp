#include "platform/linux/desktop_dir.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/linux/whole_file.h"

namespace platform::host {

namespace {

constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";

// The value after the key: a quoted text with backslash escapes, or a bare word.
std::string Unquote(std::string_view v) {
  std::string out;
  const bool quoted = !v.empty() && v[0] == '"';
  if (quoted) v.remove_prefix(1);
  for (std::size_t i = 0; i < v.size(); ++i) {
    if (v[i] == '\\' && i + 1 < v.size()) {
      out += v[++i];
    } else if (quoted ? v[i] == '"' : (v[i] == ' ' || v[i] == '\t')) {
      break;
    } else {
      out += v[i];
    }
  }
  return out;
}

std::string Home() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return {};
}

}  // namespace

std::optional<std::string> ParseDesktopDir(std::string_view userDirs, std::string_view home) {
  std::optional<std::string> found;
  std::size_t pos = 0;
  while (pos < userDirs.size()) {
    std::size_t end = userDirs.find('\n', pos);
    if (end == std::string_view::npos) end = userDirs.size();
    std::string_view line = userDirs.substr(pos, end - pos);
    pos = end + 1;
    while (!line.empty() && (line[0] == ' ' || line[0] == '\t')) line.remove_prefix(1);
    if (!line.starts_with(kKey)) continue;
    const std::string value = Unquote(line.substr(kKey.size()));
    if (value == "$HOME" || value.starts_with("$HOME/")) {
      if (home.empty()) continue;
      found = std::string(home) + value.substr(5);
    } else if (value.starts_with("/")) {
      found = value;
    }
  }
  if (found && found->size() > 1 && found->back() == '/') found->pop_back();
  return found;
}

std::string HostDesktopDir() {
  const std::string home = Home();
  std::string config;
  if (const char* c = std::getenv("XDG_CONFIG_HOME"); c && c[0] == '/') {
    config = c;
  } else if (!home.empty()) {
    config = home + "/.config";
  }
  if (!config.empty()) {
    if (auto dir =
            ParseDesktopDir(ReadHostFile(config + "/user-dirs.dirs").value_or(std::string()), home))
      return *dir;
  }
  return home.empty() ? std::string() : home + "/Desktop";
}

}  // namespace platform::host
