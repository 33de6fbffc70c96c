// Rules for texts held as code page 932 (Shift-JIS) bytes.
// Positions are byte offsets from 0; npos means "not found".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

constexpr std::size_t npos = std::string_view::npos;

// True for the first byte of a double-byte character.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the character that starts at pos (1 or 2; 1 at the end of the text).
std::size_t CharLength(std::string_view s, std::size_t pos);

// Finds sub in s starting at a character boundary at or after from; exact bytes, with case.
std::size_t Find(std::string_view s, std::string_view sub, std::size_t from = 0);

// Last position of any of the single-byte delimiters, by characters.
std::size_t LastDelimiter(std::string_view s, std::string_view delimiters);

// True when the last character of s is a backslash (not a trail byte 0x5C).
bool EndsWithBackslash(std::string_view s);

// "C:\dir\a.txt": folder part "C:\dir\", name part "a.txt", extension ".txt".
std::string_view FolderPart(std::string_view path);
std::string_view NamePart(std::string_view path);
std::string_view ExtensionPart(std::string_view path);

// ASCII-only case mapping: other bytes (trail bytes too) stay.
constexpr char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 32) : c; }
constexpr char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; }
std::string ToUpperAscii(std::string_view s);
std::string ToLowerAscii(std::string_view s);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Wraps a text holding a blank or a quote in quotes, doubling inner quotes, unless it is
// already quoted, so the receiving program gets it as one argument.
std::string QuoteIfNeeded(std::string_view s);

// Fixed, locale-free collation: blank < other punctuation < digits < letters (case folded)
// < bytes 0x80 and up; equal texts fall back to the raw bytes.
int Collate(std::string_view a, std::string_view b);

// The weights of a text, ending in a 0 byte: where two weight strings differ, their plain byte
// order is the order of Collate; where they are equal, Collate falls back to the raw bytes.
// Sorting many texts compares these with memcmp instead of weighing every byte every time.
std::string CollationWeights(std::string_view s);

// Windows wildcard match of a whole name: "*" any run, "?" one character, ASCII letters
// without regard to case, "*.*" every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

}  // namespace text
