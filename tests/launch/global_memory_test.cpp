#include "platform/global_memory.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using platform::kGmemMoveable;
using platform::kGmemZeroInit;

bool All(const std::uint8_t* bytes, std::size_t from, std::size_t to, std::uint8_t value) {
  return std::all_of(bytes + from, bytes + to, [&](std::uint8_t b) { return b == value; });
}

TEST(StdGlobalMemory, ZeroFillOnlyWhenAsked) {
  platform::StdGlobalMemory memory;
  const platform::GlobalHandle zeroed = memory.Alloc(kGmemMoveable | kGmemZeroInit, 32);
  const platform::GlobalHandle raw = memory.Alloc(kGmemMoveable, 32);
  ASSERT_NE(zeroed, 0u);
  ASSERT_NE(raw, 0u);
  EXPECT_NE(zeroed, raw);
  EXPECT_TRUE(All(memory.Lock(zeroed), 0, 32, 0));
  EXPECT_FALSE(All(memory.Lock(raw), 0, 32, 0));
}

TEST(StdGlobalMemory, GrowingKeepsBytesAndZeroFillsTheRest) {
  platform::StdGlobalMemory memory;
  const platform::GlobalHandle small = memory.Alloc(kGmemMoveable, 4);
  std::fill_n(memory.Lock(small), 4, 0xAB);
  memory.Unlock(small);

  const platform::GlobalHandle big = memory.ReAlloc(small, 10, kGmemMoveable | kGmemZeroInit);
  ASSERT_NE(big, 0u);
  EXPECT_EQ(memory.Size(big), 10u);
  const std::uint8_t* bytes = memory.Lock(big);
  EXPECT_TRUE(All(bytes, 0, 4, 0xAB));
  EXPECT_TRUE(All(bytes, 4, 10, 0));
  // The old handle is gone.
  EXPECT_EQ(memory.Size(small), 0u);
  EXPECT_EQ(memory.Lock(small), nullptr);
  EXPECT_EQ(memory.LiveBlocks(), 1u);
}

TEST(StdGlobalMemory, FailedGrowthLeavesTheOldBlock) {
  platform::StdGlobalMemory memory;
  const platform::GlobalHandle block = memory.Alloc(kGmemZeroInit, 4);
  memory.Lock(block)[0] = 7;
  memory.Unlock(block);
  memory.allow = [](std::size_t size) { return size < 100; };

  EXPECT_EQ(memory.ReAlloc(block, 100, kGmemZeroInit), 0u);
  EXPECT_EQ(memory.Size(block), 4u);
  EXPECT_EQ(memory.Lock(block)[0], 7);
  EXPECT_EQ(memory.Alloc(0, 100), 0u);
  EXPECT_EQ(memory.LiveBlocks(), 1u);
}

TEST(StdGlobalMemory, LocksAreCountedAndFreeingEndsTheBlock) {
  platform::StdGlobalMemory memory;
  const platform::GlobalHandle block = memory.Alloc(0, 1);
  memory.Lock(block);
  memory.Lock(block);
  EXPECT_TRUE(memory.Unlock(block));
  EXPECT_FALSE(memory.Unlock(block));
  EXPECT_FALSE(memory.Unlock(block));
  EXPECT_TRUE(memory.Free(block));
  EXPECT_FALSE(memory.Free(block));
  EXPECT_EQ(memory.ReAlloc(block, 8, 0), 0u);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

}  // namespace
