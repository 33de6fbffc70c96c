// Handing files to a running window: the main window's side of the drop block.
#include "app/zunt1.h"
#include "launch/drop_block.h"
#include "launch/find_window.h"
#include "ui/backend.h"

platform::WindowHandle TFrmZunt::FindWindowByTitle(std::string_view text) {
  if (!services_.windows) return 0;
  return launch::FindWindowByTitle(*services_.windows, text);
}

platform::GlobalHandle TFrmZunt::NewDropBlock() {
  if (!services_.globalMemory) return 0;
  return launch::NewDropBlock(*services_.globalMemory);
}

platform::GlobalHandle TFrmZunt::AddDropFile(platform::GlobalHandle block, std::string_view path) {
  if (!services_.globalMemory) return 0;
  return launch::AddDropFile(*services_.globalMemory, block, path);
}

void TFrmZunt::PostDropFiles(platform::WindowHandle target, platform::GlobalHandle block) {
  platform::WindowService* windows = services_.windows;
  if (windows && target != 0 && target == windows->MainWindow()) {
    // A drop on ourselves goes through our own event loop, as a posted message would.
    GetBackend().Post([this, block] { WMDropFiles(block); });
    return;
  }
  if (!windows || !windows->PostDropFiles(target, block)) services_.globalMemory->Free(block);
}

void TFrmZunt::HandOverFiles(platform::WindowHandle target, const std::vector<std::string>& paths) {
  if (!services_.globalMemory) return;
  const platform::GlobalHandle block = launch::DropBlockOf(*services_.globalMemory, paths);
  if (block) PostDropFiles(target, block);
}
