// Which host folder each drive letter stands for: C: is the host root, D:, E:, ... the
// removable and manual mount points found at start.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::host {

class DriveMap {
 public:
  // Only C: ("/").
  DriveMap();

  // C: plus the mount points one level below /media/<user>/, /run/media/<user>/ and /mnt/,
  // in sorted order, as far as the letters reach.
  static DriveMap FromMounts(const std::vector<std::string>& mountPoints, std::string_view user);

  // C: plus the given host folders as D:, E:, ... in that order (absolute, no trailing "/").
  static DriveMap FromRoots(const std::vector<std::string>& roots);

  // Bit 0 drive A ... bit 25 drive Z.
  std::uint32_t Mask() const;

  // The host folder of a drive ("/" or "/media/me/usb"); empty when the letter is not mapped.
  // Lower-case letters are accepted.
  const std::string& Root(char letter) const;

  struct Location {
    char letter;            // upper case
    std::string_view rest;  // what follows the drive's root, without the leading "/"
  };
  // The drive whose root is the longest prefix of an absolute, normalised host path.
  Location Locate(std::string_view hostPath) const;

  bool IsRoot(std::string_view hostPath) const;

 private:
  std::array<std::string, 26> roots_;
};

// The mount points of a mount table in the /proc/self/mounts format, octal escapes decoded.
std::vector<std::string> ParseMountPoints(std::string_view table);

// The map of this process's mount table and user.
DriveMap LoadDriveMap();

}  // namespace platform::host
