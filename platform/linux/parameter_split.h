// How a parameter text becomes the argument vector of a started program.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform::host {

// Splits at blanks (space, tab); a pair of double quotes groups and is removed, and "" inside
// quotes is one literal quote. A backslash is an ordinary character (it is the path
// separator). Code page 932 text: a trail byte is never a blank or a quote anyway.
std::vector<std::string> SplitParameters(std::string_view parameters);

}  // namespace platform::host
