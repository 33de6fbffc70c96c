// The XDND conversation on the wire, with a target scripted here: proxy and version, the
// points offered, the data served and the end of the drop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

#include "launch/drop_block.h"
#include "x11_fixture.h"

namespace {

using platform::x11::DropOutcome;

// A window made on the test's control connection, whose XdndProxy names a window of a
// connection of its own: everything sent for the drop arrives there, and only there.
class ScriptedTarget {
 public:
  struct Message {
    xcb_atom_t type;
    xcb_window_t window;
    std::uint32_t data[5];
  };

  ScriptedTarget(const std::string& display, xcb_connection_t* control, PollLoop& loop,
                 std::uint32_t version)
      : c_(xcb_connect(display.c_str(), nullptr)), loop_(loop) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
    window = xcb_generate_id(control);
    xcb_create_window(control, XCB_COPY_FROM_PARENT, window, root, 10, 20, 120, 90, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_map_window(control, window);
    proxy = xcb_generate_id(c_);
    xcb_create_window(c_, XCB_COPY_FROM_PARENT, proxy, root, -5, -5, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_change_property(control, XCB_PROP_MODE_REPLACE, window, Atom("XdndProxy"), XCB_ATOM_WINDOW,
                        32, 1, &proxy);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, proxy, Atom("XdndProxy"), XCB_ATOM_WINDOW, 32, 1,
                        &proxy);
    xcb_change_property(c_, XCB_PROP_MODE_REPLACE, proxy, Atom("XdndAware"), XCB_ATOM_ATOM, 32, 1,
                        &version);
    for (const char* name :
         {"XdndEnter", "XdndPosition", "XdndStatus", "XdndLeave", "XdndDrop", "XdndFinished",
          "XdndActionCopy", "XdndSelection", "TARGETS", "text/uri-list", "ZUNT_TEST"}) {
      Atom(name);
    }
    // Round trips: the properties are in place before anyone looks.
    std::free(xcb_get_input_focus_reply(control, xcb_get_input_focus(control), nullptr));
    std::free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
    loop_.WatchReadable(xcb_get_file_descriptor(c_), [this] { Pump(); });
  }
  ~ScriptedTarget() {
    loop_.Unwatch(xcb_get_file_descriptor(c_));
    xcb_disconnect(c_);
  }

  // Known after the constructor, so that looking at the messages never reads the
  // connection behind the loop's back.
  xcb_atom_t Atom(const std::string& name) {
    if (const auto known = atoms_.find(name); known != atoms_.end()) return known->second;
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr);
    const xcb_atom_t atom = r ? r->atom : XCB_NONE;
    std::free(r);
    return atoms_[name] = atom;
  }
  std::vector<Message> Of(const char* type) {
    std::vector<Message> found;
    for (const Message& m : messages) {
      if (m.type == Atom(type)) found.push_back(m);
    }
    return found;
  }

  // The answer to the offer over the n-th point (from 1) of each drop is yes; 0: never.
  int acceptAt = 0;
  // Whether a made drop is ended with XdndFinished.
  bool finish = true;
  // Whether the proxy goes away as soon as a drop begins.
  bool vanish = false;
  xcb_window_t window = XCB_NONE, proxy = XCB_NONE;
  std::vector<Message> messages;
  std::vector<xcb_atom_t> targets;
  std::vector<std::string> uriLists;

