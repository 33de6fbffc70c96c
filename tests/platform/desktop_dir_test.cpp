#include "platform/linux/desktop_dir.h"

#include <gtest/gtest.h>

namespace platform::host {
namespace {

TEST(ParseDesktopDir, ReadsTheDesktopLine) {
  struct Case {
    std::string text;
    std::optional<std::string> dir;
  };
  const std::vector<Case> cases{
      {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "/home/me/Desktop"},
      {"# comment\nXDG_DOWNLOAD_DIR=\"$HOME/dl\"\n  XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n",
       "/home/me/デスクトップ"},
      {"XDG_DESKTOP_DIR=\"/srv/desk/\"", "/srv/desk"},
      {"XDG_DESKTOP_DIR=\"$HOME/my \\\"desk\\\"\"", "/home/me/my \"desk\""},
      {"XDG_DESKTOP_DIR=\"$HOME/\"", "/home/me"},
      {"XDG_DESKTOP_DIR=\"$HOME/a\"\nXDG_DESKTOP_DIR=\"$HOME/b\"", "/home/me/b"},
      {"XDG_DESKTOP_DIR=\"relative/path\"", std::nullopt},
      {"XDG_DESKTOP_DIR=\"$HOMEWORK\"", std::nullopt},
      {"#XDG_DESKTOP_DIR=\"$HOME/x\"", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseDesktopDir(c.text, "/home/me"), c.dir) << c.text;
}

}  // namespace
}  // namespace platform::host
