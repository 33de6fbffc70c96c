#include "ui/qt/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <functional>

namespace ui::qt {

namespace {

// An icon made on first use.
class DeferredIconEngine : public QIconEngine {
 public:
  explicit DeferredIconEngine(std::function<QIcon()> make) : make_(std::move(make)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& Icon() {
    if (!made_) {
      icon_ = make_();
      made_ = true;
    }
    return icon_;
  }

  std::function<QIcon()> make_;
  QIcon icon_;
  bool made_ = false;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton) {
    return QProxyStyle::standardIcon(icon, option, widget);
  }
  // The widget may be gone by the time the icon is drawn.
  const QPointer<const QStyle> base(baseStyle());
  return QIcon(new DeferredIconEngine(
      [base, icon] { return base ? base->standardIcon(icon, nullptr, nullptr) : QIcon(); }));
}

}  // namespace ui::qt
