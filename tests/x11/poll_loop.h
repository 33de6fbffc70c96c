// An event loop for the X11 tests: poll() over the watched descriptors and one wake-up
// time, recording how long the longest callback ran.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>

#include "platform/x11/event_loop.h"

class PollLoop : public platform::x11::EventLoop {
 public:
  using Clock = std::chrono::steady_clock;

  void WatchReadable(int fd, std::function<void()> onReadable) override;
  void Unwatch(int fd) override;
  void WakeAfter(std::chrono::milliseconds delay, std::function<void()> onTime) override;

  // Runs callbacks until done() holds or limit has passed; returns done().
  bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

  // The longest time one callback took, since the last reset.
  Clock::duration longestCallback{};

 private:
  void Timed(const std::function<void()>& callback);

  std::map<int, std::function<void()>> watches_;
  std::optional<Clock::time_point> wake_;
  std::function<void()> onWake_;
};
