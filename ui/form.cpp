#include "ui/form.h"

#include <algorithm>

#include "ui/backend.h"

namespace ui {

Form::Form(Backend& backend) : Control(nullptr), backend_(backend) { SetColor(clBtnFace); }

Form::~Form() { backend_.Forget(*this); }

void Form::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Notify(Change::Caption);
}

void Form::SetBounds(int left, int top, int width, int height) {
  Control::SetBounds(left, top, width, height);
  LayoutControls();
}

int Form::ClientWidth() const {
  const FrameSize f = backend_.Frame(*this);
  return Width() - f.left - f.right;
}

int Form::ClientHeight() const {
  const FrameSize f = backend_.Frame(*this);
  return Height() - f.top - f.bottom;
}

void Form::SetClientWidth(int w) {
  const FrameSize f = backend_.Frame(*this);
  SetWidth(w + f.left + f.right);
}

void Form::SetClientHeight(int h) {
  const FrameSize f = backend_.Frame(*this);
  SetHeight(h + f.top + f.bottom);
}

void Form::SetStayOnTop(bool on) {
  if (on == stayOnTop_) return;
  stayOnTop_ = on;
  Notify(Change::StayOnTop);
}

void Form::SetAcceptFiles(bool on) {
  acceptFiles_ = on;
  Notify(Change::AcceptFiles);
}

void Form::SetActiveControl(Control* c) {
  activeControl_ = c;
  Notify(Change::Focus);
}

void Form::Realize() { backend_.Realize(*this); }

void Form::Show() { SetVisible(true); }

void Form::Hide() { SetVisible(false); }

int Form::ShowModal() {
  modalResult_ = 0;
  inModal_ = true;
  struct Reset {
    Form& f;
    ~Reset() { f.inModal_ = false; }
  } reset{*this};
  return backend_.RunModal(*this);
}

void Form::SetModalResult(int result) {
  modalResult_ = result;
  Notify(Change::ModalResult);
}

void Form::Close() {
  if (OnClose) OnClose();
  if (inModal_) {
    if (modalResult_ == 0) SetModalResult(mrCancel);
  } else {
    Hide();
  }
}

void Form::Minimize() { backend_.Minimize(*this); }

bool Form::IsShortCut(int key, ShiftState shift) {
  const ShortCut sc = MakeShortCut(key, shift);
  MenuItem* item = nullptr;
  if (activeControl_ && activeControl_->GetPopupMenu()) {
    item = activeControl_->GetPopupMenu()->Items().FindShortCut(sc);
  }
  if (!item && menu_) item = menu_->Items().FindShortCut(sc);
  if (!item) return false;
  item->Click();
  return true;
}

void Form::LayoutControls() {
  for (Control* c : controls_) {
    if (c->GetAlign() == Align::Client) c->SetBounds(0, 0, ClientWidth(), ClientHeight());
  }
}

void Form::Register(Control* c) { controls_.push_back(c); }

void Form::Unregister(Control* c) {
  std::erase(controls_, c);
  if (activeControl_ == c) activeControl_ = nullptr;
}

void Guarded(Backend& backend, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    backend.ShowError(e.what());
  }
}

}  // namespace ui
