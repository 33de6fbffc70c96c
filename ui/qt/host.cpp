#include "ui/qt/host.h"

#include <QLineEdit>
#include <QMenuBar>

namespace ui::qt {

Host::Host(Backend& backend) : backend_(backend) {}

Host::~Host() = default;

QMargins Host::LearntFrame(int borderStyle) const {
  const auto it = frames_.find(borderStyle);
  return it == frames_.end() ? QMargins() : it->second;
}

void Host::LearnFrame(int borderStyle, const QMargins& frame) { frames_[borderStyle] = frame; }

QLineEdit& Host::FieldProbe() {
  if (!fieldProbe_) fieldProbe_ = std::make_unique<QLineEdit>();
  return *fieldProbe_;
}

int Host::MenuBarHeight(int width) {
  if (!menuBarProbe_) {
    menuBarProbe_ = std::make_unique<QMenuBar>();
    menuBarProbe_->setNativeMenuBar(false);
    menuBarProbe_->addAction(QStringLiteral("&F"));
    menuBarProbe_->ensurePolished();
  }
  const int h = menuBarProbe_->heightForWidth(std::max(1, width));
  return h > 0 ? h : menuBarProbe_->sizeHint().height();
}

}  // namespace ui::qt
