#include "platform/linux/path_map.h"

#include "platform/codec.h"
#include "platform/linux/host_names.h"
#include "text/sjis.h"

namespace platform::host {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Splits at separators that stand as whole characters: 0x5C as the second byte of a
// double-byte character is part of that character.
std::vector<std::string_view> SplitSystemNames(std::string_view s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t len = text::CharLength(s, i);
    if (len == 1 && IsSeparator(s[i])) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
    i += len;
  }
  parts.push_back(s.substr(start));
  return parts;
}

std::vector<std::string_view> SplitHostNames(std::string_view s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t end = s.find('/', start);
    if (end == std::string_view::npos) end = s.size();
    if (end > start) parts.push_back(s.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// Applies one name to a list of names: "." and empty names do nothing, ".." removes the last
// one but never climbs above the list's start.
template <typename List, typename Name>
void ApplyName(List& names, Name name) {
  if (name.empty() || name == ".") return;
  if (name == "..") {
    if (!names.empty()) names.pop_back();
    return;
  }
  names.emplace_back(name);
}

void AppendHostName(std::string& path, std::string_view name) {
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
}

}  // namespace

std::optional<HostPlan> PlanHostPath(const DriveMap& drives, std::string_view systemPath,
                                     std::string_view hostCwd) {
  if (systemPath.empty()) return std::nullopt;
  if (systemPath.size() >= 2 && IsSeparator(systemPath[0]) && IsSeparator(systemPath[1])) {
    return std::nullopt;  // no network shares here
  }
  char drive = 0;
  std::string_view rest = systemPath;
  if (systemPath.size() >= 2 && systemPath[1] == ':' && IsAsciiLetter(systemPath[0])) {
    drive = text::UpperAscii(systemPath[0]);
    rest.remove_prefix(2);
    if (drives.Root(drive).empty()) return std::nullopt;
  }

  const DriveMap::Location cwd = drives.Locate(hostCwd);
  const bool rooted = !rest.empty() && IsSeparator(rest[0]);
  const char onDrive = drive ? drive : cwd.letter;
  // Host names of the current folder below its drive's root, when the path starts there.
  std::vector<std::string_view> cwdNames;
  if (!rooted && onDrive == cwd.letter) cwdNames = SplitHostNames(cwd.rest);

  HostPlan plan;
  const std::vector<std::string_view> parts = SplitSystemNames(rest);
  for (std::string_view part : parts) {
    if (part == ".." && plan.names.empty()) {
      ApplyName(cwdNames, part);
    } else {
      ApplyName(plan.names, part);
    }
  }
  plan.trailingSeparator = parts.size() > 1 && parts.back().empty();
  plan.base = drives.Root(onDrive);
  for (std::string_view name : cwdNames) AppendHostName(plan.base, name);
  return plan;
}

std::string JoinAsWritten(const HostPlan& plan) {
  std::string path = plan.base;
  for (const std::string& name : plan.names) AppendHostName(path, Cp932ToUtf8(name));
  if (plan.trailingSeparator && path.back() != '/') path += '/';
  return path;
}

std::string NormalizeHostPath(std::string_view path, std::string_view hostCwd) {
  std::vector<std::string_view> names;
  if (path.empty() || path[0] != '/') {
    for (std::string_view name : SplitHostNames(hostCwd)) ApplyName(names, name);
  }
  for (std::string_view name : SplitHostNames(path)) ApplyName(names, name);
  std::string out;
  for (std::string_view name : names) AppendHostName(out, name);
  if (out.empty() || (!path.empty() && path.back() == '/')) out += '/';
  return out;
}

std::string ToSystemPath(const DriveMap& drives, std::string_view hostPath) {
  std::string normal = NormalizeHostPath(hostPath, "/");
  const bool trailing = normal.size() > 1 && normal.back() == '/';
  if (trailing) normal.pop_back();
  const DriveMap::Location at = drives.Locate(normal);
  std::string out{at.letter, ':', '\\'};
  std::string name;
  bool first = true;
  for (std::string_view hostName : SplitHostNames(at.rest)) {
    if (!first) out += '\\';
    ToSystemName(hostName, name);
    out += name;
    first = false;
  }
  if (trailing && !first) out += '\\';
  return out;
}

bool IsDriveRootedPath(std::string_view path) {
  return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]);
}

}  // namespace platform::host
