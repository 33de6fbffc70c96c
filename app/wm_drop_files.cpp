// Files dropped on the main window: the folder of the first one is shown.
#include "app/zunt1.h"
#include "launch/drop_block.h"
#include "platform/drop_files.h"
#include "text/sjis.h"
#include "ui/backend.h"

void TFrmZunt::WMDropFiles(platform::GlobalHandle drop) {
  platform::GlobalMemory& memory = *services_.globalMemory;
  // The whole first path: paths are never cut.
  std::string path(platform::DragQueryFileA(memory, drop, 0, nullptr, 0) + 1, '\0');
  path.resize(platform::DragQueryFileA(memory, drop, 0, path.data(),
                                       static_cast<std::uint32_t>(path.size())));
  platform::DragFinish(memory, drop);
  // A drop without a path names no folder.
  if (path.empty()) return;

  CurrentDir = path;
  if (!IsDirectory(CurrentDir)) CurrentDir = std::string(text::FolderPart(CurrentDir));
  RefreshList();
}

void TFrmZunt::FormDropFiles(const std::vector<std::string>& hostPaths) {
  if (!services_.globalMemory || !services_.systemPathOf) return;
  std::vector<std::string> paths;
  for (const std::string& hostPath : hostPaths) paths.push_back(services_.systemPathOf(hostPath));
  const platform::GlobalHandle block = launch::DropBlockOf(*services_.globalMemory, paths);
  if (!block) return;
  // Read later from the event loop, as the drop message would be, so that the drop itself
  // ends at once for the program that sent it.
  GetBackend().Post([this, block] { WMDropFiles(block); });
}
