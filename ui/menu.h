// Main and popup menus with items added and removed at run time.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"

namespace ui {

class Menu;

class MenuItem {
 public:
  explicit MenuItem(std::string_view caption = {}, ShortCut shortCut = 0, int tag = 0);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  ShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(ShortCut sc);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  bool Checked() const { return checked_; }
  // Marking a radio item unmarks the other radio items of its group among its siblings.
  void SetChecked(bool on);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool on) { radioItem_ = on; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int g) { groupIndex_ = g; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool IsSeparator() const { return caption_ == "-"; }

  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem& Item(int index) const { return *items_[static_cast<std::size_t>(index)]; }
  MenuItem* Parent() const { return parent_; }
  int IndexOf(const MenuItem* item) const;
  MenuItem& Add(std::unique_ptr<MenuItem> item);
  MenuItem& Insert(int index, std::unique_ptr<MenuItem> item);
  void Delete(int index);
  void Clear();

  // The enabled item, here or below, whose shortcut word is sc.
  MenuItem* FindShortCut(ShortCut sc);

  // Runs the handler with this item as the sender.
  void Click();
  std::function<void(MenuItem& sender)> OnClick;

 private:
  friend class Menu;
  void SetMenu(Menu* menu);
  void Changed();

  std::string caption_;
  ShortCut shortCut_ = 0;
  int tag_ = 0;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  MenuItem* parent_ = nullptr;
  Menu* menu_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

// Holds the root item; its peer is told of every change anywhere in the tree.
class Menu {
 public:
  Menu();
  virtual ~Menu() = default;
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  MenuItem& Items() { return root_; }
  const MenuItem& Items() const { return root_; }
  void SetPeer(Peer* peer) { peer_ = peer; }
  Peer* GetPeer() const { return peer_; }
  void Changed();

 private:
  MenuItem root_;
  Peer* peer_ = nullptr;
};

class MainMenu : public Menu {};

class PopupMenu : public Menu {};

}  // namespace ui
