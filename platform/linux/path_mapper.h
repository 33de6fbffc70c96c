// System paths to host paths and back on this machine: the pure rules of path_map.h with
// the current folder and the real names of the file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/linux/drive_map.h"

namespace platform::host {

class PathMapper {
 public:
  explicit PathMapper(DriveMap drives) : drives_(std::move(drives)) {}

  const DriveMap& Drives() const { return drives_; }

  // The host path a system path names; a name that does not exist as written is looked up
  // among the real names of its folder (letter case ignored, "?" for any one character) and
  // taken when exactly one matches. Nullopt when the path cannot be mapped.
  std::optional<std::string> ToHost(std::string_view systemPath) const;

  // As ToHost, for a file about to be written: its own name matches a real name only letter
  // for letter (case aside), "?" only where that name shows "?"; else it is taken as written.
  std::optional<std::string> ToHostForWriting(std::string_view systemPath) const;

  // The system path of a host path; a relative one is taken against the current folder.
  std::string ToSystem(std::string_view hostPath) const;

 private:
  std::optional<std::string> Map(std::string_view systemPath, bool writing) const;

  DriveMap drives_;
};

// The process's current folder as a host path; empty when it is gone.
std::string CurrentHostDir();

}  // namespace platform::host
