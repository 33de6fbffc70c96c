#include "ui/menu.h"

namespace ui {

MenuItem::MenuItem(std::string_view caption, ShortCut shortCut, int tag)
    : caption_(caption), shortCut_(shortCut), tag_(tag) {}

void MenuItem::SetCaption(std::string_view caption) {
  caption_ = std::string(caption);
  Changed();
}

void MenuItem::SetShortCut(ShortCut sc) {
  shortCut_ = sc;
  Changed();
}

void MenuItem::SetChecked(bool on) {
  checked_ = on;
  if (on && radioItem_ && parent_) {
    for (auto& sibling : parent_->items_) {
      if (sibling.get() != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) {
        sibling->checked_ = false;
      }
    }
  }
  Changed();
}

void MenuItem::SetEnabled(bool on) {
  enabled_ = on;
  Changed();
}

int MenuItem::IndexOf(const MenuItem* item) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == item) return static_cast<int>(i);
  }
  return -1;
}

MenuItem& MenuItem::Add(std::unique_ptr<MenuItem> item) { return Insert(Count(), std::move(item)); }

MenuItem& MenuItem::Insert(int index, std::unique_ptr<MenuItem> item) {
  item->parent_ = this;
  item->SetMenu(menu_);
  MenuItem& ref = *item;
  items_.insert(items_.begin() + index, std::move(item));
  Changed();
  return ref;
}

void MenuItem::Delete(int index) {
  items_.erase(items_.begin() + index);
  Changed();
}

void MenuItem::Clear() {
  items_.clear();
  Changed();
}

MenuItem* MenuItem::FindShortCut(ShortCut sc) {
  if (sc == 0) return nullptr;
  for (auto& item : items_) {
    if (!item->enabled_) continue;
    if (item->shortCut_ == sc) return item.get();
    if (MenuItem* found = item->FindShortCut(sc)) return found;
  }
  return nullptr;
}

void MenuItem::Click() {
  if (enabled_ && OnClick) OnClick(*this);
}

void MenuItem::SetMenu(Menu* menu) {
  menu_ = menu;
  for (auto& item : items_) item->SetMenu(menu);
}

void MenuItem::Changed() {
  if (menu_) menu_->Changed();
}

Menu::Menu() { root_.SetMenu(this); }

void Menu::Changed() {
  if (peer_) peer_->Changed(Change::Items);
}

}  // namespace ui
