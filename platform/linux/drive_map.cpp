#include "platform/linux/drive_map.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/linux/whole_file.h"

namespace platform::host {

namespace {

const std::string kNone;

int Index(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a';
  if (letter >= 'A' && letter <= 'Z') return letter - 'A';
  return -1;
}

// True when path lies inside folder, or is it.
bool IsUnder(std::string_view path, std::string_view folder) {
  if (folder == "/") return !path.empty() && path[0] == '/';
  return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

// A mount point exactly one level below parent ("/mnt/usb" below "/mnt/").
bool IsChildOf(std::string_view mountPoint, std::string_view parent) {
  if (!mountPoint.starts_with(parent) || mountPoint.size() == parent.size()) return false;
  return mountPoint.find('/', parent.size()) == std::string_view::npos;
}

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

// The kernel writes blank, tab, newline and backslash in mount points as "\ooo".
std::string DecodeOctalEscapes(std::string_view field) {
  std::string out;
  out.reserve(field.size());
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) &&
        IsOctal(field[i + 2]) && IsOctal(field[i + 3])) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

std::string UserName() {
  if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_name) return pw->pw_name;
  if (const char* user = std::getenv("USER")) return user;
  return {};
}

}  // namespace

DriveMap::DriveMap() { roots_[2].push_back('/'); }

DriveMap DriveMap::FromMounts(const std::vector<std::string>& mountPoints, std::string_view user) {
  std::vector<std::string> parents{"/mnt/"};
  if (!user.empty()) {
    for (std::string parent : {"/media/", "/run/media/"}) {
      parent.append(user).append("/");
      parents.push_back(std::move(parent));
    }
  }
  std::vector<std::string> found;
  for (const std::string& point : mountPoints) {
    const bool wanted = std::any_of(parents.begin(), parents.end(),
                                    [&](const std::string& p) { return IsChildOf(point, p); });
    if (wanted) found.push_back(point);
  }
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());

  return FromRoots(found);
}

DriveMap DriveMap::FromRoots(const std::vector<std::string>& roots) {
  DriveMap map;
  int next = Index('D');
  for (const std::string& root : roots) {
    if (next >= 26) break;
    map.roots_[next++] = root;
  }
  return map;
}

std::uint32_t DriveMap::Mask() const {
  std::uint32_t mask = 0;
  for (int i = 0; i < 26; ++i) {
    if (!roots_[i].empty()) mask |= 1u << i;
  }
  return mask;
}

const std::string& DriveMap::Root(char letter) const {
  const int i = Index(letter);
  return i < 0 ? kNone : roots_[i];
}

DriveMap::Location DriveMap::Locate(std::string_view hostPath) const {
  int best = 2;
  for (int i = 0; i < 26; ++i) {
    if (!roots_[i].empty() && roots_[i].size() > roots_[best].size() &&
        IsUnder(hostPath, roots_[i])) {
      best = i;
    }
  }
  std::string_view rest = hostPath.substr(std::min(hostPath.size(), roots_[best].size()));
  while (!rest.empty() && rest[0] == '/') rest.remove_prefix(1);
  return {static_cast<char>('A' + best), rest};
}

bool DriveMap::IsRoot(std::string_view hostPath) const {
  return std::find(roots_.begin(), roots_.end(), hostPath) != roots_.end();
}

std::vector<std::string> ParseMountPoints(std::string_view table) {
  std::vector<std::string> points;
  std::size_t pos = 0;
  while (pos < table.size()) {
    std::size_t end = table.find('\n', pos);
    if (end == std::string_view::npos) end = table.size();
    const std::string_view line = table.substr(pos, end - pos);
    pos = end + 1;
    // Fields: device, mount point, type, options, ...; separated by blanks.
    const std::size_t a = line.find(' ');
    if (a == std::string_view::npos) continue;
    const std::size_t b = line.find(' ', a + 1);
    const std::string_view field =
        line.substr(a + 1, b == std::string_view::npos ? std::string_view::npos : b - a - 1);
    if (!field.empty()) points.push_back(DecodeOctalEscapes(field));
  }
  return points;
}

DriveMap LoadDriveMap() {
  const std::vector<std::string> points =
      ParseMountPoints(ReadHostFile("/proc/self/mounts").value_or(std::string()));
  // The user database is read only when a volume may be the user's.
  const bool underMedia = std::any_of(points.begin(), points.end(), [](const std::string& p) {
    return p.starts_with("/media/") || p.starts_with("/run/media/");
  });
  return DriveMap::FromMounts(points, underMedia ? UserName() : std::string());
}

}  // namespace platform::host
