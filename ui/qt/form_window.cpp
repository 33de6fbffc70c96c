#include "ui/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>

#include "ui/qt/control_peer.h"
#include "ui/qt/convert.h"
#include "ui/qt/drops.h"
#include "ui/qt/host.h"
#include "ui/qt/menu_peer.h"

namespace ui::qt {

namespace {

Qt::WindowFlags FlagsFor(const Form& form) {
  Qt::WindowFlags flags;
  switch (form.GetBorderStyle()) {
    case BorderStyle::ToolWindow:
      flags = Qt::Tool;
      break;
    case BorderStyle::Dialog:
      flags = Qt::Dialog;
      break;
    default:
      // Also the small-caption sizeable style: a tool window would lose its task-bar entry,
      // and with it the way back from minimised.
      flags = Qt::Window;
      break;
  }
  if (!form.HasCloseBox()) {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (flags.testFlag(Qt::Window) && !flags.testFlag(Qt::Tool)) {
      flags |= Qt::WindowMinimizeButtonHint;
    }
  }
  if (form.StayOnTop()) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

FormWindow::FormWindow(Host& host, Form& form)
    : QWidget(nullptr, FlagsFor(form)), host_(host), form_(&form), style_(form.GetBorderStyle()) {
  if (MainMenu* menu = form.GetMenu()) {
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    menuBar_->installEventFilter(this);
    menuPeer_ = std::make_unique<MenuPeer>(host, *menu, menuBar_);
  }
  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  std::vector<Control*> controls = form.Controls();
  std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
    return a->TabOrder() < b->TabOrder();
  });
  QWidget* previous = nullptr;
  for (Control* c : controls) {
    ControlPeer* peer = CreateControlPeer(host, *c, client_);
    if (!peer) continue;
    peers_.push_back(peer);
    if (previous) QWidget::setTabOrder(previous, peer->Widget());
    previous = peer->Widget();
    if (PopupMenu* popup = c->GetPopupMenu()) PopupPeer(*popup);
  }
  drops_ = std::make_unique<DropTarget>(host, *this);
  form.SetPeer(this);
  setWindowTitle(ToQString(form.Caption()));
  ApplyAppearance();
  ApplyBounds();
  if (form.AcceptFiles()) drops_->Attach();
  ApplyFocus();
  // The real menu bar may differ from the estimate the layout used so far.
  form.LayoutControls();
}

FormWindow::~FormWindow() { Detach(); }

Control* FormWindow::ControlOf(const QWidget* widget) const {
  for (const QWidget* w = widget; w && w != this; w = w->parentWidget()) {
    for (ControlPeer* p : peers_) {
      if (p->Widget() == w) return p->GetControl();
    }
  }
  return nullptr;
}

QWidget* FormWindow::WidgetOf(const Control* control) const {
  for (ControlPeer* p : peers_) {
    if (control && p->GetControl() == control) return p->Widget();
  }
  return nullptr;
}

MenuPeer& FormWindow::PopupPeer(PopupMenu& menu) {
  std::unique_ptr<MenuPeer>& peer = popups_[&menu];
  if (!peer) peer = std::make_unique<MenuPeer>(host_, menu, nullptr);
  return *peer;
}

bool FormWindow::IsFixedSize() const {
  return style_ == BorderStyle::ToolWindow || style_ == BorderStyle::Dialog;
}

QMargins FormWindow::WmFrame() const { return frame_ ? *frame_ : host_.LearntFrame(Style()); }

int FormWindow::MenuHeight(int width) const {
  if (!menuBar_) return 0;
  const int h = menuBar_->heightForWidth(std::max(1, width));
  return h > 0 ? h : menuBar_->sizeHint().height();
}

FrameSize FormWindow::Frame() const {
  const QMargins m = WmFrame();
  const int inner = form_ ? form_->Width() - m.left() - m.right() : width();
  return {m.left(), m.top() + MenuHeight(inner), m.right(), m.bottom()};
}

void FormWindow::ApplyBounds() {
  if (!form_) return;
  const QMargins m = WmFrame();
  const int w = std::max(1, form_->Width() - m.left() - m.right());
  const int h = std::max(1, form_->Height() - m.top() - m.bottom());
  applying_ = true;
  if (IsFixedSize()) {
    setFixedSize(w, h);
  } else {
    resize(w, h);
  }
  // A window's position is that of its frame.
  move(form_->Left(), form_->Top());
  applying_ = false;
  LayoutInside();
}

void FormWindow::LayoutInside() {
  const int menu = MenuHeight(width());
  if (menuBar_) menuBar_->setGeometry(0, 0, width(), menu);
  client_->setGeometry(0, menu, width(), std::max(0, height() - menu));
}

void FormWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  LayoutInside();
}

