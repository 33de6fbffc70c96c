// Conversion between code page 932 and UTF-16, for file formats that hold UTF-16 texts.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Bytes that are not valid code page 932 become U+FFFD.
std::u16string Cp932ToUtf16(std::string_view cp932);

// Characters that code page 932 cannot hold, and unpaired surrogates, become "?".
std::string Utf16ToCp932(std::u16string_view utf16);

}  // namespace platform
