#include "ui/qt/menu_peer.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <map>

#include "ui/qt/convert.h"
#include "ui/qt/host.h"
#include "ui/qt/key_map.h"

namespace ui::qt {

std::string MenuShape(const MenuItem& parent) {
  std::string shape;
  for (int i = 0; i < parent.Count(); ++i) {
    const MenuItem& item = parent.Item(i);
    if (item.IsSeparator()) {
      shape += '-';
    } else if (item.Count() > 0) {
      shape += '(' + MenuShape(item) + ')';
    } else {
      shape += 'i';
    }
  }
  return shape;
}

int AcceleratorKey(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const char c = caption[i + 1];
    if (c == '&') {
      ++i;
      continue;
    }
    if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return 0;
  }
  return 0;
}

MenuPeer::MenuPeer(Host& host, Menu& menu, QMenuBar* bar) : host_(host), menu_(&menu), bar_(bar) {
  if (!bar_) root_ = std::make_unique<QMenu>();
  menu.SetPeer(this);
  Rebuild();
}

MenuPeer::~MenuPeer() {
  for (QMenu* m : menus_) delete m;
}

void MenuPeer::Detach() {
  menu_ = nullptr;
  entries_.clear();
}

void MenuPeer::Changed(Change) { Sync(); }

void MenuPeer::Sync() {
  if (!menu_) return;
  if (MenuShape(menu_->Items()) != shape_) {
    Rebuild();
    return;
  }
  for (const Entry& e : entries_) Show(*e.action, *e.item);
}

void MenuPeer::Rebuild() {
  // The old build may be the one whose item is being clicked: it goes once that is over.
  if (bar_) bar_->clear();
  if (root_) root_->clear();
  for (QMenu* m : menus_) m->deleteLater();
  if (build_) build_.release()->deleteLater();
  menus_.clear();
  entries_.clear();
  build_ = std::make_unique<QObject>();
  shape_ = MenuShape(menu_->Items());
  QWidget* target = bar_ ? static_cast<QWidget*>(bar_) : root_.get();
  Fill(target, menu_->Items(), menus_);
}

void MenuPeer::Fill(QWidget* target, MenuItem& parent, std::vector<QMenu*>& menus) {
  std::map<int, QActionGroup*> groups;
  for (int i = 0; i < parent.Count(); ++i) {
    MenuItem& item = parent.Item(i);
    QAction* action = nullptr;
    if (item.IsSeparator()) {
      action = new QAction(build_.get());
      action->setSeparator(true);
    } else if (item.Count() > 0) {
      auto* sub = new QMenu();
      menus.push_back(sub);
      Fill(sub, item, menus);
      action = sub->menuAction();
    } else {
      action = new QAction(build_.get());
      connect(action, &QAction::triggered, build_.get(), [this, &item] { Clicked(&item); });
      if (item.RadioItem()) {
        QActionGroup*& group = groups[item.GroupIndex()];
        if (!group) {
          group = new QActionGroup(build_.get());
          group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
        }
        group->addAction(action);
      }
    }
    target->addAction(action);
    entries_.push_back({action, &item});
    Show(*action, item);
  }
}

void MenuPeer::Show(QAction& action, const MenuItem& item) const {
  if (item.IsSeparator()) return;
  QString text = ToQString(item.Caption());
  if (item.GetShortCut() != 0 && item.Count() == 0) {
    text += u'\t' + ShortCutText(item.GetShortCut());
  }
  action.setText(text);
  action.setEnabled(item.Enabled());
  // Only a marked item shows a mark: radio items in a group show it as a bullet.
  action.setCheckable(item.Checked());
  action.setChecked(item.Checked());
}

void MenuPeer::Clicked(MenuItem* item) {
  QPointer<MenuPeer> self(this);
  host_.Guard([item] { item->Click(); });
  // Qt toggles checkable actions itself; the model says what is marked.
  if (self) Sync();
}

void MenuPeer::Popup(const QPoint& global) {
  if (root_ && !root_->isEmpty()) root_->popup(global);
}

bool MenuPeer::OpenAccelerator(int vk) {
  if (!bar_ || !menu_ || vk == 0) return false;
  const MenuItem& items = menu_->Items();
  const QList<QAction*> actions = bar_->actions();
  for (int i = 0; i < items.Count() && i < actions.size(); ++i) {
    if (AcceleratorKey(items.Item(i).Caption()) == vk && items.Item(i).Enabled()) {
      bar_->setActiveAction(actions[i]);
      return true;
    }
  }
  return false;
}

}  // namespace ui::qt
