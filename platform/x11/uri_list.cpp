#include "platform/x11/uri_list.h"

namespace platform::x11 {

namespace {

bool KeptAsIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string FileUri(std::string_view hostPath) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file://";
  for (const char ch : hostPath) {
    const auto c = static_cast<unsigned char>(ch);
    if (KeptAsIs(c)) {
      uri += ch;
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 0x0F];
    }
  }
  return uri;
}

std::string UriList(const std::vector<std::string>& hostPaths) {
  std::string list;
  for (const std::string& path : hostPaths) {
    list += FileUri(path);
    list += "\r\n";
  }
  return list;
}

}  // namespace platform::x11
