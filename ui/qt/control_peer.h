// The common part of the widgets that mirror the controls of the model.
#pragma once

#include <QPalette>

#include "ui/control.h"

class QLineEdit;
class QWidget;

namespace ui::qt {

class Host;

class ControlPeer : public Peer {
 public:
  ControlPeer(Host& host, Control& control) : host_(host), control_(&control) {}
  virtual QWidget* Widget() = 0;
  // The control, or null once the form is going away.
  Control* GetControl() const { return control_; }
  // Mirrors every property of the control at once.
  void ApplyAll();
  void Changed(Change what) override;
  // Stops talking to the control: it may already be destroyed.
  virtual void Detach() { control_ = nullptr; }

 protected:
  // The changes a kind of widget shows beyond bounds, visibility, font and colour.
  virtual void Apply(Change what) = 0;
  void ApplyColors(QPalette::ColorRole background, QPalette::ColorRole text);
  virtual void ApplyFontAndColor();

  Host& host_;
  Control* control_;
  bool applying_ = false;
};

// Shows an Edit's text and byte-position selection in a line edit.
void ShowEditState(QLineEdit& field, const Edit& edit);
// Takes the line edit's text and selection into the Edit without telling its peer; returns true
// when the text changed.
bool TakeEditState(const QLineEdit& field, Edit& edit);

// The widget for a control of the model, a child of parent.
ControlPeer* CreateControlPeer(Host& host, Control& control, QWidget* parent);

}  // namespace ui::qt
