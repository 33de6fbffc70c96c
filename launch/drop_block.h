// The file-drop block handed to a running window: a 16-byte header (list offset 16, drop
// point 0,0, non-client flag 1), then each path in code page 932 with its NUL, then one
// more NUL. Sizes are 32-bit: a block is not held to 64 KiB.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/global_memory.h"

namespace launch {

// Moveable, zero-filled, shareable.
constexpr unsigned kDropBlockFlags =
    platform::kGmemMoveable | platform::kGmemZeroInit | platform::kGmemDdeShare;
constexpr std::size_t kDropHeaderSize = 16;

// A new empty block of 17 bytes, or 0 when memory cannot be had.
platform::GlobalHandle NewDropBlock(platform::GlobalMemory& memory);

// The block grown by path; its handle may differ from block. 0 when it cannot be grown (or
// the path is empty or holds a NUL, which would cut the list short); block then stays
// valid and unchanged.
platform::GlobalHandle AddDropFile(platform::GlobalMemory& memory, platform::GlobalHandle block,
                                   std::string_view path);

// A new block holding paths in order; 0 when it cannot be made whole (nothing is left over).
platform::GlobalHandle DropBlockOf(platform::GlobalMemory& memory,
                                   const std::vector<std::string>& paths);

}  // namespace launch
