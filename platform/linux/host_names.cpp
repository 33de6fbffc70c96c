#include "platform/linux/host_names.h"

#include "platform/codec.h"
#include "text/sjis.h"

namespace platform::host {

namespace {

constexpr bool IsForbidden(unsigned char c) {
  switch (c) {
    case '\\':
    case '/':
    case ':':
    case '*':
    case '"':
    case '<':
    case '>':
    case '|':
      return true;
    default:
      return c < 0x20;
  }
}

}  // namespace

void ToSystemName(std::string_view hostName, std::string& out) {
  bool ascii = true;
  for (char c : hostName) ascii &= static_cast<unsigned char>(c) < 0x80;
  if (ascii) {
    out.assign(hostName);
    for (char& c : out) {
      if (IsForbidden(static_cast<unsigned char>(c))) c = '?';
    }
    return;
  }
  out = Utf8ToCp932(hostName);
  // Single-byte characters only: a trail byte 0x5C or 0x7C belongs to its character.
  // (The conversion also turns U+00A5 into 0x5C, which must not become a separator.)
  for (std::size_t i = 0; i < out.size(); i += text::CharLength(out, i)) {
    if (IsForbidden(static_cast<unsigned char>(out[i]))) out[i] = '?';
  }
}

std::string ToSystemName(std::string_view hostName) {
  std::string out;
  ToSystemName(hostName, out);
  return out;
}

namespace {

bool MatchNames(std::string_view typed, std::string_view shown, bool questionIsAny) {
  std::size_t t = 0;
  std::size_t s = 0;
  while (t < typed.size() && s < shown.size()) {
    const std::size_t tl = text::CharLength(typed, t);
    const std::size_t sl = text::CharLength(shown, s);
    if (!(questionIsAny && tl == 1 && typed[t] == '?')) {
      if (tl != sl) return false;
      if (tl == 1 ? text::UpperAscii(typed[t]) != text::UpperAscii(shown[s])
                  : typed.substr(t, tl) != shown.substr(s, sl)) {
        return false;
      }
    }
    t += tl;
    s += sl;
  }
  return t == typed.size() && s == shown.size();
}

}  // namespace

bool MatchesSystemName(std::string_view typed, std::string_view shown) {
  return MatchNames(typed, shown, true);
}

bool MatchesShownName(std::string_view typed, std::string_view shown) {
  return MatchNames(typed, shown, false);
}

}  // namespace platform::host
