#include "ui/qt/warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>

namespace ui::qt {

// Fontconfig keeps the configuration it loads; Qt's font database then finds it ready.
FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() { Wait(); }

void FontConfigWarmUp::Wait() {
  if (thread_.joinable()) thread_.join();
}

// Qt keeps the session bus connection of the process, made or failed, for every later user.
SessionBusWarmUp::SessionBusWarmUp() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusWarmUp::~SessionBusWarmUp() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace ui::qt
