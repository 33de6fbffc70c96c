// The platform's global memory blocks, addressed by handles: what drop blocks live in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace platform {

// 0 is no block.
using GlobalHandle = std::uint32_t;

enum GlobalFlag : unsigned {
  kGmemMoveable = 0x0002,
  kGmemZeroInit = 0x0040,
  kGmemDdeShare = 0x2000,
};

class GlobalMemory {
 public:
  virtual ~GlobalMemory() = default;

  // A new block of size bytes, zero-filled with kGmemZeroInit; 0 when memory cannot be had.
  virtual GlobalHandle Alloc(unsigned flags, std::size_t size) = 0;
  // The block resized (bytes kept, new bytes zero-filled with kGmemZeroInit). The handle
  // may change; 0 on failure, and then the block given stays valid and untouched.
  virtual GlobalHandle ReAlloc(GlobalHandle block, std::size_t size, unsigned flags) = 0;
  // The block's bytes until the matching Unlock; null for no block.
  virtual std::uint8_t* Lock(GlobalHandle block) = 0;
  // True while the block is still locked by an earlier Lock.
  virtual bool Unlock(GlobalHandle block) = 0;
  // False for no block.
  virtual bool Free(GlobalHandle block) = 0;
  // 0 for no block.
  virtual std::size_t Size(GlobalHandle block) const = 0;
};

// Keeps a block locked for one scope.
class LockedBlock {
 public:
  LockedBlock(GlobalMemory& memory, GlobalHandle block)
      : memory_(memory), block_(block), bytes_(memory.Lock(block)) {}
  ~LockedBlock() {
    if (bytes_) memory_.Unlock(block_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;

  std::uint8_t* Bytes() const { return bytes_; }
  std::size_t Size() const { return bytes_ ? memory_.Size(block_) : 0; }

 private:
  GlobalMemory& memory_;
  GlobalHandle block_;
  std::uint8_t* bytes_;
};

// Blocks on the heap. Every resize gives a new handle, so a caller that keeps an old one is
// caught; bytes that are not zero-filled are 0xCD, so a caller that relies on zeros is too.
class StdGlobalMemory : public GlobalMemory {
 public:
  GlobalHandle Alloc(unsigned flags, std::size_t size) override;
  GlobalHandle ReAlloc(GlobalHandle block, std::size_t size, unsigned flags) override;
  std::uint8_t* Lock(GlobalHandle block) override;
  bool Unlock(GlobalHandle block) override;
  bool Free(GlobalHandle block) override;
  std::size_t Size(GlobalHandle block) const override;

  // For tests: asked before each Alloc and ReAlloc with the size wanted; false fails it.
  std::function<bool(std::size_t size)> allow;
  std::size_t LiveBlocks() const { return blocks_.size(); }
  int LockCount(GlobalHandle block) const;

 private:
  struct Block {
    std::vector<std::uint8_t> bytes;
    int locks = 0;
  };
  bool Allowed(std::size_t size) const { return !allow || allow(size); }

  std::map<GlobalHandle, Block> blocks_;
  GlobalHandle next_ = 0x1000;
};

}  // namespace platform
