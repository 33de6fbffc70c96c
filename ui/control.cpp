#include "ui/control.h"

#include <algorithm>

#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

Control::Control(Form* owner) : owner_(owner) {
  if (owner_) owner_->Register(this);
}

Control::~Control() {
  if (owner_) owner_->Unregister(this);
}

void Control::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  Notify(Change::Bounds);
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  Notify(Change::Visible);
}

void Control::SetFont(const Font& font) {
  font_ = font;
  Notify(Change::Font);
}

void Control::SetColor(Color c) {
  color_ = c;
  Notify(Change::Color);
}

void Control::SetAlign(Align a) {
  align_ = a;
  if (owner_) owner_->LayoutControls();
}

void Control::SetFocus() {
  if (owner_) owner_->SetActiveControl(this);
}

bool Control::Focused() const { return owner_ && owner_->ActiveControl() == this; }

void Control::Quietly(const std::function<void()>& f) {
  const bool was = quiet_;
  quiet_ = true;
  f();
  quiet_ = was;
}

void Control::Notify(Change what) {
  if (peer_ && !quiet_) peer_->Changed(what);
}

// ListBox

ListBox::ListBox(Form* owner) : Control(owner) {}

void ListBox::SetText(std::string_view text) {
  items_.clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::size_t len = end - start;
    if (len > 0 && text[start + len - 1] == '\r') --len;
    items_.emplace_back(text.substr(start, len));
    start = end + 1;
  }
  selected_.assign(items_.size(), 0);
  itemIndex_ = -1;
  topIndex_ = 0;
  anchor_ = -1;
  Notify(Change::Items);
}

void ListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  itemIndex_ = index;
  if (index >= 0) {
    const int visible = std::max(1, Height() / std::max(1, itemHeight_));
    if (index < topIndex_) topIndex_ = index;
    if (index >= topIndex_ + visible) topIndex_ = index - visible + 1;
  }
  Notify(Change::Selection);
}

bool ListBox::Selected(int index) const {
  return index >= 0 && index < Count() && selected_[static_cast<std::size_t>(index)];
}

void ListBox::SetSelected(int index, bool on) {
  if (index < 0 || index >= Count()) return;
  selected_[static_cast<std::size_t>(index)] = on ? 1 : 0;
  Notify(Change::Selection);
}

int ListBox::SelCount() const {
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), 1));
}

void ListBox::ClearSelection() {
  std::fill(selected_.begin(), selected_.end(), 0);
  Notify(Change::Selection);
}

void ListBox::SetTopIndex(int index) {
  topIndex_ = std::clamp(index, 0, std::max(0, Count() - 1));
  Notify(Change::Selection);
}

void ListBox::SetItemHeight(int h) {
  itemHeight_ = std::max(1, h);
  Notify(Change::Items);
}

int ListBox::ItemAtPos(int /*x*/, int y) const {
  if (y < 0) return -1;
  const int index = topIndex_ + y / itemHeight_;
  return index < Count() ? index : -1;
}

bool ListBox::HandleNavigationKey(int key, ShiftState shift) {
  if (Count() == 0) return false;
  const int page = std::max(1, Height() / itemHeight_ - 1);
  const int from = itemIndex_ < 0 ? 0 : itemIndex_;
  int to = from;
  switch (key) {
    case vkUp:
      to = from - 1;
      break;
    case vkDown:
      to = from + 1;
      break;
    case vkPrior:
      to = from - page;
      break;
    case vkNext:
      to = from + page;
      break;
    case vkHome:
      to = 0;
      break;
    case vkEnd:
      to = Count() - 1;
      break;
    default:
      return false;
  }
  to = std::clamp(to, 0, Count() - 1);
  if ((shift & kShift) != 0) {
    if (anchor_ < 0) anchor_ = from;
    std::fill(selected_.begin(), selected_.end(), 0);
    for (int i = std::min(anchor_, to); i <= std::max(anchor_, to); ++i) {
      selected_[static_cast<std::size_t>(i)] = 1;
    }
  } else {
    anchor_ = to;
    std::fill(selected_.begin(), selected_.end(), 0);
    selected_[static_cast<std::size_t>(to)] = 1;
  }
  SetItemIndex(to);
  if (OnClick) OnClick();
  return true;
}

// Edit

Edit::Edit(Form* owner) : Control(owner) {}

void Edit::SetText(std::string_view text) {
  text_ = std::string(text);
  selStart_ = 0;
  selLength_ = 0;
  Notify(Change::Text);
}

void Edit::SetSelection(int start, int length) {
  const int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  Notify(Change::Selection);
}

void Edit::SelectAll() { SetSelection(0, static_cast<int>(text_.size())); }

std::string Edit::SelText() const {
  return text_.substr(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_));
}

void Edit::SetSelText(std::string_view s) {
  text_.replace(static_cast<std::size_t>(selStart_), static_cast<std::size_t>(selLength_), s);
  selStart_ += static_cast<int>(s.size());
  selLength_ = 0;
  Notify(Change::Text);
}

void Edit::SetFont(const Font& font) {
  Control::SetFont(font);
  if (autoSize_ && Owner()) SetHeight(Owner()->GetBackend().FieldHeight(font));
}

// ComboBox

ComboBox::ComboBox(Form* owner) : Edit(owner) {}

void ComboBox::SetStyle(ComboStyle s) {
  style_ = s;
  Notify(Change::Items);
}

void ComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  Notify(Change::Items);
}

void ComboBox::AddItem(std::string_view item) {
  items_.emplace_back(item);
  Notify(Change::Items);
}

void ComboBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  itemIndex_ = -1;
  Notify(Change::Items);
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  if (index >= 0) SetText(items_[static_cast<std::size_t>(index)]);
  Notify(Change::Selection);
}

// Label and Button

Label::Label(Form* owner) : Control(owner) {}

void Label::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Notify(Change::Caption);
}

Button::Button(Form* owner) : Control(owner) {}

void Button::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Notify(Change::Caption);
}

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ != 0 && Owner()) Owner()->SetModalResult(modalResult_);
}

}  // namespace ui
