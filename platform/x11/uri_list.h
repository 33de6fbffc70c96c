// The text/uri-list a drop of local files carries.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::x11 {

// "file://" and the absolute host path with an empty host, every byte outside the
// unreserved characters and "/" percent-encoded ("#" as %23, UTF-8 bytes as %XX).
std::string FileUri(std::string_view hostPath);

// One URI per line, each line ended by CR LF, no comments.
std::string UriList(const std::vector<std::string>& hostPaths);

}  // namespace platform::x11
