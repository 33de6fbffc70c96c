// Start-up work that Qt would otherwise do on the main thread, in the way of the first window,
// done on threads of their own while the main thread goes on.
#pragma once

#include <thread>

namespace ui::qt {

// Reads the font configuration while the application object connects to the display. Make it
// before the application object; Wait before the first font is used.
class FontConfigWarmUp {
 public:
  FontConfigWarmUp();
  ~FontConfigWarmUp();
  FontConfigWarmUp(const FontConfigWarmUp&) = delete;
  FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;
  void Wait();

 private:
  std::thread thread_;
};

// Connects to the session bus, which the accessibility bridge asks for when the first item view
// is made: connecting, or finding there is no bus, can hold the main thread for milliseconds.
// Make it after the application object.
class SessionBusWarmUp {
 public:
  SessionBusWarmUp();
  ~SessionBusWarmUp();
  SessionBusWarmUp(const SessionBusWarmUp&) = delete;
  SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

 private:
  std::thread thread_;
};

}  // namespace ui::qt
