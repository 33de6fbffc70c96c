#include "platform/linux/parameter_split.h"

#include <gtest/gtest.h>

namespace platform::host {
namespace {

TEST(SplitParameters, FollowsTheCommandLineRules) {
  struct Case {
    std::string parameters;
    std::vector<std::string> args;
  };
  const std::vector<Case> cases{
      {"", {}},
      {"   ", {}},
      {"a b  c", {"a", "b", "c"}},
      {"a\tb", {"a", "b"}},
      {"\"C:\\My Files\\a.txt\"", {"C:\\My Files\\a.txt"}},
      // A backslash before a quote escapes nothing: it is the separator.
      {"C:\\dir\\ \"C:\\a b\\\" x", {"C:\\dir\\", "C:\\a b\\", "x"}},
      {"\"\"", {""}},
      {"a \"\" b", {"a", "", "b"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"x\"y z\"w", {"xy zw"}},
      {"say\"\"x", {"sayx"}},
      {"\"open end", {"open end"}},
      // Code page 932: 0x5C as a trail byte (表, ソ) is part of the character.
      {"\x95\x5c \x83\x5c", {"\x95\x5c", "\x83\x5c"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitParameters(c.parameters), c.args) << c.parameters;
}

}  // namespace
}  // namespace platform::host
