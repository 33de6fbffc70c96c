// Basic values of the user-interface stand-in: keys, shift states, colours, fonts.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

// Shift state bits of key and mouse events.
enum Shift : unsigned {
  kShift = 0x01,
  kAlt = 0x02,
  kCtrl = 0x04,
};
using ShiftState = unsigned;

// Windows virtual-key numbers used by the system.
enum VKey : int {
  vkBack = 8,
  vkTab = 9,
  vkReturn = 13,
  vkShift = 16,
  vkControl = 17,
  vkMenu = 18,
  vkEscape = 27,
  vkSpace = 32,
  vkPrior = 33,
  vkNext = 34,
  vkEnd = 35,
  vkHome = 36,
  vkLeft = 37,
  vkUp = 38,
  vkRight = 39,
  vkDown = 40,
  vkInsert = 45,
  vkDelete = 46,
  vkF1 = 112,
};

// Menu shortcut word: key | 0x2000 Shift | 0x4000 Ctrl | 0x8000 Alt.
using ShortCut = std::uint16_t;
enum ShortCutFlag : std::uint16_t { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
constexpr ShortCut MakeShortCut(int key, ShiftState shift) {
  return static_cast<ShortCut>((key & 0xFF) | ((shift & kShift) ? scShift : 0) |
                               ((shift & kCtrl) ? scCtrl : 0) | ((shift & kAlt) ? scAlt : 0));
}

enum class MouseButton { Left, Right, Middle };

// Colour value: 0x00BBGGRR, or the top bit set and a system colour number in the low bits.
using Color = std::int32_t;
constexpr Color kSystemColor = static_cast<Color>(0x80000000u);
constexpr Color clWindow = kSystemColor | 5;
constexpr Color clWindowText = kSystemColor | 8;
constexpr Color clBtnFace = kSystemColor | 15;

constexpr int kPixelsPerInch = 96;

struct Font {
  std::string name =
      "\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ Ｐゴシック
  int height = -12;   // pixels; negative: character height without internal leading
  int charset = 128;  // Shift-JIS
  Color color = clWindowText;
  bool bold = false, italic = false, underline = false, strikeOut = false;

  // Size in points, derived from the height as at 96 pixels per inch.
  int Size() const;
  void SetSize(int points);
  bool operator==(const Font&) const = default;
};

// Modal results and message-box answers.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2 };
enum MessageFlags : int { mbOk = 0, mbOkCancel = 1 };

}  // namespace ui
