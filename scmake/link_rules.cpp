#include "scmake/link_rules.h"

#include "text/sjis.h"

namespace zunt {

namespace {

enum ShortCutBits : std::uint16_t {
  kScShift = 0x2000,
  kScCtrl = 0x4000,
  kScAlt = 0x8000,
  kScKeyMask = 0x1FFF,
};

enum HotkeyFlags : std::uint16_t {
  kHotkeyShift = 0x01,
  kHotkeyControl = 0x02,
  kHotkeyAlt = 0x04,
};

}  // namespace

std::int32_t ShowCmdOf(WNDSTATE state) {
  switch (state) {
    case WNDSTATE::Maximize:
      return kSwShowMaximized;
    case WNDSTATE::Minimize:
      return kSwShowMinNoActive;
    default:
      return kSwShow;
  }
}

WNDSTATE WndStateOf(std::int32_t showCmd) {
  if (showCmd == kSwShowMaximized) return WNDSTATE::Maximize;
  if (showCmd == kSwShowMinNoActive) return WNDSTATE::Minimize;
  return WNDSTATE::Normal;
}

std::uint16_t HotkeyOf(std::uint16_t shortCut) {
  const std::uint16_t key = shortCut & kScKeyMask;
  if (key == 0) return 0;  // modifiers without a key are no hot key
  std::uint16_t flags = 0;
  if (shortCut & kScShift) flags |= kHotkeyShift;
  if (shortCut & kScCtrl) flags |= kHotkeyControl;
  if (shortCut & kScAlt) flags |= kHotkeyAlt;
  return static_cast<std::uint16_t>(key | (flags << 8));
}

std::uint16_t ShortCutOf(std::uint16_t hotkey) {
  const std::uint16_t flags = hotkey >> 8;
  std::uint16_t shortCut = hotkey & 0xFF;
  if (flags & kHotkeyShift) shortCut |= kScShift;
  if (flags & kHotkeyControl) shortCut |= kScCtrl;
  if (flags & kHotkeyAlt) shortCut |= kScAlt;
  return shortCut;
}

std::string LinkFileName(std::string_view dir, std::string_view name) {
  std::string file(dir);
  file += '\\';
  file += name;
  file += ".lnk";
  return file;
}

bool HasLinkExtension(std::string_view path) {
  return text::EqualsIgnoreCase(text::ExtensionPart(path), ".lnk");
}

std::string_view LinkNameOf(std::string_view path) {
  const std::string_view name = text::NamePart(path);
  const std::size_t dot = text::LastDelimiter(name, ".");
  return dot == text::npos ? name : name.substr(0, dot);
}

std::string_view LinkDirOf(std::string_view path) {
  std::string_view dir = text::FolderPart(path);
  if (!text::EndsWithBackslash(dir)) return dir;
  const std::string_view before = dir.substr(0, dir.size() - 1);
  if (before.ends_with(':') || text::EndsWithBackslash(before)) return dir;
  return before;
}

}  // namespace zunt
