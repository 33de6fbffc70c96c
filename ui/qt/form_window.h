// A form of the model as a top-level window: the window manager's frame, a menu bar and the
// client area below it, in which the controls sit.
#pragma once

#include <QMargins>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "ui/backend.h"
#include "ui/form.h"

class QEventLoop;
class QMenuBar;

namespace ui::qt {

class ControlPeer;
class DropTarget;
class Host;
class MenuPeer;

class FormWindow : public QWidget, public Peer {
 public:
  FormWindow(Host& host, Form& form);
  ~FormWindow() override;

  // The form, or null once it has been forgotten.
  Form* Model() const { return form_; }
  Control* ControlOf(const QWidget* widget) const;
  QWidget* WidgetOf(const Control* control) const;
  QMenuBar* MenuBar() const { return menuBar_; }
  MenuPeer& PopupPeer(PopupMenu& menu);

  // The outer frame less the client area: the window manager's frame (as last seen on a mapped
  // window of this kind until this one is mapped) and the menu bar.
  FrameSize Frame() const;

  void ShowForm();
  // Shows the form modal over owner until its modal result is set; returns the result.
  int RunModal(FormWindow* owner);
  void Changed(Change what) override;
  // Opens the menu or presses the button whose accelerator is the key; false when none.
  bool OpenAccelerator(int vk);
  // Enter for the default button (or the focused one), Esc for the cancel button.
  bool DialogKey(int vk, Control* focused);
  // Lets go of the form and its controls: they may already be destroyed.
  void Detach();

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  bool IsFixedSize() const;
  int Style() const { return static_cast<int>(style_); }
  QMargins WmFrame() const;
  int MenuHeight(int width) const;
  void ApplyBounds();
  void ApplyStayOnTop();
  void ApplyFocus();
  void ApplyAppearance();
  void LayoutInside();
  void GeometryChanged();
  void FrameFound(const QMargins& frame);

  Host& host_;
  Form* form_;
  BorderStyle style_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  std::unique_ptr<MenuPeer> menuPeer_;
  std::map<const PopupMenu*, std::unique_ptr<MenuPeer>> popups_;
  std::vector<ControlPeer*> peers_;
  std::unique_ptr<DropTarget> drops_;
  std::optional<QMargins> frame_;  // the window manager's frame, once mapped
  QEventLoop* modalLoop_ = nullptr;
  bool applying_ = false;
};

}  // namespace ui::qt
