#include "ui/qt/control_peer.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include "ui/qt/convert.h"
#include "ui/qt/field_peers.h"
#include "ui/qt/list_peer.h"

namespace ui::qt {

void ControlPeer::ApplyAll() {
  for (Change c : {Change::Bounds, Change::Visible, Change::Font, Change::Items, Change::Caption,
                   Change::Text, Change::Selection}) {
    Changed(c);
  }
}

void ControlPeer::Changed(Change what) {
  if (!control_) return;
  QWidget* w = Widget();
  applying_ = true;
  switch (what) {
    case Change::Bounds:
      w->setGeometry(control_->Left(), control_->Top(), control_->Width(), control_->Height());
      break;
    case Change::Visible:
      w->setVisible(control_->Visible());
      break;
    case Change::Font:
    case Change::Color:
      ApplyFontAndColor();
      break;
    default:
      break;
  }
  Apply(what);
  applying_ = false;
}

void ControlPeer::ApplyColors(QPalette::ColorRole background, QPalette::ColorRole text) {
  QWidget* w = Widget();
  const QPalette system = QApplication::palette();
  QPalette p = w->palette();
  p.setColor(background, ToQColor(control_->GetColor(), system));
  p.setColor(text, ToQColor(control_->GetFont().color, system));
  w->setPalette(p);
}

void ControlPeer::ApplyFontAndColor() {
  Widget()->setFont(ToQFont(control_->GetFont()));
  ApplyColors(QPalette::Base, QPalette::Text);
}

void ShowEditState(QLineEdit& field, const Edit& edit) {
  const QString shown = ToQString(edit.Text());
  if (field.text() != shown) field.setText(shown);
  const int start = CharPosFromBytes(edit.Text(), edit.SelStart());
  const int end = CharPosFromBytes(edit.Text(), edit.SelStart() + edit.SelLength());
  if (end > start) {
    field.setSelection(start, end - start);
  } else {
    field.setCursorPosition(start);
  }
}

bool TakeEditState(const QLineEdit& field, Edit& edit) {
  const QString shown = field.text();
  const std::string text = FromQString(shown);
  const bool changed = text != edit.Text();
  const int anchor = field.hasSelectedText() ? field.selectionStart() : field.cursorPosition();
  const int length = field.hasSelectedText() ? static_cast<int>(field.selectedText().size()) : 0;
  const int start = BytePosFromChars(shown, anchor);
  const int end = BytePosFromChars(shown, anchor + length);
  edit.Quietly([&] {
    if (changed) edit.SetText(text);
    edit.SetSelection(start, end - start);
  });
  return changed;
}

ControlPeer* CreateControlPeer(Host& host, Control& control, QWidget* parent) {
  ControlPeer* peer = nullptr;
  if (auto* list = dynamic_cast<ListBox*>(&control)) {
    peer = new ListPeer(host, *list, parent);
  } else if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
    peer = new ComboPeer(host, *combo, parent);
  } else if (auto* edit = dynamic_cast<Edit*>(&control)) {
    peer = new EditPeer(host, *edit, parent);
  } else if (auto* label = dynamic_cast<Label*>(&control)) {
    peer = new LabelPeer(host, *label, parent);
  } else if (auto* button = dynamic_cast<Button*>(&control)) {
    peer = new ButtonPeer(host, *button, parent);
  } else {
    return nullptr;
  }
  peer->ApplyAll();
  control.SetPeer(peer);
  return peer;
}

}  // namespace ui::qt
