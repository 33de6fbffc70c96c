#include "ui/qt/field_peers.h"

#include "ui/qt/convert.h"
#include "ui/qt/host.h"

namespace ui::qt {

// EditPeer

EditPeer::EditPeer(Host& host, Edit& edit, QWidget* parent)
    : QLineEdit(parent), ControlPeer(host, edit) {
  connect(this, &QLineEdit::textEdited, this, [this] { Take(); });
  connect(this, &QLineEdit::cursorPositionChanged, this, [this] { Take(); });
  connect(this, &QLineEdit::selectionChanged, this, [this] { Take(); });
}

// The field's own teardown is not the user's doing.
EditPeer::~EditPeer() { QObject::disconnect(this, nullptr, this, nullptr); }

void EditPeer::Apply(Change what) {
  if (what == Change::Text || what == Change::Selection) {
    ShowEditState(*this, static_cast<Edit&>(*control_));
  }
}

void EditPeer::Take() {
  if (applying_ || !control_) return;
  TakeEditState(*this, static_cast<Edit&>(*control_));
}

// ComboPeer

ComboPeer::ComboPeer(Host& host, ComboBox& combo, QWidget* parent)
    : QComboBox(parent), ControlPeer(host, combo) {
  setInsertPolicy(QComboBox::NoInsert);
  connect(this, &QComboBox::activated, this, [this](int index) { Picked(index); });
}

ComboPeer::~ComboPeer() {
  QObject::disconnect(this, nullptr, this, nullptr);
  if (QLineEdit* field = lineEdit()) QObject::disconnect(field, nullptr, this, nullptr);
}

void ComboPeer::Apply(Change what) {
  if (what == Change::Items) {
    ShowItems();
  } else if (what == Change::Text || what == Change::Selection) {
    ShowText();
  }
}

void ComboPeer::ShowItems() {
  const bool editable = Model()->Style() == ComboStyle::DropDown;
  if (isEditable() != editable) {
    setEditable(editable);
    if (editable) {
      // The line edit is new: follow what the user does in it.
      connect(lineEdit(), &QLineEdit::textEdited, this, [this] { Take(true); });
      connect(lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { Take(false); });
      connect(lineEdit(), &QLineEdit::selectionChanged, this, [this] { Take(false); });
    }
  }
  clear();
  QStringList items;
  for (const std::string& item : Model()->Items()) items << ToQString(item);
  addItems(items);
  ShowText();
}

void ComboPeer::ShowText() {
  // Filling the list may have put its first item into the field: the model decides.
  setCurrentIndex(Model()->ItemIndex());
  if (QLineEdit* field = lineEdit()) {
    ShowEditState(*field, *Model());
  }
}

void ComboPeer::Take(bool fromUser) {
  if (applying_ || !control_) return;
  const bool changed = TakeEditState(*lineEdit(), *Model());
  if (fromUser && changed && Model()->OnChange) host_.Guard(Model()->OnChange);
}

void ComboPeer::Picked(int index) {
  if (applying_ || !control_) return;
  ComboBox& combo = *Model();
  combo.Quietly([&] { combo.SetItemIndex(index); });
  if (QLineEdit* field = lineEdit()) TakeEditState(*field, combo);
  if (combo.OnChange) host_.Guard(combo.OnChange);
}

// LabelPeer

LabelPeer::LabelPeer(Host& host, Label& label, QWidget* parent)
    : QLabel(parent), ControlPeer(host, label) {}

void LabelPeer::Apply(Change what) {
  if (what == Change::Caption) {
    setText(WithoutAccelerator(ToQString(static_cast<Label&>(*control_).Caption())));
  }
}

void LabelPeer::ApplyFontAndColor() {
  // A label shows the form's background; only its text has a colour of its own.
  setFont(ToQFont(control_->GetFont()));
  QPalette p = palette();
  p.setColor(QPalette::WindowText, ToQColor(control_->GetFont().color, p));
  setPalette(p);
}

// ButtonPeer

ButtonPeer::ButtonPeer(Host& host, Button& button, QWidget* parent)
    : QPushButton(parent), ControlPeer(host, button) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] {
    if (auto* b = static_cast<Button*>(control_)) host_.Guard([b] { b->Click(); });
  });
}

void ButtonPeer::Apply(Change what) {
  auto& button = static_cast<Button&>(*control_);
  if (what == Change::Caption) setText(ToQString(button.Caption()));
  setDefault(button.IsDefault());
}

void ButtonPeer::ApplyFontAndColor() { setFont(ToQFont(control_->GetFont())); }

}  // namespace ui::qt
