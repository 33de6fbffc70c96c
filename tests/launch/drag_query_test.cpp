#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "launch/drop_block.h"
#include "platform/drop_files.h"

namespace {

using platform::DragQueryFileA;
using platform::kDragQueryCount;

class DragQueryTest : public ::testing::Test {
 protected:
  // A block made of raw bytes, as another program could post it.
  platform::GlobalHandle RawBlock(std::string_view bytes) {
    const platform::GlobalHandle block = memory.Alloc(0, bytes.size());
    const platform::LockedBlock locked(memory, block);
    std::memcpy(locked.Bytes(), bytes.data(), bytes.size());
    return block;
  }
  platform::GlobalHandle Block(std::initializer_list<std::string_view> paths) {
    platform::GlobalHandle block = launch::NewDropBlock(memory);
    for (std::string_view p : paths) block = launch::AddDropFile(memory, block, p);
    return block;
  }
  platform::StdGlobalMemory memory;
};

TEST_F(DragQueryTest, CountLengthAndCopy) {
  const platform::GlobalHandle block = Block({"C:\\a.txt", "C:\\dir\\b"});
  EXPECT_EQ(DragQueryFileA(memory, block, kDragQueryCount, nullptr, 0), 2u);
  EXPECT_EQ(DragQueryFileA(memory, block, 1, nullptr, 0), 8u);

  char buffer[256];
  std::memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(DragQueryFileA(memory, block, 1, buffer, sizeof buffer), 8u);
  EXPECT_STREQ(buffer, "C:\\dir\\b");
  EXPECT_EQ(memory.LockCount(block), 0);
}

TEST_F(DragQueryTest, ShortBufferCutsThePath) {
  const platform::GlobalHandle block = Block({"C:\\a.txt"});
  char buffer[8];
  std::memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(DragQueryFileA(memory, block, 0, buffer, 5), 4u);
  EXPECT_STREQ(buffer, "C:\\a");
  EXPECT_EQ(buffer[5], 'z');
  EXPECT_EQ(DragQueryFileA(memory, block, 0, buffer, 0), 0u);
  EXPECT_EQ(buffer[0], 'C');
}

TEST_F(DragQueryTest, NothingBeyondTheList) {
  const platform::GlobalHandle empty = Block({});
  char buffer[16] = "unchanged";
  EXPECT_EQ(DragQueryFileA(memory, empty, kDragQueryCount, nullptr, 0), 0u);
  EXPECT_EQ(DragQueryFileA(memory, empty, 0, buffer, sizeof buffer), 0u);
  EXPECT_EQ(DragQueryFileA(memory, Block({"C:\\a"}), 1, buffer, sizeof buffer), 0u);
  EXPECT_EQ(DragQueryFileA(memory, 0x7777, kDragQueryCount, nullptr, 0), 0u);
  EXPECT_STREQ(buffer, "unchanged");
}

TEST_F(DragQueryTest, BlocksFromOtherProgramsAreReadAsTheShellReadsThem) {
  using namespace std::string_view_literals;
  struct Case {
    const char* what;
    std::string_view bytes;
    std::uint32_t count;
  };
  const Case cases[] = {
      // Only the low 16 bits of the list offset count.
      {"high offset bits", "\x10\0\x01\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\a\0\0"sv, 1},
      {"list further on", "\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\a\0C:\\b\0\0"sv, 2},
      // The wide flag exists only after a 20-byte header.
      {"wide paths", "\x14\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\x01\0\0\0C\0:\0\0\0\0\0"sv, 0},
      {"no final NUL", "\x10\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\a\0C:\\b"sv, 1},
      {"offset past the end", "\xff\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0C:\\a\0\0"sv, 0},
      {"short header", "\x10\0\0\0"sv, 0},
  };
  for (const Case& c : cases) {
    const platform::GlobalHandle block = RawBlock(c.bytes);
    EXPECT_EQ(DragQueryFileA(memory, block, kDragQueryCount, nullptr, 0), c.count) << c.what;
    EXPECT_EQ(platform::DragQueryAllFiles(memory, block).size(), c.count) << c.what;
  }
}

TEST_F(DragQueryTest, FinishReleasesTheBlock) {
  const platform::GlobalHandle block = Block({"C:\\a.txt"});
  platform::DragFinish(memory, block);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
  EXPECT_EQ(DragQueryFileA(memory, block, kDragQueryCount, nullptr, 0), 0u);
}

}  // namespace
