// Program entry: the Qt backend and the Linux platform under the system's own start-up.
#include "app/program.h"
#include "app/services.h"
#include "platform/linux/linux_system.h"
#include "ui/qt/qt_backend.h"

int main(int argc, char** argv) {
  ui::qt::QtBackend backend(argc, argv);
  platform::LinuxSystem system(argc, argv, [&backend] { return backend.IsShiftDown(); });
  return zunt::RunProgram(backend, zunt::Services{system});
}
