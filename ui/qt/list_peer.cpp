#include "ui/qt/list_peer.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "ui/qt/convert.h"
#include "ui/qt/form_window.h"
#include "ui/qt/host.h"
#include "ui/qt/menu_peer.h"

namespace ui::qt {

namespace {

ShiftState ShiftOf(Qt::KeyboardModifiers m) {
  ShiftState s = 0;
  if (m & Qt::ShiftModifier) s |= kShift;
  if (m & Qt::ControlModifier) s |= kCtrl;
  if (m & Qt::AltModifier) s |= kAlt;
  return s;
}

}  // namespace

// LinesModel

int LinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || !list_ ? 0 : list_->Count();
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (!list_ || !index.isValid() || index.row() >= list_->Count()) return {};
  if (role == Qt::DisplayRole)
    return ToQString(list_->Items()[static_cast<std::size_t>(index.row())]);
  if (role == Qt::SizeHintRole) return QSize(1, rowHeight_);
  return {};
}

void LinesModel::Reset(int rowHeight) {
  beginResetModel();
  rowHeight_ = rowHeight;
  endResetModel();
}

void LinesModel::Detach() {
  beginResetModel();
  list_ = nullptr;
  endResetModel();
}

// ListPeer

ListPeer::ListPeer(Host& host, ListBox& list, QWidget* parent)
    : QListView(parent), ControlPeer(host, list), lines_(new LinesModel(list, this)) {
  setModel(lines_);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTextElideMode(Qt::ElideNone);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setAttribute(Qt::WA_InputMethodEnabled);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this](const QItemSelection& s, const QItemSelection& d) { TakeSelection(s, d); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& c) { TakeCurrent(c); });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) { TakeTop(v); });
}

ListPeer::~ListPeer() {
  // The view's own teardown moves its selection: that is not the user's doing.
  QObject::disconnect(selectionModel(), nullptr, this, nullptr);
  QObject::disconnect(verticalScrollBar(), nullptr, this, nullptr);
}

void ListPeer::Detach() {
  ControlPeer::Detach();
  lines_->Detach();
}

void ListPeer::Apply(Change what) {
  if (what == Change::Items) {
    ShowLines();
  } else if (what == Change::Selection) {
    ShowSelection();
  }
}

int ListPeer::RowHeight() const { return std::max(askedHeight_, QFontMetrics(font()).height()); }

void ListPeer::ApplyFontAndColor() {
  ControlPeer::ApplyFontAndColor();
  if (Model()->ItemHeight() != RowHeight()) ShowLines();
}

void ListPeer::ShowLines() {
  ListBox& list = *Model();
  // The model's item height is the larger of the one asked for and the font's line height.
  if (askedHeight_ == 0 || list.ItemHeight() != RowHeight()) askedHeight_ = list.ItemHeight();
  const int height = RowHeight();
  if (list.ItemHeight() != height) list.Quietly([&] { list.SetItemHeight(height); });
  lines_->Reset(height);
  ShowSelection();
}

void ListPeer::ShowSelection() {
  const ListBox& list = *Model();
  QItemSelection selection;
  const int count = list.Count();
  for (int i = 0; i < count;) {
    if (!list.Selected(i)) {
      ++i;
      continue;
    }
    int end = i;
    while (end + 1 < count && list.Selected(end + 1)) ++end;
    selection.select(lines_->index(i), lines_->index(end));
    i = end + 1;
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  const int current = list.ItemIndex();
  selectionModel()->setCurrentIndex(current >= 0 ? lines_->index(current) : QModelIndex(),
                                    QItemSelectionModel::NoUpdate);
  executeDelayedItemsLayout();
  verticalScrollBar()->setValue(list.TopIndex());
}

void ListPeer::TakeSelection(const QItemSelection& selected, const QItemSelection& deselected) {
  if (applying_ || !control_) return;
  ListBox& list = *Model();
  list.Quietly([&] {
    for (const QItemSelectionRange& r : deselected) {
      for (int row = r.top(); row <= r.bottom(); ++row) list.SetSelected(row, false);
    }
    for (const QItemSelectionRange& r : selected) {
      for (int row = r.top(); row <= r.bottom(); ++row) list.SetSelected(row, true);
    }
  });
}

void ListPeer::TakeCurrent(const QModelIndex& current) {
  if (applying_ || !control_) return;
  ListBox& list = *Model();
  list.Quietly([&] {
    list.SetItemIndex(current.isValid() ? current.row() : -1);
    list.SetTopIndex(verticalScrollBar()->value());
  });
  currentMoved_ = true;
}

void ListPeer::TakeTop(int value) {
  if (applying_ || !control_) return;
  ListBox& list = *Model();
  list.Quietly([&] { list.SetTopIndex(value); });
}

void ListPeer::Click() {
  if (ListBox* list = Model(); list && list->OnClick) host_.Guard(list->OnClick);
}

void ListPeer::MouseDown(QMouseEvent* e) {
  ListBox* list = Model();
  if (!list || !list->OnMouseDown) return;
  const MouseButton button = e->button() == Qt::RightButton    ? MouseButton::Right
                             : e->button() == Qt::MiddleButton ? MouseButton::Middle
                                                               : MouseButton::Left;
  const QPoint p = e->position().toPoint();
  host_.Guard([&] { list->OnMouseDown(button, ShiftOf(e->modifiers()), p.x(), p.y()); });
}

void ListPeer::keyPressEvent(QKeyEvent* e) {
  // Keys reach the list through the form's one keyboard route only.
  e->ignore();
}

void ListPeer::mousePressEvent(QMouseEvent* e) {
  if (!control_) return;
  if (e->button() == Qt::RightButton) {
    // A right press leaves the selection to the handler, then opens the list's menu.
    setFocus(Qt::MouseFocusReason);
    MouseDown(e);
    if (!control_) return;
    if (PopupMenu* menu = control_->GetPopupMenu()) {
      if (auto* form = dynamic_cast<FormWindow*>(window())) {
        form->PopupPeer(*menu).Popup(e->globalPosition().toPoint());
      }
    }
    e->accept();
    return;
  }
  QListView::mousePressEvent(e);
  if (indexAt(e->position().toPoint()).isValid()) Click();
  currentMoved_ = false;
  MouseDown(e);
}

void ListPeer::mouseMoveEvent(QMouseEvent* e) {
  currentMoved_ = false;
  QListView::mouseMoveEvent(e);
  if (currentMoved_ && (e->buttons() & Qt::LeftButton)) Click();
  currentMoved_ = false;
}

void ListPeer::mouseDoubleClickEvent(QMouseEvent* e) {
  QListView::mouseDoubleClickEvent(e);
  if (e->button() != Qt::LeftButton) return;
  if (ListBox* list = Model(); list && list->OnDblClick) host_.Guard(list->OnDblClick);
}

void ListPeer::contextMenuEvent(QContextMenuEvent* e) { e->accept(); }

void ListPeer::inputMethodEvent(QInputMethodEvent* e) {
  // Characters committed by an input method arrive as typed bytes, like keys.
  ListBox* list = Model();
  e->accept();
  if (!list || !list->OnKeyPress) return;
  for (char byte : FromQString(e->commitString())) {
    host_.Guard([&] { list->OnKeyPress(byte); });
  }
}

}  // namespace ui::qt
