#include "poll_loop.h"

#include <poll.h>

#include <algorithm>
#include <vector>

void PollLoop::WatchReadable(int fd, std::function<void()> onReadable) {
  watches_[fd] = std::move(onReadable);
}

void PollLoop::Unwatch(int fd) { watches_.erase(fd); }

void PollLoop::WakeAfter(std::chrono::milliseconds delay, std::function<void()> onTime) {
  wake_ = Clock::now() + delay;
  onWake_ = std::move(onTime);
}

void PollLoop::Timed(const std::function<void()>& callback) {
  const Clock::time_point start = Clock::now();
  callback();
  longestCallback = std::max(longestCallback, Clock::now() - start);
}

bool PollLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const Clock::time_point end = Clock::now() + limit;
  while (!done() && Clock::now() < end) {
    std::vector<pollfd> fds;
    for (const auto& [fd, callback] : watches_) fds.push_back({fd, POLLIN, 0});
    Clock::time_point until = std::min(end, Clock::now() + std::chrono::milliseconds(50));
    if (wake_) until = std::min(until, *wake_);
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(until - Clock::now());
    poll(fds.data(), fds.size(), static_cast<int>(std::max<long>(0, wait.count())));
    for (const pollfd& p : fds) {
      const auto watch = watches_.find(p.fd);
      if ((p.revents & (POLLIN | POLLHUP | POLLERR)) && watch != watches_.end()) {
        // A copy: the callback may unwatch itself.
        const std::function<void()> callback = watch->second;
        Timed(callback);
      }
    }
    if (wake_ && Clock::now() >= *wake_) {
      wake_.reset();
      const std::function<void()> callback = std::move(onWake_);
      Timed(callback);
    }
  }
  return done();
}
