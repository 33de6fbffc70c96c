#include "text/sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/codec.h"

namespace {

std::string J(const char* utf8) { return platform::Utf8ToCp932(utf8); }

TEST(Sjis, TrailByte5CIsNeverABackslash) {
  EXPECT_FALSE(text::EndsWithBackslash(J("C:\\一覧表")));  // 表 ends in 0x5C
  EXPECT_TRUE(text::EndsWithBackslash(J("C:\\一覧表\\")));
  EXPECT_EQ(text::NamePart(J("C:\\ソ\\表")), J("表"));
  EXPECT_EQ(text::FolderPart(J("C:\\ソ\\表")), J("C:\\ソ\\"));
  EXPECT_EQ(text::LastDelimiter(J("表"), "\\"), text::npos);
}

TEST(Sjis, FindMatchesOnlyAtCharacterBoundaries) {
  // "ソ" is 83 5C; searching "\" must not find its trail byte.
  EXPECT_EQ(text::Find(J("ソ"), "\\"), text::npos);
  EXPECT_EQ(text::Find(J("aソ\\"), "\\"), 3u);
  EXPECT_EQ(text::Find("abcabc", "c", 3), 5u);
  EXPECT_EQ(text::Find("abc", ""), text::npos);
  EXPECT_EQ(text::Find("ABC", "b"), text::npos);  // with case
}

TEST(Sjis, PathParts) {
  EXPECT_EQ(text::FolderPart("C:\\dir\\a.txt"), "C:\\dir\\");
  EXPECT_EQ(text::NamePart("C:a.txt"), "a.txt");
  EXPECT_EQ(text::ExtensionPart("C:\\d.x\\a.tar.gz"), ".gz");
  EXPECT_EQ(text::ExtensionPart("C:\\d.x\\readme"), "");
}

TEST(Sjis, QuoteIfNeeded) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"C:\\My Files\\a.txt", "\"C:\\My Files\\a.txt\""},
      {"C:\\x\\a.txt", "C:\\x\\a.txt"},
      {"\"C:\\My Files\\a.txt\"", "\"C:\\My Files\\a.txt\""},
      {"C:\\say \"hi\".txt", "\"C:\\say \"\"hi\"\".txt\""},
      {"a\"b", "\"a\"\"b\""},
  };
  for (const auto& c : cases) EXPECT_EQ(text::QuoteIfNeeded(c.in), c.out) << c.in;
  // A full-width blank is no blank.
  EXPECT_EQ(text::QuoteIfNeeded(J("a　b")), J("a　b"));
}

TEST(Sjis, CollationOrdersBlankPunctuationDigitsLettersThenHighBytes) {
  std::vector<std::string> words = {J("あ"), "b", "B", "a", "1", "_", " ", "-", "A"};
  std::sort(words.begin(), words.end(),
            [](const std::string& a, const std::string& b) { return text::Collate(a, b) < 0; });
  const std::vector<std::string> expected = {" ", "-", "_", "1", "A", "a", "B", "b", J("あ")};
  EXPECT_EQ(words, expected);
  EXPECT_LT(text::Collate("a", "ab"), 0);
  EXPECT_EQ(text::Collate("same", "same"), 0);
}

TEST(Sjis, CollationWeightsThenRawBytesOrderAsCollate) {
  const std::vector<std::string> words = {"",      " ",  "a",   "A",    "ab",    "aB", "a b",
                                          "a_",    "a-", "a1",  "10",   "9",     "Z",  J("表"),
                                          J("ソ"), "b",  "B c", "\x80", "a\xff", "aa", "AA"};
  for (const auto& a : words) {
    for (const auto& b : words) {
      int byKey = text::CollationWeights(a).compare(text::CollationWeights(b));
      if (byKey == 0) byKey = a.compare(b);
      const int sign = byKey < 0 ? -1 : (byKey > 0 ? 1 : 0);
      EXPECT_EQ(sign, text::Collate(a, b)) << '"' << a << "\" vs \"" << b << '"';
    }
  }
}

TEST(Sjis, WildcardPatterns) {
  const struct {
    const char* name;
    const char* pattern;
    bool match;
  } cases[] = {
      {"readme", "*.*", true},     {"a.txt", "*.TXT", true},   {"a.txt", "*.doc", false},
      {"a.txt", "?.txt", true},    {"ab.txt", "?.txt", false}, {"abc", "a*c", true},
      {"abxc", "a*c", true},       {"ab", "a*c", false},       {"x", "", false},
      {"Makefile", "make*", true}, {"a.b.c", "*.c", true},     {"readme", "readme.*", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text::MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;
  }
  // "?" takes a whole double-byte character.
  EXPECT_TRUE(text::MatchesPattern(J("表.txt"), "?.txt"));
  EXPECT_FALSE(text::MatchesPattern(J("表.txt"), "??.txt"));
}

}  // namespace
