#include "x11_fixture.h"

#include <cstdlib>
#include <cstring>

#include "launch/find_window.h"
#include "platform/codec.h"

using namespace std::chrono_literals;

bool X11Fixture::StartX(bool wm, std::string& whyNot) {
  withWindowManager = wm;
  session = XSession::Start(wm, whyNot);
  if (!session) return false;
  control = xcb_connect(session->Display().c_str(), nullptr);
  root = xcb_setup_roots_iterator(xcb_get_setup(control)).data->root;
  platform::x11::X11WindowService::Options options;
  options.mainWindow = [this] { return main; };
  options.hostPathOf = HostPath;
  options.timeouts = {1500ms, 2500ms};
  options.display = session->Display().c_str();
  windows = std::make_unique<platform::x11::X11WindowService>(memory, loop, options);
  windows->SetOutcomeListener([this](platform::x11::DropOutcome o) { outcomes.push_back(o); });
  return true;
}

void X11Fixture::StopX() {
  windows.reset();
  if (control) xcb_disconnect(control);
  control = nullptr;
  session.reset();
}

X11Fixture::Receiver X11Fixture::StartReceiver(const std::string& title, bool onTop,
                                               const std::string& dragPath) {
  std::vector<std::string> argv = {ZUNT_DROP_RECEIVER};
  if (onTop) argv.push_back("--on-top");
  if (!dragPath.empty()) argv.insert(argv.end(), {"--drag", dragPath});
  return Start(argv, title);
}

bool X11Fixture::StartGtkReceiver(const std::string& title, Receiver& receiver) {
  // The system Python, which python3-gi serves.
  ChildProcess probe({"/usr/bin/python3", "-c",
                      "import gi; gi.require_version('Gtk', '3.0'); "
                      "gi.require_version('GdkX11', '3.0')"});
  if (probe.Wait() != 0) return false;
  receiver = Start({"/usr/bin/python3", ZUNT_GTK_RECEIVER}, title);
  return true;
}

X11Fixture::Receiver X11Fixture::Start(std::vector<std::string> argv, const std::string& title) {
  Receiver r;
  const std::string n = std::to_string(++receivers_);
  r.out = dir.Path() + "/drops-" + n;
  const std::string idFile = dir.Path() + "/id-" + n;
  argv.insert(argv.end(), {"--title", title, "--out", r.out, "--id-file", idFile});
  r.process = std::make_unique<ChildProcess>(argv, session->Environment());
  EXPECT_TRUE(WaitFor([&] { return !ReadFile(idFile).empty(); })) << "receiver did not show";
  r.window = std::strtoull(ReadFile(idFile).c_str(), nullptr, 10);
  // Seen by the walk with its title (a window manager takes it on first).
  const auto before = main;
  main = {1, true};  // every group
  EXPECT_TRUE(WaitFor([&] {
    for (WindowHandle w = windows->FirstWindow(main.window); w; w = windows->NextWindow(w)) {
      if (w == r.window && !windows->WindowTitle(w).empty()) return true;
    }
    return false;
  })) << "receiver not in the walk "
      << r.window << ": " << DescribeWalk();
  main = before;
  return r;
}

std::string X11Fixture::DescribeWalk() {
  std::string text;
  for (WindowHandle w = windows->FirstWindow(main.window); w; w = windows->NextWindow(w)) {
    text += std::to_string(w) + " \"" + windows->WindowTitle(w) + "\"; ";
  }
  return text;
}

std::vector<X11Fixture::Paths> X11Fixture::Drops(const Receiver& receiver) {
  std::vector<Paths> drops;
  const std::string bytes = ReadFile(receiver.out);
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find('\n', at);
    if (end == std::string::npos) break;
    const std::string line = bytes.substr(at, end - at);
    if (line == "DROP") {
      drops.emplace_back();
    } else if (!drops.empty()) {
      drops.back().push_back(line);
    }
    at = end + 1;
  }
  return drops;
}

std::string X11Fixture::SystemPath(const std::string& hostPath) {
  std::string path = hostPath;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return "C:" + platform::Utf8ToCp932(path);
}

std::optional<std::string> X11Fixture::HostPath(std::string_view systemPath) {
  if (systemPath.substr(0, 2) != "C:") return std::nullopt;
  // To UTF-8 first: a trail byte 0x5C of code page 932 is no separator.
  std::string path = platform::Cp932ToUtf8(systemPath.substr(2));
  for (char& c : path) c = c == '\\' ? '/' : c;
  return path;
}

X11Fixture::WindowHandle X11Fixture::Find(const std::string& utf8Text) {
  return launch::FindWindowByTitle(*windows, platform::Utf8ToCp932(utf8Text));
}

xcb_atom_t X11Fixture::Atom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      control, xcb_intern_atom(control, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
      nullptr);
  const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
  std::free(reply);
  return atom;
}

// A request of a client to the window manager about one of its windows.
void X11Fixture::AskWindowManager(const char* type, WindowHandle window, std::uint32_t value) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = static_cast<xcb_window_t>(window);
  event.type = Atom(type);
  event.data.data32[0] = value;
  xcb_send_event(control, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(control);
}

void X11Fixture::Raise(WindowHandle window) {
  if (withWindowManager) {
    // As a pager asks for it, which the window manager grants.
    AskWindowManager("_NET_ACTIVE_WINDOW", window, 2);
    return;
  }
  const std::uint32_t above = XCB_STACK_MODE_ABOVE;
  xcb_configure_window(control, static_cast<xcb_window_t>(window), XCB_CONFIG_WINDOW_STACK_MODE,
                       &above);
  xcb_flush(control);
}

void X11Fixture::Hide(WindowHandle window) {
  if (withWindowManager) {
    AskWindowManager("WM_CHANGE_STATE", window, 3);  // IconicState
    return;
  }
  xcb_unmap_window(control, static_cast<xcb_window_t>(window));
  xcb_flush(control);
}

X11Fixture::Rect X11Fixture::ScreenRect(WindowHandle window) {
  const auto w = static_cast<xcb_window_t>(window);
  xcb_get_geometry_reply_t* g =
      xcb_get_geometry_reply(control, xcb_get_geometry(control, w), nullptr);
  xcb_translate_coordinates_reply_t* t = xcb_translate_coordinates_reply(
      control, xcb_translate_coordinates(control, w, root, 0, 0), nullptr);
  Rect r;
  if (g && t) r = {t->dst_x, t->dst_y, g->width, g->height};
  std::free(g);
  std::free(t);
  return r;
}

void X11Fixture::Move(WindowHandle window, int x, int y) {
  const std::uint32_t values[] = {static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)};
  xcb_configure_window(control, static_cast<xcb_window_t>(window),
                       XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
  xcb_flush(control);
}
