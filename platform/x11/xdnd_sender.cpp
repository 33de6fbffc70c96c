#include "platform/x11/xdnd_sender.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform::x11 {

namespace {

constexpr std::uint32_t kOurVersion = 5;
constexpr std::uint32_t kOldestVersion = 3;

std::uint32_t Point(int x, int y) {
  const auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 0x7FFF)); };
  return clamp(x) << 16 | clamp(y);
}

}  // namespace

struct XdndSender::Atoms {
  xcb_atom_t aware, proxy, enter, position, status, leave, drop, finished, actionCopy, selection,
      uriList, targets, timestamp;
};

XdndSender::XdndSender(EventLoop& loop, XdndTimeouts timeouts, const char* display)
    : loop_(loop), timeouts_(timeouts), x_(display) {
  if (!x_.Ok()) return;
  const std::vector<xcb_atom_t> a =
      x_.Atoms({"XdndAware", "XdndProxy", "XdndEnter", "XdndPosition", "XdndStatus", "XdndLeave",
                "XdndDrop", "XdndFinished", "XdndActionCopy", "XdndSelection", "text/uri-list",
                "TARGETS", "_ZUNT_DROP_TIME"});
  atoms_ = std::make_unique<Atoms>(
      Atoms{a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11], a[12]});
  // An unmapped window of our own: it owns the selection and receives the answers.
  source_ = xcb_generate_id(x_.Get());
  const std::uint32_t values[] = {1, XCB_EVENT_MASK_PROPERTY_CHANGE};
  xcb_create_window(x_.Get(), XCB_COPY_FROM_PARENT, source_, x_.Root(), -10, -10, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT,
                    XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
  xcb_flush(x_.Get());
  loop_.WatchReadable(x_.Fd(), [this] { Pump(); });
}

XdndSender::~XdndSender() {
  if (!atoms_) return;
  // A target still being offered the drop is told it is over.
  if (stage_ == Stage::Offering) SendMessage(atoms_->leave, 0, 0, 0, 0);
  loop_.Unwatch(x_.Fd());
}

std::optional<XdndTarget> XdndSender::Resolve(xcb_window_t window) {
  if (!atoms_ || window == XCB_NONE) return std::nullopt;
  XdndTarget target{window, window, 0};
  // A proxy counts only when it names itself as well.
  if (const auto proxy = GetProperty32(x_, window, atoms_->proxy, XCB_ATOM_WINDOW)) {
    if (GetProperty32(x_, *proxy, atoms_->proxy, XCB_ATOM_WINDOW) == proxy) {
      target.messagesTo = *proxy;
    }
  }
  const auto version = GetProperty32(x_, target.messagesTo, atoms_->aware, XCB_ATOM_ATOM);
  // Replies may have brought events along.
  Pump();
  if (!version || *version < kOldestVersion) return std::nullopt;
  target.version = std::min(*version, kOurVersion);
  return target;
}

void XdndSender::Send(const XdndTarget& target, std::string uriList) {
  if (!atoms_) {
    if (onOutcome) onOutcome(DropOutcome::Failed);
    return;
  }
  queue_.push_back({target, std::move(uriList)});
  if (stage_ == Stage::Idle) StartNext();
  Pump();
}

void XdndSender::StartNext() {
  if (queue_.empty()) return;
  current_ = std::move(queue_.front());
  queue_.pop_front();
  // A real server time for the selection and the messages: the time of a property change.
  xcb_change_property(x_.Get(), XCB_PROP_MODE_APPEND, source_, atoms_->timestamp, XCB_ATOM_STRING,
                      8, 0, nullptr);
  stage_ = Stage::Timestamp;
  deadline_ = std::chrono::steady_clock::now() + timeouts_.status;
  xcb_flush(x_.Get());
}

