#include "ui/qt/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyle>

namespace ui::qt {

namespace {

// A standard icon of a style, made on first use. The style may be gone by then.
class DeferredIconEngine : public QIconEngine {
 public:
  DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
      : style_(style), which_(which) {}

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
      if (style_) icon_ = style_->standardIcon(which_);
      made_ = true;
    }
    return icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
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
  // Made without the widget, which may be gone by the time the icon is drawn.
  return QIcon(new DeferredIconEngine(baseStyle(), icon));
}

}  // namespace ui::qt
