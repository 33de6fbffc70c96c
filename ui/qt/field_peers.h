// Edit fields, combo boxes, labels and buttons of the model as Qt widgets.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/qt/control_peer.h"

namespace ui::qt {

class EditPeer : public QLineEdit, public ControlPeer {
 public:
  EditPeer(Host& host, Edit& edit, QWidget* parent);
  ~EditPeer() override;
  QWidget* Widget() override { return this; }

 protected:
  void Apply(Change what) override;

 private:
  void Take();
};

class ComboPeer : public QComboBox, public ControlPeer {
 public:
  ComboPeer(Host& host, ComboBox& combo, QWidget* parent);
  ~ComboPeer() override;
  QWidget* Widget() override { return this; }

 protected:
  void Apply(Change what) override;

 private:
  ComboBox* Model() const { return static_cast<ComboBox*>(GetControl()); }
  void ShowItems();
  void ShowText();
  void Take(bool fromUser);
  void Picked(int index);
};

class LabelPeer : public QLabel, public ControlPeer {
 public:
  LabelPeer(Host& host, Label& label, QWidget* parent);
  QWidget* Widget() override { return this; }

 protected:
  void Apply(Change what) override;
  void ApplyFontAndColor() override;
};

class ButtonPeer : public QPushButton, public ControlPeer {
 public:
  ButtonPeer(Host& host, Button& button, QWidget* parent);
  QWidget* Widget() override { return this; }

 protected:
  void Apply(Change what) override;
  void ApplyFontAndColor() override;
};

}  // namespace ui::qt