void XdndSender::Offer() {
  xcb_set_selection_owner(x_.Get(), source_, atoms_->selection, time_);
  points_ = OfferPoints(current_->target.window);
  std::reverse(points_.begin(), points_.end());
  SendMessage(atoms_->enter, current_->target.version << 24, atoms_->uriList, 0, 0);
  stage_ = Stage::Offering;
  if (points_.empty()) {
    SendMessage(atoms_->leave, 0, 0, 0, 0);
    Finish(DropOutcome::Failed);
    return;
  }
  SendMessage(atoms_->position, 0, points_.back(), time_, atoms_->actionCopy);
  points_.pop_back();
  deadline_ = std::chrono::steady_clock::now() + timeouts_.status;
}

// The centre of the window first, then the centres of a 3 x 3 grid over it, in root
// coordinates: toolkits take drops only over a widget that accepts them.
std::vector<std::uint32_t> XdndSender::OfferPoints(xcb_window_t window) {
  const auto geometry =
      Owned(xcb_get_geometry_reply(x_.Get(), xcb_get_geometry(x_.Get(), window), nullptr));
  const auto origin = Owned(xcb_translate_coordinates_reply(
      x_.Get(), xcb_translate_coordinates(x_.Get(), window, x_.Root(), 0, 0), nullptr));
  std::vector<std::uint32_t> points;
  if (!geometry || !origin) return points;
  const int w = geometry->width, h = geometry->height;
  points.push_back(Point(origin->dst_x + w / 2, origin->dst_y + h / 2));
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const std::uint32_t p =
          Point(origin->dst_x + w * (2 * column + 1) / 6, origin->dst_y + h * (2 * row + 1) / 6);
      if (std::find(points.begin(), points.end(), p) == points.end()) points.push_back(p);
    }
  }
  return points;
}

void XdndSender::SendMessage(xcb_atom_t type, std::uint32_t l1, std::uint32_t l2, std::uint32_t l3,
                             std::uint32_t l4) {
  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof event);
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = current_->target.window;
  event.type = type;
  event.data.data32[0] = source_;
  event.data.data32[1] = l1;
  event.data.data32[2] = l2;
  event.data.data32[3] = l3;
  event.data.data32[4] = l4;
  xcb_send_event(x_.Get(), 0, current_->target.messagesTo, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(x_.Get());
}

void XdndSender::Finish(DropOutcome outcome) {
  xcb_set_selection_owner(x_.Get(), XCB_NONE, atoms_->selection, time_);
  xcb_flush(x_.Get());
  current_.reset();
  points_.clear();
  stage_ = Stage::Idle;
  if (onOutcome) onOutcome(outcome);
  StartNext();
}

void XdndSender::Pump() {
  if (!atoms_) return;
  while (xcb_generic_event_t* raw = xcb_poll_for_event(x_.Get())) {
    const auto event = Owned(raw);
    Handle(*event);
  }
  if (xcb_connection_has_error(x_.Get())) {
    // The server is gone: nothing can be delivered any more.
    loop_.Unwatch(x_.Fd());
    atoms_.reset();
    const std::size_t lost = queue_.size() + (current_ ? 1 : 0);
    queue_.clear();
    current_.reset();
    stage_ = Stage::Idle;
    for (std::size_t i = 0; i < lost && onOutcome; ++i) onOutcome(DropOutcome::Failed);
    return;
  }
  xcb_flush(x_.Get());
  ArmTimer();
}

void XdndSender::Handle(const xcb_generic_event_t& event) {
  switch (event.response_type & 0x7F) {
    case 0: {
      // An error: the target went away while we spoke to it.
      const auto& error = reinterpret_cast<const xcb_generic_error_t&>(event);
      if (current_ && error.error_code == XCB_WINDOW &&
          (error.resource_id == current_->target.window ||
           error.resource_id == current_->target.messagesTo)) {
        Finish(DropOutcome::Failed);
      }
      break;
    }
    case XCB_PROPERTY_NOTIFY: {
      const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(event);
      if (stage_ == Stage::Timestamp && notify.window == source_ &&
          notify.atom == atoms_->timestamp) {
        time_ = notify.time;
        Offer();
      }
      break;
    }
    case XCB_CLIENT_MESSAGE:
      OnClientMessage(reinterpret_cast<const xcb_client_message_event_t&>(event));
      break;
    case XCB_SELECTION_REQUEST:
      OnSelectionRequest(reinterpret_cast<const xcb_selection_request_event_t&>(event));
      break;
    case XCB_SELECTION_CLEAR:
      // Another program took the selection: the drop can no longer carry its data.
      if (stage_ == Stage::Offering) {
        SendMessage(atoms_->leave, 0, 0, 0, 0);
        Finish(DropOutcome::Failed);
      }
      break;
    default:
      break;
  }
}

