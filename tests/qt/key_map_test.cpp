#include "ui/qt/key_map.h"

#include <gtest/gtest.h>

namespace ui::qt {
namespace {

struct QtToVk {
  int qt;
  Qt::KeyboardModifiers mods;
  KeyLayout layout;
  KeyStroke expected;
};

TEST(KeyMapTest, QtKeysGiveTheVirtualKeyOfThePressedKey) {
  const Qt::KeyboardModifiers none;
  const QtToVk cases[] = {
      {Qt::Key_Return, none, KeyLayout::Us, {13, 0}},
      {Qt::Key_Enter, Qt::KeypadModifier, KeyLayout::Us, {13, 0}},
      {Qt::Key_Escape, none, KeyLayout::Us, {27, 0}},
      {Qt::Key_Backspace, none, KeyLayout::Us, {8, 0}},
      {Qt::Key_Tab, none, KeyLayout::Us, {9, 0}},
      {Qt::Key_Backtab, Qt::ShiftModifier, KeyLayout::Us, {9, kShift}},
      {Qt::Key_Space, none, KeyLayout::Us, {32, 0}},
      {Qt::Key_PageUp, none, KeyLayout::Us, {33, 0}},
      {Qt::Key_PageDown, none, KeyLayout::Us, {34, 0}},
      {Qt::Key_End, none, KeyLayout::Us, {35, 0}},
      {Qt::Key_Home, Qt::KeypadModifier, KeyLayout::Us, {36, 0}},
      {Qt::Key_Left, Qt::AltModifier, KeyLayout::Us, {37, kAlt}},
      {Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier, KeyLayout::Us, {38, kAlt | kShift}},
      {Qt::Key_Right, none, KeyLayout::Us, {39, 0}},
      {Qt::Key_Down, Qt::ControlModifier, KeyLayout::Us, {40, kCtrl}},
      {Qt::Key_Insert, none, KeyLayout::Us, {45, 0}},
      {Qt::Key_Delete, none, KeyLayout::Us, {46, 0}},
      {Qt::Key_0, none, KeyLayout::Us, {48, 0}},
      {Qt::Key_9, Qt::ControlModifier, KeyLayout::Us, {57, kCtrl}},
      {Qt::Key_A, none, KeyLayout::Us, {65, 0}},
      {Qt::Key_B, Qt::AltModifier, KeyLayout::Us, {66, kAlt}},
      {Qt::Key_Z, Qt::ShiftModifier, KeyLayout::Jis, {90, kShift}},
      {Qt::Key_0, Qt::KeypadModifier, KeyLayout::Us, {96, 0}},
      {Qt::Key_9, Qt::KeypadModifier, KeyLayout::Us, {105, 0}},
      {Qt::Key_Asterisk, Qt::KeypadModifier, KeyLayout::Us, {106, 0}},
      {Qt::Key_Plus, Qt::KeypadModifier, KeyLayout::Jis, {107, 0}},
      {Qt::Key_Minus, Qt::KeypadModifier, KeyLayout::Us, {109, 0}},
      {Qt::Key_Period, Qt::KeypadModifier, KeyLayout::Us, {110, 0}},
      {Qt::Key_Slash, Qt::KeypadModifier, KeyLayout::Us, {111, 0}},
      {Qt::Key_F1, none, KeyLayout::Us, {112, 0}},
      {Qt::Key_F7, none, KeyLayout::Us, {118, 0}},
      {Qt::Key_F12, Qt::ShiftModifier, KeyLayout::Us, {123, kShift}},
      {Qt::Key_Shift, Qt::ShiftModifier, KeyLayout::Us, {16, kShift}},
      {Qt::Key_Alt, Qt::AltModifier, KeyLayout::Us, {18, kAlt}},
      // Main-block symbols: the key that types them; a shifted symbol is its key with Shift.
      {Qt::Key_Semicolon, none, KeyLayout::Us, {186, 0}},
      {Qt::Key_Colon, Qt::ShiftModifier, KeyLayout::Us, {186, kShift}},
      {Qt::Key_Minus, none, KeyLayout::Us, {189, 0}},
      {Qt::Key_Period, none, KeyLayout::Us, {190, 0}},
      {Qt::Key_QuoteLeft, none, KeyLayout::Us, {192, 0}},
      {Qt::Key_BracketLeft, none, KeyLayout::Us, {219, 0}},
      {Qt::Key_Apostrophe, none, KeyLayout::Us, {222, 0}},
      {Qt::Key_Exclam, Qt::ShiftModifier, KeyLayout::Us, {49, kShift}},
      {Qt::Key_At, Qt::ShiftModifier, KeyLayout::Us, {50, kShift}},
      {Qt::Key_Semicolon, none, KeyLayout::Jis, {187, 0}},
      {Qt::Key_Colon, none, KeyLayout::Jis, {186, 0}},
      {Qt::Key_At, none, KeyLayout::Jis, {192, 0}},
      {Qt::Key_AsciiCircum, none, KeyLayout::Jis, {222, 0}},
      {Qt::Key_yen, none, KeyLayout::Jis, {220, 0}},
      {Qt::Key_Underscore, Qt::ShiftModifier, KeyLayout::Jis, {226, kShift}},
      {Qt::Key_QuoteDbl, Qt::ShiftModifier, KeyLayout::Jis, {50, kShift}},
      {Qt::Key_unknown, none, KeyLayout::Us, {0, 0}},
  };
  for (const QtToVk& c : cases) {
    EXPECT_EQ(KeyFromQt(c.qt, c.mods, c.layout), c.expected)
        << "Qt key 0x" << std::hex << c.qt << " layout " << static_cast<int>(c.layout);
  }
}

TEST(KeyMapTest, EveryVirtualKeyGoesToQtAndBack) {
  for (KeyLayout layout : {KeyLayout::Us, KeyLayout::Jis}) {
    for (int vk = 1; vk < 256; ++vk) {
      const int qt = QtKeyFromVirtual(vk, layout);
      if (qt == 0) continue;
      const Qt::KeyboardModifiers mods = IsKeypadKey(vk) ? Qt::KeypadModifier : Qt::NoModifier;
      EXPECT_EQ(KeyFromQt(qt, mods, layout).key, vk) << "vk " << vk;
    }
  }
  // The keys the system's handlers and menus use all have a Qt key.
  for (int vk : {8,  9,  13, 27, 32, 33,  34,  35,  36,  37,  38,  39,  40,  45, 46,
                 48, 57, 65, 90, 96, 105, 106, 111, 112, 123, 186, 192, 219, 222}) {
    EXPECT_NE(QtKeyFromVirtual(vk), 0) << "vk " << vk;
  }
}

TEST(KeyMapTest, ShortCutWordsAsSequencesAndTextAndBack) {
  struct Case {
    ShortCut sc;
    const char* text;
  };
  const Case cases[] = {
      {118, "F7"},
      {scCtrl | 'O', "Ctrl+O"},
      {scCtrl | scShift | 'E', "Ctrl+Shift+E"},
      {scAlt | scShift | 'M', "Alt+Shift+M"},
      {scCtrl | '1', "Ctrl+1"},
      {scAlt | 'P', "Alt+P"},
      {46, "Del"},
      {13, "Return"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutText(c.sc).toStdString(), c.text);
    EXPECT_EQ(ShortCutFromSequence(ShortCutToSequence(c.sc)), c.sc) << c.text;
  }
  EXPECT_TRUE(ShortCutToSequence(0).isEmpty());
  EXPECT_EQ(ShortCutFromSequence(QKeySequence()), 0);
}

}  // namespace
}  // namespace ui::qt
