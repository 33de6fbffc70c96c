// libFuzzer target for the shortcut file reader: any bytes either fail or give values that the
// writer turns back into a file the reader accepts.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/lnk/lnk_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using platform::lnk::Decode;
  using platform::lnk::Encode;
  const auto values = Decode(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!values) return 0;
  const auto bytes = Encode(*values);
  if (!bytes) __builtin_trap();
  const auto again = Decode(*bytes);
  if (!again || again->showCmd != values->showCmd || again->hotkey != values->hotkey ||
      again->iconIndex != values->iconIndex) {
    __builtin_trap();
  }
  return 0;
}
