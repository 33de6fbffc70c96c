// Program entry: the Qt backend and the Linux platform under the system's own start-up.
#include <QWidget>

#include "app/program.h"
#include "app/services.h"
#include "platform/global_memory.h"
#include "platform/linux/linux_system.h"
#include "platform/x11/qt_event_loop.h"
#include "platform/x11/x11_window_service.h"
#include "ui/form.h"
#include "ui/qt/qt_backend.h"

int main(int argc, char** argv) {
  ui::qt::QtBackend backend(argc, argv);
  platform::LinuxSystem system(argc, argv, [&backend] { return backend.IsShiftDown(); });
  // Drop blocks, the desktop's windows and drops handed to them, on a connection of its own
  // driven from Qt's event loop.
  platform::StdGlobalMemory memory;
  platform::x11::QtEventLoop loop;
  platform::x11::X11WindowService::Options options;
  options.mainWindow = [&backend] {
    const ui::Form* form = backend.MainForm();
    const QWidget* window = form ? backend.WindowOf(*form) : nullptr;
    return platform::x11::X11WindowService::MainWindowState{
        window ? static_cast<platform::WindowHandle>(window->winId()) : 0,
        form && form->StayOnTop()};
  };
  options.hostPathOf = [&system](std::string_view path) { return system.HostPath(path); };
  platform::x11::X11WindowService windows(memory, loop, std::move(options));

  zunt::Services services{system};
  services.globalMemory = &memory;
  services.windows = &windows;
  services.systemPathOf = [&system](std::string_view path) { return system.SystemPath(path); };
  return zunt::RunProgram(backend, services);
}
