// A connection to the X server of its own, and the property reads the window services use.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::x11 {

// A reply (or event) of the X library, freed with the object.
template <typename T>
using XReply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T>
XReply<T> Owned(T* reply) {
  return XReply<T>(reply, &std::free);
}

class XConnection {
 public:
  // display: null for $DISPLAY.
  explicit XConnection(const char* display = nullptr);
  ~XConnection();
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;

  bool Ok() const;
  xcb_connection_t* Get() const { return connection_; }
  xcb_window_t Root() const { return root_; }
  int Fd() const;

  xcb_atom_t Atom(std::string_view name) const;
  // Interns many at once: one round trip for all.
  std::vector<xcb_atom_t> Atoms(const std::vector<std::string_view>& names) const;

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_ = XCB_NONE;
};

struct Property {
  xcb_atom_t type = XCB_NONE;
  std::uint8_t format = 0;
  std::string bytes;
  std::vector<std::uint32_t> Values32() const;
};

// The property, or nullopt when the window has none (or is gone). maxBytes caps the read.
std::optional<Property> GetProperty(const XConnection& x, xcb_window_t window, xcb_atom_t property,
                                    std::uint32_t maxBytes = 1 << 20);

// The first 32-bit value of a property of the given type.
std::optional<std::uint32_t> GetProperty32(const XConnection& x, xcb_window_t window,
                                           xcb_atom_t property, xcb_atom_t type);

}  // namespace platform::x11
