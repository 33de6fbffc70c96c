// Search-record fields from host file data.
#pragma once

#include <sys/stat.h>

#include <ctime>
#include <string_view>

#include "platform/system.h"

namespace platform::host {

// Local time of a host time, seconds rounded down to even, any year.
FileTime LocalFileTime(std::time_t t);

enum class EntryKind { kFile, kFolder, kOther };

EntryKind KindOfMode(mode_t mode);

// Folder, hidden (name begins with "."), system (neither file nor folder), archive (file).
std::uint32_t BaseAttributes(std::string_view name, EntryKind kind);

}  // namespace platform::host