 private:
  void Pump() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
      if ((e->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
        OnMessage(*reinterpret_cast<xcb_client_message_event_t*>(e));
      } else if ((e->response_type & 0x7F) == XCB_SELECTION_NOTIFY) {
        OnData(*reinterpret_cast<xcb_selection_notify_event_t*>(e));
      }
      std::free(e);
    }
    xcb_flush(c_);
  }

  void Reply(xcb_window_t source, const char* type, std::uint32_t l1, std::uint32_t l2) {
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = source;
    e.type = Atom(type);
    e.data.data32[0] = window;
    e.data.data32[1] = l1;
    e.data.data32[4] = l2;
    if (std::strcmp(type, "XdndFinished") == 0) e.data.data32[2] = l2;
    xcb_send_event(c_, 0, source, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
  }

  void OnMessage(const xcb_client_message_event_t& e) {
    Message m{e.type, e.window, {}};
    std::memcpy(m.data, e.data.data32, sizeof m.data);
    messages.push_back(m);
    source_ = e.data.data32[0];
    if (e.type == Atom("XdndEnter")) {
      positions_ = 0;
      if (vanish) xcb_destroy_window(c_, proxy);
    } else if (e.type == Atom("XdndPosition")) {
      const bool yes = ++positions_ == acceptAt;
      Reply(source_, "XdndStatus", yes ? 1 : 0, yes ? Atom("XdndActionCopy") : XCB_NONE);
    } else if (e.type == Atom("XdndDrop")) {
      dropTime_ = e.data.data32[2];
      Ask(Atom("TARGETS"));
    }
  }

  void Ask(xcb_atom_t target) {
    xcb_convert_selection(c_, proxy, Atom("XdndSelection"), target, Atom("ZUNT_TEST"), dropTime_);
  }

  void OnData(const xcb_selection_notify_event_t& e) {
    xcb_get_property_reply_t* p = xcb_get_property_reply(
        c_,
        xcb_get_property(c_, 1, proxy, Atom("ZUNT_TEST"), XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
        nullptr);
    const char* value = p ? static_cast<const char*>(xcb_get_property_value(p)) : "";
    const int length = p ? xcb_get_property_value_length(p) : 0;
    if (e.target == Atom("TARGETS") && e.property != XCB_NONE) {
      targets.assign(reinterpret_cast<const xcb_atom_t*>(value),
                     reinterpret_cast<const xcb_atom_t*>(value) + length / 4);
      Ask(Atom("text/uri-list"));
    } else if (e.target == Atom("text/uri-list") && e.property != XCB_NONE) {
      uriLists.emplace_back(value, static_cast<std::size_t>(length));
      if (finish) Reply(source_, "XdndFinished", 1, Atom("XdndActionCopy"));
    }
    std::free(p);
  }

  xcb_connection_t* c_;
  PollLoop& loop_;
  xcb_window_t source_ = XCB_NONE;
  xcb_timestamp_t dropTime_ = 0;
  int positions_ = 0;
  std::map<std::string, xcb_atom_t> atoms_;
};

class XdndWire : public X11Fixture, public ::testing::Test {
 protected:
  void SetUp() override {
    std::string whyNot;
    if (!StartX(false, whyNot)) GTEST_SKIP() << whyNot;
  }
  void TearDown() override { StopX(); }

  bool Post(ScriptedTarget& target, const Paths& hostPaths) {
    Paths systemPaths;
    for (const std::string& p : hostPaths) systemPaths.push_back(SystemPath(p));
    return windows->PostDropFiles(target.window, launch::DropBlockOf(memory, systemPaths));
  }
};

TEST_F(XdndWire, ARefusingTargetIsOfferedNinePointsThenLeft) {
  ScriptedTarget target(session->Display(), control, loop, 4);
  ASSERT_TRUE(Post(target, {"/tmp/x"}));
  ASSERT_TRUE(WaitFor([&] { return !outcomes.empty() && !target.Of("XdndLeave").empty(); }));
  EXPECT_EQ(outcomes[0], DropOutcome::Refused);

  ASSERT_GE(target.messages.size(), 2u);
  const ScriptedTarget::Message enter = target.messages.front();
  EXPECT_EQ(enter.type, target.Atom("XdndEnter"));
  EXPECT_EQ(enter.data[1], 4u << 24);  // the target's version; three types at most
  EXPECT_EQ(enter.data[2], target.Atom("text/uri-list"));
  EXPECT_EQ(target.messages.back().type, target.Atom("XdndLeave"));
  for (const auto& m : target.messages) EXPECT_EQ(m.window, target.window);

  const auto positions = target.Of("XdndPosition");
  ASSERT_EQ(positions.size(), 9u);
  // The centre first, then the rest of a 3 x 3 grid, all over the window (10,20 120x90).
  EXPECT_EQ(positions[0].data[2], (70u << 16) | 65u);
  std::set<std::uint32_t> points;
  for (const auto& p : positions) {
    const std::uint32_t x = p.data[2] >> 16, y = p.data[2] & 0xFFFF;
    EXPECT_TRUE(x >= 10 && x < 130 && y >= 20 && y < 110) << x << "," << y;
    EXPECT_EQ(p.data[3], positions[0].data[3]);  // one server time throughout
    EXPECT_NE(p.data[3], 0u);
    EXPECT_EQ(p.data[4], target.Atom("XdndActionCopy"));
    points.insert(p.data[2]);
  }
  EXPECT_EQ(points.size(), 9u);
}

TEST_F(XdndWire, AnAcceptedDropServesTheUriListAndEndsWithFinished) {
  ScriptedTarget target(session->Display(), control, loop, 5);
  target.acceptAt = 3;
  ASSERT_TRUE(Post(target, {"/tmp/a b/#c.txt", "/tmp/\xE6\x97\xA5 100%"}));
  ASSERT_TRUE(WaitFor([&] { return !outcomes.empty(); }));
  EXPECT_EQ(outcomes[0], DropOutcome::Delivered);

  EXPECT_EQ(target.Of("XdndPosition").size(), 3u);
  const auto drops = target.Of("XdndDrop");
  ASSERT_EQ(drops.size(), 1u);
  EXPECT_EQ(drops[0].data[2], target.Of("XdndPosition")[0].data[3]);
  EXPECT_TRUE(target.Of("XdndLeave").empty());
  EXPECT_EQ(target.targets,
            (std::vector<xcb_atom_t>{target.Atom("TARGETS"), target.Atom("text/uri-list")}));
  EXPECT_EQ(target.uriLists, std::vector<std::string>{"file:///tmp/a%20b/%23c.txt\r\n"
                                                      "file:///tmp/%E6%97%A5%20100%25\r\n"});
}

TEST_F(XdndWire, DropsPostedTogetherAreMadeOneAfterAnother) {
  ScriptedTarget target(session->Display(), control, loop, 5);
  target.acceptAt = 1;
  ASSERT_TRUE(Post(target, {"/one"}));
  ASSERT_TRUE(Post(target, {"/two"}));
  ASSERT_TRUE(WaitFor([&] { return outcomes.size() == 2; }));
  EXPECT_EQ(outcomes, (std::vector{DropOutcome::Delivered, DropOutcome::Delivered}));
  EXPECT_EQ(target.uriLists, (std::vector<std::string>{"file:///one\r\n", "file:///two\r\n"}));
  EXPECT_EQ(target.Of("XdndEnter").size(), 2u);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST_F(XdndWire, AMadeDropThatNeverEndsTimesOut) {
  ScriptedTarget target(session->Display(), control, loop, 5);
  target.acceptAt = 1;
  target.finish = false;
  ASSERT_TRUE(Post(target, {"/one"}));
  ASSERT_TRUE(WaitFor([&] { return !outcomes.empty(); }));
  EXPECT_EQ(outcomes[0], DropOutcome::TimedOut);
  EXPECT_EQ(target.uriLists.size(), 1u);
}

TEST_F(XdndWire, ATargetThatGoesAwayEndsTheDropWithoutWaiting) {
  ScriptedTarget target(session->Display(), control, loop, 5);
  target.vanish = true;
  const auto start = PollLoop::Clock::now();
  ASSERT_TRUE(Post(target, {"/one"}));
  ASSERT_TRUE(WaitFor([&] { return !outcomes.empty(); }));
  EXPECT_EQ(outcomes[0], DropOutcome::Failed);
  // Well before the 1.5 s an answer is waited for.
  EXPECT_LT(PollLoop::Clock::now() - start, std::chrono::milliseconds(1000));
}

}  // namespace
