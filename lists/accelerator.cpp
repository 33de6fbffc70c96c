#include "lists/accelerator.h"

#include "text/sjis.h"

namespace zunt {

namespace {
// Position counted from 1, 0 when absent.
long long PositionOf(std::string_view text, std::string_view sub) {
  const std::size_t pos = text::Find(text, sub);
  return pos == text::npos ? 0 : static_cast<long long>(pos) + 1;
}
}  // namespace

bool HasAcceleratorMark(std::string_view text) {
  return PositionOf(text, ")") - PositionOf(text, "(&") == 3;
}

std::string RemoveAcceleratorMark(std::string_view text) {
  std::string out(text);
  const std::size_t pos = text::Find(out, "(&");
  if (pos != text::npos) out.erase(pos, 4);
  return out;
}

std::string WithoutMark(std::string_view text) {
  return HasAcceleratorMark(text) ? RemoveAcceleratorMark(text) : std::string(text);
}

}  // namespace zunt
