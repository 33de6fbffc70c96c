#include "text/strlist.h"

#include <gtest/gtest.h>

namespace {

using text::StringList;

TEST(Settings, LookupIgnoresCaseAndTakesTheFirstLine) {
  const StringList s = {"junk", "width=200", "Width=300", "Exttxt=a=b", "Empty="};
  EXPECT_EQ(text::Lookup(s, "Width"), "200");
  EXPECT_EQ(text::Lookup(s, "exttxt"), "a=b");
  EXPECT_EQ(text::Lookup(s, "Empty"), "");
  EXPECT_EQ(text::Lookup(s, "junk"), "");
  EXPECT_EQ(text::Lookup(s, "Missing"), "");
}

TEST(Settings, AssignReplacesInPlaceAppendsOrDeletes) {
  StringList s = {"a=1", "width=200", "Width=300"};
  text::Assign(s, "Width", "137");
  EXPECT_EQ(s, (StringList{"a=1", "Width=137", "Width=300"}));
  text::Assign(s, "New", "x");
  EXPECT_EQ(s.back(), "New=x");
  text::Assign(s, "WIDTH", "");
  EXPECT_EQ(s, (StringList{"a=1", "Width=300", "New=x"}));
  text::Assign(s, "Absent", "");
  EXPECT_EQ(s.size(), 3u);
}

TEST(Settings, PrefixTestHasCase) {
  EXPECT_TRUE(text::HasPrefix("Exttxt=x", "Ext"));
  EXPECT_FALSE(text::HasPrefix("exttxt=x", "Ext"));
}

TEST(Settings, LineEndsAndNul) {
  EXPECT_EQ(text::SplitLines("a\r\nb\nc\rd"), (StringList{"a", "b", "c", "d"}));
  EXPECT_EQ(text::SplitLines("a\r\n\r\nb\r\n"), (StringList{"a", "", "b"}));
  EXPECT_EQ(text::SplitLines(std::string("a=1\nb=2\0c=3\n", 12)), (StringList{"a=1", "b=2"}));
  EXPECT_EQ(text::JoinLinesCrLf({"a", "b"}), "a\r\nb\r\n");
}

}  // namespace
