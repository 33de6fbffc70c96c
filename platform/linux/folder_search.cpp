#include "platform/linux/folder_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/codec.h"
#include "platform/linux/file_info.h"
#include "platform/linux/handles.h"
#include "platform/linux/host_names.h"
#include "text/sjis.h"

namespace platform::host {

namespace {

constexpr std::uint32_t kMasked = faHidden | faSysFile | faDirectory;

bool HasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

bool SeesEverything(std::string_view pattern, std::uint32_t attrMask) {
  return (pattern == "*" || pattern == "*.*") && (attrMask & kMasked) == kMasked;
}

// Reads up to the first match at once, so that a search that finds nothing is no search.
class PrefetchingSearch : public FileSearch {
 public:
  bool Start() { return pending_ = Read(first_); }

  bool Next(SearchRec& rec) final {
    if (pending_) {
      pending_ = false;
      rec = std::move(first_);
      return true;
    }
    return Read(rec);
  }

 protected:
  virtual bool Read(SearchRec& rec) = 0;

 private:
  bool pending_ = false;
  SearchRec first_;
};

// Entries straight from the host folder.
class FolderSearch : public PrefetchingSearch {
 public:
  FolderSearch(DirHandle dir, std::string_view pattern, std::uint32_t attrMask, unsigned details,
               bool driveRoot)
      : dir_(std::move(dir)),
        fd_(dirfd(dir_.get())),
        pattern_(pattern),
        mask_(attrMask),
        details_(details),
        driveRoot_(driveRoot) {}

  // Only this name is looked at (it exists as written).
  void LookUpOnly(std::string hostName) { single_ = std::move(hostName); }

  // Every entry goes into a snapshot that reaches the cache when the folder has been read
  // to its end.
  void Record(std::shared_ptr<FolderSnapshot> snapshot, std::shared_ptr<FolderCache> cache) {
    snapshot_ = std::move(snapshot);
    cache_ = std::move(cache);
  }

 private:
  bool Read(SearchRec& rec) override {
    if (!single_.empty()) {
      const std::string name = std::move(single_);
      single_.clear();
      done_ = true;
      return Take(name.c_str(), DT_UNKNOWN, rec);
    }
    if (done_) return false;
    for (;;) {
      errno = 0;  // readdir tells its end from an error by errno alone
      const dirent* e = readdir(dir_.get());
      if (!e) break;
      if (!Take(e->d_name, e->d_type, rec)) continue;
      if (snapshot_) snapshot_->entries.push_back(rec);
      return true;
    }
    done_ = true;
    if (snapshot_ && errno == 0) {
      snapshot_->taken = std::chrono::steady_clock::now();
      cache_->Store(std::move(snapshot_));
    }
    snapshot_.reset();
    return false;
  }

