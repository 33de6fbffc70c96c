#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "qt_fixture.h"

namespace ui::qt {
namespace {
RecordingBackend* backend = nullptr;
}
RecordingBackend& TestBackend() { return *backend; }
}  // namespace ui::qt

namespace {
// The offscreen platform cannot raise windows and says so every time.
void QuietRaise(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("does not support raise"))) return;
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  qInstallMessageHandler(QuietRaise);
  ui::qt::RecordingBackend backend(argc, argv);
  ui::qt::backend = &backend;
  return RUN_ALL_TESTS();
}
