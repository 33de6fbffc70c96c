// Reading a drop block the way the shell's receiving side does: DragQueryFileA and
// DragFinish over global memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/global_memory.h"

namespace platform {

constexpr std::uint32_t kDragQueryCount = 0xFFFFFFFF;

// index kDragQueryCount: the number of paths. Otherwise, with no buffer, the byte length of
// path index; with a buffer of size bytes, at most size - 1 bytes of it and a NUL, and the
// number of bytes copied. 0 for an index past the last path or an unreadable block.
std::uint32_t DragQueryFileA(GlobalMemory& memory, GlobalHandle drop, std::uint32_t index,
                             char* buffer, std::uint32_t size);

// Releases the drop block.
void DragFinish(GlobalMemory& memory, GlobalHandle drop);

// Every path of the block, whole, read through DragQueryFileA.
std::vector<std::string> DragQueryAllFiles(GlobalMemory& memory, GlobalHandle drop);

}  // namespace platform
