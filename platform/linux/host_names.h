// How host file names (UTF-8 bytes, any character but "/") appear as system names (code
// page 932), and how a system name finds the host name it stands for.
#pragma once

#include <string>
#include <string_view>

namespace platform::host {

// Writes the system name of a host name into out: every character that code page 932
// cannot hold, or that a system name cannot hold (\ / : * ? " < > | and control characters),
// becomes "?". Names of plain ASCII take a fast path without allocation.
void ToSystemName(std::string_view hostName, std::string& out);
std::string ToSystemName(std::string_view hostName);

// Whether a system name, as typed or as listed, stands for the host name whose system name is
// shown: letters compared without regard to ASCII case, "?" standing for any one character.
bool MatchesSystemName(std::string_view typed, std::string_view shown);

// The same, but a typed "?" stands only for a character shown as "?" (one the system name
// cannot hold): for a name about to be written, which must never land on another file.
bool MatchesShownName(std::string_view typed, std::string_view shown);

}  // namespace platform::host
