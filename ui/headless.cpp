#include "ui/headless.h"

namespace ui {

FrameSize HeadlessBackend::Frame(const Form& form) const {
  // A small-caption frame of 3-pixel borders, and a 19-pixel menu bar when there is one.
  const bool small = form.GetBorderStyle() == BorderStyle::SizeToolWin ||
                     form.GetBorderStyle() == BorderStyle::ToolWindow;
  const int caption = small ? 16 : 19;
  const int menu = form.GetMenu() ? 19 : 0;
  return {3, 3 + caption + menu, 3, 3};
}

int HeadlessBackend::FieldHeight(const Font& font) const {
  const int pixels = font.height < 0 ? -font.height : font.height;
  return pixels + 8;
}

int HeadlessBackend::RunModal(Form& form) {
  modalCaptions.push_back(form.Caption());
  if (mainForm) stayOnTopDuringModal.push_back(mainForm->StayOnTop());
  Guarded(*this, [&] {
    if (form.OnShow) form.OnShow();
  });
  if (!modalScript.empty()) {
    auto responder = std::move(modalScript.front());
    modalScript.pop_front();
    Guarded(*this, [&] { responder(form); });
  }
  if (form.ModalResult() == 0) form.SetModalResult(mrCancel);
  return form.ModalResult();
}

void HeadlessBackend::Run(Form& main) {
  mainForm = &main;
  main.Show();
  if (runScript) Guarded(*this, runScript);
  RunPosted();
}

void HeadlessBackend::RunPosted() {
  while (!posted.empty()) {
    auto tasks = std::move(posted);
    posted.clear();
    for (auto& t : tasks) Guarded(*this, t);
  }
}

int HeadlessBackend::MessageBox(std::string_view text, std::string_view caption, int flags) {
  messages.push_back({std::string(text), std::string(caption), flags});
  if (messageAnswers.empty()) return mrOk;
  const int answer = messageAnswers.front();
  messageAnswers.pop_front();
  return answer;
}

void HeadlessBackend::ShowError(std::string_view message) {
  errors.push_back(std::string(message) + ".");
}

bool HeadlessBackend::FontDialog(Font& font) {
  if (!fontChoice) return false;
  font = *fontChoice;
  return true;
}

bool HeadlessBackend::ColorDialog(Color& color) {
  if (!colorChoice) return false;
  color = *colorChoice;
  return true;
}

void HeadlessBackend::PressKey(Form& form, int key, ShiftState shift, char ch) {
  Guarded(*this, [&] {
    if (form.IsShortCut(key, shift)) return;
    Control* focused = form.ActiveControl();
    int k = key;
    // With Alt held a key moves nothing and types nothing, as on the real desktop.
    const bool alt = (shift & kAlt) != 0;
    if (auto* list = dynamic_cast<ListBox*>(focused)) {
      if (list->OnKeyDown) list->OnKeyDown(k, shift);
      if (k != 0 && !alt) list->HandleNavigationKey(k, shift);
      if (ch != 0 && !alt && list->OnKeyPress) {
        char c = ch;
        list->OnKeyPress(c);
      }
    } else if (auto* edit = dynamic_cast<Edit*>(focused)) {
      if (edit->OnKeyDown) edit->OnKeyDown(k, shift);
      if (k != 0 && ch != 0 && (shift & (kAlt | kCtrl)) == 0) edit->SetSelText(std::string(1, ch));
    } else if (auto* button = dynamic_cast<Button*>(focused); button && k == vkReturn) {
      button->Click();
      return;
    }
    // Enter and Esc left over press the default and cancel buttons.
    if (k != vkReturn && k != vkEscape) return;
    for (Control* c : form.Controls()) {
      auto* b = dynamic_cast<Button*>(c);
      if (b && b->Visible() && (k == vkReturn ? b->IsDefault() : b->IsCancel())) {
        b->Click();
        return;
      }
    }
  });
}

}  // namespace ui