void FormWindow::ApplyStayOnTop() {
  if (!form_) return;
  const bool on = form_->StayOnTop();
  if (QWindow* handle = windowHandle()) {
    // Changing the widget's flags would hide and re-create the window; the window's own flag
    // only toggles the window manager's state.
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
    overrideWindowFlags(handle->flags());
  } else {
    overrideWindowFlags(on ? windowFlags() | Qt::WindowStaysOnTopHint
                           : windowFlags() & ~Qt::WindowStaysOnTopHint);
  }
}

void FormWindow::ApplyAppearance() {
  client_->setFont(ToQFont(form_->GetFont()));
  QPalette p = client_->palette();
  p.setColor(QPalette::Window, ToQColor(form_->GetColor(), QApplication::palette()));
  client_->setPalette(p);
}

void FormWindow::ApplyFocus() {
  if (!form_) return;
  QWidget* target = WidgetOf(form_->ActiveControl());
  if (!target || !target->isVisibleTo(this) || target->focusPolicy() == Qt::NoFocus) {
    target = nullptr;
    for (ControlPeer* p : peers_) {  // in tab order
      QWidget* w = p->Widget();
      if (w->isVisibleTo(this) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus) {
        target = w;
        Form& form = *form_;
        Control* c = p->GetControl();
        form.Quietly([&] { form.SetActiveControl(c); });
        break;
      }
    }
  }
  if (target) target->setFocus(Qt::OtherFocusReason);
}

void FormWindow::ShowForm() {
  ApplyBounds();
  ApplyStayOnTop();
  show();
  if (QWindow* handle = windowHandle()) handle->installEventFilter(this);
  raise();
  activateWindow();
  ApplyFocus();
}

int FormWindow::RunModal(FormWindow* owner) {
  Form& form = *form_;
  if (isVisible()) hide();
  setWindowModality(Qt::ApplicationModal);
  (void)winId();  // creates the native window, whose owner is set next
  if (owner && owner->windowHandle() && windowHandle()) {
    windowHandle()->setTransientParent(owner->windowHandle());
  }
  form.Quietly([&] { form.SetVisible(true); });
  ShowForm();
  if (form.ModalResult() == 0) {
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    modalLoop_ = nullptr;
  }
  hide();
  if (form_) form.Quietly([&] { form.SetVisible(false); });
  return form.ModalResult();
}

void FormWindow::Changed(Change what) {
  if (!form_) return;
  switch (what) {
    case Change::Bounds:
      ApplyBounds();
      break;
    case Change::Visible:
      if (form_->Visible()) {
        ShowForm();
      } else {
        hide();
        if (form_ == host_.mainForm && host_.runLoop) host_.runLoop->quit();
      }
      break;
    case Change::Caption:
      setWindowTitle(ToQString(form_->Caption()));
      break;
    case Change::Font:
    case Change::Color:
      ApplyAppearance();
      break;
    case Change::StayOnTop:
      ApplyStayOnTop();
      break;
    case Change::ModalResult:
      if (modalLoop_ && form_->ModalResult() != 0) modalLoop_->quit();
      break;
    case Change::Focus:
      ApplyFocus();
      break;
    case Change::AcceptFiles:
      if (form_->AcceptFiles()) {
        drops_->Attach();
      } else {
        drops_->Detach();
      }
      break;
    default:
      break;
  }
}

