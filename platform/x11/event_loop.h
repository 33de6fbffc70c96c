// What the program's event loop offers a service that keeps a connection of its own to the
// X server: the service is driven from the loop and never waits in it.
#pragma once

#include <chrono>
#include <functional>

namespace platform::x11 {

class EventLoop {
 public:
  virtual ~EventLoop() = default;
  // onReadable runs from the loop whenever fd has data to read, until Unwatch(fd).
  virtual void WatchReadable(int fd, std::function<void()> onReadable) = 0;
  virtual void Unwatch(int fd) = 0;
  // onTime runs once from the loop after delay; a later call replaces an earlier one.
  virtual void WakeAfter(std::chrono::milliseconds delay, std::function<void()> onTime) = 0;
};

}  // namespace platform::x11
