// Keys between Qt and the Windows virtual-key numbers and shortcut words the system uses.
#pragma once

#include <QKeySequence>
#include <QString>
#include <Qt>

#include "ui/types.h"

namespace ui::qt {

// The punctuation keys sit on other keys on a US and on a Japanese keyboard.
enum class KeyLayout { Us, Jis };

struct KeyStroke {
  int key = 0;  // virtual-key number, 0 when the key has none
  ShiftState shift = 0;
  bool operator==(const KeyStroke&) const = default;
};

// A Qt key press as the virtual key of the key that was pressed and its shift state. A symbol
// typed with Shift maps to its unshifted key (Shift+1 is the key 1 with Shift).
KeyStroke KeyFromQt(int qtKey, Qt::KeyboardModifiers modifiers, KeyLayout layout = KeyLayout::Us);

// The Qt key of a virtual key (keypad keys need Qt::KeypadModifier, see IsKeypadKey); 0 when
// there is none.
int QtKeyFromVirtual(int vk, KeyLayout layout = KeyLayout::Us);
bool IsKeypadKey(int vk);

// A menu shortcut word as a key sequence and as the text shown beside a menu item.
QKeySequence ShortCutToSequence(ShortCut sc);
QString ShortCutText(ShortCut sc);
ShortCut ShortCutFromSequence(const QKeySequence& sequence, KeyLayout layout = KeyLayout::Us);

}  // namespace ui::qt
