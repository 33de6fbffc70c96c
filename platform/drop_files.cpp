#include "platform/drop_files.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace platform {

namespace {

constexpr std::size_t kShortHeader = 16;
constexpr std::size_t kWideHeader = 20;

std::uint32_t ReadU32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The NUL-terminated paths of a block, never read past its end. As the shell does, only
// the low 16 bits of the list offset count, and the wide flag only exists after a 20-byte
// header; blocks of wide paths are not made on this platform and read as empty.
std::vector<std::string_view> Paths(const std::uint8_t* bytes, std::size_t size) {
  std::vector<std::string_view> paths;
  if (!bytes || size < kShortHeader) return paths;
  const std::size_t offset = ReadU32(bytes) & 0xFFFF;
  if (offset == kWideHeader && size >= kWideHeader && ReadU32(bytes + 16) != 0) return paths;
  const char* p = reinterpret_cast<const char*>(bytes);
  for (std::size_t at = offset; at < size;) {
    const char* end = static_cast<const char*>(std::memchr(p + at, 0, size - at));
    if (!end || end == p + at) break;
    paths.emplace_back(p + at, static_cast<std::size_t>(end - (p + at)));
    at = static_cast<std::size_t>(end - p) + 1;
  }
  return paths;
}

}  // namespace

std::uint32_t DragQueryFileA(GlobalMemory& memory, GlobalHandle drop, std::uint32_t index,
                             char* buffer, std::uint32_t size) {
  const LockedBlock block(memory, drop);
  const std::vector<std::string_view> paths = Paths(block.Bytes(), block.Size());
  if (index == kDragQueryCount) return static_cast<std::uint32_t>(paths.size());
  if (index >= paths.size()) return 0;
  const std::string_view path = paths[index];
  if (!buffer) return static_cast<std::uint32_t>(path.size());
  if (size == 0) return 0;
  const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
  std::memcpy(buffer, path.data(), n);
  buffer[n] = '\0';
  return static_cast<std::uint32_t>(n);
}

void DragFinish(GlobalMemory& memory, GlobalHandle drop) { memory.Free(drop); }

std::vector<std::string> DragQueryAllFiles(GlobalMemory& memory, GlobalHandle drop) {
  std::vector<std::string> paths(DragQueryFileA(memory, drop, kDragQueryCount, nullptr, 0));
  for (std::uint32_t i = 0; i < paths.size(); ++i) {
    std::string& path = paths[i];
    path.resize(DragQueryFileA(memory, drop, i, nullptr, 0) + 1);
    path.resize(
        DragQueryFileA(memory, drop, i, path.data(), static_cast<std::uint32_t>(path.size())));
  }
  return paths;
}

}  // namespace platform
