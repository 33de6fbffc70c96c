// The user-interface backend on Qt 6 Widgets: real windows for the forms of the model.
#pragma once

#include <memory>

#include "ui/backend.h"

class QWidget;

namespace ui {
class Control;
}

namespace ui::qt {

class QtBackend : public Backend {
 public:
  // Creates the application; argc and argv must outlive the backend.
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;
  QtBackend(const QtBackend&) = delete;
  QtBackend& operator=(const QtBackend&) = delete;

  bool IsShiftDown() const;

  // Forget leaves the form's menus alone: when a form is destroyed they are gone already.
  void Realize(Form& form) override;
  void Forget(Form& form) override;
  FrameSize Frame(const Form& form) const override;
  int FieldHeight(const Font& font) const override;
  int RunModal(Form& form) override;
  void Run(Form& mainForm) override;
  void Minimize(Form& form) override;
  void Post(std::function<void()> task) override;
  int MessageBox(std::string_view text, std::string_view caption, int flags) override;
  void ShowError(std::string_view message) override;
  bool FontDialog(Font& font) override;
  bool ColorDialog(Color& color) override;

  // The real window of a form and the widget of a control; null when not realized.
  QWidget* WindowOf(const Form& form) const;
  QWidget* WidgetOf(const Control& control) const;
  // The form the event loop runs for; null before Run.
  Form* MainForm() const;

 private:
  struct State;
  QWidget* DialogParent() const;
  std::unique_ptr<State> s_;
};

}  // namespace ui::qt
