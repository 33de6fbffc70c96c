// Window titles as X11 properties hold them, and as the window search compares them.
#pragma once

#include <string>
#include <string_view>

namespace platform::x11 {

// The type of a text property.
enum class TextType { Utf8, Latin1, CompoundText };

// The property's first text (up to a NUL) as UTF-8.
std::string PropertyTextToUtf8(TextType type, std::string_view bytes);

// ISO 2022 compound text: ASCII and Latin-1 at first, then the sets its escapes designate
// (Latin parts, JIS X 0201/0208, GB 2312, KS C 5601), UTF-8 runs and extended segments.
std::string CompoundTextToUtf8(std::string_view bytes);

// The title the window search compares: code page 932, at most 255 bytes, never ending
// inside a double-byte character.
std::string TitleForSearch(std::string_view utf8);

}  // namespace platform::x11
