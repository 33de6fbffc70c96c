#include <gtest/gtest.h>

#include "app/listing_rules.h"
#include "app/settings_rules.h"
#include "lists/accelerator.h"

namespace {

TEST(StrictInt, AcceptsOnlyPlainDecimalIntegers) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"0", true, 0},
      {"-12", true, -12},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"abc", false, 0},
      {"12a", false, 0},
      {" 12", false, 0},
      {"1.5", false, 0},
      {"99999999999", false, 0},
  };
  for (const auto& c : cases) {
    const auto v = zunt::ParseStrictInt(c.text);
    EXPECT_EQ(v.has_value(), c.ok) << c.text;
    if (v && c.ok) {
      EXPECT_EQ(*v, c.value) << c.text;
    }
  }
}

TEST(SortKeys, KeysPerOrder) {
  platform::SearchRec file{"a.cpp", platform::faArchive, 5368709120LL, {2200, 12, 31, 23, 59, 58}};
  platform::SearchRec parent{"..", platform::faDirectory, 0, {1970, 1, 1, 0, 0, 0}};
  EXPECT_EQ(zunt::SortKeyOf(zunt::kByName, false, file, "dir"), "dir");
  EXPECT_EQ(zunt::SortKeyOf(zunt::kByExtension, false, file, "dir"), ".cpp");
  EXPECT_EQ(zunt::SortKeyOf(zunt::kByExtension, true, parent, "dir"), "dir");
  EXPECT_EQ(zunt::SortKeyOf(zunt::kByTime, false, file, "dir"), "2200/12/31 23:59:58");
  EXPECT_EQ(zunt::SortKeyOf(zunt::kByTime, true, parent, "dir"), "0000/00/00 00:00:00");
  EXPECT_EQ(zunt::SortKeyOf(zunt::kBySize, false, file, "dir"), "5368709120");
  EXPECT_EQ(zunt::SortKeyOf(7, false, file, "dir"), "dir");
}

TEST(SortKeys, SizeOrderIsNumericAndInfosLoseTheirPadding) {
  text::StringList lines = {"c", "a", "b"};
  text::StringList keys = {"300", "5", "40"};
  text::StringList infos;
  zunt::SortByKeys(zunt::kBySize, lines, keys, infos);
  EXPECT_EQ(lines, (text::StringList{"a", "b", "c"}));
  EXPECT_EQ(infos, (text::StringList{"5", "40", "300"}));
  EXPECT_TRUE(keys.empty());
}

TEST(SortKeys, ExtensionOrder) {
  text::StringList lines = {"a.cpp", "z", "b.c"};
  text::StringList keys = {".cpp", "", ".c"};
  text::StringList infos;
  zunt::SortByKeys(zunt::kByExtension, lines, keys, infos);
  EXPECT_EQ(lines, (text::StringList{"z", "b.c", "a.cpp"}));
  EXPECT_EQ(infos, (text::StringList{"    ", ".c  ", ".cpp"}));
}

TEST(FolderName, LastComponentOrWholeRoot) {
  EXPECT_EQ(zunt::FolderNameOf("C:\\"), "C:\\");
  EXPECT_EQ(zunt::FolderNameOf("C:\\a\\bc\\"), "bc");
}

TEST(AcceleratorMark, Table) {
  const struct {
    const char* text;
    bool marked;
    const char* without;
  } cases[] = {
      {"C:\\Work\\(&W)", true, "C:\\Work\\"},
      {"D:\\Data", false, "D:\\Data"},
      {"C:\\a(b)\\(&K)", false, "C:\\a(b)\\(&K)"},
      {"ab)", true, "ab)"},  // ")" third with no "(&": marked, nothing to remove
      {"*.txt(&T)", true, "*.txt"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(zunt::HasAcceleratorMark(c.text), c.marked) << c.text;
    EXPECT_EQ(zunt::WithoutMark(c.text), c.without) << c.text;
  }
}

}  // namespace
