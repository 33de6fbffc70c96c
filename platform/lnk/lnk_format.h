// Reading and writing the Windows shell link file format (.lnk, MS-SHLLINK). Texts are code
// page 932 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform::lnk {

struct LinkValues {
  std::string target = {};  // system path: "C:\dir\file" or "\\server\share\file"
  std::string workingDir = {};
  std::string arguments = {};
  std::string iconLocation = {};
  std::int32_t iconIndex = 0;
  std::int32_t showCmd = 0;
  std::uint16_t hotkey = 0;
  // Of the target, written into the header; 0 when it does not exist.
  std::uint32_t targetAttributes = 0;
  std::uint32_t targetSize = 0;

  bool operator==(const LinkValues&) const = default;
};

// The file for values whose target is an absolute path ("X:\..." or "\\server\share...").
// Nullopt when a text does not fit the format (more than 65535 UTF-16 units).
std::optional<std::string> Encode(const LinkValues& values);

// Nullopt for anything that is not a well-formed shell link. Never reads outside bytes.
// Target attributes and size are not read.
std::optional<LinkValues> Decode(std::string_view bytes);

}  // namespace platform::lnk
