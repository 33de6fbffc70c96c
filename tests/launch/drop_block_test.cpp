#include "launch/drop_block.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/drop_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BlockBytes(platform::GlobalMemory& memory, platform::GlobalHandle block) {
  const platform::LockedBlock locked(memory, block);
  return Bytes(locked.Bytes(), locked.Bytes() + locked.Size());
}

Bytes Concat(std::initializer_list<std::string_view> parts) {
  Bytes out;
  for (std::string_view p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

const std::string_view kHeader("\x10\0\0\0\0\0\0\0\0\0\0\0\x01\0\0\0", 16);
const std::string_view kNul("\0", 1);

class DropBlockTest : public ::testing::Test {
 protected:
  platform::StdGlobalMemory memory;
};

TEST_F(DropBlockTest, NewBlockIsHeaderAndFinalNul) {
  const platform::GlobalHandle block = launch::NewDropBlock(memory);
  ASSERT_NE(block, 0u);
  EXPECT_EQ(BlockBytes(memory, block), Concat({kHeader, kNul}));
  EXPECT_EQ(memory.LockCount(block), 0);
}

TEST_F(DropBlockTest, PathsAreAppendedInOrderWithTheirNuls) {
  platform::GlobalHandle block = launch::NewDropBlock(memory);
  block = launch::AddDropFile(memory, block, "C:\\a.txt");
  ASSERT_NE(block, 0u);
  EXPECT_EQ(BlockBytes(memory, block).size(), 26u);
  EXPECT_EQ(BlockBytes(memory, block), Concat({kHeader, "C:\\a.txt", kNul, kNul}));

  block = launch::AddDropFile(memory, block, "C:\\b.txt");
  ASSERT_NE(block, 0u);
  EXPECT_EQ(BlockBytes(memory, block),
            Concat({kHeader, "C:\\a.txt", kNul, "C:\\b.txt", kNul, kNul}));
  EXPECT_EQ(memory.LiveBlocks(), 1u);
}

TEST_F(DropBlockTest, DoubleBytePathsAreStoredByteForByte) {
  // C:\表\ソ.txt: both trail bytes are 0x5C.
  const std::string first = "C:\\\x95\x5c\\\x83\x5c.txt";
  const std::string second = "C:\\\x93\xfa\x96\x7b\x8c\xea.doc";  // 日本語.doc
  platform::GlobalHandle block = launch::NewDropBlock(memory);
  block = launch::AddDropFile(memory, block, first);
  block = launch::AddDropFile(memory, block, second);
  ASSERT_NE(block, 0u);
  EXPECT_EQ(BlockBytes(memory, block).size(), 16 + first.size() + 1 + second.size() + 1 + 1);
  EXPECT_EQ(platform::DragQueryAllFiles(memory, block), (std::vector{first, second}));
}

TEST_F(DropBlockTest, BlocksGrowPast64KiB) {
  platform::GlobalHandle block = launch::NewDropBlock(memory);
  const std::string path = "C:\\" + std::string(250, 'x');
  constexpr int kPaths = 400;  // about 100 KiB
  for (int i = 0; i < kPaths && block; ++i) {
    block = launch::AddDropFile(memory, block, path + std::to_string(i));
  }
  ASSERT_NE(block, 0u);
  EXPECT_GT(memory.Size(block), 65536u);
  const std::vector<std::string> paths = platform::DragQueryAllFiles(memory, block);
  ASSERT_EQ(paths.size(), std::size_t{kPaths});
  EXPECT_EQ(paths.back(), path + std::to_string(kPaths - 1));
}

TEST_F(DropBlockTest, NewBlockFailsWithoutMemory) {
  memory.allow = [](std::size_t) { return false; };
  EXPECT_EQ(launch::NewDropBlock(memory), 0u);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(DropBlockTest, FailedGrowthLeavesTheBlockValidAndUnchanged) {
  platform::GlobalHandle block = launch::NewDropBlock(memory);
  block = launch::AddDropFile(memory, block, "C:\\a.txt");
  const Bytes before = BlockBytes(memory, block);
  memory.allow = [](std::size_t) { return false; };

  EXPECT_EQ(launch::AddDropFile(memory, block, "C:\\b.txt"), 0u);
  EXPECT_EQ(BlockBytes(memory, block), before);
  EXPECT_EQ(memory.LockCount(block), 0);
}

TEST_F(DropBlockTest, PathsThatWouldCutTheListShortAreRefused) {
  platform::GlobalHandle block = launch::NewDropBlock(memory);
  block = launch::AddDropFile(memory, block, "C:\\a.txt");
  const Bytes before = BlockBytes(memory, block);
  for (std::string_view bad : {std::string_view(), std::string_view("C:\\b\0c", 6)}) {
    EXPECT_EQ(launch::AddDropFile(memory, block, bad), 0u);
    EXPECT_EQ(BlockBytes(memory, block), before);
  }
}

TEST_F(DropBlockTest, BlockWithoutFinalNulIsNotGrown) {
  const platform::GlobalHandle block = memory.Alloc(launch::kDropBlockFlags, 20);
  {
    const platform::LockedBlock locked(memory, block);
    std::copy(kHeader.begin(), kHeader.end(), locked.Bytes());
    std::fill(locked.Bytes() + 16, locked.Bytes() + 20, 'x');
  }
  EXPECT_EQ(launch::AddDropFile(memory, block, "C:\\a.txt"), 0u);
  EXPECT_EQ(memory.Size(block), 20u);
}

TEST_F(DropBlockTest, SlackBeyondTheListIsOverwrittenAndEndsWithNuls) {
  // A block larger than its list, such as another program might make: the new path goes
  // at the old final NUL and the list stays well ended.
  const platform::GlobalHandle block = memory.Alloc(0, 40);
  {
    const platform::LockedBlock locked(memory, block);
    std::fill(locked.Bytes(), locked.Bytes() + 40, 0xEE);
    std::copy(kHeader.begin(), kHeader.end(), locked.Bytes());
    locked.Bytes()[16] = 0;
  }
  const platform::GlobalHandle grown = launch::AddDropFile(memory, block, "C:\\a");
  ASSERT_NE(grown, 0u);
  EXPECT_EQ(BlockBytes(memory, grown), Concat({kHeader, "C:\\a", kNul, kNul}));
}

}  // namespace
