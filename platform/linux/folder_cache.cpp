#include "platform/linux/folder_cache.h"

#include <ctime>

namespace platform::host {

namespace {

bool SameTime(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// Time stamps come from a coarse clock: a folder changed a moment ago may change again
// within the same tick without its time moving, so such a read is not kept.
bool ChangedJustNow(const timespec& changed) {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long ns = (now.tv_sec - changed.tv_sec) * 1000000000LL + now.tv_nsec - changed.tv_nsec;
  return ns < 100000000LL;
}

}  // namespace

std::shared_ptr<const FolderSnapshot> FolderCache::Find(const std::string& folder,
                                                        const struct stat& st, unsigned details) {
  if (!last_) return nullptr;
  if (std::chrono::steady_clock::now() - last_->taken > kLifetime) {
    last_.reset();
    return nullptr;
  }
  if (last_->folder != folder || last_->device != st.st_dev || last_->inode != st.st_ino ||
      !SameTime(last_->changed, st.st_mtim) || (details & ~last_->details) != 0) {
    return nullptr;
  }
  return last_;
}

void FolderCache::Store(std::shared_ptr<const FolderSnapshot> snapshot) {
  if (ChangedJustNow(snapshot->changed)) return;
  last_ = std::move(snapshot);
}

}  // namespace platform::host
