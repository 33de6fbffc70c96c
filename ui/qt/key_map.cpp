#include "ui/qt/key_map.h"

#include <array>

namespace ui::qt {

namespace {

struct Pair {
  int qt;
  int vk;
};

// Keys that are the same on every layout.
constexpr std::array kFixed = {
    Pair{Qt::Key_Backspace, 8}, Pair{Qt::Key_Tab, 9},          Pair{Qt::Key_Backtab, 9},
    Pair{Qt::Key_Clear, 12},    Pair{Qt::Key_Return, 13},      Pair{Qt::Key_Enter, 13},
    Pair{Qt::Key_Shift, 16},    Pair{Qt::Key_Control, 17},     Pair{Qt::Key_Alt, 18},
    Pair{Qt::Key_AltGr, 18},    Pair{Qt::Key_Pause, 19},       Pair{Qt::Key_CapsLock, 20},
    Pair{Qt::Key_Escape, 27},   Pair{Qt::Key_Henkan, 28},      Pair{Qt::Key_Muhenkan, 29},
    Pair{Qt::Key_Space, 32},    Pair{Qt::Key_PageUp, 33},      Pair{Qt::Key_PageDown, 34},
    Pair{Qt::Key_End, 35},      Pair{Qt::Key_Home, 36},        Pair{Qt::Key_Left, 37},
    Pair{Qt::Key_Up, 38},       Pair{Qt::Key_Right, 39},       Pair{Qt::Key_Down, 40},
    Pair{Qt::Key_Print, 44},    Pair{Qt::Key_Insert, 45},      Pair{Qt::Key_Delete, 46},
    Pair{Qt::Key_Super_L, 91},  Pair{Qt::Key_Super_R, 92},     Pair{Qt::Key_Menu, 93},
    Pair{Qt::Key_NumLock, 144}, Pair{Qt::Key_ScrollLock, 145},
};

// Keypad operators (with Qt::KeypadModifier).
constexpr std::array kKeypad = {
    Pair{Qt::Key_Asterisk, 106}, Pair{Qt::Key_Plus, 107},   Pair{Qt::Key_Comma, 108},
    Pair{Qt::Key_Minus, 109},    Pair{Qt::Key_Period, 110}, Pair{Qt::Key_Slash, 111},
};

// Symbols of the main block: the key that types them, unshifted first.
constexpr std::array kUs = {
    Pair{Qt::Key_Semicolon, 186},    Pair{Qt::Key_Equal, 187},       Pair{Qt::Key_Comma, 188},
    Pair{Qt::Key_Minus, 189},        Pair{Qt::Key_Period, 190},      Pair{Qt::Key_Slash, 191},
    Pair{Qt::Key_QuoteLeft, 192},    Pair{Qt::Key_BracketLeft, 219}, Pair{Qt::Key_Backslash, 220},
    Pair{Qt::Key_BracketRight, 221}, Pair{Qt::Key_Apostrophe, 222},  Pair{Qt::Key_Colon, 186},
    Pair{Qt::Key_Plus, 187},         Pair{Qt::Key_Less, 188},        Pair{Qt::Key_Underscore, 189},
    Pair{Qt::Key_Greater, 190},      Pair{Qt::Key_Question, 191},    Pair{Qt::Key_AsciiTilde, 192},
    Pair{Qt::Key_BraceLeft, 219},    Pair{Qt::Key_Bar, 220},         Pair{Qt::Key_BraceRight, 221},
    Pair{Qt::Key_QuoteDbl, 222},     Pair{Qt::Key_ParenRight, '0'},  Pair{Qt::Key_Exclam, '1'},
    Pair{Qt::Key_At, '2'},           Pair{Qt::Key_NumberSign, '3'},  Pair{Qt::Key_Dollar, '4'},
    Pair{Qt::Key_Percent, '5'},      Pair{Qt::Key_AsciiCircum, '6'}, Pair{Qt::Key_Ampersand, '7'},
    Pair{Qt::Key_Asterisk, '8'},     Pair{Qt::Key_ParenLeft, '9'},
};

constexpr std::array kJis = {
    Pair{Qt::Key_Colon, 186},      Pair{Qt::Key_Semicolon, 187},    Pair{Qt::Key_Comma, 188},
    Pair{Qt::Key_Minus, 189},      Pair{Qt::Key_Period, 190},       Pair{Qt::Key_Slash, 191},
    Pair{Qt::Key_At, 192},         Pair{Qt::Key_BracketLeft, 219},  Pair{Qt::Key_yen, 220},
    Pair{Qt::Key_Backslash, 220},  Pair{Qt::Key_BracketRight, 221}, Pair{Qt::Key_AsciiCircum, 222},
    Pair{Qt::Key_Asterisk, 186},   Pair{Qt::Key_Plus, 187},         Pair{Qt::Key_Less, 188},
    Pair{Qt::Key_Equal, 189},      Pair{Qt::Key_Greater, 190},      Pair{Qt::Key_Question, 191},
    Pair{Qt::Key_QuoteLeft, 192},  Pair{Qt::Key_BraceLeft, 219},    Pair{Qt::Key_Bar, 220},
    Pair{Qt::Key_BraceRight, 221}, Pair{Qt::Key_AsciiTilde, 222},   Pair{Qt::Key_Underscore, 226},
    Pair{Qt::Key_Exclam, '1'},     Pair{Qt::Key_QuoteDbl, '2'},     Pair{Qt::Key_NumberSign, '3'},
    Pair{Qt::Key_Dollar, '4'},     Pair{Qt::Key_Percent, '5'},      Pair{Qt::Key_Ampersand, '6'},
    Pair{Qt::Key_Apostrophe, '7'}, Pair{Qt::Key_ParenLeft, '8'},    Pair{Qt::Key_ParenRight, '9'},
};

template <std::size_t N>
int VkOf(const std::array<Pair, N>& table, int qt) {
  for (const Pair& p : table) {
    if (p.qt == qt) return p.vk;
  }
  return 0;
}

// The first entry of a table is the unshifted symbol of its key.
template <std::size_t N>
int QtOf(const std::array<Pair, N>& table, int vk) {
  for (const Pair& p : table) {
    if (p.vk == vk) return p.qt;
  }
  return 0;
}

int VirtualOf(int qtKey, bool keypad, KeyLayout layout) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 96 : '0') + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return vkF1 + (qtKey - Qt::Key_F1);
  if (const int vk = VkOf(kFixed, qtKey)) return vk;
  if (keypad) {
    if (const int vk = VkOf(kKeypad, qtKey)) return vk;
  }
  return layout == KeyLayout::Jis ? VkOf(kJis, qtKey) : VkOf(kUs, qtKey);
}

}  // namespace