  // Fills rec from one entry; false when the entry is not to be found.
  bool Take(const char* name, unsigned char type, SearchRec& rec) {
    const bool dots = name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
    if (dots && driveRoot_) return false;
    ToSystemName(name, rec.name);
    if (!text::MatchesPattern(rec.name, pattern_)) return false;

    struct stat st;
    bool haveStat = false;
    EntryKind kind = EntryKind::kOther;
    switch (type) {
      case DT_DIR:
        kind = EntryKind::kFolder;
        break;
      case DT_REG:
        kind = EntryKind::kFile;
        break;
      case DT_LNK:
      case DT_UNKNOWN:
        // A link counts as what it points to; a dangling one is a plain file.
        if (fstatat(fd_, name, &st, 0) == 0) {
          kind = KindOfMode(st.st_mode);
        } else if (fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
          kind = S_ISLNK(st.st_mode) ? EntryKind::kFile : KindOfMode(st.st_mode);
        } else {
          return false;  // gone since the folder was read
        }
        haveStat = true;
        break;
      default:
        break;
    }
    std::uint32_t attr = BaseAttributes(name, kind);
    if ((attr & kMasked & ~mask_) != 0) return false;

    if ((details_ & (kTime | kSize)) && !haveStat) {
      haveStat =
          fstatat(fd_, name, &st, 0) == 0 || fstatat(fd_, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
    }
    rec.size = (details_ & kSize) && haveStat && kind != EntryKind::kFolder ? st.st_size : 0;
    rec.time = (details_ & kTime) && haveStat ? LocalFileTime(st.st_mtime) : FileTime{};
    if ((details_ & kReadOnly) && faccessat(fd_, name, W_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EROFS || errno == EPERM)) {
      attr |= faReadOnly;
    }
    rec.attr = attr;
    return true;
  }

  DirHandle dir_;
  int fd_;
  std::string pattern_;
  std::uint32_t mask_;
  unsigned details_;
  bool driveRoot_;
  std::string single_;
  bool done_ = false;
  std::shared_ptr<FolderSnapshot> snapshot_;
  std::shared_ptr<FolderCache> cache_;
};

// Entries from an earlier complete read of the unchanged folder.
class SnapshotSearch : public PrefetchingSearch {
 public:
  SnapshotSearch(std::shared_ptr<const FolderSnapshot> snapshot, std::string_view pattern,
                 std::uint32_t attrMask, unsigned details)
      : snapshot_(std::move(snapshot)), pattern_(pattern), mask_(attrMask), details_(details) {}

 private:
  bool Read(SearchRec& rec) override {
    while (next_ < snapshot_->entries.size()) {
      const SearchRec& e = snapshot_->entries[next_++];
      if ((e.attr & kMasked & ~mask_) != 0 || !text::MatchesPattern(e.name, pattern_)) continue;
      // Exactly what a fresh read with these details gives.
      rec.name = e.name;
      rec.attr = (details_ & kReadOnly) ? e.attr : e.attr & ~faReadOnly;
      rec.size = (details_ & kSize) ? e.size : 0;
      rec.time = (details_ & kTime) ? e.time : FileTime{};
      return true;
    }
    return false;
  }

  std::shared_ptr<const FolderSnapshot> snapshot_;
  std::string pattern_;
  std::uint32_t mask_;
  unsigned details_;
  std::size_t next_ = 0;
};

template <typename Search>
std::unique_ptr<FileSearch> Started(std::unique_ptr<Search> search) {
  if (!search->Start()) return nullptr;
  return search;
}

}  // namespace

std::unique_ptr<FileSearch> OpenFolderSearch(const std::string& hostFolder,
                                             std::string_view pattern, std::uint32_t attrMask,
                                             unsigned details, bool driveRoot,
                                             const std::shared_ptr<FolderCache>& cache) {
  if (pattern.empty()) return nullptr;
  DirHandle dir(opendir(hostFolder.c_str()));
  if (!dir) return nullptr;
  const int fd = dirfd(dir.get());
  auto search =
      std::make_unique<FolderSearch>(std::move(dir), pattern, attrMask, details, driveRoot);

  // A name without wildcards is looked up directly; only when it does not exist as written
  // do the folder's names have to be read for another spelling of it.
  if (!HasWildcard(pattern)) {
    std::string hostName = Cp932ToUtf8(pattern);
    struct stat st;
    if (fstatat(fd, hostName.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
      search->LookUpOnly(std::move(hostName));
      return Started(std::move(search));
    }
  }

  struct stat folder;
  if (!cache || fstat(fd, &folder) != 0) return Started(std::move(search));
  if (auto snapshot = cache->Find(hostFolder, folder, details)) {
    return Started(
        std::make_unique<SnapshotSearch>(std::move(snapshot), pattern, attrMask, details));
  }
  if (SeesEverything(pattern, attrMask)) {
    auto snapshot = std::make_shared<FolderSnapshot>();
    snapshot->folder = hostFolder;
    snapshot->device = folder.st_dev;
    snapshot->inode = folder.st_ino;
    snapshot->changed = folder.st_mtim;
    snapshot->details = details;
    search->Record(std::move(snapshot), cache);
  }
  return Started(std::move(search));
}

}  // namespace platform::host
