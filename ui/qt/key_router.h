// The one keyboard route of every form: menu shortcut, then the focused control's key-down
// handler, then the control's own handling, then (for a list) each typed byte as a key press.
#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

namespace ui::qt {

class FormWindow;
class Host;

class KeyRouter : public QObject {
 public:
  explicit KeyRouter(Host& host) : host_(host) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Returns true when the key was used up; false leaves it to the widget.
  bool Route(FormWindow& window, QWidget* receiver, const QKeyEvent& e);

  Host& host_;
  // The last key event left to a widget: Qt hands it on to the parents when the widget
  // ignores it, and it must not take the route twice.
  const QEvent* passed_ = nullptr;
  quint64 passedTime_ = 0;
};

}  // namespace ui::qt
