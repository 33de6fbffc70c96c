#include "platform/x11/qt_event_loop.h"

namespace platform::x11 {

QtEventLoop::QtEventLoop() {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // A copy: the callback may set the next wake-up.
    const std::function<void()> callback = onTime_;
    if (callback) callback();
  });
}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::WatchReadable(int fd, std::function<void()> onReadable) {
  auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(notifier.get(), &QSocketNotifier::activated,
                   [this, fd, callback = std::move(onReadable)] {
                     active_ = fd;
                     callback();
                     active_ = -1;
                   });
  notifiers_[fd] = std::move(notifier);
}

void QtEventLoop::Unwatch(int fd) {
  const auto it = notifiers_.find(fd);
  if (it == notifiers_.end()) return;
  // Not destroyed inside its own signal, when the callback is what unwatches it.
  if (fd == active_) {
    it->second->setEnabled(false);
    it->second.release()->deleteLater();
  }
  notifiers_.erase(it);
}

void QtEventLoop::WakeAfter(std::chrono::milliseconds delay, std::function<void()> onTime) {
  onTime_ = std::move(onTime);
  timer_.start(delay);
}

}  // namespace platform::x11
