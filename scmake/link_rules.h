// Pure rules of the shell link component: the published forms of the window state and the hot
// key against the shell's stored forms, and the shortcut file's name and folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zunt {

enum class WNDSTATE { Normal = 0, Maximize = 1, Minimize = 2 };

// The shell's show commands the component stores.
constexpr std::int32_t kSwShow = 5;
constexpr std::int32_t kSwShowMaximized = 3;
constexpr std::int32_t kSwShowMinNoActive = 7;

std::int32_t ShowCmdOf(WNDSTATE state);
WNDSTATE WndStateOf(std::int32_t showCmd);

// Menu shortcut word (key | 0x2000 Shift | 0x4000 Ctrl | 0x8000 Alt) to the shell's hot key
// word (key byte, modifier byte) and back.
std::uint16_t HotkeyOf(std::uint16_t shortCut);
std::uint16_t ShortCutOf(std::uint16_t hotkey);

// dir + "\" + name + ".lnk", joined as they are: a root dir gives a doubled backslash.
std::string LinkFileName(std::string_view dir, std::string_view name);

// Whether the extension of path is ".lnk", ignoring the case of ASCII letters.
bool HasLinkExtension(std::string_view path);

// The file name of path without its extension.
std::string_view LinkNameOf(std::string_view path);

// The folder of path without its final backslash, except after ":" or another backslash.
std::string_view LinkDirOf(std::string_view path);

}  // namespace zunt
