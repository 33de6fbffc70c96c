#include "launch/drop_block.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace launch {

namespace {

constexpr std::size_t kListOffsetField = 0;
constexpr std::size_t kNonClientField = 12;

// The offset of the NUL that ends the list, or npos for a block without one.
constexpr std::size_t kNoEnd = static_cast<std::size_t>(-1);
std::size_t FinalNul(const std::uint8_t* bytes, std::size_t size) {
  if (!bytes || size < kDropHeaderSize) return kNoEnd;
  // Only the low 16 bits of the list offset are written and read.
  std::size_t at = bytes[kListOffsetField] | (bytes[kListOffsetField + 1] << 8);
  while (at < size && bytes[at] != 0) {
    const void* nul = std::memchr(bytes + at, 0, size - at);
    if (!nul) return kNoEnd;
    at = static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - bytes) + 1;
  }
  return at < size ? at : kNoEnd;
}

}  // namespace

platform::GlobalHandle NewDropBlock(platform::GlobalMemory& memory) {
  const platform::GlobalHandle block = memory.Alloc(kDropBlockFlags, kDropHeaderSize + 1);
  if (!block) return 0;
  const platform::LockedBlock locked(memory, block);
  if (!locked.Bytes()) {
    memory.Free(block);
    return 0;
  }
  locked.Bytes()[kListOffsetField] = kDropHeaderSize;
  locked.Bytes()[kNonClientField] = 1;
  return block;
}

platform::GlobalHandle AddDropFile(platform::GlobalMemory& memory, platform::GlobalHandle block,
                                   std::string_view path) {
  if (path.empty() || path.find('\0') != std::string_view::npos) return 0;
  std::size_t end;
  {
    const platform::LockedBlock locked(memory, block);
    end = FinalNul(locked.Bytes(), locked.Size());
  }
  if (end == kNoEnd) return 0;
  const std::size_t grown = end + 1 + path.size() + 1;
  if (grown > std::numeric_limits<std::uint32_t>::max()) return 0;
  const platform::GlobalHandle result = memory.ReAlloc(block, grown, kDropBlockFlags);
  if (!result) return 0;
  const platform::LockedBlock locked(memory, result);
  // The NUL after the path and the new final NUL come from the zero fill of the growth,
  // except when the block had slack beyond its list; write them to be sure.
  std::memcpy(locked.Bytes() + end, path.data(), path.size());
  locked.Bytes()[end + path.size()] = 0;
  locked.Bytes()[grown - 1] = 0;
  return result;
}

platform::GlobalHandle DropBlockOf(platform::GlobalMemory& memory,
                                   const std::vector<std::string>& paths) {
  platform::GlobalHandle block = NewDropBlock(memory);
  for (auto path = paths.begin(); block && path != paths.end(); ++path) {
    const platform::GlobalHandle grown = AddDropFile(memory, block, *path);
    if (!grown) memory.Free(block);
    block = grown;
  }
  return block;
}

}  // namespace launch
