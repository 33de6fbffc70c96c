#include "platform/x11/x11_window_service.h"

#include <algorithm>

#include "platform/drop_files.h"
#include "platform/x11/stacking.h"
#include "platform/x11/title_text.h"
#include "platform/x11/uri_list.h"

namespace platform::x11 {

namespace {

// Enough of a title for 255 bytes of code page 932 in any of its encodings.
constexpr std::uint32_t kTitleBytes = 8192;

std::optional<std::vector<WindowHandle>> Windows(const std::optional<Property>& p) {
  if (!p || p->type != XCB_ATOM_WINDOW) return std::nullopt;
  const std::vector<std::uint32_t> ids = p->Values32();
  return std::vector<WindowHandle>(ids.begin(), ids.end());
}

std::vector<WindowHandle> RootChildren(const XConnection& x) {
  const auto tree =
      Owned(xcb_query_tree_reply(x.Get(), xcb_query_tree(x.Get(), x.Root()), nullptr));
  if (!tree) return {};
  const xcb_window_t* children = xcb_query_tree_children(tree.get());
  return std::vector<WindowHandle>(children, children + xcb_query_tree_children_length(tree.get()));
}

// The windows of list whose _NET_WM_STATE holds _NET_WM_STATE_ABOVE, asked all at once.
std::set<WindowHandle> AboveWindows(const XConnection& x, const std::vector<WindowHandle>& list,
                                    xcb_atom_t state, xcb_atom_t above) {
  std::vector<xcb_get_property_cookie_t> cookies;
  for (const WindowHandle w : list) {
    cookies.push_back(
        xcb_get_property(x.Get(), 0, static_cast<xcb_window_t>(w), state, XCB_ATOM_ATOM, 0, 64));
  }
  std::set<WindowHandle> result;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const auto reply = Owned(xcb_get_property_reply(x.Get(), cookies[i], nullptr));
    if (!reply || reply->format != 32) continue;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    if (std::find(atoms, atoms + count, above) != atoms + count) result.insert(list[i]);
  }
  return result;
}

}  // namespace

X11WindowService::Display::Display(const char* name) : x(name) {
  if (!x.Ok()) return;
  const std::vector<xcb_atom_t> a =
      x.Atoms({"_NET_SUPPORTING_WM_CHECK", "_NET_CLIENT_LIST_STACKING", "_NET_WM_STATE",
               "_NET_WM_STATE_ABOVE", "_NET_WM_NAME", "UTF8_STRING", "COMPOUND_TEXT"});
  atoms = {a[0], a[1], a[2], a[3], a[4], a[5], a[6]};
}

X11WindowService::X11WindowService(GlobalMemory& memory, EventLoop& loop, Options options)
    : memory_(memory), loop_(loop), options_(std::move(options)) {}

const X11WindowService::Display& X11WindowService::Connected() {
  if (!display_) display_ = std::make_unique<Display>(options_.display);
  return *display_;
}

XdndSender& X11WindowService::Sender() {
  if (!sender_) {
    sender_ = std::make_unique<XdndSender>(loop_, options_.timeouts, options_.display);
    sender_->onOutcome = onOutcome_;
  }
  return *sender_;
}

void X11WindowService::SetOutcomeListener(std::function<void(DropOutcome)> listener) {
  onOutcome_ = std::move(listener);
  if (sender_) sender_->onOutcome = onOutcome_;
}

WindowHandle X11WindowService::MainWindow() {
  return options_.mainWindow ? options_.mainWindow().window : 0;
}

WindowHandle X11WindowService::FirstWindow(WindowHandle window) {
  walk_.clear();
  const Display& d = Connected();
  const XConnection& x = d.x;
  if (!x.Ok()) return 0;
  StackingData data;
  data.wmCheck = GetProperty32(x, x.Root(), d.atoms.wmCheck, XCB_ATOM_WINDOW);
  if (data.wmCheck) {
    data.wmCheckOfCheck = GetProperty32(x, static_cast<xcb_window_t>(*data.wmCheck),
                                        d.atoms.wmCheck, XCB_ATOM_WINDOW);
  }
  data.clientListStacking = Windows(GetProperty(x, x.Root(), d.atoms.clientListStacking));
  if (!HasWindowManagerStacking(data)) data.rootChildren = RootChildren(x);
  data.above =
      AboveWindows(x, HasWindowManagerStacking(data) ? *data.clientListStacking : data.rootChildren,
                   d.atoms.state, d.atoms.stateAbove);

  const MainWindowState main = options_.mainWindow ? options_.mainWindow() : MainWindowState{};
  data.mainWindow = main.window;
  data.mainStaysOnTop = main.staysOnTop;
  walk_ = WalkOrder(data, window);
  return walk_.empty() ? 0 : walk_.front();
}

WindowHandle X11WindowService::NextWindow(WindowHandle window) {
  const auto at = std::find(walk_.begin(), walk_.end(), window);
  if (at == walk_.end() || at + 1 == walk_.end()) return 0;
  return *(at + 1);
}

std::string X11WindowService::WindowTitle(WindowHandle window) {
  const Display& d = Connected();
  if (!d.x.Ok() || window == 0) return {};
  const auto w = static_cast<xcb_window_t>(window);
  if (const auto name = GetProperty(d.x, w, d.atoms.netWmName, kTitleBytes);
      name && name->type == d.atoms.utf8String) {
    return TitleForSearch(PropertyTextToUtf8(TextType::Utf8, name->bytes));
  }
  const auto name = GetProperty(d.x, w, XCB_ATOM_WM_NAME, kTitleBytes);
  if (!name || name->format != 8) return {};
  const TextType type = name->type == d.atoms.utf8String     ? TextType::Utf8
                        : name->type == d.atoms.compoundText ? TextType::CompoundText
                                                             : TextType::Latin1;
  return TitleForSearch(PropertyTextToUtf8(type, name->bytes));
}

bool X11WindowService::PostDropFiles(WindowHandle window, GlobalHandle drop) {
  std::vector<std::string> hostPaths;
  for (const std::string& path : DragQueryAllFiles(memory_, drop)) {
    if (!options_.hostPathOf) break;
    if (std::optional<std::string> host = options_.hostPathOf(path)) {
      hostPaths.push_back(std::move(*host));
    }
  }
  if (hostPaths.empty()) return false;
  XdndSender& sender = Sender();
  const std::optional<XdndTarget> target = sender.Resolve(static_cast<xcb_window_t>(window));
  if (!target) return false;
  // The paths are all the target needs: the block ends here, as a receiver ends it.
  DragFinish(memory_, drop);
  sender.Send(*target, UriList(hostPaths));
  return true;
}

}  // namespace platform::x11
