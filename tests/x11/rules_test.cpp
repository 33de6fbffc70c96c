// The X11 layer's pure rules: file URIs, title texts and the order of the window walk.
#include <gtest/gtest.h>

#include "platform/x11/stacking.h"
#include "platform/x11/title_text.h"
#include "platform/x11/uri_list.h"

namespace {

using namespace platform::x11;
using namespace std::string_literals;

TEST(FileUri, EncodesEverythingButUnreservedCharactersAndSlashes) {
  struct Case {
    std::string path, uri;
  } const cases[] = {
      {"/tmp/a b.txt", "file:///tmp/a%20b.txt"},
      {"/x/#1 100%.txt", "file:///x/%231%20100%25.txt"},
      {"/\xE6\x97\xA5\xE6\x9C\xAC", "file:///%E6%97%A5%E6%9C%AC"},  // 日本
      {"/a-b_c.d~e/Z9", "file:///a-b_c.d~e/Z9"},
      {"/+&=;,'()!@$*:?\\\"", "file:///%2B%26%3D%3B%2C%27%28%29%21%40%24%2A%3A%3F%5C%22"},
      {"/\xFF\x01", "file:///%FF%01"},  // not UTF-8: the bytes as they are
  };
  for (const Case& c : cases) EXPECT_EQ(FileUri(c.path), c.uri) << c.path;
}

TEST(UriList, OneUriALineEachEndedByCrLf) {
  EXPECT_EQ(UriList({"/a", "/b c"}), "file:///a\r\nfile:///b%20c\r\n");
  EXPECT_EQ(UriList({}), "");
}

TEST(PropertyText, EachTypeDecodedUpToTheFirstNul) {
  struct Case {
    TextType type;
    std::string bytes, utf8;
  } const cases[] = {
      {TextType::Utf8, "\xE6\x97\xA5 x\0second"s, "\xE6\x97\xA5 x"},
      {TextType::Latin1, "caf\xE9\0second"s, "caf\xC3\xA9"},
      {TextType::CompoundText, "\x1b$)B\xC6\xFC\0x"s, "\xE6\x97\xA5"},
  };
  for (const Case& c : cases) EXPECT_EQ(PropertyTextToUtf8(c.type, c.bytes), c.utf8);
}

TEST(CompoundText, DesignatedSetsDecode) {
  struct Case {
    const char* what;
    std::string bytes, utf8;
  } const cases[] = {
      {"ascii", "abc", "abc"},
      {"latin-1 right half at first", "caf\xE9", "caf\xC3\xA9"},
      {"JIS X 0208 in GR", "\x1b$)B\xC6\xFC\xCB\xDC\xB8\xEC",
       "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"},
      {"JIS X 0208 in GL, back to ASCII", "\x1b$(BF|K\\8l\x1b(B!",
       "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E!"},
      {"katakana, then latin-1 again", "\x1b)I\xB1\x1b-A\xE9", "\xEF\xBD\xB1\xC3\xA9"},
      {"greek", "\x1b-F\xE1", "\xCE\xB1"},
      {"JIS roman yen", "\x1b(J\\", "\xC2\xA5"},
      {"UTF-8 run", "\x1b%G\xE6\x97\xA5\x1b%@x", "\xE6\x97\xA5x"},
      {"extended segment",
       "\x1b%/1\x80\x89"
       "big5-0\x02\xA4\xA4z",
       "\xE4\xB8\xADz"},
      {"direction marks",
       "a\x9b"
       "2]b\x9b]",
       "ab"},
      {"cut double byte", "\x1b$)B\xC6", "\xEF\xBF\xBD"},
      {"unknown set", "\x1b-Z\xE1!", "\xEF\xBF\xBD!"},
      {"escape at the end", "a\x1b$", "a"},
      // What Xlib writes for 無題 - メモ帳 αé ｱ.
      {"from Xlib", "\x1b$(BL5Bj\x1b(B - \x1b$(B%a%bD\"\x1b(B \x1b-F\xE1\x1b-A\xE9 \x1b)I\xB1",
       "\xE7\x84\xA1\xE9\xA1\x8C - \xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3 \xCE\xB1\xC3\xA9 "
       "\xEF\xBD\xB1"},
  };
  for (const Case& c : cases) EXPECT_EQ(CompoundTextToUtf8(c.bytes), c.utf8) << c.what;
}

TEST(TitleForSearch, CodePage932CutTo255BytesOnACharacterBoundary) {
  // 無題 - メモ帳
  EXPECT_EQ(TitleForSearch("\xE7\x84\xA1\xE9\xA1\x8C - \xE3\x83\xA1\xE3\x83\xA2\xE5\xB8\xB3"),
            "\x96\xb3\x91\xe8 - \x83\x81\x83\x82\x92\xa0");
  EXPECT_EQ(TitleForSearch(std::string(300, 'a')), std::string(255, 'a'));
  // A double-byte character that would straddle the limit is left out whole.
  EXPECT_EQ(TitleForSearch(std::string(254, 'a') + "\xE6\x97\xA5"), std::string(254, 'a'));
  EXPECT_EQ(TitleForSearch(std::string(253, 'a') + "\xE6\x97\xA5"),
            std::string(253, 'a') + "\x93\xfa");
}

TEST(WalkOrder, FromTheTopOfTheWindowManagersListOrTheRootsChildren) {
  StackingData managed;
  managed.wmCheck = 50;
  managed.wmCheckOfCheck = 50;
  managed.clientListStacking = std::vector<platform::WindowHandle>{1, 2, 3};
  managed.rootChildren = {90, 91};
  StackingData stale = managed;  // the manager is gone, its properties are not
  stale.wmCheckOfCheck.reset();
  StackingData unchecked = managed;
  unchecked.wmCheck.reset();
  StackingData noList = managed;
  noList.clientListStacking.reset();

  using Order = std::vector<platform::WindowHandle>;
  EXPECT_EQ(WalkOrder(managed, 0), (Order{3, 2, 1}));
  EXPECT_EQ(WalkOrder(stale, 0), (Order{91, 90}));
  EXPECT_EQ(WalkOrder(unchecked, 0), (Order{91, 90}));
  EXPECT_EQ(WalkOrder(noList, 0), (Order{91, 90}));
}

TEST(WalkOrder, StayOnTopWindowsComeFirstOrNotAtAll) {
  StackingData data;  // no window manager: nobody keeps the stay-on-top windows up
  data.rootChildren = {1, 2, 3, 4};
  data.above = {2};
  using Order = std::vector<platform::WindowHandle>;
  EXPECT_EQ(WalkOrder(data, 2), (Order{2, 4, 3, 1}));
  EXPECT_EQ(WalkOrder(data, 4), (Order{4, 3, 1}));
}

TEST(WalkOrder, OurMainWindowIsWhereTheToolkitKeepsIt) {
  StackingData data;
  data.rootChildren = {1, 2, 3, 4};
  data.mainWindow = 3;
  using Order = std::vector<platform::WindowHandle>;
  // Taken off the top, with its state property still saying it is on top.
  data.above = {3};
  data.mainStaysOnTop = false;
  EXPECT_EQ(WalkOrder(data, 3), (Order{4, 3, 2, 1}));
  // Put on top, before any state property says so.
  data.above = {};
  data.mainStaysOnTop = true;
  EXPECT_EQ(WalkOrder(data, 3), (Order{3, 4, 2, 1}));
  EXPECT_EQ(WalkOrder(data, 4), (Order{4, 2, 1}));
}

}  // namespace
