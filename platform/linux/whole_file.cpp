#include "platform/linux/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "platform/linux/handles.h"

namespace platform::host {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The file a link leads to, so that writing keeps the link.
std::string FollowLink(const std::string& path) {
  struct stat st;
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
  return real ? std::string(real.get()) : path;
}

void SyncFolder(const std::string& folder) {
  UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.ok()) fsync(fd.get());
}

}  // namespace

std::optional<std::string> ReadHostFile(const std::string& path) {
  UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.ok()) return std::nullopt;
  std::string bytes;
  struct stat st;
  if (fstat(fd.get(), &st) == 0 && st.st_size > 0)
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = read(fd.get(), buf, sizeof buf);
    if (n == 0) return bytes;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    bytes.append(buf, static_cast<std::size_t>(n));
  }
}

bool WriteHostFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string target = FollowLink(path);
  struct stat old;
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && (!S_ISREG(old.st_mode) || access(target.c_str(), W_OK) != 0)) return false;

  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == 0 ? "/" : target.substr(0, slash);
  // The temporary name stays within the host's name limit however long the target's is.
  const std::string base = target.substr(slash + 1, 200);
  const mode_t mode = exists ? (old.st_mode & 07777) : 0666;
  std::string temp;
  int raw = -1;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = folder + (folder == "/" ? "" : "/") + "." + base + "." + std::to_string(getpid()) + "-" +
           std::to_string(attempt) + ".tmp";
    raw = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (raw >= 0 || errno != EEXIST) break;
  }
  if (raw < 0) return false;
  UniqueFd fd(raw);

  bool ok = WriteAll(fd.get(), bytes);
  if (ok && exists) {
    // The umask may have taken bits off; the file keeps its owner where we may set it.
    ok = fchmod(fd.get(), mode) == 0;
    if (fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
      // Only the owner's own or a privileged process may; the content matters, not this.
    }
  }
  ok = ok && fsync(fd.get()) == 0;
  ok = fd.Close() && ok;
  ok = ok && rename(temp.c_str(), target.c_str()) == 0;
  if (!ok) {
    unlink(temp.c_str());
    return false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace platform::host
