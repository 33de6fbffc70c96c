// The accelerator mark "(&x)" of go and mask texts.
#pragma once

#include <string>
#include <string_view>

namespace zunt {

// True when the first ")" stands three bytes after the first "(&" (positions from 1, 0 when
// absent), as the menus and the input box test it.
bool HasAcceleratorMark(std::string_view text);

// Deletes the four bytes from the first "(&"; a text without "(&" stays.
std::string RemoveAcceleratorMark(std::string_view text);

// Go and mask values as the input box and the menus use them: the mark removed where the
// test holds.
std::string WithoutMark(std::string_view text);

}  // namespace zunt
