// Pure rules of the settings file: strict integers and the first-run entries.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/strlist.h"

namespace zunt {

// A decimal number with an optional minus sign that fits 32 bits; nothing else.
std::optional<std::int32_t> ParseStrictInt(std::string_view s);

// The error text for a value that is not an integer.
std::string NotAnIntegerMessage(std::string_view value);

// Replaces the one "%s" of a message template.
std::string FormatMessage(std::string_view pattern, std::string_view value);

// The entries a first run starts with, in order.
const text::StringList& FirstRunEntries();

}  // namespace zunt