void XdndSender::OnClientMessage(const xcb_client_message_event_t& message) {
  if (!current_ || message.format != 32 || message.data.data32[0] != current_->target.window) {
    return;
  }
  if (message.type == atoms_->status && stage_ == Stage::Offering) {
    if (message.data.data32[1] & 1) {
      SendMessage(atoms_->drop, 0, time_, 0, 0);
      stage_ = Stage::Dropped;
      deadline_ = std::chrono::steady_clock::now() + timeouts_.finished;
    } else if (!points_.empty()) {
      SendMessage(atoms_->position, 0, points_.back(), time_, atoms_->actionCopy);
      points_.pop_back();
      deadline_ = std::chrono::steady_clock::now() + timeouts_.status;
    } else {
      SendMessage(atoms_->leave, 0, 0, 0, 0);
      Finish(DropOutcome::Refused);
    }
  } else if (message.type == atoms_->finished && stage_ == Stage::Dropped) {
    // Before version 5 a finished drop says nothing of whether it was taken.
    const bool taken = current_->target.version < 5 || (message.data.data32[1] & 1);
    Finish(taken ? DropOutcome::Delivered : DropOutcome::Refused);
  }
}

void XdndSender::OnSelectionRequest(const xcb_selection_request_event_t& request) {
  xcb_selection_notify_event_t answer;
  std::memset(&answer, 0, sizeof answer);
  answer.response_type = XCB_SELECTION_NOTIFY;
  answer.time = request.time;
  answer.requestor = request.requestor;
  answer.selection = request.selection;
  answer.target = request.target;
  answer.property = XCB_NONE;
  // Older clients name no property: the target then serves as one.
  const xcb_atom_t property = request.property != XCB_NONE ? request.property : request.target;
  const bool ours = current_ && stage_ != Stage::Timestamp && request.owner == source_ &&
                    request.selection == atoms_->selection;
  const std::uint32_t maxBytes = xcb_get_maximum_request_length(x_.Get()) * 4 - 64;
  if (ours && request.target == atoms_->targets) {
    const xcb_atom_t targets[] = {atoms_->targets, atoms_->uriList};
    xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM,
                        32, 2, targets);
    answer.property = property;
  } else if (ours && request.target == atoms_->uriList && current_->uriList.size() < maxBytes) {
    xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, request.requestor, property,
                        atoms_->uriList, 8, static_cast<std::uint32_t>(current_->uriList.size()),
                        current_->uriList.data());
    answer.property = property;
  }
  xcb_send_event(x_.Get(), 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&answer));
  xcb_flush(x_.Get());
}

void XdndSender::ArmTimer() {
  if (stage_ == Stage::Idle) return;
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(deadline_ - std::chrono::steady_clock::now());
  loop_.WakeAfter(std::max(left, std::chrono::milliseconds(0)), [this] { OnTimer(); });
}

void XdndSender::OnTimer() {
  if (stage_ != Stage::Idle && std::chrono::steady_clock::now() >= deadline_) {
    // No answer in time: leave an offer, give up on a made drop.
    if (stage_ == Stage::Offering) SendMessage(atoms_->leave, 0, 0, 0, 0);
    Finish(DropOutcome::TimedOut);
  }
  Pump();
}

}  // namespace platform::x11