bool FormWindow::OpenAccelerator(int vk) {
  if (!form_ || vk == 0) return false;
  if (menuPeer_ && menuPeer_->OpenAccelerator(vk)) return true;
  for (Control* c : form_->Controls()) {
    auto* button = dynamic_cast<Button*>(c);
    if (button && button->Visible() && AcceleratorKey(button->Caption()) == vk) {
      button->Click();
      return true;
    }
  }
  return false;
}

bool FormWindow::DialogKey(int vk, Control* focused) {
  if (!form_ || (vk != vkReturn && vk != vkEscape)) return false;
  Button* target = vk == vkReturn ? dynamic_cast<Button*>(focused) : nullptr;
  for (Control* c : form_->Controls()) {
    auto* b = dynamic_cast<Button*>(c);
    if (target || !b || !b->Visible()) continue;
    if ((vk == vkReturn && b->IsDefault()) || (vk == vkEscape && b->IsCancel())) target = b;
  }
  if (!target) return false;
  target->Click();
  return true;
}

void FormWindow::Detach() {
  if (!form_) return;
  Form& form = *form_;
  const std::vector<Control*>& alive = form.Controls();
  for (ControlPeer* p : peers_) {
    Control* c = p->GetControl();
    if (std::find(alive.begin(), alive.end(), c) != alive.end()) c->SetPeer(nullptr);
    p->Detach();
  }
  // The menus may be gone already (they are members of the derived form).
  if (menuPeer_) menuPeer_->Detach();
  for (auto& [menu, peer] : popups_) peer->Detach();
  drops_->Detach();
  form.SetPeer(nullptr);
  form_ = nullptr;
  if (modalLoop_) modalLoop_->quit();
}

bool FormWindow::event(QEvent* e) {
  const bool result = QWidget::event(e);
  if (e->type() == QEvent::Move || e->type() == QEvent::Resize) GeometryChanged();
  return result;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
  if (watched == menuBar_ && form_ &&
      (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) &&
      static_cast<QMouseEvent*>(e)->button() == Qt::RightButton) {
    // A right press on the frame minimises the window and goes no further.
    Form& form = *form_;
    host_.Guard([&] { form.Minimize(); });
    return true;
  }
  if (watched == windowHandle() && e->type() == QEvent::Expose) GeometryChanged();
  return QWidget::eventFilter(watched, e);
}

void FormWindow::closeEvent(QCloseEvent* e) {
  // The model decides: a modal form gets its result, the main form hides and ends the run, and
  // a close handler that fails keeps the window open.
  e->ignore();
  if (!form_) {
    e->accept();
    return;
  }
  Form& form = *form_;
  host_.Guard([&] { form.Close(); });
}

void FormWindow::GeometryChanged() {
  if (!form_ || applying_ || !isVisible() || isMinimized()) return;
  QWindow* handle = windowHandle();
  if (!handle || !handle->isExposed()) return;
  const QMargins m = handle->frameMargins();
  if (!frame_ || *frame_ != m) {
    FrameFound(m);
    return;
  }
  const QRect g = geometry();
  const int left = g.x() - m.left();
  const int top = g.y() - m.top();
  const int w = g.width() + m.left() + m.right();
  const int h = g.height() + m.top() + m.bottom();
  Form& form = *form_;
  if (left != form.Left() || top != form.Top() || w != form.Width() || h != form.Height()) {
    form.Quietly([&] { form.SetBounds(left, top, w, h); });
  }
}

void FormWindow::FrameFound(const QMargins& frame) {
  Form& form = *form_;
  const QMargins was = WmFrame();
  frame_ = frame;
  host_.LearnFrame(Style(), frame);
  if (IsFixedSize() && was != frame) {
    // A dialog is laid out by its client area: that stays, the outer size follows the frame.
    const int w = form.Width() - was.left() - was.right() + frame.left() + frame.right();
    const int h = form.Height() - was.top() - was.bottom() + frame.top() + frame.bottom();
    form.Quietly([&] { form.SetBounds(form.Left(), form.Top(), w, h); });
  }
  // A sizeable window keeps its outer bounds, as stored: the client area takes the difference.
  ApplyBounds();
  form.LayoutControls();
}

}  // namespace ui::qt
