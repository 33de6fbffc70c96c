// The file search over one host folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/linux/folder_cache.h"
#include "platform/system.h"

namespace platform::host {

// Searches the host folder for entries whose system names match pattern (code page 932,
// Windows wildcards). Null when the folder cannot be read, the pattern is empty or nothing
// matches. At a drive's root neither "." nor ".." is found. A search that sees every entry
// to the end leaves its read in the cache, and later searches of the unchanged folder are
// served from there with the same results.
std::unique_ptr<FileSearch> OpenFolderSearch(const std::string& hostFolder,
                                             std::string_view pattern, std::uint32_t attrMask,
                                             unsigned details, bool driveRoot,
                                             const std::shared_ptr<FolderCache>& cache);

}  // namespace platform::host
