#include "ui/qt/key_router.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/qt/convert.h"
#include "ui/qt/form_window.h"
#include "ui/qt/host.h"
#include "ui/qt/key_map.h"

namespace ui::qt {

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  auto* window = dynamic_cast<FormWindow*>(widget->window());
  if (!window || !window->Model()) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (type == QEvent::ShortcutOverride) {
    // No Qt shortcut and no menu-bar mnemonic runs on its own: the route decides.
    key->accept();
    return true;
  }
  if (event == passed_ && key->timestamp() == passedTime_) return false;
  if (Route(*window, widget, *key)) {
    key->accept();
    return true;
  }
  passed_ = event;
  passedTime_ = key->timestamp();
  return false;
}

bool KeyRouter::Route(FormWindow& window, QWidget* receiver, const QKeyEvent& e) {
  const KeyStroke stroke = KeyFromQt(e.key(), e.modifiers(), host_.Layout());
  Control* focused = window.ControlOf(receiver);
  const bool alt = (stroke.shift & kAlt) != 0;
  bool used = true;
  host_.Guard([&] {
    Form& form = *window.Model();
    if (stroke.key != 0 && form.IsShortCut(stroke.key, stroke.shift)) return;
    int key = stroke.key;
    if (auto* list = dynamic_cast<ListBox*>(focused)) {
      if (key != 0 && list->OnKeyDown) list->OnKeyDown(key, stroke.shift);
      if (stroke.key != 0 && key == 0) return;
      if (window.DialogKey(key, focused)) return;
      if (key == vkTab && !alt) {
        used = false;  // moves the focus
        return;
      }
      if (alt) {
        // Keys with Alt are window keys: no line moves and no character is typed.
        window.OpenAccelerator(key);
        return;
      }
      if (key != 0) list->HandleNavigationKey(key, stroke.shift);
      if (key == vkDelete || !list->OnKeyPress) return;
      for (char byte : FromQString(e.text())) list->OnKeyPress(byte);
      return;
    }
    if (auto* edit = dynamic_cast<Edit*>(focused)) {
      if (key != 0 && edit->OnKeyDown) edit->OnKeyDown(key, stroke.shift);
      if (stroke.key != 0 && key == 0) return;
      if (window.DialogKey(key, focused)) return;
      if (alt) {
        if (window.OpenAccelerator(key)) return;
        // Alt types nothing; Alt+Up and Alt+Down still open a combo box's list.
        used = dynamic_cast<ComboBox*>(edit) == nullptr || (key != vkUp && key != vkDown);
        return;
      }
      used = false;
      return;
    }
    if (window.DialogKey(key, focused)) return;
    if (alt && window.OpenAccelerator(key)) return;
    used = false;
  });
  return used;
}

}  // namespace ui::qt
