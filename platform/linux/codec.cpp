#include "platform/codec.h"

#include <iconv.h>

#include <cerrno>

namespace platform {

namespace {

// One iconv descriptor per direction and thread, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in; on an invalid or unconvertible sequence, appends replacement, skips skip(in)
  // bytes and goes on.
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view replacement, Skip skip, bool* exact) {
    std::string out;
    out.reserve(in.size() * 3 / 2 + 4);
    if (exact) *exact = true;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* src = const_cast<char*>(in.data());
    std::size_t left = in.size();
    char buf[1024];
    while (left > 0) {
      char* dst = buf;
      std::size_t room = sizeof buf;
      const std::size_t r = iconv(cd_, &src, &left, &dst, &room);
      out.append(buf, static_cast<std::size_t>(dst - buf));
      if (r != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: one character that cannot go across.
      if (exact) *exact = false;
      out += replacement;
      const std::size_t n = skip(std::string_view(src, left));
      src += n;
      left -= n;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

std::size_t SkipCp932(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
  if (lead && s.size() >= 2) {
    const auto t = static_cast<unsigned char>(s[1]);
    if (t >= 0x40 && t <= 0xFC && t != 0x7F) return 2;
  }
  return 1;
}

std::size_t SkipUtf8(std::string_view s) {
  const auto c = static_cast<unsigned char>(s[0]);
  std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  if (n > s.size()) n = 1;
  for (std::size_t i = 1; i < n; ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return i;
  }
  return n;
}

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
  if (IsAscii(cp932)) return std::string(cp932);
  thread_local Converter conv("UTF-8", "CP932");
  return conv.Run(cp932, "\xEF\xBF\xBD", SkipCp932, nullptr);
}

std::string Utf8ToCp932(std::string_view utf8, bool* exact) {
  if (IsAscii(utf8)) {
    if (exact) *exact = true;
    return std::string(utf8);
  }
  thread_local Converter conv("CP932", "UTF-8");
  return conv.Run(utf8, "?", SkipUtf8, exact);
}

}  // namespace platform
