#include "platform/global_memory.h"

#include <algorithm>

namespace platform {

namespace {
constexpr std::uint8_t kUnfilled = 0xCD;
}

GlobalHandle StdGlobalMemory::Alloc(unsigned flags, std::size_t size) {
  if (!Allowed(size)) return 0;
  while (next_ == 0 || blocks_.count(next_)) ++next_;
  const GlobalHandle handle = next_++;
  const std::uint8_t fill = (flags & kGmemZeroInit) ? 0 : kUnfilled;
  blocks_[handle].bytes.assign(size, fill);
  return handle;
}

GlobalHandle StdGlobalMemory::ReAlloc(GlobalHandle block, std::size_t size, unsigned flags) {
  const auto old = blocks_.find(block);
  if (old == blocks_.end() || !Allowed(size)) return 0;
  // Moved on every resize, so that the old handle dies.
  std::vector<std::uint8_t> bytes = std::move(old->second.bytes);
  const std::size_t kept = bytes.size();
  bytes.resize(size);
  if (size > kept) {
    const std::uint8_t fill = (flags & kGmemZeroInit) ? 0 : kUnfilled;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(kept), bytes.end(), fill);
  }
  const int locks = old->second.locks;
  blocks_.erase(old);
  while (next_ == 0 || blocks_.count(next_)) ++next_;
  const GlobalHandle handle = next_++;
  blocks_[handle] = Block{std::move(bytes), locks};
  return handle;
}

std::uint8_t* StdGlobalMemory::Lock(GlobalHandle block) {
  const auto it = blocks_.find(block);
  if (it == blocks_.end()) return nullptr;
  ++it->second.locks;
  // A block of no bytes still gives a pointer, as a locked block always does.
  if (it->second.bytes.empty()) it->second.bytes.reserve(1);
  return it->second.bytes.data();
}

bool StdGlobalMemory::Unlock(GlobalHandle block) {
  const auto it = blocks_.find(block);
  if (it == blocks_.end() || it->second.locks == 0) return false;
  return --it->second.locks > 0;
}

bool StdGlobalMemory::Free(GlobalHandle block) { return blocks_.erase(block) > 0; }

std::size_t StdGlobalMemory::Size(GlobalHandle block) const {
  const auto it = blocks_.find(block);
  return it == blocks_.end() ? 0 : it->second.bytes.size();
}

int StdGlobalMemory::LockCount(GlobalHandle block) const {
  const auto it = blocks_.find(block);
  return it == blocks_.end() ? 0 : it->second.locks;
}

}  // namespace platform
