// What a user-interface backend provides: real windows (or none, in tests), modal runs,
// message boxes, error display and the common dialogs.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "ui/types.h"

namespace ui {

class Form;

// The outer frame minus the client area, menu bar included.
struct FrameSize {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// An error for the application's error display; the message is code page 932 text.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

class Backend {
 public:
  virtual ~Backend() = default;

  virtual void Realize(Form& form) = 0;
  virtual void Forget(Form& form) = 0;
  virtual FrameSize Frame(const Form& form) const = 0;
  // Height of a one-line edit field showing font.
  virtual int FieldHeight(const Font& font) const = 0;

  // Runs form modally until its modal result is set; the form's OnShow runs first.
  virtual int RunModal(Form& form) = 0;
  // Runs the event loop until mainForm has closed.
  virtual void Run(Form& mainForm) = 0;
  virtual void Minimize(Form& form) = 0;
  // Runs task later, from the event loop.
  virtual void Post(std::function<void()> task) = 0;

  // Returns 1 (OK) or 2 (Cancel).
  virtual int MessageBox(std::string_view text, std::string_view caption, int flags) = 0;
  // The application error display: message + "." in a box titled with the program's name.
  virtual void ShowError(std::string_view message) = 0;
  virtual bool FontDialog(Font& font) = 0;
  virtual bool ColorDialog(Color& color) = 0;
};

// Runs an event handler; an error escaping from it goes to the error display.
void Guarded(Backend& backend, const std::function<void()>& handler);

}  // namespace ui
