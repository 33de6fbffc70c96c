// A main menu as a QMenuBar, or a popup menu as a QMenu, rebuilt or updated whenever the model
// changes. Items show their shortcut text but own no Qt shortcut: keys reach menus only
// through the form's keyboard route.
#pragma once

#include <QObject>
#include <QPoint>
#include <memory>
#include <string>
#include <vector>

#include "ui/menu.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace ui::qt {

class Host;

class MenuPeer : public QObject, public Peer {
 public:
  // bar: the menu bar that shows a main menu; null for a popup menu.
  MenuPeer(Host& host, Menu& menu, QMenuBar* bar);
  ~MenuPeer() override;

  void Changed(Change what) override;
  // Stops talking to the menu: it may already be destroyed.
  void Detach();
  void Popup(const QPoint& global);
  // Opens the top-level menu whose accelerator is the key vk; false when there is none.
  bool OpenAccelerator(int vk);
  QMenu* RootMenu() const { return root_.get(); }

 private:
  struct Entry {
    QAction* action;
    const MenuItem* item;
  };
  void Sync();
  void Rebuild();
  void Fill(QWidget* target, MenuItem& parent, std::vector<QMenu*>& menus);
  void Show(QAction& action, const MenuItem& item) const;
  void Clicked(MenuItem* item);

  Host& host_;
  Menu* menu_;
  QMenuBar* bar_;
  std::unique_ptr<QMenu> root_;  // a popup menu's own menu
  std::string shape_;            // the tree's shape when it was built
  std::vector<Entry> entries_;
  std::vector<QMenu*> menus_;       // submenus of the present build
  std::unique_ptr<QObject> build_;  // owns the present build's actions
};

// The shape of a menu tree: separators, items and submenus in order.
std::string MenuShape(const MenuItem& parent);
// The accelerator key of a caption ("&F" gives 'F'), 0 when there is none.
int AcceleratorKey(const std::string& caption);

}  // namespace ui::qt
