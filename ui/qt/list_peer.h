// The list box of the model as a QListView over its lines.
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include "ui/qt/control_peer.h"

namespace ui::qt {

// The lines of a list box, converted for display only when a row is drawn.
class LinesModel : public QAbstractListModel {
 public:
  LinesModel(const ListBox& list, QObject* parent) : QAbstractListModel(parent), list_(&list) {}
  int rowCount(const QModelIndex& parent) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  void Reset(int rowHeight);
  void Detach();

 private:
  const ListBox* list_;
  int rowHeight_ = 13;
};

class ListPeer : public QListView, public ControlPeer {
 public:
  ListPeer(Host& host, ListBox& list, QWidget* parent);
  ~ListPeer() override;
  QWidget* Widget() override { return this; }
  void keyboardSearch(const QString&) override {}  // typing goes to OnKeyPress alone
  void Detach() override;

 protected:
  void Apply(Change what) override;
  void ApplyFontAndColor() override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;

 private:
  ListBox* Model() const { return static_cast<ListBox*>(GetControl()); }
  void ShowLines();
  void ShowSelection();
  int RowHeight() const;
  void TakeSelection(const QItemSelection& selected, const QItemSelection& deselected);
  void TakeCurrent(const QModelIndex& current);
  void TakeTop(int value);
  void MouseDown(QMouseEvent* e);
  void Click();

  LinesModel* lines_;    // a child of the view, so that it outlives it
  int askedHeight_ = 0;  // the item height the system asked for
  bool currentMoved_ = false;
};

}  // namespace ui::qt
