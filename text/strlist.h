// The name=value list rules used on the settings everywhere.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace text {

using StringList = std::vector<std::string>;

// Index of the first line holding "=" whose name equals name (ASCII case ignored), or -1.
int IndexOfName(const StringList& lines, std::string_view name);

// Value of the first matching line; empty when absent.
std::string Lookup(const StringList& lines, std::string_view name);

// Replaces the first matching line in place or appends; an empty value deletes it.
void Assign(StringList& lines, std::string_view name, std::string_view value);

// Byte-for-byte prefix test, with case.
bool HasPrefix(std::string_view line, std::string_view prefix);

// Splits a file's bytes into lines: CR LF, lone LF or lone CR end a line; a NUL ends the text.
StringList SplitLines(std::string_view bytes);

// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const StringList& lines);

}  // namespace text
