#include "platform/x11/xcb_util.h"

#include <cstring>

namespace platform::x11 {

XConnection::XConnection(const char* display) {
  int screenNumber = 0;
  connection_ = xcb_connect(display, &screenNumber);
  if (xcb_connection_has_error(connection_)) return;
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
  for (int i = 0; i < screenNumber && it.rem; ++i) xcb_screen_next(&it);
  if (it.rem) root_ = it.data->root;
}

XConnection::~XConnection() { xcb_disconnect(connection_); }

bool XConnection::Ok() const { return !xcb_connection_has_error(connection_) && root_; }

int XConnection::Fd() const { return xcb_get_file_descriptor(connection_); }

xcb_atom_t XConnection::Atom(std::string_view name) const { return Atoms({name}).front(); }

std::vector<xcb_atom_t> XConnection::Atoms(const std::vector<std::string_view>& names) const {
  std::vector<xcb_intern_atom_cookie_t> cookies;
  for (std::string_view name : names) {
    cookies.push_back(
        xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(name.size()), name.data()));
  }
  std::vector<xcb_atom_t> atoms;
  for (const xcb_intern_atom_cookie_t cookie : cookies) {
    const auto reply = Owned(xcb_intern_atom_reply(connection_, cookie, nullptr));
    atoms.push_back(reply ? reply->atom : XCB_NONE);
  }
  return atoms;
}

std::vector<std::uint32_t> Property::Values32() const {
  std::vector<std::uint32_t> values;
  if (format != 32) return values;
  values.resize(bytes.size() / 4);
  if (!values.empty()) std::memcpy(values.data(), bytes.data(), values.size() * 4);
  return values;
}

std::optional<Property> GetProperty(const XConnection& x, xcb_window_t window, xcb_atom_t property,
                                    std::uint32_t maxBytes) {
  const xcb_get_property_cookie_t cookie = xcb_get_property(
      x.Get(), 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, (maxBytes + 3) / 4);
  const auto reply = Owned(xcb_get_property_reply(x.Get(), cookie, nullptr));
  if (!reply || reply->type == XCB_NONE) return std::nullopt;
  Property p;
  p.type = reply->type;
  p.format = reply->format;
  const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
  // The length is in bytes already.
  p.bytes.assign(data, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
  return p;
}

std::optional<std::uint32_t> GetProperty32(const XConnection& x, xcb_window_t window,
                                           xcb_atom_t property, xcb_atom_t type) {
  const std::optional<Property> p = GetProperty(x, window, property, 4);
  if (!p || p->type != type) return std::nullopt;
  const std::vector<std::uint32_t> values = p->Values32();
  if (values.empty()) return std::nullopt;
  return values.front();
}

}  // namespace platform::x11
