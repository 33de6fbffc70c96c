// Hands a list of files to another program's window with the XDND protocol, the way a
// drag of the files onto it would, without the pointer: on a connection of its own, driven
// from the program's event loop, never waiting for the target.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/event_loop.h"
#include "platform/x11/xcb_util.h"

namespace platform::x11 {

struct XdndTimeouts {
  // For each answer to an offer over a point.
  std::chrono::milliseconds status{2000};
  // For the end of the drop once it is made; the target reads the files in this time.
  std::chrono::milliseconds finished{10000};
};

enum class DropOutcome { Delivered, Refused, TimedOut, Failed };

// Where drops for a window go: the window itself or its proxy, and the protocol version.
struct XdndTarget {
  xcb_window_t window = XCB_NONE;
  xcb_window_t messagesTo = XCB_NONE;
  std::uint32_t version = 0;
};

class XdndSender {
 public:
  XdndSender(EventLoop& loop, XdndTimeouts timeouts, const char* display = nullptr);
  ~XdndSender();
  XdndSender(const XdndSender&) = delete;
  XdndSender& operator=(const XdndSender&) = delete;

  // Where drops for window go; nullopt when it takes no drops (no XdndAware of version 3 or
  // later, on it or on its proxy).
  std::optional<XdndTarget> Resolve(xcb_window_t window);

  // Queues a drop of the uri list on target; drops are made one after another.
  void Send(const XdndTarget& target, std::string uriList);

  // Told how each drop ended (for tests; the system reports nothing).
  std::function<void(DropOutcome)> onOutcome;

 private:
  enum class Stage { Idle, Timestamp, Offering, Dropped };
  struct Drop {
    XdndTarget target;
    std::string uriList;
  };

  void Pump();
  void Handle(const xcb_generic_event_t& event);
  void OnClientMessage(const xcb_client_message_event_t& message);
  void OnSelectionRequest(const xcb_selection_request_event_t& request);
  void OnTimer();
  void ArmTimer();
  void StartNext();
  void Offer();
  void Finish(DropOutcome outcome);
  void SendMessage(xcb_atom_t type, std::uint32_t l1, std::uint32_t l2, std::uint32_t l3,
                   std::uint32_t l4);
  std::vector<std::uint32_t> OfferPoints(xcb_window_t window);

  EventLoop& loop_;
  XdndTimeouts timeouts_;
  XConnection x_;
  xcb_window_t source_ = XCB_NONE;
  struct Atoms;
  std::unique_ptr<Atoms> atoms_;

  std::deque<Drop> queue_;
  std::optional<Drop> current_;
  Stage stage_ = Stage::Idle;
  xcb_timestamp_t time_ = XCB_CURRENT_TIME;
  std::vector<std::uint32_t> points_;  // root x << 16 | y, still to offer
  std::chrono::steady_clock::time_point deadline_;
};

}  // namespace platform::x11
