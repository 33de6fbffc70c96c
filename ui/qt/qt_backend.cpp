#include "ui/qt/qt_backend.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QColorDialog>
#include <QDBusConnection>
#include <QEventLoop>
#include <QFontDialog>
#include <QInputMethod>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStyleFactory>
#include <map>
#include <thread>

#include "ui/form.h"
#include "ui/qt/convert.h"
#include "ui/qt/deferred_icon_style.h"
#include "ui/qt/form_window.h"
#include "ui/qt/host.h"
#include "ui/qt/key_router.h"

namespace ui::qt {

struct QtBackend::State {
  State(Backend& backend, int& argc, char** argv) : app(argc, argv), host(backend), router(host) {}
  // Start-up work Qt would otherwise do on the main thread, in the way of the first window.
  // The font configuration is read while the application object connects to the display
  // (fontconfig keeps it for Qt); it is waited for before the first font is used.
  std::jthread fontConfig{[] { FcInit(); }};
  QApplication app;
  // The accessibility bridge asks for the session bus when the first item view is made:
  // connecting, or finding there is none, takes milliseconds. Qt keeps the result.
  std::jthread sessionBus{[] { QDBusConnection::sessionBus(); }};
  Host host;
  KeyRouter router;
  std::map<const Form*, std::unique_ptr<FormWindow>> windows;

  FormWindow* Find(const Form& form) const {
    const auto it = windows.find(&form);
    return it == windows.end() ? nullptr : it->second.get();
  }
};

QtBackend::QtBackend(int& argc, char** argv) : s_(std::make_unique<State>(*this, argc, argv)) {
  // The application's name titles the error display; no display name, so that window titles
  // stay exactly the captions.
  QApplication::setApplicationName(QStringLiteral("zunt"));
  QApplication::setQuitOnLastWindowClosed(false);
  // Menu bars stay in their windows, and need not ask the session bus for a global menu.
  QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  QApplication::setStyle(
      new DeferredIconStyle(QStyleFactory::create(QApplication::style()->name())));
  InstallFontSubstitutions();
  s_->fontConfig.join();
  // Menus, messages and dialogs take the list's default face, as on the Japanese desktop the
  // texts are written for; one face for the whole window also loads once.
  QApplication::setFont(ToQFont(Font{}));
  if (QGuiApplication::inputMethod()->locale().language() == QLocale::Japanese) {
    s_->host.SetLayout(KeyLayout::Jis);
  }
  s_->app.installEventFilter(&s_->router);
  QObject::connect(&s_->app, &QApplication::focusChanged, &s_->app, [this](QWidget*, QWidget* now) {
    // The model's active control follows the keyboard focus.
    auto* window = now ? dynamic_cast<FormWindow*>(now->window()) : nullptr;
    if (!window || !window->Model()) return;
    Control* c = window->ControlOf(now);
    Form& form = *window->Model();
    if (c && form.ActiveControl() != c) {
      form.Quietly([&] { form.SetActiveControl(c); });
    }
  });
}

QtBackend::~QtBackend() {
  for (auto& [form, window] : s_->windows) window->Detach();
  s_->windows.clear();
}

bool QtBackend::IsShiftDown() const {
  return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

void QtBackend::Realize(Form& form) {
  if (s_->Find(form)) return;
  s_->windows[&form] = std::make_unique<FormWindow>(s_->host, form);
}

void QtBackend::Forget(Form& form) {
  const auto it = s_->windows.find(&form);
  if (it == s_->windows.end()) return;
  std::unique_ptr<FormWindow> window = std::move(it->second);
  s_->windows.erase(it);
  std::erase(s_->host.modalStack, window.get());
  if (s_->host.mainForm == &form) s_->host.mainForm = nullptr;
  window->Detach();
  window->hide();
}

FrameSize QtBackend::Frame(const Form& form) const {
  if (FormWindow* window = s_->Find(form)) return window->Frame();
  const QMargins m = s_->host.LearntFrame(static_cast<int>(form.GetBorderStyle()));
  const int menu = form.GetMenu() ? s_->host.MenuBarHeight(form.Width() - m.left() - m.right()) : 0;
  return {m.left(), m.top() + menu, m.right(), m.bottom()};
}

int QtBackend::FieldHeight(const Font& font) const {
  QLineEdit& probe = s_->host.FieldProbe();
  probe.setFont(ToQFont(font));
  return probe.sizeHint().height();
}

int QtBackend::RunModal(Form& form) {
  Realize(form);
  FormWindow* window = s_->Find(form);
  Guarded(*this, [&] {
    if (form.OnShow) form.OnShow();
  });
  std::vector<FormWindow*>& stack = s_->host.modalStack;
  FormWindow* owner = !stack.empty()      ? stack.back()
                      : s_->host.mainForm ? s_->Find(*s_->host.mainForm)
                                          : nullptr;
  QPointer<FormWindow> ownerAlive(owner);
  stack.push_back(window);
  const int result = window->RunModal(owner);
  std::erase(stack, window);
  if (ownerAlive && ownerAlive->isVisible()) ownerAlive->activateWindow();
  return result;
}

Form* QtBackend::MainForm() const { return s_->host.mainForm; }

void QtBackend::Run(Form& mainForm) {
  Realize(mainForm);
  s_->host.mainForm = &mainForm;
  FormWindow* window = s_->Find(mainForm);
  mainForm.Quietly([&] { mainForm.SetVisible(true); });
  window->ShowForm();
  QEventLoop loop;
  s_->host.runLoop = &loop;
  if (mainForm.Visible()) loop.exec();
  s_->host.runLoop = nullptr;
}

void QtBackend::Minimize(Form& form) {
  if (FormWindow* window = s_->Find(form)) window->showMinimized();
}

void QtBackend::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(
      &s_->app, [this, task = std::move(task)] { Guarded(*this, task); }, Qt::QueuedConnection);
}

QWidget* QtBackend::DialogParent() const {
  const std::vector<FormWindow*>& stack = s_->host.modalStack;
  QWidget* parent = !stack.empty()      ? stack.back()
                    : s_->host.mainForm ? s_->Find(*s_->host.mainForm)
                                        : nullptr;
  return parent && parent->isVisible() ? parent : nullptr;
}

int QtBackend::MessageBox(std::string_view text, std::string_view caption, int flags) {
  const QMessageBox::StandardButtons buttons =
      flags == mbOkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
  QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), buttons,
                  DialogParent());
  box.setEscapeButton(flags == mbOkCancel ? QMessageBox::Cancel : QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok ? mrOk : mrCancel;
}

void QtBackend::ShowError(std::string_view message) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("zunt"), ToQString(message) + u'.',
                  QMessageBox::Ok, DialogParent());
  box.exec();
}

bool QtBackend::FontDialog(Font& font) {
  QFont preset = ToQFont(font);
  preset.setPointSize(font.Size());
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, preset, DialogParent());
  if (!ok) return false;
  font = FromQFont(chosen, font);
  return true;
}

bool QtBackend::ColorDialog(Color& color) {
  const QColor chosen =
      QColorDialog::getColor(ToQColor(color, QApplication::palette()), DialogParent());
  if (!chosen.isValid()) return false;
  color = FromQColor(chosen);
  return true;
}

QWidget* QtBackend::WindowOf(const Form& form) const { return s_->Find(form); }

QWidget* QtBackend::WidgetOf(const Control& control) const {
  for (const auto& [form, window] : s_->windows) {
    if (QWidget* w = window->WidgetOf(&control)) return w;
  }
  return nullptr;
}

}  // namespace ui::qt
