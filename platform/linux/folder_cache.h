// The last complete read of a folder, so that the searches of one listing (the folder pass and
// one pass per mask pattern) read the folder once.
#pragma once

#include <sys/stat.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform::host {

struct FolderSnapshot {
  std::string folder;  // host path
  dev_t device = 0;
  ino_t inode = 0;
  timespec changed{};  // the folder's modification time before it was read
  unsigned details = 0;
  std::vector<SearchRec> entries;
  std::chrono::steady_clock::time_point taken;
};

class FolderCache {
 public:
  // How long a snapshot serves: long enough for the passes of one listing, short enough that
  // a file changed in place (which leaves its folder's time alone) shows at the next refresh.
  static constexpr std::chrono::milliseconds kLifetime{1000};

  // The snapshot of the folder whose state st gives, when it is recent, the folder has not
  // changed since, and it holds at least these details; null otherwise.
  std::shared_ptr<const FolderSnapshot> Find(const std::string& folder, const struct stat& st,
                                             unsigned details);
  void Store(std::shared_ptr<const FolderSnapshot> snapshot);

 private:
  std::shared_ptr<const FolderSnapshot> last_;
};

}  // namespace platform::host
