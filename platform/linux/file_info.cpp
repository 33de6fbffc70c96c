#include "platform/linux/file_info.h"

namespace platform::host {

FileTime LocalFileTime(std::time_t t) {
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr) return {};
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec & ~1};
}

EntryKind KindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::kFolder;
  if (S_ISREG(mode)) return EntryKind::kFile;
  return EntryKind::kOther;
}

std::uint32_t BaseAttributes(std::string_view name, EntryKind kind) {
  std::uint32_t attr = 0;
  // "." and ".." are the folder itself and its parent, not hidden entries.
  if (name.size() > 0 && name[0] == '.' && name != "." && name != "..") attr |= faHidden;
  switch (kind) {
    case EntryKind::kFolder:
      attr |= faDirectory;
      break;
    case EntryKind::kFile:
      attr |= faArchive;
      break;
    case EntryKind::kOther:
      attr |= faSysFile;
      break;
  }
  return attr;
}

}  // namespace platform::host
