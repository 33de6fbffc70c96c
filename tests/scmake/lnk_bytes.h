// Reading and patching the fixed fields of a shortcut file in tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lnkbytes {

// Offsets in the 76-byte header.
constexpr std::size_t kFlags = 0x14;
constexpr std::size_t kAttributes = 0x18;
constexpr std::size_t kFileSize = 0x34;
constexpr std::size_t kIconIndex = 0x38;
constexpr std::size_t kShowCmd = 0x3C;
constexpr std::size_t kHotkey = 0x40;
constexpr std::size_t kHeaderSize = 0x4C;

inline std::uint32_t U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b.at(at)) | (static_cast<unsigned char>(b.at(at + 1)) << 8);
}
inline std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | (U16(b, at + 2) << 16);
}
inline void Put16(std::string& b, std::size_t at, std::uint32_t v) {
  b.at(at) = static_cast<char>(v & 0xFF);
  b.at(at + 1) = static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

}  // namespace lnkbytes
