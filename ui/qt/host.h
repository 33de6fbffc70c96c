// What the windows of one Qt backend share: the backend for error display, the frames learnt
// from mapped windows, the run of the main form and the stack of modal forms.
#pragma once

#include <QMargins>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/backend.h"
#include "ui/qt/key_map.h"

class QEventLoop;
class QLineEdit;
class QMenuBar;

namespace ui {
class Form;
}

namespace ui::qt {

class FormWindow;

class Host {
 public:
  explicit Host(Backend& backend);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  Backend& GetBackend() const { return backend_; }
  // Runs a handler of the system; an error goes to the error display.
  void Guard(const std::function<void()>& handler) const { Guarded(backend_, handler); }

  KeyLayout Layout() const { return layout_; }
  void SetLayout(KeyLayout layout) { layout_ = layout; }

  // The window-manager frame last seen on a mapped window of this border style; none until then.
  QMargins LearntFrame(int borderStyle) const;
  void LearnFrame(int borderStyle, const QMargins& frame);

  // A one-line edit field and a menu bar that are never shown, for sizes.
  QLineEdit& FieldProbe();
  int MenuBarHeight(int width);

  Form* mainForm = nullptr;
  QEventLoop* runLoop = nullptr;
  std::vector<FormWindow*> modalStack;

 private:
  Backend& backend_;
  KeyLayout layout_ = KeyLayout::Us;
  std::map<int, QMargins> frames_;
  std::unique_ptr<QLineEdit> fieldProbe_;
  std::unique_ptr<QMenuBar> menuBarProbe_;
};

}  // namespace ui::qt
