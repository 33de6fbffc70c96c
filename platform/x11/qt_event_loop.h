// The X11 services' event loop on Qt's: socket notifiers and one single-shot timer.
#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/x11/event_loop.h"

namespace platform::x11 {

class QtEventLoop : public EventLoop {
 public:
  QtEventLoop();
  ~QtEventLoop() override;

  void WatchReadable(int fd, std::function<void()> onReadable) override;
  void Unwatch(int fd) override;
  void WakeAfter(std::chrono::milliseconds delay, std::function<void()> onTime) override;

 private:
  std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
  QTimer timer_;
  std::function<void()> onTime_;
  int active_ = -1;  // the descriptor whose callback runs
};

}  // namespace platform::x11
