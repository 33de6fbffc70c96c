// Reading and replacing whole host files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::host {

// The whole content; nullopt when the file cannot be opened or read (a folder, say).
std::optional<std::string> ReadHostFile(const std::string& path);

// Writes the bytes to a new file beside the target, flushes it to the disk and renames it over
// the target, so the target is either old or new. A read-only target is not replaced; a link
// is followed. The file's permissions stay. False on any failure, with the target untouched.
bool WriteHostFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform::host
