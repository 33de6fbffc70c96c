// The application's style, with the menu bar's extension-button icon loaded only when it is
// first drawn: every menu bar asks for it when made, and loading it probes the image-format
// plug-ins, which would delay the first window for an icon a wrapping menu bar rarely shows.
#pragma once

#include <QProxyStyle>

namespace ui::qt {

class DeferredIconStyle : public QProxyStyle {
 public:
  // Takes base, the style to draw with.
  explicit DeferredIconStyle(QStyle* base);
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace ui::qt
