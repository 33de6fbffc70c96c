#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QProxyStyle>
#include <QStyleFactory>
#include <memory>

#include "qt_fixture.h"

namespace ui::qt {
namespace {

class StyleTest : public QtTest {};

TEST_F(StyleTest, DeferredIconsDrawAsTheStylesOwn) {
  const auto* proxy = dynamic_cast<const QProxyStyle*>(QApplication::style());
  ASSERT_NE(proxy, nullptr);
  const std::unique_ptr<QStyle> plain(QStyleFactory::create(proxy->baseStyle()->name()));
  ASSERT_NE(plain, nullptr);
  for (const QStyle::StandardPixmap icon :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
        QStyle::SP_ArrowUp}) {
    const QIcon ours = proxy->standardIcon(icon);
    const QImage drawn = ours.pixmap(16, 16).toImage();
    EXPECT_FALSE(drawn.isNull()) << icon;
    EXPECT_EQ(drawn, plain->standardIcon(icon).pixmap(16, 16).toImage()) << icon;
  }
}

}  // namespace
}  // namespace ui::qt
