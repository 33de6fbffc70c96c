// Conversion between code page 932 and UTF-8, used only at the edges (display, host file
// names, window titles).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Bytes that are not valid code page 932 become U+FFFD.
std::string Cp932ToUtf8(std::string_view cp932);

// Characters that code page 932 cannot hold become "?"; exact (when given) tells whether
// every character was converted.
std::string Utf8ToCp932(std::string_view utf8, bool* exact = nullptr);

}  // namespace platform