KeyStroke KeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, KeyLayout layout) {
  KeyStroke k;
  k.key = VirtualOf(qtKey, modifiers.testFlag(Qt::KeypadModifier), layout);
  if (modifiers.testFlag(Qt::ShiftModifier)) k.shift |= kShift;
  if (modifiers.testFlag(Qt::ControlModifier)) k.shift |= kCtrl;
  if (modifiers.testFlag(Qt::AltModifier)) k.shift |= kAlt;
  return k;
}

bool IsKeypadKey(int vk) { return vk >= 96 && vk <= 111; }

int QtKeyFromVirtual(int vk, KeyLayout layout) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
  if (vk >= 96 && vk <= 105) return Qt::Key_0 + (vk - 96);
  if (vk >= vkF1 && vk < vkF1 + 24) return Qt::Key_F1 + (vk - vkF1);
  if (const int qt = QtOf(kKeypad, vk); qt != 0 && IsKeypadKey(vk)) return qt;
  if (const int qt = QtOf(kFixed, vk)) return qt;
  return layout == KeyLayout::Jis ? QtOf(kJis, vk) : QtOf(kUs, vk);
}

QKeySequence ShortCutToSequence(ShortCut sc) {
  const int qt = QtKeyFromVirtual(sc & 0xFF);
  if (qt == 0) return {};
  Qt::KeyboardModifiers mods;
  if (sc & scShift) mods |= Qt::ShiftModifier;
  if (sc & scCtrl) mods |= Qt::ControlModifier;
  if (sc & scAlt) mods |= Qt::AltModifier;
  if (IsKeypadKey(sc & 0xFF)) mods |= Qt::KeypadModifier;
  return QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(qt)));
}

QString ShortCutText(ShortCut sc) {
  return ShortCutToSequence(sc).toString(QKeySequence::NativeText);
}

ShortCut ShortCutFromSequence(const QKeySequence& sequence, KeyLayout layout) {
  if (sequence.isEmpty()) return 0;
  const QKeyCombination c = sequence[0];
  const KeyStroke k = KeyFromQt(c.key(), c.keyboardModifiers(), layout);
  return k.key == 0 ? 0 : MakeShortCut(k.key, k.shift);
}

}  // namespace ui::qt
