// The rules that turn system paths ("C:\dir\name", code page 932) into host paths
// ("/dir/name", UTF-8) and back, without touching the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/linux/drive_map.h"

namespace platform::host {

// A system path taken apart for the host.
struct HostPlan {
  std::string base;                // absolute host folder the names start from, as it exists
  std::vector<std::string> names;  // system names below base; "." and ".." already applied
  bool trailingSeparator = false;  // the path ended with "\" or "/"
};

// Accepts "\" and "/" as separators. "X:\rest" is on drive X, "\rest" on the drive of
// hostCwd, "X:rest" relative to hostCwd when X is its drive, else to X's root; anything else
// is relative to hostCwd. ".." never climbs above a drive's root. Nullopt for an empty path,
// a "\\server\share" path or a drive that is not mapped.
std::optional<HostPlan> PlanHostPath(const DriveMap& drives, std::string_view systemPath,
                                     std::string_view hostCwd);

// The plan's host path with every name converted as written.
std::string JoinAsWritten(const HostPlan& plan);

// Makes a host path absolute against hostCwd and removes ".", ".." and doubled slashes;
// a trailing "/" stays.
std::string NormalizeHostPath(std::string_view path, std::string_view hostCwd);

// The system path of an absolute host path; a trailing "/" becomes a trailing "\".
std::string ToSystemPath(const DriveMap& drives, std::string_view hostPath);

// "C:\..." or "c:/...": a path that names its drive and starts at its root.
bool IsDriveRootedPath(std::string_view path);

}  // namespace platform::host
