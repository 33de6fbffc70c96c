// A backend without a display: tests build forms on it, answer its modal runs and message
// boxes from a script and read what it showed.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

class HeadlessBackend : public Backend {
 public:
  struct Message {
    std::string text, caption;
    int flags = 0;
  };

  // Each modal run takes the next responder; it acts on the shown form (typing, keys) and
  // should leave a modal result. A run with no responder, or left without a result, ends 2.
  std::deque<std::function<void(Form&)>> modalScript;
  std::deque<int> messageAnswers;    // default answer 1
  std::optional<Font> fontChoice;    // font dialog: chosen font, or cancelled
  std::optional<Color> colorChoice;  // colour dialog: chosen colour, or cancelled
  std::vector<Message> messages;
  std::vector<std::string> errors;  // as the error display shows them
  std::vector<std::string> modalCaptions;
  std::vector<bool> stayOnTopDuringModal;  // the main form's style while each run was up
  std::function<void()> runScript;         // Run: what the user does before the main form closes
  std::vector<std::function<void()>> posted;
  int minimized = 0;
  Form* mainForm = nullptr;

  // Simulates a key going down in a form the way every backend routes it: menu shortcut,
  // then the focused control's handler, then the control's default handling, then the
  // character (for printable keys) as a key press.
  void PressKey(Form& form, int key, ShiftState shift = 0, char ch = 0);
  // Runs what was posted to the event loop.
  void RunPosted();

  void Realize(Form&) override {}
  void Forget(Form&) override {}
  FrameSize Frame(const Form& form) const override;
  int FieldHeight(const Font& font) const override;
  int RunModal(Form& form) override;
  void Run(Form& mainForm) override;
  void Minimize(Form&) override { ++minimized; }
  void Post(std::function<void()> task) override { posted.push_back(std::move(task)); }
  int MessageBox(std::string_view text, std::string_view caption, int flags) override;
  void ShowError(std::string_view message) override;
  bool FontDialog(Font& font) override;
  bool ColorDialog(Color& color) override;
};

}  // namespace ui
